// SPDX-License-Identifier: GPL-3.0-or-later
// gavrosin-cli person: the worked example as text and JSON, and the batch with its error lines.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <tuple>

#include "cli/run_cli.h"

namespace {

const char* const kExample = "person --date 1990-05-15T08:30 --zone-hours 8 --sex m";

std::string Golden(const std::string& name) {
    return ReadWholeFile(std::string(GAVROSIN_SOURCE_DIR) + "/tests/cli/golden/" + name);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

}  // namespace

TEST(CliPerson, WorkedExampleAsTextWithTheMonthsOfAYear) {
    const CliRun run = RunCli(std::string(kExample) + " --year 1997");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, Golden("person_1990-05-15.txt"));
}

TEST(CliPerson, WorkedExampleAsJson) {
    const CliRun run = RunCli(std::string(kExample) + " --json --year 1997");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(Lines(run.out).size(), 1u);
    for (const char* fragment :
         {"\"year\":[7,7],\"month\":[8,6],\"day\":[7,5],\"hour\":[7,5]",
          "{\"position\":\"year\",\"pillar\":[7,7],\"stem_god\":\"friend\",\"hidden_stems\":[4,6],"
          "\"hidden_gods\":[\"direct_officer\",\"direct_seal\"],\"stage\":\"Купание\"",
          "\"stem_god\":\"day_master\"", "\"void_by_day\":[9,10],\"void_by_year\":[11,12]",
          "\"conception\":{\"pillar\":[9,9]", "\"life_palace\":{\"pillar\":[1,9]",
          "\"body_palace\":{\"pillar\":[5,3]",
          "\"small_luck\":[{\"year\":1990,\"age\":0,\"pillar\":[8,6]}",
          "\"months_year\":1997,\"months\":[{\"pillar\":[9,3],\"begins\":\"1997-02-04 ",
          "{\"id\":\"general\",\"name\":\"将星\",\"caption\":\"Звезда генерала\","
          "\"basis\":\"year_branch\",\"pillars\":[\"year\"]}"})
        EXPECT_NE(run.out.find(fragment), std::string::npos) << fragment;
}

// Born 1990-05-15 08:30 in Moscow under its summer time: "Становление весны" 2026 (20:02 UT on 3
// February) and 1993 (19:37 UT) are read on Moscow's winter clock of then, not the birth's.
TEST(CliPerson, MonthsBeginOnTheBirthPlacesClockOfThatMoment) {
    const std::string birth = "person --date 1990-05-15T08:30 --place Москва --sex m --json";
    for (const auto& [year, begins] :
         {std::pair<const char*, const char*>{"2026", "2026-02-03 23:02:"},
          {"1993", "1993-02-03 22:37:"}}) {
        const CliRun run = RunCli(birth + " --year " + year);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("\"months_clock\":\"place\""), std::string::npos);
        EXPECT_NE(run.out.find(std::string("\"begins\":\"") + begins), std::string::npos) << year;
        EXPECT_NE(run.out.find("\"zone_hours\":3,\"summer\":0"), std::string::npos) << year;
    }
    const CliRun text = RunCli("person --date 1990-05-15T08:30 --place Москва --sex m --year 2026");
    EXPECT_NE(text.out.find("Месяцы 2026 года (начало по времени места рождения на тот момент):\n"
                            "03.02.2026 23:02:"),
              std::string::npos);
}

TEST(CliPerson, BatchKeepsOrderNamesBadLinesAndFailsAtTheEnd) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("births.csv")).toStdString();
    std::ofstream(path) << "date,sex,zone_hours,summer,longitude\n"
                           "1990-05-15T08:30,m,8,0,\n"
                           "1990-13-01T00:00,f,3,0,\n"
                           "\n"
                           "2004-06-01T12:00,x,3,0,\n"
                           "2004-06-01T12:00,f,3,1,37\n";
    const CliRun two = RunCli("person --batch '" + path + "' --jobs 2");
    EXPECT_EQ(two.exitCode, 2);
    const std::vector<std::string> lines = Lines(two.out);
    ASSERT_EQ(lines.size(), 4u) << two.out;
    EXPECT_EQ(lines[0].rfind("{\"line\":2,\"date\":\"1990-05-15 08:30:00\"", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("{\"line\":3,\"error\":\"--date: такой даты нет", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("{\"line\":5,\"error\":\"--sex: ожидается m или f", 0), 0u)
        << lines[2];
    EXPECT_EQ(lines[3].rfind("{\"line\":6,", 0), 0u) << lines[3];
    EXPECT_EQ(RunCli("person --batch '" + path + "' --jobs 1").out, two.out);

    std::ofstream(path) << "date,sex\n1990-05-15T08:30,m\n";
    const CliRun noZone = RunCli("person --batch '" + path + "'");
    EXPECT_EQ(noZone.exitCode, 2);
    EXPECT_TRUE(noZone.out.empty());
    EXPECT_NE(noZone.err.find("zone_hours"), std::string::npos) << noZone.err;
}

// A line's "place" or "tz" column zones the birth as the single command's option does; a name
// or id the single command refuses is that line's error.
TEST(CliPerson, BatchPlaceAndZoneColumnsAsTheSingleCommand) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("births.csv")).toStdString();
    const std::string single = " --date 2004-06-01T12:00 --sex f --json";
    for (const auto& [column, good, bad, hint] :
         {std::tuple<std::string, std::string, std::string, std::string>{
              "place", "\"Москва\"", "Александровка", "не называет одно место"},
          {"tz", "Europe/Moscow", "Moscow", "(Europe/Moscow?)"}}) {
        std::ofstream(path) << "date,sex," << column << "\n2004-06-01T12:00,f," << good
                            << "\n2004-06-01T12:00,f," << bad << "\n";
        const CliRun batch = RunCli("person --batch '" + path + "'");
        EXPECT_EQ(batch.exitCode, 2);
        const std::vector<std::string> lines = Lines(batch.out);
        ASSERT_EQ(lines.size(), 2u) << batch.out;
        const std::string option = column == "place" ? "Москва" : good;
        const CliRun alone = RunCli("person" + single + " --" + column + " " + option);
        EXPECT_EQ("{" + lines[0].substr(std::string("{\"line\":2,").size()) + "\n", alone.out);
        EXPECT_NE(lines[1].find(hint), std::string::npos) << lines[1];
    }
}

// What a spreadsheet saves as "CSV UTF-8" begins with a byte-order mark; a megabyte field is
// quoted back cut, not whole.
TEST(CliPerson, BatchReadsAByteOrderMarkAndCutsWhatItQuotesBack) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("births.csv")).toStdString();
    std::ofstream(path) << "\xEF\xBB\xBF"
                        << "date,sex,zone_hours\n1990-05-15T08:30,m,8\n"
                        << std::string(1 << 20, '9') << ",f,3\n";
    const CliRun run = RunCli("person --batch '" + path + "'");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    EXPECT_EQ(lines[0].rfind("{\"line\":2,\"date\":\"1990-05-15 08:30:00\"", 0), 0u);
    EXPECT_LT(lines[1].size(), 300u);
    EXPECT_NE(lines[1].find(std::string(80, '9') + "…"), std::string::npos) << lines[1];
}
