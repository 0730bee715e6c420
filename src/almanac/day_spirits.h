// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve spirits of the yellow and black road (黄道/黑道 十二值神): one of them rules every day
// and every double hour. Spirits are numbered 1..12 in their fixed order, 1 = 青龙.
#include "calendar/vocabulary.h"

struct SpiritEntry {
    const char* hanzi;  // "青龙"
    const char* name;   // "Лазурный дракон"
    bool yellowRoad;    // the yellow road is auspicious, the black road not
};

constexpr int kSpiritCount = 12;

// The spirit 1..12 (out of range: the first).
const SpiritEntry& Spirit(int spirit);

// Where the first spirit, 青龙, stands: the branch it rules under the key branch. The key is the
// month branch (solar month) for the spirits of the days and the day branch for those of the hours.
Branch AzureDragonBranch(Branch key);

// The spirit 1..12 ruling `ruled` when 青龙 is placed by `key`: the others follow 青龙 branch by
// branch.
int SpiritOfBranch(Branch key, Branch ruled);
// The spirit of a day in its solar month.
int DaySpirit(MonthBranch monthBranch, Branch dayBranch);
// The spirit of a double hour of a day.
int HourSpirit(Branch dayBranch, Branch hourBranch);
