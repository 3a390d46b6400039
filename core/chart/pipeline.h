// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation, from birth data to the finished Sudarshan Chakra, in the
// fixed order: Ascendant, Moon, planets, retrograde marks, chakra.
#pragma once

#include <variant>

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

// The classic method's own steps, for tools that check the formulas: the
// Ascendant's and the Moon's working values. A precise chart has none.
struct ClassicDiagnostics {
    PositionState ascendant;
    MoonChart moon;
};

// What a precise chart was calculated with, to name it beside the chart.
struct PreciseCalculation {
    EphemerisSource source = EphemerisSource::DataFiles;
    double ayanamsaDegrees = 0;  // at the birth
    CivilDateTime universal;     // the birth in universal time, to the minute
    MoshierReason moshierReason = MoshierReason::FilesMissing;  // for Moshier
    std::string timeCorrectionFile;  // the library's delta T file in use, if any
};

// The results every chart has, whichever method made them, and beside them
// that method's own record.
struct Chart {
    BirthData birth;
    CalculationChoice calculation;  // classic unless asked otherwise
    int zoneTableHours = 0;         // the zone row's signed values (west positive)
    int zoneTableMinutes = 0;
    PlanetPositions planets;  // every body, the Moon and the Ascendant included
    RetrogradeMarks retrogrades;
    ChakraModel chakra;
    std::variant<ClassicDiagnostics, PreciseCalculation> method;

    // The record of the method that made the chart; null for the other one.
    const ClassicDiagnostics* classic() const { return std::get_if<ClassicDiagnostics>(&method); }
    const PreciseCalculation* precise() const { return std::get_if<PreciseCalculation>(&method); }
    Sign ascendantSign() const {
        return SignOfNumber(planets.signs[BodyIndex(Body::Ascendant)] + 1);
    }
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
