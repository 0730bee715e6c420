// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sun_position.h"

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/sun_precise.h"
#include "astro/vsop87d.h"

namespace {

constexpr long double kArcsecondDegrees = 1.0L / 3600.0L;
constexpr long double kKilometresPerAU = 149597869.0L;

}  // namespace

SunPlaceExtended SunPositionExtended(Moment x, SeriesPrecision precision) {
    // Heliocentric Earth, dynamical ecliptic and equinox of date, reduced to FK5.
    TVSOPEarth earth;
    earth.SetMoment(x);
    earth.SetPrecision(precision);
    long double l = earth.Longitude();     // radians
    long double b = earth.Latitude();      // radians
    const long double r = earth.Radius();  // AU
    earth.FK5Correction(l, b);
    l = NormaliseDegrees(RadiansToDegrees(l));
    b = RadiansToDegrees(b);

    // Geocentric Sun.
    long double lambda = l + 180.0L;
    long double beta = -b;

    // The frame correction once more on the geocentric values: the established reckoning of the
    // term instants includes it, so the instants depend on it.
    const long double t =
        (static_cast<long double>(x) + 2415018.5L - 2451545.0L) / 36525.0L;  // Julian centuries
    const long double lambdaPrime = lambda + t * (-1.397L - 0.00031L * t);
    lambda -= 0.09033L * kArcsecondDegrees;
    beta += 0.03916L * kArcsecondDegrees * (CosDegrees(lambdaPrime) - SinDegrees(lambdaPrime));

    // Annual aberration.
    lambda -= 20.4898L * kArcsecondDegrees / r;
    lambda = NormaliseDegrees(lambda);

    // Nutation in longitude: apparent place, true equinox of date.
    lambda = NormaliseDegrees(lambda + NutationInLongitudeExtended(x));
    return SunPlaceExtended{lambda, beta, r * kKilometresPerAU};
}

SunPlace SunPosition(Moment x) {
    const SunPlaceExtended p = SunPositionExtended(x);
    return SunPlace{static_cast<double>(p.longitude), static_cast<double>(p.latitude),
                    static_cast<double>(p.distance)};
}

double SunApparentLongitude(Moment x) {
    return static_cast<double>(SunPositionExtended(x).longitude);
}

double SunLongitudeAtUniversal(Moment u) {
    if (DeltaTApplied()) return PreciseSunLongitude(DynamicalOfUniversal(u)).longitude;
    return SunApparentLongitude(DynamicalOfUniversal(u));
}
