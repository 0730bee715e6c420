// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun's apparent geocentric position from the VSOP87D theory of the Earth, corrected to FK5,
// for aberration and for nutation in longitude. Moments are day counts in dynamical time (TT),
// the series' own; SunLongitudeAtUniversal takes universal time.
#include "astro/julian_day.h"
#include "astro/vsop87d.h"

struct SunPlace {
    double longitude;  // apparent longitude, degrees [0, 360), equinox of date
    double latitude;   // degrees
    double distance;   // kilometres
};

SunPlace SunPosition(Moment x);
// The same position before rounding to double (the term search iterates on its longitude);
// SeriesPrecision::Extended is the all-extended reference evaluation of the series.
struct SunPlaceExtended {
    long double longitude;  // apparent longitude, degrees [0, 360), equinox of date
    long double latitude;   // degrees
    long double distance;   // kilometres
};
SunPlaceExtended SunPositionExtended(Moment x, SeriesPrecision precision = SeriesPrecision::Fast);
// Apparent longitude of SunPosition, degrees [0, 360).
double SunApparentLongitude(Moment x);
// The Sun the ecliptic circle shows at a universal moment: the precise Sun (sun_precise.h) at
// u + ΔT, or while ΔT is switched off the seed's Sun above at u itself.
double SunLongitudeAtUniversal(Moment u);
// Nutation in longitude Δψ, degrees (31 largest terms of the IAU 1980 theory).
double NutationInLongitude(Moment x);
long double NutationInLongitudeExtended(Moment x);
