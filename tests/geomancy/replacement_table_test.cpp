// SPDX-License-Identifier: GPL-3.0-or-later
// The replacement table and its remarks against an independent transcription (fixture files), so
// that a slip in either copy shows.
#include "geomancy/replacement_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace {

const std::string kFixtureDir = std::string(GAVROSIN_SOURCE_DIR) + "/tests/geomancy/";

std::vector<std::string> FixtureLines(const std::string& name) {
    std::ifstream in(kFixtureDir + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> SplitCells(const std::string& row) {
    std::vector<std::string> cells;
    std::stringstream ss(row);
    for (std::string cell; std::getline(ss, cell, '|');) {
        const auto first = cell.find_first_not_of(' ');
        const auto last = cell.find_last_not_of(' ');
        cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    }
    return cells;
}

TEST(ReplacementTable, EveryEntryMatchesTheTranscription) {
    const std::vector<std::string> rows = FixtureLines("replacement_table_fixture.txt");
    ASSERT_EQ(rows.size(), 24u);
    const std::regex rowHead(R"((\S+) \((\d+)\))");
    const std::regex cellPattern(R"(([1-9])([+-])/([1-9])([+-])(?: C(\d+))?)");
    int checked = 0;
    for (const std::string& row : rows) {
        const std::vector<std::string> cells = SplitCells(row);
        ASSERT_EQ(cells.size(), 10u) << row;
        std::smatch head;
        ASSERT_TRUE(std::regex_match(cells[0], head, rowHead)) << cells[0];
        const MountainIndex m = std::stoi(head[2]);
        EXPECT_EQ(MountainCaption(m), head[1].str());
        for (int period = 1; period <= 9; ++period) {
            std::smatch c;
            ASSERT_TRUE(std::regex_match(cells[period], c, cellPattern)) << cells[period];
            const ReplacementEntry& e = ReplacementOf(m, period);
            SCOPED_TRACE(cells[0] + " period " + std::to_string(period) + ": " + cells[period]);
            EXPECT_EQ(e.mountainStar, std::stoi(c[1]));
            EXPECT_EQ(e.mountainForward, c[2] == "+");
            EXPECT_EQ(e.facingStar, std::stoi(c[3]));
            EXPECT_EQ(e.facingForward, c[4] == "+");
            EXPECT_EQ(e.remark, c[5].matched ? std::stoi(c[5]) : 0);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 216);
}

TEST(ReplacementTable, RemarkTextsMatchTheTranscription) {
    const std::vector<std::string> lines = FixtureLines("chart_remarks_fixture.txt");
    ASSERT_EQ(lines.size(), static_cast<size_t>(kRemarkCount));
    const std::regex pattern(R"(C(\d+): (.+))");
    for (int n = 1; n <= kRemarkCount; ++n) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(lines[n - 1], m, pattern)) << lines[n - 1];
        ASSERT_EQ(std::stoi(m[1]), n);
        EXPECT_EQ(ChartRemark(n), m[2].str()) << "C" << n;
    }
    EXPECT_EQ(ChartRemark(0), "");
    EXPECT_EQ(ChartRemark(30), "");
}

TEST(ReplacementTable, EveryRemarkIsUsedAndNoneIsUnknown) {
    std::map<int, int> uses;
    for (MountainIndex m = 0; m < kMountainCount; ++m) {
        for (int period = 1; period <= 9; ++period) {
            const int r = ReplacementOf(m, period).remark;
            EXPECT_GE(r, 0);
            EXPECT_LE(r, kRemarkCount);
            if (r != 0) ++uses[r];
        }
    }
    for (int n = 1; n <= kRemarkCount; ++n) EXPECT_GT(uses[n], 0) << "C" << n;
}

}  // namespace
