// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation, from birth data to the finished Sudarshan Chakra, in the
// fixed order: Ascendant, Moon, planets, retrograde marks, chakra.
#pragma once

#include <string>

#include "core/astro/ascendant.h"
#include "core/astro/birth_data.h"
#include "core/astro/moon.h"
#include "core/astro/planet_positions.h"
#include "core/chart/chakra_model.h"
#include "core/retro/retrogrades.h"

namespace vellamor {

struct Chart {
    Chart() = default;
    // The whole calculation (CalculateChart): each part is made in its place,
    // in member order, from the parts before it.
    explicit Chart(const BirthData& birth);

    BirthData birth;
    int zoneTableHours = 0;  // signed row values used by the planets
    int zoneTableMinutes = 0;
    PositionState ascendant;
    MoonChart moon;
    PlanetPositions planets;
    RetrogradeMarks retrogrades;
    std::string ascendantSign;  // last three characters of the Ascendant text
    ChakraModel chakra;
};

// birth.zoneIndex must name a row of the time-zone table (0..70); an
// out-of-range row is taken as row 0 rather than read out of bounds.
Chart CalculateChart(const BirthData& birth);

}  // namespace vellamor
