// SPDX-License-Identifier: GPL-3.0-or-later
// gavrosin-cli table end to end: run the built tool and read what it printed.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/run_cli.h"
#include "support/golden_file.h"

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliTable, NorthFacingDwellingOfPeriodEight) {
    const CliRun run = RunCli("table --azimuth 0 --date 2004-06-01 --at 2024-06-01T12:00 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& j = run.out;
    EXPECT_EQ(std::count(j.begin(), j.end(), '\n'), 1);
    EXPECT_EQ(j.rfind("{\"azimuth\":0,\"facing\":\"Цзы\",\"sitting\":\"У\",\"table_period\":8,"
                      "\"current_period\":9,\"normal_zone\":true,\"comment\":\"НЕТ.\",",
                      0),
              0u)
        << j;
    // Base 8 in the centre; mountain star 3 backward, facing star 4 forward: Qian holds 2, 5, 9.
    EXPECT_TRUE(Has(j, "{\"palace\":\"Цянь\",\"mountain\":2,\"facing\":5,\"base\":9,")) << j;
    // In period 9 the base 8 retreats, the facing 4 is destroyed, the mountain 3 too.
    EXPECT_TRUE(Has(j,
                    "{\"palace\":\"Центр\",\"mountain\":3,\"facing\":4,\"base\":8,\"year\":3,"
                    "\"month\":2,\"day\":9,\"phase_mountain\":\"Разрушение\","
                    "\"phase_facing\":\"Разрушение\",\"phase_base\":\"Отступление\"}"))
        << j;
    // The gates fly the base stars of Qian (9) and Gen (2).
    EXPECT_TRUE(Has(j, "\"gate1\":{\"palace\":\"Цянь\",\"stars\":[")) << j;
    EXPECT_TRUE(Has(j, "\"gate2\":{\"palace\":\"Гэнь\",\"stars\":[")) << j;
    // Year Цзя-Чэнь with year star 3, month Сы with month star 2.
    EXPECT_TRUE(Has(j,
                    "\"tai_sui_branch\":5,\"flying_tai_sui_year\":\"Цянь\","
                    "\"flying_tai_sui_month\":\"Дуй\",\"sha_year\":\"юг\","
                    "\"sha_month\":\"восток\"}"))
        << j;
}

TEST(CliTable, ReplacementChartCarriesItsRemark) {
    const CliRun run = RunCli("table --azimuth 5 --date 1950-06-01 --at 2024-06-01T12:00 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "\"table_period\":5,")) << run.out;
    EXPECT_TRUE(Has(run.out,
                    "\"normal_zone\":false,\"comment\":\"В данном раскладе лучше не "
                    "использовать Замещающую схему, так как она аналогична схеме "
                    "Основного направления.\""))
        << run.out;
    // 9-/1-: the same chart as the normal zone of Цзы.
    const CliRun normal =
        RunCli("table --azimuth 0 --date 1950-06-01 --at 2024-06-01T12:00 --json");
    ASSERT_EQ(normal.exitCode, 0) << normal.err;
    const auto palaces = [](const std::string& s) {
        return s.substr(s.find("\"palaces\""), s.find("\"gate1\"") - s.find("\"palaces\""));
    };
    EXPECT_EQ(palaces(run.out), palaces(normal.out));
}

TEST(CliTable, PeriodTurnsWithTheEpochYear) {
    // "Становление весны" 2024 falls on 4 February: the 3rd still belongs to period 8.
    const CliRun before =
        RunCli("table --azimuth 180 --date 2024-02-03 --at 2024-06-01T12:00 --json");
    const CliRun after =
        RunCli("table --azimuth 180 --date 2024-02-05 --at 2024-06-01T12:00 --json");
    ASSERT_EQ(before.exitCode, 0) << before.err;
    ASSERT_EQ(after.exitCode, 0) << after.err;
    EXPECT_TRUE(Has(before.out, "\"table_period\":8,")) << before.out;
    EXPECT_TRUE(Has(after.out, "\"table_period\":9,")) << after.out;
}

TEST(CliTable, ReadableGrid) {
    const CliRun run = RunCli("table --azimuth 0 --date 2004-06-01 --at 2024-06-01T12:00");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectGoldenText(run.out, "tests/cli/golden/table_north_period8.txt");
}

TEST(CliTable, BadArgumentsGiveOneLineAndAnError) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    for (const Case& c :
         {Case{"table --azimuth 361 --date 2000-01-01",
               "--azimuth: Азимут должен быть от 0 до 360 градусов, указано \"361\""},
          Case{"table --azimuth -1 --date 2000-01-01", "должен быть от 0 до 360"},
          Case{"table --azimuth 9x --date 2000-01-01", "Азимут — градусы от 0 до 360"},
          Case{"table --azimuth 9.55 --date 2000-01-01", "с точностью до десятой"},
          Case{"table --azimuth 5 --date 2024-02-30", "такой даты нет"},
          Case{"table --azimuth 5 --date 1899-12-31", "от 1900-01-01 до 9000-01-01"},
          Case{"table --azimuth 5 --date 2000-01-01 --at 2000-01-01T25:00", "такого времени нет"},
          Case{"table --azimuth 5 --date 2000-01-01 --north", "неизвестный параметр"},
          Case{"table --date 2000-01-01", "не указан параметр --azimuth"}}) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
        EXPECT_TRUE(Has(run.err, c.message)) << c.arguments << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace
