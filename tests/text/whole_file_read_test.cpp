// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file whole: only a regular file, and only up to the limit of its kind, so that no
// file handed to the program makes it wait for ever or take all the memory.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text/ini_file.h"
#include "text/whole_file.h"

namespace {

std::string Read(const QString& path, std::size_t limit = kLargeFileLimit) {
    std::string bytes = "untouched";
    const std::string error = ReadWholeFile(path.toStdString(), bytes, limit);
    EXPECT_EQ(bytes, error.empty() ? bytes : "untouched");
    return error.empty() ? "read: " + bytes : error;
}

TEST(WholeFileRead, OnlyARegularFileWithinItsLimitIsRead) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString fifo = folder + QStringLiteral("/x.gvp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_NE(Read(fifo).find("x.gvp» не открыт: это не файл с данными, а устройство или канал"),
              std::string::npos);
    const QString zero = folder + QStringLiteral("/zero.gvp");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_NE(Read(zero).find("zero.gvp» не открыт: это не файл с данными"), std::string::npos);
    EXPECT_NE(Read(folder).find("не открыт: это папка"), std::string::npos);
    EXPECT_NE(Read(folder + QStringLiteral("/нет.gvp")).find("файла нет"), std::string::npos);

    // A person file of 50 MB (sparse: no disk is spent) is refused before it is read.
    const QString large = folder + QStringLiteral("/large.gvp");
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(50) << 20));
    file.close();
    try {
        IniFile::Load(large.toStdString());
        ADD_FAILURE() << "a 50 MB person file was read";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("large.gvp» не открыт: он больше 1 МБ"),
                  std::string::npos)
            << e.what();
    }
    // Within the limit a file reads whole; one byte beyond, not at all.
    const QString small = folder + QStringLiteral("/small.txt");
    QFile text(small);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("abc", 3) == 3);
    text.close();
    EXPECT_EQ(Read(small, 3), "read: abc");
    EXPECT_NE(Read(small, 2).find("не открыт: он больше"), std::string::npos);
}

}  // namespace
