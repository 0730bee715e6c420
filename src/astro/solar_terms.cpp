// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/solar_terms.h"

#include <cmath>
#include <limits>
#include <vector>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/moment.h"
#include "astro/parallel_for.h"
#include "astro/sun_position.h"
#include "astro/sun_precise.h"
#include "astro/term_instant_cache.h"

namespace {

// |λ − 15·k| at which the search stops, degrees (about 25 µs of the Sun's motion).
constexpr long double kLongitudeTolerance = 3e-10L;
// The search converges in 5 to 7 steps; far from the present a double day count may be too coarse
// to meet the tolerance, and the last estimate is then returned.
constexpr int kMaxSearchSteps = 50;

// The Newton step (days, about a minute and a half) after which the instant is good to under a
// millisecond; the step limit only guards against a bad first guess.
constexpr double kNewtonLastStep = 1e-3;
constexpr int kMaxNewtonSteps = 8;

// The Sun's apparent longitude from its mean longitude and mean anomaly with the equation of
// centre, the aberration and the largest nutation term: degrees, good to about 0.005°
// (seven minutes of time), at a dynamical day count. Only a first guess for the search.
double RoughSunLongitude(double tt) {
    const double t = CenturiesFromJ2000(tt);
    const double meanLongitude = 280.46646 + 36000.76983 * t;
    const double m = DegreesToRadians(357.52911 + 35999.05029 * t);
    const double centre = (1.914602 - 0.004817 * t) * std::sin(m) + 0.019993 * std::sin(2 * m) +
                          0.000289 * std::sin(3 * m);
    const double node = DegreesToRadians(125.04 - 1934.136 * t);
    return meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node);
}

}  // namespace

TermInstantCache& SharedTermInstantCache() {
    // Made on first use, live until the program or the command line ends: one memo per reckoning,
    // so that switching ΔT never serves an instant of the other.
    static TermInstantCache precise(PreciseTermInstant);
    static TermInstantCache seed([](int year, TermIndex k) { return SeedTermInstant(year, k); });
    return DeltaTApplied() ? precise : seed;
}

TermInstantCache::YearRow& TermInstantCache::Row(int year) {
    auto found = years_.find(year);
    if (found == years_.end()) {
        YearRow unknown;
        unknown.fill(std::numeric_limits<double>::quiet_NaN());
        found = years_.emplace(year, unknown).first;
    }
    return found->second;
}

double TermInstantCache::Get(int year, TermIndex k) {
    if (k < 0 || k > 23) return search_(year, k);
    double& instant = Row(year)[k];
    if (std::isnan(instant)) instant = search_(year, k);
    return instant;
}

void TermInstantCache::Prefill(int firstYear, int lastYear, int jobs) {
    if (lastYear < firstYear) return;
    // Every row exists before the threads start, so the table itself does not change while they
    // run; each thread writes only into the rows of the years it took.
    std::vector<YearRow*> rows;
    rows.reserve(static_cast<std::size_t>(lastYear - firstYear) + 1);
    for (int year = firstYear; year <= lastYear; ++year) rows.push_back(&Row(year));
    ParallelFor(rows.size(), jobs, [&](std::size_t i) {
        const int year = firstYear + static_cast<int>(i);
        YearRow& row = *rows[i];
        for (TermIndex k = 0; k < 24; ++k)
            if (std::isnan(row[k])) row[k] = search_(year, k);
    });
}

double TermInstantUncached(int year, TermIndex k, SeriesPrecision precision) {
    return DeltaTApplied() ? PreciseTermInstant(year, k) : SeedTermInstant(year, k, precision);
}

double PreciseTermInstant(int year, TermIndex k) {
    // First guess from the mean motion, brought within minutes by the rough Sun (two cheap
    // steps), then Newton steps on the longitude with the series' own rate. The error after a
    // step of δ days is about 10^-4·δ² days (λ''/2λ'), plus 5·10^-6·δ for the nutation's and the
    // aberration's rates the series' rate leaves out (the short nutation terms: up to 3·10^-5·δ):
    // a first step of minutes leaves milliseconds, the second a fraction of one. So two
    // evaluations of the Sun.
    const double guess = 15.218424583333333 * k + 31 + 28 + 21;
    double t = static_cast<double>(DayNumberOfDate(guess > 365 ? year - 1 : year, 1, 1)) + guess;
    const double target = 15.0 * k;
    for (int step = 0; step < 2; ++step)
        t += static_cast<double>(AngleDifference(target, RoughSunLongitude(t))) / 0.98564736;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const SunLongitudeAndRate sun = PreciseSunLongitude(t);
        const double correction =
            static_cast<double>(AngleDifference(target, sun.longitude)) / sun.rate;
        t += correction;
        if (std::fabs(correction) < kNewtonLastStep) break;
    }
    return t;
}

