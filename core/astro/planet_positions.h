// SPDX-License-Identifier: GPL-3.0-or-later
// Geocentric longitudes of the Sun and the planets from mean Keplerian
// elements (J2000 ecliptic and equinox), the mean lunar node, and the
// thirteen short position texts of a chart.
//
// Time is the day number d from J2000.0 (2000 January 1, 12:00 UT). Element
// angles are radians; returned longitudes are degrees.
#pragma once

#include <array>
#include <string>

#include "core/astro/ascendant.h"
#include "core/astro/birth_data.h"
#include "core/astro/bodies.h"
#include "core/astro/civil_date.h"
#include "core/astro/moon.h"
#include "core/astro/position_text.h"

namespace vellamor {

// Index into the element table: 0 Mercury, 1 Venus, 2 Earth (for the Sun),
// 3 Mars, ..., 8 Pluto.
inline constexpr int kElementBodies = 9;

struct OrbitalElements {
    double semiMajorAxis;  // AU
    double eccentricity;
    double inclination;    // radians
    double ascendingNode;  // radians
    double perihelion;     // radians
    double meanLongitude;  // radians, 0..2pi
};

double DayNumberJ2000(int year, int month, int day, int hour, int minute);
double NormalizeRadians(double x);
double TrueAnomaly(double meanAnomaly, double eccentricity);
OrbitalElements LoadOrbitalElements(int k, double d);

// Heliocentric ecliptic position of the Earth, computed once per instant.
struct EarthPosition {
    double x = 0, y = 0;
};
EarthPosition ComputeEarthPosition(double d);

// Geocentric tropical longitude in degrees, 0..360.
double GeocentricLongitude(int k, double d, const EarthPosition& earth);
double GeocentricLongitude(int k, double d);

// Tropical longitude of the mean lunar node in the program's convention
// (converted back with 3.1416 and one degree less), degrees.
double TropicalRahu(double d);

// The numbers of a chart's planets without their texts: the planets'
// universal date and time, d, and the longitudes of Sun..Ketu in body order
// (the Moon's and the Ascendant's entries stay 0).
struct PlanetLongitudes {
    CivilDateTime universal;
    double dayNumber = 0;
    std::array<double, kBodyCount> longitudes{};  // sidereal, degrees
    std::array<double, kBodyCount> tropical{};    // Sun..Rahu, degrees
};

// ayanamsaOffset is the planets' (PositionState::ayanamsaOffset); the zone
// values are the row's signed ones, as for ComputePlanetPositions.
PlanetLongitudes ComputePlanetLongitudes(const BirthData& birth, double ayanamsaOffset,
                                         int zoneTableHours, int zoneTableMinutes);

// One body's sidereal longitude as ComputePlanetLongitudes finds it, for
// searches over time: the Sun, Mercury to Pluto, Rahu or Ketu (0 for the
// Moon and the Ascendant, which have computations of their own).
double ComputePlanetLongitude(Body body, const BirthData& birth, double ayanamsaOffset,
                              int zoneTableHours, int zoneTableMinutes);

struct PlanetPositions {
    CivilDateTime universal;  // the planets' universal date and time
    double dayNumber = 0;     // d
    // Sidereal longitudes in body order (Sun..Ketu; Moon and Ascendant copied
    // from their own computations), degrees.
    std::array<double, kBodyCount> longitudes{};
    std::array<double, kBodyCount> tropical{};                // Sun..Rahu where defined
    std::array<LongPositionText, kBodyCount> longTexts;       // long position texts
    std::array<ShortPositionForm, kBodyCount> positionTexts;  // short forms
    std::array<int, kBodyCount> signs{};  // 0 = Aries .. 11 = Pisces, as the texts name them
};

// zoneTableHours/Minutes are the zone row's signed values (west positive);
// the daylight-saving flag is not applied to the planets.
PlanetPositions ComputePlanetPositions(const BirthData& birth, const PositionState& ascendant,
                                       const MoonChart& moon, int zoneTableHours,
                                       int zoneTableMinutes);

// Each body's long and short texts and its sign, from its longitude.
void FillPositionTexts(PlanetPositions& positions);

}  // namespace vellamor
