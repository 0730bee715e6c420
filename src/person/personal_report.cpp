// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/personal_report.h"

#include <algorithm>
#include <cctype>

#include "calendar/boundary_warnings.h"

std::vector<std::string> PersonalReportLines(const std::string& windowCaption,
                                             const PersonCalculation& calculation) {
    const Person& p = calculation.person;
    const PersonChartTexts& t = calculation.texts;
    // The capital "Юнь" of the report against the window's "юнь" is the report's own wording.
    std::vector<std::string> lines{
        "Файл: " + windowCaption,
        "",
        "Имя: " + p.name,
        "Дата и время рождения: " + t.dateTime,
        calculation.chart.male ? "Мужчина." : "Женщина.",
        "",
        "Восемь основ: ",
        t.yearPillar + " " + t.yearSign,
        t.monthPillar + " " + t.monthSign,
        t.dayPillar + " " + t.daySign,
        "Стихия по стволу дня рождения: " + t.dayStemElement,
        t.hourPillar + " " + t.hourSign,
        "",
        "Звезды рождения",
        "Большой Юнь (60 лет): " + t.greatCycleStar,
        "Малый Юнь (20 лет): " + t.smallCycleStar,
        "Звезда года рождения: " + t.yearStar,
        "Звезда месяца рождения: " + t.monthStar,
        "Звезда дня рождения: " + t.dayStar,
        "Звезда часа рождения: " + t.hourStar,
        "",
        "",
        t.baZhai + ":",
        "",
        "Временные поправки:",
        "GMT: " + t.zone,
        "Летнее время: " + t.summerHours,
        p.longitudeOn ? "Долгота места рождения " + std::to_string(p.longitude) + " (гр.)"
                      : std::string("Долгота места рождения не учтена"),
    };
    if (!p.place.empty()) lines.push_back("Место рождения: " + p.place);
    // A birth within minutes of a boundary: the chart hangs on the exact time of birth.
    const auto warnings = FindBoundaryWarnings(p.birth, PersonTimeSettings(p));
    if (!warnings.empty()) {
        lines.push_back("");
        lines.push_back("Рождение вблизи границы:");
        for (const BoundaryWarning& w : warnings) lines.push_back(BoundaryWarningText(w));
    }
    // A birth whose clock time the place's summer time skipped or repeated, or before its zone.
    const auto clockLines = BirthClockWarningLines(p);
    if (!clockLines.empty()) {
        lines.push_back("");
        lines.push_back("Часы места рождения:");
        lines.insert(lines.end(), clockLines.begin(), clockLines.end());
    }
    return lines;
}

std::vector<std::string> PersonChartTextLines(const std::string& windowCaption,
                                              const PersonCalculation& calculation,
                                              int currentYear) {
    std::vector<std::string> lines = PersonalReportLines(windowCaption, calculation);
    const PersonChart& c = calculation.chart;
    const int current = LuckPillarOfYear(c.birthYear, c.firstLuckAge, currentYear);
    lines.push_back("");
    lines.push_back("Столпы удачи:");
    for (int i = 1; i <= kLuckPillarCount; ++i) {
        std::string line = std::to_string(i) + ". с " + calculation.texts.luckAges[i - 1] +
                           " лет (" + calculation.texts.luckYears[i - 1] +
                           "): " + PillarCaption(c.luckPillars[i - 1]);
        if (i == current) line += " — текущий (" + std::to_string(currentYear) + ")";
        lines.push_back(line);
    }
    return lines;
}

std::string ClientTitle(const Person& person) {
    return person.name.empty() ? "Персональный гороскоп" : person.name;
}

std::string ClientPageHeader(const PersonCalculation& calculation) {
    return ClientTitle(calculation.person) + " — " + calculation.texts.statusLine;
}

std::vector<std::string> ClientReportLines(const PersonCalculation& calculation) {
    std::vector<std::string> lines = PersonalReportLines("", calculation);
    lines.front() = ClientTitle(calculation.person);
    return lines;
}

std::vector<std::string> BirthWarningLines(const Person& person) {
    std::vector<std::string> lines;
    for (const BoundaryWarning& w : FindBoundaryWarnings(person.birth, PersonTimeSettings(person)))
        lines.push_back(BoundaryWarningText(w));
    for (const std::string& line : BirthClockWarningLines(person)) lines.push_back(line);
    return lines;
}

std::string ProposedReportFileName(const std::string& windowCaption) {
    const std::string extension = ".gvp";
    if (windowCaption.size() <= extension.size()) return windowCaption;
    const std::string tail = windowCaption.substr(windowCaption.size() - extension.size());
    const bool personFile =
        std::equal(tail.begin(), tail.end(), extension.begin(),
                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    if (!personFile) return windowCaption;
    return windowCaption.substr(0, windowCaption.size() - extension.size()) + ".txt";
}
