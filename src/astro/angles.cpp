// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/angles.h"

#include <cmath>

long double DegreesToRadians(long double degrees) {
    return degrees * kPi / 180.0L;
}

long double RadiansToDegrees(long double radians) {
    return radians * 180.0L / kPi;
}

long double NormaliseDegrees(long double x) {
    // rint rounds as nearbyint does (to nearest, ties to even) without saving and restoring the
    // floating-point environment on every call, which made nearbyint a tenth of a batch's time.
    long double r = x - 360.0L * std::rint(x / 360.0L);
    while (r < 0) r += 360.0L;
    return r;
}

long double AngleDifference(long double a, long double b) {
    long double d = NormaliseDegrees(a - b);
    if (d > 180.0L) d -= 360.0L;
    return d;
}

long double SinDegrees(long double x) {
    return std::sin(DegreesToRadians(NormaliseDegrees(x)));
}

long double CosDegrees(long double x) {
    return std::cos(DegreesToRadians(NormaliseDegrees(x)));
}

long double TanDegrees(long double x) {
    return std::tan(DegreesToRadians(NormaliseDegrees(x)));
}
