// SPDX-License-Identifier: GPL-3.0-or-later
// The command line under bad or extreme input: long values, the last day of the range, help,
// an output that cannot be written, "now" without --at, and numbers under a comma locale.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QTemporaryDir>
#include <algorithm>
#include <clocale>
#include <cstdlib>

#include "cli/json_writer.h"
#include "cli/run_cli.h"

namespace {

int CountLines(const std::string& s) {
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

TEST(CliEdges, LongValuesAndTheLastDayOfTheRange) {
    // A value of 30,000 characters is read in one pass (it once overflowed the stack).
    const CliRun longZone =
        RunCli("moment --date 2024-01-01T00:00 --zone-hours 1." + std::string(30000, '0'));
    EXPECT_EQ(longZone.exitCode, 0) << longZone.err;
    EXPECT_EQ(longZone.out, RunCli("moment --date 2024-01-01T00:00 --zone-hours 1").out);
    const CliRun longDate = RunCli("days --from " + std::string(30000, '2') + " --to 2000-01-01");
    EXPECT_EQ(longDate.exitCode, 2);
    EXPECT_EQ(CountLines(longDate.err), 1);

    // One rule for the range: any time of 9000-01-01 is in it, 9000-01-02 is not.
    EXPECT_EQ(RunCli("moment --date 9000-01-01T23:59:59").exitCode, 0);
    EXPECT_EQ(RunCli("days --from 9000-01-01 --to 9000-01-01 --time 23:59").exitCode, 0);
    EXPECT_EQ(RunCli("table --azimuth 5 --date 9000-01-01 --at 9000-01-01T23:59").exitCode, 0);
    EXPECT_EQ(RunCli("moment --date 9000-01-02T00:00").exitCode, 2);
    EXPECT_EQ(RunCli("moment --date 1899-12-31T23:59").exitCode, 2);
}

TEST(CliEdges, EveryCommandPrintsItsUsage) {
    for (const std::string command : {"moment", "days", "terms", "newmoons", "table"}) {
        const CliRun help = RunCli(command + " --help");
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_EQ(help.out.rfind("gavrosin-cli " + command + " --", 0), 0u) << help.out;
        EXPECT_TRUE(help.err.empty()) << help.err;
    }
}

TEST(CliEdges, AnOutputThatCannotBeWrittenIsAnError) {
    const CliRun full = RunCli("days --from 2000-01-01 --to 2000-12-31 >/dev/full");
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_EQ(CountLines(full.err), 1) << full.err;
    EXPECT_NE(full.err.find("не удалось записать"), std::string::npos) << full.err;

    // A file on a full disk is cut back to nothing, not left with the first lines.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    if (geteuid() != 0 || mount("gavrosin-test", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small filesystem here";
    const CliRun partial =
        RunCli("days --from 1901-01-01 --to 2000-12-31 >" + folder + "/days.txt");
    const std::string left = ReadWholeFile(folder + "/days.txt");
    umount(folder.c_str());
    EXPECT_EQ(partial.exitCode, 2);
    EXPECT_EQ(left, "");
}

TEST(CliEdges, NowIsTheUniversalInstantInTheGivenZone) {
    // Without --at the table is computed for now in the zone of the options; the computer's own
    // zone must not matter. Two runs can straddle a minute, so a difference gets one more try.
    const std::string arguments = "table --azimuth 95 --date 2005-06-01 --zone-hours 8 --json";
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    bool same = false;
    for (int attempt = 0; attempt < 3 && !same; ++attempt) {
        setenv("TZ", "UTC", 1);
        const CliRun utc = RunCli(arguments);
        setenv("TZ", "Pacific/Kiritimati", 1);  // UTC+14: another calendar day for half the day
        const CliRun far = RunCli(arguments);
        ASSERT_EQ(utc.exitCode, 0) << utc.err;
        same = utc.out == far.out;
    }
    if (saved)
        setenv("TZ", savedZone.c_str(), 1);
    else
        unsetenv("TZ");
    EXPECT_TRUE(same);
}

TEST(CliEdges, JsonNumbersIgnoreTheCLocale) {
    // Build a comma-decimal locale in a private folder; skip where the tools are missing.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    const std::string make = "localedef -i ru_RU -f UTF-8 " + folder + "/ru_RU.UTF-8 2>/dev/null";
    if (std::system(make.c_str()) != 0) GTEST_SKIP() << "localedef cannot build ru_RU";
    setenv("LOCPATH", folder.c_str(), 1);
    if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8")) GTEST_SKIP() << "no ru_RU locale";
    const std::string json = JsonObject().add("day_count", 36605.316912153).str();
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
    EXPECT_EQ(json, "{\"day_count\":36605.316912153}");
}

}  // namespace
