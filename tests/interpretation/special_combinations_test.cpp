// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/special_combinations.h"

#include <gtest/gtest.h>

#include "support/geomantic_tables.h"

namespace {

const std::string kTenNone = "Соединение в Десяти -- НЕТ.";
const std::string kTenWhole =
    "Соединение в Десяти. Благоприятный расклад. Сильная Гора, сильное Направление.";
const std::string kTenTwo =
    "Соединение в Десяти в двух Дворцах Горы и Направления. Благоприятный расклад. Сильная Гора, "
    "сильное Направление.";
const std::string kConnectedNone = "Трехсоставной знак соединенных чисел -- НЕТ.";
const std::string kParentsNone = "Трехсоставной знак родителей -- НЕТ.";
const std::string kParentsLi = "Трехсоставной знак родителей Дома Ли.";
const std::string kParentsKan = "Трехсоставной знак родителей Дома Кань.";
const std::string kParentsCompound =
    "Сложный трехсоставной знак родителей. Расцвет во всех циклах.";

// Nine palaces by PalaceIndex (Цянь, Дуй, Ли, Чжэнь, Сюнь, Кань, Кунь, Гэнь, centre), all stars 1
// unless a case sets them.
std::array<MFB, 9> Ones() {
    std::array<MFB, 9> p;
    p.fill(MFB{1, 1, 1});
    return p;
}

TEST(CombinationOfTen, WholeChartWinsOverTheTwoPalaces) {
    auto p = Ones();
    // Mountain + facing = 10 in Сюнь, Ли and Чжэнь.
    p[Palace::Xun] = {3, 7, 1};
    p[Palace::Li] = {6, 4, 1};
    p[Palace::Zhen] = {2, 8, 1};
    const GeomanticTable t = LaidOutTable(180, p);
    // The facing and mountain palaces alone would qualify as well.
    EXPECT_EQ(ChecSpecial_10(t, 4, 6, 9, 1, 1, 1), kTenWhole);
}

TEST(CombinationOfTen, EachWholeChartPairing) {
    const std::array<MFB, 3> mountainBase = {{{3, 1, 7}, {6, 1, 4}, {2, 1, 8}}};
    const std::array<MFB, 3> mountainFacing = {{{3, 7, 1}, {6, 4, 1}, {2, 8, 1}}};
    const std::array<MFB, 3> baseFacing = {{{1, 7, 3}, {1, 4, 6}, {1, 8, 2}}};
    for (const auto& three : {mountainBase, mountainFacing, baseFacing}) {
        auto p = Ones();
        p[Palace::Xun] = three[0];
        p[Palace::Li] = three[1];
        p[Palace::Zhen] = three[2];
        EXPECT_EQ(ChecSpecial_10(LaidOutTable(0, p), 1, 1, 1, 1, 1, 1), kTenWhole);
    }
    // Two of the three palaces are not enough.
    auto p = Ones();
    p[Palace::Xun] = {3, 7, 1};
    p[Palace::Li] = {6, 4, 1};
    EXPECT_EQ(ChecSpecial_10(LaidOutTable(0, p), 1, 1, 1, 1, 1, 1), kTenNone);
}

TEST(CombinationOfTen, TwoPalacesNeedAPairInEach) {
    const GeomanticTable t = LaidOutTable(0, Ones());
    // FN + FM = 10 but nothing in the mountain palace (3 + 2, 1 + 2, 1 + 3).
    EXPECT_EQ(ChecSpecial_10(t, 4, 6, 3, 2, 5, 1), kTenNone);
    // FN, FM, SN, SM, FB, SB: each of the three pairs of each palace.
    EXPECT_EQ(ChecSpecial_10(t, 4, 6, 3, 7, 5, 1), kTenTwo);  // FN + FM, SN + SM
    EXPECT_EQ(ChecSpecial_10(t, 1, 6, 2, 3, 4, 8), kTenTwo);  // FB + FM, SB + SM
    EXPECT_EQ(ChecSpecial_10(t, 3, 1, 9, 5, 7, 1), kTenTwo);  // FB + FN, SB + SN
}

TEST(ConnectedNumbers, RunsOfThreeDistinctStarsAroundTheCycle) {
    EXPECT_TRUE(ConsecutiveRun(1, 2, 3));
    EXPECT_TRUE(ConsecutiveRun(9, 7, 8));
    EXPECT_TRUE(ConsecutiveRun(1, 9, 8));
    EXPECT_TRUE(ConsecutiveRun(2, 9, 1));
    EXPECT_FALSE(ConsecutiveRun(1, 1, 2));
    EXPECT_FALSE(ConsecutiveRun(1, 2, 4));
    EXPECT_FALSE(ConsecutiveRun(9, 1, 3));
    EXPECT_FALSE(ConsecutiveRun(0, 1, 2));
    int runs = 0;
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            for (int c = b + 1; c <= 9; ++c) runs += ConsecutiveRun(a, b, c);
    EXPECT_EQ(runs, 9);
}

TEST(ConnectedNumbers, SentencesAndTheirOrderOfNumbers) {
    EXPECT_EQ(ChecSpecial_3_1(1, 1, 8, 9),
              "Трехсоставной знак соединенных чисел. Расцвет дома, на протяжении 1-го, 8-го и "
              "9-го циклов.");
    // The run needs three distinct numbers.
    EXPECT_EQ(ChecSpecial_3_1(1, 1, 2, 1), kConnectedNone);
    // No run among 5, 5, 4, 4.
    EXPECT_EQ(ChecSpecial_3_1(5, 5, 4, 4), kConnectedNone);
    // The mountain palace's pair: SN, FM, FN.
    EXPECT_EQ(ChecSpecial_3_1(4, 2, 3, 3),
              "Трехсоставной знак соединенных чисел. Расцвет дома, на протяжении 3-го, 2-го и "
              "4-го циклов.");
    // Both pairs hold: the second test wins.
    EXPECT_EQ(ChecSpecial_3_1(2, 2, 3, 3), kConnectedNone);  // {2, 3, 3} is no run
    EXPECT_EQ(ChecSpecial_3_1(8, 8, 9, 9), kConnectedNone);
}

// Parent triples of mountain and facing stars in Ли, Чжэнь, Цянь and in Кань, Сюнь, Дуй.
std::array<MFB, 9> ParentsOfLiAndKan() {
    auto p = Ones();
    p[Palace::Li] = {1, 2, 5};
    p[Palace::Zhen] = {4, 5, 5};
    p[Palace::Qian] = {7, 8, 5};
    p[Palace::Kan] = {3, 6, 5};
    p[Palace::Xun] = {6, 9, 5};
    p[Palace::Dui] = {9, 3, 5};
    return p;
}

TEST(Parents, HouseOfLiOrKanByTheFacingSector) {
    const auto p = ParentsOfLiAndKan();
    // South, east and north-west face the house Ли; north, west and south-east the house Кань.
    for (int a : {180, 90, 315})
        EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(a, p), 2, 2), kParentsLi) << a;
    for (int a : {0, 270, 135})
        EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(a, p), 2, 2), kParentsKan) << a;
    // North-east and south-west face neither.
    for (int a : {45, 225}) EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(a, p), 2, 2), kParentsNone) << a;
    // Only when FN = FM.
    EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(180, p), 2, 3), kParentsNone);
}

TEST(Parents, BothMountainAndFacingStarsMustFormTheTriple) {
    auto p = ParentsOfLiAndKan();
    p[Palace::Zhen].facing = 4;  // facing stars of Ли, Чжэнь, Цянь: 2, 4, 8
    EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(180, p), 2, 2), kParentsNone);
    p = ParentsOfLiAndKan();
    p[Palace::Dui].mountain = 3;  // mountain stars of Кань, Сюнь, Дуй: 3, 6, 3
    EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(0, p), 2, 2), kParentsNone);
}

TEST(Parents, TheCompoundSentenceNeedsNoEqualPairAndReplacesTheHouse) {
    auto p = ParentsOfLiAndKan();
    p[Palace::Gen] = {1, 4, 7};
    p[Palace::Centre] = {8, 2, 5};
    p[Palace::Kun] = {9, 6, 3};
    EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(180, p), 2, 2), kParentsCompound);
    EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(45, p), 3, 7), kParentsCompound);
    p[Palace::Kun] = {9, 6, 6};
    EXPECT_EQ(ChecSpecial_3_2(LaidOutTable(180, p), 2, 2), kParentsLi);
}

}  // namespace
