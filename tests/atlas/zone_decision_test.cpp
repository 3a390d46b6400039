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
        const char* sentence;
    } cases[] = {
        {"Madrid, July 1990",
         "Europe/Madrid",
         false,
         {1990, 7, 1, 12, 0},
         {{19, false, 0, 0}, {20, true, 0, 0}},
         0,
         "it is exact"},
        {"New York, July 1975",
         "America/New_York",
         false,
         {1975, 7, 15, 12, 0},
         {{24, false, 0, 0}, {27, true, 0, 0}},
         0,
         "it is exact"},
        {"Kathmandu, 1990",
         "Asia/Kathmandu",
         true,
         {1990, 6, 1, 12, 0},
         {},
         900,
         "No row gives UTC+5:45: with the closest the precise chart is 15 min off"},
        // The advice for the second 2:30 follows the same rule.
        {"Madrid, the hour that came twice in 2020",
         "Europe/Madrid",
         false,
         {2020, 10, 25, 2, 30},
         {{19, false, 0, 0}, {20, true, 0, 0}},
         0,
         "for the second (UTC+1) choose Central European Time (row 20) with the Daylight Saving "
         "box unticked"},
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
        EXPECT_NE(Note(d).find(c.sentence), std::string::npos) << c.what << ": " << Note(d);
    }
}

// Each note states the facts a user needs, whatever its wording: the row and
// box, the clock at the place, and what remains wrong or must be chosen.
TEST(DecideZone, TheNoteStatesTheFacts) {
    const struct {
        const char* what;
        const char* zone;
        const char* country;
        bool east;
        LocalMoment when;
        std::vector<const char*> facts;
    } cases[] = {
        {"exact",
         "Asia/Kolkata",
         "IN",
         true,
         {1980, 3, 5, 7, 5},
         {"Zone: Indian Time (row 34) with the Daylight Saving box unticked.",
          "clocks in Kolkata were on standard time, UTC+5:30."}},
        {"daylight time on the clock, box unticked",
         "America/New_York",
         "US",
         false,
         {1975, 7, 15, 12, 0},
         {"Eastern Daylight Time (row 24) with the Daylight Saving box unticked",
          "clocks in New York were on daylight saving time, UTC\u22124"}},
        {"inexact",
         "Asia/Kathmandu",
         "NP",
         true,
         {1990, 1, 1, 12, 0},
         {"Indian Time (row 34)", "UTC+5:45", "15 min off", "3.8° for the Ascendant",
          "0.1° for the Moon"}},
        {"skipped hour",
         "America/New_York",
         "US",
         false,
         {1976, 4, 25, 2, 30},
         {"Eastern Standard Time (row 27)", "2:30 on 25 April 1976 did not exist", "UTC\u22125"}},
        {"repeated hour",
         "America/New_York",
         "US",
         false,
         {1975, 10, 26, 1, 30},
         {"Eastern Daylight Time (row 24)", "1:30 came twice", "taken as the first",
          "for the second (UTC\u22125) choose Eastern Standard Time (row 27) with the Daylight "
          "Saving box unticked"}},
        {"negative saving, winter",
         "Europe/Dublin",
         "IE",
         false,
         {1990, 1, 15, 12, 0},
         {"Greenwich Mean Time (row 29) with the Daylight Saving box unticked",
          "standard time, UTC+0."}},
        {"negative saving, summer",
         "Europe/Dublin",
         "IE",
         false,
         {1990, 7, 15, 12, 0},
         {"daylight saving time, UTC+1."}},
        {"row borrowed for its offset",
         "Asia/Shanghai",
         "CN",
         true,
         {1988, 7, 1, 12, 0},
         {"Australian Western Daylight Time", "daylight saving time, UTC+9",
          "no row is named for the time in Shanghai, so this one was chosen for its offset"}},
    };
    for (const auto& c : cases) {
        const ZoneDecision d = DecideZone(c.zone, c.country, c.when, c.east);
        EXPECT_TRUE(d.decided) << c.what;
        for (const char* fact : c.facts)
            EXPECT_NE(Note(d).find(fact), std::string::npos) << c.what << ": " << fact << "\n"
                                                             << Note(d);
    }
    // No word of another region when the row is named for the place: the
    // country's own, or a neighbour's the place keeps.
    const struct {
        const char* zone;
        const char* country;
        LocalMoment when;
    } own[] = {
        {"Asia/Kolkata", "IN", {1980, 3, 5, 7, 5}},
        {"Asia/Kathmandu", "NP", {1990, 6, 1, 12, 0}},
        {"Asia/Jakarta", "ID", {2000, 6, 1, 12, 0}},
    };
    for (const auto& c : own) {
        const std::string note = Note(DecideZone(c.zone, c.country, c.when, true));
        EXPECT_EQ(note.find("another region"), std::string::npos) << note;
    }
}

