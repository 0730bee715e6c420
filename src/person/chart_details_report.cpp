// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/chart_details_report.h"

#include "calendar/moment_format.h"
#include "person/chart_detail_captions.h"
#include "person/chinese_characters.h"
#include "person/personal_report.h"

namespace {

// "庚午 Друг; скрытые 丁 己: Прямой чиновник, Прямая печать"
std::string GodsText(Pillar p, const std::string& stemGod, const PillarGods& g) {
    return PillarCharacters(p) + " " + stemGod + "; скрытые " + HiddenStemsText(g) + ": " +
           HiddenGodsText(g);
}

// The pillar, its gods, the day master's stage in it and its void mark.
std::string PillarText(const std::string& stemGod, const PillarDetails& d) {
    std::string line = GodsText(d.pillar, stemGod, d.gods) + "; " + StageCaption(d);
    const std::string mark = VoidMark(d);
    if (!mark.empty()) line += "; " + mark;
    return line;
}

}  // namespace

std::vector<std::string> FullPersonalReportLines(const std::string& windowCaption,
                                                 const PersonCalculation& calculation) {
    std::vector<std::string> lines = PersonalReportLines(windowCaption, calculation);
    lines.push_back("");
    for (std::string& line : ChartDetailsLines(ComputeChartDetails(calculation.chart)))
        lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> ChartDetailsLines(const ChartDetails& d) {
    std::vector<std::string> lines;
    lines.push_back("Скрытые стволы, Десять Богов и стадии хозяина дня " +
                    StemCharacter(d.dayMaster) + ":");
    for (int i = 0; i < kChartPillarCount; ++i)
        lines.push_back(ChartPillarName(i) + ": " + PillarText(StemGodCaption(d, i), d.pillars[i]));
    lines.push_back("Пустота: по дню " + VoidPairCharacters(d.voidByDay) + ", по году " +
                    VoidPairCharacters(d.voidByYear));
    lines.push_back("Зачатие: " + PalaceText(d.palaces.conception));
    lines.push_back("Дворец жизни: " + PalaceText(d.palaces.life));
    lines.push_back("Дворец тела: " + PalaceText(d.palaces.body));
    lines.push_back("");
    lines.push_back("Символические звезды:");
    for (const SymbolicStarHit& hit : d.stars)
        lines.push_back(SymbolicStarCaption(hit.rule) + " (" + StarBasisCaption(hit.basis) +
                        "): " + StarPillarsText(hit));
    if (!d.smallLuck.empty()) {
        lines.push_back("");
        lines.push_back("Малая удача (小运):");
        for (const SmallLuckYear& y : d.smallLuck)
            lines.push_back(std::to_string(y.year) + ", возраст " + std::to_string(y.age) + ": " +
                            PillarCharacters(y.pillar));
    }
    lines.push_back("");
    lines.push_back("Столпы удачи по годам:");
    for (int i = 0; i < kLuckPillarCount; ++i) {
        const LuckPillarDetails& l = d.luck[i];
        lines.push_back(std::to_string(i + 1) + ". с возраста " + std::to_string(l.age) + ": " +
                        PillarText(TenGodCaption(l.details.gods.stem), l.details));
        for (int k = 0; k < 10; ++k) {
            const LuckPillarYear& y = l.years[k];
            lines.push_back("   " + std::to_string(y.year) + ", возраст " + std::to_string(y.age) +
                            ": " +
                            GodsText(y.pillar, TenGodCaption(l.yearGods[k].stem), l.yearGods[k]));
        }
    }
    return lines;
}

std::vector<std::string> YearMonthsLines(const ChartDetails& d, int year, const Person& person,
                                         const QLocale& locale) {
    std::vector<std::string> lines;
    lines.push_back("Месяцы " + std::to_string(year) + " года (начало " +
                    BirthPlaceClockText(person) + "):");
    for (const ChartMonth& m : ChartMonthsOfYear(d.dayMaster, year)) {
        const Moment begins = CivilMomentAtBirthPlace(m.month.begins, person);
        lines.push_back(FormatShortDateLongTime(begins, locale).toStdString() + " " +
                        GodsText(m.month.pillar, TenGodCaption(m.gods.stem), m.gods));
    }
    return lines;
}
