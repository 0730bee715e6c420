// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing days: the facts agree with the calendar of the same moment, each criterion removes
// exactly its days, and the exported files are what spreadsheets and calendars expect.
#include "tools/day_selection.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>

#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "calendar/nine_stars.h"
#include "tools/day_selection_export.h"

namespace {

TEST(BranchRelationTable, EveryRelationWithItsPairs) {
    // Pairs counted once per unordered pair (self-punishment once per branch).
    int counts[5] = {};
    for (Branch a = 1; a <= 12; ++a)
        for (Branch b = a; b <= 12; ++b)
            for (BranchRelation r : RelationsOfBranches(a, b)) ++counts[static_cast<int>(r)];
    EXPECT_EQ(counts[0], 6);                            // clash
    EXPECT_EQ(counts[1], 6);                            // six combinations
    EXPECT_EQ(counts[2], 12);                           // three harmonies: 4 triangles × 3 pairs
    EXPECT_EQ(counts[3], 6);                            // harm
    EXPECT_EQ(counts[4], 11);                           // 3 + 3 + 1 pairs and 4 self-punishments
    EXPECT_EQ(RelationsText(3, 6), "вред, наказание");  // Инь–Сы
    EXPECT_EQ(RelationsText(9, 5), "три гармонии");     // Шэнь–Чэнь
    EXPECT_EQ(RelationsText(7, 7), "наказание");        // У with itself
    EXPECT_EQ(RelationsText(1, 1), "");
    EXPECT_EQ(RelationsText(2, 8), "столкновение, наказание");  // Чоу–Вэй
    EXPECT_EQ(RelationsText(8, 1), "вред");                     // Вэй–Цзы, either order
    EXPECT_EQ(RelationsText(1, 2), "шесть соединений");
    EXPECT_FALSE(HasBranchRelation(0, 1, BranchRelation::Clash));
}

TEST(DaySelection, FactsAgreeWithTheCalendarOfEveryDayOfAYear) {
    // 2023 has a leap month (the second) and a term change every fortnight; Beijing time with
    // the longitude on, at 23:30, so the day pillar is the next day's.
    const TimeSettings settings = TimeSettings::WithZoneIndex(22, 1, 116, true);
    DayCriteria criteria;
    criteria.timeOfDay = 23.5 / 24;
    DaySearch search(EncodeMoment(2023, 1, 1), EncodeMoment(2023, 12, 31), criteria, settings);
    while (search.Step(100)) {
    }
    ASSERT_EQ(search.Days().size(), 365u);
    int termDays = 0;
    for (const DayVerdict& v : search.Days()) {
        const MomentCalendar c = ComputeMomentCalendar(v.facts.civil, settings);
        const DayFacts& f = v.facts;
        SCOPED_TRACE(v.facts.civil);
        EXPECT_TRUE(v.chosen);
        EXPECT_EQ(f.day.stem, c.moment.day.stem);
        EXPECT_EQ(f.day.branch, c.moment.day.branch);
        EXPECT_EQ(f.month.branch, c.moment.month.branch);
        EXPECT_EQ(f.year.branch, c.moment.year.branch);
        EXPECT_EQ(f.officer, DayOfficer(c.moment.month.branch, c.moment.day.branch));
        EXPECT_EQ(f.mansion, c.moment.mansion);
        EXPECT_EQ(f.dayStar, c.moment.dayStar);
        EXPECT_EQ(f.lunar.month, c.lunar.month);
        EXPECT_EQ(f.lunar.day, c.lunar.day);
        EXPECT_EQ(f.lunar.leap, c.lunar.leap);
        EXPECT_EQ(f.term, c.season.termName);
        termDays += f.termBegins >= 0;
    }
    EXPECT_EQ(termDays, 24);
}

TEST(DaySelection, EachCriterionRemovesExactlyItsDays) {
    const TimeSettings settings;  // GMT+3
    const Moment from = EncodeMoment(2024, 1, 1), to = EncodeMoment(2024, 12, 31);
    DaySearch all(from, to, DayCriteria{}, settings);
    all.Step(all.Total());
    auto chosenDates = [&](const DayCriteria& c) {
        std::vector<Moment> dates;
        for (const DayVerdict& v : SelectDays(from, to, c, settings)) dates.push_back(v.facts.date);
        return dates;
    };
    auto expectedDates = [&](auto keep) {
        std::vector<Moment> dates;
        for (const DayVerdict& v : all.Days())
            if (keep(v.facts)) dates.push_back(v.facts.date);
        return dates;
    };
    auto clash = [](Branch a, Branch b) { return (a - b + 12) % 12 == 6; };

    DayCriteria c;
    c.officers = {1, 11};
    c.notMansions = {5};
    EXPECT_EQ(chosenDates(c), expectedDates([](const DayFacts& f) {
                  return (f.officer == 1 || f.officer == 11) && f.mansion != 5;
              }));
    c = {};
    c.dayStars = {9};
    c.lunarDays = {1, 15};
    EXPECT_EQ(chosenDates(c), expectedDates([](const DayFacts& f) {
                  return f.dayStar == 9 && (f.lunar.day == 1 || f.lunar.day == 15);
              }));
    c = {};
    c.noMonthBreaker = true;
    c.noYearBreaker = true;
    const auto noBreakers = chosenDates(c);
    EXPECT_EQ(noBreakers, expectedDates([&](const DayFacts& f) {
                  return !clash(f.day.branch, f.month.branch) &&
                         !clash(f.day.branch, f.year.branch);
              }));
    EXPECT_GT(noBreakers.size(), 290u);  // about one day in six goes for each
    c = {};
    c.persons = {{"А", 5, 11}, {"", 3, 0}};
    c.noClashWithPersonYear = true;
    c.noClashWithPersonDay = true;
    EXPECT_EQ(chosenDates(c), expectedDates([&](const DayFacts& f) {
                  return !clash(f.day.branch, 5) && !clash(f.day.branch, 11) &&
                         !clash(f.day.branch, 3);
              }));
    c = {};
    c.noTermDay = true;
    EXPECT_EQ(chosenDates(c).size(), 366u - 24u);
    // 2024-06-05: "Колошение хлебов" at 07:09 Moscow time (04:09:53 universal).
    const DayVerdict& june5 = all.Days()[static_cast<std::size_t>(EncodeMoment(2024, 6, 5) - from)];
    EXPECT_EQ(june5.facts.term, "Колошение хлебов");
    const auto reasons = DayReasons(june5.facts, DayCriteria{});
    EXPECT_NE(std::find(reasons.begin(), reasons.end(), "Смена сезона: Колошение хлебов в 07:09"),
              reasons.end());

    EXPECT_EQ(CheckSelection(from, from + kMaxSelectionDays, DayCriteria{}),
              "Диапазон длиннее 20 лет.");
    EXPECT_EQ(CheckSelection(from, from - 1, DayCriteria{}), "Конец диапазона раньше начала.");
    c = {};
    c.mansions = {29};
    EXPECT_EQ(CheckSelection(from, to, c), "Созвездие — число от 1 до 28.");
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

TEST(DaySelectionExport, IcsEventsAreValidAllDayEventsWithFoldedLines) {
    DayCriteria c;
    c.persons = {{"Анна Каренина, урожденная Облонская", 5, 11}};
    c.officers = {9};
    const std::vector<DayVerdict> days =
        SelectDays(EncodeMoment(2024, 1, 1), EncodeMoment(2024, 3, 31), c, TimeSettings{});
    ASSERT_FALSE(days.empty());
    const std::string ics = DaysIcs(days, c, EncodeMoment(2024, 6, 21, 9, 30, 5));
    EXPECT_EQ(ics.find('\n'), ics.find("\r\n") + 1);
    const std::vector<std::string> lines = Lines(ics);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    // Unfold, checking that no line passes 75 octets and no fold splits a UTF-8 character.
    std::vector<std::string> unfolded;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 75u) << line;
        if (line.size() > 1 && line[0] == ' ') {
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << line;
            unfolded.back() += line.substr(1);
        } else {
            unfolded.push_back(line);
        }
    }
    int events = 0, uids = 0, stamps = 0, starts = 0;
    std::set<std::string> uidSet;
    for (const std::string& line : unfolded) {
        events += line == "BEGIN:VEVENT";
        if (line.rfind("UID:", 0) == 0) ++uids, uidSet.insert(line);
        stamps += line == "DTSTAMP:20240621T093005Z";
        starts += line.rfind("DTSTART;VALUE=DATE:2024", 0) == 0 && line.size() == 27;
    }
    EXPECT_EQ(events, static_cast<int>(days.size()));
    EXPECT_EQ(uids, events);
    EXPECT_EQ(uidSet.size(), days.size()) << "UIDs are unique";
    EXPECT_EQ(stamps, events);
    EXPECT_EQ(starts, events);
    // The commas of the reasons are escaped, line breaks become \n.
    bool description = false;
    for (const std::string& line : unfolded)
        if (line.rfind("DESCRIPTION:", 0) == 0) {
            description = true;
            EXPECT_NE(line.find("Анна Каренина\\, урожденная Облонская\\, ветвь года Чэнь"),
                      std::string::npos)
                << line;
            EXPECT_NE(line.find("\\nЦзянь: Чэн. Завершение (9)\\n"), std::string::npos) << line;
        }
    EXPECT_TRUE(description);
    // Control characters of a name have no place in a text value: a tab is a blank, the rest go.
    EXPECT_EQ(EscapeIcsText("Ива\x01н\tП\x1b\x7f"), "Иван П");
    EXPECT_EQ(FoldIcsLine(std::string(75, 'a')), std::string(75, 'a') + "\r\n");
    EXPECT_EQ(FoldIcsLine(std::string(76, 'a')), std::string(75, 'a') + "\r\n a\r\n");
}

TEST(DaySelectionExport, CsvHasItsColumnsBehindAByteOrderMark) {
    DayCriteria c;
    c.lunarDays = {1};
    const std::vector<DayVerdict> days =
        SelectDays(EncodeMoment(2024, 2, 1), EncodeMoment(2024, 2, 29), c, TimeSettings{});
    ASSERT_EQ(days.size(), 1u);  // the lunar new year, 10 February
    const std::string csv = DaysCsv(days, c, ';');
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> lines = Lines(csv.substr(3));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "Дата;День;Цзянь;Созвездие;Звезда дня;Лунный месяц;Лунный день;Сезон;Причины;Дух дня;"
              "Столкновение");
    EXPECT_EQ(lines[1].rfind("2024-02-10;Цзя-Чэнь;", 0), 0u) << lines[1];
    // The reasons hold the separator: quoted.
    EXPECT_NE(lines[1].find(";\"День: Цзя-Чэнь"), std::string::npos) << lines[1];
    EXPECT_EQ(DaysCsv(days, c, ',').find("Дата,День,Цзянь"), 3u);
}

}  // namespace
