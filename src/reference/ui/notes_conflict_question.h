// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question of the notes window when the day's note was changed in the file by another copy
// of the program since this one read it: keep this window's text, take the file's, or keep both.
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
