// SPDX-License-Identifier: GPL-3.0-or-later
// gavrosin-cli person: the full birth chart of one birth, or of every line of a batch file.
#include <QFileInfo>

#include "astro/moment.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/person_batch.h"
#include "cli/person_birth.h"
#include "cli/person_record.h"
#include "person/chart_details_report.h"
#include "person/person_file.h"
#include "person/personal_report.h"
#include "text/utf8.h"

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 8998;  // its months reach into January of the next year

const char* const kNoName = "Персональный гороскоп";

Person PersonOfOptions(const CliOptions& options) {
    if (options.has("file")) {
        for (const char* other :
             {"date", "sex", "place", "tz", "zone-hours", "zone-index", "summer", "longitude"})
            if (options.has(other))
                throw CliError(std::string("--") + other + " нельзя сочетать с --file");
        const std::string path = options.value("file");
        if (!QFileInfo::exists(QString::fromStdString(path)))
            throw CliError("--file: нет такого файла: " + QuotedBack(path));
        const TimeSettings defaults;
        return ReadPersonFile(path, CurrentCivilMoment(defaults), defaults);
    }
    const Moment birth = ParseDateTime(options.value("date"), "date");
    const bool male = ParseSex(options.value("sex"));
    return PersonBornAt(birth, male, MomentZone(options));
}

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) out << line << "\n";
}

}  // namespace

int RunPersonCommand(const CommandWords& words, std::ostream& out) {
    std::vector<std::string> valued = {"date", "sex", "file", "year", "batch", "jobs"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    valued.insert(valued.end(), PlaceOptionNames().begin(), PlaceOptionNames().end());
    const CliOptions options(words, valued, {"json"});
    if (options.has("batch")) {
        for (const char* other : {"date", "sex", "file", "year", "place", "tz", "zone-hours",
                                  "zone-index", "summer", "longitude"})
            if (options.has(other))
                throw CliError(std::string("--") + other + " нельзя сочетать с --batch");
        return RunPersonBatch(options.value("batch"), ParseJobs(options), out);
    }
    if (options.has("jobs")) throw CliError("--jobs требует --batch");
    const std::optional<int> year =
        options.has("year")
            ? std::optional<int>(ParseInteger(options.value("year"), "year", kFirstYear, kLastYear))
            : std::nullopt;

    const Person person = PersonOfOptions(options);
    const PersonCalculation calculation = CalculatePerson(person, CliLocale());
    const ChartDetails details = ComputeChartDetails(calculation.chart);
    if (options.flag("json")) {
        JsonObject record;
        record.add("date", IsoDateTime(person.birth)).add("sex", person.male ? "m" : "f");
        if (!person.name.empty()) record.add("name", person.name);
        FillPersonRecord(record, calculation, details, year);
        record.writeLine(out);
        return 0;
    }
    // The window's text: the chart and its luck pillars (the one running in the chosen or the
    // current year marked), then the full chart.
    const int shownYear =
        year ? *year : YearOfMoment(CurrentCivilMoment(PersonTimeSettings(person)));
    std::vector<std::string> lines =
        PersonChartTextLines(person.name.empty() ? kNoName : person.name, calculation, shownYear);
    lines.erase(lines.begin(), lines.begin() + 2);  // "Файл: …" and its blank: no window here
    PrintLines(lines, out);
    out << "\n";
    PrintLines(ChartDetailsLines(details), out);
    if (year) {
        out << "\n";
        PrintLines(YearMonthsLines(details, *year, person, CliLocale()), out);
    }
    return 0;
}
