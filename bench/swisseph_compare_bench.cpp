// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one chart's positions in the core against Swiss Ephemeris, on
// the same random instants and places, in one run.
//
// The core is timed three ways: its thirteen longitudes as numbers (the
// Ascendant's and the Moon's stages, and the planets' numbers), the same
// with every body's position texts, and the whole chart with retrograde
// marks and chakra. Swiss Ephemeris computes Sun to Pluto, the mean node and
// the Ascendant (its house routine): with its data files, with its data
// files and the speeds a chart program needs for retrograde marks, and with
// its built-in Moshier theory. Every birth is in the zone of Greenwich Mean
// Time without daylight saving, so both sides compute the same instant. The
// table printed at the end gives each Swiss Ephemeris time per chart over
// each of the core's: how many times faster the core is.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/astro/time_zones.h"
#include "core/chart/pipeline.h"
#include "random_births.h"

namespace {

using vellamor::BirthData;

constexpr int kGreenwichRow = 29;        // "Greenwich Mean Time,GMT,0.0"
constexpr std::size_t kInstants = 4096;  // a power of two, indexed with a mask

const std::vector<BirthData>& Births() {
    static const std::vector<BirthData> births =
        vellamor::bench::RandomBirths(kInstants, kGreenwichRow);
    return births;
}

// The place as Swiss Ephemeris takes it: degrees, North and East positive.
struct Place {
    double latitude, longitudeEast;
};

Place PlaceOf(const BirthData& b) {
    double lat = b.latDegrees + b.latMinutes / 60.0;
    double lon = b.lonDegrees + b.lonMinutes / 60.0;
    return {b.southLatitude ? -lat : lat, b.eastLongitude ? lon : -lon};
}

constexpr std::array<int, 11> kSwissBodies{SE_SUN,     SE_MOON,    SE_MERCURY,  SE_VENUS,
                                           SE_MARS,    SE_JUPITER, SE_SATURN,   SE_URANUS,
                                           SE_NEPTUNE, SE_PLUTO,   SE_MEAN_NODE};

// The like-for-like measure: the thirteen longitudes as numbers, as Swiss
// Ephemeris gives them (the Ascendant's and the Moon's stages also write
// their own texts).
void BM_CoreLongitudes(benchmark::State& state) {
    const auto& births = Births();
    const auto* zone = vellamor::TimeZoneAt(kGreenwichRow);
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthData& b = births[i++ & (kInstants - 1)];
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

// The same with the long and short position texts of every body.
void BM_CorePositions(benchmark::State& state) {
    const auto& births = Births();
    const auto* zone = vellamor::TimeZoneAt(kGreenwichRow);
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthData& b = births[i++ & (kInstants - 1)];
        const auto asc = vellamor::ComputeAscendant(b);
        const auto moon = vellamor::ComputeMoonChart(b);
        auto planets = vellamor::ComputePlanetPositions(b, asc, moon, zone->hours, zone->minutes);
        benchmark::DoNotOptimize(planets);
    }
}
BENCHMARK(BM_CorePositions);

void BM_CoreWholeChart(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    for (auto _ : state) {
        auto chart = vellamor::CalculateChart(births[i++ & (kInstants - 1)]);
        benchmark::DoNotOptimize(chart);
    }
    state.SetLabel("positions, retrograde marks and chakra");
}
BENCHMARK(BM_CoreWholeChart);

void SwissChart(benchmark::State& state, int ephemerisFlag) {
    const auto& births = Births();
    std::vector<Place> places;
    places.reserve(births.size());
    for (const auto& b : births)
        places.push_back(PlaceOf(b));
    char error[AS_MAXCH];
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ & (kInstants - 1);
        const BirthData& b = births[k];
        const double jdUt =
            swe_julday(b.year, b.month, b.day, b.hour + b.minute / 60.0, SE_GREG_CAL);
        double xx[6];
        for (int body : kSwissBodies) {
            swe_calc_ut(jdUt, body, ephemerisFlag, xx, error);
            benchmark::DoNotOptimize(xx[0]);
        }
        double cusps[13], ascmc[10];
        swe_houses_ex(jdUt, ephemerisFlag, places[k].latitude, places[k].longitudeEast, 'E', cusps,
                      ascmc);
        benchmark::DoNotOptimize(ascmc[0]);
    }
}

