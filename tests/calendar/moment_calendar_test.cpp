// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moment_calendar.h"

#include <gtest/gtest.h>

#include "astro/calendar_prefill.h"
#include "astro/moment.h"
#include "astro/new_moon.h"
#include "astro/term_instant_cache.h"
#include "calendar/calendar_captions.h"
#include "calendar/epoch_year.h"

namespace {

class MomentCalendarTest : public ::testing::Test {
protected:
    const QLocale russian{QLocale::Russian, QLocale::Russia};
};

TEST_F(MomentCalendarTest, EpochYearAroundTheLunarNewYear) {
    const float moscow = 3.0f;
    EXPECT_EQ(EpochYear(EncodeMoment(2024, 6, 1, 12, 0), moscow), 4661);
    // After "Становление весны" (4 Feb) but before the lunar new year (10 Feb).
    EXPECT_EQ(EpochYear(EncodeMoment(2024, 2, 5, 12, 0), moscow), 4661);
    EXPECT_EQ(EpochYear(EncodeMoment(2024, 2, 3, 12, 0), moscow), 4660);
    // After the lunar new year (22 Jan) but before "Становление весны" (4 Feb).
    EXPECT_EQ(EpochYear(EncodeMoment(2023, 1, 30, 12, 0), moscow), 4659);
    EXPECT_EQ(EpochYear(EncodeMoment(2023, 2, 5, 12, 0), moscow), 4660);
    EXPECT_EQ(EpochYear(EncodeMoment(2023, 12, 31, 12, 0), moscow), 4660);
    // 1985: the lunar new year (20 Feb) falls after "Дождевая вода" (19 Feb); the running year
    // still turns at "Становление весны" (4 Feb).
    EXPECT_EQ(EpochYear(EncodeMoment(1985, 1, 15, 12, 0), moscow), 4621);
    EXPECT_EQ(EpochYear(EncodeMoment(1985, 2, 3, 12, 0), moscow), 4621);
    EXPECT_EQ(EpochYear(EncodeMoment(1985, 2, 10, 12, 0), moscow), 4622);
    EXPECT_EQ(EpochYear(EncodeMoment(2034, 2, 10, 12, 0), moscow), 4671);
    // The zone of the settings places the turn: "Становление весны" 2024 is 08:27 UT.
    EXPECT_EQ(EpochYear(EncodeMoment(2024, 2, 4, 10, 0), 3.0f), 4660);
    EXPECT_EQ(EpochYear(EncodeMoment(2024, 2, 4, 10, 0), 0.0f), 4661);
}

TEST_F(MomentCalendarTest, ASummerDayOf2024) {
    const MomentCalendar c = ComputeMomentCalendar(EncodeMoment(2024, 6, 1, 12, 0), TimeSettings());
    const CurrentMoment& m = c.moment;
    EXPECT_EQ(m.year, (Pillar{1, 5}));
    EXPECT_EQ(m.month, (Pillar{6, 6}));  // month Сы of a Цзя year: Цзи-Сы
    EXPECT_EQ(m.day, (Pillar{3, 9}));
    EXPECT_EQ(m.hour, (Pillar{1, 7}));  // 12:00 of a Бин day: Цзя-У
    EXPECT_EQ(m.epochYear, 4661);
    EXPECT_EQ(m.smallCycleStar, 9);
    EXPECT_EQ(m.greatCycleStar, 3);
    EXPECT_EQ(m.yearStar, 3);
    EXPECT_EQ(m.dayStar, 9);
    EXPECT_EQ(m.lunarMonth, 4);
    EXPECT_EQ(c.lunar.day, 25);

    const CalendarCaptions t = CaptionsOfCalendar(c, russian);
    EXPECT_EQ(t.dateTime, "01.06.2024 12:00:00");
    EXPECT_EQ(t.weekday, "суббота");
    EXPECT_EQ(t.seasonMonth, "Начало лета");
    EXPECT_EQ(t.term, "Малое насыщение");
    EXPECT_EQ(t.yearPillar, "Цзя (Дерево-ян), Чэнь (Почва-ян)");
    EXPECT_EQ(t.yearSign, "Знак года 41 из 60");
    EXPECT_EQ(t.monthSign, "Знак периода 6 из 60");
    EXPECT_EQ(t.daySign, "Знак дня 33 из 60");
    EXPECT_EQ(t.hourSign, "Знак часа 31 из 60");
    EXPECT_EQ(t.chineseYear, "4722");
    EXPECT_EQ(t.era, "Нижний");
    EXPECT_EQ(t.smallCycleStar, "9");
    EXPECT_EQ(t.smallCycleColour, "пурпурная");
    EXPECT_EQ(t.yearStarColour, "бирюзовая");
    EXPECT_EQ(t.lunarMonth, "4");
    EXPECT_EQ(t.lunarDay, "25");
    EXPECT_FALSE(t.leapMonth);
    // Another locale writes the date its own way; the weekday and the rest are the system's
    // (Russian) words.
    const CalendarCaptions english =
        CaptionsOfCalendar(c, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.weekday, "суббота");  // a Russian program names its weekdays in Russian
    EXPECT_EQ(english.term, t.term);
}

TEST_F(MomentCalendarTest, MonthPillarAcrossTheYearsEnd) {
    const MomentCalendar dec =
        ComputeMomentCalendar(EncodeMoment(2024, 12, 25, 12, 0), TimeSettings());
    EXPECT_EQ(dec.moment.month, (Pillar{3, 1}));
    EXPECT_EQ(dec.season.termName, "Зимнее солнцестояние");
    EXPECT_EQ(dec.season.seasonMonthName, "Середина зимы");
    const MomentCalendar jan =
        ComputeMomentCalendar(EncodeMoment(2025, 1, 10, 12, 0), TimeSettings());
    EXPECT_EQ(jan.moment.year, (Pillar{1, 5}));
    EXPECT_EQ(jan.moment.month, (Pillar{4, 2}));
}

TEST_F(MomentCalendarTest, LeapMonthIsFlagged) {
    const MomentCalendar c =
        ComputeMomentCalendar(EncodeMoment(2023, 3, 22, 12, 0), TimeSettings());
    EXPECT_TRUE(CivilLeapMonth(c));
    EXPECT_EQ(c.lunar.month, 2);
    EXPECT_EQ(c.lunar.day, 1);
    // Under a summer shift the mark follows the civil moment: 2023-03-22 00:30 civil is still
    // 21 March in pillar time, the last day of the ordinary second month.
    const MomentCalendar shifted =
        ComputeMomentCalendar(EncodeMoment(2023, 3, 22, 0, 30), TimeSettings::WithZoneIndex(16, 2));
    EXPECT_FALSE(shifted.lunar.leap);
    EXPECT_TRUE(CivilLeapMonth(shifted));
}

TEST_F(MomentCalendarTest, ARecordReusedForTheNextDayHoldsOnlyThatDay) {
    MomentCalendar reused =
        ComputeMomentCalendar(EncodeMoment(2024, 12, 25, 12, 0), TimeSettings());
    ComputeMomentCalendar(EncodeMoment(2024, 6, 1, 12, 0), TimeSettings(), reused);
    const MomentCalendar fresh =
        ComputeMomentCalendar(EncodeMoment(2024, 6, 1, 12, 0), TimeSettings());
    EXPECT_EQ(reused.season.termName, fresh.season.termName);
    EXPECT_EQ(reused.season.seasonMonthName, fresh.season.seasonMonthName);
    EXPECT_EQ(reused.moment.month, fresh.moment.month);
    EXPECT_EQ(reused.moment.dayStar, fresh.moment.dayStar);
    EXPECT_EQ(reused.lunar.day, fresh.lunar.day);
}

TEST_F(MomentCalendarTest, AfterThePrefillTheDaysOfItsYearsSearchNothing) {
    SharedTermInstantCache().Clear();
    SharedLunationCache.Clear();
    PrefillCalendarYears(2023, 2024, 2);
    const std::size_t years = SharedTermInstantCache().YearCount();
    const std::size_t lunations = SharedLunationCache.size();
    // The extreme zones and the longitude correction move universal and pillar time furthest
    // from the civil day; 00:00 and 23:30 are the two ends of it.
    const TimeSettings settings[] = {TimeSettings::WithZoneIndex(0, -5, -180, true),
                                     TimeSettings::WithZoneIndex(kZoneCount - 1, 5, 180, true)};
    for (const TimeSettings& s : settings)
        for (Moment day = EncodeMoment(2023, 1, 1); day <= EncodeMoment(2024, 12, 31); day += 1)
            for (double time : {0.0, 23.5 / 24}) ComputeMomentCalendar(day + time, s);
    EXPECT_EQ(SharedTermInstantCache().YearCount(), years);
    EXPECT_EQ(SharedLunationCache.size(), lunations);
}

TEST_F(MomentCalendarTest, LongitudeMovesTheDayAndHourOnly) {
    // 23:30 civil in Moscow; with longitude 30°E local mean time is 22:30: still the same day.
    const Moment civil = EncodeMoment(2002, 10, 22, 23, 30);
    TimeSettings on = TimeSettings::WithZoneIndex(16, 0, 30, true);
    const MomentCalendar withLongitude = ComputeMomentCalendar(civil, on);
    EXPECT_EQ(withLongitude.moment.day, (Pillar{10, 12}));
    EXPECT_EQ(withLongitude.moment.hour.branch, 12);
    const MomentCalendar without = ComputeMomentCalendar(civil, TimeSettings());
    EXPECT_EQ(without.moment.day, (Pillar{1, 1}));
    EXPECT_EQ(without.moment.hour.branch, 1);
    EXPECT_EQ(withLongitude.moment.year, without.moment.year);
    EXPECT_EQ(withLongitude.moment.month, without.moment.month);
}

}  // namespace
