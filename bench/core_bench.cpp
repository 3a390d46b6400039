// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one chart: the whole pipeline from BirthData to the finished
// chakra model, and the Moon, the planets, the Ascendant and the retrograde
// marks separately.
// Targets: the whole pipeline under 5 microseconds per chart, and within
// 1.5 times the numbers alone (BM_WholePipeline over BM_CoreLongitudes, both
// on the same births in one run): the texts, marks and rings must cost
// little beside the astronomy.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cli/chart_json.h"
#include "cli/json_writer.h"
#include "core/astro/time_zones.h"
#include "core/chart/chart_stability.h"
#include "core/chart/pipeline.h"
#include "core/retro/retrogrades.h"
#include "random_births.h"

namespace {

using vellamor::BirthData;

const std::vector<BirthData>& Births() {
    static const std::vector<BirthData> births = vellamor::bench::RandomBirths(1024);
    return births;
}

void BM_WholePipeline(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        auto chart = vellamor::CalculateChart(births[i++ & 1023]);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_WholePipeline);

// The thirteen longitudes as numbers: the Ascendant's and the Moon's stages
// and the planets without their texts.
void BM_CoreLongitudes(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthData& b = births[i++ & 1023];
        const auto* zone = vellamor::TimeZoneAt(b.zoneIndex);
        const auto asc = vellamor::ComputeAscendant(b);
        const auto moon = vellamor::ComputeMoonChart(b);
        auto planets =
            vellamor::ComputePlanetLongitudes(b, asc.ayanamsaOffset, zone->hours, zone->minutes);
        benchmark::DoNotOptimize(planets);
        benchmark::DoNotOptimize(moon.state.moonLongitude);
        benchmark::DoNotOptimize(asc.ascendant);
    }
}
BENCHMARK(BM_CoreLongitudes);

// One line of `--json`: the pipeline and the chart's JSON object, the
// output string reused as a part of the bulk mode reuses its own.
void BM_PipelineAndJson(benchmark::State& state) {
    const auto& births = Births();
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        out.clear();
        const vellamor::Chart chart = vellamor::CalculateChart(births[i++ & 1023]);
        vellamor::JsonWriter w(out);
        w.BeginObject();
        vellamor::WriteChartMembers(w, chart);
        w.EndObject();
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PipelineAndJson);

void BM_Ascendant(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        auto s = vellamor::ComputeAscendant(births[i++ & 1023]);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Ascendant);

void BM_Moon(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        auto m = vellamor::ComputeMoonChart(births[i++ & 1023]);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_Moon);

void BM_Planets(benchmark::State& state) {
    const auto& births = Births();
    std::vector<vellamor::PositionState> asc;
    std::vector<vellamor::MoonChart> moon;
    for (const auto& b : births) {
        asc.push_back(vellamor::ComputeAscendant(b));
        moon.push_back(vellamor::ComputeMoonChart(b));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ & 1023;
        const auto* zone = vellamor::TimeZoneAt(births[k].zoneIndex);
        auto p = vellamor::ComputePlanetPositions(births[k], asc[k], moon[k], zone->hours,
                                                  zone->minutes);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_Planets);

// How far the chart can be trusted: two sign-change searches each for the
// Ascendant and the Moon, the boundary check and the zone check. Target: at
// most 50 microseconds per chart.
void BM_ChartStability(benchmark::State& state) {
    const auto& births = Births();
    std::vector<vellamor::Chart> charts;
    for (const auto& b : births)
        charts.push_back(vellamor::CalculateChart(b));
    std::size_t i = 0;
    for (auto _ : state) {
        auto s = vellamor::AnalyzeChartStability(charts[i++ & 1023]);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_ChartStability);

// The retrograde marks of one chart: eight table lookups and the labels.
void BM_ComputeRetrogrades(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        auto marks = vellamor::ComputeRetrogrades(births[i++ & 1023]);
        benchmark::DoNotOptimize(marks);
    }
}
BENCHMARK(BM_ComputeRetrogrades);

}  // namespace

BENCHMARK_MAIN();