double SeedTermInstant(int year, TermIndex k, SeriesPrecision precision) {
    // First guess: 15.2 days per term from about 21 March; terms 19..23 of `year` are reached from
    // 1 January of the year before.
    const double guess = 15.218424583333333 * k + 31 + 28 + 21;
    double t = static_cast<double>(DayNumberOfDate(guess > 365 ? year - 1 : year, 1, 1)) + guess;
    const long double target = 15.0L * k;
    for (int step = 0; step < kMaxSearchSteps; ++step) {
        const long double lambda = SunPositionExtended(t, precision).longitude;
        if (std::fabs(AngleDifference(target, lambda)) <= kLongitudeTolerance) break;
        // 58 days per radian of longitude: slightly under the Sun's mean rate, so the steps
        // approach the root from one side without overshooting.
        t = static_cast<double>(t + 58.0L * SinDegrees(target - lambda));
    }
    return t;
}

double TermInstant(int year, TermIndex k) {
    // The memo keeps dynamical time, the same whether ΔT is applied or not.
    return UniversalOfDynamical(SharedTermInstantCache().Get(year, k));
}

namespace {

// An open interval (a, b) between two term instants, and the term in force inside it.
struct TermInterval {
    int startYearOffset;
    TermIndex start;
    int endYearOffset;
    TermIndex end;
    TermIndex term;
};

// Tried in this order; the first that holds wins.
constexpr TermInterval kSeasonIntervals[] = {
    {0, 0, 0, 1, 0},    {0, 1, 0, 2, 1},    {0, 2, 0, 3, 2},    {0, 3, 0, 4, 3},
    {0, 4, 0, 5, 4},    {0, 5, 0, 6, 5},    {0, 6, 0, 7, 6},    {0, 7, 0, 8, 7},
    {0, 8, 0, 9, 8},    {0, 9, 0, 10, 9},   {0, 10, 0, 11, 10}, {0, 11, 0, 12, 11},
    {0, 12, 0, 13, 12}, {0, 13, 0, 14, 13}, {0, 14, 0, 15, 14}, {0, 15, 0, 16, 15},
    {0, 16, 0, 17, 16}, {0, 17, 0, 18, 17}, {0, 18, 1, 19, 18}, {-1, 18, 0, 19, 18},
    {0, 19, 0, 20, 19}, {0, 20, 0, 21, 20}, {0, 21, 0, 22, 21}, {0, 22, 0, 23, 22},
    {0, 23, 0, 0, 23},
};

// Consecutive month-opening terms (odd k), in the order they are tried.
constexpr TermInterval kMonthIntervals[] = {
    {0, 23, 0, 1, 23},  {0, 1, 0, 3, 1},    {0, 3, 0, 5, 3},     {0, 5, 0, 7, 5},
    {0, 7, 0, 9, 7},    {0, 9, 0, 11, 9},   {0, 11, 0, 13, 11},  {0, 13, 0, 15, 13},
    {0, 15, 0, 17, 15}, {0, 17, 1, 19, 17}, {-1, 17, 0, 19, 17}, {0, 19, 0, 21, 19},
    {0, 21, 0, 23, 21},
};

// The first interval strictly containing u, with its bounds; nullptr when u is on a bound.
const TermInterval* FindInterval(const TermInterval* begin, const TermInterval* end, int year,
                                 Moment u, double& a, double& b) {
    for (const TermInterval* i = begin; i != end; ++i) {
        a = TermInstant(year + i->startYearOffset, i->start);
        if (!(a < u)) continue;
        b = TermInstant(year + i->endYearOffset, i->end);
        if (u < b) return i;
    }
    return nullptr;
}

}  // namespace

bool SeasonOfMoment(Moment u, SeasonInfo& season) {
    double a = 0;
    double b = 0;
    const TermInterval* found = FindInterval(std::begin(kSeasonIntervals),
                                             std::end(kSeasonIntervals), YearOfMoment(u), u, a, b);
    if (!found) return false;
    const TermInfo& info = TermOf(found->term);
    season.term = found->term;
    season.monthBranch = info.monthBranch;
    season.seasonMonthName = info.seasonMonthName;
    season.termName = info.name;
    return true;
}

int DaysToMonthBoundary(int direction, Moment u) {
    double a = 0;
    double b = 0;
    if (!FindInterval(std::begin(kMonthIntervals), std::end(kMonthIntervals), YearOfMoment(u), u, a,
                      b))
        return 0;
    const double days = direction == 1 ? (b - u) / 3 : (u - a) / 3;
    return static_cast<int>(std::round(days));
}

YearTermTable BuildYearTermTable(int year, float zoneHours) {
    YearTermTable table;
    table.year = static_cast<std::int16_t>(year);
    const double zone = static_cast<double>(zoneHours) / 24.0;
    for (TermIndex k = 0; k < 24; ++k) table.instants[k] = TermInstant(year, k) + zone;
    return table;
}
