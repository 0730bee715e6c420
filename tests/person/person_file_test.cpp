// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/person_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "astro/convert_error.h"
#include "astro/moment.h"
#include "text/cp1251.h"
#include "text/ini_file.h"

namespace {

class PersonFile : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }

    // Writes a file as it would come from elsewhere: `utf8` stored in Windows-1251.
    void Write(const std::string& path, const std::string& utf8) const {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = Utf8ToCp1251(utf8);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // The file's text, decoded from Windows-1251.
    std::string Read(const std::string& path) const {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        return Cp1251ToUtf8(f.readAll().toStdString());
    }

    Person Load(const std::string& fildLines) const {
        const std::string path = Path("p.gvp");
        Write(path, "[Fild1]\r\n" + fildLines);
        return ReadPersonFile(path, now_, settings_);
    }

    static Person Ivan() {
        Person p;
        p.name = "Иван Петрович";
        p.birth = 37665.8079649306;
        p.male = true;
        p.zoneIndex = 21;
        p.summerHours = -2;
        p.longitude = -75;
        p.longitudeOn = true;
        return p;
    }

    QTemporaryDir dir_;
    const Moment now_ = EncodeMoment(2024, 6, 21, 12, 0);
    // Settings that differ from every default of the record, switch on.
    const TimeSettings settings_ = TimeSettings::WithZoneIndex(25, 1, 104, true);
};

TEST_F(PersonFile, ANewFileHoldsTheTitleThenTheSevenKeysInOrder) {
    const std::string path = Path("иван.gvp");
    SavePersonFile(path, Ivan(), ',');
    EXPECT_EQ(Read(path),
              "[TITLE]\r\nTitle=gvp\r\n[Fild1]\r\nName=Иван Петрович\r\nDate=37665,8079649306\r\n"
              "Pol=мужской\r\nGMT=21\r\nLetnee=-2\r\nDolgota=-75\r\nCheck=1\r\n");

    Person woman = Ivan();
    woman.male = false;
    woman.longitudeOn = false;
    woman.birth = 37665.5;
    SavePersonFile(path, woman, '.');
    EXPECT_EQ(Read(path),
              "[TITLE]\r\nTitle=gvp\r\n[Fild1]\r\nName=Иван Петрович\r\nDate=37665.5\r\n"
              "Pol=женский\r\nGMT=21\r\nLetnee=-2\r\nDolgota=-75\r\nCheck=0\r\n");
}

TEST_F(PersonFile, TheNameIsStoredInTheCyrillicCodePage) {
    const std::string path = Path("a.gvp");
    SavePersonFile(path, Ivan(), ',');
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // "Иван" in Windows-1251.
    EXPECT_TRUE(f.readAll().contains(QByteArray("Name=\xC8\xE2\xE0\xED ")));
}

TEST_F(PersonFile, ABirthAtMidnightIsAWholeDayCount) {
    Person p = Ivan();
    p.birth = EncodeMoment(2003, 2, 14);
    const std::string path = Path("m.gvp");
    SavePersonFile(path, p, ',');
    EXPECT_NE(Read(path).find("\r\nDate=37666\r\n"), std::string::npos) << Read(path);
}

TEST_F(PersonFile, RoundTripsWithEitherSeparator) {
    const std::string path = Path("r.gvp");
    Person empty = Ivan();
    empty.name.clear();
    for (const Person& p : {Ivan(), empty}) {
        for (char separator : {',', '.'}) {
            SavePersonFile(path, p, separator);
            EXPECT_EQ(ReadPersonFile(path, now_, settings_), p) << separator;
        }
    }
    EXPECT_NE(Read(path).find("\r\nName=\r\n"), std::string::npos);
}

TEST_F(PersonFile, WritingKeepsEveryOtherLineOfAnExistingFile) {
    const std::string path = Path("k.gvp");
    Write(
        path,
        "; записано вручную\r\n[Fild1]\r\nPol=мужской\r\nЗаметка=близнец\r\n\r\n[Свое]\r\nX=1\r\n");
    Person p = Ivan();
    p.male = false;
    SavePersonFile(path, p, ',');
    EXPECT_EQ(Read(path),
              "; записано вручную\r\n[Fild1]\r\nPol=женский\r\nЗаметка=близнец\r\n"
              "Name=Иван Петрович\r\nDate=37665,8079649306\r\nGMT=21\r\nLetnee=-2\r\n"
              "Dolgota=-75\r\nCheck=1\r\n\r\n[Свое]\r\nX=1\r\n[TITLE]\r\nTitle=gvp\r\n");
}

TEST_F(PersonFile, MissingKeysTakeTheDefaults) {
    Person expected;
    expected.birth = now_;
    expected.zoneIndex = 25;
    expected.summerHours = 1;
    expected.longitude = 104;
    expected.longitudeOn = false;  // whatever the settings' switch

    // Any INI file opens; "TITLE" is not required.
    EXPECT_EQ(Load(""), expected);
    const std::string other = Path("other.ini");
    Write(other, "[TITLE]\r\nTitle=gvt\r\n[Fild1]\r\nAzimut=95\r\n");
    EXPECT_EQ(ReadPersonFile(other, now_, settings_), expected);
}

