// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/pillars.h"

#include <cmath>

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "calendar/day_count.h"

namespace {

int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

}  // namespace

Pillar YearPillar(Moment universal) {
    const CivilDateTime t = DecodeMoment(universal);
    Pillar p{Mod(t.year - 4, 10) + 1, Mod(t.year - 4, 12) + 1};
    // Before "Становление весны" the moment still belongs to the previous solar year.
    if (t.month <= 2 && universal < TermInstant(t.year, 21)) {
        p.stem = p.stem == 1 ? 10 : p.stem - 1;
        p.branch = p.branch == 1 ? 12 : p.branch - 1;
    }
    return p;
}

Stem YearStem(Moment universal) {
    return YearPillar(universal).stem;
}
Branch YearBranch(Moment universal) {
    return YearPillar(universal).branch;
}

Stem MonthStem(MonthBranch monthBranch, Stem yearStem) {
    int offset = 2 * Mod(yearStem - 1, 5);
    // Цзы and Чоу close the solar year and continue its run of stems.
    if (monthBranch < 3) offset = (offset + 2) % 10;
    int stem = monthBranch + offset;
    if (stem > 10) stem -= 10;
    return stem;
}

Stem DayStem(Moment pillarTime) {
    return Mod(static_cast<int>(CivilDayOf(pillarTime) - DayCountReference), 10) + 1;
}

Branch DayBranch(Moment pillarTime) {
    return Mod(static_cast<int>(CivilDayOf(pillarTime) - DayCountReference), 12) + 1;
}

Branch HourBranch(Moment pillarTime) {
    const int h = HourOfMoment(pillarTime);
    return ((h + 1) / 2) % 12 + 1;
}

Stem HourStem(Stem dayStem, Branch hourBranch) {
    int stem = hourBranch + 2 * Mod(dayStem - 1, 5);
    if (stem > 10) stem -= 10;
    return stem;
}
