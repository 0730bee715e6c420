// SPDX-License-Identifier: GPL-3.0-or-later
// The small rules behind the table window: the wrapping up-down of the azimuth and the
// description pages.
#include <gtest/gtest.h>

#include "geomancy/azimuth_step.h"
#include "geomancy/star_pages.h"

namespace {

TEST(AzimuthStep, WrapsAtBothEndsOfTheRange) {
    EXPECT_EQ(StepAzimuth(95, 1), 96);
    EXPECT_EQ(StepAzimuth(95, -1), 94);
    EXPECT_EQ(StepAzimuth(359, 1), 360);  // 360 is a position of its own
    EXPECT_EQ(StepAzimuth(360, 1), 0);
    EXPECT_EQ(StepAzimuth(0, -1), 360);
    EXPECT_EQ(StepAzimuth(1, -1), 0);
    EXPECT_EQ(StepAzimuth(0, 361), 0);
    EXPECT_EQ(StepAzimuth(5, -10), 356);
}

TEST(StarPages, OnePagePerStarAndOnePerFacingAndMountainPair) {
    EXPECT_EQ(StarDescriptionPage(1), "\\other\\combstars\\1_0.rtf");
    EXPECT_EQ(StarDescriptionPage(9), "\\other\\combstars\\9_0.rtf");
    EXPECT_EQ(StarDescriptionPage(0), "");
    EXPECT_EQ(StarDescriptionPage(10), "");
    EXPECT_EQ(CombinationPage(6, 5), "\\other\\combstars\\6_5.rtf");
    EXPECT_EQ(CombinationPage(5, 6), "\\other\\combstars\\5_6.rtf");
    EXPECT_EQ(CombinationPage(0, 5), "");  // a table not computed yet
    EXPECT_EQ(CombinationPage(6, 10), "");
}

TEST(StarPages, APalaceCommentNamesItsFacingStarFirst) {
    GeomanticTable t;
    t.palaces[Palace::Kan].facing = 6;
    t.palaces[Palace::Kan].mountain = 5;
    t.palaces[Palace::Kan].base = 1;
    EXPECT_EQ(PalaceCommentPage(t, Palace::Kan), "\\other\\combstars\\6_5.rtf");
    EXPECT_EQ(PalaceCommentPage(t, Palace::Li), "");  // nothing computed there
    EXPECT_EQ(PalaceCommentPage(t, 9), "");
    EXPECT_EQ(PalaceCommentPage(t, -1), "");
}

}  // namespace
