// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen vargas of a chart's thirteen bodies against the chart itself,
// on the same births in one run. Target: the vargas under a tenth of
// BM_ChartForVargas.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/chart/pipeline.h"
#include "core/chart/vargas.h"
#include "random_births.h"

namespace {

const std::vector<vellamor::BirthData>& Births() {
    static const std::vector<vellamor::BirthData> births = vellamor::bench::RandomBirths(1024);
    return births;
}

void BM_ChartForVargas(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        auto chart = vellamor::CalculateChart(births[i++ & 1023]);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_ChartForVargas);

void BM_SixteenVargas(benchmark::State& state) {
    std::vector<std::array<double, vellamor::kBodyCount>> longitudes;
    for (const auto& b : Births())
        longitudes.push_back(vellamor::CalculateChart(b).planets.longitudes);
    std::size_t i = 0;
    for (auto _ : state) {
        auto table = vellamor::CalculateVargas(longitudes[i++ & 1023]);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_SixteenVargas);

}  // namespace

BENCHMARK_MAIN();
