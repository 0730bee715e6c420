// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/branch_relations.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

TEST(BranchRelations, OfficerOfTwoBranches) {
    EXPECT_EQ(OfficerOfBranches(3, 1), 11);  // base Инь, additional Цзы
    EXPECT_EQ(OfficerName(OfficerOfBranches(3, 1)), "Кай. Раскрытие (11)");
    EXPECT_EQ(OfficerOfBranches(1, 1), 1);  // equal branches: Цзянь
    EXPECT_EQ(OfficerOfBranches(1, 12), 12);
    EXPECT_EQ(OfficerOfBranches(12, 1), 2);
    EXPECT_EQ(OfficerOfBranches(5, 9), 5);
}

TEST(BranchRelations, OfficerNamesAsWritten) {
    EXPECT_EQ(OfficerName(1), "Цзянь. Установление (1)");
    EXPECT_EQ(OfficerName(5), "Дин . Определение (5)");  // with its blank before the point
    EXPECT_EQ(OfficerName(8), "Вэй. Опасность (8)");
    EXPECT_EQ(OfficerName(12), "Би. Ограничение (12)");
    EXPECT_EQ(OfficerName(0), "");
    EXPECT_EQ(OfficerName(13), "");
    for (int officer = 1; officer <= 12; ++officer) {
        const std::string tail = "(" + std::to_string(officer) + ")";
        const std::string& name = OfficerName(officer);
        EXPECT_EQ(name.substr(name.size() - tail.size()), tail);
    }
}

TEST(BranchRelations, TheSixHarmoniesAndTheSixClashesInEitherOrder) {
    const std::set<std::pair<int, int>> harmonies = {{1, 2},  {3, 12}, {4, 11},
                                                     {5, 10}, {6, 9},  {7, 8}};
    const std::set<std::pair<int, int>> clashes = {{1, 7},  {2, 8},  {3, 9},
                                                   {4, 10}, {5, 11}, {6, 12}};
    int combine = 0, clash = 0;
    for (Branch a = 1; a <= 12; ++a) {
        for (Branch b = 1; b <= 12; ++b) {
            const std::pair<int, int> key{std::min(a, b), std::max(a, b)};
            BranchHarmony expected = BranchHarmony::Neutral;
            if (harmonies.count(key)) expected = BranchHarmony::Combine;
            if (clashes.count(key)) expected = BranchHarmony::Clash;
            EXPECT_EQ(HarmonyOfBranches(a, b), expected) << a << " " << b;
            combine += HarmonyOfBranches(a, b) == BranchHarmony::Combine;
            clash += HarmonyOfBranches(a, b) == BranchHarmony::Clash;
        }
    }
    EXPECT_EQ(combine, 12);  // six pairs, both orders
    EXPECT_EQ(clash, 12);

    EXPECT_EQ(HarmonyWord(HarmonyOfBranches(2, 8)), "НЕ сочетаются");  // Чоу and Вэй
    EXPECT_EQ(HarmonyWord(HarmonyOfBranches(8, 2)), "НЕ сочетаются");
    EXPECT_EQ(HarmonyWord(HarmonyOfBranches(2, 6)), "");  // Чоу and Сы
    EXPECT_EQ(HarmonyWord(HarmonyOfBranches(1, 2)), "сочетаются");
    EXPECT_EQ(HarmonyWord(HarmonyOfBranches(1, 1)), "");
    EXPECT_EQ(HarmonyOfBranches(0, 6), BranchHarmony::Neutral);
}

}  // namespace
