// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/retro/retrogrades.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vellamor {
namespace {

// Mercury..Pluto, each label with its mark.
constexpr auto kMarkedLabels = std::to_array<ChartLabel>(
    {ChartLabel("Me (R) "), ChartLabel("V (R) "), ChartLabel("Ma (R) "), ChartLabel("J (R) "),
     ChartLabel("Sa (R) "), ChartLabel("U (R) "), ChartLabel("N (R) "), ChartLabel("P (R) ")});
static_assert(kMarkedLabels.size() == kStationPlanets);
static_assert([] {
    for (int k = 0; k < kStationPlanets; ++k) {
        const std::string_view marked = kMarkedLabels[static_cast<std::size_t>(k)].view();
        const std::string_view base =
            kBaseLabels[static_cast<std::size_t>(kStationBodies[static_cast<std::size_t>(k)])];
        if (marked.substr(0, base.size()) != base || marked.substr(base.size()) != kRetrogradeMark)
            return false;
    }
    return true;
}());

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
    return Find(table, CalendarDayNumber({birth.year, birth.month, birth.day}));
}

// Which planets are retrograde on each day the tables span, one bit per
// planet in flag order: a chart's eight lookups become one load. A planet is
// retrograde after the day its period begins and before the day it ends
// (what Find says, as periods never overlap); outside the span no planet is.
struct RetrogradeDays {
    int firstDay = 0;
    std::vector<std::uint8_t> planets;  // [day - firstDay]
};

const RetrogradeDays& DayTable() {
    static_assert(kStationPlanets <= 8, "one byte a day holds every planet's bit");
    static const RetrogradeDays table = [] {
        RetrogradeDays t;
        int first = 0, last = 0;
        for (int k = 0; k < kStationPlanets; ++k) {
            const auto periods = StationTables()[static_cast<std::size_t>(k)].periods;
            first = k == 0 ? periods.front().retrogradeDay
                           : std::min(first, periods.front().retrogradeDay);
            last = k == 0 ? periods.back().directDay : std::max(last, periods.back().directDay);
        }
        t.firstDay = first;
        t.planets.assign(static_cast<std::size_t>(last - first + 1), 0);
        for (int k = 0; k < kStationPlanets; ++k)
            for (const StationPeriod& p : StationTables()[static_cast<std::size_t>(k)].periods)
                for (int day = p.retrogradeDay + 1; day < p.directDay; ++day)
                    t.planets[static_cast<std::size_t>(day - first)] |=
                        static_cast<std::uint8_t>(1u << k);
        return t;
    }();
    return table;
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
    const RetrogradeDays& days = DayTable();
    const long at =
        static_cast<long>(CalendarDayNumber({birth.year, birth.month, birth.day})) - days.firstDay;
    const unsigned planets = at >= 0 && at < static_cast<long>(days.planets.size())
                                 ? days.planets[static_cast<std::size_t>(at)]
                                 : 0u;
    EnumArray<Body, bool> retrograde{};
    for (int k = 0; k < kStationPlanets; ++k)
        retrograde[kStationBodies[static_cast<std::size_t>(k)]] = (planets >> k) & 1u;
    return RetrogradeMarksOf(retrograde);
}

RetrogradeMarks RetrogradeMarksOf(const EnumArray<Body, bool>& retrograde) {
    RetrogradeMarks marks;
    marks.labels = kUnmarkedLabels;
    for (std::size_t k = 0; k < kStationBodies.size(); ++k) {
        const Body planet = kStationBodies[k];
        marks.retrograde[planet] = retrograde[planet];
        if (retrograde[planet])
            marks.labels[static_cast<std::size_t>(planet)] = kMarkedLabels[k];
    }
    return marks;
}

}  // namespace vellamor
