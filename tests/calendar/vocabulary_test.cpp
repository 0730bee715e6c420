// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/vocabulary.h"

#include <gtest/gtest.h>

namespace {

TEST(Vocabulary, PillarCaptionIsBranchLabelThenStemLabel) {
    std::string caption = "прежний текст";
    BranchLabel(caption, 1);
    StemLabel(caption, 1);
    EXPECT_EQ(caption, "Цзя (Дерево-ян), Цзы (Вода-ян)");
    EXPECT_EQ(PillarCaption({10, 12}), "Гуй (Вода-инь), Хай (Вода-инь)");

    std::string empty;
    StemLabel(empty, 1);
    EXPECT_EQ(empty, "Цзя (Дерево-ян), ");

    std::string kept = "без изменений";
    StemLabel(kept, 11);
    BranchLabel(kept, 0);
    BranchLabel(kept, 13);
    EXPECT_EQ(kept, "без изменений");
}

TEST(Vocabulary, ElementsAndPolarityFollowTheIndex) {
    EXPECT_EQ(ElementName(StemElement(1)), "Дерево");
    EXPECT_EQ(ElementName(StemElement(6)), "Почва");
    EXPECT_EQ(ElementName(StemElement(10)), "Вода");
    EXPECT_EQ(PolarityName(StemPolarity(3)), "ян");
    EXPECT_EQ(PolarityName(StemPolarity(8)), "инь");
    // Branch 6 (Сы) is yin and branch 7 (У) yang, strictly by parity.
    EXPECT_EQ(BranchPolarity(6), Polarity::Yin);
    EXPECT_EQ(BranchPolarity(7), Polarity::Yang);
    EXPECT_EQ(BranchElement(6), Element::Fire);
    EXPECT_EQ(BranchElement(11), Element::Earth);
    // The branch caption carries its element and polarity.
    for (Branch b = 1; b <= 12; ++b) {
        const std::string expected = BranchName(b) + " (" + ElementName(BranchElement(b)) + "-" +
                                     PolarityName(BranchPolarity(b)) + ")";
        EXPECT_EQ(BranchCaption(b), expected);
    }
    for (Stem s = 1; s <= 10; ++s) {
        const std::string expected = StemName(s) + " (" + ElementName(StemElement(s)) + "-" +
                                     PolarityName(StemPolarity(s)) + "), ";
        EXPECT_EQ(StemCaption(s), expected);
    }
}

TEST(Vocabulary, SexagenaryNumbers) {
    EXPECT_EQ(SexagenaryNumber(1, 1), "1");
    EXPECT_EQ(SexagenaryNumber(2, 2), "2");
    EXPECT_EQ(SexagenaryNumber(1, 11), "11");
    EXPECT_EQ(SexagenaryNumber(1, 3), "51");
    EXPECT_EQ(SexagenaryNumber(10, 12), "60");
    EXPECT_EQ(SexagenaryNumber(1, 2), "0");
    EXPECT_EQ(SexagenaryNumber(0, 1), "0");
    EXPECT_EQ(SexagenaryNumber(1, 13), "0");
    for (int n = 1; n <= 60; ++n) {
        const Pillar p = PillarOfSexagenary(n);
        EXPECT_EQ(SexagenaryIndex(p.stem, p.branch), n);
    }
}

TEST(Vocabulary, TermNumberings) {
    EXPECT_EQ(TermOrdinalOfName("Становление весны"), 1);
    EXPECT_EQ(TermOrdinalOfName("Большие холода"), 24);
    EXPECT_EQ(TermOrdinalOfName("Весеннее равноденствие"), 4);
    EXPECT_EQ(TermOrdinalOfName("весеннее равноденствие"), 0);
    EXPECT_EQ(TermOrdinalOfName(""), 0);
    for (TermIndex k = 0; k < 24; ++k) {
        EXPECT_EQ(TermOf(k).longitude, 15 * k);
        EXPECT_EQ(TermOf(k).ordinal, TermOrdinalOfIndex(k));
        EXPECT_EQ(TermOrdinalOfName(TermOf(k).name), TermOrdinalOfIndex(k));
        // A solar month opens at each odd k; the following even k lies in its middle.
        if (k % 2 == 1) {
            EXPECT_EQ(TermOf(k).monthBranch, TermOf((k + 1) % 24).monthBranch);
        }
    }
    EXPECT_EQ(TermOf(21).monthBranch, 3);
    EXPECT_STREQ(TermOf(21).seasonMonthName, "Начало весны");
    EXPECT_EQ(TermOf(17).monthBranch, 1);
    EXPECT_STREQ(TermOf(18).name, "Зимнее солнцестояние");
}

TEST(Vocabulary, StarColoursAndEras) {
    std::string colour;
    StarColourName(1, colour);
    EXPECT_EQ(colour, "белая");
    StarColourName(6, colour);
    EXPECT_EQ(colour, "белая");
    StarColourName(8, colour);
    EXPECT_EQ(colour, "белая");
    StarColourName(9, colour);
    EXPECT_EQ(colour, "пурпурная");
    StarColourName(10, colour);
    EXPECT_EQ(colour, "пурпурная");
    EXPECT_EQ(*StarColour(3), "бирюзовая");

    std::string era = "прежнее";
    for (int y = 4621; y <= 4680; ++y) {
        YuanName(y, era);
        EXPECT_EQ(era, "Нижний") << y;
    }
    YuanName(4681, era);
    EXPECT_EQ(era, "Верхний");
    YuanName(4741, era);
    EXPECT_EQ(era, "Средний");
}

TEST(Vocabulary, TrigramsRefuseOutOfRangeNumbers) {
    TrigramNumber gua;
    EXPECT_EQ(gua.value(), 1);
    EXPECT_EQ(gua.name(), "Цянь");
    EXPECT_EQ(gua.element(), "Металл");
    EXPECT_FALSE(gua.set(6).has_value());
    EXPECT_EQ(gua.name(), "Кань");
    EXPECT_EQ(gua.element(), "Вода");
    for (int bad : {0, 9, -1}) {
        const auto refusal = gua.set(bad);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(*refusal, "Volue must be between 1 and 8!!!");
        EXPECT_EQ(gua.value(), 6);
    }
    EXPECT_EQ(TrigramElement(7), "Почва");
    EXPECT_EQ(TrigramName(4), "Чжэнь");
}

}  // namespace
