// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/person_file.h"

#include <algorithm>
#include <cstdlib>

#include "astro/convert_error.h"
#include "astro/moment.h"
#include "astro/zone_ids.h"
#include "text/ini_file.h"

namespace {

const char* const kTitleSection = "TITLE";
const char* const kTitleKey = "Title";
const char* const kTitle = "gvp";
const char* const kSection = "Fild1";
const char* const kNameKey = "Name";
const char* const kDateKey = "Date";
const char* const kSexKey = "Pol";
const char* const kZoneKey = "GMT";
const char* const kSummerKey = "Letnee";
const char* const kLongitudeKey = "Dolgota";
const char* const kSwitchKey = "Check";
// Keys older readers ignore: the exact zone offset in seconds (over "GMT" when present), the
// exact longitude in arc-seconds (beside "Dolgota"), the birth place and its IANA zone.
const char* const kExactZoneKey = "GMTSeconds";
const char* const kExactLongitudeKey = "DolgotaSeconds";
const char* const kPlaceKey = "Place";
const char* const kTimeZoneIdKey = "TimeZoneId";
const char* const kMale = "мужской";

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The range of the date picker: 1900-01-01 up to (the end of) 9000-01-01.
const char* const kDateRange = "не дата от 01.01.1900 до 01.01.9000";

int IntegerValue(const std::string& path, const char* key, const std::string& text) {
    const auto value = ParseIniInteger(text);
    if (!value) throw EConvertError(BadIniValueMessage(path, key, text, "не целое число"));
    return *value;
}

Moment DateValue(const std::string& path, const std::string& text) {
    const auto value = ParseIniFloat(text);
    if (!value) throw EConvertError(BadIniValueMessage(path, kDateKey, text, kDateRange));
    if (*value < EncodeMoment(1900, 1, 1) || *value >= EncodeMoment(9000, 1, 2)) {
        throw EConvertError(BadIniValueMessage(path, kDateKey, text, kDateRange));
    }
    return *value;
}

}  // namespace

void SavePersonFile(const std::string& path, const Person& person, char decimalSeparator) {
    IniFile ini = IniFile::LoadOrEmpty(path);
    ini.WriteString(kTitleSection, kTitleKey, kTitle);
    ini.WriteString(kSection, kNameKey, person.name);
    ini.WriteString(kSection, kDateKey, FormatIniFloat(person.birth, decimalSeparator));
    ini.WriteString(kSection, kSexKey, SexWord(person.male));
    const int zoneIndex =
        person.exactZoneSeconds ? NearestZoneIndex(*person.exactZoneSeconds) : person.zoneIndex;
    ini.WriteString(kSection, kZoneKey, std::to_string(zoneIndex));
    ini.WriteString(kSection, kSummerKey, std::to_string(person.summerHours));
    ini.WriteString(kSection, kLongitudeKey, std::to_string(person.longitude));
    ini.WriteString(kSection, kSwitchKey, person.longitudeOn ? "1" : "0");
    // The extra keys only when they say something, or to empty one the file already has: a file
    // of a person without a place keeps the original keys alone.
    auto extra = [&](const char* key, const std::string& value) {
        if (!value.empty() || ini.Value(kSection, key)) ini.WriteString(kSection, key, value);
    };
    extra(kExactZoneKey, person.exactZoneSeconds ? std::to_string(*person.exactZoneSeconds) : "");
    extra(kExactLongitudeKey,
          person.longitudeArcseconds ? std::to_string(*person.longitudeArcseconds) : "");
    extra(kPlaceKey, person.place);
    extra(kTimeZoneIdKey, person.timeZoneId);
    ini.Save(path);
}

Person ReadPersonFile(const std::string& path, Moment now, const TimeSettings& settings,
                      std::string* warning) {
    const IniFile ini = IniFile::Load(path);
    Person p = ClearedPerson(now, settings);
    p.longitudeOn = false;

    // In the order the window has always read them, so that the message names the first bad value.
    p.name = ini.ReadString(kSection, kNameKey, "");
    if (const auto text = ini.Value(kSection, kDateKey)) p.birth = DateValue(path, *text);
    p.male = ini.ReadString(kSection, kSexKey, "") == kMale;
    if (const auto text = ini.Value(kSection, kSummerKey)) {
        p.summerHours =
            std::clamp(IntegerValue(path, kSummerKey, *text), kMinSummerHours, kMaxSummerHours);
    }
    if (const auto text = ini.Value(kSection, kZoneKey)) {
        const int index = IntegerValue(path, kZoneKey, *text);
        p.zoneIndex = index >= 0 && index < kZoneCount ? index : -1;
    }
    if (const auto text = ini.Value(kSection, kLongitudeKey)) {
        p.longitude =
            std::clamp(IntegerValue(path, kLongitudeKey, *text), kMinLongitude, kMaxLongitude);
    }
    if (const auto text = ini.Value(kSection, kSwitchKey)) p.longitudeOn = *text != "0";
    // An exact offset that does not read (or lies beyond ±15 h) leaves the list zone in force.
    if (const auto text = ini.Value(kSection, kExactZoneKey)) {
        const auto seconds = ParseIniInteger(*text);
        if (seconds && std::abs(*seconds) <= 15 * 3600) {
            p.exactZoneSeconds = *seconds;
            // The list zone is then the nearest one, as the writer puts it: what is read saves
            // to the same file.
            p.zoneIndex = NearestZoneIndex(*seconds);
        }
    }
    // An exact longitude that does not read (or lies beyond ±180°) is left out.
    if (const auto text = ini.Value(kSection, kExactLongitudeKey)) {
        const auto arcseconds = ParseIniInteger(*text);
        if (arcseconds && std::abs(*arcseconds) <= kMaxLongitude * 3600)
            p.longitudeArcseconds = *arcseconds;
    }
    p.place = ini.ReadString(kSection, kPlaceKey, "");
    // Only a zone the database lists: the id names a file of the zone database, and an id such
    // as "../../dev/stdin" would make the window read another file (or wait for ever).
    const std::string zoneId = ini.ReadString(kSection, kTimeZoneIdKey, "");
    if (zoneId.empty() || ListedZoneId(zoneId)) {
        p.timeZoneId = zoneId;
    } else if (warning) {
        *warning = std::string(kTimeZoneIdKey) + ": часовой пояс «" + QuotedZoneId(zoneId) +
                   "» не известен базе часовых поясов; он не загружен, остальные данные файла "
                   "загружены.";
    }
    return p;
}

bool IsPersonFileName(const std::string& path) {
    return EndsWith(path, ".gvp") || EndsWith(path, ".GVP") || EndsWith(path, ".Gvp");
}
