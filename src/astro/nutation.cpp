// SPDX-License-Identifier: GPL-3.0-or-later
// Nutation in longitude from the 31 largest longitude terms of the IAU 1980 theory.
#include "astro/nutation.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"
#include "astro/sun_position.h"

namespace {

struct NutationRow {
    std::int8_t d, m, mPrime, f, omega;  // multipliers of D, M, M′, F, Ω
    std::int32_t s0;                     // 0.0001″
    std::int32_t s1;                     // 0.00001″ per Julian century
};

constexpr NutationRow kNutationRows[31] = {
    {0, 0, 0, 0, 1, -171996, -1742}, {-2, 0, 0, 2, 2, -13187, -16}, {0, 0, 0, 2, 2, -2274, -2},
    {0, 0, 0, 0, 2, 2062, 2},        {0, 1, 0, 0, 0, 1426, -34},    {0, 0, 1, 0, 0, 712, 1},
    {-2, 1, 0, 2, 2, -517, 12},      {0, 0, 0, 2, 1, -386, -4},     {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -5},      {-2, 0, 1, 0, 0, -158, 0},     {-2, 0, 0, 2, 1, 129, 1},
    {0, 0, -1, 2, 2, 123, 0},        {2, 0, 0, 0, 0, 63, 0},        {0, 0, 1, 0, 1, 63, 1},
    {2, 0, -1, 2, 2, -59, 0},        {0, 0, -1, 0, 1, -58, -1},     {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},         {0, 0, -2, 2, 1, 46, 0},       {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},         {0, 0, 2, 0, 0, 29, 0},        {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},          {-2, 0, 0, 2, 0, -22, 0},      {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -1},         {2, 0, -1, 0, 1, 16, 0},       {-2, 2, 0, 2, 2, -16, 1},
    {0, 1, 0, 0, 1, -15, 0},
};

}  // namespace

long double NutationInLongitudeExtended(Moment x) {
    const long double t = (static_cast<long double>(x) + 2415018.5L - 2451545.0L) / 36525.0L;
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    // Fundamental arguments, degrees: Moon's node, elongation, Sun's and Moon's anomalies, and the
    // Moon's argument of latitude.
    const long double omega =
        NormaliseDegrees(125.04452L - 1934.136261L * t + 0.0020708L * t2 + t3 / 450000.0L);
    const long double d =
        NormaliseDegrees(297.85036L + 445267.11148L * t - 0.0019142L * t2 + t3 / 189474.0L);
    const long double m =
        NormaliseDegrees(357.52772L + 35999.05034L * t - 0.0001603L * t2 - t3 / 300000.0L);
    const long double mPrime =
        NormaliseDegrees(134.96298L + 477198.867398L * t + 0.0086972L * t2 + t3 / 56250.0L);
    const long double f =
        NormaliseDegrees(93.27191L + 483202.017538L * t - 0.0036825L * t2 + t3 / 327270.0L);
    long double deltaPsi = 0;  // 0.0001″
    for (const NutationRow& row : kNutationRows) {
        const long double g =
            d * row.d + m * row.m + mPrime * row.mPrime + f * row.f + omega * row.omega;
        deltaPsi += SinDegrees(g) * (row.s0 + 0.1L * row.s1 * t);
    }
    return deltaPsi * 1e-4L / 3600.0L;
}

double NutationInLongitude(Moment x) {
    return static_cast<double>(NutationInLongitudeExtended(x));
}

