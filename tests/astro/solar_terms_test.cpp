// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/solar_terms.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/moment.h"
#include "astro/sun_position.h"
#include "astro/sun_precise.h"
#include "astro/term_instant_cache.h"

namespace {

constexpr double kTermToleranceSeconds = 1.0;
constexpr double kSecondsPerDay = 86400.0;

std::string Text(Moment x) {
    const CivilDateTime c = DecodeMoment(x);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", c.year, c.month,
                  c.day, c.hour, c.minute, c.second, c.millisecond);
    return buffer;
}

struct TermCase {
    int year;
    TermIndex k;
    Moment expected;  // dynamical time: the formula as first written took it as universal
};

TEST(TermInstant, InstantsOfTheReferenceTermsWithinASecond) {
    const ScopedDeltaT asFirstWritten(false);
    const TermCase cases[] = {
        {2024, 0, EncodeMoment(2024, 3, 20, 3, 7, 35)},
        {2024, 21, EncodeMoment(2024, 2, 4, 8, 28, 18)},
        {2024, 6, EncodeMoment(2024, 6, 20, 20, 52, 10)},
        {2024, 18, EncodeMoment(2024, 12, 21, 9, 21, 44)},
        {2025, 21, EncodeMoment(2025, 2, 3, 14, 11, 38)},
        {2024, 19, EncodeMoment(2024, 1, 5, 20, 50, 33)},
    };
    for (const TermCase& c : cases) {
        const double found = TermInstant(c.year, c.k);
        EXPECT_NEAR(found, c.expected, kTermToleranceSeconds / kSecondsPerDay)
            << "TermInstant(" << c.year << ", " << c.k << ") = " << Text(found) << ", expected "
            << Text(c.expected);
        const double longitudeError = std::fabs(SunApparentLongitude(found) - 15.0 * c.k);
        EXPECT_LT(std::fmin(longitudeError, 360 - longitudeError), 1e-9) << c.year << " " << c.k;
    }
}

// Gregorian month in which term k of a year falls.
int MonthOfTerm(TermIndex k) {
    return k >= 19 ? (k - 19) / 2 + 1 : (k + 5) / 2 + 1;
}

TEST(TermInstant, EveryYear1900To2100HasItsTermsInOrderInTheirMonths) {
    double previous = TermInstant(1899, 18);
    for (int year = 1900; year <= 2100; ++year) {
        for (int i = 0; i < 24; ++i) {
            const TermIndex k = (i + 19) % 24;  // 19..23, 0..18: calendar order within the year
            const double t = TermInstant(year, k);
            const CivilDateTime c = DecodeMoment(t);
            ASSERT_EQ(c.year, year) << "term " << k << " at " << Text(t);
            ASSERT_EQ(c.month, MonthOfTerm(k)) << "term " << k << " at " << Text(t);
            ASSERT_GT(t - previous, 14.0) << "term " << k << " of " << year << " at " << Text(t);
            ASSERT_LT(t - previous, 16.5) << "term " << k << " of " << year << " at " << Text(t);
            previous = t;
        }
    }
}

TEST(TermInstant, EquinoxAndSolsticeDatesOfFarYears) {
    // Dates (UT) of the equinoxes and solstices from published almanac tables; at the level of
    // the day the ΔT left out (−3 s in 1900, half a minute in 1950, a few minutes in 2100) does
    // not matter.
    struct DateCase {
        int year;
        TermIndex k;
        int month;
        int day;
    };
    const DateCase cases[] = {
        {1900, 0, 3, 21}, {1900, 6, 6, 21}, {1900, 12, 9, 23},  {1900, 18, 12, 22},
        {1950, 0, 3, 21}, {1950, 6, 6, 21}, {1950, 12, 9, 23},  {1950, 18, 12, 22},
        {2000, 0, 3, 20}, {2000, 6, 6, 21}, {2000, 12, 9, 22},  {2000, 18, 12, 21},
        {2100, 0, 3, 20}, {2100, 6, 6, 21}, {2100, 18, 12, 21},
    };
    for (const DateCase& c : cases) {
        const CivilDateTime found = DecodeMoment(TermInstant(c.year, c.k));
        EXPECT_EQ(found.month * 100 + found.day, c.month * 100 + c.day)
            << "term " << c.k << " of " << c.year << ": " << Text(TermInstant(c.year, c.k));
    }
    // 2000-03-20 07:35 UT (ΔT = 64 s): the instant as used is about a minute later.
    EXPECT_NEAR(TermInstant(2000, 0), EncodeMoment(2000, 3, 20, 7, 36, 39), 90 / kSecondsPerDay)
        << Text(TermInstant(2000, 0));
}

