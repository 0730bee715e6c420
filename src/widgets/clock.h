// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Now" for the whole program: the computer's local clock as a Moment (day count since
// 1899-12-30 00:00, local civil time). Tests replace the clock so that nothing depends on the
// wall clock.
#include <functional>

#include "astro/julian_day.h"

// The current local civil moment, from the installed clock.
Moment Now();

// Installs a replacement clock; an empty function restores the computer's clock.
void SetClock(std::function<Moment()> clock);
