// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/whole_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "text/ini_file.h"

namespace {

std::string Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
}

// A saved person file, replaced by a save that fails: the error names the file and says what to
// do, the old bytes stay, and no temporary file is left.
void ExpectFailedSaveKeepsOldFile(const QString& folder, int fault, const std::string& expected) {
    const QString path = folder + QStringLiteral("/person.gvp");
    IniFile old;
    old.WriteString("Fild1", "Name", "Иван");
    old.Save(path.toStdString());
    const std::string before = Bytes(path);

    IniFile next = IniFile::Load(path.toStdString());
    next.WriteString("Fild1", "Name", std::string(300, 'x'));
    const ScopedSaveFault failing(fault);
    try {
        next.Save(path.toStdString());
        ADD_FAILURE() << "the save reported success";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("person.gvp"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Bytes(path), before);
    const QStringList left = QDir(folder).entryList({QStringLiteral("person.gvp*")}, QDir::Files);
    EXPECT_EQ(left, QStringList{QStringLiteral("person.gvp")});
}

TEST(WholeFile, AFailedFlushKeepsTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ExpectFailedSaveKeepsOldFile(dir.path(), ENOSPC, "Диск заполнен");
    ExpectFailedSaveKeepsOldFile(dir.path(), EIO, "Не удалось записать файл");
}

// The real thing: a small filesystem filled to the last block. Needs the right to mount.
TEST(WholeFile, AFullDiskKeepsTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (geteuid() != 0 ||
        mount("gavrosin-test", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small filesystem here";
    }
    struct Unmount {
        const char* path;
        ~Unmount() { umount(path); }
    } unmount{mountPoint.constData()};
    {
        // The old file first, then filler until the disk is full.
        IniFile old;
        old.WriteString("Fild1", "Name", "Иван");
        old.Save(dir.filePath(QStringLiteral("person.gvp")).toStdString());
        QFile filler(dir.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        const std::string before = Bytes(dir.filePath(QStringLiteral("person.gvp")));
        IniFile next = IniFile::Load(dir.filePath(QStringLiteral("person.gvp")).toStdString());
        next.WriteString("Fild1", "Name", std::string(300, 'x'));
        EXPECT_THROW(next.Save(dir.filePath(QStringLiteral("person.gvp")).toStdString()),
                     EFileError);
        EXPECT_EQ(Bytes(dir.filePath(QStringLiteral("person.gvp"))), before);
        try {
            next.Save(dir.filePath(QStringLiteral("person.gvp")).toStdString());
        } catch (const EFileError& e) {
            EXPECT_NE(std::string(e.what()).find("Диск заполнен"), std::string::npos) << e.what();
        }
    }
}

TEST(WholeFile, MessagesAreRussianAndSayWhatToDo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string bytes;
    const std::string missing = dir.filePath(QStringLiteral("нет.gvp")).toStdString();
    EXPECT_EQ(ReadWholeFile(missing, bytes),
              "Не удалось открыть файл «" + missing + "»: файла нет. Проверьте имя файла и папку.");
    const std::string noFolder = dir.filePath(QStringLiteral("нет/дом.gvt")).toStdString();
    EXPECT_NE(ReplaceWholeFile(noFolder, "x").find("не сохранен: папки"), std::string::npos);

    // Without the right to write into the folder (root has it anyway).
    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const std::string error =
            ReplaceWholeFile(dir.filePath(QStringLiteral("дом.gvt")).toStdString(), "x");
        QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(error.rfind("Нет прав на запись в папку «" + dir.path().toStdString() + "»", 0),
                  0u)
            << error;
    }
}

}  // namespace
