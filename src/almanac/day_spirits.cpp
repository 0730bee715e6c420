// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/day_spirits.h"

#include <array>

namespace {

// The order of the twelve spirits, as the almanac counts them from 青龙.
constexpr std::array<SpiritEntry, kSpiritCount> kSpirits{{
    {"青龙", "Лазурный дракон", true},
    {"明堂", "Светлый зал", true},
    {"天刑", "Небесная кара", false},
    {"朱雀", "Красная птица", false},
    {"金匮", "Золотой ларец", true},
    {"天德", "Небесная добродетель", true},
    {"白虎", "Белый тигр", false},
    {"玉堂", "Нефритовый зал", true},
    {"天牢", "Небесная тюрьма", false},
    {"玄武", "Черная черепаха", false},
    {"司命", "Управитель судьбы", true},
    {"勾陈", "Крюк", false},
}};

// 青龙's branch under each key branch 子..亥: 寅申 → 子, 卯酉 → 寅, 辰戌 → 辰, 巳亥 → 午,
// 子午 → 申, 丑未 → 戌.
constexpr std::array<Branch, 12> kAzureDragon{9, 11, 1, 3, 5, 7, 9, 11, 1, 3, 5, 7};

}  // namespace

const SpiritEntry& Spirit(int spirit) {
    return kSpirits[spirit >= 1 && spirit <= kSpiritCount ? spirit - 1 : 0];
}

Branch AzureDragonBranch(Branch key) {
    return IsValidBranch(key) ? kAzureDragon[key - 1] : 1;
}

int SpiritOfBranch(Branch key, Branch ruled) {
    return ((ruled - AzureDragonBranch(key)) % 12 + 12) % 12 + 1;
}

int DaySpirit(MonthBranch monthBranch, Branch dayBranch) {
    return SpiritOfBranch(monthBranch, dayBranch);
}

int HourSpirit(Branch dayBranch, Branch hourBranch) {
    return SpiritOfBranch(dayBranch, hourBranch);
}
