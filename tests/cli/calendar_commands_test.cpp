// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar commands end to end: run the built tool, compare with checked-in expected output.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/golden_file.h"

namespace {

int CountLines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

TEST(CliMoment, ReadableTextMatchesTheCalendarWindow) {
    const CliRun run = RunCli("moment --date 2024-06-01T12:00");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ExpectGoldenText(run.out, "tests/cli/golden/moment_2024-06-01.txt");
}

TEST(CliMoment, JsonRecordOfALeapMonthDayWithZoneOptions) {
    const CliRun run =
        RunCli("moment --date 2023-03-22T12:00 --zone-hours 8 --summer 0 --longitude 116 --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ExpectGoldenText(run.out, "tests/cli/golden/moment_2023-03-22_beijing.json");
}

TEST(CliDays, OneLinePerDayWithEveryField) {
    const CliRun run = RunCli("days --from 2024-02-08 --to 2024-02-11 --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ExpectGoldenText(run.out, "tests/cli/golden/days_2024-02-08.json");
    const CliRun text = RunCli("days --from 2024-02-08 --to 2024-02-11 --time 23:30");
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(CountLines(text.out), 4);
    // At 23:30 the day pillar is already the next day's: 2024-02-09 23:30 is Цзя-Чэнь.
    EXPECT_NE(text.out.find("2024-02-09  Цзя-Чэнь  Бин-Инь  Цзя-Чэнь"), std::string::npos)
        << text.out;
}

TEST(CliTermsAndNewMoons, InstantsAsComputed) {
    // In universal time (ΔT applied), and with --no-delta-t byte for byte as the formula as first
    // written gave them.
    for (const std::string scale : {"", "_no_delta_t"}) {
        const std::string option = scale.empty() ? "" : " --no-delta-t";
        const CliRun terms = RunCli("terms --from-year 2024 --to-year 2024 --json" + option);
        EXPECT_EQ(terms.exitCode, 0) << terms.err;
        ExpectGoldenText(terms.out, "tests/cli/golden/terms_2024" + scale + ".json");
        const CliRun moons = RunCli("newmoons" + option + " --from 2024-01-01 --to 2024-12-31");
        EXPECT_EQ(moons.exitCode, 0) << moons.err;
        ExpectGoldenText(moons.out, "tests/cli/golden/newmoons_2024" + scale + ".txt");
        EXPECT_EQ(CountLines(moons.out), 13);  // 2024 has 13 new moons (the last on 30 December)
    }
}

TEST(CliRangedCommands, OutputDoesNotDependOnTheThreads) {
    for (const std::string command :
         {"days --from 1999-12-20 --to 2001-01-10 --time 23:30 --zone-hours 13 --json",
          "days --from 2019-12-30 --to 2020-01-02 --longitude -170",
          "terms --from-year 1999 --to-year 2003 --json",
          "newmoons --from 1999-12-01 --to 2003-02-01 --json"}) {
        const CliRun one = RunCli(command + " --jobs 1");
        EXPECT_EQ(one.exitCode, 0) << one.err;
        EXPECT_FALSE(one.out.empty()) << command;
        for (const char* jobs : {"", " --jobs 2", " --jobs 7"})
            EXPECT_EQ(RunCli(command + jobs).out, one.out) << command << jobs;
    }
}

TEST(CliErrors, OneClearLineAndNonZeroExit) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"moment --date 2024-02-30T12:00", "такой даты нет"},
        {"moment --date 24-02-01", "ожидается YYYY-MM-DDTHH:MM"},
        {"moment --date 2024-01-01T25:00", "такого времени нет"},
        {"days --from 1899-12-31 --to 1900-01-02", "от 1900-01-01 до 9000-01-01"},
        {"days --from 2024-01-02 --to 2024-01-01", "--to раньше, чем --from"},
        {"days --from 2024-01-01", "не указан параметр --to"},
        {"moment --date 2024-01-01T12:00 --zone-hours 2.5", "в списке нет пояса"},
        {"moment --date 2024-01-01T12:00 --summer 9", "должно быть от -5 до 5"},
        {"moment --date 2024-01-01T12:00 --longitude east", "ожидается целое число"},
        {"moment --date 2024-01-01T12:00 --colour red", "неизвестный параметр: --colour"},
        {"terms --from-year 2024 --to-year abc", "ожидается целое число"},
        {"days --from 2024-01-01 --to 2024-01-02 --jobs 0", "--jobs: должно быть от 1 до 256"},
        {"horoscope", "неизвестная команда"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
        EXPECT_EQ(CountLines(run.err), 1) << c.arguments << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
    const CliRun help = RunCli("--help");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"moment", "days", "terms", "newmoons", "table"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
}

}  // namespace

namespace {

// The value of a field of a one-line JSON object, as written ("[3,9]", "4", "\"…\"").
std::string Field(const std::string& line, const std::string& name) {
    const std::string key = "\"" + name + "\":";
    const std::size_t at = line.find(key);
    if (at == std::string::npos) return "";
    std::size_t end = at + key.size();
    if (line[end] == '[')
        end = line.find(']', end) + 1;
    else if (line[end] == '"')
        end = line.find('"', end + 1) + 1;
    else
        end = line.find_first_of(",}", end);
    return line.substr(at + key.size(), end - at - key.size());
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(CliSelect, WithoutCriteriaEqualsDaysAndEachCriterionKeepsTheRightDays) {
    const char* const zone = " --zone-hours 8 --longitude 116 --time 23:30 --json";
    const CliRun days = RunCli(std::string("days --from 2023-01-01 --to 2023-12-31") + zone);
    const CliRun all = RunCli(std::string("select --from 2023-01-01 --to 2023-12-31") + zone);
    ASSERT_EQ(days.exitCode, 0) << days.err;
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const auto dayLines = SplitLines(days.out);
    const auto allLines = SplitLines(all.out);
    ASSERT_EQ(dayLines.size(), 365u);
    ASSERT_EQ(allLines.size(), 365u);
    for (std::size_t i = 0; i < dayLines.size(); ++i)
        for (const char* name : {"date", "day", "officer", "mansion", "day_star", "lunar_month",
                                 "lunar_day", "lunar_leap", "term"})
            EXPECT_EQ(Field(allLines[i], name), Field(dayLines[i], name))
                << name << " " << dayLines[i];

    // Each criterion against the fields of `days`.
    auto branchOf = [](const std::string& pillar) {
        return std::stoi(pillar.substr(pillar.find(',') + 1));
    };
    auto clash = [](int a, int b) { return (a - b + 12) % 12 == 6; };
    struct Case {
        const char* options;
        std::function<bool(const std::string&)> keep;
    };
    const Case cases[] = {
        {"--officer 1,9 --not-mansion 3",
         [](const std::string& l) {
             return (Field(l, "officer") == "1" || Field(l, "officer") == "9") &&
                    Field(l, "mansion") != "3";
         }},
        {"--day-star 4 --lunar-day 1,2,3",
         [](const std::string& l) {
             const int d = std::stoi(Field(l, "lunar_day"));
             return Field(l, "day_star") == "4" && d <= 3;
         }},
        {"--no-month-breaker --no-year-breaker",
         [&](const std::string& l) {
             const int b = branchOf(Field(l, "day"));
             return !clash(b, std::stoi(Field(l, "month_branch"))) &&
                    !clash(b, branchOf(Field(l, "year")));
         }},
        {"--person 5/11 --no-clash year",
         [&](const std::string& l) { return !clash(branchOf(Field(l, "day")), 5); }},
    };
    for (const Case& c : cases) {
        const CliRun run =
            RunCli(std::string("select --from 2023-01-01 --to 2023-12-31 ") + c.options + zone);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::vector<std::string> expected;
        for (const std::string& l : dayLines)
            if (c.keep(l)) expected.push_back(Field(l, "date"));
        std::vector<std::string> got;
        for (const std::string& l : SplitLines(run.out)) got.push_back(Field(l, "date"));
        EXPECT_EQ(got, expected) << c.options;
        EXPECT_FALSE(got.empty()) << c.options;
    }
    const CliRun terms =
        RunCli(std::string("select --from 2023-01-01 --to 2023-12-31 --no-term-day") + zone);
    EXPECT_EQ(SplitLines(terms.out).size(), 365u - 24u);
}

TEST(CliSelect, FilesAndErrors) {
    const std::string ics = std::string(GAVROSIN_BINARY_DIR) + "/cli_select_test.ics";
    const CliRun run = RunCli("select --from 2024-01-01 --to 2024-01-31 --officer 1 --ics " + ics);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string text = ReadWholeFile(ics);
    EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20240101\r\n"), std::string::npos);
    std::remove(ics.c_str());
    const std::string csv = std::string(GAVROSIN_BINARY_DIR) + "/cli_select_test.csv";
    EXPECT_EQ(RunCli("select --from 2024-01-01 --to 2024-01-31 --csv " + csv).exitCode, 0);
    EXPECT_EQ(ReadWholeFile(csv).rfind("\xEF\xBB\xBFДата;День;Цзянь;", 0), 0u);
    std::remove(csv.c_str());

    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"select --from 2000-01-01 --to 2030-01-01", "длиннее 20 лет"},
        {"select --from 2024-01-01 --to 2024-02-01 --officer 13",
         "--officer: должно быть от 1 до 12"},
        {"select --from 2024-01-01 --to 2024-02-01 --person /nonexistent/a.gvp",
         "нет такого файла"},
        {"select --from 2024-01-01 --to 2024-02-01 --no-clash year", "требует --person"},
        {"select --from 2024-01-01 --to 2024-02-01 --json --csv x.csv", "укажите одно из --json"},
        {"select --from 2024-01-01 --to 2024-02-01 --ics /nonexistent/dir/x.ics", "не сохранен"},
    };
    for (const Case& c : cases) {
        const CliRun bad = RunCli(c.arguments);
        EXPECT_EQ(bad.exitCode, 2) << c.arguments;
        EXPECT_NE(bad.err.find(c.message), std::string::npos) << c.arguments << ": " << bad.err;
        EXPECT_TRUE(bad.out.empty()) << c.arguments;
    }
}

// --almanac adds the almanac's keys after the day's own, which stay as they were; select
// --yellow-road keeps the days whose spirit is on the yellow road.
TEST(CliAlmanac, DaysAddTheAlmanacAndSelectKeepsTheYellowRoad) {
    const std::string range = "--from 2024-06-01 --to 2024-06-30 --json";
    const CliRun days = RunCli("days " + range);
    const CliRun almanac = RunCli("days " + range + " --almanac");
    ASSERT_EQ(almanac.exitCode, 0) << almanac.err;
    const auto plain = SplitLines(days.out);
    const auto lines = SplitLines(almanac.out);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0].substr(0, plain[0].size() - 1), plain[0].substr(0, plain[0].size() - 1));
    EXPECT_NE(lines[0].find(R"("spirit":3,"yellow_road":false,"clash":[7,3],"sha":"S","joy":"SW")"),
              std::string::npos)
        << lines[0];
    const CliRun yellow = RunCli("select " + range + " --yellow-road");
    int expected = 0;
    for (const std::string& line : lines) expected += Field(line, "yellow_road") == "true";
    EXPECT_EQ(SplitLines(yellow.out).size(), static_cast<std::size_t>(expected));
    EXPECT_GT(expected, 10);
    const CliRun moment = RunCli("moment --date 2024-06-01T12:00 --almanac");
    EXPECT_NE(moment.out.find("Альманах дня:\n  Дух дня: Небесная кара (天刑), черный путь\n"),
              std::string::npos)
        << moment.out;
}

}  // namespace
