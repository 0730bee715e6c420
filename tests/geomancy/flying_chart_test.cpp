// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/flying_chart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "geomancy/compass.h"
#include "geomancy/replacement_table.h"

namespace {

GeomanticTable ChartOf(int azimuth, int period) {
    GeomanticTable t;
    EXPECT_TRUE(FillTableCharts(t, azimuth, period)) << azimuth << " " << period;
    return t;
}

PalaceStarArray Layer(const GeomanticTable& t, int PalaceCells::*layer) {
    PalaceStarArray out{};
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) out[p] = t.palaces[p].*layer;
    return out;
}

// The direction of a flight read from the chart itself: the star at Qian follows the centre.
bool ReadForward(const PalaceStarArray& stars) {
    return stars[Palace::Qian] == stars[Palace::Centre] % 9 + 1;
}

bool SameCharts(const GeomanticTable& a, const GeomanticTable& b) {
    return Layer(a, &PalaceCells::base) == Layer(b, &PalaceCells::base) &&
           Layer(a, &PalaceCells::mountain) == Layer(b, &PalaceCells::mountain) &&
           Layer(a, &PalaceCells::facing) == Layer(b, &PalaceCells::facing);
}

TEST(FlyingChart, NorthFacingInPeriodEight) {
    const GeomanticTable t = ChartOf(0, 8);
    EXPECT_EQ(Layer(t, &PalaceCells::base), Flight(8, true));
    EXPECT_EQ(t.palaces[Palace::Centre].base, 8);
    EXPECT_EQ(t.palaces[Palace::Qian].base, 9);
    EXPECT_EQ(t.palaces[Palace::Dui].base, 1);
    // Mountain star 3 (base star of Li) backward, facing star 4 (base star of Kan) forward.
    EXPECT_EQ(Layer(t, &PalaceCells::mountain), Flight(3, false));
    EXPECT_EQ(Layer(t, &PalaceCells::facing), Flight(4, true));
    EXPECT_EQ(t.palaces[Palace::Qian].mountain, 2);
    EXPECT_EQ(t.palaces[Palace::Qian].facing, 5);
    EXPECT_EQ(t.chartComment, "НЕТ.");
    EXPECT_TRUE(t.normalZone);
}

TEST(FlyingChart, NorthFacingInPeriodFive) {
    const GeomanticTable t = ChartOf(0, 5);
    EXPECT_EQ(Layer(t, &PalaceCells::mountain), Flight(9, false));
    EXPECT_EQ(Layer(t, &PalaceCells::facing), Flight(1, false));
}

TEST(FlyingChart, Azimuth358IsAzimuth0InEveryPeriod) {
    for (int period = 1; period <= 9; ++period) {
        const GeomanticTable a = ChartOf(0, period), b = ChartOf(358, period),
                             c = ChartOf(360, period);
        EXPECT_TRUE(SameCharts(a, b)) << period;
        EXPECT_TRUE(SameCharts(a, c)) << period;
        EXPECT_EQ(b.chartComment, "НЕТ.");
    }
}

TEST(FlyingChart, Zones) {
    EXPECT_TRUE(InNormalZone(12));  // Гуй: 12..18
    EXPECT_FALSE(InNormalZone(11));
    EXPECT_TRUE(InNormalZone(18));
    EXPECT_FALSE(InNormalZone(19));
    EXPECT_TRUE(InNormalZone(357));  // Цзы: 357..360 and 0..3
    EXPECT_TRUE(InNormalZone(3));
    EXPECT_FALSE(InNormalZone(4));
    EXPECT_FALSE(InNormalZone(356));
    EXPECT_FALSE(InNormalZone(353));
    EXPECT_FALSE(InNormalZone(7));
    EXPECT_TRUE(InNormalZone(27));  // Чоу: 23..26, 27..33, 34..37
    EXPECT_FALSE(InNormalZone(26));
    EXPECT_TRUE(InNormalZone(33));
    EXPECT_FALSE(InNormalZone(34));
    EXPECT_FALSE(InNormalZone(361));
    EXPECT_FALSE(InNormalZone(-1));
    // Every mountain: 4 + 7 + 4 degrees.
    int normal[kMountainCount] = {}, outer[kMountainCount] = {};
    for (int a = 0; a < 360; ++a) ++(InNormalZone(a) ? normal : outer)[MountainOfAzimuth(a)];
    for (MountainIndex m = 0; m < kMountainCount; ++m) {
        EXPECT_EQ(normal[m], 7) << m;
        EXPECT_EQ(outer[m], 8) << m;
    }
}

TEST(FlyingChart, ReplacementZoneOfTziInPeriodFive) {
    const GeomanticTable t = ChartOf(5, 5);
    EXPECT_FALSE(t.normalZone);
    EXPECT_EQ(t.chartComment, ChartRemark(1));
    // The entry 9-/1- equals the normal chart.
    EXPECT_TRUE(SameCharts(t, ChartOf(0, 5)));
}

