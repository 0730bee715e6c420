#include "calendar/moment_calendar.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/moment_record.h"
#include "cli/place_options.h"
#include "calendar/boundary_warnings.h"

namespace {

// The calendar window's rows, in its order.
void PrintCalendar(const MomentCalendar& c, std::ostream& out) {
    const CalendarTexts& t = c.texts;
    out << "Расчет произведен на: " << t.labelNow << ", " << t.week << "\n"
        << "Год:   " << t.psYear << "  (" << t.label28 << ")\n"
        << "Месяц: " << t.psMon << "  (" << t.label27 << ")\n"
        << "День:  " << t.psDay << "  (" << t.label25 << ")\n"
        << "Час:   " << t.psHour << "  (" << t.label26 << ")\n"
        << t.bigSeason << ", " << t.smallSeason << "\n"
        << "Год китайского календаря: " << t.epochYears << "\n"
        << "Юань (60 лет): " << t.juang << "\n"
        << "Большой юнь (60 лет): " << t.jungBig << " " << t.labelJunBigName << "\n"
        << "Малый юнь (20 лет): " << t.jung << " " << t.labelJunName << "\n"
        << "Звезда года: " << t.labelYearStar << " " << t.labelYearS << "\n"
        << "Звезда месяца: " << t.labelMoonStar << " " << t.labelMoonS << "\n"
        << "Звезда дня: " << t.dayStar << " " << t.dayStarS << "\n"
        << "Звезда часа: " << t.chasStar << " " << t.chasStarS << "\n"
        << "Лунный месяц: " << t.month << (t.leapVisible ? " (дополнительный)" : "") << "\n"
        << "Лунный день: " << t.day << "\n";
}

// The place, the settings it gave and the boundary warnings, after the calendar.
void PrintPlaceLines(const MomentZone& zone, Moment civil, const TimeSettings& s, std::ostream& out) {
    if (zone.place()) out << "Место: " << PlaceCaption(*zone.place()) << "\n";
    out << "Пояс: " << zone.timeZone() << StatusLineText(s) << "\n";
    for (const BoundaryWarning& w : FindBoundaryWarnings(civil, s))
        out << "Внимание: " << BoundaryWarningText(w) << "\n";
}

}  // namespace

int RunMomentCommand(const CommandWords& words, std::ostream& out) {
    std::vector<std::string> valued = {"date"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    valued.insert(valued.end(), PlaceOptionNames().begin(), PlaceOptionNames().end());
    const CliOptions options(words, valued, {"json"});
    const Moment civil = ParseDateTime(options.value("date"), "date");
    const MomentZone zone(options);
    const TimeSettings settings = zone.At(civil);
    const MomentCalendar c = ComputeMomentCalendar(civil, settings);
    if (options.flag("json")) {
        JsonObject o = MomentRecordJson(c, IsoDateTime(civil));
        if (zone.followsDatabase()) {
            AddZoneFields(o, settings, zone.timeZone());
            AddWarningsField(o, civil, settings);
        }
        out << o.str() << "\n";
    } else {
        PrintCalendar(c, out);
        if (zone.followsDatabase()) PrintPlaceLines(zone, civil, settings, out);
    }
    return 0;
}
