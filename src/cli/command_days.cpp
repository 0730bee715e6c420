// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <iostream>

#include "astro/calendar_prefill.h"
#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "calendar/nine_stars.h"
#include "cli/almanac_record.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/moment_record.h"
#include "cli/place_options.h"

namespace {

void PrintPillar(Pillar p, std::ostream& out) {
    out << StemName(p.stem) << '-' << BranchName(p.branch);
}

void PrintDayLine(const MomentCalendar& c, const std::string& date, std::ostream& out) {
    const CurrentMoment& m = c.moment;
    out << date << "  ";
    PrintPillar(m.year, out);
    out << "  ";
    PrintPillar(m.month, out);
    out << "  ";
    PrintPillar(m.day, out);
    out << "  ";
    PrintPillar(m.hour, out);
    out << "  " << c.season.termName << "  звезды " << m.yearStar << "/" << m.monthStar << "/"
        << m.dayStar << "/" << m.hourStar << "  луна " << c.lunar.month
        << (c.lunar.leap ? "доп." : "") << "-" << c.lunar.day << "  созвездие " << m.mansion
        << "  установление " << DayOfficer(m.month.branch, m.day.branch) << "\n";
}

}  // namespace

int RunDaysCommand(const CommandWords& words, std::ostream& out) {
    std::vector<std::string> valued = {"from", "to", "time", "jobs"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    valued.insert(valued.end(), PlaceOptionNames().begin(), PlaceOptionNames().end());
    const CliOptions options(words, valued, {"json", "almanac", kPlaceLongitudeFlag});
    const Moment from = ParseDate(options.value("from"), "from");
    const Moment to = ParseDate(options.value("to"), "to");
    if (to < from) throw CliError("--to раньше, чем --from");
    // Without --time each day is taken at noon, well away from the 23:00 day turn.
    const double time = options.has("time") ? ParseTimeOfDay(options.value("time"), "time") : 0.5;
    const MomentZone zone(options, &std::cerr);
    const bool json = options.flag("json");
    const bool almanac = options.flag("almanac");
    const int jobs = ParseJobs(options);
    // The years' term instants and new moons first, on all threads; the walk then finds them
    // remembered. On one thread the walk searches them as it meets them, which costs the same.
    if (jobs > 1) PrefillCalendarYears(YearOfMoment(from), YearOfMoment(to), jobs);

    // One record and one line buffer for the whole walk.
    MomentCalendar c;
    JsonObject record;
    for (Moment day = from; day <= to && out; day += 1) {  // stop once the output fails
        const TimeSettings settings = zone.At(day + time);
        ComputeMomentCalendar(day + time, settings, c);
        const std::string date = IsoDate(day);
        if (json) {
            FillMomentRecord(record, c, date);
            if (zone.followsDatabase()) {
                AddZoneFields(record, settings, zone.timeZone());
                AddWarningsField(record, day + time, settings, zone);
            }
            if (almanac) AddAlmanacFields(record, AlmanacOfCalendar(c, settings));
            record.writeLine(out);
        } else {
            PrintDayLine(c, date, out);
            // Under the day's line; the status text brings its own leading blank.
            const char* const under = "            ";
            if (zone.followsDatabase()) {
                out << under << StatusLineText(settings) << "\n";
                for (const std::string& line : MomentWarningLines(zone, day + time, settings))
                    out << under << " Внимание: " << line << "\n";
            }
            if (almanac) PrintAlmanacLines(AlmanacOfCalendar(c, settings), under, out);
        }
    }
    return 0;
}
