// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/geomantic_ruler.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(Ruler, VerdictsAtTheSegmentBounds) {
    struct Case {
        int position;
        const char* verdict;
    };
    const Case cases[] = {
        {1, "Финансовый успех"},
        {13, "Финансовый успех"},
        {14, "Покой, наполненный ценностями"},
        {63, "Денежные потери"},
        {130, "Денежные потери"},
        {150, "Кража или оргабление"},
        {215, "Хорошее будущее"},
        {216, "Успешная сдача экзаменов"},
        {339, "Смерть"},
        {351, "Смерть"},
        {419, "Достаток в драгоценностях"},
        {420, "Преуспевание"},
        {432, "Преуспевание"},
    };
    for (const Case& c : cases) EXPECT_EQ(Interpritation(c.position), c.verdict) << c.position;
}

TEST(Ruler, ThirtyTwoSegmentsOfThirteenOrFourteenMillimetresCoverTheRuler) {
    std::vector<int> widths;
    std::string current;
    for (int n = 1; n <= kRulerLength; ++n) {
        const std::string verdict = Interpritation(n);
        ASSERT_FALSE(verdict.empty()) << n;
        if (verdict != current) widths.push_back(0);
        current = verdict;
        ++widths.back();
    }
    ASSERT_EQ(widths.size(), 32u);
    for (std::size_t i = 0; i < widths.size(); ++i)
        EXPECT_TRUE(widths[i] == 13 || widths[i] == 14) << "segment " << i + 1 << ": " << widths[i];
}

TEST(Ruler, OffTheRulerThereIsNoVerdict) {
    EXPECT_EQ(Interpritation(0), "");
    EXPECT_EQ(Interpritation(433), "");
    EXPECT_EQ(Interpritation(-1), "");
}

TEST(Ruler, LengthsFoldOntoTheRuler) {
    struct Case {
        int length, position;
    };
    const Case cases[] = {{0, 0},   {1, 1},     {13, 13}, {431, 431}, {432, 432},
                          {433, 1}, {864, 432}, {865, 1}, {9999, 63}, {4320, 432}};
    for (const Case& c : cases) EXPECT_EQ(IntToCoord(c.length), c.position) << c.length;
    EXPECT_EQ(Interpritation(IntToCoord(9999)), "Денежные потери");
}

TEST(Ruler, TypedTextBecomesALengthOrResetsTheField) {
    struct Case {
        const char* text;
        int length;
        bool reset;
    };
    const Case cases[] = {
        {"0", 0, false},  {"13", 13, false}, {"9999", 9999, false}, {"0433", 433, false},
        {"+7", 7, false}, {"-5", 0, true},   {"-0", 0, false},      {"", 0, true},
        {"abc", 0, true}, {"1a", 0, true},   {" 5", 0, true},       {"-", 0, false},
        {"+", 0, false},  {"1 2", 0, true},  {"1,5", 0, true},
    };
    for (const Case& c : cases) {
        const RulerInput in = RulerLengthOfText(QString::fromUtf8(c.text));
        EXPECT_EQ(in.length, c.length) << '"' << c.text << '"';
        EXPECT_EQ(in.resetField, c.reset) << '"' << c.text << '"';
    }
}

TEST(Ruler, TheUpDownStaysWithinItsRangeWithoutWrapping) {
    EXPECT_EQ(StepRulerLength(0, -1), 0);
    EXPECT_EQ(StepRulerLength(0, 1), 1);
    EXPECT_EQ(StepRulerLength(9999, 1), 9999);
    EXPECT_EQ(StepRulerLength(9999, -1), 9998);
}

}  // namespace
