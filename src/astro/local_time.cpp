#include "astro/local_time.h"

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
    return i < 0 ? 0.0f : ZoneTable[i].hours;
}

TimeSettings TimeSettings::WithZoneIndex(int index, int summerHours, int longitude, bool longitudeOn) {
    TimeSettings s;
    s.zoneCaption = ZoneCaptionOfIndex(index);
    s.summerHours = summerHours;
    s.longitude = longitude;
    s.longitudeOn = longitudeOn;
    return s;
}

float LetneeVremja(int summerHours) { return static_cast<float>(summerHours) / 24.0f; }

Moment ZoneMomentOf(Moment civil, const TimeSettings& s) {
    return civil - LetneeVremja(s.summerHours);
}

Moment UniversalOfZone(Moment zone, const TimeSettings& s) {
    return zone - static_cast<double>(s.zoneHours()) / 24.0;
}

Moment PillarOfZone(Moment zone, const TimeSettings& s) {
    if (!s.longitudeOn) return zone;
    return UniversalOfZone(zone, s) + s.longitude / 15.0 / 24.0;
}

Moment UniversalMomentOf(Moment civil, const TimeSettings& s) {
    return UniversalOfZone(ZoneMomentOf(civil, s), s);
}

Moment PillarMomentOf(Moment civil, const TimeSettings& s) {
    return PillarOfZone(ZoneMomentOf(civil, s), s);
}

std::string StatusLineText(const TimeSettings& s) {
    std::string longitudePart = s.longitudeOn
        ? "долгота " + std::to_string(s.longitude) + " (гр.)"
        : std::string("долгота не учтена");
    return " GMT: " + s.zoneCaption + " | летнее время: " + std::to_string(s.summerHours) + " | " +
           longitudePart;
}
