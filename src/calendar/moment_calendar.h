#pragma once
// Everything the calendar window shows for a civil moment, computed without any window:
// the CurrentMoment record and the captions, in the calendar's order.
#include <string>

#include "astro/local_time.h"
#include "astro/lunisolar_date.h"
#include "astro/solar_terms.h"
#include "calendar/current_moment.h"

struct CalendarTexts {
    std::string labelNow;      // civil moment as "ddddd tt"
    std::string week;          // weekday name
    std::string bigSeason;     // SeasonMonthName
    std::string smallSeason;   // term name
    std::string psYear, psMon, psDay, psHour;        // pillar captions
    std::string label28, label27, label25, label26;  // "Знак года|периода|дня|часа N из 60"
    std::string epochYears;    // EpochYear + 61
    std::string month;         // lunar month number
    std::string day;           // lunar day number
    bool leapVisible = false;  // "(дополнительный)"
    std::string juang;         // era: "Верхний" | "Средний" | "Нижний"
    std::string jungBig, jung; // great-cycle and small-cycle stars
    std::string labelYearStar, labelMoonStar, dayStar, chasStar;
    std::string labelJunBigName, labelJunName, labelYearS, labelMoonS, dayStarS, chasStarS;
};

struct MomentCalendar {
    CurrentMoment moment;
    CalendarTexts texts;
    SeasonInfo season;     // term and solar month in force
    LunarDate lunar;       // lunisolar date of pillar time + 1 hour
};

// The full calendar of a civil moment under the time settings (what the calendar window shows).
MomentCalendar ComputeMomentCalendar(Moment civil, const TimeSettings& settings);
