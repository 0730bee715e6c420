// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// New moons from the mean lunation plus periodic corrections. The series gives dynamical time;
// the searches and MoonPhaseOfLunation give universal time (ΔT, astro/delta_t, unless switched
// off); MoonPhaseOfLunationNumber and the memo keep dynamical time. While ΔT is applied, the new
// moons the memo and the searches give are the conjunctions of the Moon's and the Sun's apparent
// longitudes (astro/moon_conjunction.h) sought from the series' instants; switched off, the
// series' instants themselves.
// An instant depends on its lunation alone (the eccentricity factor is taken at the lunation's own
// time), so the new moon found from any moment of a lunation is the same instant.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "astro/julian_day.h"
#include "text/gavrosin_error.h"

enum class TMoonPhase {
    NewMoon,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    FullMoon,
    WaningGibbous,
    LastQuarter,
    WaningCrescent
};

// Raised with "No TDateTime possible" or "Invalid TMoonPhase".
class E_OutOfAlgorithmRange : public GavrosinError {
public:
    explicit E_OutOfAlgorithmRange(const std::string& m) : GavrosinError(m) {}
};

// Instant of a principal phase (new moon, first quarter, full moon, last quarter) of the lunation
// nearest to x in the mean sense; day count, universal time as used. The in-between phases
// (crescents, gibbous) have no instant: raises E_OutOfAlgorithmRange "Invalid TMoonPhase".
Moment MoonPhaseOfLunation(Moment x, TMoonPhase phase);
// The same for lunation number n (n = 0: the lunation of the new moon of 2000-01-06), always
// computed afresh.
Moment MoonPhaseOfLunationNumber(long n, TMoonPhase phase);
// Latest instant of the phase at or before x; earliest at or after x. A phase without an instant
// raises E_OutOfAlgorithmRange "No TDateTime possible".
Moment LastMoonPhase(Moment x, TMoonPhase phase);
Moment NextMoonPhase(Moment x, TMoonPhase phase);

// New moon of the lunation nearest to x in the mean sense (up to about half a month away).
Moment NewMoonOfLunation(Moment x);
// Latest new moon at or before x; earliest new moon at or after x.
Moment LastNewMoon(Moment x);
Moment NextNewMoon(Moment x);

// Memo of principal-phase instants by (lunation number, phase): an instant is a pure function of
// the two, so a remembered value is exactly the one computed afresh. Get, Clear, size and
// PrefillNewMoons are called from one thread at a time; PrefillNewMoons computes on several
// threads itself and stores the results on the calling thread before it returns.
class LunationCache {
public:
    // MoonPhaseOfLunationNumber(n, phase) for a principal phase, remembered.
    Moment Get(long n, TMoonPhase phase);
    // Computes, on up to `jobs` threads, the new moons not yet remembered of every lunation
    // whose mean new moon falls between the day counts from and to, and of two more at each end
    // (the searches of a date look a lunation beyond it).
    void PrefillNewMoons(Moment from, Moment to, int jobs);
    void Clear();
    std::size_t size() const;

private:
    // New, first quarter, full, last (the series' instants); the conjunctions.
    std::array<std::unordered_map<long, Moment>, 5> instants_;
};

// The one shared memo behind MoonPhaseOfLunation, owned by the program and living for the whole
// run (about 1240 instants per century asked for).
extern LunationCache SharedLunationCache;
