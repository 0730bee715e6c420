// SPDX-License-Identifier: GPL-3.0-or-later
// Lunar phases from the mean lunation plus periodic and planetary corrections (the classical
// lunar-phase series, coefficients in days). No lunar position is computed.
#include "astro/new_moon.h"

#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/moon_conjunction.h"
#include "astro/parallel_for.h"
#include "astro/sun_precise.h"

namespace {

constexpr long double kDayCountOf2000 = 36526;  // day count of 2000-01-01 00:00

// Multipliers of M, M′, F, Ω in one periodic term, the power of E it carries and its coefficient.
struct PhaseTerm {
    long double coefficient;
    int ePower;
    signed char m, mPrime, f, omega;
};

constexpr PhaseTerm kNewMoonTerms[] = {
    {-0.40720L, 0, 0, 1, 0, 0},  {+0.17241L, 1, 1, 0, 0, 0},   {+0.01608L, 0, 0, 2, 0, 0},
    {+0.01039L, 0, 0, 0, 2, 0},  {+0.00739L, 1, -1, 1, 0, 0},  {-0.00514L, 1, 1, 1, 0, 0},
    {+0.00208L, 2, 2, 0, 0, 0},  {-0.00111L, 0, 0, 1, -2, 0},  {-0.00057L, 0, 0, 1, 2, 0},
    {+0.00056L, 1, 1, 2, 0, 0},  {-0.00042L, 0, 0, 3, 0, 0},   {+0.00042L, 1, 1, 0, 2, 0},
    {+0.00038L, 1, 1, 0, -2, 0}, {-0.00024L, 1, -1, 2, 0, 0},  {-0.00017L, 0, 0, 0, 0, 1},
    {-0.00007L, 0, 2, 1, 0, 0},  {+0.00004L, 0, 0, 2, -2, 0},  {+0.00004L, 0, 3, 0, 0, 0},
    {+0.00003L, 0, 1, 1, -2, 0}, {+0.00003L, 0, 0, 2, 2, 0},   {-0.00003L, 0, 1, 1, 2, 0},
    {+0.00003L, 0, -1, 1, 2, 0}, {-0.00002L, 0, -1, 1, -2, 0}, {-0.00002L, 0, 1, 3, 0, 0},
    {+0.00002L, 0, 0, 4, 0, 0},
};

constexpr PhaseTerm kFullMoonTerms[] = {
    {-0.40614L, 0, 0, 1, 0, 0},  {+0.17302L, 1, 1, 0, 0, 0},   {+0.01614L, 0, 0, 2, 0, 0},
    {+0.01043L, 0, 0, 0, 2, 0},  {+0.00734L, 1, -1, 1, 0, 0},  {-0.00515L, 1, 1, 1, 0, 0},
    {+0.00209L, 2, 2, 0, 0, 0},  {-0.00111L, 0, 0, 1, -2, 0},  {-0.00057L, 0, 0, 1, 2, 0},
    {+0.00056L, 1, 1, 2, 0, 0},  {-0.00042L, 0, 0, 3, 0, 0},   {+0.00042L, 1, 1, 0, 2, 0},
    {+0.00038L, 1, 1, 0, -2, 0}, {-0.00024L, 1, -1, 2, 0, 0},  {-0.00017L, 0, 0, 0, 0, 1},
    {-0.00007L, 0, 2, 1, 0, 0},  {+0.00004L, 0, 0, 2, -2, 0},  {+0.00004L, 0, 3, 0, 0, 0},
    {+0.00003L, 0, 1, 1, -2, 0}, {+0.00003L, 0, 0, 2, 2, 0},   {-0.00003L, 0, 1, 1, 2, 0},
    {+0.00003L, 0, -1, 1, 2, 0}, {-0.00002L, 0, -1, 1, -2, 0}, {-0.00002L, 0, 1, 3, 0, 0},
    {+0.00002L, 0, 0, 4, 0, 0},
};

constexpr PhaseTerm kQuarterTerms[] = {
    {-0.62801L, 0, 0, 1, 0, 0},  {+0.17172L, 1, 1, 0, 0, 0},   {-0.01183L, 1, 1, 1, 0, 0},
    {+0.00862L, 0, 0, 2, 0, 0},  {+0.00804L, 0, 0, 0, 2, 0},   {+0.00454L, 1, -1, 1, 0, 0},
    {+0.00204L, 2, 2, 0, 0, 0},  {-0.00180L, 0, 0, 1, -2, 0},  {-0.00070L, 0, 0, 1, 2, 0},
    {-0.00040L, 0, 0, 3, 0, 0},  {-0.00034L, 1, -1, 2, 0, 0},  {+0.00032L, 1, 1, 0, 2, 0},
    {+0.00032L, 1, 1, 0, -2, 0}, {-0.00028L, 2, 2, 1, 0, 0},   {+0.00027L, 1, 1, 2, 0, 0},
    {-0.00017L, 0, 0, 0, 0, 1},  {-0.00005L, 0, -1, 1, -2, 0}, {+0.00004L, 0, 0, 2, 2, 0},
    {-0.00004L, 0, 1, 1, 2, 0},  {+0.00004L, 0, -2, 1, 0, 0},  {+0.00003L, 0, 1, 1, -2, 0},
    {+0.00003L, 0, 3, 0, 0, 0},  {+0.00002L, 0, 0, 2, -2, 0},  {+0.00002L, 0, -1, 1, 2, 0},
    {-0.00002L, 0, 1, 3, 0, 0},
};

// Planetary arguments A_i = a + b·k (+ c·τ² for the first) and their coefficients.
struct PlanetaryTerm {
    long double a, b, coefficient;
};

constexpr PlanetaryTerm kPlanetaryTerms[14] = {
    {299.77L, 0.107408L, 0.000325L},  {251.88L, 0.016321L, 0.000165L},
    {251.83L, 26.651886L, 0.000164L}, {349.42L, 36.412478L, 0.000126L},
    {84.66L, 18.206239L, 0.000110L},  {141.74L, 53.303771L, 0.000062L},
    {207.14L, 2.453732L, 0.000060L},  {154.84L, 7.306860L, 0.000056L},
    {34.52L, 27.261239L, 0.000047L},  {207.19L, 0.121824L, 0.000042L},
    {291.34L, 1.844379L, 0.000040L},  {161.72L, 24.198154L, 0.000037L},
    {239.56L, 25.513099L, 0.000035L}, {331.55L, 3.592518L, 0.000023L},
};

// Fraction of the lunation at which a principal phase falls; negative for the phases that have
// no instant of their own.
long double PhaseFraction(TMoonPhase phase) {
    switch (phase) {
        case TMoonPhase::NewMoon: return 0.0L;
        case TMoonPhase::FirstQuarter: return 0.25L;
        case TMoonPhase::FullMoon: return 0.5L;
        case TMoonPhase::LastQuarter: return 0.75L;
        default: return -1.0L;
    }
}

template <std::size_t N>
long double PeriodicSum(const PhaseTerm (&terms)[N], long double e, long double m,
                        long double mPrime, long double f, long double omega) {
    long double sum = 0;
    for (const PhaseTerm& t : terms) {
        const long double factor = t.ePower == 0 ? 1.0L : t.ePower == 1 ? e : e * e;
        sum += t.coefficient * factor *
               SinDegrees(t.m * m + t.mPrime * mPrime + t.f * f + t.omega * omega);
    }
    return sum;
}

// The one search of the phase instants: from four weeks beyond x, lunation by lunation back
// (direction −1) or forward (+1) until an instant at or on the near side of x is met.
Moment SearchMoonPhase(Moment x, TMoonPhase phase, int direction) {
    if (PhaseFraction(phase) < 0) throw E_OutOfAlgorithmRange("No TDateTime possible");
    const double step = 28.0 * direction;
    double b = x - step;
    double r = b;
    for (;;) {
        if (direction < 0 ? r <= x : r >= x) return r;
        r = MoonPhaseOfLunation(b, phase);
        b += step;
    }
}

// Lunation number n of the phase nearest to x in the mean sense (n = 0: the new moon of
// 2000-01-06).
long LunationNumber(Moment x, long double fraction) {
    const long double d = (static_cast<long double>(x) - kDayCountOf2000) / 36525.0L;
    return static_cast<long>(
        std::rint(1236.85L * d - fraction));  // as nearbyint, faster (angles.cpp)
}

// The new moon of lunation n, dynamical time: while ΔT is applied, the conjunction of the Moon's
// and the Sun's apparent longitudes, sought from the series' instant; without it, the series'
// instant alone, as the charts made by the formula as first written have it.
Moment NewMoonInstant(long n, bool conjunction) {
    const Moment seed = MoonPhaseOfLunationNumber(n, TMoonPhase::NewMoon);
    return conjunction ? ConjunctionNear(seed, PreciseSunApparentLongitude) : seed;
}

// The memo's slot: the four principal phases, and the conjunctions apart from the series' new
// moons.
int Slot(TMoonPhase phase, bool conjunction) {
    return phase == TMoonPhase::NewMoon && conjunction ? 4
                                                       : static_cast<int>(PhaseFraction(phase) * 4);
}

}  // namespace

