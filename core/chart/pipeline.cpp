// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/pipeline.h"

#include "core/astro/time_zones.h"

namespace vellamor {
namespace {

std::string LastThreeCharacters(std::string_view s) {
    // The Ascendant text ends in an ASCII abbreviation.
    return std::string(s.size() >= 3 ? s.substr(s.size() - 3) : s);
}

}  // namespace

Chart CalculateChart(const BirthData& birth) {
    Chart c;
    c.birth = birth;
    const TimeZoneRow* zone = TimeZoneAt(birth.zoneIndex);
    if (!zone)
        zone = TimeZoneAt(0);
    c.zoneTableHours = zone->hours;
    c.zoneTableMinutes = zone->minutes;
    c.ascendant = ComputeAscendant(birth);
    c.moon = ComputeMoonChart(birth);
    c.planets =
        ComputePlanetPositions(birth, c.ascendant, c.moon, c.zoneTableHours, c.zoneTableMinutes);
    c.retrogrades = ComputeRetrogrades(birth);
    c.ascendantSign = LastThreeCharacters(c.ascendant.ascendantText);
    c.chakra =
        BuildSudarshanChakra(birth, c.planets.positionTexts, c.ascendantSign, c.retrogrades.labels);
    return c;
}

}  // namespace vellamor
