// SPDX-License-Identifier: GPL-3.0-or-later
// select: the days of a range that meet the criteria, as text, JSON lines, an iCalendar file or
// a CSV table.
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <iostream>

#include "astro/calendar_prefill.h"
#include "astro/moment.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "person/person_chart.h"
#include "person/person_file.h"
#include "text/ini_file.h"
#include "text/output_target.h"
#include "text/utf8.h"
#include "text/whole_file.h"
#include "tools/day_selection.h"
#include "tools/day_selection_export.h"

namespace {

const char* const kSelectUsage =
    "gavrosin-cli select --from YYYY-MM-DD --to YYYY-MM-DD [--time HH:MM] [условия] [пояс]\n"
    "                    [--json | --ics FILE | --csv FILE]\n"
    "Диапазон не длиннее 20 лет; каждый день берется в --time (по умолчанию 12:00).\n"
    "Условия (списки через запятую):\n"
    "  --officer 1,2,...      только эти цзянь (1..12)     --not-officer ...  кроме этих\n"
    "  --mansion 1,2,...      только эти созвездия (1..28) --not-mansion ...  кроме этих\n"
    "  --day-star 1,...       звезды дня (1..9)            --lunar-day 1,...  лунные дни (1..30)\n"
    "  --person A.gvp[,B.gvp] до двух человек: файл или ветви года/дня, например 5/11\n"
    "  --no-clash year,day    без столкновения с ветвью года / дня человека\n"
    "  --no-clash hour        благоприятные часы без столкновения с ветвями человека\n"
    "  --yellow-road          только дни желтого пути\n"
    "  --no-month-breaker  --no-year-breaker  --no-term-day\n"
    "--jobs N: сначала моменты сезонов и новолуния всех лет на N ядрах (по умолчанию на всех).\n";

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::string item;
    for (char c : text + ",") {
        if (c == ',') {
            if (!item.empty()) items.push_back(item);
            item.clear();
        } else {
            item += c;
        }
    }
    return items;
}

std::set<int> NumberSet(const CliOptions& options, const std::string& name, int high) {
    std::set<int> values;
    if (const auto text = options.optionalValue(name)) {
        for (const std::string& item : SplitList(*text))
            values.insert(ParseInteger(item, name, 1, high));
        if (values.empty()) throw CliError("--" + name + ": ожидается список чисел");
    }
    return values;
}

PersonBranches PersonOf(const std::string& item, const TimeSettings& settings) {
    PersonBranches p;
    // Typed branches "year/day", one or two digits each.
    const auto isDigits = [](const std::string& t) {
        return !t.empty() && t.size() <= 2 &&
               std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::size_t slash = item.find('/');
    if (slash != std::string::npos && isDigits(item.substr(0, slash)) &&
        isDigits(item.substr(slash + 1))) {
        p.year = ParseInteger(item.substr(0, slash), "person", 1, 12);
        p.day = ParseInteger(item.substr(slash + 1), "person", 1, 12);
        return p;
    }
    // A missing person file would read as a person born now: refuse it instead.
    const QFileInfo file(QString::fromStdString(item));
    if (!file.isFile()) throw CliError("--person: нет такого файла: " + QuotedBack(item));
    try {
        const Person person = ReadPersonFile(item, CurrentCivilMoment(settings), settings);
        const PersonChart chart = CalculatePerson(person, CliLocale()).chart;
        p.name = person.name.empty() ? file.completeBaseName().toStdString() : person.name;
        p.year = chart.year.branch;
        p.day = chart.day.branch;
    } catch (const EFileError& e) {
        throw CliError(std::string("--person: ") + e.what());
    }
    return p;
}

void PrintDay(const DayVerdict& v, std::ostream& out) {
    const DayFacts& f = v.facts;
    out << IsoDate(f.date) << "  " << StemName(f.day.stem) << "-" << BranchName(f.day.branch)
        << "  " << OfficerName(f.officer) << "  созвездие " << f.mansion << "  звезда дня "
        << f.dayStar << "  луна " << f.lunar.month << (f.lunar.leap ? "доп." : "") << "-"
        << f.lunar.day << "  " << f.term << "\n";
}

}  // namespace

