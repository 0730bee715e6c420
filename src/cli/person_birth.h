// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A birth as the command line gives it: date, sex and zone options (or a row of a batch file),
// turned into the person the chart is computed for.
#include <string>

#include "cli/place_options.h"
#include "person/person.h"

// "m" or "f"; CliError for anything else.
bool ParseSex(const std::string& text);

// The person born at civil moment `birth` under `zone` (its settings at that moment; a place
// gives its name and zone id).
Person PersonBornAt(Moment birth, bool male, const MomentZone& zone);
