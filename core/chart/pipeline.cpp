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

Chart::Chart(const BirthData& b)
    : birth(b),
      zoneTableHours(ZoneRowOf(b).hours),
      zoneTableMinutes(ZoneRowOf(b).minutes),
      ascendant(ComputeAscendant(b)),
      moon(ComputeMoonChart(b)),
      planets(ComputePlanetPositions(b, ascendant, moon, zoneTableHours, zoneTableMinutes)),
      retrogrades(ComputeRetrogrades(b)),
      ascendantSign(
          kSignAbbreviations[static_cast<std::size_t>(planets.signs[BodyIndex(Body::Ascendant)])]),
      chakra(BuildSudarshanChakra(planets.signs, retrogrades)) {}

Chart CalculateChart(const BirthData& birth) {
    return Chart(birth);
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
                                PreciseLongitudeEast(b), choice.ayanamsa, choice.node);
}

namespace {

Chart ClassicChart(const BirthData& b, const CalculationChoice& choice) {
    Chart classic(b);
    classic.calculation = choice;  // kept for the next choice, unused by the chart
    return classic;
}

Chart PreciseChart(const BirthData& b, const CalculationChoice& choice) {
    Chart c;
    c.birth = b;
    c.calculation = choice;
    c.zoneTableHours = ZoneRowOf(b).hours;
    c.zoneTableMinutes = ZoneRowOf(b).minutes;
    const CivilDateTime ut = SignedUniversalTime(b);
    const PreciseMoment m = PreciseMomentOf(b, choice);
    c.precise = PreciseCalculation{m.source, m.ayanamsaDegrees, ut};

    // The classic parts' numbers, where the rest of the program reads them.
    const std::size_t asc = BodyIndex(Body::Ascendant);
    const std::size_t moon = BodyIndex(Body::Moon);
    c.ascendant.localHours = b.hour + b.minute / 60.0;
    c.ascendant.longitudeEastNegative = -PreciseLongitudeEast(b);
    c.ascendant.latitudeSouthNegative = PreciseLatitudeNorth(b);
    c.ascendant.julianDay = JulianDayNumber(b.year, b.month, b.day);
    c.ascendant.universalHours =
        (MinutesSince1970(ut) - MinutesSince1970({b.year, b.month, b.day, 0, 0})) / 60.0;
    c.ascendant.ayanamsaOffset = -m.ayanamsaDegrees;
    c.ascendant.ascendant = m.longitudes[asc];
    c.moon.state.moonLongitude = m.longitudes[moon];
    c.moon.state.ayanamsaOffset = -m.ayanamsaDegrees;
    c.moon.state.universalHours = c.ascendant.universalHours;
    c.moon.state.localHours = c.ascendant.localHours;
    c.planets.universal = ut;
    c.planets.dayNumber = PreciseJulianDay(b) - 2451545.0;
    c.planets.longitudes = m.longitudes;
    for (int i = 0; i < kBodyCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        PositionTexts texts = FormatPositionTexts(m.longitudes[k]);
        c.planets.tropical[k] =
            i <= BodyIndex(Body::Rahu) ? std::fmod(m.longitudes[k] + m.ayanamsaDegrees, 360.0) : 0;
        c.planets.longTexts[k] = std::move(texts.longText);
        c.planets.positionTexts[k] = std::move(texts.shortText);
        c.planets.signs[k] = texts.sign;
    }
    c.ascendant.ascendantText = c.planets.longTexts[asc];
    c.moon.positionText = c.planets.longTexts[moon];

    std::array<bool, kStationPlanets> retrograde{};
    for (int k = 0; k < kStationPlanets; ++k)
        retrograde[static_cast<std::size_t>(k)] =
            m.speeds[static_cast<std::size_t>(BodyIndex(Body::Mercury) + k)] < 0;
    c.retrogrades = RetrogradeMarksOf(retrograde);
    c.ascendantSign = kSignAbbreviations[static_cast<std::size_t>(c.planets.signs[asc])];
    c.chakra = BuildSudarshanChakra(c.planets.signs, c.retrogrades);
    return c;
}

}  // namespace

Chart CalculateChart(const BirthData& b, const CalculationChoice& choice) {
    // Each made in the caller's chart: a chart is some kilobytes of texts,
    // and moving it out of one of two named charts cost a tenth of one.
    return choice.precise() ? PreciseChart(b, choice) : ClassicChart(b, choice);
}

}  // namespace vellamor
