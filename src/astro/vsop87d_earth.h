// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The VSOP87D series of the Earth as static tables (data only; see vsop87d_earth_generated.cpp,
// made by generators/generate_vsop87d_tables.js). A term (A, φ, ω) contributes A·cos(φ + ω·τ), with
// A the published amplitude times 10^8, φ in radians, ω in radians per Julian millennium and τ in
// Julian millennia from J2000.0.
namespace vsop87d_earth {

struct VsopTerm {
    long double a;
    long double phi;
    long double omega;
};

// The terms of one power of one series.
struct VsopSeries {
    const VsopTerm* terms;
    int count;
};

// Term counts of the complete published series, by power.
constexpr int kLongitudeCounts[6] = {559, 341, 142, 22, 11, 5};
constexpr int kLatitudeCounts[5] = {184, 99, 49, 11, 5};
constexpr int kRadiusCounts[6] = {526, 292, 139, 27, 10, 3};

extern const VsopSeries kLongitude[6];  // L0..L5: radians · 10^8
extern const VsopSeries kLatitude[5];   // B0..B4: radians · 10^8
extern const VsopSeries kRadius[6];     // R0..R5: AU · 10^8

}  // namespace vsop87d_earth