TEST(TermInstant, TheCacheGivesExactlyTheFreshSearch) {
    for (int year : {1900, 1950, 2024, 2100, 1583, 3000}) {
        for (TermIndex k : {0, 5, 18, 19, 23}) {
            EXPECT_EQ(TermInstant(year, k), UniversalOfDynamical(TermInstantUncached(year, k)))
                << year << " " << k;
        }
    }
    TermInstantCache cache(PreciseTermInstant);
    EXPECT_EQ(cache.YearCount(), 0u);
    const double first = cache.Get(2030, 7);
    EXPECT_EQ(cache.Get(2030, 7), first);
    EXPECT_EQ(first, TermInstantUncached(2030, 7));
    EXPECT_EQ(cache.YearCount(), 1u);
    cache.Clear();
    EXPECT_EQ(cache.YearCount(), 0u);
    EXPECT_EQ(cache.Get(2030, 7), first);
}

TEST(TermInstant, TheFastSeriesGiveExactlyTheReferenceInstants) {
    // The small terms' cosines are taken in double precision; the instants found must be those of
    // the all-extended evaluation, bit for bit.
    const ScopedDeltaT asFirstWritten(false);
    for (int year : {1900, 1950, 2000, 2024, 2100}) {
        for (TermIndex k = 0; k < 24; k += 1) {
            EXPECT_EQ(TermInstantUncached(year, k, SeriesPrecision::Fast),
                      TermInstantUncached(year, k, SeriesPrecision::Extended))
                << year << " " << k;
        }
    }
}

TEST(TermInstant, SearchesFarFromThePresentStillEnd) {
    // Near the year 9999 a double day count is too coarse for the longitude tolerance; the
    // search then returns its last estimate, still within a second of the term. The same for
    // Newton steps on the precise Sun.
    for (int year : {1, 1000, 4000, 9999}) {
        for (TermIndex k : {0, 21}) {
            const double seed = SeedTermInstant(year, k);
            EXPECT_EQ(DecodeMoment(seed).year, year) << k;
            const double error = std::fabs(AngleDifference(15.0 * k, SunApparentLongitude(seed)));
            EXPECT_LT(error, 1.0 / 86400) << year << " " << k << " " << Text(seed);
            const double precise = PreciseTermInstant(year, k);
            const double off = AngleDifference(15.0 * k, PreciseSunLongitude(precise).longitude);
            EXPECT_LT(std::fabs(off), 1.0 / 86400) << year << " " << k << " " << Text(precise);
        }
    }
}

TEST(TermInstant, YearTableHoldsZoneTimeInstants) {
    const YearTermTable table = BuildYearTermTable(2024, 3.0f);
    EXPECT_EQ(table.year, 2024);
    for (TermIndex k = 0; k < 24; ++k)
        EXPECT_DOUBLE_EQ(table.instants[k], TermInstant(2024, k) + 3.0 / 24) << k;
    const YearTermTable nepal = BuildYearTermTable(2024, 5.75f);
    EXPECT_DOUBLE_EQ(nepal.instants[0], TermInstant(2024, 0) + 5.75 / 24);
    const YearTermTable west = BuildYearTermTable(1999, -3.5f);
    EXPECT_EQ(west.year, 1999);
    EXPECT_DOUBLE_EQ(west.instants[18], TermInstant(1999, 18) - 3.5 / 24);
}

struct SeasonCase {
    Moment u;
    TermIndex term;
    MonthBranch monthBranch;
    const char* termName;
    const char* seasonMonthName;
};

