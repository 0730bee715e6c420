// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Moon's apparent geocentric ecliptic longitude from the ELP/MPP02 series (astro/elp_mpp02.h):
// the series' longitude plus the precession in longitude from J2000 to the mean equinox of date
// (Laskar's, with the DE405 fit's correction), taken at the moment light left the Moon (about
// 1.3 s earlier: 0.7″ of the Moon's motion), plus the nutation in longitude the Sun's apparent
// place uses (sun_position.h), so that a conjunction compares like with like.
#include "astro/elp_mpp02.h"
#include "astro/julian_day.h"

// Which tables to evaluate: the program's cut (the default) or, in the tests, the complete series.
struct MoonSeries {
    const elp_mpp02::ElpSeries* longitude;
    const elp_mpp02::ElpSeries* distance;
};
MoonSeries ProgramMoonSeries();

// Geometric geocentric longitude, radians (not reduced to one turn), mean ecliptic and mean
// equinox of date; x a day count in dynamical time (TT).
double MoonMeanEquinoxLongitude(Moment x, const MoonSeries& series = ProgramMoonSeries());
// Geocentric distance, kilometres; x a day count in TT.
double MoonDistance(Moment x, const MoonSeries& series = ProgramMoonSeries());
// Apparent geocentric longitude, degrees [0, 360), ecliptic and true equinox of date; x a day count
// in TT.
double MoonApparentLongitude(Moment x, const MoonSeries& series = ProgramMoonSeries());
