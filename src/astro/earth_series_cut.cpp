// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/earth_series_cut.h"

#include <cmath>

#include "astro/vsop87d_earth.h"

namespace {

constexpr double kTauMax = kCutCenturies / 10;  // Julian millennia

template <typename Powers, typename Term>
Powers Cut(const vsop87d_earth::VsopSeries* series, int powers, double threshold) {
    Powers cut(static_cast<std::size_t>(powers));
    for (int p = 0; p < powers; ++p) {
        const double reach = std::pow(kTauMax, p);
        for (int i = 0; i < series[p].count; ++i) {
            const vsop87d_earth::VsopTerm& t = series[p].terms[i];
            const double a = static_cast<double>(t.a) * 1e-8;
            if (std::fabs(a) * reach >= threshold)
                cut[static_cast<std::size_t>(p)].push_back(
                    Term{a, static_cast<double>(t.phi), static_cast<double>(t.omega)});
        }
    }
    return cut;
}

}  // namespace

CutEarthSeries::CutEarthSeries(double longitudeThreshold, double radiusThreshold)
    : longitude_(Cut<Powers, Term>(vsop87d_earth::kLongitude, 6, longitudeThreshold)),
      radius_(Cut<Powers, Term>(vsop87d_earth::kRadius, 6, radiusThreshold)) {}

int CutEarthSeries::TermCount() const {
    std::size_t n = 0;
    for (const auto& p : longitude_) n += p.size();
    for (const auto& p : radius_) n += p.size();
    return static_cast<int>(n);
}

EarthLongitudeAndRate CutEarthSeries::At(Moment tt) const {
    const double tau = (tt - kJ2000DayCount) / 365250;  // Julian millennia from J2000.0
    // L = Σ τ^p S_p, dL/dτ = Σ (p τ^(p−1) S_p + τ^p S′_p), by Horner's scheme from the top power.
    double l = 0;
    double dl = 0;
    for (std::size_t p = longitude_.size(); p-- > 0;) {
        double s = 0;
        double ds = 0;
        for (const Term& t : longitude_[p]) {
            const double argument = t.phi + t.omega * tau;
            s += t.a * std::cos(argument);
            ds -= t.a * t.omega * std::sin(argument);
        }
        dl = dl * tau + l + ds;
        l = l * tau + s;
    }
    double r = 0;
    for (std::size_t p = radius_.size(); p-- > 0;) {
        double s = 0;
        for (const Term& t : radius_[p]) s += t.a * std::cos(t.phi + t.omega * tau);
        r = r * tau + s;
    }
    return EarthLongitudeAndRate{l, dl / 365250, r};
}

const CutEarthSeries& SunCutEarthSeries() {
    static const CutEarthSeries series(4e-10, 2e-7);
    return series;
}
