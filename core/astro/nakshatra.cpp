// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/nakshatra.h"

#include <algorithm>
#include <cmath>

namespace vellamor {

Nakshatra NakshatraOf(double siderealDegrees) {
    double degrees = std::fmod(siderealDegrees, 360.0);
    if (degrees < 0)
        degrees += 360.0;
    // Counted in padas (108 round the circle) so that the nakshatra and its
    // pada come from one division and can never disagree at a boundary.
    const int pada = std::clamp(static_cast<int>(std::floor(degrees * 3 / 10)), 0, 107);
    Nakshatra n;
    n.number = pada / 4 + 1;
    n.pada = pada % 4 + 1;
    n.degreesIn = std::max(0.0, degrees - (n.number - 1) * kNakshatraDegrees);
    return n;
}

}  // namespace vellamor
