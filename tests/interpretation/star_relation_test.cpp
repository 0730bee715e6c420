// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/star_relation.h"

#include <gtest/gtest.h>

namespace {

const std::string kSame = "Гармоническое согласие. Счастье";
const std::string kProducesOut = "Порождение на выходе. Несчастье";
const std::string kProducesIn = "Порождение на входе. Cчастье";  // Latin C
const std::string kControlsOut = "Преодоление на выходе. Несчастье";
const std::string kControlsIn = "Преодоление на входе. Cчастье";  // Latin C

TEST(StarRelation, TextsOfTheFiveRelations) {
    struct Case {
        int x, y;
        const std::string& text;
    };
    const Case cases[] = {
        {2, 8, kSame},        {3, 4, kSame},        {6, 7, kSame},        {1, 1, kSame},
        {3, 9, kProducesOut}, {9, 5, kProducesOut}, {8, 6, kProducesOut}, {7, 1, kProducesOut},
        {1, 4, kProducesOut}, {9, 3, kProducesIn},  {1, 6, kProducesIn},  {1, 9, kControlsOut},
        {4, 2, kControlsOut}, {5, 1, kControlsOut}, {9, 7, kControlsOut}, {6, 3, kControlsOut},
        {1, 8, kControlsIn},  {7, 9, kControlsIn},
    };
    for (const Case& c : cases) EXPECT_EQ(StarRelation(c.x, c.y), c.text) << c.x << "-" << c.y;
}

TEST(StarRelation, TheIncomingTextsEndWithALatinCapitalC) {
    const std::string tail = "\u0447\u0430\u0441\u0442\u044c\u0435";  // "частье"
    for (const auto& [x, y] : {std::pair{9, 3}, {1, 8}}) {
        const std::string text = *StarRelation(x, y);
        ASSERT_GT(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        EXPECT_EQ(text[text.size() - tail.size() - 1], '\x43') << text;
    }
}

TEST(StarRelation, EveryPairReadsAsItsMirrorFromTheOtherSide) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const std::string a = *StarRelation(x, y), b = *StarRelation(y, x);
            if (a == kSame) {
                EXPECT_EQ(b, kSame);
            } else if (a == kProducesOut) {
                EXPECT_EQ(b, kProducesIn) << x << "-" << y;
            } else if (a == kControlsOut) {
                EXPECT_EQ(b, kControlsIn) << x << "-" << y;
            }
        }
    }
}

TEST(StarRelation, NoRelationForAStarOutsideOneToNine) {
    for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {10, 1}, {1, -1}, {0, 0}}) {
        EXPECT_FALSE(StarRelation(x, y).has_value()) << x << "-" << y;
    }
}

}  // namespace
