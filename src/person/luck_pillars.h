// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine ten-year luck pillars ("Столпы удачи"): they step from the birth month pillar, forward
// or backward by sex and the polarity of the birth year, and begin at an age given by the distance
// of the birth from the neighbouring month boundary (three days to a year).
#include <array>

#include "astro/julian_day.h"
#include "calendar/vocabulary.h"

constexpr int kLuckPillarCount = 9;

// Forward for a man born in a yang year (odd year stem) and for a woman born in a yin year.
bool LuckRunsForward(bool male, Stem yearStem);

// Luck pillar i (1..9): the month pillar stepped i places forward or backward, stem within 1..10
// and branch within 1..12.
Pillar LuckPillar(Pillar monthPillar, bool forward, int i);
std::array<Pillar, kLuckPillarCount> LuckPillars(Pillar monthPillar, bool forward);

// Age in years at which luck pillar 1 begins: the days from the birth (universal time) to the
// next month-opening term (forward) or from the previous one (backward), divided by 3 and rounded.
int FirstLuckAge(bool forward, Moment universalBirth);

// Age at which luck pillar i (1..9) begins.
inline int LuckAge(int firstAge, int i) {
    return firstAge + 10 * (i - 1);
}

// The calendar years luck pillar i (1..9) covers: ten years from the birth year plus its age.
struct LuckYears {
    int first = 0;
    int last = 0;
};
inline LuckYears LuckPillarYears(int birthYear, int firstAge, int i) {
    const int first = birthYear + LuckAge(firstAge, i);
    return {first, first + 9};
}
// The luck pillar (1..9) running in `year`; 0 before the first begins and after the ninth ends.
int LuckPillarOfYear(int birthYear, int firstAge, int year);
