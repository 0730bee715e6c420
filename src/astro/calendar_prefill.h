// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filling the shared astronomy memos ahead of a walk through many days (the command line's
// ranged commands, a search for good days): the expensive searches are done first, on all
// threads, and the walk then finds every instant remembered. The memos hold pure functions of
// their keys, so what a walk prints does not depend on whether, or on how many threads, they
// were filled beforehand.
#include "astro/julian_day.h"

// Threads a batch uses when the caller does not say: the machine's hardware threads, at least 1.
int DefaultJobCount();

// Makes SharedTermInstantCache and SharedLunationCache hold every term instant and new moon the
// calendar of a civil moment in Gregorian years firstYear..lastYear asks for, under any zone,
// summer shift and longitude (universal and pillar time lie within a day of the civil moment):
// the terms of those years and of the two years on either side (the solar month and the
// lunisolar year reach across 1 January), and the new moons from the autumn two years before to
// the spring two years after. Searches on up to `jobs` threads; returns when all are stored.
void PrefillCalendarYears(int firstYear, int lastYear, int jobs);
