// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/luck_years.h"

#include "astro/solar_terms.h"
#include "calendar/pillars.h"
#include "person/cycle_wrap.h"
#include "person/luck_pillars.h"

namespace {

// 1984 was a 甲子 year.
constexpr int kJiaZiYear = 1984;

// The month-opening terms (15·k degrees) of 寅 … 丑: "Становление весны" (k = 21) … "Малый холод"
// (k = 19, next January).
constexpr std::array<TermIndex, 12> kOpeningTerms = {21, 23, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
constexpr Branch kFirstMonth = 3;  // 寅

}  // namespace

Pillar PillarOfYear(int year) {
    const int n = year - kJiaZiYear;
    return Pillar{WrapStem(n + 1), WrapBranch(n + 1)};
}

std::array<LuckPillarYear, 10> YearsOfLuckPillar(int birthYear, int firstLuckAge, int i) {
    std::array<LuckPillarYear, 10> years;
    const int first = LuckPillarYears(birthYear, firstLuckAge, i).first;
    for (int k = 0; k < 10; ++k) {
        LuckPillarYear& y = years[k];
        y.year = first + k;
        y.pillar = PillarOfYear(y.year);
        y.age = y.year - birthYear;
    }
    return years;
}

std::array<SolarMonth, 12> MonthsOfYear(int year) {
    std::array<SolarMonth, 12> months;
    const Stem yearStem = PillarOfYear(year).stem;
    for (int m = 0; m < 12; ++m) {
        const Branch branch = WrapBranch(kFirstMonth + m);
        months[m].pillar = Pillar{MonthStem(branch, yearStem), branch};
        // The last month opens in January, which belongs to the next Gregorian year.
        months[m].begins = TermInstant(m == 11 ? year + 1 : year, kOpeningTerms[m]);
    }
    return months;
}

std::vector<SmallLuckYear> SmallLuck(Pillar hour, bool forward, int birthYear, int firstLuckAge) {
    std::vector<SmallLuckYear> years;
    for (int age = 0; age < firstLuckAge; ++age) {
        years.push_back({birthYear + age, age, LuckPillar(hour, forward, age + 1)});
    }
    return years;
}
