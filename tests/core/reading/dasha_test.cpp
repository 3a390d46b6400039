// SPDX-License-Identifier: GPL-3.0-or-later
// The running year, month and period of the Sudarshan dasha, and the
// transits read against a chart.
#include "core/reading/dasha.h"

#include <gtest/gtest.h>

#include "cli/chart_words.h"
#include "cli/wording.h"
#include "core/reading/transits.h"

namespace vellamor {
namespace {

BirthData Birth(int y, int mo, int d, int h, int mi) {
    BirthData b;
    b.name = "Test";
    b.year = y, b.month = mo, b.day = d, b.hour = h, b.minute = mi;
    b.zoneIndex = 34;  // IST, the row's offsets -5 h -30 min
    b.zoneHours = 5, b.zoneMinutes = 30;
    b.eastLongitude = true, b.lonDegrees = 77, b.lonMinutes = 13;
    b.latDegrees = 28, b.latMinutes = 37;
    return b;
}

std::string Text(const CivilDateTime& t) {
    return ClockText(t);
}

// Months of a common year last 43,800 minutes (30 d 10 h) and periods 3,650
// (2 d 12 h 50 min); in a year holding 29 February 43,920 and 3,660.
TEST(Dasha, YearMonthAndPeriodAtTheirEdges) {
    struct Case {
        const char* what;
        BirthData birth;
        CivilDateTime reading;
        int year, month, period;
        int yearHouse, monthHouse, periodHouse;
    };
    const BirthData march5 = Birth(1980, 3, 5, 7, 5);
    const BirthData leapDay = Birth(1984, 2, 29, 10, 0);
    const Case cases[] = {
        {"the birth itself", march5, {1980, 3, 5, 7, 5}, 1, 1, 1, 1, 1, 1},
        {"a minute before the first birthday", march5, {1981, 3, 5, 7, 4}, 1, 12, 12, 1, 12, 11},
        {"on the first birthday", march5, {1981, 3, 5, 7, 5}, 2, 1, 1, 2, 2, 2},
        {"the thirteenth year wraps to the 1st house",
         march5,
         {1992, 3, 5, 7, 5},
         13,
         1,
         1,
         1,
         1,
         1},
        {"the twenty-fourth year is the 12th house",
         march5,
         {2004, 3, 5, 7, 4},
         24,
         12,
         12,
         12,
         11,
         10},
        {"last minute of the second year's first month",
         march5,
         {1981, 4, 4, 17, 4},
         2,
         1,
         12,
         2,
         2,
         1},
        {"the second month starts after 43,800 minutes",
         march5,
         {1981, 4, 4, 17, 5},
         2,
         2,
         1,
         2,
         3,
         3},
        {"the second period starts after 3,650 minutes",
         march5,
         {1981, 3, 7, 19, 55},
         2,
         1,
         2,
         2,
         2,
         3},
        {"a minute earlier is still the first period",
         march5,
         {1981, 3, 7, 19, 54},
         2,
         1,
         1,
         2,
         2,
         2},
        {"a year holding 29 February: months of 43,920 minutes",
         march5,
         {1983, 4, 4, 19, 5},
         4,
         2,
         1,
         4,
         5,
         5},
        {"29 February birth, 28 February of a common year",
         leapDay,
         {1985, 2, 28, 23, 59},
         1,
         12,
         12,
         1,
         12,
         11},
        {"29 February birth counts from 1 March in a common year",
         leapDay,
         {1985, 3, 1, 10, 0},
         2,
         1,
         1,
         2,
         2,
         2},
        {"the twelfth year: its cycle is years 1 to 12",
         march5,
         {1991, 6, 1, 12, 0},
         12,
         3,
         11,
         12,
         2,
         12},
        {"29 February birth, on its day in a leap year",
         leapDay,
         {1988, 2, 29, 10, 0},
         5,
         1,
         1,
         5,
         5,
         5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto p = ComputeProgression(CalculateChart(c.birth), c.reading);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->span(DashaLevel::Year).number, c.year);
        EXPECT_EQ(p->span(DashaLevel::Month).number, c.month);
        EXPECT_EQ(p->span(DashaLevel::Period).number, c.period);
        EXPECT_EQ(p->span(DashaLevel::Year).house, c.yearHouse);
        EXPECT_EQ(p->span(DashaLevel::Month).house, c.monthHouse);
        EXPECT_EQ(p->span(DashaLevel::Period).house, c.periodHouse);
        // Every span holds the reading, half-open.
        for (const DashaSpan& s : p->spans) {
            EXPECT_LE(MinutesSince1970(s.from), MinutesSince1970(c.reading));
            EXPECT_GT(MinutesSince1970(s.to), MinutesSince1970(c.reading));
        }
        // The cycle of twelve years shows the running year under its house.
        const auto cycle = DashaCycle(CalculateChart(c.birth), c.year);
        const DashaSpan& listed = cycle[static_cast<std::size_t>(c.yearHouse - 1)];
        EXPECT_EQ(listed.number, c.year);
        EXPECT_EQ(listed.house, c.yearHouse);
        EXPECT_EQ(Text(listed.from), Text(p->span(DashaLevel::Year).from));
        EXPECT_EQ(Text(listed.to), Text(p->span(DashaLevel::Year).to));
    }
}

TEST(Dasha, RefusesReadingsOutsideTheLifeAndTheCalendar) {
    const Chart chart = CalculateChart(Birth(1980, 3, 5, 7, 5));
    struct Case {
        CivilDateTime reading;
        ReadingError error;
    };
    const Case cases[] = {
        {{1980, 3, 5, 7, 4}, ReadingError::BeforeBirth},
        {{1899, 12, 31, 0, 0}, ReadingError::BeforeBirth},
        {{2051, 1, 1, 0, 0}, ReadingError::OutOfRange},
        {{2001, 2, 29, 12, 0}, ReadingError::NotADate},
        {{2001, 4, 1, 24, 0}, ReadingError::NotADate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Text(c.reading));
        const auto p = ComputeProgression(chart, c.reading);
        ASSERT_FALSE(p);
        EXPECT_EQ(p.error(), c.error);
        const auto t = ComputeTransits(chart, c.reading);
        ASSERT_FALSE(t);
        EXPECT_EQ(t.error(), c.error);
    }
    EXPECT_EQ(ReadingErrorText(ReadingError::BeforeBirth), "The reading is before the birth.");
    EXPECT_EQ(ReadingErrorText(ReadingError::OutOfRange),
              "The reading must lie between 1901 and 2050.");
    EXPECT_TRUE(ComputeReading(chart, {2050, 12, 31, 23, 59}));
}

// Worked by hand. Birth 5 March 1980 07:05 IST at Delhi: Ascendant and Sun in
// Aquarius (11), Moon in Virgo (6). The reading 7 December 2026
// 12:00 lies 399,175 minutes into the 47th year (from 5 March 2026 07:05),
// ruled by house 47 - 36 = 11; that is 9 whole months of 43,800 minutes, so
// month 10, ruled by house 11 + 9 = 20 = 8, from 4 December 01:05; the 4,975
// minutes left make 1 whole period of 3,650, so period 2, ruled by house 9,
// from 6 December 13:55. House H of a ring whose first sign is F holds sign
// F + H - 1, less 12 above 12: in the birth and Sun rings 11 + 10 - 12 = 9,
// 11 + 7 - 12 = 6 and 11 + 8 - 12 = 7; in the Moon ring 6 + 10 - 12 = 4,
// 6 + 7 - 12 = 1 and 6 + 8 - 12 = 2.
TEST(Dasha, Delhi5March1980At0705ReadOn7December2026AtNoon) {
    const Chart chart = CalculateChart(Birth(1980, 3, 5, 7, 5));
    ASSERT_EQ(chart.chakra.referenceSigns,
              (EnumArray<Ring, Sign>{{Sign::Aquarius, Sign::Virgo, Sign::Aquarius}}));
    const auto p = ComputeProgression(chart, {2026, 12, 7, 12, 0});
    ASSERT_TRUE(p);
    const DashaSpan& y = p->span(DashaLevel::Year);
    const DashaSpan& m = p->span(DashaLevel::Month);
    const DashaSpan& d = p->span(DashaLevel::Period);
    EXPECT_EQ((std::array{y.number, m.number, d.number}), (std::array{47, 10, 2}));
    EXPECT_EQ((std::array{y.house, m.house, d.house}), (std::array{11, 8, 9}));
    EXPECT_EQ(Text(y.from), "2026-03-05T07:05");
    EXPECT_EQ(Text(y.to), "2027-03-05T07:05");
    EXPECT_EQ(Text(m.from), "2026-12-04T01:05");
    EXPECT_EQ(Text(m.to), "2027-01-03T11:05");
    EXPECT_EQ(Text(d.from), "2026-12-06T13:55");
    EXPECT_EQ(Text(d.to), "2026-12-09T02:45");
    const std::array<std::array<int, 3>, 3> signs{{{9, 6, 7}, {4, 1, 2}, {9, 6, 7}}};
    for (int r = 0; r < kRingCount; ++r) {
        for (int l = 0; l < kDashaLevelCount; ++l) {
            const House& h = p->house(static_cast<Ring>(r), static_cast<DashaLevel>(l));
            EXPECT_EQ(SignNumber(h.sign), signs[r][l]) << "ring " << r << " level " << l;
            EXPECT_EQ(h, chart.chakra.house(static_cast<Ring>(r), p->spans[l].house - 1));
        }
    }

    const auto cycle = DashaCycle(chart, y.number);
    EXPECT_EQ(cycle.front().number, 37);
    EXPECT_EQ(Text(cycle.front().from), "2016-03-05T07:05");
    EXPECT_EQ(cycle[10].number, 47);
    EXPECT_EQ(cycle[10].house, 11);
    EXPECT_EQ(Text(cycle.back().to), "2028-03-05T07:05");
}

// From the solar return, each year starts on the first minute the Sun is
// back at its birth longitude, classic or precise as the chart; the Delhi
// birth's 47th year from 6 March 2026, a day after the birthday, as
// 46 sidereal years outrun the calendar's by some 15 hours.
TEST(Dasha, SolarReturnYearsStartWhenTheSunIsBackAtItsBirthLongitude) {
    for (const CalculationMethod method :
         {CalculationMethod::Classic, CalculationMethod::Precise}) {
        SCOPED_TRACE(method == CalculationMethod::Classic ? "classic" : "precise");
        CalculationChoice choice{method};
        choice.sudarshanYear = SudarshanYear::SolarReturn;
        const Chart chart = CalculateChart(Birth(1980, 3, 5, 7, 5), choice);
        const double sun = chart.planets.longitudes[BodyIndex(Body::Sun)];
        const auto past = [&](const CivilDateTime& t) {
            return std::remainder(TransitLongitude(chart, Body::Sun, t) - sun, 360.0);
        };
        EXPECT_EQ(SolarReturn(chart, 0), (CivilDateTime{1980, 3, 5, 7, 5}));
        for (const int n : {1, 20, 46, 70}) {
            const CivilDateTime start = SolarReturn(chart, n);
            EXPECT_GE(past(start), 0) << n;
            EXPECT_LT(past(AddMinutes(start, -1)), 0) << n;
        }
        const auto p = ComputeProgression(chart, {2026, 12, 7, 12, 0});
        ASSERT_TRUE(p);
        EXPECT_EQ(p->yearStart, SudarshanYear::SolarReturn);
        const DashaSpan& y = p->span(DashaLevel::Year);
        EXPECT_EQ(y.number, 47);
        EXPECT_EQ(y.from, SolarReturn(chart, 46));
        EXPECT_EQ(y.to, SolarReturn(chart, 47));
        EXPECT_EQ(Text(y.from).substr(0, 10), "2026-03-06");
        // Twelve months of twelve periods share the year to the minute.
        const long long year = MinutesSince1970(y.to) - MinutesSince1970(y.from);
        const auto share = [&](DashaLevel level, long long parts) {
            const DashaSpan& s = p->span(level);
            const long long length = MinutesSince1970(s.to) - MinutesSince1970(s.from);
            return std::llabs(length * parts - year) <= parts;
        };
        EXPECT_TRUE(share(DashaLevel::Month, 12));
        EXPECT_TRUE(share(DashaLevel::Period, 144));
        EXPECT_EQ(DashaCycle(chart, 47)[10].from, y.from);
    }
}

// A transit read at an instant is the chart born then, body for body (its
// hour and minute the reading's, not the birth's); read at the birth instant
// its houses are the houses the chakra gives those bodies.
TEST(Transits, EqualTheChartBornAtTheReading) {
    BirthData west = Birth(1966, 7, 14, 23, 40);
    west.zoneIndex = 27, west.zoneHours = 5, west.zoneMinutes = 0;  // EST, -5 h
    west.eastLongitude = false, west.lonDegrees = 74, west.daylightSaving = true;
    const BirthData march5 = Birth(1980, 3, 5, 7, 5);
    const struct {
        BirthData birth;
        CivilDateTime reading;
    } cases[] = {
        {march5, {1980, 3, 5, 7, 5}},  {Birth(2012, 11, 28, 0, 15), {2012, 11, 28, 0, 15}},
        {west, {1966, 7, 14, 23, 40}}, {Birth(1901, 1, 1, 0, 0), {1901, 1, 1, 0, 0}},
        {march5, {1980, 3, 5, 12, 0}}, {march5, {2026, 7, 1, 12, 0}},  // Pluto retrograde
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            Text({c.birth.year, c.birth.month, c.birth.day, c.birth.hour, c.birth.minute}) +
            " read at " + Text(c.reading));
        BirthData then = c.birth;
        then.year = c.reading.year, then.month = c.reading.month, then.day = c.reading.day;
        then.hour = c.reading.hour, then.minute = c.reading.minute;
        const Chart born = CalculateChart(then);
        const auto t = ComputeTransits(CalculateChart(c.birth), c.reading);
        ASSERT_TRUE(t);
        for (int i = 0; i < kTransitBodyCount; ++i) {
            EXPECT_EQ(t->longitudes[i], born.planets.longitudes[i]) << kPlanetNames[i];
            EXPECT_EQ(t->longTexts[i], born.planets.longTexts[i]);
            EXPECT_EQ(t->positionTexts[i], born.planets.positionTexts[i]);
            EXPECT_EQ(t->labels[i], born.retrogrades.labels[i]);
            EXPECT_EQ(t->retrograde[i], t->labels[i].find("(R)") != std::string::npos)
                << kPlanetNames[i];
        }
        if (then.hour != c.birth.hour || then.minute != c.birth.minute)
            continue;
        const auto occupants = TransitOccupants(*t);
        // At the birth's own instant the bodies transit where they were born.
        for (const Sign s : AllOf<Sign>()) {
            Occupants birthSide;
            for (Occupant o : born.chakra.occupants(s)) {
                o.transit = true;
                if (o.body != Body::Ascendant)
                    birthSide.push_back(o);
            }
            EXPECT_EQ(occupants[s], birthSide) << "sign " << SignNumber(s);
        }
    }
}

TEST(Dasha, BirthClockIsTheZoneRowPlusTheDaylightSavingHour) {
    BirthData b = Birth(1980, 3, 5, 7, 5);
    EXPECT_EQ(Text(BirthClockFromUniversal(b, {2026, 12, 7, 6, 30})), "2026-12-07T12:00");
    b.zoneIndex = 27;  // EST, five hours behind universal time
    b.daylightSaving = true;
    EXPECT_EQ(Text(BirthClockFromUniversal(b, {2026, 12, 7, 2, 0})), "2026-12-06T22:00");
}

}  // namespace
}  // namespace vellamor
