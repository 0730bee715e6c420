// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Clash and sha of a day (冲煞): the animal the day clashes with, printed as the clashing pillar,
// and the side where the day's sha lies.
#include "almanac/almanac_names.h"
#include "calendar/vocabulary.h"

// The pillar the day clashes with: the opposite branch, and the stem of the same polarity that the
// day stem controls (甲 → 戊, 丙 → 庚, 庚 → 甲 ...). Day 丙申 → 庚寅.
Pillar ClashPillar(Pillar day);
// The sha of a day branch: south on 申子辰 days, north on 寅午戌, west on 亥卯未, east on 巳酉丑.
Direction ShaDirection(Branch dayBranch);
