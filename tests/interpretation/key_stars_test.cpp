// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/key_stars.h"

#include <gtest/gtest.h>

#include "support/geomantic_tables.h"

namespace {

TEST(FacingSectorOf, SectorsByStrictBoundsAndOneReductionAbove360) {
    struct Case {
        double azimuth;
        CompassSector sector;
    };
    const Case cases[] = {
        {0, CompassSector::N},    {22, CompassSector::N},   {22.5, CompassSector::N},
        {23, CompassSector::NE},  {67, CompassSector::NE},  {67.5, CompassSector::N},
        {68, CompassSector::E},   {112, CompassSector::E},  {113, CompassSector::SE},
        {157, CompassSector::SE}, {158, CompassSector::S},  {202, CompassSector::S},
        {203, CompassSector::SW}, {247, CompassSector::SW}, {248, CompassSector::W},
        {292, CompassSector::W},  {293, CompassSector::NW}, {337, CompassSector::NW},
        {338, CompassSector::N},  {360, CompassSector::N},  {540, CompassSector::S},
        {427, CompassSector::NE}, {472, CompassSector::E},  {361, CompassSector::N},
    };
    for (const Case& c : cases) EXPECT_EQ(FacingSectorOf(c.azimuth), c.sector) << c.azimuth;
}

TEST(FacingSectorOf, AgreesWithTheChartSectorsForEveryWholeDegree) {
    for (int a = 0; a <= 360; ++a) {
        EXPECT_EQ(FacingSectorOf(a), SectorOfAzimuth(a)) << a;
        EXPECT_EQ(ReportFacingPalace(a), FacingPalace(a)) << a;
        EXPECT_EQ(ReportMountainPalace(a), SittingPalace(a)) << a;
    }
}

TEST(KeyStars, NorthAndSouthAtZeroAnd360) {
    for (int a : {0, 360}) {
        EXPECT_EQ(ReportFacingPalace(a), Palace::Kan) << a;
        EXPECT_EQ(ReportMountainPalace(a), Palace::Li) << a;
    }
    EXPECT_EQ(ReportFacingPalace(247), Palace::Kun);
    EXPECT_EQ(ReportFacingPalace(248), Palace::Dui);
}

TEST(KeyStars, ReadFromTheFacingAndTheMountainPalace) {
    // Facing north in period 8: Кань holds mountain 7, facing 9, base 4; Ли 8, 8, 3.
    const GeomanticTable& t = NorthPeriod8Table();
    const KeyStars k = KeyStarsOf(t);
    EXPECT_EQ(k.FN, 9);
    EXPECT_EQ(k.FM, 7);
    EXPECT_EQ(k.FB, 4);
    EXPECT_EQ(k.SN, 8);
    EXPECT_EQ(k.SM, 8);
    EXPECT_EQ(k.SB, 3);
}

TEST(KeyStars, GateStarsOfOuterPalacesOnly) {
    const GeomanticTable& t = NorthPeriod8Table();
    // The main gate flies the base star 9 of Цянь, the additional gate the 2 of Гэнь.
    EXPECT_EQ(StarInMainGate(t, Palace::Qian), 8);
    EXPECT_EQ(StarInSecondGate(t, Palace::Gen), 5);
    for (PalaceIndex bad : {Palace::Centre, -1, 9, 100}) {
        EXPECT_EQ(StarInMainGate(t, bad), 0) << bad;
        EXPECT_EQ(StarInSecondGate(t, bad), 0) << bad;
    }
}

}  // namespace
