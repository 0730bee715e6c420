// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The almanac page of one day (通书): its spirit and road, clash and sha, the gods' directions,
// Peng Zu's two taboos and the spirits of its twelve double hours with their clock times. Facts
// only; the windows and the command line make their captions from them.
#include <array>

#include "almanac/almanac_names.h"
#include "almanac/gods_directions.h"
#include "astro/local_time.h"
#include "calendar/moment_calendar.h"

struct AlmanacHour {
    Branch branch = 1;
    int spirit = 1;  // 1..12, see almanac/day_spirits.h
    bool yellowRoad = false;
    // The double hour in civil time as the clock shows it under the settings that give the hour
    // pillar (zone, summer shift, longitude): day counts. 子 begins the evening before.
    Moment civilFrom = 0;
    Moment civilTo = 0;
};

struct AlmanacDay {
    Pillar day;
    int spirit = 1;  // the day's spirit 1..12
    bool yellowRoad = false;
    Pillar clash;  // the pillar the day clashes with; its branch is the animal
    Direction sha = Direction::N;
    GodsDirections gods;
    std::array<AlmanacHour, 12> hours;  // 子 .. 亥
};

// The almanac of a day: `monthBranch` the solar month in force, `day` the day pillar, `pillarDay`
// the day count of that day in pillar time (its 子 hour begins at pillarDay − 1 hour), `settings`
// the time settings in force on it (for the clock times of the hours).
AlmanacDay AlmanacOfDay(MonthBranch monthBranch, Pillar day, long pillarDay,
                        const TimeSettings& settings);
// The almanac of the day of a computed moment.
AlmanacDay AlmanacOfCalendar(const MomentCalendar& calendar, const TimeSettings& settings);
