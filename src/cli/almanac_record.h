// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The almanac day as the `days --almanac` and `moment --almanac` commands print it.
#include <ostream>

#include "almanac/almanac_day.h"
#include "cli/json_writer.h"

// Adds to `record`: "spirit" (1..12, 1 = 青龙), "yellow_road", "clash" ([stem, branch]), "sha",
// "joy", "wealth", "yang_noble", "yin_noble" (direction codes "N" .. "NW"), "taboos" (the stem's
// and the branch's sayings), "hour_spirits" (12 numbers, 子 .. 亥) and "auspicious_hours"
// ([{"branch","from","to"}], clock times "HH:MM").
void AddAlmanacFields(JsonObject& record, const AlmanacDay& day);

// The almanac lines, each after `indent`.
void PrintAlmanacLines(const AlmanacDay& day, const char* indent, std::ostream& out);
