// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a clock time reads in an IANA zone: the total offset from the system's time-zone database
// (through QTimeZone), split into standard and summer parts by the database's own zone lines
// (astro/zone_lines), and, for a time a clock change skipped or repeated, both readings.
#include <optional>
#include <string>

#include "astro/julian_day.h"

struct ZoneOffsets {
    int standardSeconds = 0;     // standard offset east of GMT, seconds
    int daylightSeconds = 0;     // summer part on top of it, seconds
    bool localMeanTime = false;  // before the zone's first standard time: its reference city's
                                 // local mean time
    int totalSeconds() const { return standardSeconds + daylightSeconds; }
};

enum class ClockTimeKind {
    Single,    // the clock showed this time once
    Skipped,   // a change put the clock forward over it
    Repeated,  // a change put the clock back over it: it was shown twice
};

struct ClockReading {
    ZoneOffsets chosen;  // the reading taken: the one in force before the change
    ClockTimeKind kind = ClockTimeKind::Single;
    // Skipped and Repeated: the other reading (the one in force after the change), and the wall
    // clock just before and just after the change (civil moments: 02:00 → 03:00 for a skip).
    ZoneOffsets other;
    Moment clockBefore = 0;
    Moment clockAfter = 0;
};

// The offsets of `zoneId` at the universal moment `universal`; nullopt for an unknown zone.
std::optional<ZoneOffsets> ZoneOffsetsAtUniversal(const std::string& zoneId, Moment universal);

// The reading of the civil moment `civil` (the clock on the wall) in `zoneId`; nullopt for an
// unknown zone. A skipped time is read with the offsets in force just before the change, a
// repeated one with the earlier (summer) reading.
std::optional<ClockReading> ReadClockTime(const std::string& zoneId, Moment civil);

// The local mean time of a longitude: 4 minutes of time per degree east, rounded to the second.
int LocalMeanTimeSeconds(double longitudeDegrees);
