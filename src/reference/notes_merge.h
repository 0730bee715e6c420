// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a day's note when the notes file is not ours alone: another copy of the program (a
// second start, a double-clicked file) may store notes into the same file at the same time.
// Every save takes a lock beside the file ("notes.txt.lock", QLockFile), reads the file again and
// replaces only the day's block, so a note of another day is never lost. A note of the same day
// that changed in the file since this copy read it is not overwritten: the save stops with a
// conflict, and the user decides (keep mine, take theirs, keep both).
#include <QString>

enum class NoteSaveStatus {
    Unchanged,  // nothing to store: the file was not touched
    Saved,      // the file now holds `mine`
    Conflict,   // the file holds another text of the day (`theirs`); nothing was written
    Busy,       // another copy holds the lock: nothing was written, try again shortly
    Failed,     // the file is unchanged; `error` says why
};

struct NoteSaveResult {
    NoteSaveStatus status = NoteSaveStatus::Failed;
    QString theirs;  // with Conflict: the day's note as the file now holds it
    QString error;
    int lockHeldSeconds = 0;  // with Busy: how long the other copy has held the lock
};

// Stores `mine` as the note of `key`, where `base` is the note of that day as this copy last
// read or stored it. Under the lock: when the file's note of the day is neither `base` nor
// `mine`, someone else changed it meanwhile (Conflict); otherwise the day's block is replaced as
// WriteDayNote does. A lock another copy holds is waited for up to `lockWaitMs` milliseconds
// (0: not at all), then the save is Busy. A lock left by a copy that is gone is taken over at
// once; one that a running copy holds is never broken, however long it is held (the system keeps
// it locked for that copy). A lock that cannot be made (a full disk, no right to write into the
// folder) fails with the message of the cause.
NoteSaveResult SaveDayNoteMerged(const QString& path, const QString& key, const QString& base,
                                 const QString& mine, int lockWaitMs = 0);

enum class NoteConflictChoice {
    KeepMine,    // "Оставить мою": this copy's text replaces the other
    TakeTheirs,  // "Взять из файла": the other text stays, this copy shows it
    KeepBoth,    // "Оставить обе": mine, then theirs, one note
};

// The note a choice leaves: KeepBoth joins the two with a line between ("mine\n\ntheirs").
QString ResolvedNote(NoteConflictChoice choice, const QString& mine, const QString& theirs);

// The file name of the lock of a notes file.
QString NotesLockPath(const QString& path);