TEST(FlyingChart, DeparturesFromThePolarityRule) {
    struct Case {
        int azimuth;  // normal zone of the facing mountain
        int period;
        int mountainStar;
        bool mountainForward;
        int facingStar;
        bool facingForward;
    };
    for (const Case& c : {Case{15, 5, 9, false, 1, true},     // Гуй: facing 1 forward
                          Case{0, 5, 9, false, 1, false},     // Цзы, same sector, by the rule
                          Case{225, 5, 8, false, 2, true},    // Кунь: mountain 8 backward
                          Case{240, 5, 8, true, 2, true},     // Шэнь, same sector, by the rule
                          Case{270, 3, 1, true, 5, false},    // Ю: mountain 1 forward
                          Case{285, 3, 1, true, 5, false},    // Синь: mountain 1 forward
                          Case{255, 3, 1, true, 5, true}}) {  // Гэн, the earth mountain
        const auto p = ChartParameters(c.azimuth, c.period);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->mountainStar, c.mountainStar) << c.azimuth;
        EXPECT_EQ(p->mountainForward, c.mountainForward) << c.azimuth;
        EXPECT_EQ(p->facingStar, c.facingStar) << c.azimuth;
        EXPECT_EQ(p->facingForward, c.facingForward) << c.azimuth;
    }
}

// Heaven and man mountains of a sector share their normal chart; the earth mountain flies both
// its stars the other way — except where the chart departs from the rule.
TEST(FlyingChart, NormalChartsOfEveryMountainAndPeriod) {
    for (int period = 1; period <= 9; ++period) {
        for (MountainIndex m = 0; m < kMountainCount; ++m) {
            const int centre = MountainCentre(m);
            const GeomanticTable t = ChartOf(centre, period);
            SCOPED_TRACE(std::string(MountainTable[m].caption) + " period " +
                         std::to_string(period));
            const PalaceStarArray base = Layer(t, &PalaceCells::base);
            EXPECT_EQ(base, Flight(period, true));
            const PalaceStarArray mountain = Layer(t, &PalaceCells::mountain);
            const PalaceStarArray facing = Layer(t, &PalaceCells::facing);
            EXPECT_EQ(mountain[Palace::Centre], base[SittingPalace(centre)]);
            EXPECT_EQ(facing[Palace::Centre], base[FacingPalace(centre)]);
            EXPECT_EQ(mountain, Flight(mountain[Palace::Centre], ReadForward(mountain)));
            EXPECT_EQ(facing, Flight(facing[Palace::Centre], ReadForward(facing)));
            EXPECT_EQ(t.chartComment, "НЕТ.");
            // The whole normal zone gives one chart.
            for (int d = -3; d <= 3; ++d) {
                EXPECT_TRUE(SameCharts(t, ChartOf((centre + d + 360) % 360, period))) << d;
            }

            const int sectorStart = m - m % 3;  // the earth mountain of the sector
            const GeomanticTable earth = ChartOf(MountainCentre(sectorStart), period);
            const GeomanticTable heaven = ChartOf(MountainCentre(sectorStart + 1), period);
            // Гуй and Кунь depart in period 5, Ю and Синь (alike) in period 3.
            const bool manDiffers = period == 5 && (m == 2 || m == 17);
            const bool heavenDeparts = (period == 5 && m == 16) || (period == 3 && m == 19);
            if (m % 3 == 2 && !manDiffers) {
                EXPECT_TRUE(SameCharts(t, heaven));
            }
            if (m % 3 == 1 && !heavenDeparts) {
                EXPECT_NE(ReadForward(mountain), ReadForward(Layer(earth, &PalaceCells::mountain)));
                EXPECT_NE(ReadForward(facing), ReadForward(Layer(earth, &PalaceCells::facing)));
            }
        }
    }
    // The departures really depart from their neighbours.
    EXPECT_FALSE(SameCharts(ChartOf(15, 5), ChartOf(0, 5)));
    EXPECT_FALSE(SameCharts(ChartOf(225, 5), ChartOf(240, 5)));
}

TEST(FlyingChart, ReplacementChartsFollowTheirEntry) {
    for (int period = 1; period <= 9; ++period) {
        for (MountainIndex m = 0; m < kMountainCount; ++m) {
            const int centre = MountainCentre(m);
            const ReplacementEntry& e = ReplacementOf(m, period);
            const std::string comment = e.remark != 0 ? ChartRemark(e.remark) : "НЕТ.";
            for (int d : {-7, -4, 4, 7}) {
                const GeomanticTable t = ChartOf((centre + d + 360) % 360, period);
                SCOPED_TRACE(std::string(MountainTable[m].caption) + " period " +
                             std::to_string(period) + " offset " + std::to_string(d));
                EXPECT_FALSE(t.normalZone);
                EXPECT_EQ(Layer(t, &PalaceCells::base), Flight(period, true));
                EXPECT_EQ(Layer(t, &PalaceCells::mountain),
                          Flight(e.mountainStar, e.mountainForward));
                EXPECT_EQ(Layer(t, &PalaceCells::facing), Flight(e.facingStar, e.facingForward));
                EXPECT_EQ(t.chartComment, comment);
            }
            // Remark C1 says the replacement chart is the normal one. It is, for all of them but
            // Чэнь in period 2 (1+/2+ against the normal 3+/1+), whose remark stands as received.
            if (e.remark == 1) {
                const bool same =
                    SameCharts(ChartOf((centre + 5) % 360, period), ChartOf(centre, period));
                EXPECT_EQ(same, !(m == 9 && period == 2))
                    << MountainTable[m].caption << " period " << period;
            }
        }
    }
}

