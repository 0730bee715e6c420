// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the command line's heaviest request: the calendar of every day of a century
// (1901–2000, noon, GMT+3), from empty memos, with the years' term instants and new moons
// searched first on N threads (N = 1: searched by the walk as it meets them). Wall time.
#include <benchmark/benchmark.h>

#include <thread>

#include "astro/calendar_prefill.h"
#include "astro/moment.h"
#include "astro/new_moon.h"
#include "astro/term_instant_cache.h"
#include "calendar/moment_calendar.h"

namespace {

void BM_CenturyOfDays(benchmark::State& state) {
    const int jobs = static_cast<int>(state.range(0));
    const TimeSettings settings;
    const Moment first = EncodeMoment(1901, 1, 1);
    const Moment last = EncodeMoment(2000, 12, 31);
    MomentCalendar c;
    for (auto _ : state) {
        SharedTermInstantCache().Clear();
        SharedLunationCache.Clear();
        if (jobs > 1) PrefillCalendarYears(1901, 2000, jobs);
        for (Moment day = first; day <= last; day += 1) {
            ComputeMomentCalendar(day + 0.5, settings, c);
            benchmark::DoNotOptimize(c.moment.hourStar);
        }
    }
    state.counters["days"] = last - first + 1;
}
BENCHMARK(BM_CenturyOfDays)
    ->Arg(1)
    ->Arg(static_cast<int>(std::thread::hardware_concurrency()))
    ->ArgName("jobs")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The walk alone, every instant already remembered: the per-day work.
void BM_CenturyOfDaysWarm(benchmark::State& state) {
    const TimeSettings settings;
    const Moment first = EncodeMoment(1901, 1, 1);
    const Moment last = EncodeMoment(2000, 12, 31);
    PrefillCalendarYears(1901, 2000, DefaultJobCount());
    MomentCalendar c;
    for (auto _ : state) {
        for (Moment day = first; day <= last; day += 1) {
            ComputeMomentCalendar(day + 0.5, settings, c);
            benchmark::DoNotOptimize(c.moment.hourStar);
        }
    }
}
BENCHMARK(BM_CenturyOfDaysWarm)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
