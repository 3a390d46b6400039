// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/planet_positions.h"

#include <cmath>

#include "core/astro/calendar_math.h"
#include "core/astro/position_text.h"

namespace vellamor {
namespace {

// Mean elements at J2000.0 and their rates per Julian century: angles in
// degrees with rates in arc seconds per century, a in AU (rate AU/century),
// e dimensionless. Row 2 is the Earth-Moon barycentre, which gives the Sun.
struct ElementRow {
    double a, aRate, e, eRate, i, iRate, node, nodeRate, peri, periRate, l, lRate;
};

constexpr auto kElements = std::to_array<ElementRow>({
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
    {19.19126393, 0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40,
     170.96424, 1312.56, 313.23218, 1542547.79},
    {30.06896348, -0.00125196, 0.00858587, 0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135,
     -844.43, 304.88003, 786449.21},
    {39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33,
     224.06676, -132.25, 238.92881, 522747.90},
});
static_assert(kElements.size() == kElementBodies);

constexpr int kEarth = 2;
constexpr double kTolerance = 1e-12;

}  // namespace

double DayNumberJ2000(int y, int m, int D, int h, int min) {
    // 1 January 2000 is civil day 10957; d counts from its noon.
    return CalendarDayNumber({y, m, D}) - 10957.5 + (h + min / 60.0) / 24.0;
}

double NormalizeRadians(double x) {
    double r = x / kTwoPi;
    r = r - std::trunc(r);
    r = r * kTwoPi;
    if (r < 0)
        r += kTwoPi;
    return r;
}

double TrueAnomaly(double M, double e) {
    double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
    // Newton's method converges in a handful of rounds for these orbits; the
    // cap only guards against a value that never settles (it cannot be
    // reached with the element table, so it changes no result).
    for (int round = 0; round < 200; ++round) {
        const double E0 = E;
        E = E0 - (E0 - e * std::sin(E0) - M) / (1.0 - e * std::cos(E0));
        if (!(std::fabs(E - E0) > kTolerance))
            break;
    }
    double v = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (v < 0)
        v += kTwoPi;
    return v;
}

OrbitalElements LoadOrbitalElements(int k, double d) {
    const ElementRow& row = kElements[static_cast<std::size_t>(k)];
    const double T = d / 36525.0;
    OrbitalElements el;
    el.semiMajorAxis = row.a + row.aRate * T;
    el.eccentricity = row.e + row.eRate * T;
    el.inclination = kDegToRad * (row.i + row.iRate * T / 3600.0);
    el.ascendingNode = kDegToRad * (row.node + row.nodeRate * T / 3600.0);
    el.perihelion = kDegToRad * (row.peri + row.periRate * T / 3600.0);
    el.meanLongitude = NormalizeRadians(kDegToRad * (row.l + row.lRate * T / 3600.0));
    return el;
}

EarthPosition ComputeEarthPosition(double d) {
    const OrbitalElements e = LoadOrbitalElements(kEarth, d);
    const double ee = e.eccentricity;
    const double vE = TrueAnomaly(NormalizeRadians(e.meanLongitude - e.perihelion), ee);
    const double rE = e.semiMajorAxis * (1.0 - ee * ee) / (1.0 + ee * std::cos(vE));
    return {rE * std::cos(vE + e.perihelion), rE * std::sin(vE + e.perihelion)};
}

double GeocentricLongitude(int k, double d, const EarthPosition& earth) {
    double x = 0, y = 0;
    if (k != kEarth) {
        const OrbitalElements b = LoadOrbitalElements(k, d);
        const double e = b.eccentricity;
        const double v = TrueAnomaly(NormalizeRadians(b.meanLongitude - b.perihelion), e);
        const double r = b.semiMajorAxis * (1.0 - e * e) / (1.0 + e * std::cos(v));
        const double u = b.perihelion + v - b.ascendingNode;
        const double cosNode = std::cos(b.ascendingNode);
        const double sinNode = std::sin(b.ascendingNode);
        const double cosI = std::cos(b.inclination);
        const double cosU = std::cos(u);
        const double sinU = std::sin(u);
        x = r * (cosNode * cosU - sinU * sinNode * cosI);
        y = r * (sinNode * cosU + sinU * cosNode * cosI);
    }
    const double X = x - earth.x;
    const double Y = y - earth.y;
    double lambda = QuadrantArcTangent(Y, X) * (180.0 / kPi);
    lambda = SubtractTurnsWhileAbove360(lambda);
    lambda = AddTurnsWhileNegative(lambda);
    return lambda;
}

double GeocentricLongitude(int k, double d) {
    return GeocentricLongitude(k, d, ComputeEarthPosition(d));
}

double TropicalRahu(double d) {
    double n = kDegToRad * (125.1228 - 0.0529538083 * d);
    n = NormalizeRadians(n);
    return n * (180.0 / 3.1416) - 1.0;
}

namespace {

// Element row k to body index in chart order.
constexpr auto kBodyOfElement =
    std::to_array<Body>({Body::Mercury, Body::Venus, Body::Sun, Body::Mars, Body::Jupiter,
                         Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto});
static_assert(kBodyOfElement.size() == kElementBodies);

// Hours first, then minutes; the sum is the same instant.
CivilDateTime PlanetUniversal(const BirthData& b, int zoneTableHours, int zoneTableMinutes) {
    return AddMinutes({b.year, b.month, b.day, b.hour, b.minute},
                      zoneTableHours * 60LL + zoneTableMinutes);
}

double DayNumberOf(const CivilDateTime& u) {
    return DayNumberJ2000(u.year, u.month, u.day, u.hour, u.minute);
}

double Sidereal(double tropical, double ayanamsa) {
    return AddTurnsWhileNegative(tropical - ayanamsa);
}

double KetuOf(double rahu) {
    return std::fabs(SubtractTurnsWhileAbove360(rahu + 180.0));
}

}  // namespace

PlanetLongitudes ComputePlanetLongitudes(const BirthData& b, double ayanamsaOffset,
                                         int zoneTableHours, int zoneTableMinutes) {
    PlanetLongitudes p;
    p.universal = PlanetUniversal(b, zoneTableHours, zoneTableMinutes);
    const double d = DayNumberOf(p.universal);
    p.dayNumber = d;
    const double ayanamsa = std::fabs(ayanamsaOffset);
    const EarthPosition earth = ComputeEarthPosition(d);
    for (int k = 0; k < kElementBodies; ++k) {
        const int i = BodyIndex(kBodyOfElement[static_cast<std::size_t>(k)]);
        const double tropical = GeocentricLongitude(k, d, earth);
        p.tropical[i] = tropical;
        p.longitudes[i] = Sidereal(tropical, ayanamsa);
    }

    const int rahu = BodyIndex(Body::Rahu);
    const double rahuTropical = TropicalRahu(d);
    const double r = Sidereal(rahuTropical, ayanamsa);
    p.tropical[rahu] = rahuTropical;
    p.longitudes[rahu] = r;
    p.longitudes[BodyIndex(Body::Ketu)] = KetuOf(r);
    return p;
}

double ComputePlanetLongitude(Body body, const BirthData& b, double ayanamsaOffset,
                              int zoneTableHours, int zoneTableMinutes) {
    const double d = DayNumberOf(PlanetUniversal(b, zoneTableHours, zoneTableMinutes));
    const double ayanamsa = std::fabs(ayanamsaOffset);
    if (body == Body::Rahu || body == Body::Ketu) {
        const double r = Sidereal(TropicalRahu(d), ayanamsa);
        return body == Body::Ketu ? KetuOf(r) : r;
    }
    for (int k = 0; k < kElementBodies; ++k)
        if (kBodyOfElement[static_cast<std::size_t>(k)] == body)
            return Sidereal(GeocentricLongitude(k, d), ayanamsa);
    return 0;  // the Moon and the Ascendant have computations of their own
}

PlanetPositions ComputePlanetPositions(const BirthData& b, const PositionState& asc,
                                       const MoonChart& moon, int zoneTableHours,
                                       int zoneTableMinutes) {
    const PlanetLongitudes numbers =
        ComputePlanetLongitudes(b, asc.ayanamsaOffset, zoneTableHours, zoneTableMinutes);
    PlanetPositions p;
    p.universal = numbers.universal;
    p.dayNumber = numbers.dayNumber;
    p.longitudes = numbers.longitudes;
    p.tropical = numbers.tropical;

    // The Moon's and the Ascendant's long texts are those of their own
    // longitudes, as their computations wrote them.
    p.longitudes[BodyIndex(Body::Moon)] = moon.state.moonLongitude;
    p.longitudes[BodyIndex(Body::Ascendant)] = asc.ascendant;
    FillPositionTexts(p);
    return p;
}

void FillPositionTexts(PlanetPositions& p) {
    for (std::size_t i = 0; i < p.longitudes.size(); ++i) {
        PositionTexts texts = FormatPositionTexts(p.longitudes[i]);
        p.longTexts[i] = std::move(texts.longText);
        p.positionTexts[i] = std::move(texts.shortText);
        p.signs[i] = SignNumber(texts.sign) - 1;
    }
}

}  // namespace vellamor
