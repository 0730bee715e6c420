// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window remembers of the file it opened or saved, to notice that another program (or
// another copy of this one, or a synced folder) changed it since: size, modification time and a
// hash of the bytes. The hash decides (a change within the clock's resolution keeps the size and
// the time); the files are small.
#include <QByteArray>
#include <QDateTime>
#include <QString>

struct FileStamp {
    bool exists = false;
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;  // SHA-1 of the bytes; empty when the file could not be read
};

// The stamp of the file as it is now (a missing file has exists == false). Only a regular file
// is read.
FileStamp StampOfFile(const QString& path);

// Whether the file at `path` differs from what `known` describes. A file removed since counts
// as changed; a file that cannot be read now is not reported (its reader will say why).
bool ChangedOnDisk(const QString& path, const FileStamp& known);
// The same judgement over a stamp already taken (`now`, from StampOfFile), for a caller that needs
// the new stamp too and should not read the file twice.
bool StampDiffers(const FileStamp& now, const FileStamp& known);