TEST(DecideZone, ChoicesByHandWin) {
    // EST picked by hand in July: the box follows and makes the Ascendant right.
    ZoneDecision d =
        DecideZone("America/New_York", "US", {1975, 7, 15, 12, 0}, false, {27, std::nullopt});
    EXPECT_EQ(d.choice, (ZoneChoice{27, true, 0, kH}));
    EXPECT_NE(Note(d).find("As set by hand"), std::string::npos) << Note(d);
    // The box unticked by hand in July: the row follows.
    d = DecideZone("America/New_York", "US", {1975, 7, 15, 12, 0}, false, {std::nullopt, false});
    EXPECT_EQ(d.choice, (ZoneChoice{24, false, 0, 0}));
    EXPECT_EQ(Note(d).find("As set by hand"), std::string::npos) << Note(d);
    // Both by hand: kept, and the note names the error.
    d = DecideZone("America/New_York", "US", {1975, 7, 15, 12, 0}, false, {29, false});
    EXPECT_EQ(d.choice, (ZoneChoice{29, false, 4 * kH, 4 * kH}));
    EXPECT_NE(Note(d).find("As set by hand: the Ascendant and the Moon 4 h off (about 60° for the "
                           "Ascendant and 2.2° for the Moon), the planets 4 h off."),
              std::string::npos)
        << Note(d);
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
    EXPECT_NE(Note(d).find("Mars/Olympus_Mons"), std::string::npos);
    // No 31 February: not a word about the database, until the date is real.
    d = DecideZone("Europe/Paris", "FR", {1990, 2, 31, 0, 0}, true);
    EXPECT_FALSE(d.decided);
    EXPECT_EQ(d.note.kind, ZoneNoteKind::Silent);
}