TEST(FlyingChart, OutOfRangeLeavesTheChartAndCommentAlone) {
    GeomanticTable t = ChartOf(5, 5);
    const GeomanticTable before = t;
    EXPECT_FALSE(FillTableCharts(t, 361, 5));
    EXPECT_FALSE(FillTableCharts(t, -1, 5));
    EXPECT_FALSE(FillTableCharts(t, 0, 0));
    EXPECT_FALSE(FillTableCharts(t, 0, 10));
    EXPECT_TRUE(SameCharts(t, before));
    EXPECT_EQ(t.chartComment, before.chartComment);
}

TEST(FlyingChart, GatePalaces) {
    struct Case {
        int azimuth;
        PalaceIndex a, b;
    };
    for (const Case& c :
         {Case{0, Palace::Qian, Palace::Gen}, Case{45, Palace::Zhen, Palace::Kan},
          Case{90, Palace::Gen, Palace::Xun}, Case{135, Palace::Li, Palace::Zhen},
          Case{180, Palace::Xun, Palace::Kun}, Case{225, Palace::Dui, Palace::Li},
          Case{247, Palace::Dui, Palace::Li}, Case{248, Palace::Kun, Palace::Qian},
          Case{315, Palace::Kan, Palace::Dui}, Case{360, Palace::Qian, Palace::Gen}}) {
        EXPECT_EQ(GatePalaceA(c.azimuth), c.a) << c.azimuth;
        EXPECT_EQ(GatePalaceB(c.azimuth), c.b) << c.azimuth;
        // The gates stand beside the facing palace, never on it or opposite it.
        EXPECT_NE(c.a, FacingPalace(c.azimuth));
        EXPECT_NE(c.b, SittingPalace(c.azimuth));
    }
}

TEST(FlyingChart, GateFlights) {
    // Period 5 facing north: the gates fly the base stars 6 (Qian) and 8 (Gen), both forward
    // (Qian and Gen are not cardinal; Цзы is a heaven mountain).
    GeomanticTable t = ChartOf(0, 5);
    FillGateCharts(t, 0);
    EXPECT_EQ(t.gates[0].palace, Palace::Qian);
    EXPECT_EQ(t.gates[0].stars, Flight(6, true));
    EXPECT_EQ(t.gates[0].stars[Palace::Centre], 6);
    EXPECT_EQ(t.gates[1].palace, Palace::Gen);
    EXPECT_EQ(t.gates[1].stars, Flight(8, true));

    // Same gates at Жэнь (earth mountain): both backward.
    EXPECT_EQ(FlyGateStar(345, 6), Flight(6, false));
    // A gate 5 takes the facing palace as reference: W at 248 (Dui, cardinal, earth mountain Гэн)
    // flies forward; the SW palace Kun would have sent it backward.
    EXPECT_EQ(FlyGateStar(248, 5), Flight(5, true));
    EXPECT_EQ(FlyGateStar(240, 5), Flight(5, true));   // Шэнь in Kun: man mountain, yang
    EXPECT_EQ(FlyGateStar(210, 5), Flight(5, false));  // Вэй in Kun: earth mountain, yin
    EXPECT_EQ(FlyGateStar(30, 5), Flight(5, false));   // Чоу in Gen (NE)
    EXPECT_EQ(FlyGateStar(45, 5), Flight(5, true));    // Гэнь in Gen
    EXPECT_EQ(FlyGateStar(75, 5), Flight(5, true));    // Цзя in Zhen (E): earth is yang
    EXPECT_EQ(FlyGateStar(0, 0), PalaceStarArray{});

    // Every gate chart of every mountain and period is a flight of its gate palace's base star.
    for (int period = 1; period <= 9; ++period) {
        for (int azimuth = 0; azimuth <= 360; ++azimuth) {
            GeomanticTable g = ChartOf(azimuth, period);
            FillGateCharts(g, azimuth);
            for (const GateChart& gate : g.gates) {
                EXPECT_EQ(gate.stars[Palace::Centre], g.palaces[gate.palace].base);
                EXPECT_EQ(gate.stars, Flight(gate.stars[Palace::Centre], ReadForward(gate.stars)));
            }
        }
    }
}

}  // namespace
