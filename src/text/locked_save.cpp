// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/locked_save.h"

#include <QDir>
#include <QLockFile>

namespace {

// Long enough for another copy's check and write of a small file, short enough that the window
// is not held up.
constexpr int kLockWaitMs = 1500;

}  // namespace

LockedSave SaveUnderLock(const QString& path, const FileStamp* expected,
                         const std::function<bool()>& write) {
    LockedSave result;
    QLockFile lock(path + QStringLiteral(".lock"));
    // A lock left by a killed copy is taken over once its owner is gone.
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        result.status = LockedSaveStatus::Busy;
        return result;
    }
    if (expected) {
        const FileStamp now = StampOfFile(path);
        if (StampDiffers(now, *expected)) {
            result.status = LockedSaveStatus::ChangedOnDisk;
            result.stamp = now;
            return result;
        }
    }
    if (!write()) return result;
    result.status = LockedSaveStatus::Written;
    result.stamp = StampOfFile(path);  // still under the lock: no other copy's change in it
    return result;
}

std::string LockedSaveBusyMessage(const QString& path) {
    return QStringLiteral(
               "Файл «%1» сейчас сохраняет другая копия программы; файл не сохранен. "
               "Сохраните его снова через несколько секунд.")
        .arg(QDir::toNativeSeparators(path))
        .toStdString();
}
