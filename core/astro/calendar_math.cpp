// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/calendar_math.h"

namespace vellamor {

double JulianDayNumber(int year, int month, int day) {
    // Whole-number arithmetic in doubles with floor, exactly as the formula
    // is written; the intermediate values exceed 16 bits but are exact here.
    const double n = 12.0 * (year + 4800.0) + month - 3.0;
    double j = day +
               std::floor((365.0 * n + 2.0 * (n - 12.0 * std::floor(n / 12.0)) + 7.0) / 12.0) +
               std::floor(n / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j = j + std::floor(n / 4800.0) - std::floor(n / 1200.0) + 38.0;
    }
    return j;
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
