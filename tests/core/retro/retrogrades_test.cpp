// SPDX-License-Identifier: GPL-3.0-or-later
// Which planets a birth marks retrograde: only calendar days count, a station's
// own day is direct, and only the eight planets are ever marked.
#include "core/retro/retrogrades.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "cli/chart_json.h"
#include "core/chart/pipeline.h"

namespace vellamor {
namespace {

BirthData Birth(int year, int month, int day, int hour = 12, int minute = 0) {
    BirthData b;
    b.name = "Test Native";
    b.year = year;
    b.month = month;
    b.day = day;
    b.hour = hour;
    b.minute = minute;
    return b;
}

std::string Describe(const BirthData& b) {
    return std::to_string(b.day) + "." + std::to_string(b.month) + "." + std::to_string(b.year) +
           " " + std::to_string(b.hour) + ":" + std::to_string(b.minute);
}

TEST(IsRetrograde, MercuryAroundItsFirstPeriodOf2000) {
    // Mercury stood still on 21 February 2000 and again on 14 March 2000.
    struct Case {
        int month, day;
        bool retrograde;
    };
    constexpr Case cases[] = {
        {2, 20, false}, {2, 21, false}, {2, 22, true},  {3, 1, true},
        {3, 13, true},  {3, 14, false}, {3, 15, false},
    };
    for (const Case& c : cases) {
        for (auto [hour, minute] : {std::pair{0, 0}, {0, 1}, {12, 0}, {23, 59}}) {
            const BirthData b = Birth(2000, c.month, c.day, hour, minute);
            EXPECT_EQ(IsRetrograde(Body::Mercury, b), c.retrograde) << Describe(b);
            EXPECT_EQ(IsRetrograde("Mercury", b), c.retrograde) << Describe(b);
        }
    }
}

TEST(IsRetrograde, OnlyExactPlanetNamesAndThePlanetBodiesHaveTables) {
    const BirthData b = Birth(2000, 3, 1);
    EXPECT_TRUE(IsRetrograde("Mercury", b));
    for (std::string_view name : {"mercury", "Me", "Sun", "Moon", "Rahu", "Ketu", "Asc", ""}) {
        EXPECT_FALSE(IsRetrograde(name, b)) << '"' << name << '"';
    }
}

TEST(IsRetrograde, BirthsOutsideATablesSpanAreDirect) {
    for (const StationTable& table : StationTables()) {
        SCOPED_TRACE(table.name);
        const Station& first = table.periods.front().retrograde;
        const Station& last = table.periods.back().direct;
        EXPECT_FALSE(IsRetrograde(table.planet, Birth(first.year, first.month, first.day - 1)));
        EXPECT_FALSE(IsRetrograde(table.planet, Birth(last.year, last.month, last.day + 1)));
        EXPECT_FALSE(IsRetrograde(table.planet, Birth(1850, 6, 1)));
        EXPECT_FALSE(IsRetrograde(table.planet, Birth(2100, 6, 1)));
    }
}

// Every day from 1899 to 2052 against the rule stated directly on the
// stations' dates: retrograde strictly after the retrograde station's day and
// strictly before the direct station's day.
TEST(IsRetrograde, AgreesWithTheStationDaysOnEveryDayOfEveryTable) {
    using namespace std::chrono;
    const auto toDays = [](const Station& s) {
        return sys_days{year{s.year} / month{static_cast<unsigned>(s.month)} /
                        day{static_cast<unsigned>(s.day)}};
    };
    const sys_days start = year{1899} / January / 1;
    const sys_days end = year{2052} / December / 31;
    for (const StationTable& table : StationTables()) {
        std::vector<bool> expected(static_cast<std::size_t>((end - start).count()) + 1, false);
        for (const StationPeriod& p : table.periods) {
            for (sys_days d = toDays(p.retrograde) + days{1}; d < toDays(p.direct); d += days{1}) {
                expected[static_cast<std::size_t>((d - start).count())] = true;
            }
        }
        int mismatches = 0;
        for (sys_days d = start; d <= end && mismatches < 5; d += days{1}) {
            const year_month_day ymd{d};
            const BirthData b =
                Birth(static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                      static_cast<int>(unsigned(ymd.day())), 23, 59);
            const bool want = expected[static_cast<std::size_t>((d - start).count())];
            if (IsRetrograde(table.planet, b) != want) {
                ++mismatches;
                ADD_FAILURE() << table.name << " " << Describe(b) << " expected " << want;
            }
        }
    }
}

TEST(BracketingStations, NameThePeriodOrTheDirectStretchAroundTheBirth) {
    const auto text = [](const std::optional<Station>& s) {
        return s ? FormatStation(*s) : "none";
    };
    struct Case {
        BirthData birth;
        Body body;
        bool retrograde;
        std::string previous, next;
    };
    const Station mercuryFirst = StationTables()[0].periods.front().retrograde;
    const std::vector<Case> cases = {
        {Birth(2000, 3, 1), Body::Mercury, true, "2,21,2000,0,39,", "3,14,2000,20,28,"},
        {Birth(2000, 3, 14), Body::Mercury, false, "3,14,2000,20,28,", "6,23,2000,8,32,"},
        {Birth(2000, 6, 23), Body::Mercury, false, "3,14,2000,20,28,", "6,23,2000,8,32,"},
        {Birth(1890, 1, 1), Body::Mercury, false, "none", FormatStation(mercuryFirst)},
        {Birth(2051, 1, 1), Body::Mercury, false, "12,21,2050,11,33,", "none"},
        {Birth(2000, 3, 1), Body::Sun, false, "none", "none"},
        {Birth(2000, 3, 1), Body::Ketu, false, "none", "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.birth) + " body " + std::to_string(BodyIndex(c.body)));
        const StationBracket bracket = BracketingStations(c.body, c.birth);
        EXPECT_EQ(bracket.retrograde, c.retrograde);
        EXPECT_EQ(text(bracket.previous), c.previous);
        EXPECT_EQ(text(bracket.next), c.next);
    }
}

TEST(ComputeRetrogrades, MarksEachRetrogradePlanetAndNothingElse) {
    // 5 March 1980: Mercury, Mars, Jupiter, Saturn, Uranus and Pluto
    // retrograde; Venus and Neptune direct.
    const RetrogradeMarks marks = ComputeRetrogrades(Birth(1980, 3, 5, 7, 5));
    EnumArray<Body, bool> retrograde{};
    for (const Body b :
         {Body::Mercury, Body::Mars, Body::Jupiter, Body::Saturn, Body::Uranus, Body::Pluto})
        retrograde[b] = true;
    EXPECT_EQ(marks.retrograde, retrograde);
    const std::array<std::string_view, kBodyCount> labels{
        "S",      "M", "Me (R) ", "V", "Ma (R) ", "J (R) ", "Sa (R) ",
        "U (R) ", "N", "P (R) ",  "R", "K",       "Asc"};
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(marks.labels[i], labels[i]);
}

// Every day of the tables' span and a year either side: the chart's table of
// days must agree with the plain search of each table.
TEST(ComputeRetrogrades, FlagsAndLabelsAgreeAndOnlyPlanetsAreMarked) {
    for (int year = 1899; year <= 2052; ++year) {
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const BirthData b = Birth(year, month, day);
                const RetrogradeMarks marks = ComputeRetrogrades(b);
                for (int i = 0; i < kBodyCount; ++i) {
                    const auto body = static_cast<Body>(i);
                    const std::string base(kBaseLabels[static_cast<std::size_t>(i)]);
                    const bool marked = IsRetrograde(body, b);
                    EXPECT_EQ(marks.labels[static_cast<std::size_t>(i)].view(),
                              marked ? base + " (R) " : base)
                        << Describe(b);
                    EXPECT_EQ(marks.retrograde[body], marked) << Describe(b);
                }
            }
    }
}

TEST(ComputeRetrogrades, MarksReachTheChakraLegendRingsAndJson) {
    BirthData b = Birth(2000, 3, 1, 6, 30);
    b.zoneIndex = 34;
    b.zoneHours = 5;
    b.zoneMinutes = 30;
    b.lonDegrees = 73;
    b.lonMinutes = 51;
    b.latDegrees = 18;
    b.latMinutes = 31;
    b.eastLongitude = true;
    const Chart chart = CalculateChart(b);
    EXPECT_EQ(chart.chakra.legendLabels[BodyIndex(Body::Mercury)], "Me (R) ");
    EXPECT_EQ(chart.chakra.legendLabels[BodyIndex(Body::Venus)], "V");
    int marked = 0;
    for (const Sign s : AllOf<Sign>()) {
        for (const Occupant& o : chart.chakra.occupants(s))
            marked += o.retrograde ? (o.body == Body::Mercury ? 1 : 100) : 0;
    }
    EXPECT_EQ(marked, 1);
    const std::string json = ChartJson(chart);
    EXPECT_NE(json.find("{\"name\": \"Mercury\", \"label\": \"Me (R) \""), std::string::npos);
    EXPECT_NE(json.find("\"retrograde\": true"), std::string::npos);
    EXPECT_EQ(json.find("\"retrograde\": true"), json.rfind("\"retrograde\": true"));
}

}  // namespace
}  // namespace vellamor
