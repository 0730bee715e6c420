// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/table_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "astro/convert_error.h"
#include "astro/moment.h"
#include "text/cp1251.h"
#include "text/ini_file.h"

namespace {

class TableFile : public ::testing::Test {
protected:
    std::string Path(const std::string& name) {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }

    void Write(const std::string& path, const std::string& utf8) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = Utf8ToCp1251(utf8);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::string Read(const std::string& path) {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        return f.readAll().toStdString();
    }

    QTemporaryDir dir_;
    const Moment now_ = EncodeMoment(2024, 6, 1, 10, 30);
};

TEST_F(TableFile, WritesTheThreeKeysInOrder) {
    const std::string path = Path("дом.gvt");
    SaveTableFile(path, 37665.8079649306, 95, ',');
    EXPECT_EQ(Read(path),
              "[TITLE]\r\nTitle=gvt\r\n[Fild1]\r\nDate=37665,8079649306\r\nAzimut=95\r\n");
    SaveTableFile(path, 37665.5, 0, '.');
    EXPECT_EQ(Read(path), "[TITLE]\r\nTitle=gvt\r\n[Fild1]\r\nDate=37665.5\r\nAzimut=0\r\n");
}

TEST_F(TableFile, WritingKeepsTheOtherLinesOfTheFile) {
    const std::string path = Path("t.gvt");
    Write(path,
          "; от руки\r\n[Fild1]\r\nAzimut=5\r\nЗаметка=крыльцо на юг\r\n\r\n[Свое]\r\nX=1\r\n");
    SaveTableFile(path, 2.5, 180, ',');
    EXPECT_EQ(Cp1251ToUtf8(Read(path)),
              "; от руки\r\n[Fild1]\r\nAzimut=180\r\nЗаметка=крыльцо на юг\r\nDate=2,5\r\n\r\n"
              "[Свое]\r\nX=1\r\n[TITLE]\r\nTitle=gvt\r\n");
}

TEST_F(TableFile, RoundTripWithEitherSeparator) {
    const std::string path = Path("r.gvt");
    for (char sep : {',', '.'}) {
        SaveTableFile(path, 37665.8079649306, 247, sep);
        const TableFileContents c = ReadTableFile(path, now_);
        EXPECT_NEAR(c.date, 37665.8079649306, 1e-9);
        EXPECT_EQ(c.azimuth, 247);
    }
    // A tenth of a degree is written with the date's separator and read with either; a whole
    // azimuth stays an integer for every reader of the file.
    SaveTableFile(path, 37665.5, 187.5, ',');
    EXPECT_NE(Read(path).find("Azimut=187,5\r\n"), std::string::npos);
    EXPECT_EQ(ReadTableFile(path, now_).azimuth, 187.5);
    Write(path, "[Fild1]\r\nAzimut=7.5\r\n");
    EXPECT_EQ(ReadTableFile(path, now_).azimuth, 7.5);
    // Files written under either regional setting open everywhere.
    Write(path, "[Fild1]\r\nDate=37665,5\r\n");
    EXPECT_EQ(ReadTableFile(path, now_).date, 37665.5);
    Write(path, "[Fild1]\r\nDate=37665.5\r\n");
    EXPECT_EQ(ReadTableFile(path, now_).date, 37665.5);
}

TEST_F(TableFile, MissingKeysTakeTheirDefaults) {
    const std::string path = Path("m.gvt");
    Write(path, "[Fild1]\r\nAzimut=90\r\n");
    TableFileContents c = ReadTableFile(path, now_);
    EXPECT_EQ(c.date, now_);
    EXPECT_EQ(c.azimuth, 90);

    Write(path, "[TITLE]\r\nTitle=gvt\r\n[Fild1]\r\nDate=37665\r\n");
    c = ReadTableFile(path, now_);
    EXPECT_EQ(c.date, 37665.0);
    EXPECT_EQ(c.azimuth, 0);

    // The title is not checked; an empty file is a table of today facing north.
    Write(path, "");
    c = ReadTableFile(path, now_);
    EXPECT_EQ(c.date, now_);
    EXPECT_EQ(c.azimuth, 0);
}

TEST_F(TableFile, BadValuesRaiseTheConversionError) {
    const std::string path = Path("b.gvt");
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c :
         {Case{"[Fild1]\r\nDate=вчера\r\nAzimut=90\r\n", "Date=«вчера» — не дата"},
          Case{"[Fild1]\r\nDate=\r\n", "Date=«» — не дата"},
          Case{"[Fild1]\r\nDate=37665\r\nAzimut=9.55\r\n", "Azimut=«9.55» — не азимут"},
          Case{"[Fild1]\r\nAzimut=север\r\n", "Azimut=«север» — не азимут"},
          // Outside the table dates: no chart could be computed for it.
          Case{"[Fild1]\r\nDate=1e300\r\n", "Date=«1e300» — не дата от 01.01.1900"},
          Case{"[Fild1]\r\nDate=1\r\n", "Date=«1» — не дата"},
          Case{"[Fild1]\r\nDate=2593225\r\n", "Date=«2593225» — не дата"},
          // Off the compass: refused, not brought in as another direction.
          Case{"[Fild1]\r\nAzimut=1e308\r\n", "Azimut=«1e308» — не азимут от 0 до 360"},
          Case{"[Fild1]\r\nAzimut=725\r\n", "Azimut=«725» — не азимут"},
          Case{"[Fild1]\r\nAzimut=-15\r\n", "Azimut=«-15» — не азимут"}}) {
        Write(path, c.text);
        try {
            ReadTableFile(path, now_);
            ADD_FAILURE() << c.text;
        } catch (const EConvertError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Файл «" + path + "» не открыт: ", 0), 0u) << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
        }
    }
    // The first and last table dates are accepted.
    Write(path, "[Fild1]\r\nDate=2\r\n");
    EXPECT_EQ(ReadTableFile(path, now_).date, 2.0);
    Write(path, "[Fild1]\r\nDate=2593224,99\r\n");
    EXPECT_EQ(ReadTableFile(path, now_).date, 2593224.99);  // 9000-01-01 23:45
}

TEST_F(TableFile, AzimuthAtTheEndsOfTheCompass) {
    const std::string path = Path("a.gvt");
    Write(path, "[Fild1]\r\nAzimut=0\r\n");
    EXPECT_EQ(ReadTableFile(path, now_).azimuth, 0);
    Write(path, "[Fild1]\r\nAzimut=360\r\n");
    EXPECT_EQ(ReadTableFile(path, now_).azimuth, 360);
}

TEST_F(TableFile, UnreadableAndUnwritableFiles) {
    EXPECT_THROW(ReadTableFile(Path("нет.gvt"), now_), EFileError);
    EXPECT_THROW(SaveTableFile(Path("нет/t.gvt"), 37665, 0, ','), EFileError);
    EXPECT_EQ(Read(Path("нет/t.gvt")), "<missing>");
}

TEST(TableFileName, CommandLineExtensions) {
    EXPECT_TRUE(IsTableFileName("/home/u/дом.gvt"));
    EXPECT_TRUE(IsTableFileName("ДОМ.GVT"));
    EXPECT_TRUE(IsTableFileName("a.Gvt"));
    EXPECT_FALSE(IsTableFileName("a.txt"));
    EXPECT_FALSE(IsTableFileName("a.gvp"));
    EXPECT_FALSE(IsTableFileName("gvt"));
}

}  // namespace
