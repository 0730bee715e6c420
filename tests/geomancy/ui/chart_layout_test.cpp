// SPDX-License-Identifier: GPL-3.0-or-later
// Where the palaces stand on the screen chart and the compass captions around it.
#include "geomancy/ui/chart_layout.h"

#include <gtest/gtest.h>

#include <set>

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

}  // namespace
