// SPDX-License-Identifier: GPL-3.0-or-later
// gavrosin-cli table --report end to end: the interpretation printed by the built tool is the
// checked-in golden report of the same table.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/run_cli.h"
#include "support/golden_file.h"

namespace {

TEST(CliTableReport, PrintsTheInterpretationOfTheTable) {
    const CliRun run = RunCli("table --azimuth 0 --date 2004-06-01 --at 2024-06-01T12:00 --report");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectGoldenText(run.out, "tests/interpretation/golden/north_period8_at_2024.txt");
}

TEST(CliTableReport, OneJsonObjectPerParagraph) {
    const CliRun run =
        RunCli("table --azimuth 95 --date 2005-06-01 --at 2024-06-01T12:00 --report --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& j = run.out;
    EXPECT_EQ(j.rfind("{\"style\":\"Text\",\"kind\":\"empty\",\"text\":\"\"}\n"
                      "{\"style\":\"Titl\",\"kind\":\"text\",\"text\":\"ИНТЕРПРЕТАЦИЯ ЗНАКА\"}\n"
                      "{\"style\":\"Red\",\"kind\":\"text\",\"text\":\"Замещающий знак.\"}\n",
                      0),
              0u)
        << j;
    EXPECT_NE(j.find("{\"style\":\"Titl\",\"kind\":\"blank\",\"text\":\" \"}\n"),
              std::string::npos);
    const std::string golden =
        GoldenText("tests/interpretation/golden/east_replacement_period8_at_2024.txt");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(std::count(j.begin(), j.end(), '\n'), std::count(golden.begin(), golden.end(), '\n'));
}

}  // namespace
