#include "calendar/moment_calendar.h"

#include "calendar/moment_format.h"
#include "calendar/epoch_year.h"
#include "calendar/nine_stars.h"
#include "calendar/pillars.h"

namespace {

constexpr double kOneHour = 1.0 / 24.0;
// One millisecond, in days: the step past a term instant at which that term is in force.
constexpr double kOneMillisecond = 1.0 / 86400000.0;

std::string CycleCaption(const char* what, Pillar p) {
    return std::string(what) + SexagenaryNumber(p.stem, p.branch) + " из 60";
}

std::string ColourOf(int star) {
    std::string colour;
    StarColourName(star, colour);
    return colour;
}

}  // namespace

MomentCalendar ComputeMomentCalendar(Moment civil, const TimeSettings& settings) {
    MomentCalendar result;
    CurrentMoment& m = result.moment;
    CalendarTexts& t = result.texts;

    const Moment zone = ZoneMomentOf(civil, settings);
    const Moment universal = UniversalOfZone(zone, settings);
    const Moment pillarTime = PillarOfZone(zone, settings);

    m.civil = civil;
    t.labelNow = FormatShortDateLongTime(civil).toStdString();
    t.week = FormatWeekdayName(civil).toStdString();

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
    if (!SeasonOfMoment(universal, result.season)) SeasonOfMoment(universal + kOneMillisecond, result.season);
    m.month = Pillar{MonthStem(result.season.monthBranch, m.year.stem), result.season.monthBranch};

    t.bigSeason = result.season.seasonMonthName;
    t.smallSeason = result.season.termName;

    t.psYear = PillarCaption(m.year);
    t.psMon = PillarCaption(m.month);
    t.psDay = PillarCaption(m.day);
    t.psHour = PillarCaption(m.hour);

    t.label28 = CycleCaption("Знак года ", m.year);
    t.label27 = CycleCaption("Знак периода ", m.month);
    t.label25 = CycleCaption("Знак дня ", m.day);
    t.label26 = CycleCaption("Знак часа ", m.hour);

    t.epochYears = std::to_string(m.epochYear + 61);
    t.month = std::to_string(result.lunar.month);
    t.day = std::to_string(result.lunar.day);
    // The leap mark follows the civil moment; it differs from pillar time only under a summer
    // shift or the longitude correction.
    t.leapVisible = (civil == pillarTime ? result.lunar : LunisolarDate(civil + kOneHour)).leap;

    m.greatCycleStar = GreatCycleStar(m.epochYear);
    m.smallCycleStar = SmallCycleStar(m.epochYear);
    m.monthStar = MonthStar(m.year.branch, m.month.branch);
    m.dayStar = DayStar(m.day.stem, m.day.branch, result.season.termName);
    m.hourStar = HourStar(m.day.branch, m.hour.branch, result.season.termName);

    YuanName(m.epochYear, t.juang);
    t.jungBig = std::to_string(m.greatCycleStar);
    t.jung = std::to_string(m.smallCycleStar);
    t.labelYearStar = std::to_string(m.yearStar);
    t.labelMoonStar = std::to_string(m.monthStar);
    t.dayStar = std::to_string(m.dayStar);
    t.chasStar = std::to_string(m.hourStar);
    t.labelJunName = ColourOf(m.smallCycleStar);
    t.labelJunBigName = ColourOf(m.greatCycleStar);
    t.labelYearS = ColourOf(m.yearStar);
    t.labelMoonS = ColourOf(m.monthStar);
    t.dayStarS = ColourOf(m.dayStar);
    t.chasStarS = ColourOf(m.hourStar);
    return result;
}
