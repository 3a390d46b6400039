// SPDX-License-Identifier: GPL-3.0-or-later
// A birth at 2000-01-01 00:00 with the Moon at 3°20′, a quarter of the way
// through Ashwini: a quarter of Ketu's 7 years (1.75 years of 365.25 days,
// 639 days 4 h 30 min) has passed, so Ketu ran from 1998-04-01 19:30 and
// Venus's 20 years run from 2005-04-01 13:30.
#include "core/reading/vimshottari.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

TEST(Vimshottari, MoonAQuarterIntoAshwiniLeavesFiveAndAQuarterYearsOfKetu) {
    Chart chart;
    chart.birth.year = 2000;
    chart.birth.month = 1;
    chart.birth.day = 1;
    chart.planets.longitudes[BodyIndex(Body::Moon)] = 10.0 / 3;

    struct Expected {
        Body lord;
        CivilDateTime from, to;
    };
    struct Case {
        CivilDateTime reading;
        Expected maha, antar, pratyantar;
    };
    const Case cases[] = {
        // At the birth, half way through Ketu-Sun (0.35 years from 1.575 to
        // 1.925 years into Ketu); Saturn's part of it, 19/120, straddles it.
        {{2000, 1, 1, 0, 0},
         {Body::Ketu, {1998, 4, 1, 19, 30}, {2005, 4, 1, 13, 30}},
         {Body::Sun, {1999, 10, 29, 1, 57}, {2000, 3, 4, 22, 3}},
         {Body::Saturn, {1999, 12, 28, 19, 18}, {2000, 1, 18, 1, 5}}},
        // Venus begins on the minute: Venus-Venus (1217.5 days), its first
        // 20/120 (202 days 22 h).
        {{2005, 4, 1, 13, 30},
         {Body::Venus, {2005, 4, 1, 13, 30}, {2025, 4, 1, 13, 30}},
         {Body::Venus, {2005, 4, 1, 13, 30}, {2008, 8, 1, 1, 30}},
         {Body::Venus, {2005, 4, 1, 13, 30}, {2005, 10, 21, 11, 30}}},
        // On the minute Venus-Venus ends: the later part, Venus-Sun, its
        // first 6/120 (18 d 6:18).
        {{2008, 8, 1, 1, 30},
         {Body::Venus, {2005, 4, 1, 13, 30}, {2025, 4, 1, 13, 30}},
         {Body::Sun, {2008, 8, 1, 1, 30}, {2009, 8, 1, 7, 30}},
         {Body::Sun, {2008, 8, 1, 1, 30}, {2008, 8, 19, 7, 48}}},
        // After Venus-Venus and Venus-Sun (365.25 days), Venus-Moon (608.75
        // days), in it Moon 50 d 17:30, Mars 35 d 12:15, then Rahu 91 d 7:30.
        {{2010, 1, 1, 0, 0},
         {Body::Venus, {2005, 4, 1, 13, 30}, {2025, 4, 1, 13, 30}},
         {Body::Moon, {2009, 8, 1, 7, 30}, {2011, 4, 2, 1, 30}},
         {Body::Rahu, {2009, 10, 26, 13, 15}, {2010, 1, 25, 20, 45}}},
    };
    for (const Case& c : cases) {
        const VimshottariReading r = ComputeVimshottari(chart, c.reading);
        const Expected want[] = {c.maha, c.antar, c.pratyantar};
        for (int l = 0; l < kVimshottariLevelCount; ++l) {
            const VimshottariSpan& got = r.spans[static_cast<std::size_t>(l)];
            const Expected& w = want[l];
            SCOPED_TRACE(testing::Message()
                         << c.reading.year << "-" << c.reading.month << " level " << l);
            EXPECT_EQ(got.lord, w.lord);
            EXPECT_EQ(got.from, w.from);
            EXPECT_EQ(got.to, w.to);
        }
    }
    // The life's list: Ketu's remnant and the cycle on until past 120 years,
    // which the second Ketu (118.25 to 125.25 years) reaches.
    const std::vector<VimshottariSpan> life = VimshottariMahadashas(chart);
    ASSERT_EQ(life.size(), 10u);
    EXPECT_EQ(life.front().from, (CivilDateTime{1998, 4, 1, 19, 30}));
    EXPECT_EQ(life.back().lord, Body::Ketu);
    EXPECT_EQ(VimshottariAntardashas(chart, life[1]).back().to, life[1].to);
}

// Two births at 2000-01-01 00:00: the Moon a quarter into Ashwini (5.25
// years of Ketu left) and an eighth into Pushya at 5° Cancer (16.625 years
// of Saturn left: 16 years, 7 months and half a month, 15.2 days of a
// Julian year, 15 of a savana one). The next mahadasha starts that many
// years of the chosen length after the birth.
TEST(Vimshottari, TheYearsLengthMovesThePeriodsAndTheBalanceIsWhatIsLeft) {
    struct Case {
        double moon;
        DashaYear year;
        VimshottariBalance balance;
        CivilDateTime next;
    };
    const Case cases[] = {
        {10.0 / 3, DashaYear::Julian, {Body::Ketu, 5, 3, 0}, {2005, 4, 1, 13, 30}},
        {10.0 / 3, DashaYear::Sidereal, {Body::Ketu, 5, 3, 0}, {2005, 4, 1, 14, 18}},
        {10.0 / 3, DashaYear::Tropical, {Body::Ketu, 5, 3, 0}, {2005, 4, 1, 12, 31}},
        {10.0 / 3, DashaYear::Savana, {Body::Ketu, 5, 3, 0}, {2005, 3, 5, 0, 0}},
        {95, DashaYear::Julian, {Body::Saturn, 16, 7, 15}, {2016, 8, 16, 6, 45}},
        {95, DashaYear::Sidereal, {Body::Saturn, 16, 7, 15}, {2016, 8, 16, 9, 17}},
        {95, DashaYear::Savana, {Body::Saturn, 16, 7, 15}, {2016, 5, 21, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Moon " << c.moon << " " << DashaYearKey(c.year));
        Chart chart;
        chart.birth.year = 2000;
        chart.birth.month = 1;
        chart.birth.day = 1;
        chart.planets.longitudes[BodyIndex(Body::Moon)] = c.moon;
        chart.calculation.dashaYear = c.year;
        EXPECT_EQ(VimshottariBalanceAtBirth(chart), c.balance);
        const VimshottariReading r = ComputeVimshottari(chart, c.next);
        EXPECT_EQ(r.span(VimshottariLevel::Mahadasha).from, c.next);
        EXPECT_EQ(r.balance, c.balance);
        EXPECT_EQ(r.year, c.year);
    }
    // Whole months are not rounded up into a day short of the next one.
    EXPECT_EQ(VimshottariBalanceOf(Body::Sun, 0.5, 365.25),
              (VimshottariBalance{Body::Sun, 3, 0, 0}));
    EXPECT_EQ(VimshottariBalanceOf(Body::Venus, 0, 360),
              (VimshottariBalance{Body::Venus, 20, 0, 0}));
}

}  // namespace
}  // namespace vellamor
