// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The civil day a pillar-time moment belongs to: from 23:00 on, the next day.
#include "astro/julian_day.h"

// floor(p + 1/24), taken on the moment rounded to the millisecond so that 23:00 reached through
// zone arithmetic already counts as the next day.
long CivilDayOf(Moment pillarTime);
