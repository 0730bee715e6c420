// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Nutation in longitude for the precise Sun (the seed's IAU 1980 one is in sun_position.h).
#include "astro/julian_day.h"

// Δψ, arcseconds, at a dynamical moment (TT day count): the 46 largest luni-solar terms of the
// IAU 2000 nutation (in- and out-of-phase) and the mean planetary offset of IAU 2000B; within
// 0.005″ of IAU 2000A over 1900–2100 (tests/astro/sun_reference_test.cpp).
double NutationInLongitudeIau2000(Moment tt);
