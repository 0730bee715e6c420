#pragma once
// The lunisolar (traditional Chinese) date: months from new moon to new moon by the date in
// ChinaTime, the solstice month is month 11, a 13-month year has a leap month.
#include "astro/julian_day.h"

struct LunarDate {
    int lunarEpochYear = 0;
    int month = 0;      // 1..12
    bool leap = false;  // this month is a leap month
    int day = 0;        // 1..30
};

// Universal time -> ChinaTime (+8 h after 1928, +7 h 45 min 40 s up to 1928) and back.
double ChinaTimeOfUniversal(Moment t);
Moment UniversalOfChinaTime(double c);

// First major-term (even TermIndex) instant at or after t; last one strictly before t.
Moment NextMajorTerm(Moment t);
Moment PreviousMajorTerm(Moment t);

// Lunisolar date of the day with day count trunc(x). Callers pass a local moment plus one hour so
// that from 23:00 on the next day's date is given.
LunarDate LunisolarDate(Moment x);
