// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/palaces.h"

#include "calendar/pillars.h"
#include "person/cycle_wrap.h"

namespace {

constexpr Branch kZi = 1;    // 子
constexpr Branch kMao = 4;   // 卯
constexpr Branch kYou = 10;  // 酉
constexpr Branch kYin = 3;   // 寅: the first month

Pillar PalaceOf(Branch place, Stem yearStem) {
    return Pillar{MonthStem(place, yearStem), place};
}

}  // namespace

BirthPalaces BirthPalacesOf(Pillar year, Pillar month, Pillar hour) {
    BirthPalaces p;
    p.conception = Pillar{WrapStem(month.stem + 1), WrapBranch(month.branch + 3)};
    // Months counted backwards from 子: the birth month sits (month − 寅) places before it.
    const Branch monthPlace = WrapBranch(kZi - (month.branch - kYin));
    // The hour branch sits there; any other hour h falls (h − hour) places further on.
    p.life = PalaceOf(WrapBranch(monthPlace + kMao - hour.branch), year.stem);
    p.body = PalaceOf(WrapBranch(monthPlace + kYou - hour.branch), year.stem);
    return p;
}
