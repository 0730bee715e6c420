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
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        stamp.hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
    return stamp;
}

bool ChangedOnDisk(const QString& path, const FileStamp& known) {
    const FileStamp outline = OutlineOf(path);
    if (!known.exists) return false;  // nothing was read: nothing to lose
    if (!outline.exists) return true;
    // The hash decides: a change within the clock's resolution keeps size and time alike.
    const FileStamp now = StampOfFile(path);
    if (now.hash.isEmpty()) return false;
    return now.hash != known.hash;
}
