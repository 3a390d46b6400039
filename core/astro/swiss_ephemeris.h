// SPDX-License-Identifier: GPL-3.0-or-later
// Precise sidereal positions from Swiss Ephemeris: the only file that talks
// to the library.
//
// Units: longitudes in degrees 0..360 on the sidereal zodiac of the chosen
// ayanamsa, speeds in degrees a day; places North and East positive (as the
// library takes them); time as a Julian day in universal time.
//
// The library keeps its settings (data folder, sidereal mode) per thread:
// every call here sets what it needs on the calling thread first, so charts
// computed on several threads at once cannot disturb one another.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/astro/bodies.h"
#include "core/astro/calculation.h"

namespace vellamor {

// Where the positions came from: the library's data files, or its built-in
// Moshier theory when the files cannot be found (a few tenths of an
// arcsecond off for the planets, somewhat more for the Moon).
enum class EphemerisSource { DataFiles, Moshier };

// Why the Moshier theory was used for some body.
enum class MoshierReason {
    FilesMissing,    // a data file the body needs is not in the folder
    FilesDamaged,    // one is there but the library refused it as damaged
    FolderNotPlain,  // the folder holds a pipe, a device or a folder under a
                     // data file's name, which could hang the library's read:
                     // the data files are not used at all
};

struct PreciseMoment {
    // Sun..Ketu and the Ascendant in body order; Ketu is opposite Rahu.
    std::array<double, kBodyCount> longitudes{};
    // Sun..Rahu, degrees a day (Ketu and the Ascendant 0): negative is
    // retrograde.
    std::array<double, kBodyCount> speeds{};
    double ayanamsaDegrees = 0;  // the ayanamsa at that instant
    // Moshier when any body was computed by it (the library may fall back for
    // one body only, the Moon say, and say so only in its error text).
    EphemerisSource source = EphemerisSource::DataFiles;
    MoshierReason moshierReason = MoshierReason::FilesMissing;  // for Moshier
    // The library's file of time corrections (delta T) in use, such as
    // "sedeltat.txt", which moves every position; empty when none.
    std::string timeCorrectionFile;
};

// All thirteen bodies at one instant and place. Geometric positions leave
// out light-time and aberration (the Ascendant, a point of the sky and not a
// body, and the mean node are the same either way).
PreciseMoment ComputePreciseMoment(double julianDayUniversal, double latitudeNorth,
                                   double longitudeEast, Ayanamsa ayanamsa, LunarNode node,
                                   Positions positions);

// The sidereal Ascendant alone, and the sidereal Moon alone, for searches
// over the birth time.
double PreciseAscendant(double julianDayUniversal, double latitudeNorth, double longitudeEast,
                        Ayanamsa ayanamsa);
double PreciseMoonLongitude(double julianDayUniversal, Ayanamsa ayanamsa, Positions positions);

// One body, Sun to Ketu, for searches over time: its sidereal longitude and
// its speed, exactly as ComputePreciseMoment finds them (Ketu opposite Rahu,
// at Rahu's speed).
struct PreciseMotion {
    double longitude = 0;  // degrees
    double speed = 0;      // degrees a day
};
PreciseMotion PreciseBodyMotion(Body body, double julianDayUniversal, Ayanamsa ayanamsa,
                                LunarNode node, Positions positions);

// Julian day (universal time) of a Gregorian date and hour.
double JulianDayUniversal(int year, int month, int day, double hours);

// The library's own version, e.g. "2.10.03".
std::string_view SwissEphemerisVersion();

}  // namespace vellamor
