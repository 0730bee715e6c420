// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Earth's VSOP87D longitude and radius cut to the terms a 0.1″ Sun needs over 1900–2100, in
// double precision, with the longitude's own rate for Newton steps. The full series (vsop87d.h)
// stays the reference and the seed's reckoning.
//
// The cut: a term of power p is kept when A·τmax^p reaches the threshold, τmax = 0.102 Julian
// millennium (1898–2102: the years 1900–2100 and the two on each side their months need).
// Thresholds were chosen by measuring the cut against the full series every 1.3 days over 1900–2100
// (tests/astro/sun_precise_test.cpp keeps the measurement): 4·10^-10 rad on the longitude keeps 743
// terms of the 2425 with the radius and leaves at most 0.0014″; the radius enters only the
// aberration (20.5″·ΔR/R), where 2·10^-7 AU leaves 2·10^-6 AU, 0.00004″.
#include <vector>

#include "astro/julian_day.h"

// Julian centuries on each side of J2000.0 over which the cut holds.
constexpr double kCutCenturies = 1.02;

struct EarthLongitudeAndRate {
    double longitude;  // heliocentric L, radians, dynamical ecliptic and equinox of date
    double rate;       // dL/dt, radians per day
    double radius;     // R, AU
};

class CutEarthSeries {
public:
    // Keeps longitude terms reaching `longitudeThreshold` radians and radius terms reaching
    // `radiusThreshold` AU over 1900–2100.
    CutEarthSeries(double longitudeThreshold, double radiusThreshold);
    // At a dynamical moment (TT day count).
    EarthLongitudeAndRate At(Moment tt) const;
    int TermCount() const;

private:
    struct Term {
        double a;  // radians or AU
        double phi;
        double omega;  // radians per Julian millennium
    };
    using Powers = std::vector<std::vector<Term>>;
    Powers longitude_;
    Powers radius_;
};

// The cut the precise Sun uses, made once on first use (tables only, never changed after).
const CutEarthSeries& SunCutEarthSeries();
