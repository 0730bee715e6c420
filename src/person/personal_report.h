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

// The client's documents name the person, never a file: the name, or "Персональный гороскоп"
// for a person without one.
std::string ClientTitle(const Person& person);
// The header of every page of the client's documents: the title and the chart's status line.
std::string ClientPageHeader(const PersonCalculation& calculation);
// The report as the client's document gives it: PersonalReportLines opened by the client's
// title instead of the window's "Файл: " line.
std::vector<std::string> ClientReportLines(const PersonCalculation& calculation);
// What the chart page warns of: a birth within minutes of a calendar boundary, then a clock time
// the place's summer time skipped or repeated, or that came before its zone.
std::vector<std::string> BirthWarningLines(const Person& person);

// The file name the save dialog proposes: the window caption, except that a person file's
// extension (".gvp" in any case) becomes ".txt", so that the report is never proposed over the
// person's own file.
std::string ProposedReportFileName(const std::string& windowCaption);
