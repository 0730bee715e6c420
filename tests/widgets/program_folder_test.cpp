// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/program_folder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/shell_test.h"

namespace {

class ProgramFolderTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(root_.isValid());
    }
    QString Make(const QString& relative) {
        QDir(root_.path()).mkpath(relative);
        return QDir(root_.path()).filePath(relative);
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir root_;
};

TEST_F(ProgramFolderTest, TheDataIsBesideTheExecutableOrInTheInstallationsSharedFolder) {
    bool shared = true;
    // A build folder or an unpacked copy: the data beside the executable.
    const QString build = Make(QStringLiteral("build"));
    Make(QStringLiteral("build/other"));
    EXPECT_EQ(FindDataFolder(build, &shared), QDir(build).absolutePath());
    EXPECT_FALSE(shared);

    // An installation: <prefix>/bin and <prefix>/share/gavrosin.
    const QString bin = Make(QStringLiteral("usr/bin"));
    const QString data = Make(QStringLiteral("usr/share/gavrosin"));
    EXPECT_EQ(FindDataFolder(bin, &shared), QDir(data).absolutePath());
    EXPECT_TRUE(shared);

    // Neither: the executable's folder, whose data paths then name what is missing.
    const QString bare = Make(QStringLiteral("bare"));
    EXPECT_EQ(FindDataFolder(bare, &shared), QDir(bare).absolutePath());
    EXPECT_FALSE(shared);
}

TEST_F(ProgramFolderTest, UserFilesAreSeededOnceFromTheTemplateAndOnlyWhenTheDataIsShared) {
    const QString data = Make(QStringLiteral("share/gavrosin"));
    const QString shipped = QDir(data).filePath(QStringLiteral("other/notes.txt"));
    Write(shipped, "\r\n");
    const QString own = QDir::toNativeSeparators(
        QDir(UserDataFolder()).filePath(QStringLiteral("other/notes.txt")));

    // Run from its own writable folder, the program keeps the file it always had.
    SetProgramFolder(data, /*shared=*/false);
    EXPECT_EQ(UserFilePath(QStringLiteral("\\other\\notes.txt")),
              QDir::toNativeSeparators(shipped));
    EXPECT_FALSE(QFile::exists(own));

    // Installed: the user's copy, made from the template the first time only.
    SetProgramFolder(data, /*shared=*/true);
    EXPECT_EQ(UserFilePath(QStringLiteral("\\other\\notes.txt")), own);
    QFile copy(own);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("\r\n"));
    copy.close();
    Write(own, "mine\r\n");
    EXPECT_EQ(UserFilePath(QStringLiteral("\\other\\notes.txt")), own);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("mine\r\n"));

    // No template: no file is made up; reading the path reports the missing file.
    EXPECT_FALSE(QFile::exists(UserFilePath(QStringLiteral("\\other\\missing.txt"))));
}

}  // namespace
