// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/person_chart.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "calendar/epoch_year.h"
#include "person/birth_stars.h"
#include "support/locale_guard.h"

namespace {

constexpr int kZoneGmt = 13;          // "(GMT 00:00)"
constexpr int kZoneMoscow = 16;       // "(GMT +03:00)"
constexpr int kZoneVladivostok = 28;  // "(GMT +10:00)"

// The chart with its texts in Russian.
PersonCalculation Calculated(const Person& person) {
    return CalculatePerson(person, kRussian);
}

class PersonChartTest : public ::testing::Test {
protected:
    static Person Born(Moment birth, bool male, int zone = kZoneMoscow, int summer = 0) {
        Person p;
        p.birth = birth;
        p.male = male;
        p.zoneIndex = zone;
        p.summerHours = summer;
        return p;
    }
};

TEST_F(PersonChartTest, AManAndAWomanBornIn2004AfterTheSpringStart) {
    const Moment birth = EncodeMoment(2004, 6, 1, 12, 0);
    const PersonCalculation man = Calculated(Born(birth, true));
    EXPECT_EQ(man.chart.epochYear, 4641);
    EXPECT_EQ(man.chart.yearStar, 5);
    EXPECT_EQ(man.chart.guaNumber, 2);
    EXPECT_EQ(man.chart.smallCycleStar, 8);
    EXPECT_EQ(man.chart.greatCycleStar, 3);
    EXPECT_EQ(man.texts.baZhai, "Западная судьба, Дворец Кунь гуа, Почва");
    EXPECT_EQ(man.texts.yearStar, "5 желтая (Почва-ян) / 1 белая (Вода-инь)");
    EXPECT_EQ(man.texts.smallCycleStar, "8 белая (Почва-ян) / 7 алая (Металл-инь)");
    EXPECT_EQ(man.texts.sexWord, "мужской");

    const PersonCalculation woman = Calculated(Born(birth, false));
    EXPECT_EQ(woman.chart.yearStar, 1);
    EXPECT_EQ(woman.chart.guaNumber, 1);
    EXPECT_EQ(woman.texts.baZhai, "Восточная судьба, Дворец Кань гуа, Вода");
    EXPECT_EQ(woman.texts.yearStar, "1 белая (Вода-инь) / 5 желтая (Почва-ян)");
    EXPECT_EQ(woman.texts.sexWord, "женский");
    // Every one of the six stars is mirrored for a woman; the pillars are the same.
    EXPECT_EQ(woman.chart.greatCycleStar, WStar(man.chart.greatCycleStar));
    EXPECT_EQ(woman.chart.smallCycleStar, WStar(man.chart.smallCycleStar));
    EXPECT_EQ(woman.chart.monthStar, WStar(man.chart.monthStar));
    EXPECT_EQ(woman.chart.dayStar, WStar(man.chart.dayStar));
    EXPECT_EQ(woman.chart.hourStar, WStar(man.chart.hourStar));
    EXPECT_EQ(woman.chart.year, man.chart.year);
    EXPECT_EQ(woman.chart.month, man.chart.month);
    EXPECT_EQ(woman.chart.day, man.chart.day);
    EXPECT_EQ(woman.chart.hour, man.chart.hour);
}

TEST_F(PersonChartTest, AWomanWhoseMirroredYearStarIsFiveGetsGuaEight) {
    // 2008 (epoch year 4645) has the year star 1; a woman's mirror makes it 5.
    const PersonCalculation woman = Calculated(Born(EncodeMoment(2008, 7, 1, 9, 0), false));
    EXPECT_EQ(woman.chart.epochYear, 4645);
    EXPECT_EQ(woman.chart.yearStar, 5);
    EXPECT_EQ(woman.chart.guaNumber, 8);
    EXPECT_EQ(woman.texts.yearStar, "5 желтая (Почва-инь) / 1 белая (Вода-ян)");
    EXPECT_EQ(woman.texts.baZhai, "Западная судьба, Дворец Гэнь гуа, Почва");
}

TEST_F(PersonChartTest, TheShownTextsOfAChart) {
    Person p = Born(EncodeMoment(2004, 6, 1, 12, 0), true);
    p.name = "Иван";
    const PersonCalculation c = Calculated(p);
    EXPECT_EQ(c.texts.dateTime, "01.06.2004 12:00:00");
    EXPECT_EQ(c.texts.weekday, "вторник");
    // 2004 Цзя-Шэнь; the month from "Становление лета" is Сы with stem Цзи.
    EXPECT_EQ(c.texts.yearPillar, "Цзя (Дерево-ян), Шэнь (Металл-ян)");
    EXPECT_EQ(c.texts.yearSign, "Знак года 21 из 60");
    EXPECT_EQ(c.texts.monthPillar, "Цзи (Почва-инь), Сы (Огонь-инь)");
    EXPECT_EQ(c.texts.monthSign, "Знак периода 6 из 60");
    EXPECT_EQ(c.chart.termName, "Малое насыщение");
    EXPECT_EQ(c.texts.daySign.rfind("Знак дня ", 0), 0u);
    EXPECT_EQ(c.texts.hourSign.rfind("Знак часа ", 0), 0u);
    EXPECT_EQ(c.texts.dayStemElement, StemElementText(c.chart.day.stem));
    EXPECT_EQ(c.texts.statusLine,
              "Расчет на: 01.06.2004 12:00:00 | пол: мужской | (GMT +03:00) | л.в.: 0 | "
              "долгота не учтена");

    p.zoneIndex = 21;
    p.summerHours = -1;
    p.longitude = -75;
    p.longitudeOn = true;
    p.male = false;
    EXPECT_EQ(Calculated(p).texts.statusLine,
              "Расчет на: 01.06.2004 12:00:00 | пол: женский | (GMT +05:45) | л.в.: -1 | "
              "долгота -75 (гр.)");
    // No zone chosen: an empty zone text, counted as GMT.
    p.zoneIndex = -1;
    const PersonCalculation noZone = Calculated(p);
    EXPECT_EQ(noZone.texts.zone, "");
    p.zoneIndex = kZoneGmt;
    EXPECT_EQ(noZone.chart.day, Calculated(p).chart.day);
    EXPECT_EQ(noZone.chart.hour, Calculated(p).chart.hour);
}

TEST_F(PersonChartTest, StemElementTextsAndHints) {
    EXPECT_EQ(StemElementText(1), "Дерево-ян");
    EXPECT_EQ(StemElementText(4), "Огонь-инь");
    EXPECT_EQ(StemElementText(5), "Почва-ян");
    EXPECT_EQ(StemElementText(10), "Вода-инь");
    // The stems go in pairs, yang then yin, of five different elements.
    std::set<std::string> elements;
    for (Stem s = 1; s <= 10; s += 2) {
        const std::string yang = StemElementText(s), yin = StemElementText(s + 1);
        const std::string element = yang.substr(0, yang.rfind('-'));
        EXPECT_EQ(yang, element + "-ян") << s;
        EXPECT_EQ(yin, element + "-инь") << s + 1;
        elements.insert(element);
    }
    EXPECT_EQ(elements.size(), 5u);
    EXPECT_EQ(StemHint(1), "Цзя (Дерево-ян)");
    EXPECT_EQ(StemHint(10), "Гуй (Вода-инь)");
    EXPECT_EQ(StemElementText(0), "");
    EXPECT_EQ(StemHint(11), "");
}

TEST_F(PersonChartTest, ABirthHoursBeforeTheSpringStartBelongsToThePreviousYear) {
    // "Становление весны" 2024 falls at 08:28 universal time; 11:40 in Moscow is 08:40 UT.
    const Moment civil = EncodeMoment(2024, 2, 4, 11, 40);
    const PersonChart after = Calculated(Born(civil, true)).chart;
    EXPECT_EQ(after.year, (Pillar{1, 5}));
    EXPECT_EQ(after.month.branch, 3);
    EXPECT_EQ(after.epochYear, 4661);

    const PersonChart before = Calculated(Born(EncodeMoment(2024, 2, 4, 10, 0), true)).chart;
    EXPECT_EQ(before.year, (Pillar{10, 4}));
    EXPECT_EQ(before.month.branch, 2);  // Чоу
    EXPECT_EQ(before.epochYear, 4660);

    // One summer hour moves the year, the month and the epoch year by the same hour.
    const PersonChart summer = Calculated(Born(civil, true, kZoneMoscow, 1)).chart;
    EXPECT_EQ(summer.year, (Pillar{10, 4}));
    EXPECT_EQ(summer.month.branch, 2);
    EXPECT_EQ(summer.epochYear, 4660);
    const PersonChart summerLater =
        Calculated(Born(EncodeMoment(2024, 2, 4, 12, 40), true, kZoneMoscow, 1)).chart;
    EXPECT_EQ(summerLater.year, (Pillar{1, 5}));
    EXPECT_EQ(summerLater.month.branch, 3);
    EXPECT_EQ(summerLater.epochYear, 4661);
}

TEST_F(PersonChartTest, TheBirthsOwnZoneDecidesTheEpochYear) {
    // 18:00 in Vladivostok on 4 February 2024 is 08:00 UT, before the spring start: the year
    // pillar, the year star and the Gua all belong to the year of the Rabbit, whatever zone the
    // computer is set to.
    const PersonChart c =
        Calculated(Born(EncodeMoment(2024, 2, 4, 18, 0), true, kZoneVladivostok)).chart;
    EXPECT_EQ(c.year, (Pillar{10, 4}));
    EXPECT_EQ(c.epochYear, 4660);
    EXPECT_EQ(c.yearStar, 4);
    EXPECT_EQ(c.guaNumber, 4);
}

TEST_F(PersonChartTest, TheEpochYearAlwaysAgreesWithTheYearPillar) {
    // Births on both sides of every spring start of a century, in several zones and summer
    // shifts: the running year number is the year pillar's place in the sixty. Left out are the
    // years whose lunar new year comes (in some zone) only after "Дождевая вода": there the
    // epoch year follows its own reconciliation with the lunar year.
    for (int year = 1950; year <= 2050; ++year) {
        if (year == 1985 || year == 1996 || year == 2015 || year == 2034) continue;
        const double spring = TermInstant(year, 21);
        for (double hoursFromSpring : {-2.0, -0.5, 0.5, 2.0}) {
            for (int zone : {0, kZoneGmt, kZoneMoscow, 31}) {
                for (int summer : {-1, 0, 2}) {
                    Person p = Born(0, true, zone, summer);
                    const double zoneHours = ZoneTable[zone].hours;
                    p.birth = spring + (hoursFromSpring + zoneHours + summer) / 24.0;
                    const PersonChart c = Calculated(p).chart;
                    EXPECT_EQ((c.epochYear - 1) % 60 + 1,
                              SexagenaryIndex(c.year.stem, c.year.branch))
                        << year << " " << hoursFromSpring << " " << zone << " " << summer;
                }
            }
        }
    }
}

TEST_F(PersonChartTest, ABirthAtHalfPastElevenBelongsToTheNextDay) {
    // 2002-10-23 is a Цзя-Цзы day; 23:30 of the day before already belongs to it.
    const PersonChart c = Calculated(Born(EncodeMoment(2002, 10, 22, 23, 30), true)).chart;
    EXPECT_EQ(c.day, (Pillar{1, 1}));
    EXPECT_EQ(c.hour, (Pillar{1, 1}));
    const PersonChart earlier = Calculated(Born(EncodeMoment(2002, 10, 22, 22, 59), true)).chart;
    EXPECT_EQ(earlier.day, (Pillar{10, 12}));
    EXPECT_EQ(earlier.hour.branch, 12);
}

TEST_F(PersonChartTest, TheLongitudeSwitchTakesLocalMeanTimeForDayAndHour) {
    // 01:30 in Moscow is 22:30 UT of the day before.
    Person p = Born(EncodeMoment(2002, 10, 23, 1, 30), true);
    p.longitude = 0;
    EXPECT_EQ(Calculated(p).chart.day, (Pillar{1, 1}));
    EXPECT_EQ(Calculated(p).chart.hour.branch, 2);
    p.longitudeOn = true;
    EXPECT_EQ(Calculated(p).chart.day, (Pillar{10, 12}));
    EXPECT_EQ(Calculated(p).chart.hour.branch, 12);
    // 30°E: 4 minutes a degree, two hours ahead of UT: 00:30 of the Цзя-Цзы day.
    p.longitude = 30;
    EXPECT_EQ(Calculated(p).chart.day, (Pillar{1, 1}));
    EXPECT_EQ(Calculated(p).chart.hour.branch, 1);
}

TEST_F(PersonChartTest, LuckPillarsAndTheirAges) {
    // 10 days after "Становление весны" 2024 (a yang year) in universal time.
    Person p = Born(TermInstant(2024, 21) + 10.0, true, kZoneGmt);
    const PersonCalculation man = Calculated(p);
    EXPECT_TRUE(man.chart.luckForward);
    EXPECT_EQ(man.chart.month, (Pillar{3, 3}));  // Бин-Инь
    EXPECT_EQ(man.chart.luckPillars[0], (Pillar{4, 4}));
    EXPECT_EQ(man.chart.luckPillars[8], (Pillar{2, 12}));
    EXPECT_EQ(man.chart.firstLuckAge, 7);
    EXPECT_EQ(man.texts.luckAges[0], "7");
    EXPECT_EQ(man.texts.luckAges[8], "87");
    EXPECT_EQ(man.texts.luckStemHints[0], "Дин (Огонь-инь)");
    EXPECT_EQ(man.texts.luckBranchHints[0], "Мао (Дерево-инь)");

    p.male = false;
    const PersonCalculation woman = Calculated(p);
    EXPECT_FALSE(woman.chart.luckForward);
    EXPECT_EQ(woman.chart.luckPillars[0], (Pillar{2, 2}));
    EXPECT_EQ(woman.chart.firstLuckAge, 3);
    EXPECT_EQ(woman.texts.luckAges[1], "13");
}

TEST_F(PersonChartTest, TheLuckAgeCountsFromTheBoundaryOfTheBirthMonthItself) {
    // 18:00 in Vladivostok on 4 February 2024 is half an hour before the spring start in UT:
    // the month is still Чоу, and a woman's forward count reaches its end at once.
    const PersonChart woman =
        Calculated(Born(EncodeMoment(2024, 2, 4, 18, 0), false, kZoneVladivostok)).chart;
    EXPECT_EQ(woman.month.branch, 2);
    EXPECT_TRUE(woman.luckForward);  // a woman in a yin year
    EXPECT_EQ(woman.firstLuckAge, 0);
}

TEST_F(PersonChartTest, ABirthExactlyOnATermInstantIsUnderThatTerm) {
    const Moment spring = TermInstant(2024, 21);
    const PersonChart c = Calculated(Born(spring, true, kZoneGmt)).chart;
    EXPECT_EQ(c.termName, "Становление весны");
    EXPECT_EQ(c.year, (Pillar{1, 5}));
    EXPECT_EQ(c.month, (Pillar{3, 3}));
    EXPECT_EQ(c.firstLuckAge, 10);  // a man of a yang year counts forward to the next month
}

TEST_F(PersonChartTest, EveryChartOfTheCenturyHoldsTogether) {
    // A birth every 37 days and 5 hours from 1901 to 2099: Gua never 5, the stars in range,
    // the luck pillars one step apart and their first age within one solar month (≤ 31 / 3).
    for (Moment birth = EncodeMoment(1901, 1, 1, 3, 0); birth < EncodeMoment(2099, 12, 31);
         birth += 37.0 + 5.0 / 24.0) {
        for (bool male : {true, false}) {
            const PersonCalculation pc = Calculated(Born(birth, male));
            const PersonChart& c = pc.chart;
            ASSERT_NE(c.guaNumber, 5) << birth;
            for (int star : {c.greatCycleStar, c.smallCycleStar, c.yearStar, c.monthStar, c.dayStar,
                             c.hourStar}) {
                ASSERT_GE(star, 1) << birth;
                ASSERT_LE(star, 9) << birth;
            }
            ASSERT_FALSE(pc.texts.baZhai.empty()) << birth;
            ASSERT_GE(c.firstLuckAge, 0) << birth;
            ASSERT_LE(c.firstLuckAge, 11) << birth;
            const int month = SexagenaryIndex(c.month.stem, c.month.branch);
            const int first = SexagenaryIndex(c.luckPillars[0].stem, c.luckPillars[0].branch);
            ASSERT_NE(month, 0) << birth;
            ASSERT_EQ(first, (month - 1 + (c.luckForward ? 1 : 59)) % 60 + 1) << birth;
        }
    }
}

}  // namespace
