// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results of the last recalculation of a moment, read by the calendar, good-day, mansion,
// geomantic table, report and person windows.
#include "astro/julian_day.h"
#include "calendar/vocabulary.h"

struct CurrentMoment {
    Pillar year;
    Pillar month;  // month.branch is the MonthBranch
    Pillar day;
    Pillar hour;
    int epochYear = 0;
    int lunarMonth = 0;
    int yearStar = 0;
    int monthStar = 0;
    int dayStar = 0;
    int hourStar = 0;
    int greatCycleStar = 0;
    int smallCycleStar = 0;
    int mansion = 0;
    Moment civil = 0;  // the civil moment last shown
};
