// SPDX-License-Identifier: GPL-3.0-or-later
// What the table window shows of its table: nothing before the first computation and after
// closing, everything (frames, colours, hints, markers) made from the facts while shown.
#include "geomancy/ui/table_presentation.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "geomancy/table_computation.h"
#include "support/june_2024_moment.h"

namespace {

void ExpectNothingShown(const TablePresentation& shown) {
    EXPECT_FALSE(shown.Shown());
    EXPECT_FALSE(shown.InterpretEnabled());
    EXPECT_EQ(shown.TaiSuiMarker(), 0);
    EXPECT_EQ(shown.ShaYear(), std::nullopt);
    EXPECT_EQ(shown.ShaMonth(), std::nullopt);
    EXPECT_EQ(shown.FlyingTaiSuiYear(), std::nullopt);
    EXPECT_EQ(shown.FlyingTaiSuiMonth(), std::nullopt);
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        EXPECT_EQ(shown.PalaceFrame(p), Frame{}) << p;
        EXPECT_EQ(shown.GateFrame(0, p), Frame{}) << p;
        EXPECT_EQ(shown.GateFrame(1, p), Frame{}) << p;
    }
}

TEST(TablePresentation, ShownFromTheComputationUntilTheWindowCloses) {
    GeomanticTable t;
    TablePresentation shown(t);
    ExpectNothingShown(shown);

    // Facing north (Kan), sitting Li; gates Qian and Gen.
    ASSERT_TRUE(ComputeTable(t, TableInputs::ForAzimuth(0, EncodeMoment(2003, 2, 19)), 8,
                             June2024Moment()));
    shown.SetShown(true);
    EXPECT_TRUE(shown.InterpretEnabled());
    EXPECT_EQ(shown.TaiSuiMarker(), 5);
    EXPECT_EQ(shown.ShaYear(), KillingsDirection::South);
    EXPECT_EQ(shown.ShaMonth(), KillingsDirection::North);
    EXPECT_EQ(shown.FlyingTaiSuiYear(), Palace::Qian);
    EXPECT_EQ(shown.FlyingTaiSuiMonth(), Palace::Gen);
    EXPECT_EQ(shown.PalaceFrame(Palace::Kan), (Frame{kHighlight, 3}));
    EXPECT_EQ(shown.PalaceFrame(Palace::Li), (Frame{kBlack, 3}));
    EXPECT_EQ(shown.PalaceFrame(Palace::Zhen), Frame{});
    EXPECT_EQ(shown.GateFrame(0, Palace::Qian), (Frame{kHighlight, 2}));
    EXPECT_EQ(shown.GateFrame(0, Palace::Gen), Frame{});
    EXPECT_EQ(shown.GateFrame(1, Palace::Gen), (Frame{kHighlight, 2}));
    EXPECT_EQ(shown.GateFrame(2, Palace::Gen), Frame{});

    // A recomputation facing east moves the frames with it.
    ASSERT_TRUE(ComputeTable(t, TableInputs::ForAzimuth(90, 0), 8, June2024Moment()));
    EXPECT_EQ(shown.PalaceFrame(Palace::Kan), Frame{});
    EXPECT_EQ(shown.PalaceFrame(Palace::Zhen), (Frame{kHighlight, 3}));
    EXPECT_EQ(shown.PalaceFrame(Palace::Dui), (Frame{kBlack, 3}));
    EXPECT_EQ(shown.GateFrame(0, Palace::Qian), Frame{});
    EXPECT_EQ(shown.GateFrame(0, t.gates[0].palace), (Frame{kHighlight, 2}));

    // Closing hides everything and keeps the facts for the next computation.
    const GeomanticTable computed = t;
    shown.SetShown(false);
    ExpectNothingShown(shown);
    EXPECT_EQ(t.taiSuiBranch, computed.taiSuiBranch);
    EXPECT_EQ(t.palaces[Palace::Centre].mountain, computed.palaces[Palace::Centre].mountain);
}

TEST(TablePresentation, DigitColoursAndHintsFollowTheFacts) {
    // Chart and gate digits: the colour and the name of their phase; black and no hint without.
    EXPECT_EQ(PhaseDigitColour(StarPhase::Prosperity), kHighlight);
    EXPECT_EQ(PhaseDigitColour(StarPhase::Retreat), (Rgb{128, 128, 128}));
    EXPECT_EQ(PhaseDigitColour(std::nullopt), kBlack);
    EXPECT_EQ(PhaseHint(StarPhase::Retreat), "Отступление");
    EXPECT_EQ(PhaseHint(std::nullopt), "");

    // The azimuth box turns red in the outer degrees of a mountain.
    EXPECT_EQ(AzimuthColour(true), std::nullopt);
    EXPECT_EQ(AzimuthColour(false), kRed);

    // Year, month and day digits: a 5 or 2 outside the centre is red, the rest black, the centre
    // keeps the window's text colour.
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        for (int star = 1; star <= 9; ++star) {
            const TextColour expected = p == Palace::Centre      ? TextColour{}
                                        : star == 5 || star == 2 ? TextColour{kRed}
                                                                 : TextColour{kBlack};
            EXPECT_EQ(TimeDigitColour(p, star), expected) << p << " " << star;
        }
    }
}

}  // namespace
