// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zone offset, summer shift and longitude in force at a place at a civil moment, from the
// system's time-zone database (IANA ids, through QTimeZone) and the database's own zone lines
// (astro/zone_reading).
#include <optional>
#include <string>

#include "astro/julian_day.h"
#include "astro/local_time.h"
#include "astro/zone_reading.h"

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

// The reading of a civil moment at a place as time settings: the one taken and, for a clock time
// a change skipped or repeated, the other one with the wall clock around the change.
struct PlaceTimeReading {
    TimeSettings chosen;
    ClockTimeKind kind = ClockTimeKind::Single;
    TimeSettings other;  // Skipped and Repeated only
    Moment clockBefore = 0;
    Moment clockAfter = 0;
};

// The time settings of a birth or a moment at a place: the standard offset as the zone (an exact
// caption when the 32 lack it), the summer part in whole hours as the summer shift (a part that
// is not whole hours stays in the zone, so the total is never rounded), the longitude (whole
// degrees, and exact to the arc-second) and the longitude switch as given. Before the zone's
// first standard offset, the place's own local mean time from its longitude (when the longitude
// is known; the database's, of the zone's reference city, when it is nullopt), flagged
// localMeanTime. nullopt for an unknown zone.
std::optional<PlaceTimeReading> ReadPlaceTime(const std::string& zoneId, Moment civil,
                                              std::optional<double> longitudeDegrees,
                                              bool longitudeOn);
// The time settings in force at a place at the universal moment `universal` (no clock time is
// ambiguous from this side): split and flagged as ReadPlaceTime's. nullopt for an unknown zone.
std::optional<TimeSettings> TimeSettingsAtUniversal(const std::string& zoneId, Moment universal,
                                                    std::optional<double> longitudeDegrees,
                                                    bool longitudeOn);
// ReadPlaceTime's chosen settings.
std::optional<TimeSettings> TimeSettingsAt(const std::string& zoneId, Moment civil,
                                           std::optional<double> longitudeDegrees,
                                           bool longitudeOn);
