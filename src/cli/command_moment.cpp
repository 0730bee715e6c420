// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "calendar/calendar_captions.h"
#include "calendar/moment_calendar.h"
#include "cli/almanac_record.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/moment_record.h"
#include "cli/place_options.h"

namespace {

// The calendar window's rows, in its order.
void PrintCalendar(const CalendarCaptions& t, std::ostream& out) {
    out << "Расчет произведен на: " << t.dateTime << ", " << t.weekday << "\n"
        << "Год:   " << t.yearPillar << "  (" << t.yearSign << ")\n"
        << "Месяц: " << t.monthPillar << "  (" << t.monthSign << ")\n"
        << "День:  " << t.dayPillar << "  (" << t.daySign << ")\n"
        << "Час:   " << t.hourPillar << "  (" << t.hourSign << ")\n"
        << t.seasonMonth << ", " << t.term << "\n"
        << "Год китайского календаря: " << t.chineseYear << "\n"
        << "Юань (60 лет): " << t.era << "\n"
        << "Большой юнь (60 лет): " << t.greatCycleStar << " " << t.greatCycleColour << "\n"
        << "Малый юнь (20 лет): " << t.smallCycleStar << " " << t.smallCycleColour << "\n"
        << "Звезда года: " << t.yearStar << " " << t.yearStarColour << "\n"
        << "Звезда месяца: " << t.monthStar << " " << t.monthStarColour << "\n"
        << "Звезда дня: " << t.dayStar << " " << t.dayStarColour << "\n"
        << "Звезда часа: " << t.hourStar << " " << t.hourStarColour << "\n"
        << "Лунный месяц: " << t.lunarMonth << (t.leapMonth ? " (дополнительный)" : "") << "\n"
        << "Лунный день: " << t.lunarDay << "\n";
}

// The place, the settings it gave and the boundary warnings, after the calendar.
void PrintPlaceLines(const MomentZone& zone, Moment civil, const TimeSettings& s,
                     std::ostream& out) {
    out << PlaceLine(zone);
    out << "Пояс: " << zone.timeZone() << StatusLineText(s) << "\n";
    for (const std::string& line : MomentWarningLines(zone, civil, s))
        out << "Внимание: " << line << "\n";
}

}  // namespace

int RunMomentCommand(const CommandWords& words, std::ostream& out) {
    std::vector<std::string> valued = {"date"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    valued.insert(valued.end(), PlaceOptionNames().begin(), PlaceOptionNames().end());
    const CliOptions options(words, valued, {"json", "almanac", kPlaceLongitudeFlag});
    const Moment civil = ParseDateTime(options.value("date"), "date");
    const MomentZone zone(options, &std::cerr);
    const TimeSettings settings = zone.At(civil);
    const MomentCalendar c = ComputeMomentCalendar(civil, settings);
    if (options.flag("json")) {
        JsonObject record;
        FillMomentRecord(record, c, IsoDateTime(civil));
        if (zone.followsDatabase()) {
            AddPlaceFields(record, zone);
            AddZoneFields(record, settings, zone.timeZone());
            AddWarningsField(record, civil, settings, zone);
        }
        if (options.flag("almanac")) AddAlmanacFields(record, AlmanacOfCalendar(c, settings));
        record.writeLine(out);
    } else {
        PrintCalendar(CaptionsOfCalendar(c, CliLocale()), out);
        if (zone.followsDatabase()) PrintPlaceLines(zone, civil, settings, out);
        if (options.flag("almanac")) {
            out << "Альманах дня:\n";
            PrintAlmanacLines(AlmanacOfCalendar(c, settings), "  ", out);
        }
    }
    return 0;
}
