// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation, from birth data to the finished Sudarshan Chakra, in the
// fixed order: Ascendant, Moon, planets, retrograde marks, chakra.
#pragma once

#include <optional>
#include <string>

#include "core/astro/ascendant.h"
#include "core/astro/birth_data.h"
#include "core/astro/calculation.h"
#include "core/astro/civil_date.h"
#include "core/astro/moon.h"
#include "core/astro/planet_positions.h"
#include "core/astro/swiss_ephemeris.h"
#include "core/chart/chakra_model.h"
#include "core/retro/retrogrades.h"

namespace vellamor {

// What a precise chart was calculated with, to name it beside the chart.
struct PreciseCalculation {
    EphemerisSource source = EphemerisSource::DataFiles;
    double ayanamsaDegrees = 0;  // at the birth
    CivilDateTime universal;     // the birth in universal time, to the minute
    MoshierReason moshierReason = MoshierReason::FilesMissing;  // for Moshier
    std::string timeCorrectionFile;  // the library's delta T file in use, if any
};

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
    CalculationChoice calculation;              // classic unless asked otherwise
    std::optional<PreciseCalculation> precise;  // set exactly when the choice is precise
};

// birth.zoneIndex must name a row of the time-zone table (0..70); an
// out-of-range row is taken as row 0 rather than read out of bounds.
Chart CalculateChart(const BirthData& birth);

// The same with a choice of calculation. A precise chart takes its
// positions from Swiss Ephemeris for the universal time of
// SignedUniversalTime (with the zone row's own sign) and its retrograde marks
// from the planets' speeds; everything after the positions is made as for a
// classic chart.
Chart CalculateChart(const BirthData& birth, const CalculationChoice& choice);

// The birth's universal time by the zone row's own sign: the clock time
// minus the row's offset east of Greenwich, minus an hour for daylight
// saving.
CivilDateTime SignedUniversalTime(const BirthData& birth);

// A precise chart's positions for a birth `extraHours` later (negative:
// earlier), for searches over the birth time.
PreciseMoment PreciseMomentOf(const BirthData& birth, const CalculationChoice& choice,
                              double extraHours = 0);
double PreciseJulianDay(const BirthData& birth, double extraHours = 0);
double PreciseLatitudeNorth(const BirthData& birth);
double PreciseLongitudeEast(const BirthData& birth);

}  // namespace vellamor
