// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/new_moon.h"

#include <string>

#include <gtest/gtest.h>

#include "astro/delta_t.h"
#include "astro/lunisolar_date.h"
#include "astro/moment.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;

std::string Text(Moment x) {
    const CivilDateTime c = DecodeMoment(x);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return buffer;
}

TEST(NewMoon, TheNewMoonOfFebruary2024) {
    // Published: 2024-02-09 22:59 UT (rounded to the minute).
    const Moment found = NextNewMoon(EncodeMoment(2024, 2, 1));
    EXPECT_NEAR(found, EncodeMoment(2024, 2, 9, 22, 59), 30 / kSecondsPerDay) << Text(found);
    EXPECT_EQ(DecodeMoment(ChinaTimeOfUniversal(found)).day, 10);
    EXPECT_EQ(LastNewMoon(EncodeMoment(2024, 2, 20)), found);
    EXPECT_EQ(NewMoonOfLunation(EncodeMoment(2024, 2, 15)), found);
    EXPECT_EQ(NewMoonOfLunation(EncodeMoment(2024, 2, 5)), found);
}

TEST(NewMoon, PublishedNewMoons) {
    // Universal times of new moons from published phase tables (rounded to the minute); the
    // lunar series' own error adds a few seconds.
    constexpr double kToleranceSeconds = 45;
    const Moment cases[] = {
        EncodeMoment(1999, 8, 11, 11, 8),  EncodeMoment(2000, 1, 6, 18, 14),
        EncodeMoment(2000, 2, 5, 13, 3),   EncodeMoment(2009, 7, 22, 2, 35),
        EncodeMoment(2017, 8, 21, 18, 30), EncodeMoment(2023, 1, 21, 20, 53),
        EncodeMoment(2024, 1, 11, 11, 57),
    };
    for (Moment expected : cases) {
        const Moment found = NextNewMoon(expected - 3);
        EXPECT_NEAR(found, expected, kToleranceSeconds / kSecondsPerDay)
            << Text(found) << " expected " << Text(expected);
    }
}

TEST(NewMoon, LastAndNextEncloseEveryMoment) {
    // Every 7 hours through 1900..2100.
    const Moment start = EncodeMoment(1900, 1, 1);
    const Moment end = EncodeMoment(2100, 12, 31);
    for (Moment x = start; x < end; x += 7.0 / 24 + 3.1) {
        const Moment last = LastNewMoon(x);
        const Moment next = NextNewMoon(x);
        ASSERT_LE(last, x) << Text(x);
        ASSERT_GE(next, x) << Text(x);
        ASSERT_LT(next - last, 29.9) << Text(x);
        // Consecutive new moons: the one after `last` is between 29.2 and 29.9 days later.
        const Moment following = NextNewMoon(last + 1);
        ASSERT_GT(following - last, 29.2) << Text(x);
        ASSERT_LT(following - last, 29.9) << Text(x);
        ASSERT_TRUE(following == next || next == last) << Text(x);
    }
}

TEST(NewMoon, ANewMoonInstantIsItsOwnLastAndNext) {
    Moment x = EncodeMoment(1999, 12, 1);
    for (int i = 0; i < 400; ++i) {
        const Moment m = NextNewMoon(x);
        EXPECT_EQ(LastNewMoon(m), m) << Text(m);
        EXPECT_EQ(NextNewMoon(m), m) << Text(m);
        x = m + 1;
    }
}

TEST(MoonPhase, PrincipalPhasesOfJanuary2024) {
    // Published (UT): last quarter 01-04 03:30, first quarter 01-18 03:52, full moon 01-25 17:54.
    constexpr double kToleranceSeconds = 180;
    const Moment start = EncodeMoment(2024, 1, 1);
    EXPECT_NEAR(NextMoonPhase(start, TMoonPhase::LastQuarter), EncodeMoment(2024, 1, 4, 3, 30),
                kToleranceSeconds / kSecondsPerDay);
    EXPECT_NEAR(NextMoonPhase(start, TMoonPhase::FirstQuarter), EncodeMoment(2024, 1, 18, 3, 52),
                kToleranceSeconds / kSecondsPerDay);
    EXPECT_NEAR(NextMoonPhase(start, TMoonPhase::FullMoon), EncodeMoment(2024, 1, 25, 17, 54),
                kToleranceSeconds / kSecondsPerDay);
    EXPECT_NEAR(LastMoonPhase(EncodeMoment(2024, 2, 1), TMoonPhase::FullMoon),
                EncodeMoment(2024, 1, 25, 17, 54), kToleranceSeconds / kSecondsPerDay);
    EXPECT_EQ(NextMoonPhase(start, TMoonPhase::NewMoon), NextNewMoon(start));
}

std::string ErrorOf(Moment (*f)(Moment, TMoonPhase), TMoonPhase phase) {
    try {
        f(EncodeMoment(2024, 1, 1), phase);
    } catch (const E_OutOfAlgorithmRange& e) {
        return e.what();
    }
    return "no error";
}

TEST(MoonPhase, PhasesWithoutAnInstantAreRefused) {
    for (TMoonPhase phase :
         {TMoonPhase::WaxingCrescent, TMoonPhase::WaxingGibbous, TMoonPhase::WaningGibbous,
          TMoonPhase::WaningCrescent, static_cast<TMoonPhase>(8)}) {
        EXPECT_EQ(ErrorOf(MoonPhaseOfLunation, phase), "Invalid TMoonPhase");
        EXPECT_EQ(ErrorOf(NextMoonPhase, phase), "No TDateTime possible");
        EXPECT_EQ(ErrorOf(LastMoonPhase, phase), "No TDateTime possible");
    }
}

TEST(MoonPhase, TheCacheGivesExactlyTheFreshComputation) {
    ScopedDeltaT seriesAlone(false);  // the series' new moons (with ΔT: the conjunctions)
    LunationCache cache;
    for (long n = -1300; n <= 1300; n += 97) {
        for (TMoonPhase phase : {TMoonPhase::NewMoon, TMoonPhase::FirstQuarter,
                                 TMoonPhase::FullMoon, TMoonPhase::LastQuarter}) {
            EXPECT_EQ(cache.Get(n, phase), MoonPhaseOfLunationNumber(n, phase)) << n;
            EXPECT_EQ(cache.Get(n, phase), MoonPhaseOfLunationNumber(n, phase)) << n;
        }
    }
    EXPECT_EQ(cache.size(), 27u * 4);
    cache.Clear();
    EXPECT_EQ(cache.size(), 0u);
    // Lunation 0 is the new moon of 2000-01-06 18:14 UT.
    EXPECT_NEAR(MoonPhaseOfLunationNumber(0, TMoonPhase::NewMoon), EncodeMoment(2000, 1, 6, 18, 15),
                120 / kSecondsPerDay);
}

}  // namespace
