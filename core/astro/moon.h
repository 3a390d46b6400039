// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's sidereal longitude from a truncated lunar series.
//
// The Moon keeps its own time base (Julian centuries from JD 2451545.0) and
// its own ayanamsa formula, separate from the planets'. Angles in degrees
// unless a name says radians.
#pragma once

#include <string>

#include "core/astro/birth_data.h"
#include "core/astro/position_text.h"

namespace vellamor {

// Minus the lunar ayanamsa in degrees (negative), T in Julian centuries from
// JD 2451545.0.
double LunarAyanamsaOffset(double centuries2000);

// Sum of the 25 periodic longitude terms, degrees.
double LunarLongitudeTerms(double centuries2000);

// Tropical geocentric longitude, degrees in [0, 360].
double TropicalMoonLongitude(double centuries2000);

struct EphemerisState {
    double localHours = 0;
    double zoneOffset = 0;             // magnitude after the daylight-saving hour
    double longitudeEastNegative = 0;  // only its sign is used
    double universalHours = 0;         // may be <0 or >=24; the date is not moved
    double julianDay = 0;
    double centuries2000 = 0;  // T from JD 2451545.0
    double ayanamsaOffset = 0;
    double moonLongitude = 0;  // sidereal, degrees
};

struct MoonChart {
    EphemerisState state;
    LongPositionText positionText;  // long position text of the sidereal Moon
};

MoonChart ComputeMoonChart(const BirthData& birth);

// The Moon for a birth `extraHours` later (negative: earlier) on the entered
// date, without the text; for searches over the birth time.
EphemerisState ComputeMoonState(const BirthData& birth, double extraHours);

}  // namespace vellamor
