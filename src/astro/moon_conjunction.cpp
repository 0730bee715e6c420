// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon_conjunction.h"

#include <cmath>

#include "astro/angles.h"

namespace {

constexpr double kMeanRelativeMotion = 12.190749;  // degrees a day, the Moon gaining on the Sun
constexpr double kTolerance = 1e-8;                // days, about a millisecond
constexpr int kMaxSteps = 10;

}  // namespace

Moment ConjunctionNear(Moment seed, SunLongitudeFunction sun, const MoonSeries& moon) {
    auto gap = [&](Moment t) {
        return static_cast<double>(AngleDifference(MoonApparentLongitude(t, moon), sun(t)));
    };
    Moment t0 = seed;
    double f0 = gap(t0);
    Moment t1 = t0 - f0 / kMeanRelativeMotion;
    for (int i = 0; i < kMaxSteps && std::fabs(t1 - t0) > kTolerance; ++i) {
        const double f1 = gap(t1);
        if (f1 == f0) break;
        const Moment next = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = next;
    }
    return t1;
}
