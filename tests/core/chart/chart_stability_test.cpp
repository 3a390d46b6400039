// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_stability.h"

#include <gtest/gtest.h>

#include <cmath>

#include "cli/chart_json.h"
#include "cli/wording.h"
#include "core/astro/position_text.h"
#include "json.h"

namespace vellamor {
namespace {

BirthData Pune(int year, int month, int day, int hour, int minute) {
    BirthData b;
    b.name = "Asha";
    b.year = year, b.month = month, b.day = day, b.hour = hour, b.minute = minute;
    b.zoneIndex = 34, b.zoneHours = 5, b.zoneMinutes = 30;
    b.lonDegrees = 73, b.lonMinutes = 51, b.eastLongitude = true;
    b.latDegrees = 18, b.latMinutes = 31;
    b.city = "Pune", b.state = "Maharashtra", b.country = "India";
    return b;
}

int AscSign(const BirthData& b, double minutes) {
    return SignIndexOf(ComputeAscendantWithoutText(b, minutes / 60.0).ascendant);
}
int MoonSign(const BirthData& b, double minutes) {
    return SignIndexOf(ComputeMoonState(b, minutes / 60.0).moonLongitude);
}

// The reported times are where the sign really changes: unchanged a few
// seconds before, changed a few seconds after, in both directions.
TEST(ChartStability, SearchFindsTheSignChangeToTheSecond) {
    const double tolerance = 1.0 / 60.0;  // minutes: one second
    for (int hour : {0, 5, 11, 23}) {
        for (int day : {1, 15, 28}) {
            const BirthData b = Pune(1980 + day, 1 + hour % 12, day, hour, 59);
            SCOPED_TRACE(std::to_string(day) + " " + std::to_string(hour));
            const SignChangeWindow asc = AscendantSignWindow(b);
            const SignChangeWindow moon = MoonSignWindow(b);
            ASSERT_TRUE(asc.earlierMinutes && asc.laterMinutes);
            ASSERT_TRUE(moon.earlierMinutes && moon.laterMinutes);
            const int a0 = AscSign(b, 0), m0 = MoonSign(b, 0);
            EXPECT_EQ(AscSign(b, *asc.laterMinutes - tolerance), a0);
            EXPECT_NE(AscSign(b, *asc.laterMinutes + tolerance), a0);
            EXPECT_EQ(AscSign(b, -*asc.earlierMinutes + tolerance), a0);
            EXPECT_NE(AscSign(b, -*asc.earlierMinutes - tolerance), a0);
            EXPECT_EQ(MoonSign(b, *moon.laterMinutes - tolerance), m0);
            EXPECT_NE(MoonSign(b, *moon.laterMinutes + tolerance), m0);
            EXPECT_EQ(MoonSign(b, -*moon.earlierMinutes + tolerance), m0);
            EXPECT_NE(MoonSign(b, -*moon.earlierMinutes - tolerance), m0);
            // A Lagna lasts hours, a Moon sign days.
            EXPECT_LT(*asc.earlierMinutes + *asc.laterMinutes, 6 * 60);
            EXPECT_LT(*moon.earlierMinutes + *moon.laterMinutes, 3.5 * 24 * 60);
        }
    }
}

// A birth at 23:59 whose next Lagna starts after midnight: the search goes on
// into the next day exactly as a later birth time on the next date would.
TEST(ChartStability, SearchRunsPastMidnight) {
    const BirthData b = Pune(1990, 7, 10, 23, 59);
    const SignChangeWindow asc = AscendantSignWindow(b);
    ASSERT_TRUE(asc.laterMinutes);
    BirthData nextDay = Pune(1990, 7, 11, 0, 0);
    const double afterMidnight = *asc.laterMinutes - 1.0;
    if (afterMidnight > 0.1) {
        const SignChangeWindow fromMidnight = AscendantSignWindow(nextDay);
        ASSERT_TRUE(fromMidnight.laterMinutes);
        EXPECT_NEAR(*fromMidnight.laterMinutes, afterMidnight, 0.05);
    }
}

// Born exactly as the Ascendant enters a sign: the smallest step earlier
// changes it.
TEST(ChartStability, BirthExactlyAtASignChange) {
    BirthData b = Pune(2001, 3, 21, 6, 0);
    const SignChangeWindow w = AscendantSignWindow(b);
    ASSERT_TRUE(w.laterMinutes);
    // Move the birth onto the change (whole minutes: the entry form's grain),
    // then look from there.
    const int m = static_cast<int>(std::ceil(*w.laterMinutes));
    b.hour += (b.minute + m) / 60;
    b.minute = (b.minute + m) % 60;
    const SignChangeWindow at = AscendantSignWindow(b);
    ASSERT_TRUE(at.earlierMinutes);
    EXPECT_LE(*at.earlierMinutes, 1.0);
    EXPECT_GT(*at.laterMinutes, 10.0);
}

TEST(ChartStability, DurationsAreTruncatedLikeEveryOtherFigure) {
    const struct {
        double minutes;
        MinuteSpan span;
    } cases[] = {
        {0.4, {SpanUnit::UnderAMinute, 0, 0}}, {14.99, {SpanUnit::Minutes, 14, 0}},
        {112.9, {SpanUnit::Hours, 1, 52}},     {1439.9, {SpanUnit::Hours, 23, 59}},
        {1440.0, {SpanUnit::Days, 1, 0}},      {2 * 1440 + 5 * 60 + 59, {SpanUnit::Days, 2, 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpanOfMinutes(c.minutes), c.span) << c.minutes;
    EXPECT_EQ(TruncateToTenth(14.99), 14.9);
    // A side with no change states the span searched.
    const SignChangeFacts f = SignChangeFactsOf(SignChanger::Moon, {14.2, std::nullopt});
    EXPECT_TRUE(f.earlier.found);
    EXPECT_EQ(f.earlier.span, (MinuteSpan{SpanUnit::Minutes, 14, 0}));
    EXPECT_FALSE(f.later.found);
    EXPECT_EQ(f.later.span, (MinuteSpan{SpanUnit::Days, 40, 0}));
}

// Within one arcminute of either edge of its sign, and nothing further in.
TEST(ChartStability, BodiesNearEitherEdgeOfTheirSignAreFlagged) {
    struct Case {
        double longitude;
        bool near;
    };
    const double arcminute = 1.0 / 60.0;
    const std::vector<Case> cases{
        {60.0 + 0.5 * arcminute, true},
        {90.0 - 0.5 * arcminute, true},
        {0.2 * arcminute, true},
        {360.0 - 0.2 * arcminute, true},
        {60.0 + 1.5 * arcminute, false},
        {90.0 - 1.5 * arcminute, false},
        {75.0, false},
    };
    for (const Case& c : cases) {
        Chart chart;
        chart.planets.longitudes.fill(15.0);
        chart.planets.longitudes[BodyIndex(Body::Saturn)] = c.longitude;
        const std::vector<Body> near = BodiesNearSignBoundary(chart);
        EXPECT_EQ(near, c.near ? std::vector<Body>{Body::Saturn} : std::vector<Body>{})
            << c.longitude;
    }
}

// The tables' "2,26,1980" is month, day, year; a person reads the day first.
TEST(ChartStability, StationDatesReadAsDates) {
    EXPECT_EQ(StationDateReadable(CalendarDate{1980, 2, 26}), "26 February 1980");
    EXPECT_EQ(StationDateReadable(CalendarDate{2050, 12, 1}), "1 December 2050");
    EXPECT_EQ(StationDateText(CalendarDate{1980, 2, 26}), "2,26,1980");  // the JSON's, as ever
    StationEvidence e;
    e.planet = Body::Mercury, e.retrograde = true;
    e.before = CalendarDate{1980, 2, 26}, e.after = CalendarDate{1980, 3, 19};
    EXPECT_EQ(StationEvidenceText(e), "retrograde from 26 February 1980 to 19 March 1980");
    e.retrograde = false, e.after.reset();
    EXPECT_EQ(StationEvidenceText(e),
              "direct; last direct station 26 February 1980, next retrograde station (after the "
              "tables)");
}

TEST(ChartStability, ZoneNoteOnlyWhenTheZoneDoesNotFitTheLongitude) {
    struct Case {
        const char* what;
        int zoneRow, lonDeg, lonMin;
        bool east, expectNote;
    };
    const Case cases[] = {
        {"IST at Pune", 34, 73, 51, true, false},
        {"EST at New York", 27, 74, 0, false, false},
        {"IST at a West longitude", 34, 73, 51, false, true},
        {"GMT in Pune: too far", 29, 73, 51, true, true},
        {"CET on longitude 0 (counts as West)", 20, 0, 0, true, true},
        {"GMT on longitude 0", 29, 0, 0, true, false},
        {"EST 1 h 29 min from solar time", 27, 97, 15, false, false},
        {"EST 1 h 31 min from solar time", 27, 97, 45, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BirthData b = Pune(1985, 8, 15, 6, 30);
        b.zoneIndex = c.zoneRow;
        b.lonDegrees = c.lonDeg, b.lonMinutes = c.lonMin, b.eastLongitude = c.east;
        const std::optional<ZoneMisfit> misfit = CheckZoneFit(CalculateChart(b));
        EXPECT_EQ(misfit.has_value(), c.expectNote);
        if (misfit) {
            EXPECT_EQ(misfit->rule, MisfitRule::Classic);
            EXPECT_EQ(misfit->ascendantInstant.month, 8);
            EXPECT_EQ(misfit->ascendantInstant.year, 1985);
        }
    }
}

TEST(ChartStability, StationEvidenceBracketsTheBirthDay) {
    struct Case {
        int month, day;
        bool retrograde;
        const char *before, *after;
        bool dayDecided;
    };
    // Mercury's period of 21 February to 14 March 2000.
    const Case cases[] = {
        {3, 1, true, "2,21,2000", "3,14,2000", false},
        {2, 22, true, "2,21,2000", "3,14,2000", true},  // the day after the station
        {2, 21, false, "", "2,21,2000", true},          // on the station day: direct
        {3, 14, false, "3,14,2000", "", true},
        {2, 10, false, "", "2,21,2000", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day));
        const auto stations = StationEvidenceFor(Pune(2000, c.month, c.day, 12, 0));
        ASSERT_EQ(stations.size(), 8u);
        const StationEvidence& mercury = stations[0];
        EXPECT_EQ(mercury.planet, Body::Mercury);
        EXPECT_EQ(mercury.retrograde, c.retrograde);
        if (*c.before) {
            EXPECT_EQ(StationDateText(mercury.before), c.before);
        }
        if (*c.after) {
            EXPECT_EQ(StationDateText(mercury.after), c.after);
        }
        EXPECT_EQ(mercury.dayDecided, c.dayDecided);
    }
    // Every planet has both sides inside the tables' span.
    for (const StationEvidence& e : StationEvidenceFor(Pune(1980, 3, 5, 7, 5))) {
        EXPECT_TRUE(e.before);
        EXPECT_TRUE(e.after);
    }
}

TEST(ChartStability, JsonShape) {
    const Chart chart = CalculateChart(Pune(1985, 8, 15, 6, 30));
    ChartStability s = AnalyzeChartStability(chart);
    s.nearBoundary = {Body::Moon};
    const testjson::Value v = testjson::Parse(StabilityJson(s));
    EXPECT_EQ(testjson::Keys(v), (std::vector<std::string>{"ascendant", "moon", "nearBoundary",
                                                           "stations", "zoneNote"}));
    EXPECT_EQ(testjson::Keys(v.at("ascendant")),
              (std::vector<std::string>{"earlierMinutes", "laterMinutes"}));
    EXPECT_GT(v.at("moon").at("laterMinutes").get<double>(), 0);
    EXPECT_EQ(v.at("nearBoundary").at(0).get<std::string>(), "Moon");
    EXPECT_EQ(v.at("zoneNote").get<std::string>(), "");
}

}  // namespace
}  // namespace vellamor
