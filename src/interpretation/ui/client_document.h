// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One document for the client: the chart page followed by the written explanation, as a PDF.
// From the geomantic table: the table's chart and its interpretation. From a person: the birth
// chart, the personal text report and the forecast for the year.
#include <QString>
#include <string>
#include <vector>

#include "geomancy/geomantic_table.h"
#include "interpretation/forecast_year.h"
#include "person/person_chart.h"
#include "widgets/print_export.h"

class QWidget;

// The table's client document; `caption` is the table window's caption, `header` heads every
// page.
PrintDocument TableClientDocument(const GeomanticTable& table, const QString& caption,
                                  const QString& header, const Picture& chart);

// The person's client document: `reportLines` the personal text report, then the forecast for
// `year`. `error` is set (and the document has no text) when a forecast text cannot be read.
PrintDocument PersonClientDocument(const PersonCalculation& calculation,
                                   const std::vector<std::string>& reportLines,
                                   const ForecastYear& year, const QString& header,
                                   const Picture& chart, QString& error);

// The personal text report on paper: its first line as the title, the others as text.
PrintDocument PersonReportDocument(const std::vector<std::string>& reportLines,
                                   const QString& header);

// "Отчет в PDF...": asks for the file and writes the document; errors go to the error box.
void ExportClientDocument(QWidget* parent, const PrintDocument& document,
                          const QString& proposedName);
