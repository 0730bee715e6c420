// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/delta_t.h"

#include <atomic>

#include "astro/delta_t_observed.h"
#include "astro/moment.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kDayCountOf2000 = 36526.0;  // 2000-01-01 00:00
// The polynomial expressions take effect unshifted from here on.
constexpr double kShiftGoneYear = 2050.0;

std::atomic<bool> gDeltaTApplied{true};

double DecimalYear(Moment x) {
    return 2000.0 + (x - kDayCountOf2000) / 365.2425;
}

// Day count of table entry i: 1 January or 1 July of its year.
double ObservedMoment(int i) {
    return static_cast<double>(
        DayNumberOfDate(kObservedDeltaTFirstYear + i / 2, i % 2 == 0 ? 1 : 7, 1));
}

// Espenak and Meeus, "Five Millennium Canon of Solar Eclipses" (NASA/TP-2006-214141): the
// expressions of the years just before and after the observed table (the table replaces those of
// 1900 to 2005); the long-term parabola further out.
double EspenakMeeus(double y) {
    if (y >= 2150.0 || y < 1800.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    }
    if (y >= 2050.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    }
    if (y >= 2005.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    if (y >= 1860.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 +
                           t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    const double t = y - 1800.0;
    return 13.72 +
           t * (-0.332447 +
                t * (0.0068612 +
                     t * (0.0041116 +
                          t * (-0.00037436 +
                               t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
}

}  // namespace

double DeltaTSeconds(Moment x) {
    static const double first = ObservedMoment(0);
    static const double last = ObservedMoment(kObservedDeltaTCount - 1);
    if (x < first) return EspenakMeeus(DecimalYear(x));
    if (x >= last) {
        // The polynomial, shifted to meet the last observation, the shift fading out by 2050.
        static const double lastYear = DecimalYear(last);
        static const double shift =
            kObservedDeltaT[kObservedDeltaTCount - 1] - EspenakMeeus(lastYear);
        const double y = DecimalYear(x);
        const double fading =
            y >= kShiftGoneYear ? 0.0 : (kShiftGoneYear - y) / (kShiftGoneYear - lastYear);
        return EspenakMeeus(y) + shift * fading;
    }
    // The half year containing x: entries are about 182.6 days apart.
    int i = static_cast<int>((x - first) / 182.62);
    while (i > 0 && ObservedMoment(i) > x) --i;
    while (i + 2 < kObservedDeltaTCount && ObservedMoment(i + 1) <= x) ++i;
    const double a = ObservedMoment(i);
    const double b = ObservedMoment(i + 1);
    return kObservedDeltaT[i] + (kObservedDeltaT[i + 1] - kObservedDeltaT[i]) * (x - a) / (b - a);
}

bool DeltaTApplied() {
    return gDeltaTApplied.load(std::memory_order_relaxed);
}

void SetDeltaTApplied(bool applied) {
    gDeltaTApplied.store(applied, std::memory_order_relaxed);
}

Moment UniversalOfDynamical(Moment tt) {
    return DeltaTApplied() ? tt - DeltaTSeconds(tt) / kSecondsPerDay : tt;
}

Moment DynamicalOfUniversal(Moment ut) {
    return DeltaTApplied() ? ut + DeltaTSeconds(ut) / kSecondsPerDay : ut;
}
