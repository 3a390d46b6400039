// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of reading a chart at an instant (the running dasha and the transits)
// against the cost of the chart itself. Target: progression plus transits
// no dearer than one chart, so that moving the date of reading repaints at
// once; the Vimshottari periods and the sign changes of the transits are
// measured apart, against one chart, classic and precise.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/chart/chart_opening.h"
#include "core/chart/pipeline.h"
#include "core/reading/dasha.h"
#include "core/reading/sign_changes.h"
#include "core/reading/transits.h"
#include "core/reading/vimshottari.h"
#include "random_births.h"

namespace {

using vellamor::Chart;
using vellamor::CivilDateTime;

struct Case {
    Chart chart;
    CivilDateTime reading;
};

// Charts of random births, each read at a random minute of its life up to
// the end of 2050.
const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = [] {
        std::mt19937 rng(7122026);
        std::vector<Case> out;
        for (const vellamor::BirthData& b : vellamor::bench::RandomBirths(1024)) {
            const CivilDateTime birth{b.year, b.month, b.day, b.hour, b.minute};
            const long long span = vellamor::MinutesSince1970({2050, 12, 31, 23, 59}) -
                                   vellamor::MinutesSince1970(birth);
            const long long offset = std::uniform_int_distribution<long long>(0, span)(rng);
            out.push_back({vellamor::CalculateChart(b), vellamor::AddMinutes(birth, offset)});
        }
        return out;
    }();
    return cases;
}

void BM_OneChart(benchmark::State& state) {
    const auto& cases = Cases();
    std::size_t i = 0;
    for (auto _ : state) {
        auto chart = vellamor::CalculateChart(cases[i++ & 1023].chart.birth);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_OneChart);

void BM_Progression(benchmark::State& state) {
    const auto& cases = Cases();
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ & 1023];
        auto p = vellamor::ComputeProgression(c.chart, c.reading);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_Progression);

void BM_Transits(benchmark::State& state) {
    const auto& cases = Cases();
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ & 1023];
        auto t = vellamor::ComputeTransits(c.chart, c.reading);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_Transits);

// What the window and the command line compute per reading.
void BM_ProgressionAndTransits(benchmark::State& state) {
    const auto& cases = Cases();
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ & 1023];
        auto r = vellamor::ComputeReading(c.chart, c.reading);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ProgressionAndTransits);

void BM_Vimshottari(benchmark::State& state) {
    const auto& cases = Cases();
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ & 1023];
        auto v = vellamor::ComputeVimshottari(c.chart, c.reading);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_Vimshottari);

// When each of the twelve transiting bodies entered its sign and leaves it.
void SignChanges(benchmark::State& state, const std::vector<Case>& cases) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ % cases.size()];
        for (int b = 0; b < vellamor::kTransitBodyCount; ++b) {
            auto stay = vellamor::FindSignStay(c.chart, static_cast<vellamor::Body>(b), c.reading);
            benchmark::DoNotOptimize(stay);
        }
    }
}

void BM_SignChanges(benchmark::State& state) {
    SignChanges(state, Cases());
}
BENCHMARK(BM_SignChanges)->Unit(benchmark::kMicrosecond);

// A births table read at one date, as a part of the bulk mode reads it: the
// rows share one memo, so a clock's first row searches and the others find
// its stays. Steady state: every clock of the table met before.
void BM_SignChangesOfTable(benchmark::State& state) {
    const auto& cases = Cases();
    const CivilDateTime reading{2050, 6, 1, 12, 0};
    vellamor::SignStayMemo memo;
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ & 1023];
        auto& stays = memo.Find(vellamor::TransitClockOf(c.chart), reading);
        benchmark::DoNotOptimize(stays);
    }
}
BENCHMARK(BM_SignChangesOfTable);

// The same births calculated precisely (Lahiri, mean node).
const std::vector<Case>& PreciseCases() {
    static const std::vector<Case> cases = [] {
        std::vector<Case> out;
        for (std::size_t k = 0; k < 64; ++k) {
            const Case& c = Cases()[k];
            out.push_back(
                {vellamor::CalculateChart(c.chart.birth, {vellamor::CalculationMethod::Precise}),
                 c.reading});
        }
        return out;
    }();
    return cases;
}

void BM_PreciseChart(benchmark::State& state) {
    const auto& cases = PreciseCases();
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ % cases.size()];
        auto chart = vellamor::CalculateChart(c.chart.birth, c.chart.calculation);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_PreciseChart)->Unit(benchmark::kMicrosecond);

void BM_PreciseSignChanges(benchmark::State& state) {
    SignChanges(state, PreciseCases());
}
BENCHMARK(BM_PreciseSignChanges)->Unit(benchmark::kMicrosecond);

// One search the turn between two positions keeps short: the first
// reference chart, precise, read on 1 September 2006 at noon, its twelve
// stays about 0.03 s; a turn that took -180 degrees for itself would make
// a step stall and this some sixty times slower, with the same answers.
void BM_PreciseSignChangesOfReferenceChart(benchmark::State& state) {
    const auto opened = vellamor::OpenChartFile(VELLAMOR_REFERENCE_CHARTS "/chart-01.sud");
    if (!opened) {
        state.SkipWithError("chart-01.sud cannot be opened");
        return;
    }
    const Chart chart =
        vellamor::CalculateChart(opened->birth, {vellamor::CalculationMethod::Precise});
    for (auto _ : state) {
        for (int b = 0; b < vellamor::kTransitBodyCount; ++b) {
            auto stay =
                vellamor::FindSignStay(chart, static_cast<vellamor::Body>(b), {2006, 9, 1, 12, 0});
            benchmark::DoNotOptimize(stay);
        }
    }
}
BENCHMARK(BM_PreciseSignChangesOfReferenceChart)->Unit(benchmark::kMillisecond);

// The window's case: one chart, the date of reading moving through its life.
void BM_OneChartManyReadings(benchmark::State& state) {
    const Chart& chart = Cases().front().chart;
    const CivilDateTime birth{chart.birth.year, chart.birth.month, chart.birth.day,
                              chart.birth.hour, chart.birth.minute};
    const long long span =
        vellamor::MinutesSince1970({2050, 12, 31, 23, 59}) - vellamor::MinutesSince1970(birth);
    std::vector<CivilDateTime> readings;
    for (long long k = 0; k < 1024; ++k)
        readings.push_back(vellamor::AddMinutes(birth, span * k / 1024));
    std::size_t i = 0;
    vellamor::SignStayMemo memo;  // as the window keeps one
    for (auto _ : state) {
        auto r = vellamor::ComputeReading(chart, readings[i++ & 1023], &memo);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_OneChartManyReadings);

}  // namespace

BENCHMARK_MAIN();
