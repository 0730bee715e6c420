// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's save of its file (person ".gvp", geomantic table ".gvt") as one step: under a lock
// beside the file ("<file>.lock", as the notes take), the file is read again and compared with
// what the window knows of it, and replaced only if unchanged. Two copies of the program saving
// the same file at the same moment thus never both write: the second finds the first's change.
#include <QString>
#include <functional>
#include <string>

#include "text/file_stamp.h"

enum class LockedSaveStatus {
    Written,        // `write` ran and succeeded; `stamp` is the file as written
    Failed,         // `write` ran and failed (it has said why)
    ChangedOnDisk,  // the file is not as expected; nothing written; `stamp` is the file as found
    Busy,           // another copy held the lock beyond the wait; nothing written
};

struct LockedSave {
    LockedSaveStatus status = LockedSaveStatus::Failed;
    FileStamp stamp;
};

// Saves `path` through `write` (true when it wrote the file) under the file's lock. With
// `expected` the file must still be as it describes (file_stamp.h: a file never read is no
// change); without, it is written whatever it holds (a new name chosen by the user). The lock
// is waited for a short time only: another copy holds it for the few milliseconds of its write.
// Where no lock can be made (a folder without the right to write) the save goes on and its
// writer reports the folder.
LockedSave SaveUnderLock(const QString& path, const FileStamp* expected,
                         const std::function<bool()>& write);

// The message for LockedSaveStatus::Busy, naming the file.
std::string LockedSaveBusyMessage(const QString& path);
