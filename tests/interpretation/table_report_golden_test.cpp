// SPDX-License-Identifier: GPL-3.0-or-later
// The whole interpretation of computed tables against checked-in reports, one paragraph per line
// with its style ("(blank)" and "(empty)" for the two separators).
#include <gtest/gtest.h>

#include <string>

#include "interpretation/table_report.h"
#include "support/geomantic_tables.h"
#include "support/golden_file.h"

namespace {

struct GoldenCase {
    const char* name;  // file name under tests/interpretation/golden/, without ".txt"
    int azimuth;
    int tableYear, tableMonth, tableDay;
    int atYear, atMonth, atDay;
};

std::ostream& operator<<(std::ostream& os, const GoldenCase& c) {
    return os << c.name;
}

class TableReportGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(TableReportGolden, ReportMatchesTheCheckedInText) {
    const GoldenCase& c = GetParam();
    const GeomanticTable table =
        ComputedTable(c.azimuth, EncodeMoment(c.tableYear, c.tableMonth, c.tableDay, 12, 0, 0),
                      EncodeMoment(c.atYear, c.atMonth, c.atDay, 12, 0, 0));
    ExpectGoldenText(DescribeReport(CalcRich(table, kRussian)),
                     std::string("tests/interpretation/golden/") + c.name + ".txt");
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableReportGolden,
    ::testing::Values(
        // Facing north (Цзы / У), built in period 8, read in 2024 (period 9, year Цзя-Чэнь).
        GoldenCase{"north_period8_at_2024", 0, 2004, 6, 1, 2024, 6, 1},
        // Azimuth 95 lies in the outer degrees of Мао: the replacement chart with its remark.
        GoldenCase{"east_replacement_period8_at_2024", 95, 2005, 6, 1, 2024, 6, 1},
        // Facing south in period 8: the facing palace holds 8 and 8 (both stars of the period);
        // read in early 1995, with the Five Yellow of the year and the Two Black of the season in
        // the centre, in period 7 when the mountain palace's facing star 7 switches off.
        GoldenCase{"south_double_facing_at_1995", 180, 2005, 6, 1, 1995, 2, 20},
        // Facing north in period 9, read in 2032 (year Жэнь-Цзы): Tai Sui on the facing palace
        // Кань while the facing star is in prosperity.
        GoldenCase{"north_period9_at_2032", 0, 2025, 6, 1, 2032, 6, 1},
        // Facing south in period 5 with the 5 of the period on the facing: no earth cycle.
        GoldenCase{"south_period5_at_2024", 180, 1950, 6, 1, 2024, 6, 1}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

}  // namespace
