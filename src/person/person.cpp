// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/person.h"

#include "calendar/clock_change_warnings.h"

TimeSettings PersonTimeSettings(const Person& person) {
    TimeSettings s;
    s.zoneCaption = person.exactZoneSeconds ? ZoneCaptionOfSeconds(*person.exactZoneSeconds)
                                            : ZoneCaptionOfIndex(person.zoneIndex);
    s.summerHours = person.summerHours;
    s.longitude = person.longitude;
    s.longitudeOn = person.longitudeOn;
    s.longitudeArcseconds = person.longitudeArcseconds;
    return s;
}

Person ClearedPerson(Moment now, const TimeSettings& settings) {
    Person p;
    p.birth = now;
    p.zoneIndex = ZoneIndexOfCaption(settings.zoneCaption);
    if (p.zoneIndex < 0) {
        if (const auto seconds = ZoneSecondsOfCaption(settings.zoneCaption)) {
            p.exactZoneSeconds = *seconds;
            p.zoneIndex = NearestZoneIndex(*seconds);
        }
    }
    p.summerHours = settings.summerHours;
    p.longitude = settings.longitude;
    p.longitudeOn = settings.longitudeOn;
    return p;
}

std::string SexWord(bool male) {
    return male ? "мужской" : "женский";
}

std::vector<std::string> BirthClockWarningLines(const Person& person) {
    const double longitude = PersonTimeSettings(person).longitudeDegrees();
    return PlaceTimeWarningLines(person.timeZoneId, person.birth, longitude, person.longitudeOn);
}
