// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// gavrosin-cli person --batch FILE: one birth a line of a CSV file, one JSON line per birth.
//
// The header names the columns: "date" and "sex", and the zone either as "place", as "tz", or as
// "zone_hours" with the optional "summer" and "longitude" (an empty longitude leaves the
// correction off); an optional "name". A line that cannot be read yields
// {"line":N,"error":"…"} and the others go on. The births are computed on up to `jobs` threads
// and written in the order of the file.
#include <ostream>
#include <string>

// Returns the exit code: 0, or 2 when any line failed (after all were written). CliError when the
// file cannot be read or its header lacks a needed column.
int RunPersonBatch(const std::string& path, int jobs, std::ostream& out);
