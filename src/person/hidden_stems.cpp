// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/hidden_stems.h"

namespace {

// 子 癸 · 丑 己 癸 辛 · 寅 甲 丙 戊 · 卯 乙 · 辰 戊 乙 癸 · 巳 丙 庚 戊 · 午 丁 己 · 未 己 丁 乙 ·
// 申 庚 壬 戊 · 酉 辛 · 戌 戊 辛 丁 · 亥 壬 甲 (stems numbered 甲 = 1 … 癸 = 10).
const std::array<HiddenStems, 12> kHidden = {{
    {{10}, 1},
    {{6, 10, 8}, 3},
    {{1, 3, 5}, 3},
    {{2}, 1},
    {{5, 2, 10}, 3},
    {{3, 7, 5}, 3},
    {{4, 6}, 2},
    {{6, 4, 2}, 3},
    {{7, 9, 5}, 3},
    {{8}, 1},
    {{5, 8, 4}, 3},
    {{9, 1}, 2},
}};

}  // namespace

const HiddenStems& HiddenStemsOf(Branch branch) {
    static const HiddenStems none;
    return IsValidBranch(branch) ? kHidden[branch - 1] : none;
}
