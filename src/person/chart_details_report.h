// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The full birth chart as lines of text, in the window's words: for the text report, the
// clipboard and the command line.
#include <QLocale>
#include <string>
#include <vector>

#include "person/birth_place_clock.h"
#include "person/chart_details.h"

// The text report ("Сохранить как текст...", its print) followed by the full chart: what the
// window writes and prints. The first lines are PersonalReportLines' own.
std::vector<std::string> FullPersonalReportLines(const std::string& windowCaption,
                                                 const PersonCalculation& calculation);

// The pillars with their gods, stages and void, the palaces, the symbolic stars, small luck and
// the years of each luck pillar.
std::vector<std::string> ChartDetailsLines(const ChartDetails& d);

// "Месяцы 1997 года (начало …):", saying which clock (person/birth_place_clock.h), and one line
// per month: pillar, gods and the moment it begins on that clock, written in `locale`.
std::vector<std::string> YearMonthsLines(const ChartDetails& d, int year, const Person& person,
                                         const QLocale& locale);
