// SPDX-License-Identifier: GPL-3.0-or-later
// Where the command line writes and which zones it takes: a device, a pipe or a folder is never
// replaced by a file, "-" is standard output, every output's folder is checked before any file is
// written; a zone id must be one the database lists, and a near miss gets a hint.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QTemporaryDir>

#include "cli/run_cli.h"

namespace {

bool IsRegularFile(const std::string& path) {
    struct stat s {};
    return stat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

TEST(CliOutputs, ADeviceAPipeOrAFolderIsRefusedBeforeWriting) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string fifo = folder + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::string> targets = {fifo, folder};
    // A device node of our own (never the machine's), where we may make one.
    const std::string device = folder + "/full";
    if (mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0) targets.push_back(device);
    const std::string select = "select --from 2024-01-01 --to 2024-01-31 --officer 1 ";
    for (const std::string& target : targets) {
        for (const std::string& args :
             {select + "--ics '" + target + "'", select + "--csv '" + target + "'"}) {
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.exitCode, 2) << args;
            EXPECT_EQ(run.out, "") << args;
            EXPECT_FALSE(IsRegularFile(target)) << args;
        }
    }
    // "-": the export on standard output.
    const CliRun out = RunCli(select + "--csv -");
    EXPECT_EQ(out.exitCode, 0) << out.err;
    EXPECT_NE(out.out.find(";"), std::string::npos);
    EXPECT_EQ(out.out.find("записано"), std::string::npos);
}

TEST(CliOutputs, EveryFolderIsCheckedBeforeAnyFileIsWritten) {
    QTemporaryDir dir;
    const std::string png = dir.path().toStdString() + "/ok.png";
    const CliRun run = RunCli("table --azimuth 95 --date 2024-01-01 --at 2024-06-01T12:00 --png '" +
                              png + "' --pdf '" + dir.path().toStdString() + "/missing/x.pdf'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("missing"), std::string::npos) << run.err;
    EXPECT_FALSE(IsRegularFile(png));
}

TEST(CliOutputs, OnlyListedZonesAreTakenAndAMissGetsAHint) {
    const std::string moment = "moment --date 2024-01-01T12:00 --tz ";
    const CliRun moscow = RunCli(moment + "Moscow");
    EXPECT_EQ(moscow.exitCode, 2);
    EXPECT_NE(moscow.err.find("Europe/Moscow?"), std::string::npos) << moscow.err;
    EXPECT_NE(RunCli(moment + "Kyiv").err.find("Europe/Kyiv?"), std::string::npos);
    for (const std::string& crafted : std::vector<std::string>{
             "MSK", "../../../../dev/stdin </dev/null", std::string(10000, 'Z')}) {
        const CliRun run = RunCli(moment + crafted);
        EXPECT_EQ(run.exitCode, 2) << crafted.substr(0, 40);
        EXPECT_LT(run.err.size(), 300u) << run.err;
    }
    EXPECT_EQ(RunCli(moment + "Europe/Kiev").exitCode, 0);  // an old name of a listed zone
}

// The place chosen for a name is named; a name several places share is refused, never guessed.
TEST(CliOutputs, ThePlaceChosenIsNamed) {
    const CliRun exact = RunCli("moment --date 2024-01-01T12:00 --place Москва --json");
    ASSERT_EQ(exact.exitCode, 0) << exact.err;
    EXPECT_NE(exact.out.find("\"place\":\"Москва"), std::string::npos) << exact.out;
    EXPECT_EQ(exact.out.find("place_ambiguous"), std::string::npos) << exact.out;
    const CliRun shared = RunCli("moment --date 2024-01-01T12:00 --place Александровка --json");
    EXPECT_EQ(shared.exitCode, 2) << shared.out;
}

}  // namespace

namespace {

// Conditions no day meets are said, not answered with an empty list and exit 0.
TEST(CliOutputs, ASelectionNoDayMeetsIsSaid) {
    const CliRun run = RunCli("select --from 2024-01-02 --to 2024-01-05 --officer 1");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("ни один день с 2024-01-02 по 2024-01-05"), std::string::npos)
        << run.err;
}

}  // namespace
