// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one full birth chart, warm (the term instants of the birth's years remembered): the
// chart the person window shows plus hidden stems, gods, stages, void, palaces, symbolic stars,
// small luck and the ninety years of the luck pillars.
#include <benchmark/benchmark.h>

#include "astro/moment.h"
#include "person/chart_details.h"

namespace {

void BM_FullBirthChart(benchmark::State& state) {
    Person person;
    person.birth = EncodeMoment(1990, 5, 15, 8, 30);
    person.male = true;
    person.exactZoneSeconds = 8 * 3600;
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    CalculatePerson(person, russian);  // the birth's term instants into the memo
    for (auto _ : state) {
        const PersonCalculation calculation = CalculatePerson(person, russian);
        const ChartDetails details = ComputeChartDetails(calculation.chart);
        benchmark::DoNotOptimize(details.luck[8].yearGods[9].stem);
    }
}
BENCHMARK(BM_FullBirthChart)->Unit(benchmark::kMicrosecond);

// The details alone, from a chart already computed.
void BM_ChartDetails(benchmark::State& state) {
    Person person;
    person.birth = EncodeMoment(1990, 5, 15, 8, 30);
    person.male = true;
    const PersonCalculation calculation =
        CalculatePerson(person, QLocale(QLocale::Russian, QLocale::Russia));
    for (auto _ : state) {
        const ChartDetails details = ComputeChartDetails(calculation.chart);
        benchmark::DoNotOptimize(details.stars.size());
    }
}
BENCHMARK(BM_ChartDetails)->Unit(benchmark::kMicrosecond);

}  // namespace
