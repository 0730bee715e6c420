// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac day, one hand-worked day per rule. Day 2024-06-01 is 丙申 in the solar month 巳
// (芒种 begins on 06-05), the example every almanac of that year prints.
#include "almanac/almanac_day.h"

#include <gtest/gtest.h>

#include "almanac/almanac_lines.h"
#include "almanac/clash_sha.h"
#include "almanac/day_spirits.h"
#include "almanac/day_taboos.h"
#include "astro/moment.h"

namespace {

const Pillar kBingShen{3, 9};
constexpr long kJune1 = 45444;  // 2024-06-01 as a day count
constexpr Branch kSnakeMonth = 6;

TEST(DaySpirit, TheExampleDayIsOnTheBlackRoad) {
    const MomentCalendar c =
        ComputeMomentCalendar(EncodeMoment(2024, 6, 1, 12, 0, 0), TimeSettings{});
    ASSERT_EQ(c.moment.month.branch, kSnakeMonth);
    ASSERT_EQ(c.moment.day, kBingShen);
    const AlmanacDay a = AlmanacOfCalendar(c, TimeSettings{});
    EXPECT_STREQ(Spirit(a.spirit).hanzi, "天刑");
    EXPECT_FALSE(a.yellowRoad);
    EXPECT_EQ(SpiritLine(a), "Дух дня: Небесная кара (天刑), черный путь");
}

TEST(DaySpirit, AzureDragonByMonthAndTheRestBranchByBranch) {
    // Month 寅: 青龙 on 子 days; month 子: on 申, so a 酉 day has the second spirit, 明堂.
    EXPECT_STREQ(Spirit(DaySpirit(3, 1)).hanzi, "青龙");
    EXPECT_STREQ(Spirit(DaySpirit(1, 10)).hanzi, "明堂");
    EXPECT_STREQ(Spirit(DaySpirit(8, 10)).hanzi, "勾陈");  // month 未: 青龙 on 戌, 酉 the last
    // Every month has six yellow and six black days, and months six apart share the table.
    for (Branch m = 1; m <= 12; ++m) {
        int yellow = 0;
        for (Branch d = 1; d <= 12; ++d) {
            yellow += Spirit(DaySpirit(m, d)).yellowRoad;
            EXPECT_EQ(DaySpirit(m, d), DaySpirit((m + 5) % 12 + 1, d));
        }
        EXPECT_EQ(yellow, 6) << m;
    }
}

TEST(HourSpirits, PlacedByTheDayBranchWithTheirClockTimes) {
    // Day 申: 青龙 on the hour 子, so the yellow hours are 子 丑 辰 巳 未 戌.
    const AlmanacDay a = AlmanacOfDay(kSnakeMonth, kBingShen, kJune1, TimeSettings{});
    std::string yellow;
    for (const AlmanacHour& h : a.hours)
        if (h.yellowRoad) yellow += BranchHanzi(h.branch);
    EXPECT_EQ(yellow, "子丑辰巳未戌");
    EXPECT_EQ(AuspiciousHoursLine(a),
              "Благоприятные часы: Цзы 23:00–01:00, Чоу 01:00–03:00, Чэнь 07:00–09:00, "
              "Сы 09:00–11:00, Вэй 13:00–15:00, Сюй 19:00–21:00");
    // 子 begins the evening before.
    EXPECT_EQ(DecodeMoment(a.hours[0].civilFrom + 1e-6).day, 31);

    // The clock follows the hour pillar's settings: a summer hour puts every hour an hour later;
    // the longitude 37° E in zone +3 puts pillar time 32 minutes behind the clock.
    TimeSettings summer;
    summer.summerHours = 1;
    EXPECT_EQ(ClockMinutes(AlmanacOfDay(6, kBingShen, kJune1, summer).hours[0].civilFrom), "00:00");
    TimeSettings longitude;
    longitude.longitudeOn = true;
    longitude.longitude = 37;
    const AlmanacDay local = AlmanacOfDay(6, kBingShen, kJune1, longitude);
    EXPECT_EQ(ClockMinutes(local.hours[0].civilFrom), "23:32");
    EXPECT_EQ(ClockMinutes(local.hours[11].civilTo), "23:32");
    // The hour pillar agrees: the clock time of each hour's start, a minute on, has that hour.
    for (const AlmanacHour& h : local.hours) {
        const MomentCalendar c = ComputeMomentCalendar(h.civilFrom + 1.0 / 1440, longitude);
        EXPECT_EQ(c.moment.hour.branch, h.branch);
        EXPECT_EQ(c.moment.day, kBingShen);
    }
}

TEST(ClashAndSha, TheOppositeBranchAndTheControlledStem) {
    const AlmanacDay a = AlmanacOfDay(kSnakeMonth, kBingShen, kJune1, TimeSettings{});
    EXPECT_EQ(ClashLine(a), "Столкновение: (庚寅) Тигр, ша: Ю");
    // 甲子: wood controls earth, 戊; 午 the opposite of 子; a water frame, sha south.
    EXPECT_EQ(PillarHanzi(ClashPillar({1, 1})), "戊午");
    // 癸亥: yin water controls yin fire, 丁; 亥卯未 days have their sha west.
    EXPECT_EQ(PillarHanzi(ClashPillar({10, 12})), "丁巳");
    EXPECT_EQ(ShaDirection(12), Direction::W);
    EXPECT_EQ(ShaDirection(7), Direction::N);   // 寅午戌
    EXPECT_EQ(ShaDirection(10), Direction::E);  // 巳酉丑
}

TEST(GodsDirections, ByTheDayStem) {
    const AlmanacDay a = AlmanacOfDay(kSnakeMonth, kBingShen, kJune1, TimeSettings{});
    EXPECT_EQ(GodsLine(a), "Радость: ЮЗ, богатство: ЮЗ, знатный ян: З, знатный инь: СЗ");
    const GodsDirections geng = GodsDirectionsOfStem(7);  // 庚
    EXPECT_EQ(geng.joy, Direction::NW);
    EXPECT_EQ(geng.wealth, Direction::E);
    EXPECT_EQ(geng.yangNoble, Direction::S);
    EXPECT_EQ(geng.yinNoble, Direction::NE);
}

TEST(PengZuTaboos, OneForTheStemOneForTheBranch) {
    const AlmanacDay a = AlmanacOfDay(kSnakeMonth, kBingShen, kJune1, TimeSettings{});
    EXPECT_EQ(StemTabooLine(a),
              "Пэн Цзу, Бин: не чинить очаг — не миновать беды (丙不修灶必见灾殃)");
    EXPECT_STREQ(BranchTaboo(9).hanzi, "申不安床鬼祟入房");
    EXPECT_STREQ(StemTaboo(1).hanzi, "甲不开仓财物耗散");
    EXPECT_STREQ(BranchTaboo(12).hanzi, "亥不嫁娶不利新郎");
    EXPECT_EQ(AlmanacLines(a).size(), 6u);
}

}  // namespace
