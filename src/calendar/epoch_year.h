#pragma once
// The running year number of the traditional calendar.
#include "astro/julian_day.h"

// EpochYear of a civil moment: G + 2637 after G's "Становление весны", with the lunar year's turn
// reconciled against the two terms "Становление весны" and "Дождевая вода" of the zone `zoneHours`
// (the zone of the settings, also for a person's or a table's moment).
int EpochYear(Moment civil, float zoneHours);
