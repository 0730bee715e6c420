// SPDX-License-Identifier: GPL-3.0-or-later
// Years inside the luck pillars, a year's months with their opening instants, and small luck.
#include "person/luck_years.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "person/chinese_characters.h"

TEST(LuckYears, TenYearsWithTheirPillarsAndAges) {
    // Born 1990, first luck at 7: pillar 2 covers 2007–2016 from age 17; 2007 was 丁亥.
    const std::array<LuckPillarYear, 10> years = YearsOfLuckPillar(1990, 7, 2);
    EXPECT_EQ(years[0].year, 2007);
    EXPECT_EQ(years[0].age, 17);
    EXPECT_EQ(PillarCharacters(years[0].pillar), "丁亥");
    EXPECT_EQ(years[9].year, 2016);
    EXPECT_EQ(PillarCharacters(years[9].pillar), "丙申");
}

TEST(LuckYears, MonthsBeginAtTheOpeningTerms) {
    // "Становление весны" 1997 fell on 4 February 03:02 in Beijing, 3 February in universal time;
    // "Малый холод" that closes the year on 5 January 1998.
    const std::array<SolarMonth, 12> months = MonthsOfYear(1997);
    EXPECT_EQ(DecodeMoment(months[0].begins).month, 2);
    EXPECT_EQ(DecodeMoment(months[0].begins).day, 3);
    EXPECT_EQ(DecodeMoment(months[11].begins).year, 1998);
    EXPECT_EQ(DecodeMoment(months[11].begins).day, 5);
    for (int m = 1; m < 12; ++m) EXPECT_GT(months[m].begins, months[m - 1].begins + 27);
}

TEST(LuckYears, SmallLuckStepsFromTheHourPillarEitherWay) {
    const Pillar hour{7, 5};  // 庚辰
    const std::vector<SmallLuckYear> back = SmallLuck(hour, false, 2000, 3);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(PillarCharacters(back[0].pillar), "己卯");
    EXPECT_EQ(PillarCharacters(back[2].pillar), "丁丑");
    EXPECT_EQ(back[2].year, 2002);
    EXPECT_TRUE(SmallLuck(hour, true, 2000, 0).empty());
}
