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

CivilDateTime SignedUniversalTime(const BirthData& b) {
    const TimeZoneRow& zone = ZoneRowOf(b);
    // The row holds its offset west of Greenwich positive.
    const long long westMinutes = zone.hours * 60LL + zone.minutes;
    return AddMinutes({b.year, b.month, b.day, b.hour, b.minute},
                      westMinutes - (b.daylightSaving ? 60 : 0));
}

double PreciseJulianDay(const BirthData& b, double extraHours) {
    const CivilDateTime ut = SignedUniversalTime(b);
    return JulianDayUniversal(ut.year, ut.month, ut.day, ut.hour + ut.minute / 60.0 + extraHours);
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
    ClassicDiagnostics& classic =
        c.method.emplace<ClassicDiagnostics>(ComputeAscendant(b), ComputeMoonChart(b));
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
    c.method =
        PreciseCalculation{m.source, m.ayanamsaDegrees, ut, m.moshierReason, m.timeCorrectionFile};
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
    c.chakra = BuildSudarshanChakra(b, c.planets.signs, c.retrogrades.labels);
    return c;
}

}  // namespace vellamor
