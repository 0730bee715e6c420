#include "calendar/moment_calendar.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "calendar/epoch_year.h"
#include "locale_guard.h"

namespace {

class MomentCalendarTest : public ::testing::Test {
protected:
    // The moment's date captions are written in the process locale.
    LocaleGuard locale_;
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
    EXPECT_EQ(m.hour, (Pillar{1, 7}));   // 12:00 of a Бин day: Цзя-У
    EXPECT_EQ(m.epochYear, 4661);
    EXPECT_EQ(m.smallCycleStar, 9);
    EXPECT_EQ(m.greatCycleStar, 3);
    EXPECT_EQ(m.yearStar, 3);
    EXPECT_EQ(m.dayStar, 9);
    EXPECT_EQ(m.lunarMonth, 4);
    EXPECT_EQ(c.lunar.day, 25);

    const CalendarTexts& t = c.texts;
    EXPECT_EQ(t.labelNow, "01.06.2024 12:00:00");
    EXPECT_EQ(t.week, "суббота");
    EXPECT_EQ(t.bigSeason, "Начало лета");
    EXPECT_EQ(t.smallSeason, "Малое насыщение");
    EXPECT_EQ(t.psYear, "Цзя (Дерево-ян), Чэнь (Почва-ян)");
    EXPECT_EQ(t.label28, "Знак года 41 из 60");
    EXPECT_EQ(t.label27, "Знак периода 6 из 60");
    EXPECT_EQ(t.label25, "Знак дня 33 из 60");
    EXPECT_EQ(t.label26, "Знак часа 31 из 60");
    EXPECT_EQ(t.epochYears, "4722");
    EXPECT_EQ(t.juang, "Нижний");
    EXPECT_EQ(t.jung, "9");
    EXPECT_EQ(t.labelJunName, "пурпурная");
    EXPECT_EQ(t.labelYearS, "бирюзовая");
    EXPECT_EQ(t.month, "4");
    EXPECT_EQ(t.day, "25");
    EXPECT_FALSE(t.leapVisible);
}

TEST_F(MomentCalendarTest, MonthPillarAcrossTheYearsEnd) {
    const MomentCalendar dec = ComputeMomentCalendar(EncodeMoment(2024, 12, 25, 12, 0), TimeSettings());
    EXPECT_EQ(dec.moment.month, (Pillar{3, 1}));
    EXPECT_EQ(dec.texts.smallSeason, "Зимнее солнцестояние");
    EXPECT_EQ(dec.texts.bigSeason, "Середина зимы");
    const MomentCalendar jan = ComputeMomentCalendar(EncodeMoment(2025, 1, 10, 12, 0), TimeSettings());
    EXPECT_EQ(jan.moment.year, (Pillar{1, 5}));
    EXPECT_EQ(jan.moment.month, (Pillar{4, 2}));
}

TEST_F(MomentCalendarTest, LeapMonthIsFlagged) {
    const MomentCalendar c = ComputeMomentCalendar(EncodeMoment(2023, 3, 22, 12, 0), TimeSettings());
    EXPECT_TRUE(c.texts.leapVisible);
    EXPECT_EQ(c.texts.month, "2");
    EXPECT_EQ(c.texts.day, "1");
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
