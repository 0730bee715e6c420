// The calendar commands end to end: run the built tool, compare with checked-in expected output.
#include <gtest/gtest.h>

#include "cli/run_cli.h"

namespace {

std::string Golden(const std::string& name) {
    return ReadWholeFile(std::string(GAVROSIN_SOURCE_DIR) + "/tests/cli/golden/" + name);
}

int CountLines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

TEST(CliMoment, ReadableTextMatchesTheCalendarWindow) {
    const CliRun run = RunCli("moment --date 2024-06-01T12:00");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, Golden("moment_2024-06-01.txt"));
}

TEST(CliMoment, JsonRecordOfALeapMonthDayWithZoneOptions) {
    const CliRun run = RunCli("moment --date 2023-03-22T12:00 --zone-hours 8 --summer 0 --longitude 116 --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, Golden("moment_2023-03-22_beijing.json"));
}

TEST(CliDays, OneLinePerDayWithEveryField) {
    const CliRun run = RunCli("days --from 2024-02-08 --to 2024-02-11 --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, Golden("days_2024-02-08.json"));
    const CliRun text = RunCli("days --from 2024-02-08 --to 2024-02-11 --time 23:30");
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(CountLines(text.out), 4);
    // At 23:30 the day pillar is already the next day's: 2024-02-09 23:30 is Цзя-Чэнь.
    EXPECT_NE(text.out.find("2024-02-09  Цзя-Чэнь  Бин-Инь  Цзя-Чэнь"), std::string::npos) << text.out;
}

TEST(CliTermsAndNewMoons, InstantsAsComputed) {
    const CliRun terms = RunCli("terms --from-year 2024 --to-year 2024 --json");
    EXPECT_EQ(terms.exitCode, 0) << terms.err;
    EXPECT_EQ(terms.out, Golden("terms_2024.json"));
    const CliRun moons = RunCli("newmoons --from 2024-01-01 --to 2024-12-31");
    EXPECT_EQ(moons.exitCode, 0) << moons.err;
    EXPECT_EQ(moons.out, Golden("newmoons_2024.txt"));
    EXPECT_EQ(CountLines(moons.out), 13);  // 2024 has 13 new moons (the last on 30 December)
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
    struct Case { const char* arguments; const char* message; };
    const Case cases[] = {
        {"moment --date 2024-02-30T12:00", "no such date"},
        {"moment --date 24-02-01", "expected YYYY-MM-DDTHH:MM"},
        {"moment --date 2024-01-01T25:00", "no such time"},
        {"days --from 1899-12-31 --to 1900-01-02", "between 1900-01-01 and 9000-01-01"},
        {"days --from 2024-01-02 --to 2024-01-01", "--to is before --from"},
        {"days --from 2024-01-01", "missing option --to"},
        {"moment --date 2024-01-01T12:00 --zone-hours 2.5", "no zone in the list"},
        {"moment --date 2024-01-01T12:00 --summer 9", "between -5 and 5"},
        {"moment --date 2024-01-01T12:00 --longitude east", "whole number"},
        {"moment --date 2024-01-01T12:00 --colour red", "unknown option: --colour"},
        {"terms --from-year 2024 --to-year abc", "whole number"},
        {"days --from 2024-01-01 --to 2024-01-02 --jobs 0", "--jobs: must be between 1 and 256"},
        {"horoscope", "unknown command"},
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
