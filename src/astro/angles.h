// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Angles in degrees (unless said otherwise), in 80-bit extended precision.

constexpr long double kPi = 3.1415926535897932385L;

long double DegreesToRadians(long double degrees);
long double RadiansToDegrees(long double radians);
// x − 360·round(x/360), plus 360 while negative: [0, 360).
long double NormaliseDegrees(long double x);
// NormaliseDegrees(a − b), minus 360 if above 180: (−180, 180].
long double AngleDifference(long double a, long double b);
// Sine, cosine, tangent of an angle in degrees (reduced by NormaliseDegrees first).
long double SinDegrees(long double x);
long double CosDegrees(long double x);
long double TanDegrees(long double x);
