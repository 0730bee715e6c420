// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/personal_forecast.h"

#include "geomancy/star_combinations.h"
#include "person/birth_place_clock.h"
#include "person/birth_stars.h"
#include "text/ini_file.h"

namespace {

std::string Num(int n) {
    return std::to_string(n);
}

// The text after a star number in the headings: the star as a man's (its yang reading), whoever
// the forecast is for.
std::string Description(int star) {
    return ScriptStarRod(true, star);
}

// A star that selects a file: mirrored for a woman.
int FileStar(int star, bool male) {
    return male ? star : MirrorStar(star);
}

void AppendLines(ReportDocument& r, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) r.Append(line);
}

}  // namespace

std::string GeneralCharacteristicPath(int birthYearStar, bool male) {
    const bool womans = !male && (birthYearStar == 1 || birthYearStar == 5);
    return "\\other\\goro\\s" + Num(birthYearStar) + (womans ? "f" : "") + ".txt";
}

std::string StarForecastPath(int star, int birthYearStar, bool male) {
    return "\\other\\goro\\" + Num(FileStar(star, male)) + "-" + Num(birthYearStar) + ".txt";
}

ForecastYear ClientForecastYear(int year, const Person& person) {
    return ForecastYearOf(
        year, [person](Moment universal) { return CivilMomentAtBirthPlace(universal, person); });
}

std::string ForecastCaption(int year) {
    return "Прогноз на " + Num(year) + " год";
}

void AppendPersonalForecast(ReportDocument& r, const ForecastYear& year,
                            const PersonCalculation& calculation, const ForecastTexts& texts,
                            const QLocale& locale) {
    const Person& person = calculation.person;
    const PersonChart& chart = calculation.chart;
    const PersonChartTexts& t = calculation.texts;
    const bool male = chart.male;
    const int B = chart.yearStar;  // as displayed: a woman's mirrored, 5 kept
    const auto periods = ForecastPeriods(year);
    const auto date = [&](Moment civil) { return ForecastDate(civil, locale); };

    r.StyleTitl();
    r.Append(ForecastCaption(year.year) + " (с " + date(periods.front().from) + " по " +
             date(periods.back().to) + ")");
    r.StyleTitl2();
    r.Append("Звезда года: " + Num(year.yearStar) + " " + Description(year.yearStar));
    r.AppendEmpty();

    r.StyleTitl2();
    r.Append("Имя: " + person.name);
    r.StyleText();
    r.Append(male ? "Мужчина." : "Женщина.");
    r.Append("Дата и время рождения: " + t.dateTime);
    r.AppendEmpty();

    r.StyleTitl2();
    r.Append("Звезды рождения:");
    r.StyleText();
    r.Append("Большой Цикл (60 лет): " + t.greatCycleStar);
    r.Append("Малый Цикл (20 лет): " + t.smallCycleStar);
    r.Append("Звезда года рождения: " + t.yearStar);
    r.Append("Звезда месяца рождения: " + t.monthStar);
    r.Append("Звезда дня рождения: " + t.dayStar);
    r.Append("Звезда часа рождения: " + t.hourStar);
    r.AppendEmpty();

    r.StyleTitl2();
    r.Append("Временные поправки:");
    r.StyleText();
    r.Append("GMT: " + t.zone);
    r.Append("Летнее время: " + t.summerHours);
    r.Append(person.longitudeOn ? "Долгота места рождения " + Num(person.longitude) + " (гр.)"
                                : std::string("Долгота места рождения не учтена"));
    r.Append("Даты прогноза: " + BirthPlaceClockText(person));
    r.AppendEmpty();

    r.StyleTitl2();
    r.Append("Общая характеристика личности по звезде года рождения:");
    r.StyleText();
    AppendLines(r, texts(GeneralCharacteristicPath(B, male)));
    r.AppendEmpty();

    r.StyleTitl2();
    r.Append("Общие тенденции для расчетного года (по звезде года рождения):");
    r.StyleText();
    AppendLines(r, texts(StarForecastPath(year.yearStar, B, male)));

    const auto stars = MonthlyStars(year.yearBranch);
    const char* const whose = chart.yearStar == chart.monthStar
                                  ? " и звезда года рождения и месяца рождения:"
                                  : " и звезда года рождения:";
    for (int p = 0; p < kForecastPeriodCount; ++p) {
        const int m = stars[p];
        r.AppendEmpty();
        r.AppendEmpty();
        r.StyleRed();
        r.Append("Характеристики для периода с " + date(periods[p].from) + " по " +
                 date(periods[p].to));
        r.AppendEmpty();
        r.StyleTitl2();
        r.Append("Звезда месяца " + Num(m) + " " + Description(m) + whose);
        r.StyleText();
        AppendLines(r, texts(StarForecastPath(m, B, male)));
    }
}

ReportContent ForecastReportContent(const ForecastYear& year, const PersonCalculation& calculation,
                                    const ForecastTexts& texts, const QLocale& locale) {
    ReportContent content;
    content.caption = ForecastCaption(year.year);
    try {
        AppendPersonalForecast(content.document, year, calculation, texts, locale);
    } catch (const EFileError& e) {
        // Nothing of a report that stopped half-way is shown.
        content.document = ReportDocument();
        content.error = e.what();
    }
    return content;
}
