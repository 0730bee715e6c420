// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/notes_merge.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "reference/notes_file.h"

namespace {

QString KeyOf(int writer, int day) {
    return QStringLiteral("%1 января %2 г.").arg(day).arg(2000 + writer);
}

// One copy of the program: `count` notes of its own days, each saved as the window saves a
// keystroke (what it read of the day as the base).
void WriteNotes(const QString& path, int writer, int count) {
    for (int day = 1; day <= count; ++day) {
        const QString key = KeyOf(writer, day);
        const NoteSaveResult r =
            SaveDayNoteMerged(path, key, QString(), QStringLiteral("заметка %1").arg(day), 5000);
        if (r.status != NoteSaveStatus::Saved) _exit(1);
    }
    _exit(0);
}

bool Put(const char* file, const std::string& text) {
    const int fd = open(file, O_WRONLY);
    return fd >= 0 && write(fd, text.data(), text.size()) == ssize_t(text.size()) && !close(fd);
}

// In a child process: a 64 KB filesystem of its own over `folder`, filled to the last byte.
bool FullDiskOver(const QString& folder) {
    const std::string uid = std::to_string(getuid()), gid = std::to_string(getgid());
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    Put("/proc/self/setgroups", "deny");
    if (!Put("/proc/self/uid_map", "0 " + uid + " 1") ||
        !Put("/proc/self/gid_map", "0 " + gid + " 1") ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("none", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
        return false;
    const int fd = open(QDir(folder).filePath("filler").toLocal8Bit(), O_WRONLY | O_CREAT, 0600);
    const char bytes[512] = {};
    while (write(fd, bytes, sizeof bytes) > 0) continue;
    return close(fd) == 0;
}

}  // namespace

// A full disk cannot take the lock beside the notes either: the message says the disk is full,
// not that the folder may not be written. Skipped where no filesystem can be mounted.
TEST(NotesMerge, AFullDiskIsToldAsAFullDisk) {
    QTemporaryDir dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!FullDiskOver(dir.path())) _exit(3);
        const QString error =
            SaveDayNoteMerged(QDir(dir.path()).filePath("notes.txt"), "1 мая", "", "x").error;
        fprintf(stderr, "%s\n", qUtf8Printable(error));
        _exit(error.startsWith(QStringLiteral("Диск заполнен")) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) GTEST_SKIP() << "cannot mount a small disk";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Two processes store 200 notes of different days each into one file at the same time: the
// lock and the re-read keep all 400.
TEST(NotesMerge, TwoWritersAtOnceLoseNoNoteOfAnotherDay) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("notes.txt"));
    constexpr int kNotes = 200;
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) WriteNotes(path, w, kNotes);
    }
    for (const pid_t pid : writers) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    int present = 0;
    for (int w = 0; w < 2; ++w)
        for (int day = 1; day <= kNotes; ++day)
            present +=
                ReadDayNote(path, KeyOf(w, day)).note == QStringLiteral("заметка %1").arg(day);
    EXPECT_EQ(present, 2 * kNotes);
}

// The same day changed by the other copy since this one read it: nothing is written, the other
// text comes back for the question; each answer leaves what it says.
TEST(NotesMerge, TheSameDayChangedElsewhereIsAConflict) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("notes.txt"));
    const QString key = QStringLiteral("1 мая 2024 г.");
    ASSERT_EQ(SaveDayNoteMerged(path, key, QString(), QStringLiteral("их")).status,
              NoteSaveStatus::Saved);
    // This copy read the day empty, then typed.
    const NoteSaveResult r = SaveDayNoteMerged(path, key, QString(), QStringLiteral("моя"));
    EXPECT_EQ(r.status, NoteSaveStatus::Conflict);
    EXPECT_EQ(r.theirs, QStringLiteral("их"));
    EXPECT_EQ(ReadDayNote(path, key).note, QStringLiteral("их"));
    // Continuing from what the file holds is no conflict.
    EXPECT_EQ(SaveDayNoteMerged(path, key, QStringLiteral("их"), QStringLiteral("их и моя")).status,
              NoteSaveStatus::Saved);

    EXPECT_EQ(ResolvedNote(NoteConflictChoice::KeepMine, "a", "b"), QStringLiteral("a"));
    EXPECT_EQ(ResolvedNote(NoteConflictChoice::TakeTheirs, "a", "b"), QStringLiteral("b"));
    EXPECT_EQ(ResolvedNote(NoteConflictChoice::KeepBoth, "a", "b"), QStringLiteral("a\n\nb"));
    EXPECT_EQ(ResolvedNote(NoteConflictChoice::KeepBoth, "", "b"), QStringLiteral("b"));
}
