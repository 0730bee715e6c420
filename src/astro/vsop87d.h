// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Evaluation of a body's VSOP87 series at a moment. The term providers are plain table lookups and
// each power is summed in one tight loop over its static table (no call per term).
#include "astro/julian_day.h"
#include "astro/vsop87d_earth.h"

// How the cosines of the terms are taken: Extended takes every one in extended precision (the
// reference); Fast takes the small terms' cosines in double precision after an extended-precision
// reduction of their arguments, which changes the sums by well under their last bit of accuracy
// and runs about three times faster.
enum class SeriesPrecision { Fast, Extended };

// One body's series: longitude L and latitude B (radians), radius R (AU), heliocentric, ecliptic
// and equinox of date. The moment is a day count in universal time as used (no ΔT).
class TVSOP {
public:
    using Term = vsop87d_earth::VsopTerm;
    using Series = vsop87d_earth::VsopSeries;

    void SetMoment(Moment x) { moment_ = x; }
    void SetPrecision(SeriesPrecision p) { precision_ = p; }
    Moment moment() const { return moment_; }
    // Julian millennia from J2000.0: (x − 36526 − 0.5) / 365250.
    long double Tau() const;

    // The stored term (A·10^8, φ, ω) of term index i and power p; (0, 0, 0) past the table.
    Term LongitudeTerm(int i, int p) const { return TermOf(longitude_, longitudePowers_, i, p); }
    Term LatitudeTerm(int i, int p) const { return TermOf(latitude_, latitudePowers_, i, p); }
    Term RadiusTerm(int i, int p) const { return TermOf(radius_, radiusPowers_, i, p); }

    long double Longitude() const { return Evaluate(longitude_, longitudePowers_); }  // radians
    long double Latitude() const { return Evaluate(latitude_, latitudePowers_); }     // radians
    long double Radius() const { return Evaluate(radius_, radiusPowers_); }           // AU

    // Reduction of heliocentric L, B (radians) from the dynamical ecliptic to FK5.
    void FK5Correction(long double& l, long double& b) const;

protected:
    TVSOP(const Series* longitude, int longitudePowers, const Series* latitude, int latitudePowers,
          const Series* radius, int radiusPowers)
        : longitude_(longitude),
          latitude_(latitude),
          radius_(radius),
          longitudePowers_(longitudePowers),
          latitudePowers_(latitudePowers),
          radiusPowers_(radiusPowers) {}

private:
    static Term TermOf(const Series* series, int powers, int i, int p);
    // Σ_p τ^p · Σ_i A·cos(φ + ω·τ), times 10^-8.
    long double Evaluate(const Series* series, int powers) const;

    Moment moment_ = 0;
    SeriesPrecision precision_ = SeriesPrecision::Fast;
    const Series* longitude_;
    const Series* latitude_;
    const Series* radius_;
    int longitudePowers_;
    int latitudePowers_;
    int radiusPowers_;
};

// The Earth: the complete VSOP87D tables.
class TVSOPEarth : public TVSOP {
public:
    TVSOPEarth();
};
