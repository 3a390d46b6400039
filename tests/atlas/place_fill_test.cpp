// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "built_in_places.h"
#include "cli/headless.h"
#include "cli/headless_services.h"

namespace vellamor::atlas {
namespace {

Place Find(const char* query) {
    const PlaceSearch s = SearchPlace(BuiltInPlaces(), query);
    EXPECT_TRUE(s.place) << query;
    return s.place.value_or(Place{});
}

EntryForm FormOn(int year, int month, int day, int hour, int minute) {
    EntryForm f;
    f.name = "Test";
    f.yearIndex = year - kFirstYear;
    f.monthIndex = month - 1;
    f.dayIndex = day - 1;
    f.hourIndex = hour;
    f.minuteIndex = minute;
    return f;
}

TEST(FillFormFromPlace, WritesNamesCoordinatesZoneAndBox) {
    const FilledForm filled = FillFormFromPlace(FormOn(1975, 7, 15, 12, 0), Find("London, UK"));
    const EntryForm& f = filled.form;
    EXPECT_EQ(f.city, "London");
    EXPECT_EQ(f.state, "England");
    EXPECT_EQ(f.country, "United Kingdom");
    EXPECT_EQ(f.latDegrees, "51");
    EXPECT_EQ(f.latMinutes, "30");
    EXPECT_EQ(f.latitude, LatitudeOption::North);
    EXPECT_EQ(f.lonDegrees, "0");
    EXPECT_EQ(f.lonMinutes, "7");
    EXPECT_EQ(f.longitude, LongitudeOption::West);
    EXPECT_EQ(f.zoneIndex, 29);  // Greenwich Mean Time
    EXPECT_TRUE(f.daylightSaving);
    EXPECT_TRUE(ValidateInput(f)) << "the filled form passes the window's checks";

    const EntryForm sp = FillFormFromPlace(FormOn(1990, 1, 15, 12, 0), Find("Sao Paulo")).form;
    EXPECT_EQ(sp.city, "Sao Paulo");
    EXPECT_EQ(sp.state, "Sao Paulo");
    EXPECT_EQ(sp.latDegrees, "23");
    EXPECT_EQ(sp.latitude, LatitudeOption::South);
    EXPECT_EQ(sp.longitude, LongitudeOption::West);
    EXPECT_TRUE(ValidateInput(sp));
}

// Every place the atlas offers fills State: its first-level division, or
// the country's own name where there is none (a city-state).
TEST(FillFormFromPlace, StateIsTheDivisionOrTheCountry) {
    const struct {
        const char* query;
        const char* state;
        const char* country;
    } cases[] = {
        {"Singapore", "Singapore", "Singapore"},
        {"Macau, Macao", "Macao", "Macao"},
        {"Kathmandu", "Bagmati Province", "Nepal"},
    };
    for (const auto& c : cases) {
        const EntryForm f = FillFormFromPlace(FormOn(1990, 5, 1, 10, 0), Find(c.query)).form;
        EXPECT_EQ(f.state, c.state) << c.query;
        EXPECT_EQ(f.country, c.country) << c.query;
        EXPECT_TRUE(ValidateInput(f)) << c.query;
    }
}

TEST(FillFormFromPlace, ExplicitFieldsWin) {
    EntryForm typed = FormOn(1975, 7, 15, 12, 0);
    typed.city = "Big Apple";
    typed.lonDegrees = "74";
    typed.lonMinutes = "0";
    typed.longitude = LongitudeOption::East;  // wrong, but typed on purpose
    typed.zoneIndex = 27;                     // EST by hand
    ExplicitPlaceFields given;
    given.city = true;
    given.longitude = true;
    given.zone = true;
    const FilledForm filled = FillFormFromPlace(typed, Find("New York"), given);
    EXPECT_EQ(filled.form.city, "Big Apple");
    EXPECT_EQ(filled.form.state, "New York");
    EXPECT_EQ(filled.form.longitude, LongitudeOption::East);
    EXPECT_EQ(filled.form.zoneIndex, 27);
    // -4 at an East longitude with a 5 h row: the box cannot help (+5 or +6).
    EXPECT_FALSE(filled.form.daylightSaving);
    EXPECT_EQ(filled.zone.choice.ascendantErrorSeconds, 9 * 3600);
}

TEST(FollowZone, ZoneAndBoxFollowTheDate) {
    const Place paris = Find("Paris");
    EntryForm f = FillFormFromPlace(FormOn(1990, 1, 15, 12, 0), paris).form;
    EXPECT_EQ(f.zoneIndex, 20);  // CET
    f.monthIndex = 6;            // July
    FollowZone(f, paris);
    EXPECT_EQ(f.zoneIndex, 19);  // Central European Daylight
    EXPECT_FALSE(f.daylightSaving);
    // Ticked by hand: the box stays, the row follows it.
    FollowZone(f, paris, {std::nullopt, true});
    EXPECT_TRUE(f.daylightSaving);
    EXPECT_EQ(f.zoneIndex, 16);  // BST (+1) and the box make +2 east
}

TEST(ResolvePlace, UnknownPlaceIsAnErrorWithTheNearest) {
    const EntryForm typed = FormOn(1990, 1, 1, 0, 0);
    const auto unknown = ResolvePlace(BuiltInPlaces(), "Pariss", typed, {});
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.error().query, "Pariss");
    const std::vector<std::string>& nearest = unknown.error().nearest;
    EXPECT_NE(std::find(nearest.begin(), nearest.end(), "Paris, Île-de-France, France"),
              nearest.end());
    // Over-long input is not looked up, and the message quotes its beginning.
    const auto tooLong = ResolvePlace(BuiltInPlaces(), std::string(5000, 'q'), typed, {});
    ASSERT_FALSE(tooLong);
    EXPECT_EQ(tooLong.error().query, std::string(200, 'q') + "…");
    const auto r = ResolvePlace(BuiltInPlaces(), "Kathmandu", typed, {});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->form.zoneIndex, 34);
    EXPECT_EQ(r->place.Label(), "Kathmandu, Bagmati Province, Nepal");
    EXPECT_EQ(r->zone.choice.row, 34);
}

