// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/universal_time.h"

#include "core/astro/calendar_math.h"

namespace vellamor {

UniversalTime BirthUniversalTime(const BirthData& b, double extraHours) {
    UniversalTime u;
    u.localHours = b.hour + b.minute / 60.0;
    // A shifted birth time keeps the entered date, like any local time the
    // formulas accept: an hour of 24 or more is absorbed by the centuries.
    if (extraHours != 0)
        u.localHours += extraHours;
    u.zoneOffset = b.zoneHours + b.zoneMinutes / 60.0;
    u.longitudeEastNegative = b.lonDegrees + b.lonMinutes / 60.0;
    if (b.eastLongitude)
        u.longitudeEastNegative = -u.longitudeEastNegative;
    if (b.daylightSaving) {
        if (u.longitudeEastNegative < 0) {
            u.zoneOffset += 1.0;
        } else {
            u.zoneOffset -= 1.0;
        }
    }
    u.julianDay = JulianDayNumber(b.year, b.month, b.day);
    u.universalHours =
        u.longitudeEastNegative < 0 ? u.localHours - u.zoneOffset : u.localHours + u.zoneOffset;
    return u;
}

}  // namespace vellamor
