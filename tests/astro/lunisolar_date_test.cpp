// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/lunisolar_date.h"

#include <string>

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "astro/new_moon.h"
#include "astro/solar_terms.h"

namespace {

// The moment the calendar asks about for a day: 12:00 plus one hour.
Moment DayAtNoonPlusAnHour(int year, int month, int day) {
    return EncodeMoment(year, month, day, 13);
}

struct LunarCase {
    int year, month, day;
    int lunarMonth;
    bool leap;
    int lunarDay;
    int lunarEpochYear;
};

std::string Text(const LunarDate& d) {
    return std::to_string(d.lunarEpochYear) + " month " + std::to_string(d.month) +
           (d.leap ? " (leap)" : "") + " day " + std::to_string(d.day);
}

TEST(LunisolarDate, ReferenceDatesIncludingLeapMonths) {
    const LunarCase cases[] = {
        {2024, 2, 9, 12, false, 30, 4660},  {2024, 2, 10, 1, false, 1, 4661},
        {2023, 1, 22, 1, false, 1, 4660},   {2023, 3, 22, 2, true, 1, 4660},
        {2023, 4, 19, 2, true, 29, 4660},   {2023, 4, 20, 3, false, 1, 4660},
        {2020, 5, 23, 4, true, 1, 4657},    {2020, 6, 21, 5, false, 1, 4657},
        {2025, 7, 25, 6, true, 1, 4662},    {2025, 8, 23, 7, false, 1, 4662},
        {2024, 6, 1, 4, false, 25, 4661},   {2023, 3, 21, 2, false, 30, 4660},
        {2020, 5, 22, 4, false, 30, 4657},  {2025, 7, 24, 6, false, 30, 4662},
        {2024, 12, 31, 12, false, 1, 4661}, {2025, 1, 28, 12, false, 29, 4661},
    };
    for (const LunarCase& c : cases) {
        const LunarDate d = LunisolarDate(DayAtNoonPlusAnHour(c.year, c.month, c.day));
        const LunarDate expected{c.lunarEpochYear, c.lunarMonth, c.leap, c.lunarDay};
        EXPECT_EQ(Text(d), Text(expected)) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(LunisolarDate, TheLeapEleventhMonthOf2033) {
    // The year from the winter solstice of 2033 has its leap month after the solstice month: the
    // leap eleventh month from 2033-12-22, as the published calendars resolve it.
    EXPECT_EQ(Text(LunisolarDate(DayAtNoonPlusAnHour(2033, 12, 21))), "4670 month 11 day 30");
    EXPECT_EQ(Text(LunisolarDate(DayAtNoonPlusAnHour(2033, 12, 22))), "4670 month 11 (leap) day 1");
    EXPECT_EQ(Text(LunisolarDate(DayAtNoonPlusAnHour(2034, 1, 20))), "4670 month 12 day 1");
}

TEST(LunisolarDate, TheDayChangesAtMidnightOfTheGivenMoment) {
    // Callers add one hour: 23:00 of the last day of a month is already the next month's day 1.
    const LunarDate before = LunisolarDate(EncodeMoment(2024, 2, 9, 22, 59) + 1.0 / 24);
    const LunarDate after = LunisolarDate(EncodeMoment(2024, 2, 9, 23, 0) + 1.0 / 24);
    EXPECT_EQ(Text(before), "4660 month 12 day 30");
    EXPECT_EQ(Text(after), "4661 month 1 day 1");
}

TEST(LunisolarDate, ChineseNewYearOfFarYears) {
    // First days of the lunar year from published Chinese calendars.
    const int newYears[][3] = {
        {1900, 1, 31}, {1901, 2, 19}, {1912, 2, 18}, {1949, 1, 29}, {1950, 2, 17}, {1976, 1, 31},
        {1985, 2, 20}, {1990, 1, 27}, {2000, 2, 5},  {2001, 1, 24}, {2008, 2, 7},  {2010, 2, 14},
        {2015, 2, 19}, {2020, 1, 25}, {2021, 2, 12}, {2022, 2, 1},  {2023, 1, 22}, {2024, 2, 10},
        {2025, 1, 29}, {2026, 2, 17}, {2030, 2, 3},  {2033, 1, 31}, {2034, 2, 19}, {2050, 1, 23},
        {2100, 2, 9},  {1899, 2, 10},  // before 1899-12-30: a negative day count
    };
    for (const auto& n : newYears) {
        const LunarDate first = LunisolarDate(DayAtNoonPlusAnHour(n[0], n[1], n[2]));
        EXPECT_EQ(Text(first), Text(LunarDate{n[0] + 2637, 1, false, 1}))
            << n[0] << "-" << n[1] << "-" << n[2];
        const LunarDate eve = LunisolarDate(DayAtNoonPlusAnHour(n[0], n[1], n[2]) - 1);
        EXPECT_EQ(eve.month, 12) << n[0];
        EXPECT_EQ(eve.lunarEpochYear, n[0] + 2636) << n[0];
        EXPECT_GE(eve.day, 29) << n[0];
    }
}

TEST(LunisolarDate, EveryDay1900To2100FollowsFromTheDayBefore) {
    // Days count up by one within a month of 29 or 30 days; a new month follows the previous one
    // (or repeats its number as a leap month); a lunar year has at most one leap month.
    LunarDate previous = LunisolarDate(DayAtNoonPlusAnHour(1900, 1, 1));
    int leapMonthsThisYear = previous.leap ? 1 : 0;
    const Moment end = DayAtNoonPlusAnHour(2100, 12, 31);
    for (Moment x = DayAtNoonPlusAnHour(1900, 1, 2); x <= end; x += 1) {
        const LunarDate d = LunisolarDate(x);
        const std::string where = DecodeMoment(x).year == 0
                                      ? ""
                                      : std::to_string(DecodeMoment(x).year) + "-" +
                                            std::to_string(DecodeMoment(x).month) + "-" +
                                            std::to_string(DecodeMoment(x).day) + ": " +
                                            Text(previous) + " -> " + Text(d);
        if (d.day != 1) {
            ASSERT_EQ(d.day, previous.day + 1) << where;
            ASSERT_EQ(d.month, previous.month) << where;
            ASSERT_EQ(d.leap, previous.leap) << where;
        } else {
            ASSERT_GE(previous.day, 29) << where;
            ASSERT_LE(previous.day, 30) << where;
            if (d.leap) {
                ASSERT_EQ(d.month, previous.month) << where;
                ASSERT_EQ(++leapMonthsThisYear, 1) << where;
            } else {
                ASSERT_EQ(d.month, previous.month % 12 + 1) << where;
            }
            if (d.month == 1 && !d.leap) leapMonthsThisYear = 0;
        }
        if (d.month == 1 && d.day == 1 && !d.leap)
            ASSERT_EQ(d.lunarEpochYear, previous.lunarEpochYear + 1) << where;
        else
            ASSERT_EQ(d.lunarEpochYear, previous.lunarEpochYear) << where;
        previous = d;
    }
}

TEST(ChinaTime, BeijingTimeAfter1928AndLocalMeanTimeBefore) {
    EXPECT_DOUBLE_EQ(ChinaTimeOfUniversal(EncodeMoment(2024, 1, 1)), EncodeMoment(2024, 1, 1, 8));
    EXPECT_DOUBLE_EQ(ChinaTimeOfUniversal(EncodeMoment(1929, 1, 1)), EncodeMoment(1929, 1, 1, 8));
    EXPECT_NEAR(ChinaTimeOfUniversal(EncodeMoment(1928, 6, 1)), EncodeMoment(1928, 6, 1, 7, 45, 40),
                1e-9);
    EXPECT_DOUBLE_EQ(UniversalOfChinaTime(EncodeMoment(2024, 1, 1, 8)), EncodeMoment(2024, 1, 1));
    EXPECT_NEAR(UniversalOfChinaTime(EncodeMoment(1900, 3, 1, 7, 45, 40)), EncodeMoment(1900, 3, 1),
                1e-9);
    EXPECT_EQ(ChinaDateOf(EncodeMoment(2024, 2, 9, 23, 59)), EncodeMoment(2024, 2, 9));
    EXPECT_EQ(ChinaDateOf(-0.25), -1);  // 1899-12-29 18:00 lies on day −1
}

TEST(MajorTerms, NextAndPreviousAroundAnInstant) {
    const Moment solstice = TermInstant(2024, 18);
    EXPECT_EQ(NextMajorTerm(solstice), solstice);
    EXPECT_EQ(NextMajorTerm(solstice - 1e-6), solstice);
    EXPECT_EQ(NextMajorTerm(solstice + 1e-6), TermInstant(2025, 20));
    EXPECT_EQ(PreviousMajorTerm(solstice), TermInstant(2024, 16));
    EXPECT_EQ(PreviousMajorTerm(solstice + 1e-6), solstice);
    EXPECT_EQ(NextMajorTerm(EncodeMoment(2024, 3, 1)), TermInstant(2024, 0));
    EXPECT_EQ(PreviousMajorTerm(EncodeMoment(2024, 1, 10)), TermInstant(2023, 18));
    // China-date forms: the winter solstice of 2024 falls on 2024-12-21 in Beijing.
    EXPECT_EQ(NextMajorDate(EncodeMoment(2024, 12, 15)), EncodeMoment(2024, 12, 21));
    EXPECT_EQ(PreviousMajorDate(EncodeMoment(2024, 12, 25)), EncodeMoment(2024, 12, 21));
}

TEST(ChinaDates, MonthsWithoutAMajorTerm) {
    // The leap month of 2023 began on 2023-03-22 and has no major term; the month before it and
    // the one after it have one.
    const ChinaDate leapStart = static_cast<ChinaDate>(EncodeMoment(2023, 3, 22));
    EXPECT_EQ(NewMoonStart(leapStart + 10), leapStart);
    EXPECT_EQ(NextNewMoonDate(leapStart - 10), leapStart);
    EXPECT_TRUE(NoMajorTerm(leapStart));
    EXPECT_FALSE(NoMajorTerm(NewMoonStart(leapStart - 1)));
    EXPECT_FALSE(NoMajorTerm(NextNewMoonDate(leapStart + 2)));
    const ChinaDate monthOne = static_cast<ChinaDate>(EncodeMoment(2023, 1, 22));
    EXPECT_TRUE(LeapSince(leapStart, monthOne));
    EXPECT_FALSE(LeapSince(NewMoonStart(leapStart - 1), monthOne));
    EXPECT_FALSE(LeapSince(monthOne, monthOne));
}

}  // namespace
