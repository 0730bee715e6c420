// SPDX-License-Identifier: GPL-3.0-or-later
// The place picker's search, one call per keystroke, over all ~135,000 places.
#include <benchmark/benchmark.h>

#include <string>

#include "astro/place_table.h"

namespace {

const PlaceTable& Table() {
    static const PlaceTable* table =
        PlaceTable::Shared(QStringLiteral(GAVROSIN_BINARY_DIR "/places.tsv.z"), nullptr);
    return *table;
}

// Typing "Владивосток" and "Kolkata" letter by letter: every prefix is one search.
void BM_PlaceSearchPerKeystroke(benchmark::State& state) {
    const std::string words[] = {"Владивосток", "Kolkata", "санкт петербург", "São Paulo"};
    if (Table().size() == 0) state.SkipWithError("no place table");
    std::size_t keystrokes = 0;
    for (auto _ : state) {
        for (const std::string& word : words) {
            for (std::size_t n = 1; n <= word.size(); ++n) {
                if ((static_cast<unsigned char>(word[n - 1]) & 0xC0) == 0x80 && n < word.size() &&
                    (static_cast<unsigned char>(word[n]) & 0xC0) == 0x80)
                    continue;  // not at a character boundary
                benchmark::DoNotOptimize(Table().Search(word.substr(0, n), 20));
                ++keystrokes;
            }
        }
    }
    state.counters["per_keystroke"] = benchmark::Counter(
        static_cast<double>(keystrokes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PlaceSearchPerKeystroke)->Unit(benchmark::kMillisecond);

void BM_PlaceTableLoad(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            PlaceTable::Load(QStringLiteral(GAVROSIN_BINARY_DIR "/places.tsv.z"), nullptr));
}
BENCHMARK(BM_PlaceTableLoad)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