// Every sentence the note can say, word for word: the windows translate
// them, and the command line must go on writing exactly this English.
TEST(DecisionNote, EachSentenceInEnglish) {
    const std::string zone = "Zone: Indian Time (row 34) with the Daylight Saving box ";
    const std::string kolkata = "On 5 March 1980 clocks in Kolkata were on standard time, UTC+";
    const struct {
        const char* what;
        bool east;
        ZoneFacts facts;
        ZoneChoice choice;
        ZoneConstraint fixed;
        bool rowNamed;
        std::string expected;
    } cases[] = {
        {"skipped, a saving of 1 h 30 min",
         true,
         {19800, 5400, "X", ClockReading::Skipped, 0},
         {34, true, 0, 0},
         {},
         true,
         zone + "ticked. 7:05 on 5 March 1980 did not exist on the clocks in Kolkata: they were "
                "put forward over it. Read with the time before the change, daylight saving time, "
                "1 h 30 min ahead of standard time, UTC+5:30."},
        {"double summer time, the planets off",
         false,
         {7200, 7200, "X", ClockReading::Normal, 0},
         {29, true, 0, kH},
         {},
         true,
         "Zone: Greenwich Mean Time (row 29) with the Daylight Saving box ticked. On 5 March 1980 "
         "clocks in Kolkata were on double summer time, UTC+2. The planets, which take the "
         "row's own offset, are 1 h off."},
        {"no row, west of Greenwich",
         false,
         {3 * kH, 0, "X", ClockReading::Normal, 0},
         {29, true, 2 * kH, 3 * kH},
         {},
         true,
         "Zone: Greenwich Mean Time (row 29) with the Daylight Saving box ticked. On 5 March 1980 "
         "clocks in Kolkata were on standard time, UTC+3. No row gives the Ascendant and the "
         "Moon UTC+3 west of Greenwich: with the closest they are 2 h off, about 30° for the "
         "Ascendant and 1.1° for the Moon; the planets 3 h off."},
        {"no row, east of Greenwich, the planets right",
         true,
         {-kH, 0, "X", ClockReading::Normal, 0},
         {29, false, kH, 0},
         {},
         true,
         "Zone: Greenwich Mean Time (row 29) with the Daylight Saving box unticked. On 5 March "
         "1980 clocks in Kolkata were on standard time, UTC\u22121. No row gives the Ascendant "
         "and the Moon UTC\u22121 east of Greenwich: with the closest they are 1 h off, about 15° "
         "for the Ascendant and 0.6° for the Moon."},
        {"no row in either hemisphere, seconds off",
         false,
         {-52, 0, "X", ClockReading::Normal, 0},
         {29, false, 52, 52},
         {},
         true,
         "Zone: Greenwich Mean Time (row 29) with the Daylight Saving box unticked. On 5 March "
         "1980 clocks in Kolkata were on standard time, UTC\u22120:00:52. No row gives the "
         "Ascendant and the Moon UTC\u22120:00:52: with the closest they are 52 s off, about 0.2° "
         "for the Ascendant and under 0.1° for the Moon; the planets 52 s off."},
        {"by hand, the planets off",
         true,
         {19800, 0, "X", ClockReading::Normal, 0},
         {34, false, 0, kH},
         {34, std::nullopt},
         true,
         zone + "unticked. " + kolkata +
             "5:30. As set by hand: the Ascendant and the Moon right, the planets 1 h off."},
        {"by hand, the Ascendant off",
         true,
         {19800, 0, "X", ClockReading::Normal, 0},
         {34, true, kH, 0},
         {std::nullopt, true},
         true,
         zone + "ticked. " + kolkata +
             "5:30. As set by hand: the Ascendant and the Moon 1 h off (about 15° for the "
             "Ascendant and 0.6° for the Moon), the planets right."},
        {"a row of another region",
         true,
         {19800, 0, "X", ClockReading::Normal, 0},
         {34, false, 0, 0},
         {},
         false,
         zone + "unticked. " + kolkata +
             "5:30. The row's name belongs to another region: no row is named for the time in "
             "Kolkata, so this one was chosen for its offset; the chart is right as it is."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZoneNoteText(DecisionNote("Asia/Kolkata", {1980, 3, 5, 7, 5}, c.east, c.facts,
                                            c.choice, c.fixed, {}, c.rowNamed)),
                  c.expected)
            << c.what;
    }
    EXPECT_EQ(Note(DecideZone("America/New_York", "US", {1975, 10, 26, 1, 30}, false)),
              "Zone: Eastern Daylight Time (row 24) with the Daylight Saving box unticked. On 26 "
              "October 1975 clocks in New York were on daylight saving time, UTC\u22124. 1:30 came "
              "twice that night: taken as the first, before the clocks went back; for the second "
              "(UTC\u22125) choose Eastern Standard Time (row 27) with the Daylight Saving box "
              "unticked.");
    EXPECT_EQ(Note(DecideZone("Mars/Olympus_Mons", "", {1990, 1, 1, 0, 0}, true)),
              "The time-zone database has no Mars/Olympus_Mons: zone and daylight saving left as "
              "they were");
}

TEST(FormatDurationSeconds, AsTheNotesWriteThem) {
    EXPECT_EQ(FormatDurationSeconds(kH), "1 h");
    EXPECT_EQ(FormatDurationSeconds(900), "15 min");
    EXPECT_EQ(FormatDurationSeconds(530), "8 min 50 s");
    EXPECT_EQ(FormatDurationSeconds(-5400), "1 h 30 min");
    EXPECT_EQ(FormatDurationSeconds(0), "0 min");
}

}  // namespace
}  // namespace vellamor::atlas
