// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/notes_window.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <memory>
#include <thread>

#include "app/main_window.h"
#include "astro/moment.h"
#include "reference/notes_format.h"
#include "reference/notes_merge.h"
#include "reference/ui/notes_conflict_question.h"
#include "reference/ui/reference_test_folder.h"
#include "support/utf8.h"
#include "text/cp1251.h"
#include "widgets/picker_moment.h"

namespace {

class NotesWindowTest : public ReferenceFolderTest {
protected:
    static void Type(QTextEdit* edit, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &release);
        }
    }
    static void EraseAll(QTextEdit* edit) {
        edit->selectAll();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &press);
    }
    static std::string Block(Moment day, const std::string& utf8Lines) {
        std::string lines;
        for (char c : Utf8ToCp1251(utf8Lines))
            lines += (c == '\n') ? std::string("\r\n") : std::string(1, c);
        return NoteStartLine(Utf8ToCp1251(NoteKeyOf(day).toStdString())) + "\r\n" + lines + "\r\n" +
               NoteEndLine() + "\r\n";
    }
    static void SetPicker(TFormMainGVR& w, Moment m) { w.MyDate->setDateTime(DateTimeOfMoment(m)); }

    Moment day_ = EncodeMoment(2024, 6, 21, 12, 0);
    Moment nextDay_ = EncodeMoment(2024, 6, 22, 12, 0);
    Moment previousDay_ = EncodeMoment(2024, 6, 20, 12, 0);
};

TEST_F(NotesWindowTest, TheKeyIsTheLongDateAndTheCaptionTheShortDate) {
    EXPECT_EQ(NoteKeyOf(day_), QString::fromUtf8("21 июня 2024 г."));
    Moment current = day_;
    TFormNote note([&] { return current; });
    note.show();
    EXPECT_EQ(note.windowTitle(), QStringLiteral("21.06.2024"));
    EXPECT_EQ(note.ShownKey(), NoteKeyOf(day_));
    EXPECT_TRUE(note.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(note.size(), QSize(315, 222));
    EXPECT_EQ(note.RichEdit->geometry().topLeft(), QPoint(10, 17));
}

TEST_F(NotesWindowTest, TypingIntoAnEmptyDayCreatesItsBlockAtTheEndOfTheFile) {
    WriteNotes(Block(previousDay_, "вчера") + "\r\n");
    TFormNote note([&] { return day_; });
    note.show();
    EXPECT_TRUE(note.RichEdit->toPlainText().isEmpty());
    Type(note.RichEdit, QStringLiteral("a"));
    EXPECT_EQ(Notes(), Block(previousDay_, "вчера") + Block(day_, "a") + "\r\n");
    Type(note.RichEdit, QString::fromUtf8("б"));
    EXPECT_EQ(Notes(), Block(previousDay_, "вчера") + Block(day_, "aб") + "\r\n");
}

TEST_F(NotesWindowTest, EditingABlockInTheMiddleMovesItToTheEnd) {
    WriteNotes(Block(previousDay_, "one") + Block(day_, "two\nlines") + Block(nextDay_, "three") +
               "\r\n");
    TFormNote note([&] { return day_; });
    note.show();
    EXPECT_EQ(note.RichEdit->toPlainText(), QStringLiteral("two\nlines"));
    note.RichEdit->moveCursor(QTextCursor::End);
    Type(note.RichEdit, QStringLiteral("!"));
    EXPECT_EQ(Notes(), Block(previousDay_, "one") + Block(nextDay_, "three") +
                           Block(day_, "two\nlines!") + "\r\n");
}

TEST_F(NotesWindowTest, ErasingTheNoteRemovesItsBlock) {
    WriteNotes(Block(day_, "gone") + Block(nextDay_, "kept") + "\r\n");
    TFormNote note([&] { return day_; });
    note.show();
    EraseAll(note.RichEdit);
    EXPECT_EQ(Notes(), Block(nextDay_, "kept") + "\r\n");
}

TEST_F(NotesWindowTest, TwoBlocksOfTheSameDayAreBothShownAndBecomeOne) {
    WriteNotes(Block(day_, "first") + Block(nextDay_, "other") + Block(day_, "second") + "\r\n");
    TFormNote note([&] { return day_; });
    note.show();
    EXPECT_EQ(note.RichEdit->toPlainText(), QStringLiteral("first\nsecond"));
    note.RichEdit->moveCursor(QTextCursor::End);
    Type(note.RichEdit, QStringLiteral("."));
    EXPECT_EQ(Notes(), Block(nextDay_, "other") + Block(day_, "first\nsecond.") + "\r\n");
}

TEST_F(NotesWindowTest, PastedTextIsStoredToo) {
    TFormNote note([&] { return day_; });
    note.show();
    note.RichEdit->insertPlainText(QStringLiteral("pasted"));
    EXPECT_EQ(Notes(), Block(day_, "pasted") + "\r\n");
}

TEST_F(NotesWindowTest, TheWindowFollowsTheMainWindowsDateWithoutWriting) {
    WriteNotes(Block(day_, "today") + Block(nextDay_, "tomorrow") + "\r\n");
    const std::string before = Notes();
    TFormMainGVR w;
    TFormNote* note = w.FormNote();
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isVisible());
    w.Commands().Action(Command::Notes)->trigger();
    ASSERT_TRUE(note->isVisible());
    EXPECT_EQ(note->RichEdit->toPlainText(), QStringLiteral("today"));

    SetPicker(w, nextDay_);
    EXPECT_EQ(note->windowTitle(), QStringLiteral("22.06.2024"));
    EXPECT_EQ(note->RichEdit->toPlainText(), QStringLiteral("tomorrow"));
    SetPicker(w, EncodeMoment(2024, 6, 23, 9, 0));
    EXPECT_TRUE(note->RichEdit->toPlainText().isEmpty());
    EXPECT_EQ(Notes(), before);

    // Hidden, it is not refreshed; shown again, it reads the day of the picker.
    note->hide();
    SetPicker(w, day_);
    EXPECT_EQ(note->windowTitle(), QStringLiteral("23.06.2024"));
    note->show();
    EXPECT_EQ(note->RichEdit->toPlainText(), QStringLiteral("today"));
}

