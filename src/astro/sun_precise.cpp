// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sun_precise.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/earth_series_cut.h"
#include "astro/nutation.h"
#include "astro/vsop87d.h"

double PrecessionRateCorrectionArcseconds(double t) {
    return (5028.796195 - 5029.0966) * t + (1.1054348 - 1.11113) * t * t;
}

double ReferenceFrameOffsetArcseconds(double t) {
    return 0.0171 + 0.0180 * t;
}

double SunAberrationArcseconds(double radius) {
    return -20.4898 / radius;
}

SunLongitudeAndRate PreciseSunLongitude(Moment tt) {
    EarthLongitudeAndRate earth = SunCutEarthSeries().At(tt);
    const double t = CenturiesFromJ2000(tt);
    if (std::fabs(t) > kCutCenturies) {
        // The cut holds for 1898–2102 only: farther, the full series (the cut's rate still
        // serves the Newton steps).
        TVSOPEarth full;
        full.SetMoment(tt);
        earth.longitude = static_cast<double>(full.Longitude());
        earth.radius = static_cast<double>(full.Radius());
    }
    const double arcseconds = kFrameCorrectionArcseconds + PrecessionRateCorrectionArcseconds(t) +
                              ReferenceFrameOffsetArcseconds(t) +
                              SunAberrationArcseconds(earth.radius);
    // Nutation in longitude: true equinox of date.
    const long double lambda = RadiansToDegrees(earth.longitude) + 180.0L +
                               (arcseconds + NutationInLongitudeIau2000(tt)) / 3600.0L;
    return SunLongitudeAndRate{static_cast<double>(NormaliseDegrees(lambda)),
                               static_cast<double>(RadiansToDegrees(earth.rate))};
}

double PreciseSunApparentLongitude(Moment tt) {
    return PreciseSunLongitude(tt).longitude;
}
