// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/person_chart.h"

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "calendar/calendar_captions.h"
#include "calendar/epoch_year.h"
#include "calendar/moment_format.h"
#include "calendar/month_pillar.h"
#include "calendar/nine_stars.h"
#include "calendar/pillars.h"
#include "person/birth_stars.h"

namespace {

std::string LongitudeText(const Person& p) {
    return p.longitudeOn ? "долгота " + std::to_string(p.longitude) + " (гр.)"
                         : std::string("долгота не учтена");
}

}  // namespace

std::string StemElementText(Stem stem) {
    if (!IsValidStem(stem)) return std::string();
    return ElementName(StemElement(stem)) + "-" + PolarityName(StemPolarity(stem));
}

std::string StemHint(Stem stem) {
    if (!IsValidStem(stem)) return std::string();
    const std::string& caption = StemCaption(stem);
    return caption.substr(0, caption.size() - 2);  // without the trailing ", "
}

PersonCalculation CalculatePerson(const Person& person, const QLocale& locale) {
    PersonCalculation result;
    result.person = person;
    PersonChart& c = result.chart;
    PersonChartTexts& t = result.texts;

    const TimeSettings settings = PersonTimeSettings(person);
    const Moment birth = person.birth;
    const Moment zone = ZoneMomentOf(birth, settings);
    const Moment universal = UniversalOfZone(zone, settings);
    const Moment pillarTime = PillarOfZone(zone, settings);

    t.dateTime = FormatShortDateLongTime(birth, locale).toStdString();
    t.weekday = FormatWeekdayName(birth, locale).toStdString();

    c.year = YearPillar(universal);
    c.day = Pillar{DayStem(pillarTime), DayBranch(pillarTime)};
    c.hour.branch = HourBranch(pillarTime);
    c.hour.stem = HourStem(c.day.stem, c.hour.branch);

    // The epoch year turns where the year pillar turns: at "Становление весны" of the birth's own
    // zone, compared in zone time (so the birth's zone and summer shift decide it, not the
    // settings of the computer the chart happens to be drawn on).
    c.epochYear = EpochYear(zone, settings.zoneHours());
    c.yearStar = YearStar(c.epochYear);
    c.greatCycleStar = GreatCycleStar(c.epochYear);
    c.smallCycleStar = SmallCycleStar(c.epochYear);

    SeasonInfo season;
    const MonthInForce month = MonthInForceAt(universal, c.year.stem, season);
    c.termName = season.termName;
    c.month = month.pillar;

    c.monthStar = MonthStar(c.year.branch, c.month.branch);
    c.dayStar = DayStar(c.day.stem, c.day.branch, c.termName);
    c.hourStar = HourStar(c.day.branch, c.hour.branch, c.termName);

    c.male = person.male;
    if (!c.male) {
        for (int* star : {&c.greatCycleStar, &c.smallCycleStar, &c.yearStar, &c.monthStar,
                          &c.dayStar, &c.hourStar}) {
            *star = WStar(*star);
        }
    }
    t.sexWord = SexWord(c.male);

    t.yearPillar = PillarCaption(c.year);
    t.monthPillar = PillarCaption(c.month);
    t.dayPillar = PillarCaption(c.day);
    t.hourPillar = PillarCaption(c.hour);
    t.yearSign = CycleCaption("Знак года ", c.year);
    t.monthSign = CycleCaption("Знак периода ", c.month);
    t.daySign = CycleCaption("Знак дня ", c.day);
    t.hourSign = CycleCaption("Знак часа ", c.hour);

    c.guaNumber = GuaNumber(c.yearStar, c.male);

    t.greatCycleStar = StarLabelText(c.male, c.greatCycleStar);
    t.smallCycleStar = StarLabelText(c.male, c.smallCycleStar);
    t.yearStar = StarLabelText(c.male, c.yearStar);
    t.monthStar = StarLabelText(c.male, c.monthStar);
    t.dayStar = StarLabelText(c.male, c.dayStar);
    t.hourStar = StarLabelText(c.male, c.hourStar);
    t.dayStemElement = StemElementText(c.day.stem);
    t.baZhai = BaZhaiText(c.guaNumber);

    // Measured from the same instant as the month pillar, so that the age counts from the
    // boundary of the birth month itself.
    c.luckForward = LuckRunsForward(c.male, c.year.stem);
    c.luckPillars = LuckPillars(c.month, c.luckForward);
    c.firstLuckAge = FirstLuckAge(c.luckForward, month.readAt);
    c.birthYear = YearOfMoment(person.birth);
    for (int i = 1; i <= kLuckPillarCount; ++i) {
        const Pillar& p = c.luckPillars[i - 1];
        t.luckAges[i - 1] = std::to_string(LuckAge(c.firstLuckAge, i));
        const LuckYears years = LuckPillarYears(c.birthYear, c.firstLuckAge, i);
        t.luckYears[i - 1] = std::to_string(years.first) + "–" + std::to_string(years.last);
        t.luckStemHints[i - 1] = StemHint(p.stem);
        t.luckBranchHints[i - 1] = BranchCaption(p.branch);
    }

    t.zone = settings.zoneCaption;
    t.summerHours = std::to_string(person.summerHours);
    t.longitude = LongitudeText(person);
    t.statusLine = "Расчет на: " + t.dateTime + " | пол: " + t.sexWord + " | " + t.zone +
                   " | л.в.: " + t.summerHours + " | " + t.longitude;
    return result;
}