LunationCache SharedLunationCache;

Moment LunationCache::Get(long n, TMoonPhase phase) {
    const bool conjunction = DeltaTApplied();
    const int slot = Slot(phase, conjunction);
    auto found = instants_[slot].find(n);
    if (found != instants_[slot].end()) return found->second;
    const Moment instant = phase == TMoonPhase::NewMoon ? NewMoonInstant(n, conjunction)
                                                        : MoonPhaseOfLunationNumber(n, phase);
    instants_[slot].emplace(n, instant);
    return instant;
}

void LunationCache::PrefillNewMoons(Moment from, Moment to, int jobs) {
    const long first = LunationNumber(from, 0) - 2;
    const long last = LunationNumber(to, 0) + 2;
    if (last < first) return;
    const bool conjunction = DeltaTApplied();
    auto& newMoons = instants_[Slot(TMoonPhase::NewMoon, conjunction)];
    std::vector<long> missing;
    for (long n = first; n <= last; ++n)
        if (newMoons.find(n) == newMoons.end()) missing.push_back(n);
    // The threads write only their own slots; the memo is changed here, on the calling thread.
    std::vector<Moment> found(missing.size());
    ParallelFor(missing.size(), jobs,
                [&](std::size_t i) { found[i] = NewMoonInstant(missing[i], conjunction); });
    for (std::size_t i = 0; i < missing.size(); ++i) newMoons.emplace(missing[i], found[i]);
}

