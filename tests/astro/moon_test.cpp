// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon of ELP/MPP02 and the new moons sought from it, against the series' published check
// values and a reference: the complete series and the Sun of the IAU models (ERFA).
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/elp_mpp02.h"
#include "astro/moon_conjunction.h"
#include "astro/moon_position.h"
#include "astro/new_moon.h"
#include "astro/nutation.h"
#include "astro/sun_position.h"
#include "astro/sun_precise.h"

namespace {

constexpr double kArcsecond = ERFA_DAS2R;
constexpr double kDayCountJulianDay = 2415018.5;
const MoonSeries kComplete{&elp_mpp02::kCompleteLongitude, &elp_mpp02::kCompleteDistance};

double Poly(double t, std::initializer_list<double> c) {
    double s = 0;
    for (auto it = std::rbegin(c); it != std::rend(c); ++it) s = s * t + *it;
    return s;
}

// The Sun's apparent longitude, degrees, true ecliptic and equinox of date (IAU 2006/2000A):
// the Earth from ERFA's ephemeris, light time, aberration, precession and nutation.
double ReferenceSun(Moment x) {
    const double d2 = x + kDayCountJulianDay - ERFA_DJ00;
    double pvh[2][3], pvb[2][3];
    eraEpv00(ERFA_DJ00, d2, pvh, pvb);
    double p[3], v[3], sun[3], rbpn[3][3], q[3];
    const double r = eraPm(pvh[0]);
    for (int i = 0; i < 3; ++i) {
        // The Sun's barycentric motion over the light time.
        p[i] = -pvh[0][i] - (pvb[1][i] - pvh[1][i]) * r * ERFA_AULT / ERFA_DAYSEC;
        v[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    }
    double distance, n[3];
    eraPn(p, &distance, n);
    eraAb(n, v, distance, std::sqrt(1 - eraPm(v) * eraPm(v)), sun);
    eraPnm06a(ERFA_DJ00, d2, rbpn);
    eraRxp(rbpn, sun, q);
    double dpsi, deps;
    eraNut06a(ERFA_DJ00, d2, &dpsi, &deps);
    const double e = eraObl06(ERFA_DJ00, d2) + deps;
    const double lambda = std::atan2(q[1] * std::cos(e) + q[2] * std::sin(e), q[0]);
    return eraAnp(lambda) / ERFA_DD2R;
}

// The reference Moon: the complete series, nutation of IAU 2000A.
double ReferenceMoon(Moment x) {
    double dpsi, deps;
    eraNut06a(ERFA_DJ00, x + kDayCountJulianDay - ERFA_DJ00, &dpsi, &deps);
    const double lightTime = MoonDistance(x, kComplete) / (ERFA_CMPS / 1000 * ERFA_DAYSEC);
    return eraAnp(MoonMeanEquinoxLongitude(x - lightTime, kComplete) + dpsi) / ERFA_DD2R;
}

// The reference new moon near a moment, TT: bisection on the reference longitudes to 1 ms.
Moment ReferenceNewMoon(Moment seed) {
    auto gap = [](Moment t) { return std::remainder(ReferenceMoon(t) - ReferenceSun(t), 360.0); };
    double a = seed - 0.05, b = seed + 0.05;
    while (b - a > 1e-8) {
        const double m = (a + b) / 2;
        (gap(m) < 0 ? a : b) = m;
    }
    return (a + b) / 2;
}

// Program against reference over the lunations n = first, first + step, … of 1900–2100:
// differences in seconds, sorted.
std::vector<double> NewMoonDifferences(long step) {
    std::vector<double> d;
    for (long n = -1236; n <= 1236; n += step) {
        const Moment seed = MoonPhaseOfLunationNumber(n, TMoonPhase::NewMoon);
        d.push_back(std::fabs(ConjunctionNear(seed, ReferenceSun) - ReferenceNewMoon(seed)) *
                    86400);
    }
    std::sort(d.begin(), d.end());
    std::printf("%zu new moons: median %.3f s, max %.3f s\n", d.size(), d[d.size() / 2], d.back());
    return d;
}

}  // namespace

// The note's check values for the DE405 constants: geocentric X, Y, Z (km), inertial mean ecliptic
// and equinox of J2000, from the complete series turned by Laskar's P, Q (to 0.1 m: the dates reach
// back to AD 42, where the doubles of the phases lose centimetres).
TEST(MoonPosition, CompleteSeriesMeetsThePublishedCheckValues) {
    struct Check {
        double jd, x, y, z;
    };
    const Check checks[] = {
        {2500000.5, 274034.591031876, 252067.536890015, -18998.755190615},
        {2300000.5, 353104.31359001, -195254.11808254, 34943.545919834},
        {2100000.5, -19851.276740747, -385646.177171305, -27597.661337993},
        {1900000.5, -370342.792543067, -37574.255320663, -4527.918405246},
        {1700000.5, -164673.047197812, 367791.713293163, 31603.98027061},
    };
    for (const Check& c : checks) {
        const double t = (c.jd - 2451545.0) / 36525.0;
        const double* w = elp_mpp02::kMeanLongitude;
        const double l = Poly(t, {w[0], w[1], w[2], w[3], w[4]}) +
                         elp_mpp02::Sum(elp_mpp02::kCompleteLongitude, t) * kArcsecond;
        const double b = elp_mpp02::Sum(elp_mpp02::kCompleteLatitude, t) * kArcsecond;
        const double r = elp_mpp02::Sum(elp_mpp02::kCompleteDistance, t);
        const double x = r * std::cos(l) * std::cos(b), y = r * std::sin(l) * std::cos(b),
                     z = r * std::sin(b);
        const double p =
            Poly(t, {0, 0.10180391e-4, 0.47020439e-6, -0.5417367e-9, -0.2507948e-11, 0.463486e-14});
        const double q = Poly(
            t, {0, -0.113469002e-3, 0.12372674e-6, 0.12654170e-8, -0.1371808e-11, -0.320334e-14});
        const double s = std::sqrt(1 - p * p - q * q);
        EXPECT_NEAR((1 - 2 * p * p) * x + 2 * p * q * y + 2 * p * s * z, c.x, 1e-4) << c.jd;
        EXPECT_NEAR(2 * p * q * x + (1 - 2 * q * q) * y - 2 * q * s * z, c.y, 1e-4) << c.jd;
        EXPECT_NEAR(-2 * p * s * x + 2 * q * s * y + (1 - 2 * p * p - 2 * q * q) * z, c.z, 1e-4)
            << c.jd;
    }
}

// The program's cut of the series stays within 0.02″ of the complete one over 1900–2100.
TEST(MoonPosition, CutSeriesKeepsTheLongitudeToTwoHundredthsOfASecondOfArc) {
    for (Moment x = MomentOfDate(1900, 1, 1); x < MomentOfDate(2100, 12, 31); x += 1471.3) {
        const double d = MoonMeanEquinoxLongitude(x) - MoonMeanEquinoxLongitude(x, kComplete);
        EXPECT_LT(std::fabs(d) / kArcsecond, 0.02) << x;
    }
}

// A worked place: 1992-04-12 0h TT, the Moon at 133.16°; the light time takes 0.7″ off.
TEST(MoonPosition, ApparentLongitudeOfAKnownDate) {
    const Moment x = MomentOfDate(1992, 4, 12);
    EXPECT_NEAR(MoonApparentLongitude(x), 133.167, 0.001);
    const double lightTimeShift =
        MoonApparentLongitude(x) -
        static_cast<double>(NormaliseDegrees(MoonMeanEquinoxLongitude(x) / ERFA_DD2R +
                                             NutationInLongitudeIau2000(x) / 3600.0));
    EXPECT_NEAR(lightTimeShift * 3600, -0.7, 0.1);
}

// New moons against the reference within a second (every 13th lunation here; every one in the slow
// run below).
TEST(MoonConjunction, NewMoonsWithinASecondOfTheReference) {
    EXPECT_LE(NewMoonDifferences(13).back(), 1.0);
}
TEST(MoonConjunction, EveryNewMoon1900To2100WithinASecondOfTheReference) {
    EXPECT_LE(NewMoonDifferences(1).back(), 1.0);
}

// With ΔT the new moon of late September 2057 falls after midnight in Beijing (the series alone
// put it 23:59:55.6 on the 28th), so the lunar month begins on the 29th.
TEST(MoonConjunction, NewMoonOfSeptember2057FallsOnThe29thInBeijing) {
    SharedLunationCache.Clear();
    const Moment beijing = NewMoonOfLunation(MomentOfDate(2057, 9, 28)) + 8.0 / 24;
    EXPECT_GE(beijing, MomentOfDate(2057, 9, 29));
    EXPECT_LT(beijing, MomentOfDate(2057, 9, 29) + 30.0 / 86400);
    SharedLunationCache.Clear();
}

// The memo keeps the conjunctions while ΔT is applied and the series' instants without it, apart.
TEST(MoonConjunction, TheMemoKeepsTheConjunctionsApartFromTheSeriesInstants) {
    LunationCache cache;
    const Moment series = MoonPhaseOfLunationNumber(300, TMoonPhase::NewMoon);
    EXPECT_EQ(cache.Get(300, TMoonPhase::NewMoon),
              ConjunctionNear(series, PreciseSunApparentLongitude));
    ScopedDeltaT seriesAlone(false);
    EXPECT_EQ(cache.Get(300, TMoonPhase::NewMoon), series);
}