TEST_F(NotesWindowTest, ChangesGoToTheDayShownEvenWhenThePickerMovedWithoutRecalculating) {
    WriteNotes(Block(day_, "today") + Block(nextDay_, "tomorrow") + "\r\n");
    TFormMainGVR w;
    w.FormNote()->show();
    w.CheckBoxRasch->setChecked(false);
    SetPicker(w, nextDay_);
    // Still the note of the 21st, and so its edits: tomorrow's note is not overwritten.
    w.FormNote()->RichEdit->moveCursor(QTextCursor::End);
    Type(w.FormNote()->RichEdit, QStringLiteral("!"));
    EXPECT_EQ(Notes(), Block(nextDay_, "tomorrow") + Block(day_, "today!") + "\r\n");
}

TEST_F(NotesWindowTest, AMissingFileIsCreatedByTheFirstNote) {
    QFile::remove(NotesPath());
    TFormNote note([&] { return day_; });
    note.show();
    EXPECT_TRUE(note.LastError().isEmpty());
    EXPECT_TRUE(note.RichEdit->toPlainText().isEmpty());
    Type(note.RichEdit, QStringLiteral("ab"));
    EXPECT_EQ(Notes(), Block(day_, "ab") + "\r\n");
}

// A note the file cannot take is said on every failed save and stays, also over a change of
// date, until it is saved or discarded.
TEST_F(NotesWindowTest, ANoteThatCannotBeSavedStaysUntilSavedOrDiscarded) {
    QFile::remove(NotesPath());
    const QString folder = QFileInfo(NotesPath()).absolutePath();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(folder).isWritable()) GTEST_SKIP() << "running with rights over any folder";
    Moment current = day_;
    TFormNote note([&] { return current; });
    note.show();
    Type(note.RichEdit, QStringLiteral("a"));
    EXPECT_TRUE(note.Unsaved());
    EXPECT_TRUE(note.HintLine->isVisible());
    note.HintLine->clear();
    Type(note.RichEdit, QStringLiteral("b"));
    EXPECT_TRUE(note.HintLine->text().contains(QStringLiteral("notes.txt")));
    current = nextDay_;
    note.RaschetNote();
    EXPECT_EQ(note.RichEdit->toPlainText(), QStringLiteral("ab"));
    EXPECT_EQ(note.ShownKey(), NoteKeyOf(day_));

    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    Type(note.RichEdit, QStringLiteral("c"));
    EXPECT_FALSE(note.Unsaved());
    EXPECT_FALSE(note.HintLine->isVisible());
    EXPECT_EQ(Notes(), Block(day_, "abc") + "\r\n");

    // Discarding shows the current date's note again.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Type(note.RichEdit, QStringLiteral("d"));
    ASSERT_TRUE(note.Unsaved());
    note.DiscardButton->click();
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(note.Unsaved());
    EXPECT_EQ(note.ShownKey(), NoteKeyOf(nextDay_));
    EXPECT_EQ(Notes(), Block(day_, "abc") + "\r\n");
}

