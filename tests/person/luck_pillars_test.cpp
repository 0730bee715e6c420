// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/luck_pillars.h"

#include <gtest/gtest.h>

#include "astro/solar_terms.h"

namespace {

TEST(LuckPillars, DirectionBySexAndYearPolarity) {
    for (Stem stem = 1; stem <= 10; ++stem) {
        const bool yang = stem % 2 == 1;
        EXPECT_EQ(LuckRunsForward(true, stem), yang) << stem;
        EXPECT_EQ(LuckRunsForward(false, stem), !yang) << stem;
    }
}

TEST(LuckPillars, StepFromTheMonthPillarAcrossBothEnds) {
    EXPECT_EQ(LuckPillar({10, 12}, true, 1), (Pillar{1, 1}));
    EXPECT_EQ(LuckPillar({1, 1}, false, 1), (Pillar{10, 12}));
    EXPECT_EQ(LuckPillar({3, 3}, true, 9), (Pillar{2, 12}));
    EXPECT_EQ(LuckPillar({3, 3}, false, 9), (Pillar{4, 6}));

    // Every pillar of every month pillar of the sixty is one of the sixty, one step from the last.
    for (int n = 1; n <= 60; ++n) {
        const Pillar month = PillarOfSexagenary(n);
        for (bool forward : {true, false}) {
            const auto pillars = LuckPillars(month, forward);
            for (int i = 1; i <= kLuckPillarCount; ++i) {
                const int expected = ((n - 1 + (forward ? i : -i)) % 60 + 60) % 60 + 1;
                EXPECT_EQ(SexagenaryIndex(pillars[i - 1].stem, pillars[i - 1].branch), expected)
                    << n << " " << forward << " " << i;
            }
        }
    }
}

TEST(LuckPillars, TheFirstAgeCountsThreeDaysToAYear) {
    // 10 days after "Становление весны" 2024 and about 19.7 days before "Пробуждение насекомых".
    const Moment birth = TermInstant(2024, 21) + 10.0;
    ASSERT_NEAR(TermInstant(2024, 23) - birth, 19.7, 0.3);
    EXPECT_EQ(FirstLuckAge(false, birth), 3);  // 10 / 3 = 3.33
    EXPECT_EQ(FirstLuckAge(true, birth), 7);   // 19.7 / 3 = 6.57
    // Just after a boundary the backward count starts at nothing.
    EXPECT_EQ(FirstLuckAge(false, TermInstant(2024, 1) + 0.5), 0);
    EXPECT_EQ(LuckAge(3, 1), 3);
    EXPECT_EQ(LuckAge(3, 9), 83);
}

}  // namespace

// Luck pillar i covers ten calendar years from the birth year plus its age; the running pillar
// of a year is found across the whole span and nowhere outside it.
TEST(LuckPillarYearsTest, TenYearsEachAndTheRunningPillarOfAYear) {
    EXPECT_EQ(LuckPillarYears(1980, 8, 1).first, 1988);
    EXPECT_EQ(LuckPillarYears(1980, 8, 1).last, 1997);
    EXPECT_EQ(LuckPillarYears(1980, 8, 4).first, 2018);
    EXPECT_EQ(LuckPillarYears(1980, 8, 9).last, 2077);
    EXPECT_EQ(LuckPillarOfYear(1980, 8, 1987), 0);
    EXPECT_EQ(LuckPillarOfYear(1980, 8, 2078), 0);
    for (int i = 1; i <= kLuckPillarCount; ++i) {
        const LuckYears years = LuckPillarYears(1980, 8, i);
        for (int y = years.first; y <= years.last; ++y) EXPECT_EQ(LuckPillarOfYear(1980, 8, y), i);
    }
    EXPECT_EQ(LuckPillarOfYear(2000, 0, 2000), 1);  // a pillar that begins in the birth year
}
