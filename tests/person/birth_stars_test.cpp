// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/birth_stars.h"

#include <gtest/gtest.h>

namespace {

TEST(WStar, MirrorsEveryStarAndUndoesItself) {
    const int mirrored[] = {5, 4, 3, 2, 1, 9, 8, 7, 6};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(WStar(n), mirrored[n - 1]) << n;
        EXPECT_EQ(WStar(WStar(n)), n) << n;
    }
    EXPECT_EQ(WStar(0), 0);
    EXPECT_EQ(WStar(10), 10);
}

TEST(GuaNumber, TheYearStarExceptFiveWhichGoesBySex) {
    for (int star : {1, 2, 3, 4, 6, 7, 8, 9}) {
        EXPECT_EQ(GuaNumber(star, true), star);
        EXPECT_EQ(GuaNumber(star, false), star);
    }
    EXPECT_EQ(GuaNumber(5, true), 2);
    EXPECT_EQ(GuaNumber(5, false), 8);
}

TEST(BaZhai, EveryGuaWithItsGroupPalaceAndElement) {
    struct Case {
        int gua;
        bool east;
        const char* text;
    };
    const Case cases[] = {
        {1, true, "Восточная судьба, Дворец Кань гуа, Вода"},
        {2, false, "Западная судьба, Дворец Кунь гуа, Почва"},
        {3, true, "Восточная судьба, Дворец Чжэнь гуа, Дерево"},
        {4, true, "Восточная судьба, Дворец Сюнь гуа, Дерево"},
        {6, false, "Западная судьба, Дворец Цянь гуа, Металл"},
        {7, false, "Западная судьба, Дворец Дуй гуа, Металл"},
        {8, false, "Западная судьба, Дворец Гэнь гуа, Почва"},
        {9, true, "Восточная судьба, Дворец Ли гуа, Огонь"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsEastGroup(c.gua), c.east) << c.gua;
        EXPECT_EQ(BaZhaiText(c.gua), c.text) << c.gua;
    }
    for (int noGua : {0, 5, 10, -1}) {
        EXPECT_EQ(BaZhaiText(noGua), "") << noGua;
    }
}

TEST(ScriptStarRod, TheOwnStarFirstThenTheOtherSexsStar) {
    EXPECT_EQ(ScriptStarRod(true, 1), "белая (Вода-ян) / 5 желтая (Почва-инь)");
    EXPECT_EQ(ScriptStarRod(false, 1), "белая (Вода-инь) / 5 желтая (Почва-ян)");
    EXPECT_EQ(ScriptStarRod(true, 3), "бирюзовая (Дерево-ян) / 3 бирюзовая (Дерево-инь)");
    EXPECT_EQ(ScriptStarRod(false, 7), "алая (Металл-инь) / 8 белая (Почва-ян)");
    EXPECT_EQ(ScriptStarRod(true, 9), "пурпурная (Огонь-ян) / 6 белая (Металл-инь)");
    EXPECT_EQ(ScriptStarRod(false, 9), "пурпурная (Огонь-инь) / 6 белая (Металл-ян)");
    EXPECT_EQ(ScriptStarRod(true, 0), "");
    EXPECT_EQ(ScriptStarRod(false, 10), "");
    EXPECT_EQ(StarLabelText(true, 5), "5 желтая (Почва-ян) / 1 белая (Вода-инь)");
}

TEST(ScriptStarRod, TheOtherHalfNamesTheMirroredStarWithTheOtherPolarity) {
    for (bool male : {true, false}) {
        for (int n = 1; n <= 9; ++n) {
            const std::string own = ScriptStarRod(male, n);
            const std::string other = ScriptStarRod(!male, WStar(n));
            // "<colour> (<element>-<polarity>) / <m> <colour> (...)": the part after " / " is
            // the other sex's own caption of the mirrored star.
            const auto slash = own.find(" / ");
            ASSERT_NE(slash, std::string::npos);
            EXPECT_EQ(own.substr(slash + 3),
                      std::to_string(WStar(n)) + " " + other.substr(0, other.find(" / ")))
                << male << " " << n;
        }
    }
}

}  // namespace
