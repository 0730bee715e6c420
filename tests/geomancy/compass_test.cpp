// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/compass.h"

#include <gtest/gtest.h>

#include "geomancy/azimuth_input.h"
#include "geomancy/flying_chart.h"
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
                          Case{247, "Шэнь", "Инь"}, Case{248, "Гэн", "Цзя"}, Case{95, "Мао", "Ю"},
                          Case{225, "Кунь", "Гэнь"}}) {
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
    EXPECT_EQ(ThreeYuanPosition(345), 2);
    EXPECT_EQ(ThreeYuanPosition(0), 1);
    EXPECT_EQ(ThreeYuanPosition(360), 1);
    EXPECT_EQ(ThreeYuanPosition(353), 1);
    EXPECT_EQ(ThreeYuanPosition(352), 2);
    EXPECT_EQ(ThreeYuanPosition(8), 0);
    EXPECT_EQ(ThreeYuanPosition(247), 0);  // Шэнь, the man mountain of SW
    EXPECT_EQ(ThreeYuanPosition(248), 2);  // Гэн, the earth mountain of W
    EXPECT_EQ(ThreeYuanPosition(361), -1);

    struct Case {
        int azimuth;
        CompassSector sector;
        PalaceIndex facing;
    };
    for (const Case& c :
         {Case{0, CompassSector::N, Palace::Kan}, Case{22, CompassSector::N, Palace::Kan},
          Case{23, CompassSector::NE, Palace::Gen}, Case{112, CompassSector::E, Palace::Zhen},
          Case{113, CompassSector::SE, Palace::Xun}, Case{202, CompassSector::S, Palace::Li},
          Case{247, CompassSector::SW, Palace::Kun}, Case{248, CompassSector::W, Palace::Dui},
          Case{337, CompassSector::NW, Palace::Qian}, Case{338, CompassSector::N, Palace::Kan},
          Case{360, CompassSector::N, Palace::Kan},
          // The mountain side of the report: A + 180 above 360.
          Case{540, CompassSector::S, Palace::Li},
          Case{427, CompassSector::NE, Palace::Gen},     // 247 + 180
          Case{428, CompassSector::E, Palace::Zhen}}) {  // 248 + 180
        EXPECT_EQ(SectorOfAzimuth(c.azimuth), c.sector) << c.azimuth;
        EXPECT_EQ(FacingPalace(c.azimuth), c.facing) << c.azimuth;
    }
    EXPECT_EQ(SittingPalace(0), Palace::Li);
    EXPECT_EQ(SittingPalace(248), Palace::Zhen);
    EXPECT_EQ(SittingPalace(300), Palace::Xun);
}

TEST(Compass, TrigramOfMountainFollowsTheTrigramList) {
    const int expected[kMountainCount] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4,
                                          5, 5, 5, 6, 6, 6, 7, 7, 7, 0, 0, 0};
    for (MountainIndex m = 0; m < kMountainCount; ++m)
        EXPECT_EQ(TrigramOfMountain(m), expected[m]) << m;
}

