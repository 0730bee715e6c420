// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac in choosing days: the yellow road, the hours that do not clash with a person, and
// what the exported files carry.
#include "tools/day_almanac.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "tools/day_selection.h"
#include "tools/day_selection_export.h"

namespace {

TEST(DayAlmanac, OnlyTheYellowRoad) {
    DayCriteria c;
    c.yellowRoadOnly = true;
    DaySearch search(EncodeMoment(2024, 6, 1), EncodeMoment(2024, 7, 31), c, TimeSettings{});
    search.Step(search.Total());
    int chosen = 0;
    for (const DayVerdict& v : search.Days()) {
        EXPECT_EQ(v.chosen, v.facts.almanac.yellowRoad) << v.facts.date;
        chosen += v.chosen;
    }
    EXPECT_GT(chosen, 25);
    EXPECT_LT(chosen, 36);
    // 2024-06-01, 天刑, is on the black road.
    ASSERT_FALSE(search.Days().front().chosen);
    EXPECT_EQ(search.Days().front().failed, std::vector<std::string>{"черный путь"});
}

TEST(DayAlmanac, HoursThatClashWithAPersonAreLeftOut) {
    // 2024-06-01 (丙申): yellow hours 子 丑 辰 巳 未 戌. A person born in a 午 year clashes with
    // 子.
    DayCriteria c;
    c.persons.push_back({"", 7, 0});
    DayFacts f = FactsOfDay(EncodeMoment(2024, 6, 1), c, TimeSettings{}, {});
    EXPECT_EQ(SuitableHours(f, c).size(), 6u);
    c.noHourClashWithPerson = true;
    const std::vector<AlmanacHour> hours = SuitableHours(f, c);
    ASSERT_EQ(hours.size(), 5u);
    EXPECT_EQ(hours.front().branch, 2);
    EXPECT_EQ(DayAlmanacLines(f, c).back(),
              "Благоприятные часы: Чоу 01:00–03:00, Чэнь 07:00–09:00, Сы 09:00–11:00, "
              "Вэй 13:00–15:00, Сюй 19:00–21:00");
    // A person whose branches clash with every yellow hour leaves the day without one.
    f.almanac.hours = {};
    f.almanac.hours[6] = {7, 1, true, 0, 0};  // only 午 on the yellow road, a 子 person
    c.persons = {{"", 1, 0}};
    EXPECT_EQ(FailedCriteria(f, c), std::vector<std::string>{"нет благоприятного часа"});
}

TEST(DayAlmanac, TheExportsCarryTheSpiritAndTheClash) {
    DayCriteria c;
    const std::vector<DayVerdict> days =
        SelectDays(EncodeMoment(2024, 6, 1), EncodeMoment(2024, 6, 1), c, TimeSettings{});
    ASSERT_EQ(days.size(), 1u);
    std::string ics = DaysIcs(days, c, 0);
    for (std::size_t fold; (fold = ics.find("\r\n ")) != std::string::npos;) ics.erase(fold, 3);
    EXPECT_NE(ics.find("Дух дня: Небесная кара (天刑)\\, черный путь"), std::string::npos) << ics;
    const std::string csv = DaysCsv(days, c, ';');
    EXPECT_NE(csv.find(";Дух дня;Столкновение\r\n"), std::string::npos);
    EXPECT_NE(csv.find(";Небесная кара (天刑), черный путь;(庚寅) Тигр, ша: Ю\r\n"),
              std::string::npos)
        << csv;
}

}  // namespace
