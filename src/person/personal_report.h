// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plain-text report of a personal chart ("Сохранить как текст..."): the person, the eight
// signs, the birth stars, the Ba Zhai line and the time corrections, in the words the person
// window shows them. The luck pillars are not part of it.
#include <string>
#include <vector>

#include "person/person_chart.h"

// The report's lines, without line ends. `windowCaption` is the person window's caption (the
// person's name after a calculation, else the file name or "Персональный гороскоп"); everything
// else comes from the calculation on display, which is what the window shows while the chart is
// current.
std::vector<std::string> PersonalReportLines(const std::string& windowCaption,
                                             const PersonCalculation& calculation);

// The chart as text for the clipboard ("Копировать"): the report's lines, then the luck pillars
// with their ages and years, the one running in `currentYear` marked.
std::vector<std::string> PersonChartTextLines(const std::string& windowCaption,
                                              const PersonCalculation& calculation,
                                              int currentYear);

// The file name the save dialog proposes: the window caption, except that a person file's
// extension (".gvp" in any case) becomes ".txt", so that the report is never proposed over the
// person's own file.
std::string ProposedReportFileName(const std::string& windowCaption);
