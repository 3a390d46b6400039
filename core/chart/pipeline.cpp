// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/pipeline.h"

#include "core/astro/time_zones.h"

namespace vellamor {
namespace {

const TimeZoneRow& ZoneRowOf(const BirthData& birth) {
    const TimeZoneRow* zone = TimeZoneAt(birth.zoneIndex);
    return zone ? *zone : *TimeZoneAt(0);
}

}  // namespace

Chart::Chart(const BirthData& b)
    : birth(b),
      zoneTableHours(ZoneRowOf(b).hours),
      zoneTableMinutes(ZoneRowOf(b).minutes),
      ascendant(ComputeAscendant(b)),
      moon(ComputeMoonChart(b)),
      planets(ComputePlanetPositions(b, ascendant, moon, zoneTableHours, zoneTableMinutes)),
      retrogrades(ComputeRetrogrades(b)),
      ascendantSign(
          kSignAbbreviations[static_cast<std::size_t>(planets.signs[BodyIndex(Body::Ascendant)])]),
      chakra(BuildSudarshanChakra(b, planets.positionTexts, planets.signs, retrogrades.labels)) {}

Chart CalculateChart(const BirthData& birth) {
    return Chart(birth);
}

}  // namespace vellamor
