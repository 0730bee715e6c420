// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon_position.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/sun_position.h"

namespace {

constexpr double kArcsecond = 3.14159265358979323846 / 180.0 / 3600.0;  // radians
constexpr double kLightKilometresPerDay = 299792.458 * 86400.0;

double Horner(double t, double a0, double a1, double a2, double a3, double a4) {
    return a0 + t * (a1 + t * (a2 + t * (a3 + t * a4)));
}

// Precession in longitude from J2000 to the mean equinox of date, arcseconds: Laskar's rate with
// the correction fitted with the series to DE405 (−0.29965″ a century).
double PrecessionInLongitude(double t) {
    return Horner(t, 0.0, 5029.0966 - 0.29965, 1.1120, 0.000077, -0.00002353);
}

}  // namespace

namespace elp_mpp02 {

double Sum(const ElpSeries& series, double t) {
    double total = 0;
    double power = 1;
    for (const ElpPower& p : series.powers) {
        double sum = 0;
        for (int i = 0; i < p.count; ++i) {
            const ElpTerm& term = p.terms[i];
            sum += term.a * std::sin(Horner(t, term.p0, term.p1, term.p2, term.p3, term.p4));
        }
        total += sum * power;
        power *= t;
    }
    return total;
}

}  // namespace elp_mpp02

MoonSeries ProgramMoonSeries() {
    return MoonSeries{&elp_mpp02::kLongitude, &elp_mpp02::kDistance};
}

double MoonMeanEquinoxLongitude(Moment x, const MoonSeries& series) {
    const double t = CenturiesFromJ2000(x);
    const double* w = elp_mpp02::kMeanLongitude;
    return Horner(t, w[0], w[1], w[2], w[3], w[4]) +
           (elp_mpp02::Sum(*series.longitude, t) + PrecessionInLongitude(t)) * kArcsecond;
}

double MoonDistance(Moment x, const MoonSeries& series) {
    return elp_mpp02::Sum(*series.distance, CenturiesFromJ2000(x));
}

double MoonApparentLongitude(Moment x, const MoonSeries& series) {
    const double lightTime = MoonDistance(x, series) / kLightKilometresPerDay;  // days
    const double lambda = RadiansToDegrees(MoonMeanEquinoxLongitude(x - lightTime, series));
    // The precise Sun's nutation, so that it cancels in the conjunction.
    return static_cast<double>(NormaliseDegrees(lambda + NutationInLongitudeIau2000(x) / 3600.0));
}