TEST_F(PersonFile, SexAndSwitchReadByExactWords) {
    struct Case {
        const char* line;
        bool male;
    };
    for (const Case& c :
         {Case{"Pol=мужской", true}, Case{"Pol=Мужской", false}, Case{"Pol=МУЖСКОЙ", false},
          Case{"Pol=женский", false}, Case{"Pol=", false}, Case{"Pol=м", false}}) {
        EXPECT_EQ(Load(std::string(c.line) + "\r\n").male, c.male) << c.line;
    }
    struct Switch {
        const char* line;
        bool on;
    };
    for (const Switch& c :
         {Switch{"Check=0", false}, Switch{"Check=1", true}, Switch{"Check=нет", true},
          Switch{"Check=", true}, Switch{"Check=00", true}, Switch{"", false}}) {
        EXPECT_EQ(Load(std::string(c.line) + "\r\n").longitudeOn, c.on) << c.line;
    }
}

TEST_F(PersonFile, TheDateReadsWithEitherSeparator) {
    EXPECT_DOUBLE_EQ(Load("Date=37665,8079649306\r\n").birth, 37665.8079649306);
    EXPECT_DOUBLE_EQ(Load("Date=37665.8079649306\r\n").birth, 37665.8079649306);
    EXPECT_DOUBLE_EQ(Load("Date=37666\r\n").birth, 37666.0);
}

TEST_F(PersonFile, OutOfRangeNumbersAreBroughtIntoTheirControls) {
    const Person p = Load("GMT=32\r\nLetnee=9\r\nDolgota=-200\r\n");
    EXPECT_EQ(p.zoneIndex, -1);
    EXPECT_EQ(p.summerHours, 5);
    EXPECT_EQ(p.longitude, -180);
    EXPECT_EQ(Load("GMT=-1\r\nLetnee=-6\r\nDolgota=181\r\n").zoneIndex, -1);
    EXPECT_EQ(Load("GMT=0\r\n").zoneIndex, 0);
    EXPECT_EQ(Load("GMT=31\r\n").zoneIndex, 31);
    // The first and the last day of the date picker.
    EXPECT_DOUBLE_EQ(Load("Date=2\r\n").birth, 2.0);
    EXPECT_DOUBLE_EQ(Load("Date=2593224,75\r\n").birth, 2593224.75);
}

// The message names the file, the key and the value, in the user's words.
TEST_F(PersonFile, ABadNumberStopsTheReadingWithTheFirstBadValue) {
    struct Case {
        const char* lines;
        const char* message;
    };
    const Case cases[] = {
        {"Date=вчера\r\n", "Date=«вчера» — не дата от 01.01.1900 до 01.01.9000"},
        {"Date=37665,5,5\r\n", "Date=«37665,5,5» — не дата"},
        {"Date=1\r\n", "Date=«1» — не дата"},
        {"Date=1e308\r\n", "Date=«1e308» — не дата"},
        {"Date=2593225\r\n", "Date=«2593225» — не дата"},
        {"GMT=+3\r\n", nullptr},
        {"GMT=три\r\n", "GMT=«три» — не целое число"},
        {"Letnee=1.5\r\n", "Letnee=«1.5» — не целое число"},
        {"Dolgota=37°\r\n", "Dolgota=«37°» — не целое число"},
        // Read in the order name, date, sex, summer hours, zone, longitude.
        {"Dolgota=x\r\nGMT=y\r\nLetnee=z\r\n", "Letnee=«z»"},
        {"GMT=y\r\nDate=d\r\n", "Date=«d»"},
    };
    for (const Case& c : cases) {
        if (!c.message) {
            EXPECT_NO_THROW(Load(c.lines)) << c.lines;
            continue;
        }
        try {
            Load(c.lines);
            ADD_FAILURE() << "no error for " << c.lines;
        } catch (const EConvertError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Файл «" + Path("p.gvp") + "» не открыт: ", 0), 0u) << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
        }
    }
}

TEST_F(PersonFile, AnUnreadableOrUnwritablePathRaisesAFileError) {
    const std::string folder = Path("папка.gvp");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    EXPECT_THROW(ReadPersonFile(folder, now_, settings_), EFileError);
    // A missing file is not a person born now.
    EXPECT_THROW(ReadPersonFile(Path("нет такого.gvp"), now_, settings_), EFileError);
    EXPECT_THROW(SavePersonFile(Path("нет/такой/папки.gvp"), Ivan(), ','), EFileError);
    EXPECT_THROW(SavePersonFile(folder, Ivan(), ','), EFileError);
}

TEST(PersonFileName, OnlyTheThreeSpellingsOfTheExtension) {
    struct Case {
        const char* path;
        bool person;
    };
    for (const Case& c :
         {Case{"a.gvp", true}, Case{"/home/я/Иван.GVP", true}, Case{"x.Gvp", true},
          Case{"x.gVp", false}, Case{"x.GvP", false}, Case{"x.gvP", false}, Case{"x.GVp", false},
          Case{"x.gvpx", false}, Case{"gvp", false}, Case{"x.gvt", false}, Case{"", false}}) {
        EXPECT_EQ(IsPersonFileName(c.path), c.person) << c.path;
    }
}

}  // namespace

