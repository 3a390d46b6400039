// SPDX-License-Identifier: GPL-3.0-or-later
// The universal time of a birth, as the Ascendant and the Moon take it.
//
// The zone row gives only a magnitude: its direction comes from the
// longitude's hemisphere (East subtracts it from the local time, West adds
// it), and daylight saving widens an East zone and narrows a West one by an
// hour. The date is never moved: a universal time before midnight or after
// it stays on the local calendar date, as hours below 0 or from 24 on.
#pragma once

#include "core/astro/birth_data.h"

namespace vellamor {

struct UniversalTime {
    double localHours = 0;             // local clock time, hours, with any shift
    double zoneOffset = 0;             // zone magnitude after the daylight-saving hour
    double longitudeEastNegative = 0;  // degrees
    double universalHours = 0;  // hours from the local calendar date's midnight; may be <0 or >=24
    double julianDay = 0;       // Julian Day Number of the local calendar date
};

// For a birth `extraHours` later (negative: earlier) on the entered date.
UniversalTime BirthUniversalTime(const BirthData& birth, double extraHours = 0);

}  // namespace vellamor
