// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/personal_forecast.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "astro/moment.h"
#include "support/golden_file.h"
#include "support/locale_guard.h"
#include "text/ini_file.h"

namespace {

using Lines = std::vector<std::string>;

class PersonalForecastTest : public ::testing::Test {
protected:
    static PersonCalculation Calculated(const char* name, Moment birth, bool male, int zone = 16,
                                        int summer = 0, int longitude = 37,
                                        bool longitudeOn = false) {
        Person p;
        p.name = name;
        p.birth = birth;
        p.male = male;
        p.zoneIndex = zone;
        p.summerHours = summer;
        p.longitude = longitude;
        p.longitudeOn = longitudeOn;
        return CalculatePerson(p, kRussian);
    }

    // Ivan: a man born 2004-06-01 12:00 in Moscow, birth-year star 5, month star 8.
    static PersonCalculation Ivan() {
        return Calculated("Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    }

    // Texts that name themselves, recording the order in which they are read.
    ForecastTexts Recording() {
        return [this](const std::string& path) {
            read_.push_back(path);
            return Lines{"[" + path + "]", "", "Текст " + path};
        };
    }

    static ForecastYear Year2024() { return ForecastYearOf(2024, TimeSettings::WithZoneIndex(16)); }

    Lines read_;
};

TEST_F(PersonalForecastTest, TheGeneralCharacteristicHasAWomansTextForOneAndFive) {
    struct Case {
        int B;
        bool male;
        const char* path;
    };
    for (const Case& c :
         {Case{5, true, "\\other\\goro\\s5.txt"}, Case{5, false, "\\other\\goro\\s5f.txt"},
          Case{1, false, "\\other\\goro\\s1f.txt"}, Case{1, true, "\\other\\goro\\s1.txt"},
          Case{3, false, "\\other\\goro\\s3.txt"}, Case{9, false, "\\other\\goro\\s9.txt"}}) {
        EXPECT_EQ(GeneralCharacteristicPath(c.B, c.male), c.path) << c.B << " " << c.male;
    }
}

TEST_F(PersonalForecastTest, AWomanReadsTheTextOfTheMirroredStar) {
    EXPECT_EQ(StarForecastPath(8, 4, true), "\\other\\goro\\8-4.txt");
    EXPECT_EQ(StarForecastPath(8, 4, false), "\\other\\goro\\7-4.txt");
    EXPECT_EQ(StarForecastPath(1, 5, false), "\\other\\goro\\5-5.txt");
    EXPECT_EQ(StarForecastPath(3, 9, false), "\\other\\goro\\3-9.txt");
    EXPECT_EQ(ForecastCaption(2024), "Прогноз на 2024 год");
}

TEST_F(PersonalForecastTest, TheTextsAreReadInTheOrderOfTheReport) {
    ReportDocument r;
    AppendPersonalForecast(r, Year2024(), Ivan(), Recording(), kRussian);
    // 2024: year star 3, branch Чэнь, monthly stars 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3.
    const Lines expected{
        "\\other\\goro\\s5.txt",  "\\other\\goro\\3-5.txt", "\\other\\goro\\5-5.txt",
        "\\other\\goro\\4-5.txt", "\\other\\goro\\3-5.txt", "\\other\\goro\\2-5.txt",
        "\\other\\goro\\1-5.txt", "\\other\\goro\\9-5.txt", "\\other\\goro\\8-5.txt",
        "\\other\\goro\\7-5.txt", "\\other\\goro\\6-5.txt", "\\other\\goro\\5-5.txt",
        "\\other\\goro\\4-5.txt", "\\other\\goro\\3-5.txt"};
    EXPECT_EQ(read_, expected);
}

TEST_F(PersonalForecastTest, AWomansMonthHeadingKeepsThePlainStar) {
    // The same birth as a woman: birth-year star 1 (the "f" characteristic), stars mirrored for
    // the files only.
    const PersonCalculation woman = Calculated("", EncodeMoment(2004, 6, 1, 12, 0), false);
    ASSERT_EQ(woman.chart.yearStar, 1);
    ReportDocument r;
    AppendPersonalForecast(r, Year2024(), woman, Recording(), kRussian);
    ASSERT_EQ(read_.size(), 14u);
    EXPECT_EQ(read_[0], "\\other\\goro\\s1f.txt");
    EXPECT_EQ(read_[1], "\\other\\goro\\3-1.txt");  // year star 3 mirrors to itself
    // Period 7 has the star 8: its heading shows 8, its text is that of 7.
    EXPECT_EQ(read_[2 + 6], "\\other\\goro\\7-1.txt");
    bool heading = false;
    for (const ReportParagraph& p : r.Paragraphs()) {
        if (p.text.rfind("Звезда месяца 8 ", 0) == 0) {
            heading = true;
            EXPECT_EQ(p.text,
                      "Звезда месяца 8 белая (Почва-ян) / 7 алая (Металл-инь) и звезда "
                      "года рождения:");
            EXPECT_EQ(p.style, ReportStyle::Titl2);
        }
    }
    EXPECT_TRUE(heading);
}

TEST_F(PersonalForecastTest, TheMonthHeadingsNameTheBirthMonthWhenItsStarIsTheYearsOwn) {
    PersonCalculation same = Ivan();
    same.chart.monthStar = same.chart.yearStar;
    ReportDocument r;
    AppendPersonalForecast(r, Year2024(), same, Recording(), kRussian);
    int headings = 0;
    for (const ReportParagraph& p : r.Paragraphs()) {
        if (p.style != ReportStyle::Titl2 || p.text.rfind("Звезда месяца ", 0) != 0) continue;
        ++headings;
        EXPECT_NE(p.text.find(" и звезда года рождения и месяца рождения:"), std::string::npos)
            << p.text;
    }
    EXPECT_EQ(headings, 12);
}

TEST_F(PersonalForecastTest, AMissingTextStopsTheReportAndNothingOfItIsShown) {
    Lines read;
    const ForecastTexts texts = [&](const std::string& path) -> Lines {
        read.push_back(path);
        if (path == "\\other\\goro\\9-5.txt") {
            throw EFileError("Cannot open file \"/data/other/goro/9-5.txt\". No such file");
        }
        return {"Текст"};
    };
    const ReportContent content = ForecastReportContent(Year2024(), Ivan(), texts, kRussian);
    EXPECT_EQ(content.caption, "Прогноз на 2024 год");
    EXPECT_FALSE(content.statusText.has_value());  // the status panel is left as it is
    EXPECT_EQ(content.error, "Cannot open file \"/data/other/goro/9-5.txt\". No such file");
    EXPECT_TRUE(content.document.Paragraphs().empty());
    // Reading stopped at the failing text: period 6 (star 9) of 2024.
    ASSERT_EQ(read.size(), 8u);
    EXPECT_EQ(read.back(), "\\other\\goro\\9-5.txt");
}

// A client born in Novosibirsk: the forecast's dates are those of Novosibirsk's clock on each date
// ("Становление весны" 2026 at 20:02 UT on 3 February is the 4th there, at 03:02), and its year
// is the one asked for, whatever the birth or the settings.
TEST_F(PersonalForecastTest, TheDatesAreOnTheClientsPlaceClockOfTheForecastYear) {
    Person p;
    p.name = "Ольга";
    p.birth = EncodeMoment(2001, 9, 11, 10, 0);
    p.zoneIndex = 22;  // (GMT +06:00) and the summer hour of 2001; +07:00 all year in 2026
    p.summerHours = 1;
    p.place = "Новосибирск, Россия";
    p.timeZoneId = "Asia/Novosibirsk";
    const PersonCalculation olga = CalculatePerson(p, kRussian);
    const ForecastYear year = ClientForecastYear(2026, p);
    EXPECT_EQ(year.year, 2026);
    ReportDocument r;
    AppendPersonalForecast(r, year, olga, Recording(), kRussian);
    const auto& paragraphs = r.Paragraphs();
    EXPECT_EQ(paragraphs.front().text, "Прогноз на 2026 год (с 04.02.2026 по 04.02.2027)");
    const auto said = [&](const std::string& text) {
        return std::any_of(paragraphs.begin(), paragraphs.end(),
                           [&](const ReportParagraph& q) { return q.text == text; });
    };
    EXPECT_TRUE(said("Даты прогноза: по времени места рождения на тот момент"));
    EXPECT_TRUE(said("Характеристики для периода с 04.02.2026 по 05.03.2026"));
}

struct GoldenCase {
    const char* name;  // file under tests/interpretation/golden/, without ".txt"
    const char* person;
    Moment birth;
    bool male;
    int zone, summer, longitude;
    bool longitudeOn;
    int year;  // the forecast's year
};

std::ostream& operator<<(std::ostream& os, const GoldenCase& c) {
    return os << c.name;
}

class PersonalForecastGolden : public PersonalForecastTest,
                               public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(PersonalForecastGolden, ReportMatchesTheCheckedInText) {
    const GoldenCase& c = GetParam();
    const PersonCalculation person =
        Calculated(c.person, c.birth, c.male, c.zone, c.summer, c.longitude, c.longitudeOn);
    const ForecastYear year = ClientForecastYear(c.year, person.person);
    const ReportContent content = ForecastReportContent(year, person, Recording(), kRussian);
    ASSERT_TRUE(content.error.empty()) << content.error;
    ExpectGoldenText(DescribeReport(content.document),
                     std::string("tests/interpretation/golden/") + c.name + ".txt");
}

INSTANTIATE_TEST_SUITE_P(
    People, PersonalForecastGolden,
    ::testing::Values(
        // A man with the birth-year star 5, in 2024 (year star 3, branch Чэнь), Moscow.
        GoldenCase{"forecast_ivan_2024", "Иван", EncodeMoment(2004, 6, 1, 12, 0), true, 16, 0, 37,
                   false, 2024},
        // An unnamed woman born under her own zone, summer hour and longitude, in 2026 (year
        // branch У): the dates on that zone and summer hour.
        GoldenCase{"forecast_woman_2026", "", EncodeMoment(1990, 3, 15, 23, 30), false, 25, 1, 104,
                   true, 2026}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

}  // namespace
