// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the memos on several threads: every item once, the instants of the direct searches.
#include "astro/calendar_prefill.h"

#include <atomic>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "astro/moon_conjunction.h"
#include "astro/new_moon.h"
#include "astro/parallel_for.h"
#include "astro/solar_terms.h"
#include "astro/sun_position.h"
#include "astro/sun_precise.h"
#include "astro/term_instant_cache.h"

namespace {

TEST(ParallelFor, RunsEveryItemOnceAndReportsTheFirstFailure) {
    for (int jobs : {1, 2, 5}) {
        std::vector<std::atomic<int>> runs(101);
        ParallelFor(runs.size(), jobs, [&](std::size_t i) { ++runs[i]; });
        for (std::size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i], 1) << jobs << " " << i;
    }
    ParallelFor(0, 4, [](std::size_t) { FAIL() << "no items, no calls"; });
    EXPECT_THROW(ParallelFor(50, 3,
                             [](std::size_t i) {
                                 if (i == 7) throw std::runtime_error("item 7");
                             }),
                 std::runtime_error);
}

TEST(CalendarPrefill, StoresExactlyTheInstantsOfTheDirectSearches) {
    TermInstantCache terms(PreciseTermInstant);
    terms.Get(2001, 4);  // a year already begun: its other instants are added, this one kept
    terms.Prefill(1999, 2002, 2);
    EXPECT_EQ(terms.YearCount(), 4u);
    for (int year = 1999; year <= 2002; ++year)
        for (TermIndex k = 0; k < 24; ++k)
            EXPECT_EQ(terms.Get(year, k), TermInstantUncached(year, k)) << year << " " << k;
    EXPECT_EQ(terms.YearCount(), 4u);  // nothing searched on lookup

    LunationCache moons;
    moons.PrefillNewMoons(MomentOfDate(2000, 1, 1), MomentOfDate(2000, 12, 31), 2);
    // Lunations 0..12 begin in 2000; two more are added at each end.
    EXPECT_EQ(moons.size(), 17u);
    for (long n = -2; n <= 14; ++n)
        EXPECT_EQ(moons.Get(n, TMoonPhase::NewMoon),
                  ConjunctionNear(MoonPhaseOfLunationNumber(n, TMoonPhase::NewMoon),
                                  PreciseSunApparentLongitude))
            << n;
    EXPECT_EQ(moons.size(), 17u);
}

}  // namespace
