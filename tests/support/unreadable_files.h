// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files no reader may block or choke on, made in a test's temporary folder: a pipe, a link to an
// endless device and a 50 MB file (sparse), each named as a person file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

struct UnreadableFiles {
    QString fifo, zero, large;

    // Makes the three in `dir`; fails the test when the system refuses one.
    void MakeIn(const QTemporaryDir& dir) {
        fifo = dir.filePath(QStringLiteral("fifo.gvp"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        zero = dir.filePath(QStringLiteral("zero.gvp"));
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
        large = dir.filePath(QStringLiteral("large.gvp"));
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(50) << 20));
    }
};
