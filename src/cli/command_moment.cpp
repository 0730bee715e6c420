#include "calendar/moment_calendar.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/moment_record.h"

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

}  // namespace

int RunMomentCommand(const CommandWords& words, std::ostream& out) {
    std::vector<std::string> valued = {"date"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    const CliOptions options(words, valued, {"json"});
    const Moment civil = ParseDateTime(options.value("date"), "date");
    const TimeSettings settings = ParseZoneOptions(options);
    const MomentCalendar c = ComputeMomentCalendar(civil, settings);
    if (options.flag("json")) {
        out << MomentRecordJson(c, IsoDateTime(civil)).str() << "\n";
    } else {
        PrintCalendar(c, out);
    }
    return 0;
}
