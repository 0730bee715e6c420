// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The person chart as one JSON object (gavrosin-cli person --json and --batch): the chart the
// person window shows, then the full chart — hidden stems and gods, stages, void, palaces,
// symbolic stars, small luck and the years of every luck pillar; with a year, its months.
#include <optional>

#include "cli/json_writer.h"
#include "person/chart_details.h"

// Fills `record` (after whatever it holds). `monthsYear`: add that year's months.
void FillPersonRecord(JsonObject& record, const PersonCalculation& calculation,
                      const ChartDetails& details, std::optional<int> monthsYear);
