// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The personal forecast for the year: the person's data and birth stars, the general
// characteristic by the birth-year star, the tendencies of the year and one section for each of
// the twelve solar months. The long texts are plain-text files of the data folder
// ("\other\goro\"), chosen by star numbers; the report frames them with headings and dates.
#include <QLocale>
#include <functional>
#include <string>
#include <vector>

#include "interpretation/forecast_year.h"
#include "interpretation/report_content.h"
#include "interpretation/report_document.h"
#include "person/person_chart.h"

// Reads a forecast text by its data path ("\other\goro\s3.txt") as lines. Raises EFileError
// (text/ini_file.h), naming the file, when it is missing or cannot be read.
using ForecastTexts = std::function<std::vector<std::string>(const std::string& dataPath)>;

// The general characteristic by the birth-year star B (as displayed: a woman's mirrored, 5 kept):
// "\other\goro\s" + B + ".txt", for a woman with B 1 or 5 "\other\goro\s" + B + "f.txt".
std::string GeneralCharacteristicPath(int birthYearStar, bool male);
// The text of a year or a month star for the birth-year star B: "\other\goro\" + star + "-" + B +
// ".txt", the star mirrored for a woman (the headings keep the plain star).
std::string StarForecastPath(int star, int birthYearStar, bool male);

// The forecast of Gregorian year `year` for `person`: its dates on the birth place's clock of each
// date (person/birth_place_clock.h).
ForecastYear ClientForecastYear(int year, const Person& person);

// "Прогноз на " + Y + " год".
std::string ForecastCaption(int year);

// Appends the forecast for the person of `calculation` (the chart on display in the person
// window, its texts as the window shows them) over the year `year`. Raises EFileError at the
// first text that cannot be read; what was appended before it is then no report to show.
void AppendPersonalForecast(ReportDocument& report, const ForecastYear& year,
                            const PersonCalculation& calculation, const ForecastTexts& texts,
                            const QLocale& locale);

// The report window's content: the caption "Прогноз на " + Y + " год", the status panel left as
// it is, and the forecast; or, when a text cannot be read, the error and no report.
ReportContent ForecastReportContent(const ForecastYear& year, const PersonCalculation& calculation,
                                    const ForecastTexts& texts, const QLocale& locale);
