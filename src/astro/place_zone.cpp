// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/place_zone.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

#include "astro/moment.h"
#include "astro/zone_ids.h"

namespace {

// Only an id the database lists reaches QTimeZone, which would otherwise open whatever file the
// id names under the zone folder ("../../dev/stdin" blocks for ever).
QTimeZone ZoneOfId(const std::string& zoneId) {
    const auto listed = ListedZoneId(zoneId);
    if (!listed) return QTimeZone();
    return QTimeZone(QByteArray::fromStdString(*listed));
}

}  // namespace

bool IsKnownTimeZone(const std::string& zoneId) {
    return ZoneOfId(zoneId).isValid();
}

std::optional<ZoneAtMoment> ZoneAt(const std::string& zoneId, Moment civil) {
    const QTimeZone zone = ZoneOfId(zoneId);
    if (!zone.isValid()) return std::nullopt;
    const CivilDateTime c = DecodeMoment(civil);
    // The wall clock read as if it were GMT; the instant is that minus the offset in force. An
    // offset is the right reading when the zone has that very offset at the instant it gives.
    // Searching ourselves keeps gaps and repeats independent of QDateTime's version-bound choices.
    const QDateTime wall(QDate(c.year, c.month, c.day),
                         QTime(c.hour, c.minute, c.second, c.millisecond), Qt::UTC);
    auto readingAt = [&](const QDateTime& instant) {
        const int offset = zone.offsetFromUtc(instant);
        const int daylight =
            zone.isDaylightTime(instant) ? offset - zone.standardTimeOffset(instant) : 0;
        return ZoneAtMoment{offset - daylight, daylight};
    };
    std::optional<int> chosen;
    for (int hours = -15; hours <= 15; hours += 3) {
        const int offset = zone.offsetFromUtc(wall.addSecs(-hours * 3600));
        if (zone.offsetFromUtc(wall.addSecs(-offset)) != offset) continue;
        // In a repeated hour both readings fit: the earlier one has the larger offset.
        if (!chosen || offset > *chosen) chosen = offset;
    }
    if (chosen) return readingAt(wall.addSecs(-*chosen));
    // A skipped clock time: the reading of just before the change.
    return readingAt(wall.addSecs(-zone.offsetFromUtc(wall) - 3 * 3600));
}

std::optional<TimeSettings> TimeSettingsAt(const std::string& zoneId, Moment civil,
                                           double longitudeDegrees, bool longitudeOn) {
    const auto zone = ZoneAt(zoneId, civil);
    if (!zone) return std::nullopt;
    int standard = zone->standardSeconds;
    int summerHours = 0;
    if (zone->daylightSeconds % 3600 == 0 && std::abs(zone->daylightSeconds) <= 5 * 3600)
        summerHours = zone->daylightSeconds / 3600;
    else
        standard += zone->daylightSeconds;
    TimeSettings s;
    s.zoneCaption = ZoneCaptionOfSeconds(standard);
    s.summerHours = summerHours;
    s.longitude = static_cast<int>(std::lround(longitudeDegrees));
    s.longitudeOn = longitudeOn;
    return s;
}
