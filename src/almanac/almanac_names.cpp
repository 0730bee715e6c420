// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/almanac_names.h"

#include <array>

namespace {

constexpr std::array<const char*, 10> kStems{"甲", "乙", "丙", "丁", "戊",
                                             "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char*, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<const char*, 12> kAnimals{"Крыса",    "Бык",   "Тигр",   "Кролик",
                                               "Дракон",   "Змея",  "Лошадь", "Овца",
                                               "Обезьяна", "Петух", "Собака", "Свинья"};
constexpr std::array<const char*, 8> kDirectionNames{"С", "СВ", "В", "ЮВ", "Ю", "ЮЗ", "З", "СЗ"};
constexpr std::array<const char*, 8> kDirectionCodes{"N", "NE", "E", "SE", "S", "SW", "W", "NW"};

}  // namespace

const char* StemHanzi(Stem stem) {
    return IsValidStem(stem) ? kStems[stem - 1] : "";
}

const char* BranchHanzi(Branch branch) {
    return IsValidBranch(branch) ? kBranches[branch - 1] : "";
}

std::string PillarHanzi(Pillar p) {
    return std::string(StemHanzi(p.stem)) + BranchHanzi(p.branch);
}

const char* AnimalName(Branch branch) {
    return IsValidBranch(branch) ? kAnimals[branch - 1] : "";
}

const char* DirectionName(Direction d) {
    return kDirectionNames[static_cast<int>(d)];
}

const char* DirectionCode(Direction d) {
    return kDirectionCodes[static_cast<int>(d)];
}
