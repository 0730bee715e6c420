// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ini_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text/cp1251.h"

namespace {

std::string ReadBytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

TEST(IniFile, ReadsLikeTheProfileRoutines) {
    const IniFile ini = IniFile::FromText(
        "[TITLE]\nTitle=gvt\r\n\r\n  [ fild1 ]  \r\nDATE = 37665,5 \rAzimut=\"90\"\r\n"
        "Name='Иван'\r\nbroken line\r\n[Other]\r\nAzimut=7\r\n");
    EXPECT_EQ(ini.Value("TITLE", "Title"), "gvt");
    // Section and key names ignore case and surrounding blanks; values are trimmed and lose one
    // pair of enclosing quotes; a key is looked up only inside its own section.
    EXPECT_EQ(ini.Value("Fild1", "Date"), "37665,5");
    EXPECT_EQ(ini.Value("Fild1", "Azimut"), "90");
    EXPECT_EQ(ini.Value("FILD1", "name"), "Иван");
    EXPECT_EQ(ini.Value("Other", "Azimut"), "7");
    EXPECT_EQ(ini.Value("Fild1", "Missing"), std::nullopt);
    EXPECT_EQ(ini.Value("Missing", "Title"), std::nullopt);
    EXPECT_EQ(ini.ReadString("Fild1", "Missing", "по умолчанию"), "по умолчанию");
    EXPECT_TRUE(ini.HasSection("other"));
    EXPECT_FALSE(ini.HasSection("Fild2"));
    // An empty value is a present key.
    EXPECT_EQ(IniFile::FromText("[A]\r\nK=\r\n").Value("A", "K"), "");
}

TEST(IniFile, WritingAKeyKeepsEveryOtherLine) {
    IniFile ini = IniFile::FromText(
        "; заметка\r\n[TITLE]\r\nTitle=old\r\n\r\n[Fild1]\r\nExtra = keep me\r\nAzimut=5\r\n\r\n"
        "[Tail]\r\nX=1\r\n");
    ini.WriteString("TITLE", "Title", "gvt");   // replaced where it stands
    ini.WriteString("Fild1", "Date", "1,5");    // appended after the section's last key
    ini.WriteString("fild1", "azimut", "90");   // replaced, spelled as written now
    ini.WriteString("New", "Key", "значение");  // new section at the end
    EXPECT_EQ(ini.Text(),
              "; заметка\r\n[TITLE]\r\nTitle=gvt\r\n\r\n[Fild1]\r\nExtra = keep me\r\nazimut=90\r\n"
              "Date=1,5\r\n\r\n[Tail]\r\nX=1\r\n[New]\r\nKey=значение\r\n");

    IniFile fresh;
    fresh.WriteString("TITLE", "Title", "gvt");
    fresh.WriteString("Fild1", "Date", "2");
    fresh.WriteString("Fild1", "Azimut", "0");
    EXPECT_EQ(fresh.Text(), "[TITLE]\r\nTitle=gvt\r\n[Fild1]\r\nDate=2\r\nAzimut=0\r\n");

    // A section with no key yet takes the key right after its header.
    IniFile bare = IniFile::FromText("[A]\r\n\r\n[B]\r\n");
    bare.WriteString("A", "K", "v");
    EXPECT_EQ(bare.Text(), "[A]\r\nK=v\r\n\r\n[B]\r\n");
}

TEST(IniFile, FileIsWindows1251WithCrLfAndReplacedWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("дом.gvt").toStdString();

    EXPECT_THROW(IniFile::Load(path), EFileError);
    IniFile ini = IniFile::LoadOrEmpty(path);
    EXPECT_TRUE(ini.Lines().empty());
    ini.WriteString("Fild1", "Имя", "Дом у реки");
    ini.Save(path);
    EXPECT_EQ(ReadBytes(path), Utf8ToCp1251("[Fild1]\r\nИмя=Дом у реки\r\n"));
    EXPECT_EQ(IniFile::Load(path).Value("fild1", "имя"), "Дом у реки");

    // Saving into a folder that does not exist fails with a clear error and creates nothing.
    const std::string nowhere = dir.filePath("нет/дом.gvt").toStdString();
    EXPECT_THROW(ini.Save(nowhere), EFileError);
    EXPECT_EQ(ReadBytes(nowhere), "<missing>");

    // No temporary file is left beside the saved one.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    // A file written by another program with bare LF lines reads the same.
    WriteBytes(path, Utf8ToCp1251("[Fild1]\nИмя=Сад\n"));
    EXPECT_EQ(IniFile::Load(path).Value("Fild1", "Имя"), "Сад");
}

TEST(IniFile, NumbersReadWithEitherDecimalSeparator) {
    EXPECT_EQ(ParseIniFloat("37665,8079649306"), 37665.8079649306);
    EXPECT_EQ(ParseIniFloat("37665.8079649306"), 37665.8079649306);
    EXPECT_EQ(ParseIniFloat(" -2,5 "), -2.5);
    EXPECT_EQ(ParseIniFloat("+7"), 7.0);
    EXPECT_EQ(ParseIniFloat("1,5E3"), 1500.0);
    EXPECT_EQ(ParseIniFloat(",5"), 0.5);
    EXPECT_EQ(ParseIniFloat("5."), 5.0);
    for (const char* bad : {"", " ", "abc", "1,2,3", "1.2.3", "1 234", "nan", "inf", "1e", "--1",
                            "+-1", ",", "0x10", "1e999", "12a"}) {
        EXPECT_EQ(ParseIniFloat(bad), std::nullopt) << bad;
    }

    EXPECT_EQ(ParseIniInteger("90"), 90);
    EXPECT_EQ(ParseIniInteger(" -5 "), -5);
    EXPECT_EQ(ParseIniInteger("+12"), 12);
    for (const char* bad : {"", "9.5", "9,0", "ab", "+", "-", "+-3", "99999999999", "$10", "1 0"}) {
        EXPECT_EQ(ParseIniInteger(bad), std::nullopt) << bad;
    }

    EXPECT_EQ(FormatIniFloat(37665.8079649306, ','), "37665,8079649306");
    EXPECT_EQ(FormatIniFloat(37665.8079649306, '.'), "37665.8079649306");
    EXPECT_EQ(FormatIniFloat(37665.0, ','), "37665");
    EXPECT_EQ(FormatIniFloat(0.25, ','), "0,25");
    // What is written reads back as the same number, with 15 significant digits kept.
    for (double v : {45000.123456789, 2.0, 2557898.99998843, 36526.5}) {
        const double back = *ParseIniFloat(FormatIniFloat(v, ','));
        EXPECT_NEAR(back, v, std::abs(v) * 1e-14) << v;
    }
}

}  // namespace

namespace {

TEST(IniFile, LinesItDoesNotOwnKeepTheirBytes) {
    const std::string original =
        "[TITLE]\r\nTitle=gvp\r\n[Other]\r\nX=\x98\xff\x80\r\n"
        "[Fild1]\r\nName=\xc8\xe2\xe0\xed\x98\r\nDate=1\r\n";
    IniFile ini = IniFile::FromBytes(original);
    EXPECT_EQ(ini.Bytes(), original);
    ini.WriteString("Fild1", "Date", "2");
    EXPECT_EQ(ini.Bytes(),
              "[TITLE]\r\nTitle=gvp\r\n[Other]\r\nX=\x98\xff\x80\r\n"
              "[Fild1]\r\nName=\xc8\xe2\xe0\xed\x98\r\nDate=2\r\n");
    // A line the program rewrites is written from its text, as before.
    ini.WriteString("Fild1", "Name", "Иван");
    EXPECT_EQ(IniFile::FromBytes(ini.Bytes()).Value("Fild1", "Name"), "Иван");
}

}  // namespace
