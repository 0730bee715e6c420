// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock time that a summer-time change skipped or repeated at a place: it is read the earlier
// way (astro/place_zone), and always warned; when the other reading gives other pillars, they are
// told too, so that the user can choose.
#include <optional>
#include <string>
#include <vector>

#include "astro/place_zone.h"
#include "calendar/current_moment.h"

struct ClockChangeWarning {
    ClockTimeKind kind = ClockTimeKind::Skipped;  // Skipped or Repeated
    Moment clockBefore = 0;  // the wall clock just before the change (civil moment)
    Moment clockAfter = 0;   // and just after it
    bool pillarsDiffer = false;
    // The four pillars of each reading: the one taken, and the other.
    Pillar chosen[4]{};
    Pillar other[4]{};
};

// The warning of the civil moment `civil` read at a place (the arguments of ReadPlaceTime);
// nullopt when the clock showed that time once, or for an unknown zone.
std::optional<ClockChangeWarning> FindClockChangeWarning(const std::string& zoneId, Moment civil,
                                                         std::optional<double> longitudeDegrees,
                                                         bool longitudeOn);

// "такого времени не было: часы переводили с 02:00 на 03:00" /
// "это время было дважды: часы переводили с 03:00 на 02:00".
std::string ClockChangeWarningText(const ClockChangeWarning& w);
// "при другом прочтении: год Гэн-У, месяц Жэнь-У, день Цзя-Цзы, час Гэн-У" (pillarsDiffer only).
std::string OtherReadingText(const ClockChangeWarning& w);
// "местное среднее время (GMT +05:03:58): поясного времени еще не было", for settings read
// before the zone's first standard offset.
std::string LocalMeanTimeText(const TimeSettings& s);
// What a window or a report shows of the reading of a clock time at a place: the clock change
// and the other reading's pillars when they differ, or the local mean time; none otherwise.
std::vector<std::string> PlaceTimeWarningLines(const std::string& zoneId, Moment civil,
                                               std::optional<double> longitudeDegrees,
                                               bool longitudeOn);

// Names for the command line's JSON: "skipped", "repeated"; "local_mean_time".
const char* ClockChangeKey(ClockTimeKind kind);
inline constexpr const char* kLocalMeanTimeKey = "local_mean_time";
