// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Local civil time: the zone list, the summer-time shift, the longitude correction and the chain
// of time scales of one entered moment. All moments are day counts (see astro/julian_day.h).
#include <array>
#include <optional>
#include <string>

#include "astro/julian_day.h"

struct ZoneEntry {
    const char* caption;  // exact list caption, the key of the offset
    float hours;          // offset from GMT, hours (single precision, as stored)
};

constexpr int kZoneCount = 32;
constexpr int kDefaultZoneIndex = 16;  // "(GMT +03:00)"
extern const std::array<ZoneEntry, kZoneCount> ZoneTable;

// Caption of a list index; "" (no selection) outside 0..31.
std::string ZoneCaptionOfIndex(int index);
// List index of a caption; -1 when the caption is not in the list.
int ZoneIndexOfCaption(const std::string& caption);

// Offset in hours of a zone caption, by exact comparison; 0 for an unknown or empty caption.
// An exact-offset caption (see below) gives its offset.
float GMT(const std::string& caption);

// Offsets outside the list, as places use or used them (+05:30, local mean time +02:30:17), are
// captions of the same form: "(GMT +05:30)", "(GMT +02:30:17)" (seconds only when not zero).
// Offset in seconds east of GMT of a list caption or an exact one; nullopt for any other text.
std::optional<int> ZoneSecondsOfCaption(const std::string& caption);
// The list caption of an offset in seconds when the list has it, else the exact caption.
std::string ZoneCaptionOfSeconds(int seconds);
// The list index whose offset is nearest (the earlier on a tie): what files keep for readers that
// know only the list.
int NearestZoneIndex(int seconds);

// The time settings every calculation reads afresh: zone, summer shift, longitude and its switch.
struct TimeSettings {
    std::string zoneCaption = ZoneTable[kDefaultZoneIndex].caption;
    int summerHours = 0;       // -5..+5, applied all year round
    int longitude = 37;        // whole degrees, east positive, -180..+180
    bool longitudeOn = false;  // "Учитывать долготу:"

    static TimeSettings WithZoneIndex(int index, int summerHours = 0, int longitude = 37,
                                      bool longitudeOn = false);
    float zoneHours() const { return GMT(zoneCaption); }
    // The zone offset in days, exact also for offsets outside the list; 0 for an unknown caption.
    double zoneDays() const;
};

// Summer-time shift in days, single precision: hours / 24.
float SummerShiftDays(int summerHours);

// Civil moment (as entered) -> zone time: minus the summer shift.
Moment ZoneMomentOf(Moment civil, const TimeSettings& s);
// Civil moment -> universal time: zone time minus the zone offset.
Moment UniversalMomentOf(Moment civil, const TimeSettings& s);
// Universal time -> civil moment, the exact inverse of UniversalMomentOf: plus the zone offset,
// then plus the summer shift.
Moment CivilMomentOf(Moment universal, const TimeSettings& s);
// Universal time -> zone time (no summer shift), the inverse of UniversalOfZone.
Moment ZoneOfUniversal(Moment universal, const TimeSettings& s);
// Civil moment -> pillar time: zone time, or universal time plus 4 minutes per degree of
// longitude (local mean solar time) while the longitude switch is on.
Moment PillarMomentOf(Moment civil, const TimeSettings& s);
// The same step from a zone moment (used where the caller already removed the summer shift).
Moment UniversalOfZone(Moment zone, const TimeSettings& s);
Moment PillarOfZone(Moment zone, const TimeSettings& s);

// The main window's status line: " GMT: (GMT +03:00) | летнее время: 0 | долгота не учтена".
std::string StatusLineText(const TimeSettings& s);
