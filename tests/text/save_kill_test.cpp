// SPDX-License-Identifier: GPL-3.0-or-later
// Data safety: a save killed at any moment leaves the old file or the new one, never a third
// state. A short run here; a long one by hand:
//   GAVROSIN_KILL_ROUNDS=2000 build/test_text --gtest_filter='SaveKill.*'
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "text/ini_file.h"

namespace {

IniFile Document(char fill, int lines) {
    IniFile ini;
    ini.WriteString("TITLE", "Title", "gvp");
    for (int i = 0; i < lines; ++i)
        ini.WriteString("Fild1", "Key" + std::to_string(i), std::string(40, fill));
    return ini;
}

TEST(SaveKill, AKilledSaveLeavesTheOldOrTheNewFile) {
    const char* env = std::getenv("GAVROSIN_KILL_ROUNDS");
    const int rounds = env ? std::atoi(env) : 40;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("person.gvp")).toStdString();
    // Two versions of different sizes, the larger one written in several system calls.
    const IniFile small = Document('a', 20);
    const IniFile large = Document('b', 2000);
    small.Save(path);

    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    int seenSmall = 0, seenLarge = 0;
    for (int round = 0; round < rounds; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {  // save, save, save ... until killed
                large.Save(path);
                small.Save(path);
            }
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "round " << round << ": the file is gone";
        const std::string bytes = file.readAll().toStdString();
        if (bytes == small.Bytes())
            ++seenSmall;
        else if (bytes == large.Bytes())
            ++seenLarge;
        else
            FAIL() << "round " << round << ": a file of " << bytes.size()
                   << " bytes, neither version";
    }
    EXPECT_EQ(seenSmall + seenLarge, rounds);
}

}  // namespace
