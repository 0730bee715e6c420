// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moments too close to a boundary of the calendar for a clock time to be trusted: a pillar or the
// lunar month changes within minutes of the moment, so an error of a few minutes in the entered
// time (or in the zone) changes the chart.
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "astro/local_time.h"
#include "astro/solar_term_names.h"

enum class BoundaryKind {
    SpringBegins,  // "Становление весны": the year and the month pillars change
    MonthTerm,     // another month-opening term: the month pillar changes
    DayTurn,       // 23:00 pillar time: the day pillar changes (and the hour's)
    HourBranch,    // an odd hour of pillar time: the hour pillar changes
    NewMoon,       // a new moon: a lunar month begins
};

struct BoundaryWarning {
    BoundaryKind kind;
    int minutes;          // from the moment to the boundary, rounded: > 0 ahead, < 0 passed
    TermIndex term = -1;  // the term, for SpringBegins and MonthTerm
    int hour = 0;         // the clock hour of pillar time, for DayTurn and HourBranch
};

// Boundaries within `windowMinutes` of the civil moment `civil` read with the time settings `s`:
// terms and new moons against universal time, the day turn and hour changes against pillar time.
// In time order of the boundaries.
std::vector<BoundaryWarning> FindBoundaryWarnings(Moment civil, const TimeSettings& s,
                                                  double windowMinutes = 10.0);

// "до Становления весны 4 мин: год и месяц зависят от точного времени".
std::string BoundaryWarningText(const BoundaryWarning& w);

// Names for the command line's JSON: "spring_begins", "month_term", "day_turn", "hour", "new_moon".
const char* BoundaryKindKey(BoundaryKind kind);
