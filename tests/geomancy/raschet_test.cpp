#include "geomancy/raschet.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "geomancy/flying_chart.h"
#include "geomancy/time_stars.h"

namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia);

// A calculation moment as the main window would have computed it: 2024-06-01 12:00, period 9,
// year Цзя-Чэнь (year star 3), month У (month star 1), day star 9.
CurrentMoment June2024() {
    CurrentMoment m;
    m.year = {1, 5};
    m.month = {3, 7};
    m.day = {3, 9};
    m.epochYear = 4661;
    m.yearStar = 3;
    m.monthStar = 1;
    m.dayStar = 9;
    m.smallCycleStar = 9;
    m.civil = EncodeMoment(2024, 6, 1, 12, 0);
    return m;
}

TEST(Raschet, FillsEveryPartOfTheTable) {
    GeomanticTable t;
    EXPECT_FALSE(t.cellsVisible);
    EXPECT_FALSE(t.interpretEnabled);
    const TableInputs in = TableInputs::ForAzimuth(0, EncodeMoment(2003, 2, 19, 19, 23));
    ASSERT_TRUE(Raschet(t, in, 8, June2024(), kRussian));

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
    EXPECT_EQ(t.calculationDate, "1 июня 2024 г.");
    EXPECT_EQ(t.statusLine,
              "Азимут: 0 | Дата строительства или переезда: 19.02.2003 | Расчет на: 01.06.2024");
    EXPECT_TRUE(t.interpretEnabled);
    EXPECT_TRUE(t.cellsVisible);

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
    EXPECT_EQ(t.palaces[Palace::Dui].yearColour, kRed);  // year 5 in Dui
    // Gates of a north-facing dwelling: Qian (base 9) and Gen (base 2).
    EXPECT_EQ(t.gates[0].palace, Palace::Qian);
    EXPECT_EQ(t.gates[0].stars[Palace::Centre], 9);
    EXPECT_EQ(t.gates[1].palace, Palace::Gen);
    EXPECT_EQ(t.gates[1].stars[Palace::Centre], 2);
    // Timeliness under the current period 9, colour and hint alike.
    const PalaceCells& centre = t.palaces[Palace::Centre];
    EXPECT_EQ(centre.baseLook.phase, StarPhase::Retreat);  // 8 in period 9
    EXPECT_EQ(centre.baseLook.colour, (Rgb{128, 128, 128}));
    EXPECT_EQ(centre.baseLook.hint, "Отступление");
    EXPECT_EQ(t.gates[0].looks[Palace::Centre].hint, "Расцвет");  // gate star 9
    EXPECT_EQ(t.gates[0].looks[Palace::Centre].colour, kHighlight);
    for (const PalaceCells& c : t.palaces) {
        EXPECT_EQ(c.mountainLook.hint, StarPhaseName(StarPhaseOf(9, c.mountain)));
        EXPECT_EQ(c.facingLook.colour, PhaseColour(*StarPhaseOf(9, c.facing)));
    }
    // Afflictions: Tai Sui Чэнь (home Xun, number 4). Its flying Tai Sui lands one step from the
    // centre with year star 3 (Qian) and three steps with month star 1 (Gen).
    EXPECT_EQ(t.taiSuiBranch, 5);
    EXPECT_EQ(t.flyingTaiSuiYear, Palace::Qian);
    EXPECT_EQ(t.flyingTaiSuiMonth, Palace::Gen);
    EXPECT_EQ(t.shaYear, KillingsDirection::South);
    EXPECT_EQ(t.shaMonth, KillingsDirection::North);
    // Frames: facing Kan highlighted, sitting Li thick, gate cells outlined.
    EXPECT_EQ(t.palaces[Palace::Kan].frame, (Frame{kHighlight, 3}));
    EXPECT_EQ(t.palaces[Palace::Li].frame, (Frame{kBlack, 3}));
    EXPECT_EQ(t.gates[1].frames[Palace::Gen], (Frame{kHighlight, 2}));
    EXPECT_EQ(t.compassLineAngle, 90);
}

