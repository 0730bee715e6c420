// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/local_time.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

const std::array<ZoneEntry, kZoneCount> ZoneTable = {{
    {"(GMT -12:00)", -12.0f}, {"(GMT -11:00)", -11.0f}, {"(GMT -10:00)", -10.0f},
    {"(GMT -09:00)", -9.0f},  {"(GMT -08:00)", -8.0f},  {"(GMT -07:00)", -7.0f},
    {"(GMT -06:00)", -6.0f},  {"(GMT -05:00)", -5.0f},  {"(GMT -04:00)", -4.0f},
    {"(GMT -03:30)", -3.5f},  {"(GMT -03:00)", -3.0f},  {"(GMT -02:00)", -2.0f},
    {"(GMT -01:00)", -1.0f},  {"(GMT 00:00)", 0.0f},    {"(GMT +01:00)", 1.0f},
    {"(GMT +02:00)", 2.0f},   {"(GMT +03:00)", 3.0f},   {"(GMT +03:30)", 3.5f},
    {"(GMT +04:00)", 4.0f},   {"(GMT +04:30)", 4.5f},   {"(GMT +05:00)", 5.0f},
    {"(GMT +05:45)", 5.75f},  {"(GMT +06:00)", 6.0f},   {"(GMT +06:30)", 6.5f},
    {"(GMT +07:00)", 7.0f},   {"(GMT +08:00)", 8.0f},   {"(GMT +09:00)", 9.0f},
    {"(GMT +09:30)", 9.5f},   {"(GMT +10:00)", 10.0f},  {"(GMT +11:00)", 11.0f},
    {"(GMT +12:00)", 12.0f},  {"(GMT +13:00)", 13.0f},
}};

std::string ZoneCaptionOfIndex(int index) {
    if (index < 0 || index >= kZoneCount) return std::string();
    return ZoneTable[index].caption;
}

int ZoneIndexOfCaption(const std::string& caption) {
    for (int i = 0; i < kZoneCount; ++i)
        if (caption == ZoneTable[i].caption) return i;
    return -1;
}

float GMT(const std::string& caption) {
    const int i = ZoneIndexOfCaption(caption);
    if (i >= 0) return ZoneTable[i].hours;
    const auto seconds = ZoneSecondsOfCaption(caption);
    return seconds ? static_cast<float>(*seconds / 3600.0) : 0.0f;
}

std::optional<int> ZoneSecondsOfCaption(const std::string& caption) {
    const int i = ZoneIndexOfCaption(caption);
    if (i >= 0) return static_cast<int>(std::lround(ZoneTable[i].hours * 3600.0));
    int h = 0, m = 0, s = 0, length = 0;
    char sign = 0;
    const bool withSeconds =
        std::sscanf(caption.c_str(), "(GMT %c%2d:%2d:%2d)%n", &sign, &h, &m, &s, &length) == 4 &&
        length == static_cast<int>(caption.size());
    if (!withSeconds) {
        s = 0;
        length = 0;
        if (std::sscanf(caption.c_str(), "(GMT %c%2d:%2d)%n", &sign, &h, &m, &length) != 3 ||
            length != static_cast<int>(caption.size()))
            return std::nullopt;
    }
    if ((sign != '+' && sign != '-') || h > 15 || m > 59 || s > 59) return std::nullopt;
    const int seconds = (h * 60 + m) * 60 + s;
    if (ZoneCaptionOfSeconds(sign == '-' ? -seconds : seconds) != caption) return std::nullopt;
    return sign == '-' ? -seconds : seconds;
}

std::string ZoneCaptionOfSeconds(int seconds) {
    for (const ZoneEntry& e : ZoneTable)
        if (std::lround(e.hours * 3600.0) == seconds) return e.caption;
    const int a = std::abs(seconds);
    char text[32];
    if (a % 60 == 0)
        std::snprintf(text, sizeof text, "(GMT %c%02d:%02d)", seconds < 0 ? '-' : '+', a / 3600,
                      a / 60 % 60);
    else
        std::snprintf(text, sizeof text, "(GMT %c%02d:%02d:%02d)", seconds < 0 ? '-' : '+',
                      a / 3600, a / 60 % 60, a % 60);
    return text;
}

int NearestZoneIndex(int seconds) {
    int best = 0;
    for (int i = 1; i < kZoneCount; ++i)
        if (std::fabs(ZoneTable[i].hours * 3600.0 - seconds) <
            std::fabs(ZoneTable[best].hours * 3600.0 - seconds))
            best = i;
    return best;
}

double TimeSettings::zoneDays() const {
    const int i = ZoneIndexOfCaption(zoneCaption);
    if (i >= 0) return static_cast<double>(ZoneTable[i].hours) / 24.0;
    const auto seconds = ZoneSecondsOfCaption(zoneCaption);
    return seconds ? *seconds / 86400.0 : 0.0;
}

TimeSettings TimeSettings::WithZoneIndex(int index, int summerHours, int longitude,
                                         bool longitudeOn) {
    TimeSettings s;
    s.zoneCaption = ZoneCaptionOfIndex(index);
    s.summerHours = summerHours;
    s.longitude = longitude;
    s.longitudeOn = longitudeOn;
    return s;
}

float SummerShiftDays(int summerHours) {
    return static_cast<float>(summerHours) / 24.0f;
}

Moment ZoneMomentOf(Moment civil, const TimeSettings& s) {
    return civil - SummerShiftDays(s.summerHours);
}

Moment UniversalOfZone(Moment zone, const TimeSettings& s) {
    return zone - s.zoneDays();
}

Moment PillarOfZone(Moment zone, const TimeSettings& s) {
    if (!s.longitudeOn) return zone;
    return UniversalOfZone(zone, s) + s.longitude / 15.0 / 24.0;
}

Moment UniversalMomentOf(Moment civil, const TimeSettings& s) {
    return UniversalOfZone(ZoneMomentOf(civil, s), s);
}

Moment ZoneOfUniversal(Moment universal, const TimeSettings& s) {
    return universal + s.zoneDays();
}

Moment CivilMomentOf(Moment universal, const TimeSettings& s) {
    return ZoneOfUniversal(universal, s) + SummerShiftDays(s.summerHours);
}

Moment PillarMomentOf(Moment civil, const TimeSettings& s) {
    return PillarOfZone(ZoneMomentOf(civil, s), s);
}

std::string StatusLineText(const TimeSettings& s) {
    std::string longitudePart = s.longitudeOn ? "долгота " + std::to_string(s.longitude) + " (гр.)"
                                              : std::string("долгота не учтена");
    return " GMT: " + s.zoneCaption + " | летнее время: " + std::to_string(s.summerHours) + " | " +
           longitudePart;
}
