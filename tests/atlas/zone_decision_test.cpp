// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_decision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/wording.h"

namespace vellamor::atlas {
namespace {

constexpr int kH = 3600;

// The note as the command line writes it.
std::string Note(const ZoneDecision& d) {
    return ZoneNoteText(d.note);
}

// Places and dates where a clock's zone and the program's rules part ways.
// The expected rows: 7 AEDT, 19 CED, 20 CET, 24 EDT, 27 EST, 29 GMT, 34 IST,
// 44 MST, 52 North Sumatra (+6:30).
TEST(DecideZone, HistoricalOffsetsAndTheProgramsRules) {
    const struct {
        const char* what;
        const char* zone;
        const char* country;
        bool east;
        LocalMoment when;
        int offset;
        int daylight;
        ZoneChoice expected;
    } cases[] = {
        {"New York, July 1975",
         "America/New_York",
         "US",
         false,
         {1975, 7, 15, 12, 0},
         -4 * kH,
         kH,
         {24, false, 0, 0}},
        {"New York, January 1975",
         "America/New_York",
         "US",
         false,
         {1975, 1, 15, 12, 0},
         -5 * kH,
         0,
         {27, false, 0, 0}},
        // Daylight saving all year during the energy crisis.
        {"New York, January 1974",
         "America/New_York",
         "US",
         false,
         {1974, 1, 15, 12, 0},
         -4 * kH,
         kH,
         {24, false, 0, 0}},
        // West of Greenwich: only GMT with the box brings the Ascendant to +1.
        {"London, July 1975",
         "Europe/London",
         "GB",
         false,
         {1975, 7, 15, 12, 0},
         kH,
         kH,
         {29, true, 0, kH}},
        // Double summer time: +2, which no West row reaches.
        {"London, July 1941",
         "Europe/London",
         "GB",
         false,
         {1941, 7, 15, 12, 0},
         2 * kH,
         2 * kH,
         {29, true, kH, 2 * kH}},
        {"Madrid, July 1990",
         "Europe/Madrid",
         "ES",
         false,
         {1990, 7, 1, 12, 0},
         2 * kH,
         kH,
         {29, true, kH, 2 * kH}},
        {"Paris, January 1990",
         "Europe/Paris",
         "FR",
         true,
         {1990, 1, 15, 12, 0},
         kH,
         0,
         {20, false, 0, 0}},
        {"Paris, July 1990",
         "Europe/Paris",
         "FR",
         true,
         {1990, 7, 15, 12, 0},
         2 * kH,
         kH,
         {19, false, 0, 0}},
        // War time: +6:30, which North Sumatra's row holds for all bodies.
        {"Kolkata, March 1943",
         "Asia/Kolkata",
         "IN",
         true,
         {1943, 3, 5, 12, 0},
         6 * kH + 1800,
         kH,
         {52, false, 0, 0}},
        // Madras time before 1906.
        {"Kolkata, March 1900",
         "Asia/Kolkata",
         "IN",
         true,
         {1900, 3, 5, 12, 0},
         5 * kH + 21 * 60 + 10,
         0,
         {34, false, 530, 530}},
        {"Kolkata, March 1980",
         "Asia/Kolkata",
         "IN",
         true,
         {1980, 3, 5, 7, 5},
         5 * kH + 1800,
         0,
         {34, false, 0, 0}},
        {"Kathmandu, 1990",
         "Asia/Kathmandu",
         "NP",
         true,
         {1990, 6, 1, 12, 0},
         5 * kH + 2700,
         0,
         {34, false, 900, 900}},
        {"Sydney, January 1990",
         "Australia/Sydney",
         "AU",
         true,
         {1990, 1, 15, 12, 0},
         11 * kH,
         kH,
         {7, false, 0, 0}},
        {"Phoenix, July 1990",
         "America/Phoenix",
         "US",
         false,
         {1990, 7, 1, 12, 0},
         -7 * kH,
         0,
         {44, false, 0, 0}},
        {"Tokyo, 2000", "Asia/Tokyo", "JP", true, {2000, 5, 5, 5, 5}, 9 * kH, 0, {38, false, 0, 0}},
        {"Shanghai, 2000",
         "Asia/Shanghai",
         "CN",
         true,
         {2000, 5, 5, 5, 5},
         8 * kH,
         0,
         {23, false, 0, 0}},
        // -5 all year: the standard row, not Central Daylight Time.
        {"Bogota, 2000",
         "America/Bogota",
         "CO",
         false,
         {2000, 1, 15, 12, 0},
         -5 * kH,
         0,
         {27, false, 0, 0}},
        {"Johannesburg, 2000",
         "Africa/Johannesburg",
         "ZA",
         true,
         {2000, 1, 15, 12, 0},
         2 * kH,
         0,
         {26, false, 0, 0}},
        {"Honolulu, 1930",
         "Pacific/Honolulu",
         "US",
         false,
         {1930, 7, 1, 12, 0},
         -10 * kH - 1800,
         0,
         {32, false, 0, 0}},
    };
    for (const auto& c : cases) {
        const ZoneDecision d = DecideZone(c.zone, c.country, c.when, c.east);
        ASSERT_TRUE(d.decided) << c.what;
        EXPECT_EQ(d.facts.offsetSeconds, c.offset) << c.what;
        EXPECT_EQ(d.facts.daylightSeconds, c.daylight) << c.what;
        EXPECT_EQ(d.facts.reading, ClockReading::Normal) << c.what;
        EXPECT_EQ(d.choice, c.expected) << c.what << ": " << Note(d);
    }
}

// A precise chart reads the row's own signed offset plus an hour for the
// box, whatever the hemisphere: Madrid in summer is exact; an offset no row
// gives leaves the whole chart off by the remaining minutes.
TEST(DecideZone, PreciseChartsTakeTheSignedRule) {
    const struct {
        const char* what;
        const char* zone;
        bool east;
        LocalMoment when;
        std::vector<ZoneChoice> exact;  // any of these; empty: none is
        int errorSeconds;
        ZoneErrorNote error;
    } cases[] = {
        {"Madrid, July 1990",
         "Europe/Madrid",
         false,
         {1990, 7, 1, 12, 0},
         {{19, false, 0, 0}, {20, true, 0, 0}},
         0,
         ZoneErrorNote::PreciseExact},
        {"New York, July 1975",
         "America/New_York",
         false,
         {1975, 7, 15, 12, 0},
         {{24, false, 0, 0}, {27, true, 0, 0}},
         0,
         ZoneErrorNote::PreciseExact},
        {"Kathmandu, 1990",
         "Asia/Kathmandu",
         true,
         {1990, 6, 1, 12, 0},
         {},
         900,
         ZoneErrorNote::PreciseNoRow},
    };
    for (const auto& c : cases) {
        const ZoneDecision d = DecideZone(c.zone, "", c.when, c.east, {}, {}, ZoneRule::Signed);
        ASSERT_TRUE(d.decided) << c.what;
        EXPECT_EQ(d.choice.ascendantErrorSeconds, c.errorSeconds) << c.what;
        EXPECT_EQ(d.choice.planetErrorSeconds, c.errorSeconds) << c.what;
        EXPECT_EQ(
            SignedOffsetSeconds(d.choice.row, d.choice.daylightSaving) == d.facts.offsetSeconds,
            c.errorSeconds == 0)
            << c.what;
        if (!c.exact.empty()) {
            EXPECT_NE(std::find(c.exact.begin(), c.exact.end(), d.choice), c.exact.end())
                << c.what << ": " << Note(d);
        }
        EXPECT_EQ(d.note.error, c.error) << c.what << ": " << Note(d);
    }
    // The advice for the second 2:30 follows the same rule: Madrid's second
    // reading is UTC+1, which the signed rule finds in row 20 without the box.
    const ZoneNote twice =
        DecideZone("Europe/Madrid", "", {2020, 10, 25, 2, 30}, false, {}, {}, ZoneRule::Signed)
            .note;
    EXPECT_EQ(twice.facts.reading, ClockReading::Repeated);
    EXPECT_EQ(twice.second.row, 20);
    EXPECT_FALSE(twice.second.daylightSaving);
}

// Each note carries the facts a user needs: the row and box, the clock at
// the place, and what remains wrong or must be chosen.
TEST(DecideZone, TheNoteCarriesTheFacts) {
    const struct {
        const char* what;
        const char* zone;
        const char* country;
        bool east;
        LocalMoment when;
        ZoneChoice choice;
        ClockState clock;
        ClockOffset offset;
        ZoneErrorNote error;
        bool rowNamedElsewhere;
    } cases[] = {
        {"exact",
         "Asia/Kolkata",
         "IN",
         true,
         {1980, 3, 5, 7, 5},
         {34, false, 0, 0},
         ClockState::Standard,
         {false, 5, 30, 0},
         ZoneErrorNote::None,
         false},
        {"daylight time on the clock, box unticked",
         "America/New_York",
         "US",
         false,
         {1975, 7, 15, 12, 0},
         {24, false, 0, 0},
         ClockState::DaylightSaving,
         {true, 4, 0, 0},
         ZoneErrorNote::None,
         false},
        {"inexact",
         "Asia/Kathmandu",
         "NP",
         true,
         {1990, 1, 1, 12, 0},
         {34, false, 900, 900},
         ClockState::Standard,
         {false, 5, 45, 0},
         ZoneErrorNote::NoRow,
         false},
        {"negative saving, winter",
         "Europe/Dublin",
         "IE",
         false,
         {1990, 1, 15, 12, 0},
         {29, false, 0, 0},
         ClockState::Standard,
         {false, 0, 0, 0},
         ZoneErrorNote::None,
         false},
        {"negative saving, summer",
         "Europe/Dublin",
         "IE",
         false,
         {1990, 7, 15, 12, 0},
         {29, true, 0, kH},
         ClockState::DaylightSaving,
         {false, 1, 0, 0},
         ZoneErrorNote::PlanetsOnly,
         false},
        {"row borrowed for its offset",
         "Asia/Shanghai",
         "CN",
         true,
         {1988, 7, 1, 12, 0},
         {9, false, 0, 0},
         ClockState::DaylightSaving,
         {false, 9, 0, 0},
         ZoneErrorNote::None,
         true},
        // No word of another region when the row is named for the place:
        // the country's own, or a neighbour's the place keeps.
        {"own row, a neighbour's",
         "Asia/Jakarta",
         "ID",
         true,
         {2000, 6, 1, 12, 0},
         {60, false, 0, 0},
         ClockState::Standard,
         {false, 7, 0, 0},
         ZoneErrorNote::None,
         false},
    };
    for (const auto& c : cases) {
        const ZoneDecision d = DecideZone(c.zone, c.country, c.when, c.east);
        EXPECT_TRUE(d.decided) << c.what;
        EXPECT_EQ(d.note.choice, c.choice) << c.what << ": " << Note(d);
        EXPECT_EQ(d.note.clock, c.clock) << c.what << ": " << Note(d);
        EXPECT_EQ(d.note.offset, c.offset) << c.what << ": " << Note(d);
        EXPECT_EQ(d.note.error, c.error) << c.what << ": " << Note(d);
        EXPECT_EQ(d.note.rowNamedElsewhere, c.rowNamedElsewhere) << c.what << ": " << Note(d);
    }
    // A repeated hour names the row and box for its second reading.
    const ZoneNote repeated =
        DecideZone("America/New_York", "US", {1975, 10, 26, 1, 30}, false).note;
    EXPECT_EQ(repeated.facts.reading, ClockReading::Repeated);
    EXPECT_EQ(repeated.secondOffset, (ClockOffset{true, 5, 0, 0}));
    EXPECT_EQ(repeated.second.row, 27);
    EXPECT_FALSE(repeated.second.daylightSaving);
}

TEST(DecideZone, ChoicesByHandWin) {
    // EST picked by hand in July: the box follows and makes the Ascendant right.
    ZoneDecision d =
        DecideZone("America/New_York", "US", {1975, 7, 15, 12, 0}, false, {27, std::nullopt});
    EXPECT_EQ(d.choice, (ZoneChoice{27, true, 0, kH}));
    EXPECT_EQ(d.note.error, ZoneErrorNote::ByHandPlanets);
    // The box unticked by hand in July: the row follows.
    d = DecideZone("America/New_York", "US", {1975, 7, 15, 12, 0}, false, {std::nullopt, false});
    EXPECT_EQ(d.choice, (ZoneChoice{24, false, 0, 0}));
    EXPECT_EQ(d.note.error, ZoneErrorNote::None);
    // Both by hand: kept, and the note carries the error: 4 h is 60° of
    // Ascendant and 2.2° of Moon.
    d = DecideZone("America/New_York", "US", {1975, 7, 15, 12, 0}, false, {29, false});
    EXPECT_EQ(d.choice, (ZoneChoice{29, false, 4 * kH, 4 * kH}));
    EXPECT_EQ(d.note.error, ZoneErrorNote::ByHandBoth);
    EXPECT_EQ(d.note.off.ascendant, (SecondSpan{4, 0, 0}));
    EXPECT_DOUBLE_EQ(d.note.off.ascendantDegrees.degrees, 60.0);
    EXPECT_EQ(d.note.off.ascendantDegrees.decimals, 0);
    ASSERT_TRUE(d.note.off.moonDegrees);
    EXPECT_NEAR(d.note.off.moonDegrees->degrees, 2.2, 1e-9);
}

TEST(DecideZone, ClockReadingsAroundTheChanges) {
    // 25 April 1976: the clocks went from 2:00 to 3:00 in New York.
    ZoneDecision d = DecideZone("America/New_York", "US", {1976, 4, 25, 2, 30}, false);
    EXPECT_EQ(d.facts.reading, ClockReading::Skipped);
    EXPECT_EQ(d.facts.offsetSeconds, -5 * kH);
    EXPECT_EQ(d.choice.row, 27);
    // 26 October 1975: 1:30 came twice; the first was still daylight time.
    d = DecideZone("America/New_York", "US", {1975, 10, 26, 1, 30}, false);
    EXPECT_EQ(d.facts.reading, ClockReading::Repeated);
    EXPECT_EQ(d.facts.offsetSeconds, -4 * kH);
    EXPECT_EQ(d.choice.row, 24);
    EXPECT_EQ(d.facts.secondOffsetSeconds, -5 * kH);
    // An hour later the reading is plain again.
    d = DecideZone("America/New_York", "US", {1975, 10, 26, 2, 30}, false);
    EXPECT_EQ(d.facts.reading, ClockReading::Normal);
    EXPECT_EQ(d.facts.offsetSeconds, -5 * kH);
}

TEST(DecideZone, NothingKnownNothingDecided) {
    ZoneDecision d = DecideZone("Mars/Olympus_Mons", "", {1990, 1, 1, 0, 0}, true);
    EXPECT_FALSE(d.decided);
    EXPECT_EQ(d.note.kind, ZoneNoteKind::UnknownZone);
    EXPECT_EQ(d.note.ianaZone, "Mars/Olympus_Mons");
    // No 31 February: not a word about the database, until the date is real.
    d = DecideZone("Europe/Paris", "FR", {1990, 2, 31, 0, 0}, true);
    EXPECT_FALSE(d.decided);
    EXPECT_EQ(d.note.kind, ZoneNoteKind::Silent);
}

// The error facts the note derives from the hand-made cases the database
// rarely meets: the hemisphere that stands in the way, the Moon under a
// tenth of a degree, and a saving neither one hour nor two.
TEST(DecisionNote, ErrorFactsAndTheirKinds) {
    const struct {
        const char* what;
        bool east;
        ZoneFacts facts;
        ZoneChoice choice;
        ZoneConstraint fixed;
        ZoneErrorNote error;
        BlockingHemisphere blocking;
        bool moonStated;  // false: under 0.1°
    } cases[] = {
        {"no row, west of Greenwich",
         false,
         {3 * kH, 0, "X", ClockReading::Normal, 0},
         {29, true, 2 * kH, 3 * kH},
         {},
         ZoneErrorNote::NoRow,
         BlockingHemisphere::West,
         true},
        {"no row, east of Greenwich",
         true,
         {-kH, 0, "X", ClockReading::Normal, 0},
         {29, false, kH, 0},
         {},
         ZoneErrorNote::NoRow,
         BlockingHemisphere::East,
         true},
        {"no row in either hemisphere, seconds off",
         false,
         {-52, 0, "X", ClockReading::Normal, 0},
         {29, false, 52, 52},
         {},
         ZoneErrorNote::NoRow,
         BlockingHemisphere::None,
         false},
        {"by hand, the Ascendant off",
         true,
         {19800, 0, "X", ClockReading::Normal, 0},
         {34, true, kH, 0},
         {std::nullopt, true},
         ZoneErrorNote::ByHandAscendant,
         BlockingHemisphere::None,
         true},
    };
    for (const auto& c : cases) {
        const ZoneNote n =
            DecisionNote("Asia/Kolkata", {1980, 3, 5, 7, 5}, c.east, c.facts, c.choice, c.fixed);
        EXPECT_EQ(n.error, c.error) << c.what;
        EXPECT_EQ(n.blocking, c.blocking) << c.what;
        EXPECT_EQ(n.off.moonDegrees.has_value(), c.moonStated) << c.what;
    }
    const ZoneNote saving =
        DecisionNote("Asia/Kolkata", {1980, 3, 5, 7, 5}, true,
                     {19800, 5400, "X", ClockReading::Skipped, 0}, {34, true, 0, 0}, {});
    EXPECT_EQ(saving.clock, ClockState::OtherSaving);
    EXPECT_EQ(saving.daylight, (SecondSpan{1, 30, 0}));
}

TEST(SpanOfSeconds, TheSignDropsAndNoTimeIsMinutes) {
    EXPECT_EQ(SpanOfSeconds(530), (SecondSpan{0, 8, 50}));
    EXPECT_EQ(SpanOfSeconds(-5400), (SecondSpan{1, 30, 0}));
    EXPECT_TRUE(SpanOfSeconds(0).showsMinutes());
    EXPECT_FALSE(SpanOfSeconds(kH).showsMinutes());
    EXPECT_EQ(OffsetOfSeconds(-52), (ClockOffset{true, 0, 0, 52}));
}

}  // namespace
}  // namespace vellamor::atlas
