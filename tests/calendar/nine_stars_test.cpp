// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/nine_stars.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "calendar/pillars.h"

namespace {

TEST(CycleStars, ThePeriodsOfTheGreatCycle) {
    EXPECT_EQ(SmallCycleStar(4661), 9);
    EXPECT_EQ(SmallCycleStar(4680), 9);
    EXPECT_EQ(SmallCycleStar(4660), 8);  // 2023: period 8
    EXPECT_EQ(SmallCycleStar(4681), 1);  // 2044: period 1 of the next great cycle
    EXPECT_EQ(GreatCycleStar(4661), 3);
    EXPECT_EQ(YearStar(4661), 3);  // 2024: 3 бирюзовая
    EXPECT_EQ(YearStar(4662), 2);  // 2025: 2 черная
    EXPECT_EQ(YearStar(4660), 4);  // 2023: 4 зеленая
    // The year star steps back by one each year, through all nine.
    for (int y = 4500; y < 4700; ++y) {
        EXPECT_EQ(YearStar(y + 1), YearStar(y) == 1 ? 9 : YearStar(y) - 1) << y;
        EXPECT_GE(GreatCycleStar(y), 1);
        EXPECT_LE(GreatCycleStar(y), 9);
    }
}

TEST(MonthStar, RowsOfTheYearBranchGroups) {
    EXPECT_EQ(MonthStar(5, 7), 1);   // year Чэнь, month У
    EXPECT_EQ(MonthStar(1, 3), 8);   // year Цзы, month Инь
    EXPECT_EQ(MonthStar(1, 11), 9);  // … month Сюй
    EXPECT_EQ(MonthStar(1, 2), 6);   // … month Чоу closes the year
    EXPECT_EQ(MonthStar(12, 3), 2);
    EXPECT_EQ(MonthStar(12, 2), 9);
    EXPECT_EQ(MonthStar(8, 12), 5);
}

TEST(DayStar, StartStarAndDirectionByTheTermInForce) {
    EXPECT_EQ(DayStar(1, 1, "Зимнее солнцестояние"), 1);  // 2024-01-01, Цзя-Цзы
    EXPECT_EQ(DayStar(3, 9, "Малое насыщение"), 9);       // 2024-06-01, Бин-Шэнь (33)
    EXPECT_EQ(DayStar(1, 1, "Дождевая вода"), 7);
    EXPECT_EQ(DayStar(1, 1, "Летнее солнцестояние"), 9);
    EXPECT_EQ(DayStar(2, 2, "Летнее солнцестояние"), 8);  // descending
    EXPECT_EQ(DayStar(1, 1, "Осеннее равноденствие"), 3);
    EXPECT_EQ(DayStar(1, 1, "Малые снега"), 6);
    EXPECT_EQ(DayStar(10, 12, "Зимнее солнцестояние"), 6);  // 60 ascending from 1
}

TEST(HourStar, YangAndYinHalves) {
    EXPECT_EQ(HourStar(1, 1, "Зимнее солнцестояние"), 1);
    EXPECT_EQ(HourStar(1, 12, "Зимнее солнцестояние"), 3);
    EXPECT_EQ(HourStar(1, 1, "Летнее солнцестояние"), 9);
    EXPECT_EQ(HourStar(1, 12, "Летнее солнцестояние"), 7);
    EXPECT_EQ(HourStar(2, 1, "Колошение хлебов"), 4);  // last term of the yang half
    EXPECT_EQ(HourStar(3, 1, "Летнее солнцестояние"), 3);
    EXPECT_EQ(HourStar(1, 1, "не термин"), 9);  // unknown name: the yin half
}

TEST(MansionAndOfficer, DailyRotations) {
    EXPECT_EQ(MansionOfDay(EncodeMoment(2003, 6, 26, 12, 0)), 1);
    EXPECT_EQ(MansionOfDay(EncodeMoment(2003, 6, 25, 23, 30)), 1);
    EXPECT_EQ(MansionOfDay(EncodeMoment(2003, 6, 25, 23, 0)), 1);
    EXPECT_EQ(MansionOfDay(EncodeMoment(2003, 6, 25, 22, 59)), 28);
    EXPECT_EQ(MansionOfDay(EncodeMoment(2003, 6, 25, 11, 0)), 28);
    EXPECT_EQ(MansionOfDay(EncodeMoment(2003, 7, 24, 12, 0)), 1);
    EXPECT_EQ(MansionOfDay(EncodeMoment(2024, 1, 1, 12, 0)), 19);
    EXPECT_EQ(MansionOfDay(EncodeMoment(1900, 1, 1, 12, 0)), 1 + ((2 - 37798) % 28 + 28) % 28);

    // The day whose branch equals the month's is "Цзянь"; the day before it "Би".
    for (MonthBranch m = 1; m <= 12; ++m) {
        EXPECT_EQ(DayOfficer(m, m), 1);
        EXPECT_EQ(DayOfficer(m, m == 1 ? 12 : m - 1), 12);
        EXPECT_EQ(DayOfficer(m, m % 12 + 1), 2);
    }
}

}  // namespace
