// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report on the command line: one paragraph per line, its style, a tab and its text ("(blank)"
// and "(empty)" for the two separators), or one JSON object per paragraph with --json:
//   {"style":"Titl","kind":"text","text":"ИНТЕРПРЕТАЦИЯ ЗНАКА"}
#include <ostream>

#include "interpretation/report_document.h"

void PrintReport(const ReportDocument& report, bool json, std::ostream& out);
