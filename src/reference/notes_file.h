// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and storing the note of a day in the notes file. The day key and the note are given as
// text (UTF-8 in QString) and kept in the file in Windows-1251; the file is replaced atomically
// (written beside it, then renamed), so a failure never leaves half a file.
#include <QString>

struct NoteReadResult {
    bool ok = false;
    QString note;   // the note's lines joined with '\n' ("" for a day without a note)
    QString error;  // the file error when !ok
};

// The note of the day `key` (its long date text) in the file `path`; a missing file holds no note.
NoteReadResult ReadDayNote(const QString& path, const QString& key);

enum class NoteWriteStatus {
    Unchanged,  // nothing to store and nothing to remove: the file was not touched
    Saved,      // the file now holds the note (or no longer holds the erased one)
    Failed,     // the file is unchanged; `error` says why
};

struct NoteWriteResult {
    NoteWriteStatus status = NoteWriteStatus::Failed;
    QString error;
};

// Stores `note` (lines separated by '\n'; "" erases the day's note) as the note of the day `key`.
// A missing file is created (it reads as the smallest file, one empty line). An unreadable or
// unwritable file, or a block of the day without its end line, fails with a message and leaves the
// file as it was. Characters Windows-1251 lacks must be refused before
// (NoteCharactersOutsideCodePage).
NoteWriteResult WriteDayNote(const QString& path, const QString& key, const QString& note);

// The characters of `text` the notes file cannot hold (its code page is Windows-1251), in order,
// each once; "" when it can hold all of them.
QString NoteCharactersOutsideCodePage(const QString& text);
// `text` without those characters.
QString NoteTextInCodePage(const QString& text);
