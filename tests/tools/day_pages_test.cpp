// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/day_pages.h"

#include <gtest/gtest.h>

#include "astro/local_time.h"
#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "support/locale_guard.h"

namespace {

class DayPages : public ::testing::Test {
protected:
    static CurrentMoment At(int y, int m, int d, int h, int min) {
        TimeSettings settings;  // GMT+3, no summer shift, longitude off
        return ComputeMomentCalendar(EncodeMoment(y, m, d, h, min, 0), settings).moment;
    }
};

TEST_F(DayPages, TheOfficerIsOneWhereTheDayBranchMeetsTheMonthBranch) {
    // Walk June 2024 (all in the solar month of У, from "Колошение хлебов" on the 5th) day by
    // day: the officer steps by one with the day branch, is 1 exactly on the days whose branch
    // is the month's, and 12 on the day before each of them.
    int officerOnes = 0;
    for (int day = 6; day <= 29; ++day) {
        const CurrentMoment today = At(2024, 6, day, 12, 0);
        const CurrentMoment tomorrow = At(2024, 6, day + 1, 12, 0);
        ASSERT_EQ(today.month.branch, 7);
        ASSERT_EQ(tomorrow.month.branch, 7);
        const int officer = OfficerOfDay(today);
        EXPECT_EQ(officer == 1, today.day.branch == 7) << day;
        EXPECT_EQ(OfficerOfDay(tomorrow), officer % 12 + 1) << day;
        if (OfficerOfDay(tomorrow) == 1) {
            EXPECT_EQ(officer, 12) << day;
            ++officerOnes;
        }
    }
    EXPECT_EQ(officerOnes, 2);  // 24 days hold two turns of the twelve
}

TEST_F(DayPages, PagesOfOfficersAndMansions) {
    EXPECT_EQ(OfficerPagePath(1), "\\other\\czang\\c1.rtf");
    EXPECT_EQ(OfficerPagePath(12), "\\other\\czang\\c12.rtf");
    EXPECT_EQ(MansionPagePath(28), "\\other\\constell\\c28.rtf");
    // 2003-06-25 at 22:59 is mansion 28 and at 23:00 mansion 1; 11:00 the same day is 28.
    EXPECT_EQ(MansionPagePath(At(2003, 6, 25, 22, 59).mansion), "\\other\\constell\\c28.rtf");
    EXPECT_EQ(MansionPagePath(At(2003, 6, 25, 23, 0).mansion), "\\other\\constell\\c1.rtf");
    EXPECT_EQ(At(2003, 6, 25, 11, 0).mansion, 28);
    EXPECT_EQ(At(2003, 7, 24, 12, 0).mansion, 1);
}

TEST_F(DayPages, CaptionsInTheUsersFormat) {
    EXPECT_EQ(GoodDayCaption(EncodeMoment(2024, 6, 21, 12, 30, 5), kRussian),
              QString::fromUtf8("12 установлений, 21.06.2024 12:30:05"));
    // At exactly midnight the time is left out.
    EXPECT_EQ(GoodDayCaption(EncodeMoment(2024, 6, 21, 0, 0, 0), kRussian),
              QString::fromUtf8("12 установлений, 21.06.2024"));
    EXPECT_EQ(ConstellCaption(EncodeMoment(2024, 6, 21, 12, 30, 5), kRussian),
              QString::fromUtf8("28 созвездий, 21.06.2024"));
    EXPECT_STREQ(kRelationsOfficerCaption, "Цзянь дня, из таблицы «Сочетаемость стволов и ветвей»");
}

}  // namespace
