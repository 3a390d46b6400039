// SPDX-License-Identifier: GPL-3.0-or-later
// Universal time, the planets' ayanamsa and the sidereal Ascendant.
//
// Conventions inside this computation: longitudes East negative, West
// positive; latitudes North positive. Angles in degrees unless a name says
// radians. Time is counted in Julian centuries from JD 2415020.0.
#pragma once

#include <string>

#include "core/astro/birth_data.h"
#include "core/astro/position_text.h"

namespace vellamor {

// Minus the planets' ayanamsa in degrees (negative), for T in Julian
// centuries from JD 2415020.0. About -22.47 at 1900 and -23.85 at 2000.
double AyanamsaOffset(double centuries1900);

// The planets' ayanamsa offset at a birth, as ComputeAscendantWithoutText
// finds it, without the Ascendant.
double BirthAyanamsaOffset(const BirthData& birth);

struct PositionState {
    double localHours = 0;             // local clock time, hours
    double zoneOffset = 0;             // zone magnitude after the daylight-saving hour
    double longitudeEastNegative = 0;  // degrees
    double latitudeSouthNegative = 0;  // degrees
    double universalHours = 0;  // hours from the local calendar date's midnight; may be <0 or >=24
    double julianDay = 0;       // Julian Day Number of the local calendar date
    double centuries1900 = 0;   // T from JD 2415020.0
    double ayanamsaOffset = 0;  // degrees, negative
    double siderealAngleRadians = 0;
    double obliquityRadians = 0;
    double ascendant = 0;            // sidereal, degrees, 0..360
    LongPositionText ascendantText;  // long position text
};

// The zone direction comes from the longitude's hemisphere, not from the
// zone row; daylight saving widens an East zone and narrows a West one.
PositionState ComputeAscendant(const BirthData& birth);

// The same for a birth `extraHours` later (negative: earlier) on the entered
// date, without the text; for searches over the birth time.
PositionState ComputeAscendantWithoutText(const BirthData& birth, double extraHours);

}  // namespace vellamor
