// SPDX-License-Identifier: GPL-3.0-or-later
// Small numeric helpers shared by the Moon and the planets.
//
// The program's constants are its own decimal literals, not the
// full-precision values they stand for: every computed position depends on
// them to the last digit.
#pragma once

#include <cmath>

namespace vellamor {

inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

// Julian Day Number (a whole number) of a civil date. Every date the program
// reckons lies long after the Gregorian reform, so the civil calendar is the
// Gregorian one throughout.
double JulianDayNumber(int year, int month, int day);

// Arc tangent of y / x in the quadrant of (x, y), radians in (-pi, pi].
double QuadrantArcTangent(double y, double x);

// Adds 360 once when below 0, then subtracts 360 once when above 360.
// Exactly 360 stays 360.
double WrapDegrees(double& degrees);

// Repeated "add 360 while below 0" and "subtract 360 while above/at 360"
// loops, done in one exact step. Each addition of 360 is exact in double
// arithmetic at the magnitudes that occur, and so is fmod, so these give the
// same value as the loops.
inline double AddTurnsWhileNegative(double x) {
    if (!(x < 0))
        return x;
    double r = std::fmod(x, 360.0);  // exact, in (-360, 0]
    return r < 0 ? r + 360.0 : r;
}

// while x >= 360: x -= 360 (values below 360 are left alone).
inline double SubtractTurnsWhileAtLeast360(double x) {
    if (!(x >= 360.0))
        return x;
    return std::fmod(x, 360.0);
}

// while x > 360: x -= 360 (exactly 360, and any whole multiple, ends at 360).
inline double SubtractTurnsWhileAbove360(double x) {
    if (!(x > 360.0))
        return x;
    double r = std::fmod(x, 360.0);
    return r == 0 ? 360.0 : r;
}

}  // namespace vellamor