// The file stays Windows-1251: what it cannot hold is refused as it is typed, with a hint.
TEST_F(NotesWindowTest, CharactersOutsideTheCodePageAreRefusedAsTyped) {
    TFormNote note([&] { return day_; });
    note.show();
    Type(note.RichEdit, QString::fromUtf8("子午 № € —"));
    EXPECT_EQ(note.RichEdit->toPlainText(), QString::fromUtf8(" № € —"));
    EXPECT_TRUE(note.HintLine->isVisible());
    EXPECT_TRUE(note.HintLine->text().contains(QString::fromUtf8("午")));
    EXPECT_EQ(Notes(), Block(day_, " № € —") + "\r\n");
}

TEST_F(NotesWindowTest, ABrokenBlockOfTheDayIsShownButTheFileIsNeverRewritten) {
    const std::string broken = Block(nextDay_, "kept") +
                               NoteStartLine(Utf8ToCp1251(NoteKeyOf(day_).toStdString())) +
                               "\r\nrest of the file\r\n\r\n";
    WriteNotes(broken);
    TFormNote note([&] { return day_; });
    note.show();
    EXPECT_EQ(note.RichEdit->toPlainText(), QStringLiteral("rest of the file"));
    Type(note.RichEdit, QStringLiteral("x"));
    EXPECT_FALSE(note.LastError().isEmpty());
    EXPECT_EQ(Notes(), broken);
}

}  // namespace

TEST_F(NotesWindowTest, AnInstalledProgramKeepsTheNotesInTheUsersFolderAndNeverWritesItsData) {
    // The test folder plays the shared data folder of an installation: its notes file is the
    // template and stays as shipped.
    SetProgramFolder(Folder(), /*shared=*/true);
    WriteNotes(Block(previousDay_, "из шаблона") + "\r\n");
    const std::string shipped = Notes();
    const QString own = QDir(UserDataFolder()).filePath(QStringLiteral("other/notes.txt"));

    {
        TFormNote note([&] { return day_; });
        note.show();
        EXPECT_TRUE(note.LastError().isEmpty()) << note.LastError().toStdString();
        Type(note.RichEdit, QStringLiteral("мое"));
    }
    EXPECT_EQ(Notes(), shipped);
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
              Block(previousDay_, "из шаблона") + Block(day_, "мое") + "\r\n");
    file.close();

    // A new template (a reinstall) leaves the user's notes as they are.
    WriteNotes("\r\n");
    TFormNote again([&] { return day_; });
    again.show();
    EXPECT_EQ(again.RichEdit->toPlainText(), QString::fromUtf8("мое"));
}

