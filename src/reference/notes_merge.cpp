// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/notes_merge.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cerrno>

#include "reference/notes_file.h"
#include "text/whole_file.h"

namespace {

// Why the lock could not be taken: another copy holds it (Busy), or the lock file itself could
// not be made. QLockFile reports a full disk (its file made, its content not written) as an
// unknown error: the cause is told as every other save tells it.
void LockFailure(const QLockFile& lock, int error, const QString& path, NoteSaveResult& result) {
    const QString shown = QDir::toNativeSeparators(path);
    switch (lock.error()) {
        case QLockFile::LockFailedError: {
            result.status = NoteSaveStatus::Busy;
            const QDateTime made = QFileInfo(NotesLockPath(path)).lastModified();
            if (made.isValid())
                result.lockHeldSeconds = static_cast<int>(
                    std::max<qint64>(0, made.secsTo(QDateTime::currentDateTime())));
            result.error =
                QStringLiteral("Файл заметок «%1» занят другой копией программы.").arg(shown);
            return;
        }
        case QLockFile::PermissionError:
            result.error = QStringLiteral(
                               "Не удалось заблокировать файл заметок «%1» (нет прав на запись в "
                               "его папку); заметка не сохранена.")
                               .arg(shown);
            return;
        case QLockFile::NoError:
        case QLockFile::UnknownError: break;
    }
    // The room the save would need: the new file beside the old one.
    const auto needed = static_cast<std::size_t>(QFileInfo(path).size()) + 1;
    result.error = QString::fromStdString(SaveFailureMessage(error, path.toStdString(), needed));
}

}  // namespace

QString NotesLockPath(const QString& path) {
    return path + QStringLiteral(".lock");
}

NoteSaveResult SaveDayNoteMerged(const QString& path, const QString& key, const QString& base,
                                 const QString& mine, int lockWaitMs) {
    NoteSaveResult result;
    QLockFile lock(NotesLockPath(path));
    errno = 0;
    if (!lock.tryLock(lockWaitMs)) {
        LockFailure(lock, errno, path, result);
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
