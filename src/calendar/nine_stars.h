// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Year cycles and the nine stars: pure functions of an epoch year, pillars and the term in force.
#include <string>

#include "calendar/vocabulary.h"

// 20-year period star 1..9 ("Малый юнь"): ((epochYear − 1) mod 180) div 20 + 1.
int SmallCycleStar(int epochYear);
// 60-year era star ("Большой юнь").
int GreatCycleStar(int epochYear);
int YearStar(int epochYear);
int MonthStar(Branch yearBranch, MonthBranch monthBranch);
// Day star from the day pillar and the name of the term in force.
int DayStar(Stem dayStem, Branch dayBranch, const std::string& termName);
// Hour star from the day branch, hour branch and the name of the term in force (an unknown name
// counts as the yin half).
int HourStar(Branch dayBranch, Branch hourBranch, const std::string& termName);
// Lunar mansion 1..28 of a pillar-time moment (the day turns at 23:00; 2003-06-26 is mansion 1).
int MansionOfDay(double pillarTime);
// Day officer 1..12 ("Цзянь" .. "Би") of a day branch in a solar month.
int DayOfficer(MonthBranch monthBranch, Branch dayBranch);
