// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Ten Gods (Десять Богов, 十神): what a stem is to the day stem (the day master), by the
// relation of their elements and whether their polarities agree.
#include "calendar/vocabulary.h"

enum class TenGod {
    Friend,          // 比肩: the same element, the same polarity
    Rival,           // 劫财: the same element, the other polarity
    Eater,           // 食神: the day master produces it, the same polarity
    Rebel,           // 伤官: … the other polarity
    IndirectWealth,  // 偏财: the day master controls it, the same polarity
    DirectWealth,    // 正财
    SevenKillings,   // 七杀: it controls the day master, the same polarity
    DirectOfficer,   // 正官
    IndirectSeal,    // 偏印: it produces the day master, the same polarity
    DirectSeal,      // 正印
};
constexpr int kTenGodCount = 10;

// What `stem` is to `dayStem`; both must be valid stems.
TenGod TenGodOf(Stem dayStem, Stem stem);
