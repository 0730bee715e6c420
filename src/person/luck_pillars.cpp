// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/luck_pillars.h"

#include "astro/solar_terms.h"

namespace {

int Wrap(int value, int count) {
    return ((value - 1) % count + count) % count + 1;
}

}  // namespace

bool LuckRunsForward(bool male, Stem yearStem) {
    const bool yangYear = yearStem % 2 != 0;
    return male == yangYear;
}

Pillar LuckPillar(Pillar monthPillar, bool forward, int i) {
    const int step = forward ? i : -i;
    return Pillar{Wrap(monthPillar.stem + step, 10), Wrap(monthPillar.branch + step, 12)};
}

std::array<Pillar, kLuckPillarCount> LuckPillars(Pillar monthPillar, bool forward) {
    std::array<Pillar, kLuckPillarCount> pillars;
    for (int i = 1; i <= kLuckPillarCount; ++i)
        pillars[i - 1] = LuckPillar(monthPillar, forward, i);
    return pillars;
}

int FirstLuckAge(bool forward, Moment universalBirth) {
    return DaysToMonthBoundary(forward ? 1 : 0, universalBirth);
}

int LuckPillarOfYear(int birthYear, int firstAge, int year) {
    const int since = year - (birthYear + firstAge);
    if (since < 0 || since >= 10 * kLuckPillarCount) return 0;
    return since / 10 + 1;
}
