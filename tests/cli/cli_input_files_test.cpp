// SPDX-License-Identifier: GPL-3.0-or-later
// The files the command line reads: a pipe, a device or a huge file is refused at once with a
// message, and what a person file leaves out is said on stderr.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "cli/run_cli.h"
#include "support/unreadable_files.h"

namespace {

constexpr int kSeconds = 30;  // far beyond a refusal; only a hang reaches it

std::string Quoted(const QString& path) {
    return "'" + path.toStdString() + "'";
}

TEST(CliInputFiles, APipeADeviceOrAHugeFileIsRefusedAtOnce) {
    QTemporaryDir dir;
    UnreadableFiles bad;
    ASSERT_NO_FATAL_FAILURE(bad.MakeIn(dir));
    const QString &fifo = bad.fifo, &zero = bad.zero, &large = bad.large;
    struct Case {
        std::string arguments;
        const char* message;
    };
    for (const Case& c :
         {Case{"person --file " + Quoted(fifo), "fifo.gvp» не открыт: это не файл"},
          Case{"person --batch " + Quoted(fifo), "fifo.gvp» не открыт: это не файл"},
          Case{"person --file " + Quoted(zero), "zero.gvp» не открыт: это не файл"},
          Case{"person --file " + Quoted(large), "large.gvp» не открыт: он больше"}}) {
        const CliRun run = RunCli(c.arguments, kSeconds);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << "\n" << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CliInputFiles, AnUnknownZoneIdOfAPersonFileIsSaidOnStderr) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.gvp"));
    std::ofstream(path.toStdString())
        << "[Fild1]\r\nDate=32913,35\r\nPol=мужской\r\nGMT=8\r\nTimeZoneId=Mars/Olympus\r\n";
    const CliRun run = RunCli("person --file " + Quoted(path));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out, "");
    EXPECT_EQ(run.err.rfind("--file: TimeZoneId: часовой пояс «Mars/Olympus»", 0), 0u) << run.err;
}

}  // namespace
