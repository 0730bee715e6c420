// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The short warning line of a window whose moment lies within minutes of a calendar boundary
// (calendar/boundary_warnings.h): the engine finds the boundaries, this only shows them.
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "astro/local_time.h"

class QLabel;

// Makes `label` a warning line: red text wrapped at the window's edge, hidden while there is
// nothing to say.
void MakeBoundaryWarningLine(QLabel* label);

// Shows the warnings of the civil moment `civil` read with `settings` ("до Становления весны
// 4 мин: год и месяц зависят от точного времени"; each on a line of its own), after `placeLines`
// (those of the clock at a place, calendar/clock_change_warnings), or hides the line.
void ShowBoundaryWarnings(QLabel* label, Moment civil, const TimeSettings& settings,
                          const std::vector<std::string>& placeLines = {});
