// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun's apparent geocentric longitude to 0.1″ over 1900–2100 (about 2.4 s of its motion):
// true ecliptic and equinox of date, the precession of IAU 2006, at a dynamical moment (TT day
// count). It differs from the seed's Sun (sun_position.h, kept for --no-delta-t) in two known
// faults: the frame correction is applied once, not twice (2.2 s), and the equinox of date
// precesses at the IAU 2006 rate, not the IAU 1976 rate of VSOP87D (7.3 s a century).
// Checked against the IAU 2006/2000A reckoning of the ERFA library (tests/astro/sun_precise_test).
#include "astro/julian_day.h"

struct SunLongitudeAndRate {
    double longitude;  // degrees [0, 360), apparent, true ecliptic and equinox of date
    double rate;       // degrees per day of dynamical time (the series' own, without nutation)
};

SunLongitudeAndRate PreciseSunLongitude(Moment tt);
// The longitude alone, degrees, as the new-moon search takes the Sun.
double PreciseSunApparentLongitude(Moment tt);

// The reductions, each in arcseconds of ecliptic longitude, T in Julian centuries (TT) from
// J2000.0. VSOP87D's equinox of date precesses at the IAU 1976 rate, 5029.0966″ T + 1.11113″ T²;
// IAU 2006 gives 5028.796195″ T + 1.1054348″ T²: their difference.
double PrecessionRateCorrectionArcseconds(double t);
// From the dynamical equinox and ecliptic of VSOP87 to the FK5 frame, once.
constexpr double kFrameCorrectionArcseconds = -0.09033;
// What remains against the IAU 2006/2000A reckoning in the ICRS after the reductions above: a
// least-squares line over 1900–2100 (every 5.3 days), 0.0171″ + 0.0180″ T — the offset of
// VSOP87's J2000 equinox from the ICRS origin and the slow turn of its ecliptic. It takes the
// largest difference from 0.050″ to 0.027″.
double ReferenceFrameOffsetArcseconds(double t);
// Annual aberration of the Sun at distance `radius` AU (the constant over R: the Earth's speed
// across the line of sight varies as 1/R).
double SunAberrationArcseconds(double radius);
