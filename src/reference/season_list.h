// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seasons list: the twelve solar months and the 24 solar terms of one year, each a link to its
// descriptive page, the terms with their instants in local civil time.
#include <QLocale>
#include <QString>
#include <array>

#include "astro/solar_terms.h"

struct SeasonListRow {
    const char* caption;  // the link text, exactly as shown
    TermIndex term;       // the term whose instant stands beside it; -1 for a season heading
    bool heading() const { return term < 0; }
};

constexpr int kSeasonListRows = 36;

// Rows top to bottom: a season heading, then its two terms. The list opens with "Наступление
// весны" and ends with the two January terms of the year ("Малые холода", "Большие холода").
extern const std::array<SeasonListRow, kSeasonListRows> SeasonListTable;

// The page of row `row` (0-based): "\other\ses\s1.rtf" .. "\other\ses\s36.rtf".
QString SeasonPagePath(int row);

// The title above the rows: "На 2024 год".
QString SeasonListTitle(int year);

// The text shown beside term k: the table's zone instant plus the summer-time shift, as short date,
// a blank and short time ("ddddd t").
QString SeasonTermDateText(const YearTermTable& table, TermIndex k, int summerHours,
                           const QLocale& locale);

// The separator row: it stands after the row of "Зимнее солнцестояние", before the season whose
// terms fall in January of the year and so precede every other row.
constexpr int kSeasonSeparatorAfterRow = 32;
