// SPDX-License-Identifier: GPL-3.0-or-later
// Nutation in longitude from the 31 largest longitude terms of the IAU 1980 theory.
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
