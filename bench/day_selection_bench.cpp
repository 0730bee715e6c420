// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing days over twenty years with three criteria and one person, warm: the term and
// new-moon memos already hold the range, as they do after the first search of a session.
#include <benchmark/benchmark.h>

#include "astro/moment.h"
#include "tools/day_selection.h"

namespace {

void BM_SelectDaysTwentyYearsWarm(benchmark::State& state) {
    DayCriteria criteria;
    criteria.officers = {1, 9, 11};
    criteria.notMansions = {3, 17};
    criteria.noMonthBreaker = true;
    criteria.persons = {{"", 5, 11}};
    criteria.noClashWithPersonYear = true;
    criteria.noClashWithPersonDay = true;
    const TimeSettings settings;
    const Moment from = EncodeMoment(2024, 1, 1), to = EncodeMoment(2043, 12, 31);
    SelectDays(from, to, criteria, settings);  // warms the memos
    std::size_t chosen = 0;
    for (auto _ : state) chosen = SelectDays(from, to, criteria, settings).size();
    state.counters["chosen"] = static_cast<double>(chosen);
}
BENCHMARK(BM_SelectDaysTwentyYearsWarm)->Unit(benchmark::kMillisecond);

}  // namespace
