// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/hanzi.h"

#include <array>

namespace {

const std::array<const char*, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                            "己", "庚", "辛", "壬", "癸"};
const std::array<const char*, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                               "午", "未", "申", "酉", "戌", "亥"};

}  // namespace

std::string StemHanzi(Stem stem) {
    return IsValidStem(stem) ? kStems[static_cast<std::size_t>(stem - 1)] : "";
}

std::string BranchHanzi(Branch branch) {
    return IsValidBranch(branch) ? kBranches[static_cast<std::size_t>(branch - 1)] : "";
}
