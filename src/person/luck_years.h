// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time inside the luck pillars: the ten years of each luck pillar, the twelve months of a year
// with the instants they begin, and the small luck (小运) of the years before the first luck
// pillar. Ages are counted as the luck pillars' ages are: the year's number minus the birth year.
#include <array>
#include <vector>

#include "astro/julian_day.h"
#include "calendar/vocabulary.h"

// The pillar of the solar year that begins at "Становление весны" of Gregorian year `year`.
Pillar PillarOfYear(int year);

struct LuckPillarYear {
    int year = 0;  // Gregorian; its pillar holds from that year's "Становление весны"
    Pillar pillar;
    int age = 0;
};

// The ten years of luck pillar i (1..9).
std::array<LuckPillarYear, 10> YearsOfLuckPillar(int birthYear, int firstLuckAge, int i);

struct SolarMonth {
    Pillar pillar;
    Moment begins = 0;  // the month-opening term, universal time as used (no ΔT)
};

// The twelve solar months of the year that begins at "Становление весны" of `year`: 寅 … 丑, the
// last beginning at "Малый холод" in January of the next year.
std::array<SolarMonth, 12> MonthsOfYear(int year);

struct SmallLuckYear {
    int year = 0;
    int age = 0;
    Pillar pillar;
};

// Small luck for the years before the first luck pillar (ages 0 … firstLuckAge − 1): the hour
// pillar stepped once for the birth year and once more each year after, in the luck pillars'
// direction.
std::vector<SmallLuckYear> SmallLuck(Pillar hour, bool forward, int birthYear, int firstLuckAge);
