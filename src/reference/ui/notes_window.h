// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Блокнот": a free-text note for each calendar day. It shows the note of the main window's
// current date and stores every change at once in the notes file "\other\notes.txt", under the
// day's long date text; an installed program keeps that file in the user's data folder
// (UserFilePath), the data folder holds only its empty template.
#include <QString>
#include <functional>

#include "astro/julian_day.h"
#include "reference/ui/reference_window.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

class TFormNote : public ReferenceWindow {
    Q_OBJECT
public:
    // `currentMoment` gives the main window's current moment (its date picker).
    explicit TFormNote(std::function<Moment()> currentMoment, QWidget* parent = nullptr);
    // A note still waiting for the other copy's lock is stored before the window goes (the
    // program ends): waited for a few seconds, and a change of the day there kept beside it.
    ~TFormNote() override;
    // Whether the program may end: true unless a note waits for the other copy, which still
    // holds the file after that wait, and the user keeps the program to save it.
    bool MayClose();

    // The caption to the current date, the note area to that day's note.
    void RaschetNote();
    // Fills the note area with the note of the day `key`; the area stays empty when the file
    // cannot be read (the error is reported).
    void ReadCalednar(const QString& key);
    // Stores the note area as the note of the day `key`; a failure is reported and the file keeps
    // what it had. Another copy of the program may share the file: other days' notes it stored
    // meanwhile are kept, and a change of this very day made there is a question (keep mine,
    // take theirs, keep both). While the other copy is saving (its lock is held) nothing waits:
    // the status line says so, typing goes on, and the save is tried again shortly.
    void WriteCalednar(const QString& key);

    // The day whose note the area shows: every change is stored under this key, even if the main
    // window has meanwhile moved to another date without recalculating.
    const QString& ShownKey() const { return shownKey_; }
    // The last file error (empty after a successful read or write).
    const QString& LastError() const { return lastError_; }

    // Whether the note on display is not yet in the file (its last save failed, or waits for the
    // other copy): it stays in the area, also when the main window moves to another date, until
    // it is saved or discarded.
    bool Unsaved() const { return unsaved_; }
    // Whether a save waits for another copy of the program to release the notes file.
    bool WaitingForOtherCopy() const { return waiting_; }
    // "Отказаться": drops the unsaved note and shows what the file holds for the current date.
    void DiscardUnsaved();

    QTextEdit* RichEdit;
    QLabel* HintLine;            // refused characters, a failed or waiting save
    QPushButton* DiscardButton;  // "Отказаться", while a note could not be saved

protected:
    void showEvent(QShowEvent* event) override;

private:
    void NoteChange();
    // The waiting note saved at the end (see ~TFormNote); false when it still could not be.
    bool SaveBeforeEnd();
    void Report(const QString& error);
    void ShowHint(const QString& hint, bool error = true);
    // The status while another copy holds the lock; told as a fault once it holds it too long.
    void ShowWaiting(int lockHeldSeconds);
    // Drops the characters the file's code page lacks from what was just typed or pasted.
    void RefuseOutsideCodePage();

    std::function<Moment()> currentMoment_;
    QString shownKey_;
    QString base_;  // the note of shownKey_ as last read from or stored into the file
    QString lastError_;
    bool unsaved_ = false;
    bool waiting_ = false;     // the last save found the file locked by another copy
    bool followDate_ = false;  // a change of date waits for that save
    QTimer* retry_ = nullptr;  // tries that save again
};

// The day key of a moment: its date in the long date format of the regional settings.
QString NoteKeyOf(Moment m);
