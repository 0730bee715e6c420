// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The personal chart of a birth: the four pillars, the six birth stars, the personal trigram
// (Gua) with its East/West group, and the nine luck pillars with the age at which they begin —
// and every text the person window shows of it, so that the window, the text report and the
// forecast all say the same.
//
// Time bases, all from the person's own zone, summer hours and longitude: the year and month
// pillars, the epoch year and the luck age follow the Sun (universal time); the day and hour
// pillars follow the clock at the birth place (pillar time).
#include <QLocale>
#include <array>
#include <string>

#include "person/luck_pillars.h"
#include "person/person.h"

struct PersonChart {
    Pillar year, month, day, hour;
    std::string termName;  // the solar term in force at the birth
    int epochYear = 0;
    // The six birth stars, a woman's mirrored (WStar).
    int greatCycleStar = 0;  // "Большой юнь (60 лет)"
    int smallCycleStar = 0;  // "Малый юнь (20 лет)"
    int yearStar = 0;        // as displayed: may be 5
    int monthStar = 0;
    int dayStar = 0;
    int hourStar = 0;
    int guaNumber = 0;  // 1..9 without 5
    bool male = false;
    bool luckForward = true;
    std::array<Pillar, kLuckPillarCount> luckPillars{};
    int firstLuckAge = 0;  // luck pillar i begins at firstLuckAge + 10·(i − 1)
    int birthYear = 0;     // the Gregorian year of the civil birth date: the luck pillars' years
};

struct PersonChartTexts {
    std::string dateTime;  // the birth as "ddddd tt" (short date, long time)
    std::string weekday;   // "dddd"
    std::string yearPillar, monthPillar, dayPillar, hourPillar;  // pillar captions
    std::string yearSign, monthSign, daySign, hourSign;  // "Знак года 21 из 60", "Знак периода …"
    std::string dayStemElement;  // "Дерево-ян" … "Вода-инь"
    // Star labels: the number, a blank and its caption for the person's sex.
    std::string greatCycleStar, smallCycleStar, yearStar, monthStar, dayStar, hourStar;
    std::string baZhai;  // "Восточная судьба, Дворец Кань гуа, Вода"
    std::string sexWord;      // "женский" | "мужской"
    std::string zone;         // the zone caption, empty for no zone
    std::string summerHours;  // "0", "-1", …
    std::string longitude;    // "долгота 37 (гр.)" | "долгота не учтена"
    std::string statusLine;  // "Расчет на: … | пол: … | (GMT +03:00) | л.в.: 0 | долгота …"
    std::array<std::string, kLuckPillarCount> luckAges;         // by pillar 1..9
    std::array<std::string, kLuckPillarCount> luckYears;        // "1994–2003"
    std::array<std::string, kLuckPillarCount> luckStemHints;    // "Цзя (Дерево-ян)"
    std::array<std::string, kLuckPillarCount> luckBranchHints;  // "Цзы (Вода-ян)"
};

// What one calculation yields: the person as calculated, the chart and its texts.
struct PersonCalculation {
    Person person;
    PersonChart chart;
    PersonChartTexts texts;
};

// The full chart of a person (the birth written in `locale`).
PersonCalculation CalculatePerson(const Person& person, const QLocale& locale);

// The element and polarity of a stem joined by "-": "Дерево-ян", "Дерево-инь" … "Вода-инь".
std::string StemElementText(Stem stem);
// A stem caption without its trailing ", ": "Цзя (Дерево-ян)".
std::string StemHint(Stem stem);