// The built-in services' place resolver alone.
HeadlessServices AtlasOnly() {
    return HeadlessServices{BuiltInHeadlessServices(&BuiltInAtlas()).resolvePlace};
}

TEST(AtlasCommandLine, ChartFileRecomputedForThePlace) {
    const std::string chart = std::string(VELLAMOR_REFERENCE_CHARTS) + "/chart-03.sud";
    std::ostringstream out, err;
    const int status =
        RunHeadless({"--print", "--place", "Phoenix, Arizona", chart}, out, err, AtlasOnly());
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_NE(out.str().find("Mountain Standard Time,MST,-7.0"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("City           Phoenix"), std::string::npos) << out.str();
    EXPECT_NE(
        err.str().find("On 17 June 1993 clocks in Phoenix were on standard time, UTC\u22127."),
        std::string::npos)
        << err.str();

    std::ostringstream out2, err2;
    EXPECT_EQ(RunHeadless({"--json", "--place=Nowhere Qx", chart}, out2, err2, AtlasOnly()), 2);
    EXPECT_TRUE(out2.str().empty());
    EXPECT_NE(err2.str().find("no place"), std::string::npos) << err2.str();
}

// A births table's place column fills each row for its own date; a box
// given in the row is kept as given and the zone row follows it.
TEST(AtlasCommandLine, BirthsTableRowsKeepTheBoxAsGiven) {
    const struct {
        const char* row;
        const char* entry;  // the zone and the box the chart was computed with
    } cases[] = {
        {"New York,1975-01-15,12:00,true", "\"zone\": 21, \"dst\": true"},
        {"New York,1975-01-15,12:00,", "\"zone\": 27, \"dst\": false"},
        {"New York,1975-07-15,12:00,true", "\"zone\": 18, \"dst\": true"},
        {"London,1975-07-15,12:00,", "\"zone\": 29, \"dst\": true"},
        {"London,1975-07-15,12:00,false", "\"zone\": 29, \"dst\": false"},
    };
    std::string table = "place,date,time,dst,name\n";
    for (const auto& c : cases)
        table += c.row + std::string(",Test\n");
    std::istringstream in(table);
    HeadlessServices services = BuiltInHeadlessServices(&BuiltInAtlas());
    services.standardInput = &in;
    std::ostringstream out, err;
    EXPECT_EQ(RunHeadless({"--json", "--births", "-"}, out, err, services), 0) << err.str();
    std::istringstream lines(out.str());
    std::string line;
    for (const auto& c : cases) {
        ASSERT_TRUE(std::getline(lines, line)) << c.row;
        EXPECT_NE(line.find(c.entry), std::string::npos) << c.row << "\n" << line;
    }
}

// A births row's place follows the calculation's zone rule as --place does:
// Madrid in summer is a different row and box for a precise chart.
TEST(AtlasCommandLine, BirthsTableRowsFollowThePreciseZoneRule) {
    const auto entryOf = [](std::vector<std::string> args, const std::string& table) {
        std::istringstream in(table);
        HeadlessServices services = BuiltInHeadlessServices(&BuiltInAtlas());
        services.standardInput = &in;
        std::ostringstream out, err;
        EXPECT_EQ(RunHeadless(std::move(args), out, err, services), 0) << err.str();
        const std::string json = out.str();
        const std::size_t at = json.find("\"entry\": ");
        return json.substr(at, json.find('}', at) - at);
    };
    const std::string table = "place,date,time,name\nMadrid,1990-07-15,12:00,Test\n";
    const std::string classic = entryOf({"--json", "--births", "-"}, table);
    const std::string precise = entryOf({"--json", "--births", "-", "--precise"}, table);
    EXPECT_NE(classic, precise);
    EXPECT_EQ(precise, entryOf({"--json", "--place", "Madrid", "--date", "1990-07-15", "--time",
                                "12:00", "--name", "Test", "--precise"},
                               ""));
}

}  // namespace
}  // namespace vellamor::atlas

