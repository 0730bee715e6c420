// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The captions of a moment's calendar, in the calendar's order, as the calendar window and the
// command line's readable `moment` show them. Made from the facts of ComputeMomentCalendar; the
// locale writes the date and the weekday.
#include <QLocale>
#include <string>

#include "calendar/moment_calendar.h"

struct CalendarCaptions {
    std::string dateTime;     // the civil moment, short date and long time ("ddddd tt")
    std::string weekday;      // "суббота"
    std::string seasonMonth;  // "Середина зимы"
    std::string term;         // "Зимнее солнцестояние"
    std::string yearPillar, monthPillar, dayPillar,
        hourPillar;  // "Цзя (Дерево-ян), Чэнь (Почва-ян)"
    std::string yearSign, monthSign, daySign, hourSign;  // "Знак года 41 из 60", ...
    std::string chineseYear;  // year of the Chinese calendar: the epoch year + 61
    std::string era;          // "Верхний" | "Средний" | "Нижний"
    std::string greatCycleStar, smallCycleStar, yearStar, monthStar, dayStar, hourStar;  // "1".."9"
    std::string greatCycleColour, smallCycleColour, yearStarColour, monthStarColour, dayStarColour,
        hourStarColour;      // "белая", ...
    std::string lunarMonth;  // 1..12
    std::string lunarDay;    // 1..30
    bool leapMonth = false;  // "(дополнительный)" beside the lunar month
};

// A pillar's place in the sixty-fold cycle after its label: "Знак года " -> "Знак года 41 из 60".
std::string CycleCaption(const char* what, Pillar p);

CalendarCaptions CaptionsOfCalendar(const MomentCalendar& calendar, const QLocale& locale);
