// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/combination_pages.h"

#include <gtest/gtest.h>

namespace {

TEST(CombinationPages, StarListCaptions) {
    const char* expected[9] = {"1 белая", "2 черная", "3 бирюзовая", "4 зеленая",  "5 желтая",
                               "6 белая", "7 алая",   "8 белая",     "9 пурпурная"};
    for (int star = 1; star <= 9; ++star) EXPECT_EQ(StarListCaption(star), expected[star - 1]);
    EXPECT_EQ(StarListCaption(0), "");
    EXPECT_EQ(StarListCaption(10), "");
}

TEST(CombinationPages, HostAndGuestPagesOfBothKinds) {
    EXPECT_EQ(CombinationPagePath(3, 7, CombinationKind::Cycles), "\\other\\people\\3-7.rtf");
    EXPECT_EQ(CombinationPagePath(3, 7, CombinationKind::FlyingStars),
              "\\other\\combstars\\3_7.rtf");
    // Host first: the reversed pair is another page.
    EXPECT_EQ(CombinationPagePath(7, 3, CombinationKind::Cycles), "\\other\\people\\7-3.rtf");
    EXPECT_STREQ(CombinationKindCaption(CombinationKind::Cycles), "Циклы");
    EXPECT_STREQ(CombinationKindCaption(CombinationKind::FlyingStars), "Летящие звезды");
}

}  // namespace
