// SPDX-License-Identifier: GPL-3.0-or-later
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

// China dates: whole days of ChinaTime (floor of a ChinaTime value). Each function takes a
// ChinaTime value, searches in universal time and gives the China date of the instant found.
using ChinaDate = long;
ChinaDate ChinaDateOf(double chinaTime);
// First day of the month containing the instant y (China date of the last new moon at or before y).
ChinaDate NewMoonStart(double y);
// China date of the first new moon at or after y.
ChinaDate NextNewMoonDate(double y);
// China date of the first major term at or after y; of the last one strictly before y.
ChinaDate NextMajorDate(double y);
ChinaDate PreviousMajorDate(double y);
// True when no major term falls in the month beginning on China date m.
bool NoMajorTerm(ChinaDate m);
// For month starts a ≥ b: some month from the one starting at b to the one starting at a lacks a
// major term.
bool LeapSince(ChinaDate a, ChinaDate b);

// Lunisolar date of the day containing x (day count floor(x), so that days before 1899-12-30,
// whose counts are negative, are not moved to the next day). Callers pass a local moment plus one
// hour so that from 23:00 on the next day's date is given.
LunarDate LunisolarDate(Moment x);
