// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/vsop87d.h"

#include <cmath>
#include <limits>

#include "astro/angles.h"

namespace {

constexpr long double kArcsecond = kPi / (180.0L * 3600.0L);  // radians

// Terms whose amplitude reaches 10^-6 rad (or AU) — 69 of the 2425, every slow and large one — take
// the extended-precision cosine. The others take the double cosine of their argument reduced to
// [−π, π] in extended precision: its error, under 5·10^-16 of an amplitude below 10^-6, stays
// under 10^-21 rad per term, far inside the last bit of the sums (L itself is about 10^2 rad).
constexpr long double kExtendedCosineAmplitude = 100;  // stored units, A·10^8

// 2π in two parts: 40 significant bits (so k·2π_hi is exact for |k| < 2^24) and the rest.
constexpr long double kTwoPiHi = 863554413089.0L / 137438953472.0L;
constexpr long double kTwoPiLo = 2.977418992194649249435455894338798750e-12L;
constexpr long double kInverseTwoPi = 0.159154943091895335768883763372514362034L;

// Nearest integer of an extended value of magnitude below 2^62, without a library call: adding
// and removing 1.5·2^63 rounds to an integer in the 64-bit significand.
inline long double NearestInteger(long double x) {
    static_assert(std::numeric_limits<long double>::digits == 64,
                  "the series evaluation expects the 80-bit extended type");
    constexpr long double kRounder = 13835058055282163712.0L;  // 1.5·2^63
    return (x + kRounder) - kRounder;
}

// cos of an argument in radians, for an amplitude small enough for a double cosine.
inline long double CosineOfSmallTerm(long double argument) {
    const long double k = NearestInteger(argument * kInverseTwoPi);
    const long double reduced = (argument - k * kTwoPiHi) - k * kTwoPiLo;
    return std::cos(static_cast<double>(reduced));
}

}  // namespace

long double TVSOP::Tau() const {
    return (static_cast<long double>(moment_) - 36526 - 0.5L) / 365250;
}

TVSOP::Term TVSOP::TermOf(const Series* series, int powers, int i, int p) {
    if (p < 0 || p >= powers || i < 0 || i >= series[p].count) return Term{0, 0, 0};
    return series[p].terms[i];
}

long double TVSOP::Evaluate(const Series* series, int powers) const {
    const long double tau = Tau();
    long double value = 0;
    for (int p = powers - 1; p >= 0; --p) {
        const Term* term = series[p].terms;
        const Term* const end = term + series[p].count;
        long double sum = 0;
        if (precision_ == SeriesPrecision::Extended) {
            for (; term != end; ++term) sum += term->a * std::cos(term->phi + term->omega * tau);
        } else {
            for (; term != end; ++term) {
                const long double argument = term->phi + term->omega * tau;
                const long double c = std::fabs(term->a) >= kExtendedCosineAmplitude
                                          ? std::cos(argument)
                                          : CosineOfSmallTerm(argument);
                sum += term->a * c;
            }
        }
        value = value * tau + sum;
    }
    return value * 1e-8L;
}

void TVSOP::FK5Correction(long double& l, long double& b) const {
    const long double t = 10 * Tau();  // Julian centuries
    const long double lambdaPrime = l + DegreesToRadians(t * (-1.397L - 0.00031L * t));
    const long double c = std::cos(lambdaPrime);
    const long double s = std::sin(lambdaPrime);
    l = l - 0.09033L * kArcsecond + 0.03916L * kArcsecond * (c + s) * std::tan(b);
    b = b + 0.03916L * kArcsecond * (c - s);
}

TVSOPEarth::TVSOPEarth()
    : TVSOP(vsop87d_earth::kLongitude, 6, vsop87d_earth::kLatitude, 5, vsop87d_earth::kRadius, 6) {}
