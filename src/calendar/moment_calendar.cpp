// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moment_calendar.h"

#include "calendar/epoch_year.h"
#include "calendar/month_pillar.h"
#include "calendar/nine_stars.h"
#include "calendar/pillars.h"

namespace {

constexpr double kOneHour = 1.0 / 24.0;

}  // namespace

MomentCalendar ComputeMomentCalendar(Moment civil, const TimeSettings& settings) {
    MomentCalendar result;
    ComputeMomentCalendar(civil, settings, result);
    return result;
}

void ComputeMomentCalendar(Moment civil, const TimeSettings& settings, MomentCalendar& result) {
    CurrentMoment& m = result.moment;

    const Moment zone = ZoneMomentOf(civil, settings);
    const Moment universal = UniversalOfZone(zone, settings);
    const Moment pillarTime = PillarOfZone(zone, settings);

    m.civil = civil;
    result.pillarTime = pillarTime;

    m.year = YearPillar(universal);
    m.day = Pillar{DayStem(pillarTime), DayBranch(pillarTime)};
    m.hour.branch = HourBranch(pillarTime);
    m.hour.stem = HourStem(m.day.stem, m.hour.branch);

    result.lunar = LunisolarDate(pillarTime + kOneHour);
    m.lunarMonth = result.lunar.month;

    // The epoch year turns with the year pillar: at "Становление весны" in zone time, the summer
    // shift taken out as for the pillar (the person's chart does the same).
    m.epochYear = EpochYear(zone, settings.zoneHours());
    m.yearStar = YearStar(m.epochYear);
    m.mansion = MansionOfDay(pillarTime);

    SeasonInfo& season = result.season;
    m.month = MonthInForceAt(universal, m.year.stem, season).pillar;

    m.greatCycleStar = GreatCycleStar(m.epochYear);
    m.smallCycleStar = SmallCycleStar(m.epochYear);
    m.monthStar = MonthStar(m.year.branch, m.month.branch);
    m.dayStar = DayStar(m.day.stem, m.day.branch, season.termName);
    m.hourStar = HourStar(m.day.branch, m.hour.branch, season.termName);
}

bool CivilLeapMonth(const MomentCalendar& calendar) {
    const Moment civil = calendar.moment.civil;
    return civil == calendar.pillarTime ? calendar.lunar.leap
                                        : LunisolarDate(civil + kOneHour).leap;
}
