// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/chart_details.h"

#include "tools/life_stages.h"

namespace {

PillarDetails DetailsOf(Pillar p, Stem dayMaster, const VoidPair& byDay, const VoidPair& byYear) {
    PillarDetails d;
    d.pillar = p;
    d.gods = PillarGodsOf(dayMaster, p);
    d.stage = LifeStageOf(dayMaster, p.branch).position;
    d.voidByDay = byDay.contains(p.branch);
    d.voidByYear = byYear.contains(p.branch);
    return d;
}

}  // namespace

PillarGods PillarGodsOf(Stem dayMaster, Pillar pillar) {
    PillarGods g;
    g.stem = TenGodOf(dayMaster, pillar.stem);
    g.hidden = HiddenStemsOf(pillar.branch);
    for (int i = 0; i < g.hidden.count; ++i)
        g.hiddenGods[i] = TenGodOf(dayMaster, g.hidden.stems[i]);
    return g;
}

ChartDetails ComputeChartDetails(const PersonChart& c) {
    ChartDetails d;
    d.dayMaster = c.day.stem;
    d.voidByDay = VoidBranchesOf(c.day);
    d.voidByYear = VoidBranchesOf(c.year);
    const ChartPillars pillars = {c.year, c.month, c.day, c.hour};
    for (int i = 0; i < kChartPillarCount; ++i)
        d.pillars[i] = DetailsOf(pillars[i], d.dayMaster, d.voidByDay, d.voidByYear);
    d.palaces = BirthPalacesOf(c.year, c.month, c.hour);
    d.stars = SymbolicStarsOf(pillars);
    for (int i = 1; i <= kLuckPillarCount; ++i) {
        LuckPillarDetails& l = d.luck[i - 1];
        l.age = LuckAge(c.firstLuckAge, i);
        l.details = DetailsOf(c.luckPillars[i - 1], d.dayMaster, d.voidByDay, d.voidByYear);
        l.years = YearsOfLuckPillar(c.birthYear, c.firstLuckAge, i);
        for (int k = 0; k < 10; ++k) l.yearGods[k] = PillarGodsOf(d.dayMaster, l.years[k].pillar);
    }
    d.smallLuck = SmallLuck(c.hour, c.luckForward, c.birthYear, c.firstLuckAge);
    return d;
}

std::array<ChartMonth, 12> ChartMonthsOfYear(Stem dayMaster, int year) {
    std::array<ChartMonth, 12> months;
    const std::array<SolarMonth, 12> solar = MonthsOfYear(year);
    for (int m = 0; m < 12; ++m) months[m] = {solar[m], PillarGodsOf(dayMaster, solar[m].pillar)};
    return months;
}
