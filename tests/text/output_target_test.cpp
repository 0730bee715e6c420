// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/output_target.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text/file_stamp.h"
#include "text/whole_file.h"

// A device, a named pipe or a folder is never replaced by a regular file; a missing folder is
// named before anything is written. A regular file, a new name and "-" are fine.
TEST(OutputTarget, OnlyRegularFilesAreReplaced) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string fifo = folder + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(CheckOutputTarget("/dev/full"), "");
    // A device of our own (the null device's numbers) where we may make one: never the
    // machine's own nodes, should the check ever fail.
    const std::string device = folder + "/null";
    const bool haveDevice = mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    std::vector<std::string> refused = {fifo, folder, folder + "/missing/x.pdf"};
    if (haveDevice) refused.push_back(device);
    for (const std::string& target : refused) {
        EXPECT_NE(CheckOutputTarget(target), "") << target;
        EXPECT_NE(ReplaceWholeFile(target, "x"), "") << target;
    }
    struct stat s {};
    if (haveDevice) {
        ASSERT_EQ(stat(device.c_str(), &s), 0);
        EXPECT_TRUE(S_ISCHR(s.st_mode));  // still the device
    }
    EXPECT_NE(CheckOutputTarget(fifo).find("канал"), std::string::npos);
    EXPECT_EQ(CheckOutputTarget(folder + "/new.pdf"), "");
    EXPECT_EQ(CheckOutputTargets({"-", folder + "/a.png", folder + "/b.pdf"}), "");
    EXPECT_NE(CheckOutputTargets({folder + "/a.png", folder + "/missing/b.pdf"}), "");
}

// A change by another writer is noticed whatever it keeps: the size, or even the time.
TEST(FileStamp, AChangeOnDiskIsNoticed) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("a.gvt"));
    ASSERT_EQ(ReplaceWholeFile(path.toStdString(), "Azimut=95\r\n"), "");
    const FileStamp read = StampOfFile(path);
    EXPECT_FALSE(ChangedOnDisk(path, read));
    ASSERT_EQ(ReplaceWholeFile(path.toStdString(), "Azimut=96\r\n"), "");  // same size
    EXPECT_TRUE(ChangedOnDisk(path, read));
    QFile::remove(path);
    EXPECT_TRUE(ChangedOnDisk(path, read));
    EXPECT_FALSE(ChangedOnDisk(path, FileStamp()));  // nothing was read: nothing to lose
}

// A temporary file left by a save killed before the rename goes at the next save of that file
// once older than any save in progress; the user's files that merely look like one stay.
TEST(OutputTarget, OnlyTheProgramsOwnLeftoverGoesAtTheNextSave) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString old = QStringLiteral(".a.gvt.gavrosin-sGxK3m.tmp");
    const QStringList kept = {QStringLiteral(".a.gvt.gavrosin-Fresh1.tmp"),  // a save running
                              QStringLiteral(".b.gvt.gavrosin-sGxK3m.tmp"),  // another file's
                              QStringLiteral("a.gvt.sGxK3m"),
                              QStringLiteral("a.gvt.202401"),
                              QStringLiteral("a.gvt.copy01"),
                              QStringLiteral("a.gvt.OldOne"),
                              QStringLiteral(".a.gvt.gavrosin-copy.tmp")};
    for (const QString& name : kept + QStringList{old}) {
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (!name.contains(QStringLiteral("Fresh")))
            f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                          QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(ReplaceWholeFile(folder.filePath(QStringLiteral("a.gvt")).toStdString(), "x"), "");
    QStringList expected = kept + QStringList{QStringLiteral("a.gvt")};
    expected.sort();
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}
