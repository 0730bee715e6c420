// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the astronomy engine: one solar position (the seed's and the precise), one term instant
// searched afresh (Newton steps on the precise Sun, and the seed's search) and from the shared
// memo, one new moon by the series and as a conjunction, one lunisolar date with empty and with
// filled memos, and a century of days.
#include <benchmark/benchmark.h>

#include "astro/lunisolar_date.h"
#include "astro/moment.h"
#include "astro/moon_conjunction.h"
#include "astro/new_moon.h"
#include "astro/solar_terms.h"
#include "astro/sun_position.h"
#include "astro/sun_precise.h"
#include "astro/term_instant_cache.h"

namespace {

void ClearAstronomyCaches() {
    SharedTermInstantCache().Clear();
    SharedLunationCache.Clear();
}

void BM_SunPosition(benchmark::State& state) {
    Moment x = EncodeMoment(2024, 3, 20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunPosition(x));
        x += 0.37;
    }
}
BENCHMARK(BM_SunPosition)->Unit(benchmark::kMicrosecond);

// The all-extended reference evaluation the fast one is checked against.
void BM_SunPositionExtendedReference(benchmark::State& state) {
    Moment x = EncodeMoment(2024, 3, 20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunPositionExtended(x, SeriesPrecision::Extended));
        x += 0.37;
    }
}
BENCHMARK(BM_SunPositionExtendedReference)->Unit(benchmark::kMicrosecond);

void BM_TermInstantCold(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TermInstantUncached(1900 + (i / 24) % 200, i % 24));
        ++i;
    }
}
BENCHMARK(BM_TermInstantCold)->Unit(benchmark::kMicrosecond);

// The seed's search, kept for --no-delta-t.
void BM_SeedTermInstantCold(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SeedTermInstant(1900 + (i / 24) % 200, i % 24));
        ++i;
    }
}
BENCHMARK(BM_SeedTermInstantCold)->Unit(benchmark::kMicrosecond);

void BM_PreciseSunLongitude(benchmark::State& state) {
    Moment x = EncodeMoment(2024, 3, 20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PreciseSunLongitude(x));
        x += 0.37;
    }
}
BENCHMARK(BM_PreciseSunLongitude)->Unit(benchmark::kMicrosecond);

void BM_TermInstantCached(benchmark::State& state) {
    for (int year = 2000; year < 2010; ++year)
        for (TermIndex k = 0; k < 24; ++k) TermInstant(year, k);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TermInstant(2000 + (i / 24) % 10, i % 24));
        ++i;
    }
}
BENCHMARK(BM_TermInstantCached);

// One new moon of 1900–2100 by the classical lunar-phase series (what --no-delta-t uses).
void BM_NewMoonSeries(benchmark::State& state) {
    long n = -1236;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonPhaseOfLunationNumber(n, TMoonPhase::NewMoon));
        n = n == 1236 ? -1236 : n + 1;
    }
}
BENCHMARK(BM_NewMoonSeries)->Unit(benchmark::kMicrosecond);

// One new moon as the conjunction of the ELP/MPP02 Moon and the Sun, sought from the series'.
void BM_NewMoonConjunction(benchmark::State& state) {
    long n = -1236;
    for (auto _ : state) {
        const Moment seed = MoonPhaseOfLunationNumber(n, TMoonPhase::NewMoon);
        benchmark::DoNotOptimize(ConjunctionNear(seed, PreciseSunApparentLongitude));
        n = n == 1236 ? -1236 : n + 1;
    }
}
BENCHMARK(BM_NewMoonConjunction)->Unit(benchmark::kMicrosecond);

// Each date from empty memos: every term instant and new moon it needs is searched.
void BM_LunisolarDateCold(benchmark::State& state) {
    Moment x = EncodeMoment(2024, 1, 1, 13);
    for (auto _ : state) {
        state.PauseTiming();
        ClearAstronomyCaches();
        state.ResumeTiming();
        benchmark::DoNotOptimize(LunisolarDate(x));
        x += 1;
    }
}
BENCHMARK(BM_LunisolarDateCold)->Unit(benchmark::kMillisecond);

// Stepping through days of years already visited.
void BM_LunisolarDateWarm(benchmark::State& state) {
    const Moment start = EncodeMoment(2024, 1, 1, 13);
    for (int day = 0; day < 366; ++day) LunisolarDate(start + day);
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunisolarDate(start + day));
        day = (day + 1) % 366;
    }
}
BENCHMARK(BM_LunisolarDateWarm)->Unit(benchmark::kMicrosecond);

// The command line's heaviest request: every day of a century, three lunisolar dates and the 24
// term instants of each year, from empty memos.
void BM_LunisolarCenturyFromCold(benchmark::State& state) {
    const Moment start = EncodeMoment(2000, 1, 1, 13);
    for (auto _ : state) {
        ClearAstronomyCaches();
        for (int day = 0; day < 36525; ++day) {
            const Moment x = start + day;
            for (int repeat = 0; repeat < 3; ++repeat) benchmark::DoNotOptimize(LunisolarDate(x));
            SeasonInfo season;
            benchmark::DoNotOptimize(SeasonOfMoment(x, season));
        }
    }
}
BENCHMARK(BM_LunisolarCenturyFromCold)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