int RunSelectCommand(const CommandWords& words, std::ostream& out) {
    for (const std::string& w : words) {
        if (w == "--help" || w == "-h") {
            out << kSelectUsage;
            return 0;
        }
    }
    std::vector<std::string> valued = {
        "from",     "to",        "time",   "officer", "not-officer", "mansion", "not-mansion",
        "day-star", "lunar-day", "person", "jobs",    "no-clash",    "ics",     "csv"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    const CliOptions options(
        words, valued,
        {"json", "no-month-breaker", "no-year-breaker", "no-term-day", "yellow-road"});
    const Moment from = ParseDate(options.value("from"), "from");
    const Moment to = ParseDate(options.value("to"), "to");
    if (to < from) throw CliError("--to раньше, чем --from");
    if (to - from + 1 > kMaxSelectionDays) throw CliError("промежуток длиннее 20 лет");
    if (options.flag("json") + options.has("ics") + options.has("csv") > 1)
        throw CliError("укажите одно из --json, --ics и --csv");

    const TimeSettings settings = ParseZoneOptions(options);
    DayCriteria criteria;
    criteria.timeOfDay = options.has("time") ? ParseTimeOfDay(options.value("time"), "time") : 0.5;
    criteria.officers = NumberSet(options, "officer", 12);
    criteria.notOfficers = NumberSet(options, "not-officer", 12);
    criteria.mansions = NumberSet(options, "mansion", 28);
    criteria.notMansions = NumberSet(options, "not-mansion", 28);
    criteria.dayStars = NumberSet(options, "day-star", 9);
    criteria.lunarDays = NumberSet(options, "lunar-day", 30);
    if (const auto persons = options.optionalValue("person")) {
        for (const std::string& item : SplitList(*persons))
            criteria.persons.push_back(PersonOf(item, settings));
        if (criteria.persons.empty() || criteria.persons.size() > kMaxSelectionPersons)
            throw CliError("--person: один или два человека через запятую");
    }
    if (const auto clash = options.optionalValue("no-clash")) {
        for (const std::string& item : SplitList(*clash)) {
            if (item == "year")
                criteria.noClashWithPersonYear = true;
            else if (item == "day")
                criteria.noClashWithPersonDay = true;
            else if (item == "hour")
                criteria.noHourClashWithPerson = true;
            else
                throw CliError(
                    "--no-clash: ожидается year, day, hour или их список через запятую, указано "
                    "\"" +
                    QuotedBack(*clash) + "\"");
        }
        if (criteria.persons.empty()) throw CliError("--no-clash требует --person");
    }
    criteria.noMonthBreaker = options.flag("no-month-breaker");
    criteria.noYearBreaker = options.flag("no-year-breaker");
    criteria.noTermDay = options.flag("no-term-day");
    criteria.yellowRoadOnly = options.flag("yellow-road");
    const std::string problem = CheckSelection(from, to, criteria);
    if (!problem.empty()) throw CliError(problem);

    // Every output is checked before the search: a device, a pipe, a folder or a missing folder
    // is refused before anything is computed or written ("-" is standard output).
    const auto ics = options.optionalValue("ics");
    const auto csv = options.optionalValue("csv");
    std::vector<std::string> outputs;
    for (const auto& path : {ics, csv})
        if (path) outputs.push_back(*path);
    if (const std::string problem = CheckOutputTargets(outputs); !problem.empty())
        throw CliError(problem);

    // The years' term instants and new moons on all threads first, as the other ranged commands.
    const int jobs = ParseJobs(options);
    if (jobs > 1) PrefillCalendarYears(YearOfMoment(from), YearOfMoment(to), jobs);
    const std::vector<DayVerdict> days = SelectDays(from, to, criteria, settings);
    // Conditions no day of the range meets are said, not answered with an empty list.
    if (days.empty())
        throw CliError("ни один день с " + IsoDate(from) + " по " + IsoDate(to) +
                       " не отвечает условиям");
    // Writes an export whole or not at all, or to standard output for "-"; a failure is the
    // tool's one line.
    const auto write = [&out](const std::string& path, const std::string& bytes) {
        if (IsStandardOutput(path)) {
            out << bytes;
            return;
        }
        const std::string error = ReplaceWholeFile(path, bytes);
        if (!error.empty()) throw CliError(error);
    };
    const auto written = [&out, &days](const std::string& path) {
        if (!IsStandardOutput(path))
            out << "Выбрано дней: " << days.size() << ", записано в " << path << "\n";
    };
    if (const auto& path = ics) {
        // DTSTAMP is the moment of export, in universal time.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const double stamp =
            EncodeMoment(now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                         now.time().minute(), now.time().second());
        write(*path, DaysIcs(days, criteria, stamp));
        written(*path);
        return 0;
    }
    if (const auto& path = csv) {
        write(*path, DaysCsv(days, criteria, ';'));
        written(*path);
        return 0;
    }
    const bool json = options.flag("json");
    for (const DayVerdict& v : days) {
        if (!json) {
            PrintDay(v, out);
            continue;
        }
        const DayFacts& f = v.facts;
        JsonObject o;
        o.add("date", IsoDate(f.date))
            .add("day", std::vector<int>{f.day.stem, f.day.branch})
            .add("officer", f.officer)
            .add("mansion", f.mansion)
            .add("day_star", f.dayStar)
            .add("lunar_month", f.lunar.month)
            .add("lunar_day", f.lunar.day)
            .add("lunar_leap", f.lunar.leap)
            .add("term", f.term)
            .add("reasons", DayReasons(f, criteria));
        out << o.str() << "\n";
    }
    return 0;
}
