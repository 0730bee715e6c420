// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The person's birth chart as the client receives it, on paper or as a picture: who, where and
// when, the warnings of a birth near a calendar boundary or at a skipped or repeated clock time,
// the four pillars with their Chinese characters, the birth stars and the Ba Zhai line, and the
// nine luck pillars. Laid out from measured text (widgets/sheet_layout.h), so that long captions
// and warnings wrap and nothing covers anything.
//
// Each part of the sheet is one SheetSection; a further part of the chart is one more section
// (made in a file of its own) appended to the list PersonChartSections returns.
#include <QString>
#include <vector>

#include "person/person_chart.h"
#include "widgets/print_export.h"
#include "widgets/sheet_layout.h"

// What the sheet says beyond the calculation.
struct PersonSheetFacts {
    QString caption;       // the person (ClientTitle), never a file
    int calendarYear = 0;  // the year whose running luck pillar is marked
};

// The sections of the sheet, top to bottom.
std::vector<SheetSection> PersonChartSections(const PersonCalculation& calculation,
                                              const PersonSheetFacts& facts);
// The sheet of those sections, as wide as the body of an A4 page.
Picture PersonChartSheet(const std::vector<SheetSection>& sections);
