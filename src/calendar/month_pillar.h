// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solar month in force at a universal moment and its pillar: the one rule every chart, the
// calendar of a moment and the day search read the month by.
#include "astro/solar_terms.h"
#include "calendar/vocabulary.h"

struct MonthInForce {
    Pillar pillar;      // the solar month's branch, its stem from the year stem
    Moment readAt = 0;  // the universal moment the season was read at (see MonthInForceAt)
};

// Places `universal` in its term and solar month, written over `season` (a batch that keeps one
// record reuses its strings' storage), and gives the month pillar under the year stem `yearStem`.
// Exactly on a term instant no interval holds; the term beginning there is the one in force, read
// one millisecond later (`readAt`). So a month-opening term instant itself (TermInstant) gives the
// month that begins there.
MonthInForce MonthInForceAt(Moment universal, Stem yearStem, SeasonInfo& season);