// Another copy of the program stored a note of the same day after this window read it: the next
// keystroke asks instead of overwriting it; "keep both" joins the two. Its notes of other days
// are kept without a question.
TEST_F(NotesWindowTest, ADayChangedByAnotherCopyIsAQuestion) {
    WriteNotes(Block(day_, "моя") + "\r\n");
    TFormNote note([&] { return day_; });
    note.show();
    int asked = 0;
    SetNoteConflictAsker([&](QWidget*, const QString&, const QString& mine, const QString& theirs) {
        ++asked;
        EXPECT_EQ(mine, QString::fromUtf8("моя!"));
        EXPECT_EQ(theirs, QString::fromUtf8("их"));
        return NoteConflictChoice::KeepBoth;
    });
    // The other copy: the same day changed, a note of another day added.
    WriteNotes(Block(nextDay_, "завтра") + Block(day_, "их") + "\r\n");
    note.RichEdit->moveCursor(QTextCursor::End);
    Type(note.RichEdit, QStringLiteral("!"));
    SetNoteConflictAsker({});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(note.RichEdit->toPlainText(), QString::fromUtf8("моя!\n\nих"));
    EXPECT_EQ(Notes(), Block(nextDay_, "завтра") + Block(day_, "моя!\n\nих") + "\r\n");
    // Continuing from there is no conflict.
    Type(note.RichEdit, QStringLiteral("."));
    EXPECT_EQ(asked, 1);
}

// Another copy holds the notes' lock: typing goes on, the status line says why the note waits,
// and nothing typed is lost: it is saved once the lock is free, also when the day changed or the
// window was closed meanwhile, or when the window goes with the program.
TEST_F(NotesWindowTest, TypingStaysLiveWhileAnotherCopySavesTheNotes) {
    Moment current = day_;
    auto note = std::make_unique<TFormNote>([&] { return current; });
    note->show();
    QLockFile other(NotesLockPath(NotesPath()));
    ASSERT_TRUE(other.tryLock(0));
    Type(note->RichEdit, QStringLiteral("abc"));
    EXPECT_EQ(note->RichEdit->toPlainText(), QStringLiteral("abc"));
    EXPECT_TRUE(note->HintLine->text().startsWith(U("Блокнот сохраняет другая копия программы")));
    EXPECT_EQ(Notes(), "\r\n");
    current = nextDay_;
    note->RaschetNote();
    EXPECT_EQ(note->ShownKey(), NoteKeyOf(day_));
    note->hide();
    other.unlock();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Notes() == Block(day_, "abc") + "\r\n"; }));
    note->show();
    EXPECT_EQ(note->ShownKey(), NoteKeyOf(nextDay_));
    EXPECT_FALSE(note->HintLine->isVisible());

    // Held for long, it is told as a fault; the program's end waits a moment for it, then asks.
    ASSERT_TRUE(other.tryLock(0));
    QFile lock(NotesLockPath(NotesPath()));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    lock.setFileTime(QDateTime::currentDateTime().addSecs(-20), QFileDevice::FileModificationTime);
    Type(note->RichEdit, QStringLiteral("d"));
    EXPECT_TRUE(note->HintLine->text().contains(U("закройте ее")));
    QString asked;
    SetEndWithoutNoteAsker([&](QWidget*, const QString& day) { return (asked = day).isEmpty(); });
    EXPECT_FALSE(note->MayClose());
    SetEndWithoutNoteAsker({});
    EXPECT_EQ(asked, NoteKeyOf(nextDay_));
    std::thread release([&] {
        QThread::msleep(300);
        other.unlock();
    });
    note.reset();
    release.join();
    EXPECT_EQ(Notes(), Block(day_, "abc") + Block(nextDay_, "d") + "\r\n");
}
