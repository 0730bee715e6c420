#include "geomancy/compass.h"

#include <gtest/gtest.h>

#include "geomancy/azimuth_input.h"
#include "geomancy/palaces.h"

namespace {

TEST(Compass, MountainBoundaries) {
    struct Case {
        int azimuth;
        const char* facing;
        const char* sitting;
    };
    for (const Case& c : {Case{7, "Цзы", "У"}, Case{8, "Гуй", "Дин"}, Case{352, "Жэнь", "Бин"},
                          Case{353, "Цзы", "У"}, Case{360, "Цзы", "У"}, Case{0, "Цзы", "У"},
                          Case{247, "Шэнь", "Инь"}, Case{248, "Гэн", "Цзя"},
                          Case{95, "Мао", "Ю"}, Case{225, "Кунь", "Гэнь"}}) {
        const MountainIndex m = MountainOfAzimuth(c.azimuth);
        EXPECT_EQ(MountainCaption(m), c.facing) << c.azimuth;
        EXPECT_EQ(MountainCaption(SittingMountain(m)), c.sitting) << c.azimuth;
    }
    EXPECT_EQ(MountainOfAzimuth(-1), -1);
    EXPECT_EQ(MountainOfAzimuth(361), -1);
    EXPECT_EQ(MountainCaption(-1), "");
}

TEST(Compass, EveryAzimuthLiesInTheRangeOfItsMountain) {
    int count[kMountainCount] = {};
    for (int a = 0; a <= 360; ++a) {
        const MountainIndex m = MountainOfAzimuth(a);
        ASSERT_GE(m, 0);
        const MountainInfo& info = MountainTable[m];
        const bool inRange = info.firstAzimuth <= info.lastAzimuth
                                 ? a >= info.firstAzimuth && a <= info.lastAzimuth
                                 : a >= info.firstAzimuth || a <= info.lastAzimuth;
        EXPECT_TRUE(inRange) << a << " in " << info.caption;
        ++count[m];
    }
    for (MountainIndex m = 0; m < kMountainCount; ++m) {
        // 15 degrees each; Цзы counts north twice (0 and 360).
        EXPECT_EQ(count[m], m == 1 ? 16 : 15) << MountainTable[m].caption;
        EXPECT_EQ(MountainOfAzimuth(MountainCentre(m)), m);
        EXPECT_EQ(SittingMountain(SittingMountain(m)), m);
    }
    EXPECT_EQ(MountainCentre(0), 345);
    EXPECT_EQ(MountainCentre(1), 0);
    EXPECT_EQ(MountainCentre(23), 330);
}

TEST(Compass, YuanIndexAndSectors) {
    // Earth, heaven and man mountain of the north sector, then the same pattern elsewhere.
    EXPECT_EQ(SanJuanRaschet(345), 2);
    EXPECT_EQ(SanJuanRaschet(0), 1);
    EXPECT_EQ(SanJuanRaschet(360), 1);
    EXPECT_EQ(SanJuanRaschet(353), 1);
    EXPECT_EQ(SanJuanRaschet(352), 2);
    EXPECT_EQ(SanJuanRaschet(8), 0);
    EXPECT_EQ(SanJuanRaschet(247), 0);  // Шэнь, the man mountain of SW
    EXPECT_EQ(SanJuanRaschet(248), 2);  // Гэн, the earth mountain of W
    EXPECT_EQ(SanJuanRaschet(361), -1);

    struct Case {
        int azimuth;
        CompassSector sector;
        PalaceIndex facing;
    };
    for (const Case& c : {Case{0, CompassSector::N, Palace::Kan}, Case{22, CompassSector::N, Palace::Kan},
                          Case{23, CompassSector::NE, Palace::Gen},
                          Case{112, CompassSector::E, Palace::Zhen},
                          Case{113, CompassSector::SE, Palace::Xun},
                          Case{202, CompassSector::S, Palace::Li},
                          Case{247, CompassSector::SW, Palace::Kun},
                          Case{248, CompassSector::W, Palace::Dui},
                          Case{337, CompassSector::NW, Palace::Qian},
                          Case{338, CompassSector::N, Palace::Kan},
                          Case{360, CompassSector::N, Palace::Kan},
                          // The mountain side of the report: A + 180 above 360.
                          Case{540, CompassSector::S, Palace::Li},
                          Case{427, CompassSector::NE, Palace::Gen},   // 247 + 180
                          Case{428, CompassSector::E, Palace::Zhen}}) {  // 248 + 180
        EXPECT_EQ(SectorOfAzimuth(c.azimuth), c.sector) << c.azimuth;
        EXPECT_EQ(FacingPalace(c.azimuth), c.facing) << c.azimuth;
    }
    EXPECT_EQ(SittingPalace(0), Palace::Li);
    EXPECT_EQ(SittingPalace(248), Palace::Zhen);
    EXPECT_EQ(SittingPalace(300), Palace::Xun);
}

TEST(Compass, GoraToGuaFollowsTheTrigramList) {
    const int expected[kMountainCount] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4,
                                          5, 5, 5, 6, 6, 6, 7, 7, 7, 0, 0, 0};
    for (MountainIndex m = 0; m < kMountainCount; ++m) EXPECT_EQ(GoraToGua(m), expected[m]) << m;
}

