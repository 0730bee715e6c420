// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/calendar_prefill.h"

#include <thread>

#include "astro/new_moon.h"
#include "astro/term_instant_cache.h"

int DefaultJobCount() {
    const unsigned threads = std::thread::hardware_concurrency();
    return threads == 0 ? 1 : static_cast<int>(threads);
}

void PrefillCalendarYears(int firstYear, int lastYear, int jobs) {
    if (lastYear < firstYear) return;
    SharedTermInstantCache().Prefill(firstYear - 2, lastYear + 2, jobs);
    SharedLunationCache.PrefillNewMoons(MomentOfDate(firstYear - 2, 9, 1),
                                        MomentOfDate(lastYear + 2, 3, 1), jobs);
}