namespace {

TEST_F(PersonFile, AnExactZoneAndThePlaceRoundTripInExtraKeys) {
    Person p = Ivan();
    p.exactZoneSeconds = 2 * 3600 + 30 * 60 + 17;  // Moscow's local mean time before 1919
    p.zoneIndex = 3;                               // not what the file keeps: the nearest is
    p.place = "Москва, Россия";
    p.timeZoneId = "Europe/Moscow";
    p.longitude = 38;
    p.longitudeArcseconds = 135418;  // 37°36'58", beside the whole degrees
    const std::string path = Path("exact.gvp");
    SavePersonFile(path, p, ',');
    const std::string text = Read(path);
    // Older readers find the nearest list zone, "(GMT +03:00)", where they always did.
    EXPECT_NE(text.find("GMT=16\r\nLetnee="), std::string::npos) << text;
    EXPECT_NE(text.find("Dolgota=38\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("GMTSeconds=9017\r\nDolgotaSeconds=135418\r\nPlace=Москва, Россия\r\n"
                        "TimeZoneId=Europe/Moscow\r\n"),
              std::string::npos)
        << text;
    Person back = ReadPersonFile(path, now_, settings_);
    p.zoneIndex = 16;
    EXPECT_EQ(back, p);
    EXPECT_EQ(PersonTimeSettings(back).zoneCaption, "(GMT +02:30:17)");
    EXPECT_DOUBLE_EQ(PersonTimeSettings(back).longitudeDegrees(), 135418 / 3600.0);

    // Without a place the keys are emptied, not left to say the old place.
    p.exactZoneSeconds.reset();
    p.longitudeArcseconds.reset();
    p.place.clear();
    p.timeZoneId.clear();
    SavePersonFile(path, p, ',');
    back = ReadPersonFile(path, now_, settings_);
    EXPECT_EQ(back, p);
    EXPECT_EQ(PersonTimeSettings(back).zoneCaption, "(GMT +03:00)");

    // A file that never had a place gets no new keys; a bad exact offset leaves the list zone.
    SavePersonFile(Path("plain.gvp"), Ivan(), ',');
    EXPECT_EQ(Read(Path("plain.gvp")).find("GMTSeconds"), std::string::npos);
    EXPECT_EQ(Read(Path("plain.gvp")).find("Place"), std::string::npos);
    const Person bad = Load("GMT=21\r\nGMTSeconds=пять\r\n");
    EXPECT_FALSE(bad.exactZoneSeconds);
    EXPECT_EQ(bad.zoneIndex, 21);
}

}  // namespace

// A zone id the database does not list is never used as one: a path, a device, a bare city or
// a long string leaves the person without a zone id, says which key, and the rest loads.
TEST_F(PersonFile, AZoneIdTheDatabaseDoesNotListIsRefusedByItsKey) {
    for (const std::string& crafted : std::vector<std::string>{"../../../../dev/stdin", "/dev/zero",
                                                               "Moscow", std::string(10000, 'Z')}) {
        const std::string path = Path("z.gvp");
        Write(path, "[Fild1]\r\nName=Иван\r\nDate=40000\r\nPlace=Москва\r\nTimeZoneId=" + crafted +
                        "\r\n");
        std::string warning;
        const Person p = ReadPersonFile(path, now_, settings_, &warning);
        EXPECT_EQ(p.timeZoneId, "");
        EXPECT_EQ(p.name, "Иван");
        EXPECT_EQ(p.place, "Москва");
        EXPECT_EQ(warning.rfind("TimeZoneId: ", 0), 0u) << warning;
        EXPECT_LT(warning.size(), 300u);
    }
    std::string warning;
    EXPECT_EQ(Load("TimeZoneId=Europe/Moscow\r\n").timeZoneId, "Europe/Moscow");
    const std::string path = Path("kiev.gvp");
    Write(path, "[Fild1]\r\nTimeZoneId=Europe/Kiev\r\n");
    EXPECT_EQ(ReadPersonFile(path, now_, settings_, &warning).timeZoneId, "Europe/Kiev");
    EXPECT_EQ(warning, "");
}

// One rounding rule for reading and writing: a date that opens saves to a file that opens, and a
// date the writer would round out of the range does not open at all.
TEST_F(PersonFile, ADateThatOpensSavesToAFileThatOpens) {
    EXPECT_THROW(Load("Date=2593224,9999999995\r\n"), EConvertError);
    const Person p = Load("Date=2593224,99999999\r\n");
    SavePersonFile(Path("back.gvp"), p, ',');
    EXPECT_EQ(ReadPersonFile(Path("back.gvp"), now_, settings_).birth, p.birth);
    EXPECT_EQ(Load("Date=37665,80796493061234\r\n").birth, 37665.8079649306);
}