namespace {

struct Nutation2000Row {
    std::int8_t l, lPrime, f, d, omega;  // multipliers of the Delaunay arguments
    double s, sRate, c;                  // sin, its rate per century, cos: 10^-7″
};

constexpr Nutation2000Row kNutation2000Rows[] = {
    {0, 0, 0, 0, 1, -172064161, -174666, 33386},
    {0, 0, 2, -2, 2, -13170906, -1675, -13696},
    {0, 0, 2, 0, 2, -2276413, -234, 2796},
    {0, 0, 0, 0, 2, 2074554, 207, -698},
    {0, 1, 0, 0, 0, 1475877, -3633, 11817},
    {0, 1, 2, -2, 2, -516821, 1226, -524},
    {1, 0, 0, 0, 0, 711159, 73, -872},
    {0, 0, 2, 0, 1, -387298, -367, 380},
    {1, 0, 2, 0, 2, -301461, -36, 816},
    {0, -1, 2, -2, 2, 215829, -494, 111},
    {0, 0, 2, -2, 1, 128227, 137, 181},
    {-1, 0, 2, 0, 2, 123457, 11, 19},
    {-1, 0, 0, 2, 0, 156994, 10, -168},
    {1, 0, 0, 0, 1, 63110, 63, 27},
    {-1, 0, 0, 0, 1, -57976, -63, -189},
    {-1, 0, 2, 2, 2, -59641, -11, 149},
    {1, 0, 2, 0, 1, -51613, -42, 129},
    {-2, 0, 2, 0, 1, 45893, 50, 31},
    {0, 0, 0, 2, 0, 63384, 11, -150},
    {0, 0, 2, 2, 2, -38571, -1, 158},
    {0, -2, 2, -2, 2, 32481, 0, 0},
    {-2, 0, 0, 2, 0, -47722, 0, -18},
    {2, 0, 2, 0, 2, -31046, -1, 131},
    {1, 0, 2, -2, 2, 28593, 0, -1},
    {-1, 0, 2, 0, 1, 20441, 21, 10},
    {2, 0, 0, 0, 0, 29243, 0, -74},
    {0, 0, 2, 0, 0, 25887, 0, -66},
    {0, 1, 0, 0, 1, -14053, -25, 79},
    {-1, 0, 0, 2, 1, 15164, 10, 11},
    {0, 2, 2, -2, 2, -15794, 72, -16},
    {0, 0, -2, 2, 0, 21783, 0, 13},
    {1, 0, 0, -2, 1, -12873, -10, -37},
    {0, -1, 0, 0, 1, -12654, 11, 63},
    {-1, 0, 2, 2, 1, -10204, 0, 25},
    {0, 2, 0, 0, 0, 16707, -85, -10},
    {1, 0, 2, 2, 2, -7691, 0, 44},
    {-2, 0, 2, 0, 0, -11024, 0, -14},
    {0, 1, 2, 0, 2, 7566, -21, -11},
    {0, 0, 2, 2, 1, -6637, -11, 25},
    {0, -1, 2, 0, 2, -7141, 21, 8},
    {0, 0, 0, 2, 1, -6302, -11, 2},
    {1, 0, 2, -2, 1, 5800, 10, 2},
    {2, 0, 2, -2, 2, 6443, 0, -7},
    {-2, 0, 0, 2, 1, -5774, -11, -15},
    {2, 0, 2, 0, 1, -5350, 0, 21},
    {0, -1, 2, -2, 1, -4752, 0, -3},
};

}  // namespace

double NutationInLongitudeIau2000(Moment tt) {
    const double t = CenturiesFromJ2000(tt);
    constexpr double kArcsecondRadians = 3.14159265358979323846 / 648000;
    constexpr double kTurn = 1296000;  // arcseconds
    // Delaunay arguments (IAU 2000, linear), arcseconds: the Moon's and the Sun's mean anomalies,
    // the Moon's argument of latitude, the elongation, the node.
    const double l = std::fmod(485868.249036 + 1717915923.2178 * t, kTurn) * kArcsecondRadians;
    const double lp = std::fmod(1287104.79305 + 129596581.0481 * t, kTurn) * kArcsecondRadians;
    const double f = std::fmod(335779.526232 + 1739527262.8478 * t, kTurn) * kArcsecondRadians;
    const double d = std::fmod(1072260.70369 + 1602961601.2090 * t, kTurn) * kArcsecondRadians;
    const double om = std::fmod(450160.398036 - 6962890.5431 * t, kTurn) * kArcsecondRadians;
    double dpsi = 0;
    for (const Nutation2000Row& r : kNutation2000Rows) {
        const double argument = r.l * l + r.lPrime * lp + r.f * f + r.d * d + r.omega * om;
        dpsi += (r.s + r.sRate * t) * std::sin(argument) + r.c * std::cos(argument);
    }
    constexpr double kPlanetaryOffset = -0.000135;  // arcseconds
    return dpsi * 1e-7 + kPlanetaryOffset;
}
