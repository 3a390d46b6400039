#include "core/retro/retrogrades.h"

#include <algorithm>

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
    RetrogradeMarks marks;
    for (int i = 0; i < kBodyCount; ++i)
        marks.labels[i] = kBaseLabels[i];
    const int day = CalendarDayNumber(birth.year, birth.month, birth.day);
    for (int k = 0; k < kStationPlanets; ++k) {
        const auto flag = static_cast<std::size_t>(k);
        marks.flags[flag] = Find(StationTables()[flag], day).retrograde;
        if (marks.flags[flag]) {
            marks.labels[static_cast<std::size_t>(BodyIndex(Body::Mercury) + k)] += kRetrogradeMark;
        }
    }
    return marks;
}

}  // namespace vellamor
