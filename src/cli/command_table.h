// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// gavrosin-cli table: the geomantic table of a dwelling.
//   table --azimuth A --date YYYY-MM-DD [--at YYYY-MM-DDTHH:MM] [zone options] [--json] [--report]
//         [--pdf FILE] [--png FILE]
// With --report it prints the interpretation of the table instead of the table. --pdf writes the
// client document (the chart page, then the interpretation), --png the chart as a picture.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "calendar/current_moment.h"
#include "geomancy/geomantic_table.h"

// What --pdf and --png ask to be drawn: the table as the command computed it, with the inputs the
// table window needs to compute and paint the same chart.
struct TableDrawing {
    GeomanticTable table;
    Moment tableDate = 0;                // date of construction or moving in (day count)
    CurrentMoment moment;                // the calendar of the calculation moment
    float zoneHours = 3;                 // zone of the calculation, hours
    std::optional<std::string> pdfFile;  // the client document
    std::optional<std::string> pngFile;  // the chart picture
};

// Draws and writes the files of a TableDrawing, each whole or not at all; "" or the reason of the
// first file that could not be written. The drawing belongs to the window layer: the program gives
// it to the command (the command library itself draws nothing).
using TableDrawer = std::function<std::string(const TableDrawing&)>;

// `args` are the words after "table". Prints the table on `out` (readable text, or one JSON
// object with --json); a bad argument gives one line on `err` and a non-zero exit code. --pdf and
// --png are refused when no `drawer` is given.
int RunTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const TableDrawer& drawer = {});
