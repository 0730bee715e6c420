// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program saving the same file at the same moment, as two real processes:
// one writes, the other finds its change (and its window asks). A short run here; a long one:
//   GAVROSIN_SAVE_RACE_ROUNDS=100 build/test_text --gtest_filter='LockedSave.*'
#include "text/locked_save.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "text/whole_file.h"

namespace {

// A child's save, started when the parent closes `start`: exit 0 written, 1 changed on disk.
pid_t StartSave(const int start[2], const QString& path, const FileStamp& known,
                const std::string& mine) {
    const pid_t child = fork();
    if (child != 0) return child;
    close(start[1]);
    char go = 0;
    (void)!read(start[0], &go, 1);
    const LockedSave saved = SaveUnderLock(
        path, &known, [&] { return ReplaceWholeFile(path.toStdString(), mine).empty(); });
    _exit(saved.status == LockedSaveStatus::Written         ? 0
          : saved.status == LockedSaveStatus::ChangedOnDisk ? 1
                                                            : 2);
}

TEST(LockedSave, OfTwoCopiesSavingAtOnceOneWritesAndTheOtherIsAsked) {
    const char* env = std::getenv("GAVROSIN_SAVE_RACE_ROUNDS");
    const int rounds = env ? std::atoi(env) : 20;
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("дом.gvt"));
    int oneEach = 0;
    for (int round = 0; round < rounds; ++round) {
        ASSERT_EQ(ReplaceWholeFile(path.toStdString(), "Azimut=95\r\n"), "");
        const FileStamp known = StampOfFile(path);  // both windows opened this
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        const pid_t first = StartSave(start, path, known, "Azimut=100\r\n");
        const pid_t second = StartSave(start, path, known, "Azimut=200\r\n");
        close(start[1]);  // both go
        close(start[0]);
        int a = 0, b = 0;
        waitpid(first, &a, 0);
        waitpid(second, &b, 0);
        const int codes = WEXITSTATUS(a) * 10 + WEXITSTATUS(b);
        std::string bytes;
        ReadWholeFile(path.toStdString(), bytes);
        if ((codes == 1 && bytes == "Azimut=100\r\n") || (codes == 10 && bytes == "Azimut=200\r\n"))
            ++oneEach;
        else
            ADD_FAILURE() << "round " << round << ": exit codes " << codes << ", file " << bytes;
    }
    EXPECT_EQ(oneEach, rounds);
}

// Another copy holding the lock: the save gives up after a short wait and writes nothing.
TEST(LockedSave, ALockHeldElsewhereWritesNothing) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("я.gvp"));
    QLockFile held(path + QStringLiteral(".lock"));
    ASSERT_TRUE(held.lock());
    bool wrote = false;
    EXPECT_EQ(SaveUnderLock(path, nullptr, [&] { return wrote = true; }).status,
              LockedSaveStatus::Busy);
    EXPECT_FALSE(wrote);
}

}  // namespace
