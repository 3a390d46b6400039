// SPDX-License-Identifier: GPL-3.0-or-later
// The stays are checked against the positions themselves, minute by minute
// at their ends and hour by hour between them, so a step that jumped over a
// retrograde return would show.
#include "core/reading/sign_changes.h"

#include <gtest/gtest.h>

#include "cli/chart_words.h"
#include "core/astro/position_text.h"
#include "core/reading/dasha.h"
#include "core/reading/transits.h"

namespace vellamor {
namespace {

int SignAt(const Chart& chart, Body body, const CivilDateTime& t) {
    return SignIndexOf(TransitLongitude(chart, body, t));
}

TEST(SignStay, HoldsTheReadingAndEndsOnTheMinuteItChangesSign) {
    BirthData birth;
    birth.year = 1980, birth.month = 6, birth.day = 15, birth.hour = 10, birth.minute = 30;
    birth.zoneIndex = 0;
    const CalculationChoice precise{CalculationMethod::Precise, Ayanamsa::Lahiri, LunarNode::True};
    CalculationChoice geometric = precise;
    geometric.positions = Positions::Geometric;
    struct Case {
        const char* what;
        CalculationChoice choice;
        Body body;
        CivilDateTime reading;
        int signBeforeEntry;  // relative to the stay's sign: +1 is a retrograde return
        int signAfterExit;
    };
    const Case cases[] = {
        {"the Moon, classic", {}, Body::Moon, {2026, 12, 7, 12, 0}, -1, +1},
        {"Jupiter back into Cancer", {}, Body::Jupiter, {2027, 3, 1, 0, 0}, +1, +1},
        {"Jupiter leaving Leo backwards", {}, Body::Jupiter, {2026, 12, 7, 12, 0}, -1, -1},
        {"Saturn, precise", precise, Body::Saturn, {2026, 12, 7, 12, 0}, -1, +1},
        {"the true node, precise", precise, Body::Rahu, {2001, 3, 3, 3, 3}, +1, -1},
        {"Mercury, precise", precise, Body::Mercury, {2030, 1, 20, 6, 0}, -1, +1},
        // The true node's own limits: it swings faster than the mean node.
        {"the true node, a fast swing", precise, Body::Rahu, {1994, 6, 1, 12, 0}, +1, +1},
        // The last day of the program's years is searched to its end.
        {"the Moon on the last day", {}, Body::Moon, {2050, 12, 30, 12, 0}, -1, +1},
        {"Saturn, precise geometric", geometric, Body::Saturn, {2026, 12, 7, 12, 0}, -1, +1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Chart chart = CalculateChart(birth, c.choice);
        const SignStay stay = FindSignStay(chart, c.body, c.reading);
        ASSERT_TRUE(stay.enters && stay.leaves);
        const int sign = SignAt(chart, c.body, c.reading);
        const auto turned = [sign](int other) { return (other - sign + 18) % 12 - 6; };
        EXPECT_EQ(SignAt(chart, c.body, *stay.enters), sign);
        EXPECT_EQ(turned(SignAt(chart, c.body, AddMinutes(*stay.enters, -1))), c.signBeforeEntry);
        EXPECT_EQ(SignAt(chart, c.body, AddMinutes(*stay.leaves, -1)), sign);
        EXPECT_EQ(turned(SignAt(chart, c.body, *stay.leaves)), c.signAfterExit);
        for (CivilDateTime t = *stay.enters; MinutesSince1970(t) < MinutesSince1970(*stay.leaves);
             t = AddMinutes(t, 60))
            ASSERT_EQ(SignAt(chart, c.body, t), sign) << ClockText(t);
    }
}

// Geometric bodies stand ahead of the apparent ones (the light comes from
// where they were), so they change sign first: the Sun by its 20" of
// aberration, some 8 minutes; Saturn by about an hour or more.
TEST(SignStay, GeometricPositionsChangeSignBeforeApparentOnes) {
    BirthData birth;
    birth.year = 1980, birth.month = 6, birth.day = 15, birth.hour = 10, birth.minute = 30;
    const CalculationChoice apparent{CalculationMethod::Precise};
    CalculationChoice geometric = apparent;
    geometric.positions = Positions::Geometric;
    struct Case {
        Body body;
        CivilDateTime reading;
        long long fewest, most;  // minutes earlier
    };
    const Case cases[] = {
        {Body::Sun, {2026, 12, 7, 12, 0}, 6, 10},
        {Body::Saturn, {2026, 12, 7, 12, 0}, 30, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kPlanetNames[static_cast<std::size_t>(c.body)]);
        const SignStay a = FindSignStay(CalculateChart(birth, apparent), c.body, c.reading);
        const SignStay g = FindSignStay(CalculateChart(birth, geometric), c.body, c.reading);
        ASSERT_TRUE(a.leaves && g.leaves);
        const long long earlier = MinutesSince1970(*a.leaves) - MinutesSince1970(*g.leaves);
        EXPECT_GE(earlier, c.fewest);
        EXPECT_LE(earlier, c.most);
    }
}

TEST(SignStay, IsUnknownBeyondTheYearsOfTheProgram) {
    BirthData birth;
    birth.year = 1901, birth.month = 1, birth.day = 1;
    const Chart chart = CalculateChart(birth);
    EXPECT_FALSE(FindSignStay(chart, Body::Pluto, {1901, 6, 1, 0, 0}).enters);
    EXPECT_FALSE(FindSignStay(chart, Body::Pluto, {2050, 6, 1, 0, 0}).leaves);
}

// The search runs on the birth's clock alone; its positions must be the
// transits' own to the last bit, whatever else the births hold, and births
// on one clock, and readings within a stay, share what was found before.
TEST(SignStay, BirthsOnOneClockShareTheTransitsOwnPositions) {
    struct Case {
        int zoneIndex, zoneHours, zoneMinutes, lonDegrees;
        bool east, daylightSaving;
        CalculationChoice choice;
    };
    const CalculationChoice precise{CalculationMethod::Precise, Ayanamsa::Raman, LunarNode::True};
    const Case cases[] = {
        {54, 8, 0, 122, false, true, {}},    {54, 8, 0, 77, false, true, {}},  // one clock
        {20, 5, 30, 73, true, false, {}},    {20, 5, 30, 0, true, false, {}},  // 0 E is West
        {0, 0, 0, 0, false, false, precise}, {33, 3, 0, 45, true, true, precise},
    };
    SignStayMemo memo;
    for (const Case& c : cases) {
        BirthData b;
        b.year = 1984, b.month = 2, b.day = 29, b.hour = 23, b.minute = 45;
        b.zoneIndex = c.zoneIndex, b.zoneHours = c.zoneHours, b.zoneMinutes = c.zoneMinutes;
        b.lonDegrees = c.lonDegrees, b.latDegrees = c.lonDegrees / 3;
        b.eastLongitude = c.east, b.daylightSaving = c.daylightSaving;
        b.name = "Row " + std::to_string(c.lonDegrees);
        const Chart chart = CalculateChart(b, c.choice);
        // A later reading, and one back: the memo keeps the stays that
        // still hold and searches again for the others.
        for (const CivilDateTime reading :
             {CivilDateTime{2031, 10, 5, 0, 30}, CivilDateTime{2031, 11, 20, 12, 0},
              CivilDateTime{2031, 10, 5, 0, 31}}) {
            const auto transits = ComputeTransits(chart, reading);
            ASSERT_TRUE(transits);
            for (int i = 0; i < kTransitBodyCount; ++i) {
                EXPECT_EQ(TransitLongitude(chart, static_cast<Body>(i), reading),
                          transits->longitudes[static_cast<std::size_t>(i)])
                    << c.zoneIndex << " " << i;
            }
            EXPECT_TRUE(memo.Find(TransitClockOf(chart), reading) == transits->stays)
                << c.zoneIndex << " " << ClockText(reading);
        }
        // On the minute the Moon leaves, its stay is the next one.
        const CivilDateTime exit =
            *memo.Find(TransitClockOf(chart),
                       {2031, 10, 5, 12, 0})[static_cast<std::size_t>(BodyIndex(Body::Moon))]
                 .leaves;
        EXPECT_TRUE(memo.Find(TransitClockOf(chart), exit) == ComputeTransits(chart, exit)->stays)
            << c.zoneIndex << " " << ClockText(exit);
    }
}

}  // namespace
}  // namespace vellamor
