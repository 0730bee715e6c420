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
    int seconds = 0;      // from the moment to the boundary, rounded: > 0 ahead, <= 0 passed
    // The boundary on the clock the user reads (civil time, summer time included), minutes of
    // the day; and whether pillar time is local mean solar time (longitude on) or the zone's
    // standard time. For DayTurn and HourBranch.
    int civilMinuteOfDay = 0;
    bool solarPillarTime = false;
};

// Boundaries within `windowMinutes` of the civil moment `civil` read with the time settings `s`:
// terms and new moons against universal time, the day turn and hour changes against pillar time.
// In time order of the boundaries.
std::vector<BoundaryWarning> FindBoundaryWarnings(Moment civil, const TimeSettings& s,
                                                  double windowMinutes = 10.0);

// "до Становления весны 4 мин: год и месяц зависят от точного времени"; within a minute the
// seconds, and the side the moment is on ("после Становления весны 19 с: …", the chart already
// shows the new year); an hour change at the clock time the user typed, with pillar time beside
// it when that differs ("до смены часа в 12:00 (11:00 поясного времени) 5 мин: …").
std::string BoundaryWarningText(const BoundaryWarning& w);

// Names for the command line's JSON: "spring_begins", "month_term", "day_turn", "hour", "new_moon".
const char* BoundaryKindKey(BoundaryKind kind);
