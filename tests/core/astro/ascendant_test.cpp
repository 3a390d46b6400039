// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/ascendant.h"

#include <gtest/gtest.h>

#include "core/astro/bodies.h"
#include "core/astro/calendar_math.h"
#include "core/astro/position_text.h"

namespace vellamor {
namespace {

BirthData Birth(int year, int month, int day, int hour, int minute, int zoneHours, int zoneMinutes,
                int lonDeg, int lonMin, bool east, int latDeg, int latMin, bool south, bool dst) {
    BirthData b;
    b.year = year, b.month = month, b.day = day, b.hour = hour, b.minute = minute;
    b.zoneHours = zoneHours, b.zoneMinutes = zoneMinutes;
    b.lonDegrees = lonDeg, b.lonMinutes = lonMin, b.eastLongitude = east;
    b.latDegrees = latDeg, b.latMinutes = latMin, b.southLatitude = south;
    b.daylightSaving = dst;
    return b;
}

TEST(Ascendant, WorkedCharts) {
    struct Case {
        const char* what;
        BirthData birth;
        double universalHours, centuries, ayanamsa, siderealDegrees, ascendant;
        const char* shortForm;
    };
    const Case cases[] = {
        {"London meridian, 1 Jan 2000 12:00 GMT",
         Birth(2000, 1, 1, 12, 0, 0, 0, 0, 0, false, 51, 30, false, false), 12, 1.0, -23.853991,
         280.460871, 0.443931, "00 Ari 26"},
        {"Delhi, 15 Aug 1985 06:30 IST",
         Birth(1985, 8, 15, 6, 30, 5, 30, 77, 13, true, 28, 37, false, false), 1, 0.8561955,
         -23.654011, 55.605791, 126.236669, "06 Leo 14"},
        {"Delhi, 15 Aug 1985 06:30 IST with daylight saving",
         Birth(1985, 8, 15, 6, 30, 5, 30, 77, 13, true, 28, 37, false, true), 0, 0.8561944,
         -23.654009, 40.564723, 113.311922, "23 Can 18"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PositionState s = ComputeAscendant(c.birth);
        EXPECT_DOUBLE_EQ(s.universalHours, c.universalHours);
        EXPECT_NEAR(s.centuries1900, c.centuries, 5e-8);
        EXPECT_NEAR(s.ayanamsaOffset, c.ayanamsa, 5e-7);
        EXPECT_NEAR(s.siderealAngleRadians / kDegToRad, c.siderealDegrees, 5e-6);
        EXPECT_NEAR(s.ascendant, c.ascendant, 5e-7);
        EXPECT_EQ(ShortPositionText(s.ascendantText), c.shortForm);
    }
}

TEST(Ascendant, CalendarAndAyanamsaAnchors) {
    EXPECT_EQ(JulianDayNumber(2000, 1, 1), 2451545.0);
    EXPECT_EQ(JulianDayNumber(1900, 1, 1), 2415021.0);
    EXPECT_EQ(JulianDayNumber(2000, 3, 1) - JulianDayNumber(2000, 2, 28), 2.0);  // 29 Feb 2000
    EXPECT_EQ(JulianDayNumber(1900, 3, 1) - JulianDayNumber(1900, 2, 28), 1.0);  // none in 1900
    EXPECT_NEAR(AyanamsaOffset(0), -22.466282, 5e-7);
    EXPECT_NEAR(AyanamsaOffset(1), -23.853991, 5e-7);
}

// The direction of the zone comes from the longitude's hemisphere, and the
// daylight-saving hour widens an East zone and narrows a West one; a longitude
// of 0 entered as East counts as West.
TEST(Ascendant, ZoneDirectionAndDaylightSaving) {
    struct Case {
        const char* what;
        int zoneHours, zoneMinutes, lonDeg;
        bool east, dst;
        double localHour, universalHours;
    };
    const Case cases[] = {
        {"East zone 5:30 just after midnight", 5, 30, 77, true, false, 2, -3.5},
        {"EST magnitude 5 with daylight saving", 5, 0, 74, false, true, 12, 16},
        {"GMT with daylight saving, West", 0, 0, 1, false, true, 12, 11},
        {"GMT with daylight saving, East", 0, 0, 1, true, true, 12, 11},
        {"0 degrees East counts as West", 5, 0, 0, true, false, 12, 17},
        {"0 degrees East with daylight saving", 5, 0, 0, true, true, 12, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BirthData b = Birth(1990, 6, 1, static_cast<int>(c.localHour), 0, c.zoneHours,
                            c.zoneMinutes, c.lonDeg, 0, c.east, 10, 0, false, c.dst);
        EXPECT_DOUBLE_EQ(ComputeAscendant(b).universalHours, c.universalHours);
    }
}

TEST(Ascendant, StaysWithinOneTurnForAnyAdmittedInput) {
    // Coordinates admit 0..999; an odd multiple of 90 degrees of latitude
    // makes the tangent huge but finite.
    for (int lat : {0, 45, 89, 90, 270, 999}) {
        for (int lon : {0, 77, 180, 999}) {
            for (int hour : {0, 11, 23}) {
                BirthData b = Birth(1950 + hour, 1 + hour % 12, 1 + hour, hour, 59, 12, 30, lon, 59,
                                    lon % 2 == 1, lat, 0, lat % 2 == 0, hour % 2 == 0);
                const PositionState s = ComputeAscendant(b);
                EXPECT_GE(s.ascendant, 0.0);
                EXPECT_LE(s.ascendant, 360.0);
                const std::string sign = s.ascendantText.str().substr(s.ascendantText.size() - 3);
                EXPECT_NE(std::string(kSignAbbreviationString).find(sign), std::string::npos)
                    << s.ascendantText;
            }
        }
    }
}

}  // namespace
}  // namespace vellamor
