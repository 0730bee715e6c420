// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/place_zone.h"

#include <QByteArray>
#include <QTimeZone>
#include <cmath>

#include "astro/zone_ids.h"

namespace {

TimeSettings SettingsOf(const ZoneOffsets& z, std::optional<double> longitudeDegrees,
                        bool longitudeOn) {
    int standard = z.standardSeconds;
    int summerHours = 0;
    if (z.localMeanTime && longitudeDegrees) {
        // The place's own mean time, not its zone's reference city's.
        standard = LocalMeanTimeSeconds(*longitudeDegrees);
    } else if (z.daylightSeconds % 3600 == 0 && std::abs(z.daylightSeconds) <= 5 * 3600) {
        summerHours = z.daylightSeconds / 3600;
    } else {
        standard += z.daylightSeconds;
    }
    TimeSettings s;
    s.zoneCaption = ZoneCaptionOfSeconds(standard);
    s.summerHours = summerHours;
    s.localMeanTime = z.localMeanTime;
    if (longitudeDegrees) {
        s.longitude = static_cast<int>(std::lround(*longitudeDegrees));
        s.longitudeArcseconds = LongitudeArcseconds(*longitudeDegrees);
    } else {
        s.longitude = 0;
    }
    s.longitudeOn = longitudeOn;
    return s;
}

}  // namespace

bool IsKnownTimeZone(const std::string& zoneId) {
    const auto listed = ListedZoneId(zoneId);
    return listed && QTimeZone(QByteArray::fromStdString(*listed)).isValid();
}

std::optional<ZoneAtMoment> ZoneAt(const std::string& zoneId, Moment civil) {
    const auto reading = ReadClockTime(zoneId, civil);
    if (!reading) return std::nullopt;
    return ZoneAtMoment{reading->chosen.standardSeconds, reading->chosen.daylightSeconds};
}

std::optional<PlaceTimeReading> ReadPlaceTime(const std::string& zoneId, Moment civil,
                                              std::optional<double> longitudeDegrees,
                                              bool longitudeOn) {
    const auto clock = ReadClockTime(zoneId, civil);
    if (!clock) return std::nullopt;
    PlaceTimeReading r;
    r.chosen = SettingsOf(clock->chosen, longitudeDegrees, longitudeOn);
    r.kind = clock->kind;
    if (r.kind != ClockTimeKind::Single) {
        r.other = SettingsOf(clock->other, longitudeDegrees, longitudeOn);
        r.clockBefore = clock->clockBefore;
        r.clockAfter = clock->clockAfter;
    }
    return r;
}

std::optional<TimeSettings> TimeSettingsAtUniversal(const std::string& zoneId, Moment universal,
                                                    std::optional<double> longitudeDegrees,
                                                    bool longitudeOn) {
    const auto offsets = ZoneOffsetsAtUniversal(zoneId, universal);
    if (!offsets) return std::nullopt;
    return SettingsOf(*offsets, longitudeDegrees, longitudeOn);
}

std::optional<TimeSettings> TimeSettingsAt(const std::string& zoneId, Moment civil,
                                           std::optional<double> longitudeDegrees,
                                           bool longitudeOn) {
    const auto r = ReadPlaceTime(zoneId, civil, longitudeDegrees, longitudeOn);
    if (!r) return std::nullopt;
    return r->chosen;
}
