// SPDX-License-Identifier: GPL-3.0-or-later
// What a precise chart costs over Swiss Ephemeris's own calls, in one run.
//
// Per chart: the whole precise chart (positions, texts, marks, chakra)
// against the library alone computing the same bodies (Sun to Pluto and the
// mean node, sidereal with speeds) and the Ascendant for the same universal
// time and place. Per table: --json --precise --births on one job, reading
// the CSV and writing every JSON line, against the library alone for the
// same births. The table printed at the end gives each ratio.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/headless.h"
#include "core/chart/pipeline.h"
#include "random_births.h"

namespace {

using vellamor::BirthData;

constexpr std::size_t kBirths = 1024;  // a power of two, indexed with a mask

const std::vector<BirthData>& Births() {
    static const std::vector<BirthData> births = vellamor::bench::RandomBirths(kBirths);
    return births;
}

// The library's inputs, made once: the charts make theirs inside the
// measure, so the library's side is if anything favoured.
struct LibraryInput {
    double julianDay, latitude, longitudeEast;
};

const std::vector<LibraryInput>& Inputs() {
    static const std::vector<LibraryInput> inputs = [] {
        std::vector<LibraryInput> v;
        for (const BirthData& b : Births())
            v.push_back({vellamor::PreciseJulianDay(b), vellamor::PreciseLatitudeNorth(b),
                         vellamor::PreciseLongitudeEast(b)});
        return v;
    }();
    return inputs;
}

constexpr std::array<int, 11> kBodies{SE_SUN,     SE_MOON,    SE_MERCURY,  SE_VENUS,
                                      SE_MARS,    SE_JUPITER, SE_SATURN,   SE_URANUS,
                                      SE_NEPTUNE, SE_PLUTO,   SE_MEAN_NODE};

// The library alone for one birth: the calls a precise chart needs.
void LibraryChart(const LibraryInput& in) {
    char error[AS_MAXCH];
    double xx[6];
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    for (int body : kBodies) {
        swe_calc_ut(in.julianDay, body, SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED, xx, error);
        benchmark::DoNotOptimize(xx[0]);
    }
    double cusps[13], ascmc[10];
    swe_houses_ex(in.julianDay, SEFLG_SWIEPH | SEFLG_SIDEREAL, in.latitude, in.longitudeEast, 'E',
                  cusps, ascmc);
    benchmark::DoNotOptimize(ascmc[0]);
    double ayanamsa = 0;
    swe_get_ayanamsa_ex_ut(in.julianDay, SEFLG_SWIEPH, &ayanamsa, error);
    benchmark::DoNotOptimize(ayanamsa);
}

void BM_PreciseChart(benchmark::State& state) {
    const auto& births = Births();
    const vellamor::CalculationChoice precise{vellamor::CalculationMethod::Precise};
    std::size_t i = 0;
    for (auto _ : state) {
        auto chart = vellamor::CalculateChart(births[i++ & (kBirths - 1)], precise);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_PreciseChart);

void BM_LibraryChart(benchmark::State& state) {
    const auto& inputs = Inputs();
    std::size_t i = 0;
    for (auto _ : state)
        LibraryChart(inputs[i++ & (kBirths - 1)]);
}
BENCHMARK(BM_LibraryChart);

// The births as a table of the command line's values.
std::string BirthsTable() {
    std::string csv = "name,date,time,zone,dst,lat,lon,city,state,country\n";
    char line[160];
    for (const BirthData& b : Births()) {
        std::snprintf(
            line, sizeof line, "%s,%04d-%02d-%02d,%02d:%02d,%d,%s,%d:%02d%c,%d:%02d%c,%s,%s,%s\n",
            b.name.c_str(), b.year, b.month, b.day, b.hour, b.minute, b.zoneIndex,
            b.daylightSaving ? "true" : "false", b.latDegrees, b.latMinutes,
            b.southLatitude ? 'S' : 'N', b.lonDegrees, b.lonMinutes, b.eastLongitude ? 'E' : 'W',
            b.city.c_str(), b.state.c_str(), b.country.c_str());
        csv += line;
    }
    return csv;
}

void BM_PreciseBirthsOneJob(benchmark::State& state) {
    const std::string csv = BirthsTable();
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream out, err;
        vellamor::HeadlessServices services;
        services.standardInput = &in;
        const int status = vellamor::RunHeadless(
            {"--json", "--precise", "--births", "-", "--jobs", "1"}, out, err, services);
        if (status != 0)
            state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kBirths));
}
BENCHMARK(BM_PreciseBirthsOneJob)->Unit(benchmark::kMillisecond);

void BM_LibraryBirths(benchmark::State& state) {
    const auto& inputs = Inputs();
    for (auto _ : state)
        for (const LibraryInput& in : inputs)
            LibraryChart(in);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kBirths));
}
BENCHMARK(BM_LibraryBirths)->Unit(benchmark::kMillisecond);

// Keeps the console output and remembers each benchmark's CPU time.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        benchmark::ConsoleReporter::ReportRuns(runs);
        // With --benchmark_repetitions the median, which a busy machine
        // disturbs least; otherwise the one run.
        for (const Run& run : runs) {
            const bool plain = run.run_type == Run::RT_Iteration;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || !(plain || median))
                continue;
            const std::string name = run.run_name.function_name;
            if (median || !medians_.contains(name))
                cpu_[name] = run.GetAdjustedCPUTime() * 1e9 /
                             benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (median)
                medians_.insert(name);
        }
    }
    double cpu(const std::string& name) const {
        const auto it = cpu_.find(name);
        return it == cpu_.end() ? 0 : it->second;
    }

  private:
    std::map<std::string, double> cpu_;  // nanoseconds
    std::set<std::string> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The charts set the library's data folder themselves; one chart first
    // so that the library's side starts with the same folder.
    const vellamor::Chart first = vellamor::CalculateChart(
        Births().front(), vellamor::CalculationChoice{vellamor::CalculationMethod::Precise});
    if (first.precise()->source != vellamor::EphemerisSource::DataFiles) {
        std::fprintf(stderr,
                     "Swiss Ephemeris data files are not found; set SE_EPHE_PATH to the "
                     "folder of sepl_18.se1 and semo_18.se1.\n");
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    auto ratio = [&](const char* a, const char* b) {
        const double x = reporter.cpu(a), y = reporter.cpu(b);
        return y > 0 ? x / y : 0.0;
    };
    std::printf("\nCPU time over the library's own calls for the same births:\n");
    std::printf("  precise chart        %5.2fx (limit 1.2)\n",
                ratio("BM_PreciseChart", "BM_LibraryChart"));
    std::printf("  --json --births -j1  %5.2fx (limit 1.5)\n",
                ratio("BM_PreciseBirthsOneJob", "BM_LibraryBirths"));
    return 0;
}
