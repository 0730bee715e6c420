// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/star_phase.h"

#include <gtest/gtest.h>

namespace {

std::string Name(int period, int star) {
    return StarPhaseName(StarPhaseOf(period, star));
}

TEST(StarPhase, PeriodsEightAndOne) {
    EXPECT_EQ(Name(8, 8), "Расцвет");
    EXPECT_EQ(Name(8, 9), "Порождение");
    EXPECT_EQ(Name(8, 1), "Порождение");
    EXPECT_EQ(Name(8, 2), "Разрушение");
    EXPECT_EQ(Name(8, 3), "Разрушение");
    EXPECT_EQ(Name(8, 4), "Смерть");
    EXPECT_EQ(Name(8, 5), "Смерть");
    EXPECT_EQ(Name(8, 6), "Смерть");
    EXPECT_EQ(Name(8, 7), "Отступление");
    EXPECT_EQ(Name(1, 9), "Отступление");
    EXPECT_EQ(Name(1, 4), "Разрушение");
    EXPECT_EQ(Name(1, 5), "Разрушение");
    EXPECT_EQ(Name(1, 1), "Расцвет");
}

TEST(StarPhase, EveryPeriodHasOneProsperousStarAndOneRetreating) {
    for (int period = 1; period <= 9; ++period) {
        int count[5] = {};
        for (int star = 1; star <= 9; ++star) ++count[static_cast<int>(*StarPhaseOf(period, star))];
        EXPECT_EQ(count[0], 1);
        EXPECT_EQ(count[1], 2);
        EXPECT_EQ(count[2], 3);
        EXPECT_EQ(count[3], 2);
        EXPECT_EQ(count[4], 1);
        EXPECT_EQ(StarPhaseOf(period, period), StarPhase::Prosperity);
        // The star of the previous period retreats.
        EXPECT_EQ(StarPhaseOf(period, period == 1 ? 9 : period - 1), StarPhase::Retreat);
    }
    EXPECT_EQ(StarPhaseOf(0, 5), std::nullopt);
    EXPECT_EQ(StarPhaseOf(10, 5), std::nullopt);
    EXPECT_EQ(StarPhaseOf(5, 0), std::nullopt);
}

TEST(StarPhase, NamesColoursAndSentences) {
    EXPECT_EQ(StarPhaseName(0), "Расцвет");
    EXPECT_EQ(StarPhaseName(4), "Отступление");
    EXPECT_EQ(StarPhaseName(5), "");
    EXPECT_EQ(StarPhaseName(-1), "");
    EXPECT_EQ(StarPhaseName(std::optional<StarPhase>()), "");
    EXPECT_EQ(PhaseColour(StarPhase::Prosperity), (Rgb{0, 128, 255}));
    EXPECT_EQ(PhaseColour(StarPhase::Growth), (Rgb{0, 128, 0}));
    EXPECT_EQ(PhaseColour(StarPhase::Death), (Rgb{210, 0, 0}));
    EXPECT_EQ(PhaseColour(StarPhase::Destruction), (Rgb{128, 0, 128}));
    EXPECT_EQ(PhaseColour(StarPhase::Retreat), (Rgb{128, 128, 128}));
    EXPECT_EQ(PhaseColour(StarPhase::Prosperity), kHighlight);

    EXPECT_EQ(GatePhaseText(8, 8), "расцвета. Есть большая поддержка по богатству.");
    EXPECT_EQ(FacingPhaseText(8, 8), "расцвета. Расцвет по богатству.");
    EXPECT_EQ(MountainPhaseText(8, 8), "расцвета. Предвещает расцвет рода.");
    EXPECT_EQ(GatePhaseText(8, 9), "порождения. Есть небольшая поддержка по богатству.");
    EXPECT_EQ(MountainPhaseText(8, 1), "порождения. Есть небольшая поддержка для рода.");
    EXPECT_EQ(GatePhaseText(8, 4), "смерти. Нет пользы от врат.");
    EXPECT_EQ(FacingPhaseText(8, 5), "смерти. Предвещает разорение.");
    EXPECT_EQ(MountainPhaseText(8, 6), "смерти. Предвещает разрушение рода.");
    EXPECT_EQ(GatePhaseText(8, 2), "разрушения. Нет пользы от врат.");
    EXPECT_EQ(FacingPhaseText(8, 3), "разрушения. Предвещает разорение.");
    EXPECT_EQ(MountainPhaseText(8, 3), "разрушения. Предвещает разрушение рода.");
    EXPECT_EQ(GatePhaseText(8, 7), "отступления. Нет пользы от врат.");
    EXPECT_EQ(FacingPhaseText(8, 7), "отступления. Нет пользы от звезды.");
    EXPECT_EQ(MountainPhaseText(8, 7), "отступления. Нет пользы от звезды.");
    EXPECT_EQ(GatePhaseText(0, 7), "");
    EXPECT_EQ(GatePhaseText(8, 0), "");
}

}  // namespace
