// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/text_lines_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text/cp1251.h"
#include "text/ini_file.h"

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Lines lines;
};

std::ostream& operator<<(std::ostream& os, const SplitCase& c) {
    return os << c.name;
}

class SplitTextLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextLinesTest, LineEndsOfEveryKind) {
    EXPECT_EQ(SplitTextLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitTextLinesTest,
    ::testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"CrLfAfterTheLast", "Заголовок\r\n\r\nТекст\r\n", {"Заголовок", "", "Текст"}},
        SplitCase{"NoEndAfterTheLast", "a\r\nb", {"a", "b"}},
        SplitCase{"LfOnly", "a\nb\n", {"a", "b"}}, SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
        SplitCase{"OneEmptyLine", "\r\n", {""}},
        SplitCase{"EmptyLinesKept", "a\r\n\r\n\r\nb", {"a", "", "", "b"}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

class TextLinesFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    std::string Path(const char* name) const {
        return QDir(folder_.path()).filePath(QString::fromUtf8(name)).toStdString();
    }
    static QByteArray Bytes(const std::string& path) {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir folder_;
};

TEST_F(TextLinesFileTest, WrittenInTheCyrillicCodePageWithCrLfAndReadBack) {
    const Lines lines{"Файл: Иван", "", "Звезда года рождения: 5 желтая (Почва-ян)"};
    const std::string path = Path("report.txt");
    WriteTextLinesFile(path, lines);
    const std::string expected =
        Utf8ToCp1251("Файл: Иван\r\n\r\nЗвезда года рождения: 5 желтая (Почва-ян)\r\n");
    EXPECT_EQ(Bytes(path).toStdString(), expected);
    EXPECT_EQ(ReadTextLinesFile(path), lines);
}

TEST_F(TextLinesFileTest, WritingReplacesTheWholeFile) {
    const std::string path = Path("report.txt");
    WriteTextLinesFile(path, {"первая", "вторая", "третья"});
    WriteTextLinesFile(path, {"одна"});
    EXPECT_EQ(ReadTextLinesFile(path), Lines{"одна"});
}

TEST_F(TextLinesFileTest, AMissingFileIsAnErrorNamingIt) {
    const std::string path = Path("s3.txt");
    try {
        ReadTextLinesFile(path);
        FAIL() << "no error for a missing file";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

TEST_F(TextLinesFileTest, AFileThatCannotBeCreatedIsAnErrorAndLeavesNothing) {
    const std::string path = Path("no such folder/report.txt");
    EXPECT_THROW(WriteTextLinesFile(path, {"строка"}), EFileError);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

}  // namespace
