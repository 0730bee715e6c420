// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 24 solar terms: instants, the term and solar month of a moment, and the year's term table.
// Instants are day counts in universal time: the searches run in dynamical time, in which the
// solar series is written, and TermInstant converts with ΔT (astro/delta_t; none while ΔT is
// switched off, the formula as first written).
#include <array>
#include <cstdint>
#include <string>

#include "astro/julian_day.h"
#include "astro/solar_term_names.h"
#include "astro/vsop87d.h"

// Instant at which the Sun's apparent longitude equals 15·k degrees (k = 0..23), the one falling
// inside Gregorian year `year` (k = 19..23 in January to early March, k = 0..18 later).
// Memoised by (year, k) in the shared term cache (dynamical time); universal time.
double TermInstant(int year, TermIndex k);
// The same search in dynamical time, always afresh (for benchmarks and cache checks); no ΔT.
// While ΔT is applied, PreciseTermInstant; switched off, SeedTermInstant with `precision`.
double TermInstantUncached(int year, TermIndex k,
                           SeriesPrecision precision = SeriesPrecision::Fast);
// Newton steps on the precise Sun (sun_precise.h); dynamical time.
double PreciseTermInstant(int year, TermIndex k);
// The seed's search on the seed's Sun, t := t + 58·sin(15·k − λ), kept byte for byte for
// --no-delta-t; SeriesPrecision::Extended searches on the all-extended reference evaluation.
double SeedTermInstant(int year, TermIndex k, SeriesPrecision precision = SeriesPrecision::Fast);

struct SeasonInfo {
    TermIndex term = -1;  // the term in force (the last passed)
    MonthBranch monthBranch = 0;
    std::string seasonMonthName;  // "Середина зимы", ...
    std::string termName;         // "Зимнее солнцестояние", ...
};

// Places a universal-time moment in its term and solar month. A moment exactly equal to a term
// instant matches no interval: returns false and leaves `season` as the caller had it.
bool SeasonOfMoment(Moment u, SeasonInfo& season);

// Days (rounded, halves away from zero) from a universal moment forward to the next month-opening
// term (direction 1) or back from the previous one (any other direction), divided by 3.
// 0 when the moment is exactly on an opening instant.
int DaysToMonthBoundary(int direction, Moment u);

// The 24 term instants of one Gregorian year, in zone time without the summer shift.
struct YearTermTable {
    std::int16_t year = 0;
    std::array<double, 24> instants{};  // by TermIndex: TermInstant(year, k) + zoneHours/24
};

YearTermTable BuildYearTermTable(int year, float zoneHours);
