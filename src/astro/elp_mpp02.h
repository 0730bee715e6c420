// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ELP/MPP02 lunar series (Chapront & Francou, constants fitted to DE405) as static tables: data
// only, made by generators/generate_elp_mpp02_tables.js. A term contributes
// A·T^k·sin(φ0 + φ1·T + φ2·T² + φ3·T³ + φ4·T⁴), T in Julian centuries of TT from J2000, k the power
// it is filed under, A in arcseconds (longitude, latitude) or kilometres (distance), φ in radians.
// The longitude is W1 + ΣL, referred to the mean ecliptic of date and measured from the departure
// point of J2000 (no precession in longitude).
namespace elp_mpp02 {

struct ElpTerm {
    double a;
    double p0, p1, p2, p3, p4;
};

struct ElpPower {
    const ElpTerm* terms;
    int count;
};

// The terms of one coordinate, by power of T (0..3).
struct ElpSeries {
    ElpPower powers[4];
};

// W1, the Moon's mean longitude from the departure point: radians, radians per century^k.
extern const double kMeanLongitude[5];
// The program's cut of the series (elp_mpp02_moon_generated.cpp).
extern const ElpSeries kLongitude;  // arcseconds
extern const ElpSeries kDistance;   // kilometres
// The complete series, linked into the tests only (tests/astro/elp_mpp02_complete_generated.cpp).
extern const ElpSeries kCompleteLongitude;
extern const ElpSeries kCompleteLatitude;
extern const ElpSeries kCompleteDistance;

// Σ over the powers of T^k · Σ A·sin(φ(T)), in the series' unit.
double Sum(const ElpSeries& series, double t);

}  // namespace elp_mpp02
