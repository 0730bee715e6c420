// SPDX-License-Identifier: GPL-3.0-or-later
// Reading RTF must stay linear in the file's size, however many fonts its table defines.
#include <benchmark/benchmark.h>

#include <string>

#include "text/rtf_reader.h"

namespace {

// A file with `fonts` fonts in its table and `characters` characters of text, each character in
// a font of its own group (what a converter that changes font often writes).
std::string ManyFontsRtf(int fonts, int characters) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl";
    for (int f = 0; f < fonts; ++f)
        rtf += "{\\f" + std::to_string(f) + "\\fcharset204 Font " + std::to_string(f) + ";}";
    rtf += "}\n";
    for (int c = 0; c < characters; ++c) {
        rtf += "\\f" + std::to_string((c * 7919) % fonts) + " \\'e0";
        if (c % 80 == 79) rtf += "\\par\n";
    }
    return rtf + "}";
}

void BM_ReadRtfManyFonts(benchmark::State& state) {
    const std::string rtf =
        ManyFontsRtf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadRtf(rtf));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_ReadRtfManyFonts)
    ->Args({10, 60000})
    ->Args({6000, 60000})
    ->Args({60000, 600000})
    ->Unit(benchmark::kMillisecond);

}  // namespace
