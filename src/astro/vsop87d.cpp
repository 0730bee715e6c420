#include "astro/vsop87d.h"

#include <cmath>

#include "astro/angles.h"

namespace {

constexpr long double kArcsecond = kPi / (180.0L * 3600.0L);  // radians

}  // namespace

long double TVSOP::Tau() const { return (static_cast<long double>(moment_) - 36526 - 0.5L) / 365250; }

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
        for (; term != end; ++term) sum += term->a * std::cos(term->phi + term->omega * tau);
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
