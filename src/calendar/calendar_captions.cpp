// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/calendar_captions.h"

#include "calendar/moment_format.h"
#include "calendar/vocabulary.h"

std::string CycleCaption(const char* what, Pillar p) {
    return std::string(what) + SexagenaryNumber(p.stem, p.branch) + " из 60";
}

namespace {

std::string ColourOf(int star) {
    std::string colour;
    StarColourName(star, colour);
    return colour;
}

}  // namespace

CalendarCaptions CaptionsOfCalendar(const MomentCalendar& calendar, const QLocale& locale) {
    const CurrentMoment& m = calendar.moment;
    CalendarCaptions t;
    t.dateTime = FormatShortDateLongTime(m.civil, locale).toStdString();
    t.weekday = FormatWeekdayName(m.civil, locale).toStdString();

    t.seasonMonth = calendar.season.seasonMonthName;
    t.term = calendar.season.termName;

    t.yearPillar = PillarCaption(m.year);
    t.monthPillar = PillarCaption(m.month);
    t.dayPillar = PillarCaption(m.day);
    t.hourPillar = PillarCaption(m.hour);
    t.yearSign = CycleCaption("Знак года ", m.year);
    t.monthSign = CycleCaption("Знак периода ", m.month);
    t.daySign = CycleCaption("Знак дня ", m.day);
    t.hourSign = CycleCaption("Знак часа ", m.hour);

    t.chineseYear = std::to_string(m.epochYear + 61);
    YuanName(m.epochYear, t.era);
    t.greatCycleStar = std::to_string(m.greatCycleStar);
    t.smallCycleStar = std::to_string(m.smallCycleStar);
    t.yearStar = std::to_string(m.yearStar);
    t.monthStar = std::to_string(m.monthStar);
    t.dayStar = std::to_string(m.dayStar);
    t.hourStar = std::to_string(m.hourStar);
    t.greatCycleColour = ColourOf(m.greatCycleStar);
    t.smallCycleColour = ColourOf(m.smallCycleStar);
    t.yearStarColour = ColourOf(m.yearStar);
    t.monthStarColour = ColourOf(m.monthStar);
    t.dayStarColour = ColourOf(m.dayStar);
    t.hourStarColour = ColourOf(m.hourStar);

    t.lunarMonth = std::to_string(calendar.lunar.month);
    t.lunarDay = std::to_string(calendar.lunar.day);
    t.leapMonth = CivilLeapMonth(calendar);
    return t;
}
