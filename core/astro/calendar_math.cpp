// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/calendar_math.h"

#include "core/astro/civil_date.h"

namespace vellamor {

double JulianDayNumber(int year, int month, int day) {
    // 1 January 1970, day 0 of the civil day numbers, is Julian Day 2440588.
    return CalendarDayNumber({year, month, day}) + 2440588.0;
}

double QuadrantArcTangent(double y, double x) {
    auto sgn = [](double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); };
    if (x > 0)
        return std::atan(y / x);
    if (x == 0)
        return y != 0 ? sgn(y) * kPi / 2.0 : 0.0;
    if (x < 0)
        return sgn(y) * (kPi - std::atan(std::fabs(y / x)));
    return 0.0;  // NaN input: no quadrant
}

double WrapDegrees(double& degrees) {
    if (degrees < 0)
        degrees += 360.0;
    if (degrees > 360.0)
        degrees -= 360.0;
    return degrees;
}

}  // namespace vellamor
