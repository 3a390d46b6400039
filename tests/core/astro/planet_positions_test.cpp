// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/planet_positions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/chart/pipeline.h"

namespace vellamor {
namespace {

BirthData GreenwichNoon2000() {
    BirthData b;
    b.name = "Greenwich";
    b.year = 2000, b.month = 1, b.day = 1, b.hour = 12, b.minute = 0;
    b.zoneIndex = 29;  // GMT
    b.latDegrees = 51, b.latMinutes = 30;
    b.city = b.state = b.country = "X";
    return b;
}

// 1 January 2000, 12:00 GMT on the Greenwich meridian (d = 0).
TEST(PlanetPositions, WorkedChartAtJ2000) {
    const Chart c = CalculateChart(GreenwichNoon2000());
    EXPECT_EQ(c.planets.dayNumber, 0.0);
    struct Row {
        Body body;
        double tropical, sidereal;
        const char* shortForm;
    };
    const Row rows[] = {
        {Body::Sun, 280.379632, 256.525641, "16 Sag 31"},
        {Body::Mercury, 271.906024, 248.052033, "08 Sag 03"},
        {Body::Venus, 241.578068, 217.724078, "07 Sco 43"},
        {Body::Mars, 327.982802, 304.128811, "04 Aqu 07"},
        {Body::Jupiter, 25.361134, 1.507144, "01 Ari 30"},
        {Body::Saturn, 40.214662, 16.360671, "16 Ari 21"},
        {Body::Uranus, 314.790105, 290.936114, "20 Cap 56"},
        {Body::Neptune, 303.191603, 279.337612, "09 Cap 20"},
        {Body::Pluto, 251.454279, 227.600289, "17 Sco 36"},
        {Body::Rahu, 124.12250740914982, 100.268517, "10 Can 16"},
    };
    for (const Row& r : rows) {
        const int i = BodyIndex(r.body);
        SCOPED_TRACE(std::string(kPlanetNames[i]));
        EXPECT_NEAR(c.planets.tropical[i], r.tropical, 5e-7);
        EXPECT_NEAR(c.planets.longitudes[i], r.sidereal, 5e-7);
        EXPECT_EQ(c.planets.positionTexts[i], r.shortForm);
    }
    EXPECT_NEAR(c.planets.longitudes[BodyIndex(Body::Ketu)], 280.268517, 5e-7);
    EXPECT_EQ(c.planets.positionTexts[BodyIndex(Body::Ketu)], "10 Cap 16");
}

TEST(PlanetPositions, DayNumber) {
    EXPECT_EQ(DayNumberJ2000(2000, 1, 1, 12, 0), 0.0);
    EXPECT_NEAR(DayNumberJ2000(1985, 8, 15, 1, 0), -5252.458333333333, 1e-9);
}

// The planets take the zone row's signed offset and ignore daylight saving;
// an East zone can put their universal date on the previous day.
TEST(PlanetPositions, UniversalTimeFromTheSignedZoneRow) {
    BirthData b = GreenwichNoon2000();
    b.zoneIndex = 34;  // IST, hours -5, minutes -30
    b.zoneHours = 5, b.zoneMinutes = 30;
    b.hour = 3;
    b.eastLongitude = true, b.lonDegrees = 77;
    Chart c = CalculateChart(b);
    EXPECT_EQ(c.planets.universal, (CivilDateTime{1999, 12, 31, 21, 30}));
    const double withoutDst = c.planets.dayNumber;
    b.daylightSaving = true;
    c = CalculateChart(b);
    EXPECT_EQ(c.planets.dayNumber, withoutDst);
    // ... while the Ascendant moves by the daylight-saving hour.
    ASSERT_TRUE(c.classic());
    EXPECT_DOUBLE_EQ(c.classic()->ascendant.universalHours, 3 - 6.5);
}

TEST(PlanetPositions, KetuOpposesRahuAndAllStayWithinOneTurn) {
    for (double d = -36525; d <= 18262; d += 97.3) {
        const double r = TropicalRahu(d);
        EXPECT_GE(r, -1.0);
        EXPECT_LT(r, 360.0);
        for (int k = 0; k < kElementBodies; ++k) {
            const double l = GeocentricLongitude(k, d);
            ASSERT_GE(l, 0.0);
            ASSERT_LE(l, 360.0);
        }
    }
    BirthData b = GreenwichNoon2000();
    for (int year = 1901; year <= 2050; year += 7) {
        b.year = year;
        const Chart c = CalculateChart(b);
        const double rahu = c.planets.longitudes[BodyIndex(Body::Rahu)];
        const double ketu = c.planets.longitudes[BodyIndex(Body::Ketu)];
        EXPECT_NEAR(std::fmod(ketu - rahu + 360.0, 360.0), 180.0, 1e-9) << year;
    }
}

// Sharing one Earth position between the bodies of a chart must give exactly
// what computing it for each body does.
TEST(PlanetPositions, SharedEarthPositionIsBitIdentical) {
    for (double d : {-36000.25, -5252.458333, 0.0, 1234.5, 18000.75}) {
        const EarthPosition earth = ComputeEarthPosition(d);
        for (int k = 0; k < kElementBodies; ++k) {
            EXPECT_EQ(GeocentricLongitude(k, d, earth), GeocentricLongitude(k, d));
        }
    }
}

TEST(PlanetPositions, TrueAnomalyAndRadianNormalisation) {
    EXPECT_NEAR(NormalizeRadians(-1.0), 6.28318530717958 - 1.0, 1e-12);
    EXPECT_NEAR(NormalizeRadians(7.0), 7.0 - 6.28318530717958, 1e-12);
    EXPECT_EQ(TrueAnomaly(0.0, 0.2), 0.0);
    // Circular orbit: true anomaly equals mean anomaly.
    EXPECT_NEAR(TrueAnomaly(1.0, 0.0), 1.0, 1e-12);
    // Pluto's eccentricity, a quarter turn: Kepler's equation holds.
    const double e = 0.2488, M = 1.5707963267949;
    const double v = TrueAnomaly(M, e);
    const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
    EXPECT_NEAR(E - e * std::sin(E), M, 1e-10);
}

}  // namespace
}  // namespace vellamor