void BM_SwissEphDataFiles(benchmark::State& state) {
    SwissChart(state, SEFLG_SWIEPH);
    state.SetLabel("Sun..Pluto, mean node, Ascendant");
}
BENCHMARK(BM_SwissEphDataFiles);

// With the daily motions as well, which a chart program asks for to mark the
// retrograde planets (the core takes them from its station tables).
void BM_SwissEphDataFilesSpeed(benchmark::State& state) {
    SwissChart(state, SEFLG_SWIEPH | SEFLG_SPEED);
    state.SetLabel("the same with speeds");
}
BENCHMARK(BM_SwissEphDataFilesSpeed);

void BM_SwissEphMoshier(benchmark::State& state) {
    SwissChart(state, SEFLG_MOSEPH);
    state.SetLabel("Sun..Pluto, mean node, Ascendant");
}
BENCHMARK(BM_SwissEphMoshier);

// Keeps the console output and remembers each benchmark's time per chart.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    struct Times {
        double real = 0, cpu = 0;  // nanoseconds per chart
    };
    void ReportRuns(const std::vector<Run>& runs) override {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool plain = run.run_type == Run::RT_Iteration;
            const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if (!plain && !mean)
                continue;
            const double toNs = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            Times& t = times_[run.run_name.function_name];
            if (mean || t.cpu == 0) {
                t.real = run.GetAdjustedRealTime() * toNs;
                t.cpu = run.GetAdjustedCPUTime() * toNs;
            }
        }
    }
    const std::map<std::string, Times>& times() const { return times_; }

  private:
    std::map<std::string, Times> times_;
};

// One line per measure; Swiss Ephemeris' lines add its time over each of the
// core's (how many times faster the core is).
void PrintRatios(const std::map<std::string, RatioReporter::Times>& times) {
    struct Row {
        const char* name;
        const char* caption;
    };
    static constexpr Row kCore[] = {{"BM_CoreLongitudes", "core, 13 longitudes"},
                                    {"BM_CorePositions", "core, positions with texts"},
                                    {"BM_CoreWholeChart", "core, whole chart"}};
    static constexpr Row kSwiss[] = {{"BM_SwissEphDataFiles", "Swiss Ephemeris, data files"},
                                     {"BM_SwissEphDataFilesSpeed", "  the same with speeds"},
                                     {"BM_SwissEphMoshier", "Swiss Ephemeris, Moshier"}};
    auto find = [&](const char* name) -> const RatioReporter::Times* {
        auto it = times.find(name);
        return it == times.end() ? nullptr : &it->second;
    };
    std::printf("\nPer chart, CPU time (wall time)  ratio to: %s, %s, %s\n", "longitudes",
                "positions", "whole chart");
    for (const Row& row : kCore) {
        if (const auto* t = find(row.name))
            std::printf("  %-28s %8.2f us (%8.2f)\n", row.caption, t->cpu / 1e3, t->real / 1e3);
    }
    for (const Row& row : kSwiss) {
        const auto* swiss = find(row.name);
        if (!swiss)
            continue;
        std::printf("  %-28s %8.2f us (%8.2f) ", row.caption, swiss->cpu / 1e3, swiss->real / 1e3);
        for (const Row& core : kCore) {
            if (const auto* t = find(core.name))
                std::printf(" %6.1fx", swiss->cpu / t->cpu);
            else
                std::printf("    -   ");
        }
        std::printf("\n");
    }
}

// Refuses to measure a silent fallback: without its files Swiss Ephemeris
// computes with the Moshier theory and says so only in the returned flags.
bool DataFilesAreUsed() {
    double xx[6];
    char error[AS_MAXCH] = "";
    const int32 flags = swe_calc_ut(2451545.0, SE_MOON, SEFLG_SWIEPH, xx, error);
    if (flags < 0 || !(flags & SEFLG_SWIEPH)) {
        std::fprintf(stderr,
                     "Swiss Ephemeris data files are not found (%s); set SE_EPHE_PATH to the "
                     "folder of sepl_18.se1 and semo_18.se1.\n",
                     error);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    swe_set_ephe_path(VELLAMOR_SWISSEPH_EPHE_DIR);
    if (!DataFilesAreUsed())
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios(reporter.times());
    swe_close();
    return 0;
}
