// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas as a user meets it. Targets on the project's two-core machine:
// - a fresh start's first list of places (opening the table and one look-up)
//   within 50 ms of the first letters typed;
// - the entry window's list for any prefix typed within 50 ms of the key;
// - any search, found or not, within 100 ms.
// Measured (RelWithDebInfo, 2 cores under a load of about 17, real time):
// opening the mapped table plus the first list for "sa" 2.9 ms (reading
// and parsing the old text table took 590 ms before any list); the list for
// one letter 1.3 to 6 ms, for "lon" 0.05 ms; a whole --place resolution
// 0.06 ms. Whole-process figures: scripts/atlas-figure.sh.
#include <benchmark/benchmark.h>

#include <string>

#include "atlas/gazetteer.h"
#include "atlas/place_fill.h"
#include "atlas/place_search.h"

namespace {

using namespace vellamor::atlas;

// The benchmark program's own, read on first use.
const Gazetteer& Places() {
    static const BuiltInGazetteer places;
    return places.Get();
}

// What a fresh start pays before its first suggestions: opening the table
// (mapping it, checking its header and small parts) and the first list,
// read from pages not yet touched by this mapping.
void BM_OpenAndFirstList(benchmark::State& state) {
    for (auto _ : state) {
        auto g = Gazetteer::ReadBuiltIn();
        if (!g) {
            state.SkipWithError("no atlas table");
            break;
        }
        auto places = FindPlaces(*g, "sa", 12);
        benchmark::DoNotOptimize(places);
    }
}
BENCHMARK(BM_OpenAndFirstList)->Unit(benchmark::kMillisecond);

// One letter is the widest prefix: every name with a word that begins with it.
const char* const kPrefixes[] = {"s", "a", "sa", "lon", "new y", "zzq"};

void BM_PopupList(benchmark::State& state) {
    (void)Places();
    const char* prefix = kPrefixes[state.range(0)];
    state.SetLabel(prefix);
    for (auto _ : state) {
        auto places = FindPlaces(Places(), prefix, 12);
        benchmark::DoNotOptimize(places);
    }
}
BENCHMARK(BM_PopupList)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

const std::string kLongInput = std::string(150, 'x') + ", " + std::string(10000, 'y');
const char* const kQueries[] = {"St Petersburg",      "Portland, ME",   "Bombay",
                                "Seoul, South Korea", "Pariss, France", "Qxzqxz",
                                kLongInput.c_str()};

void BM_SearchPlace(benchmark::State& state) {
    (void)Places();
    const char* query = kQueries[state.range(0)];
    state.SetLabel(std::string(query).substr(0, 20));
    for (auto _ : state) {
        auto found = SearchPlace(Places(), query);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchPlace)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// What --place does after the load: search, fill the form, decide the zone.
void BM_ResolvePlace(benchmark::State& state) {
    (void)Places();
    vellamor::EntryForm form;
    form.yearIndex = 1975 - vellamor::kFirstYear;
    for (auto _ : state) {
        auto r = ResolvePlace(Places(), "St Petersburg", form, {});
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ResolvePlace)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
