// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/delta_t.h"

#include <cmath>

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "astro/new_moon.h"
#include "astro/solar_terms.h"
#include "astro/sun_position.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
// The ΔT model is extrapolated past the last observation (2023): a present-day instant may be
// off by the extrapolation's error, a second or two.
constexpr double kPresentDayToleranceSeconds = 2.0;

TEST(DeltaT, ObservedValuesAndTheExtrapolationMeetWithoutAStep) {
    // IERS: 63.83 s on 2000-01-01; USNO historic: −2.7 s on 1900-01-01, 29.15 s on 1950-01-01.
    EXPECT_NEAR(DeltaTSeconds(EncodeMoment(2000, 1, 1)), 63.83, 0.05);
    EXPECT_NEAR(DeltaTSeconds(EncodeMoment(1900, 1, 1)), -2.7, 0.01);
    EXPECT_NEAR(DeltaTSeconds(EncodeMoment(1950, 1, 1)), 29.15, 0.01);
    // Day by day from 1890 to 2100 ΔT never jumps: where observation begins and ends, and where
    // the polynomials change, the curve is continuous (under 0.02 s a day).
    for (Moment x = EncodeMoment(1890, 1, 1); x < EncodeMoment(2100, 1, 1); x += 1)
        ASSERT_LT(std::fabs(DeltaTSeconds(x + 1) - DeltaTSeconds(x)), 0.02) << DecodeMoment(x).year;
    // 2050 on: Espenak and Meeus unshifted, −20 + 32·u² − 0.5628·(2150 − y).
    EXPECT_NEAR(DeltaTSeconds(EncodeMoment(2100, 1, 1)), 202.8, 0.2);
}

TEST(DeltaT, SwitchedOffEveryMomentPassesUnchanged) {
    const Moment x = EncodeMoment(2020, 3, 20, 3, 51);
    {
        const ScopedDeltaT off(false);
        EXPECT_EQ(UniversalOfDynamical(x), x);
        EXPECT_EQ(DynamicalOfUniversal(x), x);
    }
    EXPECT_TRUE(DeltaTApplied());
    EXPECT_NEAR((x - UniversalOfDynamical(x)) * kSecondsPerDay, 69.4, 0.1);  // IERS
    EXPECT_NEAR(DynamicalOfUniversal(UniversalOfDynamical(x)), x, 1e-3 / kSecondsPerDay);
}

TEST(DeltaT, TermInstantAgreesWithThePublishedAlmanac) {
    // "Становление весны" 2025 (立春), as the Purple Mountain Observatory publishes it:
    // 2025-02-03 22:10:28 Beijing time (UTC+8).
    const Moment published = EncodeMoment(2025, 2, 3, 22, 10, 28) - 8.0 / 24.0;
    const Moment found = TermInstant(2025, 21);
    EXPECT_NEAR(found, published, kPresentDayToleranceSeconds / kSecondsPerDay)
        << (found - published) * kSecondsPerDay << " s";
    // The Sun on the circle stands on the term's longitude at that universal instant.
    EXPECT_NEAR(SunLongitudeAtUniversal(found), 315.0, 1e-8);
    // The formula as first written: the dynamical instant taken as universal, 14:11:38.
    const ScopedDeltaT off(false);
    EXPECT_NEAR(TermInstant(2025, 21), EncodeMoment(2025, 2, 3, 14, 11, 38), 1.0 / kSecondsPerDay);
}

TEST(DeltaT, NewMoonFallsInThePublishedMinute) {
    // New moon of 2000-01-06, 18:14 UT (Astronomical Almanac, rounded to the minute).
    const Moment found = NextNewMoon(EncodeMoment(2000, 1, 1));
    EXPECT_NEAR(found, EncodeMoment(2000, 1, 6, 18, 14), 30.0 / kSecondsPerDay);
    // Without ΔT the series' dynamical instant is taken as universal: ΔT (63.8 s) later than the
    // series' universal instant (with ΔT the conjunction is found from it, 3.5 s away here).
    const Moment series = MoonPhaseOfLunationNumber(0, TMoonPhase::NewMoon);
    EXPECT_NEAR((series - UniversalOfDynamical(series)) * kSecondsPerDay, 63.8, 0.1);
    const ScopedDeltaT off(false);
    EXPECT_EQ(NextNewMoon(EncodeMoment(2000, 1, 1)), series);
}

}  // namespace
