// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program folder of the reference window tests: a temporary folder with the build's pictures
// and season pages (linked, never written) and a notes file of its own, so that no test touches the
// build's data.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "support/shell_test.h"

class ReferenceFolderTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        QDir dir(folder_.path());
        ASSERT_TRUE(dir.mkpath(QStringLiteral("other")));
        const QDir build(QStringLiteral(GAVROSIN_BINARY_DIR));
        ASSERT_TRUE(QFile::link(build.filePath(QStringLiteral("bmp")),
                                dir.filePath(QStringLiteral("bmp"))));
        ASSERT_TRUE(QFile::link(build.filePath(QStringLiteral("other/ses")),
                                dir.filePath(QStringLiteral("other/ses"))));
        WriteNotes("\r\n");
        SetProgramFolder(folder_.path());
    }

    QString Folder() const { return folder_.path(); }
    QString NotesPath() const {
        return QDir(folder_.path()).filePath(QStringLiteral("other/notes.txt"));
    }

    void WriteNotes(const std::string& bytes) {
        QFile file(NotesPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::string Notes() const {
        QFile file(NotesPath());
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll().toStdString();
    }

private:
    QTemporaryDir folder_;
};
