// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/ascendant.h"

#include <cmath>

#include "core/astro/calendar_math.h"
#include "core/astro/position_text.h"
#include "core/astro/universal_time.h"

namespace vellamor {

double AyanamsaOffset(double t) {
    double omega = (933060.0 - 6962911.0 * t + 7.5 * (t * t)) / 3600.0;
    omega = SubtractTurnsWhileAtLeast360(omega);
    const double l2 = (2013816.0 + 259205536.0 * t) / 3600.0;
    const double delta = 1.27 * std::sin(l2 * kDegToRad) + 17.23 * std::sin(omega * kDegToRad);
    const double p = delta - (5025.64 + 1.11 * t) * t;
    return (p - 80861.27) / 3600.0;
}

namespace {

// Julian centuries from 1900 January 0.5 to the birth's universal time.
double Centuries1900(const UniversalTime& u) {
    return (u.julianDay - 2415020.0 + u.universalHours / 24.0 - 0.5) / 36525.0;
}

}  // namespace

double BirthAyanamsaOffset(const BirthData& b) {
    return AyanamsaOffset(Centuries1900(BirthUniversalTime(b, 0.0)));
}

PositionState ComputeAscendantWithoutText(const BirthData& b, double extraHours) {
    PositionState s;
    const UniversalTime u = BirthUniversalTime(b, extraHours);
    s.localHours = u.localHours;
    s.zoneOffset = u.zoneOffset;
    s.julianDay = u.julianDay;
    s.universalHours = u.universalHours;
    const double longitude = u.longitudeEastNegative;
    double latitude = b.latDegrees + b.latMinutes / 60.0;
    if (b.southLatitude)
        latitude = -latitude;
    s.longitudeEastNegative = longitude;
    s.latitudeSouthNegative = latitude;

    const double t = Centuries1900(u);
    s.centuries1900 = t;
    s.ayanamsaOffset = AyanamsaOffset(t);

    // Universal time enters in plain hours, without the solar-to-sidereal
    // factor; a negative angle is left as it is (only its trigonometric
    // functions are used).
    double sidereal =
        15.0 * (6.6460656 + 2400.0513 * t + 0.0000258 * (t * t) + s.universalHours) - longitude;
    sidereal = SubtractTurnsWhileAtLeast360(sidereal);
    s.siderealAngleRadians = sidereal * kDegToRad;
    s.obliquityRadians = (23.452294 - 0.0130125 * t) * kDegToRad;

    const double S = s.siderealAngleRadians;
    const double eps = s.obliquityRadians;
    const double phi = latitude * kDegToRad;
    const double y = std::cos(S);
    const double x = -(std::sin(S) * std::cos(eps)) - std::sin(eps) * std::tan(phi);
    double a = QuadrantArcTangent(y, x);
    if (a < 0)
        a += kPi;
    if (std::cos(S) < 0)
        a += kPi;
    a = a * kRadToDeg;
    a = SubtractTurnsWhileAtLeast360(a);
    a = a + s.ayanamsaOffset;
    WrapDegrees(a);
    s.ascendant = a;
    return s;
}

PositionState ComputeAscendant(const BirthData& b) {
    PositionState s = ComputeAscendantWithoutText(b, 0.0);
    s.ascendantText = FormatSignPosition(s.ascendant);
    return s;
}

}  // namespace vellamor
