// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"

#include <array>
#include <iomanip>
#include <iostream>

#include "astro/convert_error.h"
#include "calendar/moment_calendar.h"
#include "cli/cli_args.h"
#include "cli/json_writer.h"
#include "cli/place_options.h"
#include "cli/report_output.h"
#include "geomancy/azimuth_input.h"
#include "geomancy/star_combinations.h"
#include "geomancy/table_computation.h"
#include "geomancy/time_stars.h"
#include "interpretation/table_report.h"
#include "text/output_target.h"
#include "text/utf8.h"

namespace {

// The grid as drawn, south at the top.
constexpr std::array<std::array<PalaceIndex, 3>, 3> kGridRows = {{
    {Palace::Xun, Palace::Li, Palace::Kun},
    {Palace::Zhen, Palace::Centre, Palace::Dui},
    {Palace::Gen, Palace::Kan, Palace::Qian},
}};

constexpr int kCellWidth = 20;

// Characters (not bytes) of a UTF-8 text.
int TextWidth(const std::string& s) {
    int n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::string Padded(const std::string& s, int width) {
    return s + std::string(std::max(0, width - TextWidth(s)), ' ');
}

std::string Centred(const std::string& s, int width) {
    const int left = std::max(0, (width - TextWidth(s)) / 2);
    return Padded(std::string(left, ' ') + s, width);
}

std::string Digit(int star) {
    return star >= 1 && star <= 9 ? std::to_string(star) : "-";
}

std::string PalaceLine(const GeomanticTable& t, PalaceIndex p, int line) {
    const PalaceCells& c = t.palaces[p];
    switch (line) {
        case 0: {
            std::string name = " " + PalaceName(p);
            if (p == FacingPalace(t.azimuth)) name += " (направление)";
            if (p == SittingPalace(t.azimuth)) name += " (гора)";
            return name;
        }
        case 1:
            return "  " + Digit(c.mountain) + "     " + Digit(c.facing) + "      г " +
                   Digit(c.year);
        case 2: return "     " + Digit(c.base) + "         м " + Digit(c.month);
        default: return "               д " + Digit(c.day);
    }
}

void PrintChart(const GeomanticTable& t, std::ostream& out) {
    const std::string margin(4, ' ');
    const std::string rule = margin + "+" + [] {
        std::string r;
        for (int i = 0; i < 3; ++i) r += std::string(kCellWidth, '-') + "+";
        return r;
    }();
    const std::array<std::array<const char*, 3>, 2> kTopBottom = {
        {{"ЮВ", "Ю", "ЮЗ"}, {"СВ", "С", "СЗ"}}};
    auto captions = [&](int which) {
        std::string line = margin + " ";
        for (const char* c : kTopBottom[which]) line += Centred(c, kCellWidth) + " ";
        out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
    };
    captions(0);
    out << rule << "\n";
    for (int row = 0; row < 3; ++row) {
        for (int line = 0; line < 4; ++line) {
            std::string text;
            if (row == 1 && line == 1) {
                text = Padded("  В", 4);
            } else {
                text = margin;
            }
            text += "|";
            for (PalaceIndex p : kGridRows[row])
                text += Padded(PalaceLine(t, p, line), kCellWidth) + "|";
            if (row == 1 && line == 1) text += " З";
            out << text << "\n";
        }
        out << rule << "\n";
    }
    captions(1);
    out << "В каждом дворце: горная звезда слева, звезда направления справа, базовая внизу;\n"
           "г, м, д — звезды года, месяца и дня.\n";
}

void PrintGates(const GeomanticTable& t, std::ostream& out) {
    const std::array<const char*, 2> kTitles = {"Основные врата:", "Дополнительные врата:"};
    for (int g = 0; g < 2; ++g) {
        const GateChart& gate = t.gates[g];
        out << kTitles[g] << " " << PalaceName(gate.palace) << ", звезда "
            << Digit(gate.stars[Palace::Centre]) << " ("
            << StarPhaseName(gate.phases[Palace::Centre]) << ")\n";
        for (const auto& row : kGridRows) {
            std::string line = "   ";
            for (PalaceIndex p : row) {
                const std::string d = Digit(gate.stars[p]);
                line += p == gate.palace ? "[" + d + "]" : " " + d + " ";
            }
            out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
        }
    }
}

std::string KillingsWord(std::optional<KillingsDirection> d) {
    if (!d) return "";
    static const std::array<const char*, 4> kWords = {"юг", "север", "восток", "запад"};
    return kWords[static_cast<int>(*d)];
}

std::string OptionalPalaceName(std::optional<PalaceIndex> p) {
    return p ? PalaceName(*p) : "";
}

void PrintReadable(const GeomanticTable& t, std::ostream& out) {
    out << TableStatusLine(t.azimuth, t.tableDate, t.calculationMoment, CliLocale()) << "\n"
        << "Гора: " << t.sittingMountain << ", Направление: " << t.facingMountain
        << ", период постройки " << t.tablePeriod << ", текущий период " << t.currentPeriod << ", "
        << (t.normalZone ? "Основной знак." : "Замещающий знак.") << "\n\n";
    PrintChart(t, out);
    out << "\n";
    PrintGates(t, out);
    out << "\n";
    out << "Тай Суй: " << (t.taiSuiBranch ? BranchPalaceLabel(t.taiSuiBranch) : "-") << "\n"
        << kFlyingTaiSuiYearHint << ": " << OptionalPalaceName(t.flyingTaiSuiYear) << "\n"
        << kFlyingTaiSuiMonthHint << ": " << OptionalPalaceName(t.flyingTaiSuiMonth) << "\n";
    if (t.shaYear) out << ShaHint(true, *t.shaYear) << "\n";
    if (t.shaMonth) out << ShaHint(false, *t.shaMonth) << "\n";
    out << "Комментарий: " << t.chartComment << "\n";
}

JsonObject GateJson(const GateChart& gate) {
    JsonObject o;
    o.add("palace", PalaceName(gate.palace));
    o.add("stars", std::vector<int>(gate.stars.begin(), gate.stars.end()));
    return o;
}

JsonObject TableJson(const GeomanticTable& t) {
    JsonObject o;
    o.addShortest("azimuth", t.azimuth)
        .add("facing", t.facingMountain)
        .add("sitting", t.sittingMountain)
        .add("table_period", t.tablePeriod)
        .add("current_period", t.currentPeriod)
        .add("normal_zone", t.normalZone)
        .add("comment", t.chartComment);
    std::vector<JsonObject> palaces;
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        const PalaceCells& c = t.palaces[p];
        JsonObject j;
        j.add("palace", PalaceName(p))
            .add("mountain", c.mountain)
            .add("facing", c.facing)
            .add("base", c.base)
            .add("year", c.year)
            .add("month", c.month)
            .add("day", c.day)
            .add("phase_mountain", StarPhaseName(c.mountainPhase))
            .add("phase_facing", StarPhaseName(c.facingPhase))
            .add("phase_base", StarPhaseName(c.basePhase));
        palaces.push_back(j);
    }
    o.addObjects("palaces", palaces)
        .addObject("gate1", GateJson(t.gates[0]))
        .addObject("gate2", GateJson(t.gates[1]))
        .add("tai_sui_branch", t.taiSuiBranch)
        .add("flying_tai_sui_year", OptionalPalaceName(t.flyingTaiSuiYear))
        .add("flying_tai_sui_month", OptionalPalaceName(t.flyingTaiSuiMonth))
        .add("sha_year", KillingsWord(t.shaYear))
        .add("sha_month", KillingsWord(t.shaMonth));
    return o;
}

int Run(const std::vector<std::string>& args, std::ostream& out, const TableDrawer& drawer) {
    std::vector<std::string> valued = {"azimuth", "date", "at", "pdf", "png"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    valued.insert(valued.end(), PlaceOptionNames().begin(), PlaceOptionNames().end());
    const CliOptions options(args, valued, {"json", "report", kPlaceLongitudeFlag});
    const auto pdf = options.optionalValue("pdf");
    const auto png = options.optionalValue("png");
    if ((pdf || png) && (options.flag("json") || options.flag("report")))
        throw CliError("--pdf и --png записывают файлы: укажите их без --json и --report");
    if ((pdf && pdf->empty()) || (png && png->empty()))
        throw CliError("--pdf и --png требуют имени файла");
    if ((pdf || png) && !drawer) throw CliError("--pdf и --png здесь недоступны");
    if (pdf && png && IsStandardOutput(*pdf) && IsStandardOutput(*png))
        throw CliError("--pdf - и --png - не могут оба идти в стандартный вывод");
    // Every output is checked before any is written: a second one that cannot be written must
    // not leave the first written alone ("-" is standard output).
    std::vector<std::string> outputs;
    for (const auto& path : {png, pdf})
        if (path) outputs.push_back(*path);
    if (const std::string problem = CheckOutputTargets(outputs); !problem.empty())
        throw CliError(problem);
    // Read as the table window's box reads it, refused with the box's words.
    const std::string azimuthText = options.value("azimuth");
    const AzimuthBox box = CheckAzimuthText(azimuthText);
    if (!box.hint.empty())
        throw CliError("--azimuth: " + box.hint + ", указано \"" + QuotedBack(azimuthText) + "\"");
    const double azimuth = box.azimuth;
    const Moment tableDate = ParseDate(options.value("date"), "date");
    const auto at = options.optionalValue("at");
    // Without --at: now as the zone's clock shows it, the computer's own zone playing no part
    // (with --place/--tz the offsets of that moment: a few steps settle its summer shift).
    const MomentZone zone(options, &std::cerr);
    Moment civil = 0;
    if (at) {
        civil = ParseDateTime(*at, "at");
    } else {
        civil = CurrentCivilMoment(zone.At(kFirstMoment));
        for (int step = 0; step < 2; ++step) civil = CurrentCivilMoment(zone.At(civil));
    }
    const TimeSettings settings = zone.At(civil);

    const CurrentMoment moment = ComputeMomentCalendar(civil, settings).moment;
    GeomanticTable table;
    ComputeTable(table, TableInputs::ForAzimuth(azimuth, tableDate),
                 TablePeriod(tableDate, settings.zoneHours()), moment);
    if (pdf || png) {
        const std::string problem =
            drawer({table, tableDate, moment, settings.zoneHours(), pdf, png});
        if (!problem.empty()) throw CliError(problem);
        if (png && !IsStandardOutput(*png)) out << "Таблица записана в " << *png << "\n";
        if (pdf && !IsStandardOutput(*pdf)) out << "Отчет записан в " << *pdf << "\n";
    } else if (options.flag("report")) {
        PrintReport(CalcRich(table, CliLocale()), options.flag("json"), out);
    } else if (options.flag("json")) {
        out << TableJson(table).str() << "\n";
    } else {
        PrintReadable(table, out);
    }
    return 0;
}

}  // namespace

int RunTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const TableDrawer& drawer) {
    try {
        return Run(args, out, drawer);
    } catch (const std::exception& e) {
        // The system's errors (GavrosinError) and any other: one line, exit 2.
        err << "gavrosin-cli: " << e.what() << "\n";
        return 2;
    }
}
