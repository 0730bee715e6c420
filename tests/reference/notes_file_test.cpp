// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/notes_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "reference/notes_format.h"
#include "text/cp1251.h"
#include "text/whole_file.h"

namespace {

class NotesFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        path_ = QDir(folder_.path()).filePath(QStringLiteral("notes.txt"));
    }

    void WriteFile(const std::string& bytes) {
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::string FileBytes() const {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll().toStdString();
    }

    static std::string Start(const QString& key) {
        return NoteStartLine(Utf8ToCp1251(key.toStdString()));
    }

    QTemporaryDir folder_;
    QString path_;
    const QString day_ = QString::fromUtf8("21 июня 2024 г.");
    const QString other_ = QString::fromUtf8("22 июня 2024 г.");
};

TEST_F(NotesFileTest, ANoteIsKeptInTheCodePageAndReadBackAsTyped) {
    WriteFile("\r\n");
    const QString note = QString::fromUtf8("Встреча в 10:00\n\nкупить «чай»");
    const NoteWriteResult w = WriteDayNote(path_, day_, note);
    ASSERT_EQ(w.status, NoteWriteStatus::Saved) << w.error.toStdString();
    EXPECT_EQ(FileBytes(), Start(day_) + "\r\n" + Utf8ToCp1251("Встреча в 10:00") + "\r\n\r\n" +
                               Utf8ToCp1251("купить «чай»") + "\r\n" + NoteEndLine() + "\r\n\r\n");
    const NoteReadResult r = ReadDayNote(path_, day_);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.note, note);
    EXPECT_TRUE(ReadDayNote(path_, other_).note.isEmpty());
}

TEST_F(NotesFileTest, ErasingTheNoteRestoresTheSmallestFile) {
    WriteFile("\r\n");
    ASSERT_EQ(WriteDayNote(path_, day_, QStringLiteral("x")).status, NoteWriteStatus::Saved);
    ASSERT_EQ(WriteDayNote(path_, day_, QString()).status, NoteWriteStatus::Saved);
    EXPECT_EQ(FileBytes(), "\r\n");
    // Nothing more to remove: the file is not touched at all.
    EXPECT_EQ(WriteDayNote(path_, day_, QString()).status, NoteWriteStatus::Unchanged);
}

TEST_F(NotesFileTest, AMissingFileHoldsNoNoteAndIsCreatedByTheFirst) {
    const NoteReadResult r = ReadDayNote(path_, day_);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.note.isEmpty());
    EXPECT_EQ(WriteDayNote(path_, day_, QStringLiteral("x")).status, NoteWriteStatus::Saved);
    EXPECT_EQ(ReadDayNote(path_, day_).note, QStringLiteral("x"));
    EXPECT_EQ(NoteCharactersOutsideCodePage(QString::fromUtf8("子午 № € 子")),
              QString::fromUtf8("子午"));
}

TEST_F(NotesFileTest, ABrokenBlockOfTheDayLeavesTheFileByteForByte) {
    const std::string broken = Start(day_) + "\r\nfirst\r\n" + Start(other_) + "\r\nsecond\r\n" +
                               NoteEndLine() + "\r\n\r\n";
    WriteFile(broken);
    // Reading shows what the block runs into, as it always has.
    EXPECT_EQ(ReadDayNote(path_, day_).note.split(QLatin1Char('\n')).size(), 3);
    const NoteWriteResult w = WriteDayNote(path_, day_, QStringLiteral("typed"));
    EXPECT_EQ(w.status, NoteWriteStatus::Failed);
    EXPECT_TRUE(w.error.contains(day_)) << w.error.toStdString();
    EXPECT_EQ(FileBytes(), broken);
    // The other day's note is still there and can be read.
    EXPECT_EQ(ReadDayNote(path_, other_).note, QStringLiteral("second"));
}

TEST_F(NotesFileTest, TheFileIsReplacedWholeWithNoTemporaryLeftBehind) {
    WriteFile("\r\n");
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(WriteDayNote(path_, day_, QString(i + 1, QLatin1Char('a'))).status,
                  NoteWriteStatus::Saved);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("notes.txt")});
    EXPECT_EQ(ReadDayNote(path_, day_).note, QStringLiteral("aaaaa"));
}

TEST_F(NotesFileTest, AFileThatCannotBeReplacedIsReportedAndKept) {
    WriteFile("\r\n");
    // A read-only folder: the new file cannot be written beside the old one.
    QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const NoteWriteResult w = WriteDayNote(path_, day_, QStringLiteral("x"));
    QFile::setPermissions(folder_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (w.status == NoteWriteStatus::Saved) GTEST_SKIP() << "running with rights over any folder";
    EXPECT_EQ(w.status, NoteWriteStatus::Failed);
    EXPECT_FALSE(w.error.isEmpty());
    EXPECT_EQ(FileBytes(), "\r\n");
}

TEST_F(NotesFileTest, AFullDiskLosesNoNote) {
    WriteFile("\r\n");
    ASSERT_EQ(WriteDayNote(path_, day_, QStringLiteral("старая")).status, NoteWriteStatus::Saved);
    const std::string before = FileBytes();
    const ScopedSaveFault full(ENOSPC);
    const NoteWriteResult w = WriteDayNote(path_, day_, QStringLiteral("новая"));
    EXPECT_EQ(w.status, NoteWriteStatus::Failed);
    EXPECT_TRUE(w.error.startsWith(QStringLiteral("Диск заполнен"))) << w.error.toStdString();
    EXPECT_EQ(FileBytes(), before);
}

}  // namespace
