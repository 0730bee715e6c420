// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zone offset, summer shift and longitude in force at a place at a civil moment, from the
// system's time-zone database (IANA ids, through QTimeZone).
#include <optional>
#include <string>

#include "astro/julian_day.h"
#include "astro/local_time.h"

struct ZoneAtMoment {
    int standardSeconds = 0;  // standard offset east of GMT, seconds
    int daylightSeconds = 0;  // summer-time part on top of it, seconds
};

// True when the database lists the IANA zone id ("Europe/Moscow") or keeps it as an old name of a
// listed zone ("Europe/Kiev"); see astro/zone_ids.h.
bool IsKnownTimeZone(const std::string& zoneId);

// Offsets of `zoneId` at the civil moment `civil` (the clock on the wall, summer time included);
// nullopt for an unknown zone. A clock time skipped by a summer-time change is read with the
// offsets in force just before it; a repeated one with the earlier (summer) reading.
std::optional<ZoneAtMoment> ZoneAt(const std::string& zoneId, Moment civil);

// The time settings of a birth or a moment at a place: the standard offset as the zone (an exact
// caption when the 32 lack it), the summer part in whole hours as the summer shift (a part that
// is not whole hours stays in the zone, so the total is never rounded), the longitude rounded to
// whole degrees, and the longitude switch as given. nullopt for an unknown zone.
std::optional<TimeSettings> TimeSettingsAt(const std::string& zoneId, Moment civil,
                                           double longitudeDegrees, bool longitudeOn);
