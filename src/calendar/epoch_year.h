// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running year number of the traditional calendar.
#include "astro/julian_day.h"

// EpochYear of a civil moment: G + 2637 from G's "Становление весны" on, G + 2636 before it, the
// term taken in the zone `zoneHours` (the zone of the settings, also for a person's or a table's
// moment).
int EpochYear(Moment civil, float zoneHours);