TEST(Raschet, ARecomputationReplacesEverything) {
    GeomanticTable t;
    ASSERT_TRUE(Raschet(t, TableInputs::ForAzimuth(5, 0), 5, June2024(), kRussian));
    EXPECT_FALSE(t.normalZone);
    EXPECT_NE(t.chartComment, "НЕТ.");

    CurrentMoment later = June2024();
    later.year.branch = 0;   // no branch: the markers disappear
    later.yearStar = 0;      // no star: the year layer stays as it was
    ASSERT_TRUE(Raschet(t, TableInputs::ForAzimuth(90, 0), 5, later, kRussian));
    EXPECT_EQ(t.chartComment, "НЕТ.");
    EXPECT_EQ(t.facingMountain, "Мао");
    EXPECT_EQ(t.sittingMountain, "Ю");
    // The frames of the previous facing and gates are gone.
    EXPECT_EQ(t.palaces[Palace::Kan].frame, Frame{});
    EXPECT_EQ(t.palaces[Palace::Li].frame, Frame{});
    EXPECT_EQ(t.palaces[Palace::Zhen].frame, (Frame{kHighlight, 3}));
    EXPECT_EQ(t.gates[0].frames[Palace::Qian], Frame{});
    EXPECT_EQ(t.gates[0].palace, Palace::Gen);
    EXPECT_EQ(t.gates[0].frames[Palace::Gen], (Frame{kHighlight, 2}));
    EXPECT_EQ(t.taiSuiBranch, 0);
    EXPECT_EQ(t.flyingTaiSuiYear, std::nullopt);
    EXPECT_EQ(t.flyingTaiSuiMonth, std::nullopt);
    EXPECT_EQ(t.shaYear, std::nullopt);
    EXPECT_EQ(t.palaces[Palace::Centre].year, 3);
    EXPECT_EQ(t.compassLineAngle, 180);
}

TEST(Raschet, CompassLineAndMountainsWithoutSelection) {
    GeomanticTable t;
    TableInputs in = TableInputs::ForAzimuth(270, 0);
    ASSERT_TRUE(Raschet(t, in, 1, June2024(), kRussian));
    EXPECT_EQ(t.compassLineAngle, 360);
    in = TableInputs::ForAzimuth(300, 0);
    in.facingMountain = -1;  // a list without selection
    ASSERT_TRUE(Raschet(t, in, 1, June2024(), kRussian));
    EXPECT_EQ(t.compassLineAngle, 30);
    EXPECT_EQ(t.facingMountain, "");
    EXPECT_EQ(t.sittingMountain, "Чэнь");  // opposite Сюй
}

TEST(Raschet, RefusesInputsOutsideTheirRanges) {
    GeomanticTable t;
    ASSERT_TRUE(Raschet(t, TableInputs::ForAzimuth(95, 0), 7, June2024(), kRussian));
    const std::string status = t.statusLine;
    const int centre = t.palaces[Palace::Centre].mountain;
    EXPECT_FALSE(Raschet(t, TableInputs::ForAzimuth(361, 0), 7, June2024(), kRussian));
    EXPECT_FALSE(Raschet(t, TableInputs::ForAzimuth(-1, 0), 7, June2024(), kRussian));
    EXPECT_FALSE(Raschet(t, TableInputs::ForAzimuth(95, 0), 0, June2024(), kRussian));
    EXPECT_FALSE(Raschet(t, TableInputs::ForAzimuth(95, 0), 10, June2024(), kRussian));
    EXPECT_EQ(t.azimuth, 95);
    EXPECT_EQ(t.statusLine, status);
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
    ASSERT_TRUE(Raschet(t, TableInputs::ForAzimuth(0, EncodeMoment(2004, 6, 1)), June2024(), 3,
                        kRussian));
    EXPECT_EQ(t.tablePeriod, 8);
    EXPECT_EQ(t.palaces[Palace::Centre].base, 8);
}

}  // namespace
