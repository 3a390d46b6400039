// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/retro/retrogrades.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vellamor {
namespace {

struct Lookup {
    const StationPeriod* previous = nullptr;  // last period begun before the birth day
    const StationPeriod* next = nullptr;      // first period begun on or after it
    bool retrograde = false;
};

// Periods are in order and never overlap, so the only period that can hold
// the birth day is the last one that began on an earlier day.
Lookup Find(const StationTable& table, int day) {
    const auto periods = table.periods;
    const auto it =
        std::partition_point(periods.begin(), periods.end(),
                             [day](const StationPeriod& p) { return p.retrogradeDay < day; });
    Lookup found;
    if (it != periods.end())
        found.next = &*it;
    if (it != periods.begin()) {
        found.previous = &*(it - 1);
        found.retrograde = day < found.previous->directDay;
    }
    return found;
}

Lookup Find(const StationTable& table, const BirthData& birth) {
    return Find(table, CalendarDayNumber(birth.year, birth.month, birth.day));
}

// No planet begins more than this many retrograde periods in one calendar
// year (Mercury's three or four); the tests check every day against the
// unindexed search.
constexpr std::size_t kMostPeriodsInAYear = 4;

// Where each year's periods begin in a table: a chart's eight lookups then
// search the few periods begun in the birth's year instead of the whole
// table, which is most of their cost.
struct YearIndex {
    int firstYear = 0;
    std::vector<int> january;                // day number of 1 January, per year and one more
    std::vector<std::uint16_t> firstOfYear;  // first period begun on or after it
};

const std::array<YearIndex, kStationPlanets>& YearIndexes() {
    static const std::array<YearIndex, kStationPlanets> indexes = [] {
        std::array<YearIndex, kStationPlanets> all;
        for (int k = 0; k < kStationPlanets; ++k) {
            const auto periods = StationTables()[static_cast<std::size_t>(k)].periods;
            YearIndex& index = all[static_cast<std::size_t>(k)];
            index.firstYear = periods.front().retrograde.year;
            for (int y = index.firstYear; y <= periods.back().retrograde.year + 2; ++y) {
                const int january = CalendarDayNumber(y, 1, 1);
                const auto it = std::partition_point(
                    periods.begin(), periods.end(),
                    [january](const StationPeriod& p) { return p.retrogradeDay < january; });
                index.january.push_back(january);
                index.firstOfYear.push_back(static_cast<std::uint16_t>(it - periods.begin()));
            }
        }
        return all;
    }();
    return indexes;
}

// Whether planet k is retrograde on `day` of `year`: Find(...).retrograde,
// narrowed by the index and without a branch per period, since whether a
// period has begun is as good as random across charts.
bool RetrogradeOnDay(int k, int day, int year) {
    const StationTable& table = StationTables()[static_cast<std::size_t>(k)];
    const YearIndex& index = YearIndexes()[static_cast<std::size_t>(k)];
    const long y = static_cast<long>(year) - index.firstYear;
    if (y < 0 || y + 1 >= static_cast<long>(index.january.size()))
        return Find(table, day).retrograde;
    const auto at = static_cast<std::size_t>(y);
    if (day < index.january[at] || day >= index.january[at + 1])
        return Find(table, day).retrograde;
    const auto periods = table.periods;
    const std::size_t first = index.firstOfYear[at];
    const std::size_t count = index.firstOfYear[at + 1] - first;
    const std::size_t last = periods.size() - 1;
    std::size_t begun = 0;
    for (std::size_t i = 0; i < kMostPeriodsInAYear; ++i)
        begun += static_cast<std::size_t>(i < count) &
                 static_cast<std::size_t>(periods[std::min(first + i, last)].retrogradeDay < day);
    const std::size_t next = first + begun;
    return next > 0 && day < periods[next - 1].directDay;
}

}  // namespace

bool IsRetrograde(Body body, const BirthData& birth) {
    const StationTable* table = FindStationTable(body);
    return table && Find(*table, birth).retrograde;
}

bool IsRetrograde(std::string_view planetName, const BirthData& birth) {
    const StationTable* table = FindStationTable(planetName);
    return table && Find(*table, birth).retrograde;
}

StationBracket BracketingStations(Body body, const BirthData& birth) {
    StationBracket bracket;
    const StationTable* table = FindStationTable(body);
    if (!table)
        return bracket;
    const Lookup found = Find(*table, birth);
    if (found.retrograde) {
        bracket.retrograde = true;
        bracket.previous = found.previous->retrograde;
        bracket.next = found.previous->direct;
        return bracket;
    }
    if (found.previous)
        bracket.previous = found.previous->direct;
    if (found.next)
        bracket.next = found.next->retrograde;
    return bracket;
}

RetrogradeMarks ComputeRetrogrades(const BirthData& birth) {
    // The unmarked labels, made once and copied whole.
    static const std::array<ChartLabel, kBodyCount> kUnmarked = [] {
        std::array<ChartLabel, kBodyCount> labels;
        for (int i = 0; i < kBodyCount; ++i)
            labels[static_cast<std::size_t>(i)] = kBaseLabels[static_cast<std::size_t>(i)];
        return labels;
    }();
    RetrogradeMarks marks;
    marks.labels = kUnmarked;
    const int day = CalendarDayNumber(birth.year, birth.month, birth.day);
    for (int k = 0; k < kStationPlanets; ++k) {
        const auto flag = static_cast<std::size_t>(k);
        marks.flags[flag] = RetrogradeOnDay(k, day, birth.year);
        if (marks.flags[flag]) {
            marks.labels[static_cast<std::size_t>(BodyIndex(Body::Mercury) + k)] += kRetrogradeMark;
        }
    }
    return marks;
}

}  // namespace vellamor
