// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interpretation of a geomantic table: a fixed sequence of paragraphs over the computed table
// (the chart, the gates and the time layers of its calculation moment). The report adds its own
// rules and texts; it never recomputes the chart.
#include <QLocale>
#include <string>

#include "geomancy/geomantic_table.h"
#include "interpretation/report_content.h"
#include "interpretation/report_document.h"

// The whole report: the body and, at the very top, the empty first paragraph of every report.
// `P` is the construction period as the table shows it (its centre base star). Dates are written
// in `locale`.
ReportDocument CalcRich(const GeomanticTable& table, int P, const QLocale& locale);
// The same with P read from the table's centre base star.
ReportDocument CalcRich(const GeomanticTable& table, const QLocale& locale);

// The body, appended to `report`: character and strength of the chart, special combinations,
// the facing and mountain palaces, the earth cycle, the combinations of every palace, the state
// in the current period, the gates, and the afflictions of the year and of the season.
void AppendTableReportBody(ReportDocument& report, const GeomanticTable& table, int P,
                           const QLocale& locale);

// Years until the earth energy of the dwelling switches off: 20 for every period from P forward
// to FB (through 9 -> 1); 0 when FB = P.
int EarthCycleYears(int P, int FB);

// The report window's content for a table: caption "Интерпретация: " + the table window's
// caption, the table's status line (TableStatusLine) in the status panel, and the body of the
// report (the window adds the empty first paragraph, as CalcRich does).
ReportContent TableReportContent(const GeomanticTable& table, const std::string& tableCaption,
                                 const QLocale& locale);
