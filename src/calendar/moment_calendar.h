// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar of a civil moment, computed without any window: the CurrentMoment record and the
// term, solar month and lunisolar date it rests on. Facts only; the captions the calendar window
// and the command line show are made from them (calendar/calendar_captions.h).
#include "astro/local_time.h"
#include "astro/lunisolar_date.h"
#include "astro/solar_terms.h"
#include "calendar/current_moment.h"

struct MomentCalendar {
    CurrentMoment moment;   // moment.civil is the civil moment computed
    Moment pillarTime = 0;  // the day and hour pillars' time scale (see PillarMomentOf)
    SeasonInfo season;      // term and solar month in force
    LunarDate lunar;        // lunisolar date of pillar time + 1 hour
};

// The full calendar of a civil moment under the time settings (what the calendar window shows).
MomentCalendar ComputeMomentCalendar(Moment civil, const TimeSettings& settings);
// The same, written over `result`: a batch that keeps one record reuses its strings' storage
// from one day to the next.
void ComputeMomentCalendar(Moment civil, const TimeSettings& settings, MomentCalendar& result);

// Whether the lunar month of the civil moment is a leap month (the mark beside the lunar month).
// It follows the civil moment, which differs from pillar time only under a summer shift or the
// longitude correction; then the lunisolar date of the civil moment is computed here.
bool CivilLeapMonth(const MomentCalendar& calendar);
