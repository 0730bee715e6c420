// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of a geomantic table as a client receives it, on paper or as a picture: the lines
// that say which chart it is (period, normal or replacement chart, azimuth, mountains, dates),
// the chart and gate grids as the table window draws them, and the legend of the star phases.
#include <QString>

#include "widgets/print_export.h"

class TFormFh;

// The sheet of the window's computed table, drawn by the window's own chart controls. The window
// must outlive the picture.
Picture TableChartSheet(TFormFh& window);
// The header line of the table's pages: the window caption and the status line of the chart
// on display (never what the inputs say of themselves).
QString TableSheetHeader(const TFormFh& window);
