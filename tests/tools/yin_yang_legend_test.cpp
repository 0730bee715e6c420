// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/yin_yang_legend.h"

#include <gtest/gtest.h>

namespace {

TEST(YinYangLegend, RowsPairEachYangStarWithItsMirror) {
    const auto& rows = YinYangLegend();
    // The star mirror: 1↔5, 2↔4, 3↔3, 6↔9, 7↔8.
    const int mirror[10] = {0, 5, 4, 3, 2, 1, 9, 8, 7, 6};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(rows[i].yang.text.substr(0, 1), std::to_string(i + 1));
        EXPECT_EQ(rows[i].yin.text.substr(0, 1), std::to_string(mirror[i + 1]));
    }
    EXPECT_EQ(rows[0].yang.text, "1 белая (Вода)");
    EXPECT_EQ(rows[0].yin.text, "5 желтая (Почва)");
    EXPECT_EQ(rows[4].yin.text, "1 белыая (Вода)");  // as the legend has always read
    EXPECT_EQ(rows[8].yang.text, "9 пурпурная (Огонь)");
    EXPECT_EQ(rows[8].yin.text, "6 белая (Металл)");
    EXPECT_EQ(rows[6].yin.text, "8 белая (Почва)");
}

TEST(YinYangLegend, TheElementInParenthesesColoursTheSquare) {
    for (const LegendRow& row : YinYangLegend()) {
        for (const LegendEntry* e : {&row.yang, &row.yin}) {
            const std::string word = ElementName(e->element);
            EXPECT_NE(e->text.find("(" + word + ")"), std::string::npos) << e->text;
        }
    }
    EXPECT_EQ(ElementSquareColour(Element::Water), (Rgb{0, 0, 0}));
    EXPECT_EQ(ElementSquareColour(Element::Earth), (Rgb{224, 191, 1}));
    EXPECT_EQ(ElementSquareColour(Element::Wood), (Rgb{84, 168, 169}));
    EXPECT_EQ(ElementSquareColour(Element::Metal), (Rgb{255, 255, 255}));
    EXPECT_EQ(ElementSquareColour(Element::Fire), (Rgb{210, 16, 0}));
    EXPECT_STREQ(kYangColumnCaption, "Звезды ян");
    EXPECT_STREQ(kYinColumnCaption, "Звезды инь");
}

}  // namespace
