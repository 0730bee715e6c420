// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

FileStamp OutlineOf(const QString& path) {
    FileStamp stamp;
    const QFileInfo info(path);
    stamp.exists = info.exists();
    if (!stamp.exists) return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    return stamp;
}

}  // namespace

FileStamp StampOfFile(const QString& path) {
    FileStamp stamp = OutlineOf(path);
    if (!stamp.exists || !QFileInfo(path).isFile()) return stamp;
    // In pieces: a large file put in the place of a small one must not take all the memory.
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (file.open(QIODevice::ReadOnly) && hash.addData(&file)) stamp.hash = hash.result();
    return stamp;
}

bool ChangedOnDisk(const QString& path, const FileStamp& known) {
    if (!known.exists) return false;  // nothing was read: nothing to lose
    return StampDiffers(StampOfFile(path), known);
}

bool StampDiffers(const FileStamp& now, const FileStamp& known) {
    if (!known.exists) return false;
    if (!now.exists) return true;
    // The hash decides: a change within the clock's resolution keeps size and time alike.
    if (now.hash.isEmpty()) return false;
    return now.hash != known.hash;
}