void LunationCache::Clear() {
    for (auto& phase : instants_) phase.clear();
}

std::size_t LunationCache::size() const {
    std::size_t n = 0;
    for (const auto& phase : instants_) n += phase.size();
    return n;
}

Moment MoonPhaseOfLunation(Moment x, TMoonPhase phase) {
    const long double fraction = PhaseFraction(phase);
    if (fraction < 0) throw E_OutOfAlgorithmRange("Invalid TMoonPhase");
    // The memo keeps dynamical time; the instant leaves it in universal time.
    return UniversalOfDynamical(SharedLunationCache.Get(LunationNumber(x, fraction), phase));
}

Moment MoonPhaseOfLunationNumber(long n, TMoonPhase phase) {
    const long double fraction = PhaseFraction(phase);
    if (fraction < 0) throw E_OutOfAlgorithmRange("Invalid TMoonPhase");
    const long double k = n + fraction;
    const long double tau = k / 1236.85L;  // centuries from 2000-01-06
    const long double tau2 = tau * tau;
    const long double tau3 = tau2 * tau;
    const long double tau4 = tau3 * tau;

    // Mean phase, Julian day.
    const long double j = 2451550.09765L + 29.530588853L * k + 0.0001337L * tau2 -
                          0.00000015L * tau3 + 0.00000000073L * tau4;
    // Sun's and Moon's mean anomalies, the Moon's argument of latitude and its ascending node,
    // degrees; E is the eccentricity factor of the Earth's orbit.
    const long double m = 2.5534L + 29.10535669L * k - 0.0000218L * tau2 - 0.00000011L * tau3;
    const long double mPrime = 201.5643L + 385.81693528L * k + 0.0107438L * tau2 +
                               0.00001239L * tau3 - 0.000000058L * tau4;
    const long double f = 160.7108L + 390.67050274L * k - 0.0016341L * tau2 - 0.00000227L * tau3 +
                          0.000000011L * tau4;
    const long double omega = 124.7746L - 1.5637558L * k + 0.0020691L * tau2 + 0.00000215L * tau3;
    // Taken at the lunation's own time, so that an instant depends on its lunation alone.
    const long double e = 1.0L - 0.002516L * tau - 0.0000074L * tau2;

    long double sum;
    switch (phase) {
        case TMoonPhase::NewMoon: sum = PeriodicSum(kNewMoonTerms, e, m, mPrime, f, omega); break;
        case TMoonPhase::FullMoon: sum = PeriodicSum(kFullMoonTerms, e, m, mPrime, f, omega); break;
        default: {
            sum = PeriodicSum(kQuarterTerms, e, m, mPrime, f, omega);
            const long double w = 0.00306L - 0.00038L * e * CosDegrees(m) +
                                  0.00026L * CosDegrees(mPrime) -
                                  0.00002L * CosDegrees(mPrime - m) +
                                  0.00002L * CosDegrees(mPrime + m) + 0.00002L * CosDegrees(2 * f);
            sum += phase == TMoonPhase::FirstQuarter ? w : -w;
            break;
        }
    }

    for (int i = 0; i < 14; ++i) {
        const PlanetaryTerm& p = kPlanetaryTerms[i];
        long double argument = p.a + p.b * k;
        if (i == 0) argument -= 0.009173L * tau2;
        sum += p.coefficient * SinDegrees(argument);
    }
    return static_cast<Moment>(j + sum - 2415018.5L);
}

Moment LastMoonPhase(Moment x, TMoonPhase phase) {
    return SearchMoonPhase(x, phase, -1);
}
Moment NextMoonPhase(Moment x, TMoonPhase phase) {
    return SearchMoonPhase(x, phase, +1);
}

Moment NewMoonOfLunation(Moment x) {
    return MoonPhaseOfLunation(x, TMoonPhase::NewMoon);
}
Moment LastNewMoon(Moment x) {
    return LastMoonPhase(x, TMoonPhase::NewMoon);
}
Moment NextNewMoon(Moment x) {
    return NextMoonPhase(x, TMoonPhase::NewMoon);
}