namespace vellamor::atlas {
namespace {

// In precise mode, where no row gives the place's offset at the birth, the
// history's offset becomes the chart's exact offset; where the history says
// local mean time, that of the place's own longitude. Where a row fits, or
// the chart is classic, the form has none.
TEST(FillFormFromPlace, PreciseSetsTheExactOffsetNoRowGives) {
    struct Case {
        const char* place;
        int year;
        ZoneRule rule;
        ExactOffset offset;
        ZoneErrorNote error;
        int noteSeconds;  // the offset the note states
    };
    const auto fixed = [](const char* text) { return *ParseExactOffset(text, false).offset; };
    const ExactOffset lmt = ExactOffset::LocalMeanTime();
    using E = ZoneErrorNote;
    const Case cases[] = {
        {"Kathmandu", 1990, ZoneRule::Signed, fixed("+05:45"), E::PreciseExactOffset, 20700},
        {"Kathmandu", 1910, ZoneRule::Signed, lmt, E::PreciseLocalMeanTime,
         LocalMeanTimeSeconds(85, 19, true)},
        {"Pokhara", 1910, ZoneRule::Signed, lmt, E::PreciseLocalMeanTime,
         LocalMeanTimeSeconds(83, 58, true)},
        {"Chennai", 1903, ZoneRule::Signed, fixed("+05:21:10"), E::PreciseExactOffset, 19270},
        {"Monrovia, Liberia", 1950, ZoneRule::Signed, fixed("-00:44:30"), E::PreciseExactOffset,
         -2670},
        {"Dublin, Ireland", 1910, ZoneRule::Signed, fixed("-00:25:21"), E::PreciseExactOffset,
         -1521},
        {"Paris, France", 1905, ZoneRule::Signed, fixed("+00:09:21"), E::PreciseExactOffset, 561},
        {"Jeddah", 1930, ZoneRule::Signed, lmt, E::PreciseLocalMeanTime,
         LocalMeanTimeSeconds(39, 11, true)},
        {"Delhi, India", 1990, ZoneRule::Signed, {}, E::PreciseExact, 0},
        {"Kathmandu", 1990, ZoneRule::Classic, {}, E::NoRow, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.place) + " " + std::to_string(c.year));
        const FilledForm filled =
            FillFormFromPlace(FormOn(c.year, 5, 4, 12, 0), Find(c.place), {}, c.rule);
        EXPECT_EQ(filled.form.exactOffset, c.offset);
        EXPECT_EQ(filled.zone.note.error, c.error);
        EXPECT_EQ(filled.zone.note.exactOffsetSeconds, c.noteSeconds);
        // The row and box stay the atlas's choice, for the classic formulas
        // and any reader that knows no exact offset.
        EXPECT_EQ(filled.form.zoneIndex, filled.zone.choice.row);
    }
    // An offset given by hand stays, and a later fill where a row fits
    // clears one the atlas set.
    EntryForm byHand = FormOn(1990, 5, 4, 12, 0);
    byHand.exactOffset = ExactOffset::Fixed(3600);
    ExplicitPlaceFields given;
    given.exactOffset = true;
    EXPECT_EQ(
        FillFormFromPlace(byHand, Find("Kathmandu"), given, ZoneRule::Signed).form.exactOffset,
        ExactOffset::Fixed(3600));
    EXPECT_EQ(
        FillFormFromPlace(byHand, Find("Delhi, India"), {}, ZoneRule::Signed).form.exactOffset,
        ExactOffset{});
}

}  // namespace
}  // namespace vellamor::atlas
