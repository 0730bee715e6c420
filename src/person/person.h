// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The person behind the person window: the data of one birth from which the personal chart is
// computed, with its own zone, summer-time shift and longitude (not the settings').
#include <optional>
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "astro/local_time.h"

struct Person {
    std::string name;   // free text, may be empty
    Moment birth = 0;   // civil birth date and time at the birth place, summer time included
    bool male = false;  // "ж." is the default
    int zoneIndex = kDefaultZoneIndex;  // index into ZoneTable; -1 (no zone chosen) counts as GMT
    int summerHours = 0;                // -5..5
    int longitude = 37;                 // whole degrees, east positive, -180..180
    bool longitudeOn = false;  // "долгота:" — local mean solar time for the day and hour pillars
    // A zone offset outside the list (+05:30, local mean time +02:30:17), seconds east of GMT: it
    // takes precedence over zoneIndex, which then holds the nearest list entry for older readers.
    std::optional<int> exactZoneSeconds;
    // The birth place's exact longitude, arc-seconds east: the one the longitude correction
    // uses while `longitude` is its whole-degree rounding.
    std::optional<int> longitudeArcseconds;
    std::string place;       // the birth place as the picker showed it, "" when none was chosen
    std::string timeZoneId;  // its IANA zone ("Europe/Moscow"), "" when none

    bool operator==(const Person& o) const {
        return name == o.name && birth == o.birth && male == o.male && zoneIndex == o.zoneIndex &&
               summerHours == o.summerHours && longitude == o.longitude &&
               longitudeOn == o.longitudeOn && exactZoneSeconds == o.exactZoneSeconds &&
               longitudeArcseconds == o.longitudeArcseconds && place == o.place &&
               timeZoneId == o.timeZoneId;
    }
};

constexpr int kMinSummerHours = -5;
constexpr int kMaxSummerHours = 5;
constexpr int kMinLongitude = -180;
constexpr int kMaxLongitude = 180;

// The birth's own time settings, as the time-scale chain of the calendar takes them.
TimeSettings PersonTimeSettings(const Person& person);

// The person of a cleared window: born `now`, no name, female, with the zone, summer shift,
// longitude and longitude switch of the settings.
Person ClearedPerson(Moment now, const TimeSettings& settings);

// The warnings of the birth's clock time at its place (calendar/clock_change_warnings): local
// mean time, a clock time a summer-time change skipped or repeated and the other reading's
// pillars. None without a place.
std::vector<std::string> BirthClockWarningLines(const Person& person);

// "женский" or "мужской".
std::string SexWord(bool male);
