// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four pillars of a moment. Year and month pillars follow the Sun (universal time, switched at
// "Становление весны"); day and hour pillars follow the clock at the chosen place (pillar time),
// the day beginning at 23:00.
#include "astro/julian_day.h"
#include "calendar/vocabulary.h"

// Day count of 2002-10-23, a Цзя-Цзы day.
constexpr int DayCountReference = 37552;

Stem YearStem(Moment universal);
Branch YearBranch(Moment universal);
Pillar YearPillar(Moment universal);

// Stem of the solar month `monthBranch` in a year whose (solar) year stem is `yearStem`.
Stem MonthStem(MonthBranch monthBranch, Stem yearStem);

Stem DayStem(Moment pillarTime);
Branch DayBranch(Moment pillarTime);
Branch HourBranch(Moment pillarTime);
Stem HourStem(Stem dayStem, Branch hourBranch);
