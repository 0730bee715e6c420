// SPDX-License-Identifier: GPL-3.0-or-later
// The small rules behind the table window: where the palaces stand on screen, the compass
// captions, the wrapping up-down of the azimuth and the description pages.
#include <gtest/gtest.h>

#include <set>

#include "geomancy/azimuth_step.h"
#include "geomancy/chart_layout.h"
#include "geomancy/star_pages.h"

namespace {

TEST(ChartLayout, SouthIsAtTheTopAndEveryPlaceHoldsOnePalace) {
    struct Row {
        PalaceIndex palace;
        GridPlace place;
    };
    const Row rows[] = {
        {Palace::Xun, {0, 0}},  {Palace::Li, {0, 1}},     {Palace::Kun, {0, 2}},
        {Palace::Zhen, {1, 0}}, {Palace::Centre, {1, 1}}, {Palace::Dui, {1, 2}},
        {Palace::Gen, {2, 0}},  {Palace::Kan, {2, 1}},    {Palace::Qian, {2, 2}},
    };
    std::set<std::pair<int, int>> places;
    for (const Row& r : rows) {
        SCOPED_TRACE(PalaceName(r.palace));
        EXPECT_EQ(PalaceGridPlace(r.palace), r.place);
        EXPECT_EQ(PalaceAtGridPlace(r.place.row, r.place.column), r.palace);
        places.insert({r.place.row, r.place.column});
    }
    EXPECT_EQ(places.size(), 9u);
}

TEST(ChartLayout, CompassCaptionsAroundTheGrid) {
    EXPECT_EQ(CompassCaption(GridEdge::Top, 0), "ЮВ");
    EXPECT_EQ(CompassCaption(GridEdge::Top, 1), "Ю");
    EXPECT_EQ(CompassCaption(GridEdge::Top, 2), "ЮЗ");
    EXPECT_EQ(CompassCaption(GridEdge::Bottom, 0), "СВ");
    EXPECT_EQ(CompassCaption(GridEdge::Bottom, 1), "С");
    EXPECT_EQ(CompassCaption(GridEdge::Bottom, 2), "СЗ");
    EXPECT_EQ(CompassCaption(GridEdge::Left, 1), "В");
    EXPECT_EQ(CompassCaption(GridEdge::Right, 1), "З");
    for (GridEdge side : {GridEdge::Left, GridEdge::Right}) {
        EXPECT_EQ(CompassCaption(side, 0), "");
        EXPECT_EQ(CompassCaption(side, 2), "");
    }
    EXPECT_EQ(CompassCaption(GridEdge::Top, 3), "");
    EXPECT_EQ(CompassCaption(GridEdge::Top, -1), "");
}

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
