// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/notes_merge.h"

#include <QDir>
#include <QLockFile>

#include "reference/notes_file.h"

namespace {

// Long enough for another copy's read and rewrite of a large file, short enough that a typing
// user is not kept waiting; a lock left by a killed copy is taken over once its owner is gone.
constexpr int kLockWaitMs = 5000;

}  // namespace

QString NotesLockPath(const QString& path) {
    return path + QStringLiteral(".lock");
}

NoteSaveResult SaveDayNoteMerged(const QString& path, const QString& key, const QString& base,
                                 const QString& mine) {
    NoteSaveResult result;
    QLockFile lock(NotesLockPath(path));
    if (!lock.tryLock(kLockWaitMs)) {
        result.error = lock.error() == QLockFile::LockFailedError
                           ? QStringLiteral(
                                 "Файл заметок «%1» занят другой копией программы; "
                                 "заметка не сохранена. Она будет сохранена при "
                                 "следующем изменении.")
                                 .arg(QDir::toNativeSeparators(path))
                           : QStringLiteral(
                                 "Не удалось заблокировать файл заметок «%1» (нет прав "
                                 "на запись в его папку); заметка не сохранена.")
                                 .arg(QDir::toNativeSeparators(path));
        return result;
    }
    const NoteReadResult now = ReadDayNote(path, key);
    if (!now.ok) {
        result.error = now.error;
        return result;
    }
    if (now.note == mine) {  // stored already (by this copy's last save, or by the other)
        result.status = NoteSaveStatus::Unchanged;
        return result;
    }
    if (now.note != base) {
        result.status = NoteSaveStatus::Conflict;
        result.theirs = now.note;
        return result;
    }
    const NoteWriteResult w = WriteDayNote(path, key, mine);
    result.error = w.error;
    switch (w.status) {
        case NoteWriteStatus::Unchanged: result.status = NoteSaveStatus::Unchanged; break;
        case NoteWriteStatus::Saved: result.status = NoteSaveStatus::Saved; break;
        case NoteWriteStatus::Failed: result.status = NoteSaveStatus::Failed; break;
    }
    return result;
}

QString ResolvedNote(NoteConflictChoice choice, const QString& mine, const QString& theirs) {
    switch (choice) {
        case NoteConflictChoice::KeepMine: return mine;
        case NoteConflictChoice::TakeTheirs: return theirs;
        case NoteConflictChoice::KeepBoth: break;
    }
    if (mine.isEmpty()) return theirs;
    if (theirs.isEmpty()) return mine;
    return mine + QStringLiteral("\n\n") + theirs;
}