// Degrees to a tenth are read as written; everything else keeps its text and gets a hint, never
// another azimuth ("7.5" is not 5, "-5" not 5, "1e9" not 9, "187.5" not 187).
TEST(AzimuthInput, TextRules) {
    struct Case {
        const char* typed;
        double azimuth;  // < 0: refused
        const char* facing;
    };
    for (const Case& c : {Case{"95", 95, "Мао"},        Case{"007", 7, "Цзы"},
                          Case{"008", 8, "Гуй"},        Case{"7.4", 7.4, "Цзы"},
                          Case{"7,5", 7.5, "Гуй"},      Case{"7.", 7, "Цзы"},
                          Case{"187.5", 187.5, "Дин"},  Case{"187,4", 187.4, "У"},
                          Case{"360", 360, "Цзы"},      Case{"352.5", 352.5, "Цзы"},
                          Case{"352,4", 352.4, "Жэнь"}, Case{"360.0", 360, "Цзы"},
                          Case{"abc", -1, ""},          Case{"", -1, ""},
                          Case{"-5", -1, ""},           Case{"-", -1, ""},
                          Case{"+5", -1, ""},           Case{"1e9", -1, ""},
                          Case{"7.55", -1, ""},         Case{"7.5.1", -1, ""},
                          Case{".5", -1, ""},           Case{"360.1", -1, ""},
                          Case{"361", -1, ""},          Case{"99999999999999999999", -1, ""}}) {
        SCOPED_TRACE(c.typed);
        const AzimuthBox box = CheckAzimuthText(c.typed);
        EXPECT_EQ(box.text, c.typed);
        if (c.azimuth < 0) {
            EXPECT_FALSE(box.hint.empty());
            continue;
        }
        EXPECT_EQ(box.hint, "");
        EXPECT_DOUBLE_EQ(box.azimuth, c.azimuth);
        EXPECT_EQ(MountainCaption(box.facing), c.facing);
        EXPECT_EQ(box.sitting, SittingMountain(box.facing));
    }
    EXPECT_EQ(CheckAzimuthText("-5").hint, "Азимут должен быть от 0 до 360 градусов");
    EXPECT_EQ(CheckAzimuthText("7.55").hint, "Азимут задается с точностью до десятой градуса");
    // The normal zone ends half-way between whole degrees 3 and 4 from the centre.
    EXPECT_FALSE(CheckAzimuthText("11").normalZone);
    EXPECT_FALSE(CheckAzimuthText("3,5").normalZone);
    EXPECT_TRUE(CheckAzimuthText("3,4").normalZone);
    EXPECT_TRUE(CheckAzimuthText("356,6").normalZone);
    EXPECT_FALSE(CheckAzimuthText("356,5").normalZone);
    EXPECT_TRUE(CheckAzimuthText("12").normalZone);
    EXPECT_FALSE(CheckAzimuthText("353").normalZone);
}

// The decimal rules agree with the whole-degree ranges of the tables on every whole degree.
TEST(AzimuthInput, WholeDegreesKeepTheirMountainsZonesAndSectors) {
    for (int a = 0; a <= 360; ++a) {
        const int legacyMountain = ((a + 7) / 15 + 1) % kMountainCount;
        EXPECT_EQ(MountainOfAzimuth(static_cast<double>(a)), legacyMountain) << a;
        int d = a - MountainCentre(legacyMountain);
        d = ((d + 540) % 360) - 180;
        EXPECT_EQ(InNormalZone(static_cast<double>(a)), d >= -3 && d <= 3) << a;
        EXPECT_EQ(SectorOfAzimuth(a), static_cast<CompassSector>(legacyMountain / 3)) << a;
    }
    EXPECT_EQ(MountainOfAzimuth(-0.1), -1);
    EXPECT_EQ(MountainOfAzimuth(360.1), -1);
}

TEST(AzimuthInput, WritingAndBoundaries) {
    EXPECT_EQ(FormatAzimuth(187, ','), "187");
    EXPECT_EQ(FormatAzimuth(187.5, ','), "187,5");
    EXPECT_EQ(FormatAzimuth(0.1, '.'), "0.1");
    EXPECT_EQ(BoundaryNote(187.5, ','), "до границы гор У и Дин 0°");
    EXPECT_EQ(BoundaryNote(186.6, ','), "до границы гор У и Дин 0,9°");
    EXPECT_EQ(BoundaryNote(353, ','), "до границы гор Жэнь и Цзы 0,5°");
    EXPECT_EQ(BoundaryNote(360, ','), "");
    EXPECT_EQ(BoundaryNote(185.5, ','), "");
    EXPECT_EQ(BoundaryNote(184, ','), "до границы зоны замещения горы У 0,5°");
    EXPECT_EQ(BoundaryNote(177.5, ','), "до границы зоны замещения горы У 1°");
    EXPECT_EQ(BoundaryNote(181, ','), "");
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
