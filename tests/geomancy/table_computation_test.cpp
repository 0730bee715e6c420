// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/table_computation.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "geomancy/azimuth_input.h"
#include "geomancy/flying_chart.h"
#include "geomancy/time_stars.h"
#include "support/june_2024_moment.h"
#include "support/locale_guard.h"

namespace {

TEST(ComputeTable, FillsEveryPartOfTheTable) {
    GeomanticTable t;
    const TableInputs in = TableInputs::ForAzimuth(0, EncodeMoment(2003, 2, 19, 19, 23));
    ASSERT_TRUE(ComputeTable(t, in, 8, June2024Moment()));

    EXPECT_EQ(t.azimuth, 0);
    EXPECT_EQ(t.facingMountain, "Цзы");
    EXPECT_EQ(t.sittingMountain, "У");
    EXPECT_EQ(t.tablePeriod, 8);
    EXPECT_EQ(t.currentPeriod, 9);
    EXPECT_EQ(t.yearStar, 3);
    EXPECT_EQ(t.monthStar, 1);
    EXPECT_EQ(t.dayStar, 9);
    EXPECT_EQ(t.yearBranch, 5);
    EXPECT_EQ(t.monthBranch, 7);
    EXPECT_EQ(t.calculationMoment, June2024Moment().civil);
    EXPECT_EQ(t.tableDate, EncodeMoment(2003, 2, 19, 19, 23));
    EXPECT_EQ(TableStatusLine(t.azimuth, t.tableDate, t.calculationMoment, kRussian),
              "Азимут: 0 | Дата строительства или переезда: 19.02.2003 | Расчет на: 01.06.2024");

    // The period-8 chart of a north-facing dwelling.
    EXPECT_EQ(t.palaces[Palace::Centre].base, 8);
    EXPECT_EQ(t.palaces[Palace::Centre].mountain, 3);
    EXPECT_EQ(t.palaces[Palace::Centre].facing, 4);
    EXPECT_EQ(t.chartComment, "НЕТ.");
    EXPECT_TRUE(t.normalZone);
    // Time layers.
    EXPECT_EQ(t.palaces[Palace::Centre].year, 3);
    EXPECT_EQ(t.palaces[Palace::Qian].year, 4);
    EXPECT_EQ(t.palaces[Palace::Centre].month, 1);
    EXPECT_EQ(t.palaces[Palace::Centre].day, 9);
    EXPECT_EQ(t.palaces[Palace::Dui].year, 5);
    // Gates of a north-facing dwelling: Qian (base 9) and Gen (base 2).
    EXPECT_EQ(t.gates[0].palace, Palace::Qian);
    EXPECT_EQ(t.gates[0].stars[Palace::Centre], 9);
    EXPECT_EQ(t.gates[1].palace, Palace::Gen);
    EXPECT_EQ(t.gates[1].stars[Palace::Centre], 2);
    // Timeliness under the current period 9.
    EXPECT_EQ(t.palaces[Palace::Centre].basePhase, StarPhase::Retreat);   // 8 in period 9
    EXPECT_EQ(t.gates[0].phases[Palace::Centre], StarPhase::Prosperity);  // gate star 9
    for (const PalaceCells& c : t.palaces) {
        EXPECT_EQ(c.mountainPhase, StarPhaseOf(9, c.mountain));
        EXPECT_EQ(c.facingPhase, StarPhaseOf(9, c.facing));
        EXPECT_EQ(c.basePhase, StarPhaseOf(9, c.base));
    }
    for (const GateChart& gate : t.gates)
        for (PalaceIndex p = 0; p < kPalaceCount; ++p)
            EXPECT_EQ(gate.phases[p], StarPhaseOf(9, gate.stars[p]));
    // Afflictions: Tai Sui Чэнь (home Xun, number 4). Its flying Tai Sui lands one step from the
    // centre with year star 3 (Qian) and three steps with month star 1 (Gen).
    EXPECT_EQ(t.taiSuiBranch, 5);
    EXPECT_EQ(t.flyingTaiSuiYear, Palace::Qian);
    EXPECT_EQ(t.flyingTaiSuiMonth, Palace::Gen);
    EXPECT_EQ(t.shaYear, KillingsDirection::South);
    EXPECT_EQ(t.shaMonth, KillingsDirection::North);
}

TEST(ComputeTable, ARecomputationReplacesEverything) {
    GeomanticTable t;
    ASSERT_TRUE(ComputeTable(t, TableInputs::ForAzimuth(5, 0), 5, June2024Moment()));
    EXPECT_FALSE(t.normalZone);
    EXPECT_NE(t.chartComment, "НЕТ.");

    CurrentMoment later = June2024Moment();
    later.year.branch = 0;  // no branch: the markers disappear
    later.yearStar = 0;     // no star: the year layer stays as it was
    ASSERT_TRUE(ComputeTable(t, TableInputs::ForAzimuth(90, 0), 5, later));
    EXPECT_EQ(t.chartComment, "НЕТ.");
    EXPECT_EQ(t.facingMountain, "Мао");
    EXPECT_EQ(t.sittingMountain, "Ю");
    EXPECT_EQ(t.gates[0].palace, Palace::Gen);
    EXPECT_EQ(t.taiSuiBranch, 0);
    EXPECT_EQ(t.flyingTaiSuiYear, std::nullopt);
    EXPECT_EQ(t.flyingTaiSuiMonth, std::nullopt);
    EXPECT_EQ(t.shaYear, std::nullopt);
    EXPECT_EQ(t.palaces[Palace::Centre].year, 3);
}

TEST(ComputeTable, MountainsWithoutSelection) {
    GeomanticTable t;
    TableInputs in = TableInputs::ForAzimuth(300, 0);
    in.facingMountain = -1;  // a list without selection
    ASSERT_TRUE(ComputeTable(t, in, 1, June2024Moment()));
    EXPECT_EQ(t.facingMountain, "");
    EXPECT_EQ(t.sittingMountain, "Чэнь");  // opposite Сюй
}

TEST(ComputeTable, RefusesInputsOutsideTheirRanges) {
    GeomanticTable t;
    ASSERT_TRUE(ComputeTable(t, TableInputs::ForAzimuth(95, 0), 7, June2024Moment()));
    const int centre = t.palaces[Palace::Centre].mountain;
    EXPECT_FALSE(ComputeTable(t, TableInputs::ForAzimuth(361, 1), 7, June2024Moment()));
    EXPECT_FALSE(ComputeTable(t, TableInputs::ForAzimuth(-1, 1), 7, June2024Moment()));
    EXPECT_FALSE(ComputeTable(t, TableInputs::ForAzimuth(95, 1), 0, June2024Moment()));
    EXPECT_FALSE(ComputeTable(t, TableInputs::ForAzimuth(95, 1), 10, June2024Moment()));
    EXPECT_EQ(t.azimuth, 95);
    EXPECT_EQ(t.tableDate, 0);
    EXPECT_EQ(t.palaces[Palace::Centre].mountain, centre);
}

TEST(TablePeriod, FromTheTableDate) {
    // Zone GMT+3: the period turns with the epoch year at "Становление весны".
    EXPECT_EQ(TablePeriod(EncodeMoment(2004, 6, 1), 3), 8);
    EXPECT_EQ(TablePeriod(EncodeMoment(1984, 6, 1), 3), 7);
    EXPECT_EQ(TablePeriod(EncodeMoment(2024, 6, 1), 3), 9);
    EXPECT_EQ(TablePeriod(EncodeMoment(2024, 1, 15), 3), 8);  // still epoch year 4660
    EXPECT_EQ(TablePeriod(EncodeMoment(2003, 2, 19), 3), 7);

    GeomanticTable t;
    ASSERT_TRUE(
        ComputeTable(t, TableInputs::ForAzimuth(0, EncodeMoment(2004, 6, 1)), June2024Moment(), 3));
    EXPECT_EQ(t.tablePeriod, 8);
    EXPECT_EQ(t.palaces[Palace::Centre].base, 8);
}

}  // namespace