TEST(SeasonOfMoment, PlacesMomentsInTheirTermAndSolarMonth) {
    const SeasonCase cases[] = {
        {EncodeMoment(2024, 12, 25), 18, 1, "Зимнее солнцестояние", "Середина зимы"},
        {EncodeMoment(2024, 1, 2), 18, 1, "Зимнее солнцестояние", "Середина зимы"},
        {EncodeMoment(2024, 3, 10), 23, 4, "Пробуждение насекомых", "Середина весны"},
        {EncodeMoment(2024, 3, 21), 0, 4, "Весеннее равноденствие", "Середина весны"},
        {EncodeMoment(2024, 4, 10), 1, 5, "Чистота и ясность", "Конец весны"},
        {EncodeMoment(2024, 1, 10), 19, 2, "Малые холода", "Конец зимы"},
        {EncodeMoment(2024, 2, 4, 8), 20, 2, "Большие холода", "Конец зимы"},
        {EncodeMoment(2024, 2, 4, 9), 21, 3, "Становление весны", "Начало весны"},
        {EncodeMoment(2024, 8, 1), 8, 8, "Большая жара", "Конец лета"},
        {EncodeMoment(2024, 12, 10), 17, 1, "Большие снега", "Середина зимы"},
    };
    for (const SeasonCase& c : cases) {
        SeasonInfo season;
        ASSERT_TRUE(SeasonOfMoment(c.u, season)) << Text(c.u);
        EXPECT_EQ(season.term, c.term) << Text(c.u);
        EXPECT_EQ(season.monthBranch, c.monthBranch) << Text(c.u);
        EXPECT_EQ(season.termName, c.termName) << Text(c.u);
        EXPECT_EQ(season.seasonMonthName, c.seasonMonthName) << Text(c.u);
    }
}

TEST(SeasonOfMoment, AMomentOnATermInstantLeavesTheCallersValues) {
    SeasonInfo season;
    season.term = 7;
    season.monthBranch = 9;
    season.termName = "as before";
    season.seasonMonthName = "unchanged";
    EXPECT_FALSE(SeasonOfMoment(TermInstant(2024, 0), season));
    EXPECT_FALSE(SeasonOfMoment(TermInstant(2024, 19), season));
    EXPECT_EQ(season.term, 7);
    EXPECT_EQ(season.monthBranch, 9);
    EXPECT_EQ(season.termName, "as before");
    EXPECT_EQ(season.seasonMonthName, "unchanged");
}

TEST(DaysToMonthBoundary, CountsThirdsOfDaysToTheNeighbouringOpenings) {
    // Ten days after "Становление лета" (k = 3) and its distance to "Колошение хлебов" (k = 5).
    const Moment opening = TermInstant(2024, 3);
    const Moment next = TermInstant(2024, 5);
    const Moment u = opening + 10;
    EXPECT_EQ(DaysToMonthBoundary(1, u), static_cast<int>(std::round((next - u) / 3)));
    EXPECT_EQ(DaysToMonthBoundary(0, u), 3);   // 10 / 3 = 3.33
    EXPECT_EQ(DaysToMonthBoundary(-1, u), 3);  // any direction but 1 counts backward
    // A moment 10 days after an opening and 20 before the next: 7 forward, 3 backward.
    const Moment v = TermInstant(2024, 5) - 20;
    EXPECT_EQ(DaysToMonthBoundary(1, v), 7);
    EXPECT_EQ(DaysToMonthBoundary(2, v),
              static_cast<int>(std::round((v - TermInstant(2024, 3)) / 3)));
    // Across the year's end: from the December opening to the January one of the next year.
    const Moment w = EncodeMoment(2024, 12, 30);
    EXPECT_EQ(DaysToMonthBoundary(1, w),
              static_cast<int>(std::round((TermInstant(2025, 19) - w) / 3)));
    EXPECT_EQ(DaysToMonthBoundary(0, w),
              static_cast<int>(std::round((w - TermInstant(2024, 17)) / 3)));
    const Moment early = EncodeMoment(2024, 1, 2);
    EXPECT_EQ(DaysToMonthBoundary(0, early),
              static_cast<int>(std::round((early - TermInstant(2023, 17)) / 3)));
    // Exactly on an opening instant: no interval holds.
    EXPECT_EQ(DaysToMonthBoundary(1, opening), 0);
    EXPECT_EQ(DaysToMonthBoundary(0, TermInstant(2024, 19)), 0);
}

}  // namespace