TEST(AzimuthInput, TextRules) {
    struct Case {
        const char* typed;
        const char* shown;
        int azimuth;
        const char* facing;
    };
    for (const Case& c : {Case{"95", "95", 95, "Мао"}, Case{"abc", "0", 0, "Цзы"},
                          Case{"", "0", 0, "Цзы"}, Case{"-5", "0", 0, "Цзы"},
                          Case{"-", "0", 0, "Цзы"}, Case{"4.5", "0", 0, "Цзы"},
                          Case{"999", "360", 360, "Цзы"}, Case{"361", "360", 360, "Цзы"},
                          Case{"360", "360", 360, "Цзы"}, Case{"007", "007", 7, "Цзы"},
                          Case{"008", "008", 8, "Гуй"},
                          Case{"99999999999999999999", "360", 360, "Цзы"}}) {
        const AzimuthBox box = CheckAzimuthText(c.typed);
        EXPECT_EQ(box.text, c.shown) << c.typed;
        EXPECT_EQ(box.azimuth, c.azimuth) << c.typed;
        EXPECT_EQ(MountainCaption(box.facing), c.facing) << c.typed;
        EXPECT_EQ(box.sitting, SittingMountain(box.facing)) << c.typed;
    }
    // The zone follows the (replaced) value.
    EXPECT_FALSE(CheckAzimuthText("11").normalZone);
    EXPECT_TRUE(CheckAzimuthText("12").normalZone);
    EXPECT_TRUE(CheckAzimuthText("xyz").normalZone);  // 0 is in Цзы's normal zone
    EXPECT_FALSE(CheckAzimuthText("353").normalZone);
}

TEST(AzimuthInput, ChoosingAMountainWritesItsCentre) {
    EXPECT_EQ(AzimuthTextOfFacing(0), "345");
    EXPECT_EQ(AzimuthTextOfFacing(1), "0");
    EXPECT_EQ(AzimuthTextOfFacing(2), "15");
    EXPECT_EQ(AzimuthTextOfFacing(23), "330");
    EXPECT_EQ(AzimuthTextOfFacing(-1), std::nullopt);  // no selection: the azimuth stays
    // Sitting Гэнь selects facing Кунь, which writes 225.
    const auto facing = FacingOfSitting(4);
    ASSERT_TRUE(facing);
    EXPECT_EQ(MountainCaption(*facing), "Кунь");
    EXPECT_EQ(AzimuthTextOfFacing(*facing), "225");
    EXPECT_EQ(FacingOfSitting(-1), std::nullopt);
    // The written centre selects the same mountain again.
    for (MountainIndex m = 0; m < kMountainCount; ++m) {
        EXPECT_EQ(CheckAzimuthText(*AzimuthTextOfFacing(m)).facing, m);
    }
}

}  // namespace
