// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/zone_reading.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <set>

#include "astro/zone_ids.h"
#include "astro/zone_lines.h"

namespace {

constexpr double kUnixEpochDayCount = 25569.0;  // 1970-01-01 00:00
constexpr double kMillisecondsPerDay = 86400000.0;

// Only an id the database lists reaches QTimeZone, which would otherwise open whatever file the
// id names under the zone folder ("../../dev/stdin" blocks for ever).
QTimeZone ZoneOfId(const std::string& zoneId) {
    const auto listed = ListedZoneId(zoneId);
    if (!listed) return QTimeZone();
    return QTimeZone(QByteArray::fromStdString(*listed));
}

// A moment read as if it were GMT, to the millisecond.
QDateTime DateTimeOfMoment(Moment x) {
    return QDateTime::fromMSecsSinceEpoch(
        std::llround((x - kUnixEpochDayCount) * kMillisecondsPerDay), Qt::UTC);
}

Moment MomentOfDateTime(const QDateTime& t) {
    return static_cast<double>(t.toMSecsSinceEpoch()) / kMillisecondsPerDay + kUnixEpochDayCount;
}

ZoneOffsets OffsetsAt(const QTimeZone& zone, const std::string& zoneId, const QDateTime& instant) {
    const int total = zone.offsetFromUtc(instant);
    if (const ZoneLine* line = ZoneLineAt(zoneId, instant.toSecsSinceEpoch())) {
        // The database's own split: the line's standard offset, the rest summer time. A negative
        // rest means the system's database differs from the lines here: then its guess.
        const int daylight = total - line->standardSeconds;
        if (daylight >= 0) return ZoneOffsets{line->standardSeconds, daylight, line->localMeanTime};
    }
    const int daylight =
        zone.isDaylightTime(instant) ? total - zone.standardTimeOffset(instant) : 0;
    return ZoneOffsets{total - daylight, daylight, false};
}

}  // namespace

std::optional<ZoneOffsets> ZoneOffsetsAtUniversal(const std::string& zoneId, Moment universal) {
    const QTimeZone zone = ZoneOfId(zoneId);
    if (!zone.isValid()) return std::nullopt;
    return OffsetsAt(zone, zoneId, DateTimeOfMoment(universal));
}

std::optional<ClockReading> ReadClockTime(const std::string& zoneId, Moment civil) {
    const QTimeZone zone = ZoneOfId(zoneId);
    if (!zone.isValid()) return std::nullopt;
    // The wall clock read as if it were GMT; the instant is that minus the offset in force. An
    // offset is a right reading when the zone has that very offset at the instant it gives.
    // Searching ourselves keeps gaps and repeats independent of QDateTime's version-bound choices.
    const QDateTime wall = DateTimeOfMoment(civil);
    std::set<int> fitting;
    for (int hours = -15; hours <= 15; hours += 3) {
        const int offset = zone.offsetFromUtc(wall.addSecs(-hours * 3600));
        if (zone.offsetFromUtc(wall.addSecs(-offset)) == offset) fitting.insert(offset);
    }
    ClockReading r;
    int before = 0;
    int after = 0;
    if (fitting.size() == 1) {
        r.chosen = OffsetsAt(zone, zoneId, wall.addSecs(-*fitting.begin()));
        return r;
    }
    if (fitting.empty()) {
        // Skipped: the reading of just before the change, and the one after it.
        const QDateTime justBefore = wall.addSecs(-zone.offsetFromUtc(wall) - 3 * 3600);
        before = zone.offsetFromUtc(justBefore);
        after = zone.offsetFromUtc(wall.addSecs(-before));
        r.kind = ClockTimeKind::Skipped;
        r.chosen = OffsetsAt(zone, zoneId, justBefore);
        r.other = OffsetsAt(zone, zoneId, wall.addSecs(-before));
    } else {
        // Repeated: the earlier reading has the larger offset.
        before = *fitting.rbegin();
        after = *fitting.begin();
        r.kind = ClockTimeKind::Repeated;
        r.chosen = OffsetsAt(zone, zoneId, wall.addSecs(-before));
        r.other = OffsetsAt(zone, zoneId, wall.addSecs(-after));
    }
    // The change lies after wall − (the larger offset), at or before wall − (the smaller).
    const QTimeZone::OffsetData change =
        zone.nextTransition(wall.addSecs(-std::max(before, after)));
    if (change.atUtc.isValid()) {
        const Moment at = MomentOfDateTime(change.atUtc);
        r.clockBefore = at + before / 86400.0;
        r.clockAfter = at + after / 86400.0;
    }
    return r;
}

int LocalMeanTimeSeconds(double longitudeDegrees) {
    return static_cast<int>(std::lround(longitudeDegrees * 240.0));
}
