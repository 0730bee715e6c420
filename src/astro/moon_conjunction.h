// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new moon as the moment the Moon's apparent longitude (astro/moon_position.h) equals the Sun's.
#include "astro/julian_day.h"
#include "astro/moon_position.h"

// The Sun's apparent geocentric longitude, degrees, true equinox of date, at a day count in TT.
using SunLongitudeFunction = double (*)(Moment);

// The conjunction nearest to seed (a day count in TT within an hour or so of it, as the classical
// lunar-phase series gives), a day count in TT: secant steps on the difference of the longitudes,
// the first with the mean relative motion, to a millisecond; three evaluations as a rule.
Moment ConjunctionNear(Moment seed, SunLongitudeFunction sun,
                       const MoonSeries& moon = ProgramMoonSeries());
