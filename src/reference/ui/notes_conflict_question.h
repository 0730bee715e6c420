// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions of the notes window about another copy of the program sharing the notes file:
// the day's note changed there since this copy read it (keep this window's text, take the
// file's, or keep both), and the program's end while the other copy still holds the file.
#include <QString>
#include <functional>

#include "reference/notes_merge.h"

class QWidget;

// Asks over `parent`; closing the box keeps both (nothing is lost). Tests replace the asker.
NoteConflictChoice AskNoteConflict(QWidget* parent, const QString& day, const QString& mine,
                                   const QString& theirs);
using NoteConflictAsker =
    std::function<NoteConflictChoice(QWidget*, const QString&, const QString&, const QString&)>;
void SetNoteConflictAsker(NoteConflictAsker asker);

// Whether the program may end without the note of `day`, which could not be saved because the
// other copy holds the file. Asks over `parent`; closing the box keeps the program. Tests replace
// the asker.
bool AskEndWithoutNote(QWidget* parent, const QString& day);
void SetEndWithoutNoteAsker(std::function<bool(QWidget*, const QString&)> asker);
