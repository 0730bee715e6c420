// SPDX-License-Identifier: GPL-3.0-or-later
// The symbolic stars of two charts worked by hand from the table: every basis (day stem, year
// branch and its season, day branch, month branch) and both kinds of target (branch, stem).
#include "person/symbolic_stars.h"

#include <gtest/gtest.h>

#include <map>

#include "person/chart_detail_captions.h"
#include "person/chinese_characters.h"

namespace {

Pillar P(const char* stem, const char* branch) {
    return Pillar{static_cast<Stem>(kStemCharacters.find(stem) / kCharacterBytes + 1),
                  static_cast<Branch>(kBranchCharacters.find(branch) / kCharacterBytes + 1)};
}

// "灾煞/day_branch" → "Год" for every star found.
std::map<std::string, std::string> Found(const ChartPillars& pillars) {
    std::map<std::string, std::string> found;
    for (const SymbolicStarHit& hit : SymbolicStarsOf(pillars))
        found[std::string(SymbolicStarRules()[hit.rule].characters) + "/" +
              StarBasisId(hit.basis)] = StarPillarsText(hit);
    return found;
}

}  // namespace

// 庚午 辛巳 庚辰 庚辰: no day-stem star (庚 wants 丑未, 亥, 申, 酉, 戌); the 寅午戌 year and the
// 申子辰 day give their triad stars; the 巳 month its virtues (天德 辛 and 月德 庚 are stems).
TEST(SymbolicStars, TriadsSeasonAndMonthOfTheWorkedExample) {
    const std::map<std::string, std::string> expected = {
        {"将星/year_branch", "Год"},        {"亡神/year_branch", "Месяц"},
        {"华盖/day_branch", "День, Час"},   {"劫煞/day_branch", "Месяц"},
        {"灾煞/day_branch", "Год"},         {"寡宿/year_branch", "День, Час"},
        {"天德/month_branch", "Месяц"},     {"月德/month_branch", "Год, День, Час"},
        {"天医/month_branch", "День, Час"},
    };
    EXPECT_EQ(Found({P("庚", "午"), P("辛", "巳"), P("庚", "辰"), P("庚", "辰")}), expected);
}

// 甲子 丙寅 甲寅 丁卯: 甲's prosperity 寅 and blade 卯; the 子 year's red phoenix 卯.
TEST(SymbolicStars, DayStemAndYearBranchStars) {
    const std::map<std::string, std::string> found =
        Found({P("甲", "子"), P("丙", "寅"), P("甲", "寅"), P("丁", "卯")});
    EXPECT_EQ(found.at("禄神/day_stem"), "Месяц, День");
    EXPECT_EQ(found.at("羊刃/day_stem"), "Час");
    EXPECT_EQ(found.at("红鸾/year_branch"), "Час");
    EXPECT_EQ(found.count("天喜/year_branch"), 0u);  // 酉, opposite 卯, is not in the chart
    // The blade belongs to yang stems only.
    int blade = 0;
    while (std::string(SymbolicStarRules()[blade].id) != "blade") ++blade;
    EXPECT_TRUE(StarTargets(blade, P("乙", "丑").stem).empty());
}
