// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ΔT = TT − UT: dynamical time, in which the solar and lunar series are written, runs ahead of
// universal time, the time of the clock, by about a minute today. Every instant the program
// shows or compares with a clock (term instants, new moons, the Sun on the ecliptic circle)
// passes through the two conversions below.
//
// The model: observed values from 1900 until the last observed half year (the U.S. Naval
// Observatory's historic values and the IERS monthly values, as carried by the npm package
// astronomia@4.2.0, MIT licence; see delta_t_observed_generated.cpp), interpolated linearly;
// outside them the polynomial expressions of F. Espenak and J. Meeus ("Five Millennium Canon of
// Solar Eclipses", NASA/TP-2006-214141, a work of the U.S. Government, public domain). After the
// last observed value the polynomial is shifted to meet it, the shift fading linearly to nothing
// by 2050, so that the curve has no step where observation ends.
//
// The conversion can be switched off, for those who must reproduce charts made by the formula as
// first written (instants taken as universal time as they come out of the series): the setting
// "Учитывать ΔT" of the program and the option --no-delta-t of the command line. The switch is
// one for the whole program, like the choice of an ephemeris: every instant of a run is of one
// kind. Switched off, the term instants are also searched on the seed's Sun as first written;
// applied, on the precise Sun (sun_precise.h), each in its own memo. The lunation memo (kept in
// dynamical time) stays valid across the switch.
#include "astro/julian_day.h"

// ΔT in seconds at a moment (day count; universal or dynamical time alike: ΔT changes by well
// under a millisecond in the minute between them).
double DeltaTSeconds(Moment x);

// Whether the conversions apply ΔT (the default) or pass moments through unchanged.
bool DeltaTApplied();
void SetDeltaTApplied(bool applied);

// Dynamical → universal time: tt − ΔT, or tt itself while ΔT is switched off. Day counts.
Moment UniversalOfDynamical(Moment tt);
// Universal → dynamical time: ut + ΔT, or ut itself while ΔT is switched off. Day counts.
Moment DynamicalOfUniversal(Moment ut);

// Sets the switch for the lifetime of the object and restores the previous state after it
// (tests, and commands that compute one way for a while).
class ScopedDeltaT {
public:
    explicit ScopedDeltaT(bool applied) : previous_(DeltaTApplied()) { SetDeltaTApplied(applied); }
    ~ScopedDeltaT() { SetDeltaTApplied(previous_); }
    ScopedDeltaT(const ScopedDeltaT&) = delete;
    ScopedDeltaT& operator=(const ScopedDeltaT&) = delete;

private:
    bool previous_;
};
