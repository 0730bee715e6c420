// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/personal_report.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "support/golden_file.h"
#include "support/locale_guard.h"

namespace {

class PersonalReportTest : public ::testing::Test {
protected:
    // A man born in 2004 after the spring start (year star 5, Gua 2), Moscow time.
    static PersonCalculation Ivan() {
        Person p;
        p.name = "Иван";
        p.birth = EncodeMoment(2004, 6, 1, 12, 0);
        p.male = true;
        p.zoneIndex = 16;  // "(GMT +03:00)"
        return CalculatePerson(p, kRussian);
    }

    // An unnamed woman with her own zone, summer hours and longitude.
    static PersonCalculation Woman() {
        Person p;
        p.birth = EncodeMoment(1990, 3, 15, 23, 30);
        p.male = false;
        p.zoneIndex = 25;  // "(GMT +08:00)"
        p.summerHours = 1;
        p.longitude = 104;
        p.longitudeOn = true;
        return CalculatePerson(p, kRussian);
    }

    static std::string Joined(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\n";
        return text;
    }
};

TEST_F(PersonalReportTest, ANamedManAsTheWindowShowsHim) {
    const PersonCalculation ivan = Ivan();
    const auto lines = PersonalReportLines("Иван", ivan);
    ExpectGoldenText(Joined(lines), "tests/person/golden/report_ivan_2004.txt");

    // Every line says what the window says.
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0], "Файл: Иван");
    EXPECT_EQ(lines[3], "Дата и время рождения: " + ivan.texts.dateTime);
    EXPECT_EQ(lines[16], "Звезда года рождения: " + ivan.texts.yearStar);
    EXPECT_EQ(lines[22], ivan.texts.baZhai + ":");
    EXPECT_EQ(lines[27], "Долгота места рождения не учтена");
}

TEST_F(PersonalReportTest, AnUnnamedWomanFromHerFile) {
    const auto lines = PersonalReportLines("olga.gvp", Woman());
    ExpectGoldenText(Joined(lines), "tests/person/golden/report_woman_1990.txt");
    EXPECT_EQ(lines[0], "Файл: olga.gvp");
    EXPECT_EQ(lines[2], "Имя: ");
    EXPECT_EQ(lines[4], "Женщина.");
    EXPECT_EQ(lines[26], "Летнее время: 1");
    EXPECT_EQ(lines[27], "Долгота места рождения 104 (гр.)");
}

TEST_F(PersonalReportTest, ABirthNearABoundaryListsItAfterThePlace) {
    Person p;
    p.zoneIndex = 16;  // "(GMT +03:00)"
    p.place = "Москва, Россия";
    // Four minutes (and a little) before Li Chun 2024 on a Moscow clock.
    p.birth = TermInstant(2024, 21) + 3.0 / 24.0 - (4 * 60 + 10) / 86400.0;
    const auto lines = PersonalReportLines("p.gvp", CalculatePerson(p, kRussian));
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[28], "Место рождения: Москва, Россия");
    EXPECT_EQ(lines[30], "Рождение вблизи границы:");
    EXPECT_EQ(lines[31], "до Становления весны 4 мин: год и месяц зависят от точного времени");
}

// The client's documents name the person (a neutral title without a name), never the file the
// window saved; the chart page warns of a clock time the clocks skipped beside the boundaries.
TEST_F(PersonalReportTest, TheClientsDocumentNamesThePersonAndWarnsOfASkippedClockTime) {
    const PersonCalculation ivan = Ivan();
    EXPECT_EQ(ClientReportLines(ivan).front(), "Иван");
    EXPECT_EQ(ClientReportLines(ivan)[2], "Имя: Иван");
    EXPECT_EQ(ClientPageHeader(ivan), "Иван — " + ivan.texts.statusLine);
    EXPECT_EQ(ClientReportLines(Woman()).front(), "Персональный гороскоп");

    Person p;
    p.place = "Москва, Россия";
    p.timeZoneId = "Europe/Moscow";
    p.birth = EncodeMoment(2005, 3, 27, 2, 30);  // the clocks went from 02:00 to 03:00
    EXPECT_EQ(BirthWarningLines(p),
              std::vector<std::string>{"такого времени не было: часы переводили с 02:00 на 03:00"});
    p.birth = TermInstant(2024, 21) + 3.0 / 24.0 - (4 * 60 + 10) / 86400.0;
    EXPECT_EQ(BirthWarningLines(p),
              std::vector<std::string>{
                  "до Становления весны 4 мин: год и месяц зависят от точного времени"});
}

TEST_F(PersonalReportTest, TheReportIsNeverProposedOverThePersonFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"Иван", "Иван"},         {"Персональный гороскоп", "Персональный гороскоп"},
        {"olga.gvp", "olga.txt"}, {"OLGA.GVP", "OLGA.txt"},
        {"Olga.Gvp", "Olga.txt"}, {"olga.gvp.bak", "olga.gvp.bak"},
        {".gvp", ".gvp"},         {"", ""},
    };
    for (const auto& [caption, proposed] : cases) {
        EXPECT_EQ(ProposedReportFileName(caption), proposed) << caption;
    }
}

}  // namespace
