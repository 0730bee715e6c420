// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of its two reports a new report window builds. An opener sets the switch immediately
// before it creates the window (the geomantic table window: the table interpretation; the person
// window: the personal forecast); the window reads it when it is shown. It starts as the table
// interpretation.
enum class ReportMode { TableInterpretation, PersonalForecast };

ReportMode CurrentReportMode();
void SetReportMode(ReportMode mode);
