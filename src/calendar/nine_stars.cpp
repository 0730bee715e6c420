// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/nine_stars.h"

#include "calendar/day_count.h"

namespace {

int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

// Star reached from `start` after `steps` days or hours, ascending or descending through 1..9.
int StepStar(int start, int steps, bool ascending) {
    return Mod(start - 1 + (ascending ? steps : -steps), 9) + 1;
}

// The yang half of the year runs from "Зимнее солнцестояние" (ordinal 22) to "Колошение хлебов"
// (9).
bool InYangHalf(TermOrdinal t) {
    return t >= 22 || (t >= 1 && t <= 9);
}

}  // namespace

int SmallCycleStar(int epochYear) {
    return Mod(epochYear - 1, 180) / 20 + 1;
}

int GreatCycleStar(int epochYear) {
    const int v = Mod(epochYear - 1, 540) / 60 + 1;
    return v - 3 <= 0 ? v + 6 : v - 3;
}

int YearStar(int epochYear) {
    return 9 - Mod(epochYear + 7, 9);
}

int MonthStar(Branch yearBranch, MonthBranch monthBranch) {
    // Star of the month Инь by the year branch's group; the months then run backwards.
    static const int kStarOfYin[3] = {8, 5, 2};
    const int start = kStarOfYin[Mod(yearBranch - 1, 3)];
    return StepStar(start, Mod(monthBranch - 3, 12), false);
}

int DayStar(Stem dayStem, Branch dayBranch, const std::string& termName) {
    const int n = SexagenaryIndex(dayStem, dayBranch);
    const TermOrdinal t = TermOrdinalOfName(termName);
    int start;
    bool ascending;
    if (t >= 22 || t == 1) {
        start = 1, ascending = true;
    } else if (t >= 2 && t <= 5) {
        start = 7, ascending = true;
    } else if (t >= 6 && t <= 9) {
        start = 4, ascending = true;
    } else if (t >= 10 && t <= 13) {
        start = 9, ascending = false;
    } else if (t >= 14 && t <= 17) {
        start = 3, ascending = false;
    } else {
        start = 6, ascending = false;
    }
    return StepStar(start, n - 1, ascending);
}

int HourStar(Branch dayBranch, Branch hourBranch, const std::string& termName) {
    static const int kYangStart[3] = {1, 4, 7};
    static const int kYinStart[3] = {9, 6, 3};
    const int group = Mod(dayBranch - 1, 3);
    const bool yang = InYangHalf(TermOrdinalOfName(termName));
    const int start = yang ? kYangStart[group] : kYinStart[group];
    return StepStar(start, hourBranch - 1, yang);
}

int MansionOfDay(double pillarTime) {
    // Day count 37798 (2003-06-26) is mansion 1, Цзяо.
    return static_cast<int>(((CivilDayOf(pillarTime) - 37798) % 28 + 28) % 28) + 1;
}

int DayOfficer(MonthBranch monthBranch, Branch dayBranch) {
    return Mod(dayBranch - monthBranch, 12) + 1;
}
