// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moment_calendar.h"

#include "calendar/epoch_year.h"
#include "calendar/nine_stars.h"
#include "calendar/pillars.h"

namespace {

constexpr double kOneHour = 1.0 / 24.0;
// One millisecond, in days: the step past a term instant at which that term is in force.
constexpr double kOneMillisecond = 1.0 / 86400000.0;

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

    // Exactly on a term instant no interval holds; the term beginning there is the one in force.
    SeasonInfo& season = result.season;
    season.term = -1;
    season.monthBranch = 0;
    season.seasonMonthName.clear();
    season.termName.clear();
    if (!SeasonOfMoment(universal, season)) SeasonOfMoment(universal + kOneMillisecond, season);
    m.month = Pillar{MonthStem(season.monthBranch, m.year.stem), season.monthBranch};

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
