// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/pipeline.h"

#include <cmath>

#include "core/astro/calendar_math.h"
#include "core/astro/time_zones.h"

namespace vellamor {
namespace {

const TimeZoneRow& ZoneRowOf(const BirthData& birth) {
    const TimeZoneRow* zone = TimeZoneAt(birth.zoneIndex);
    return zone ? *zone : *TimeZoneAt(0);
}

}  // namespace

Chart CalculateChart(const BirthData& birth) {
    return CalculateChart(birth, CalculationChoice{});
}

std::optional<int> ExactOffsetSecondsEast(const BirthData& b) {
    switch (b.exactOffset.kind) {
        case ExactOffsetKind::None:
            return std::nullopt;
        case ExactOffsetKind::Fixed:
            return b.exactOffset.secondsEast;
        case ExactOffsetKind::LocalMeanTime:
            return LocalMeanTimeSeconds(b.lonDegrees, b.lonMinutes, b.eastLongitude);
    }
    return std::nullopt;
}

namespace {

// Seconds of universal time after the minute of the local clock time, which
// an exact offset's seconds move (0..59 once floored to the minute).
long long ExactUniversalSeconds(const BirthData& b, int secondsEast) {
    return MinutesSince1970({b.year, b.month, b.day, b.hour, b.minute}) * 60 - secondsEast;
}

long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

int UniversalSecond(const BirthData& b) {
    const auto east = ExactOffsetSecondsEast(b);
    if (!east)
        return 0;
    const long long seconds = ExactUniversalSeconds(b, *east);
    return static_cast<int>(seconds - FloorDiv(seconds, 60) * 60);
}

CivilDateTime SignedUniversalTime(const BirthData& b) {
    if (const auto east = ExactOffsetSecondsEast(b)) {
        const long long minutes = FloorDiv(ExactUniversalSeconds(b, *east), 60);
        return AddMinutes({1970, 1, 1, 0, 0}, minutes);
    }
    const TimeZoneRow& zone = ZoneRowOf(b);
    // The row holds its offset west of Greenwich positive.
    const long long westMinutes = zone.hours * 60LL + zone.minutes;
    return AddMinutes({b.year, b.month, b.day, b.hour, b.minute},
                      westMinutes - (b.daylightSaving ? 60 : 0));
}

double PreciseJulianDay(const BirthData& b, double extraHours) {
    const CivilDateTime ut = SignedUniversalTime(b);
    double hours = ut.hour + ut.minute / 60.0;
    if (const int second = UniversalSecond(b); second != 0)
        hours += second / 3600.0;
    return JulianDayUniversal(ut.year, ut.month, ut.day, hours + extraHours);
}

double PreciseLatitudeNorth(const BirthData& b) {
    const double latitude = b.latDegrees + b.latMinutes / 60.0;
    return b.southLatitude ? -latitude : latitude;
}

double PreciseLongitudeEast(const BirthData& b) {
    const double longitude = b.lonDegrees + b.lonMinutes / 60.0;
    return b.eastLongitude ? longitude : -longitude;
}

PreciseMoment PreciseMomentOf(const BirthData& b, const CalculationChoice& choice,
                              double extraHours) {
    return ComputePreciseMoment(PreciseJulianDay(b, extraHours), PreciseLatitudeNorth(b),
                                PreciseLongitudeEast(b), choice.ayanamsa, choice.node,
                                choice.positions);
}

namespace {

// Ascendant, Moon, planets and marks by the classic formulas, in that order:
// each step takes the ones before it.
void MakeClassic(Chart& c) {
    const BirthData& b = c.birth;
    // Braces: clang does not yet build an aggregate from parentheses.
    ClassicDiagnostics& classic = c.method.emplace<ClassicDiagnostics>(
        ClassicDiagnostics{ComputeAscendant(b), ComputeMoonChart(b)});
    c.planets = ComputePlanetPositions(b, classic.ascendant, classic.moon, c.zoneTableHours,
                                       c.zoneTableMinutes);
    c.retrogrades = ComputeRetrogrades(b);
}

// Every body from Swiss Ephemeris at the universal time of the zone row's
// own sign; the marks from the planets' speeds.
void MakePrecise(Chart& c) {
    const BirthData& b = c.birth;
    const CivilDateTime ut = SignedUniversalTime(b);
    const PreciseMoment m = PreciseMomentOf(b, c.calculation);
    c.method = PreciseCalculation{m.source,           m.ayanamsaDegrees, ut,
                                  UniversalSecond(b), m.moshierReason,   m.timeCorrectionFile};
    PlanetPositions& p = c.planets;
    p.universal = ut;
    p.dayNumber = PreciseJulianDay(b) - 2451545.0;
    p.longitudes = m.longitudes;
    for (const Body body : AllOf<Body>()) {
        const auto k = static_cast<std::size_t>(body);
        p.tropical[k] =
            body <= Body::Rahu ? std::fmod(m.longitudes[k] + m.ayanamsaDegrees, 360.0) : 0;
    }
    FillPositionTexts(p);
    EnumArray<Body, bool> retrograde{};
    for (const Body planet : kStationBodies)
        retrograde[planet] = m.speeds[static_cast<std::size_t>(planet)] < 0;
    c.retrogrades = RetrogradeMarksOf(retrograde);
}

}  // namespace

Chart CalculateChart(const BirthData& b, const CalculationChoice& choice) {
    Chart c;
    c.birth = b;
    c.calculation = choice;
    c.zoneTableHours = ZoneRowOf(b).hours;
    c.zoneTableMinutes = ZoneRowOf(b).minutes;
    if (choice.precise())
        MakePrecise(c);
    else
        MakeClassic(c);
    c.chakra = BuildSudarshanChakra(c.planets.signs, c.retrogrades);
    return c;
}

}  // namespace vellamor
