// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/entry_form.h"

#include <gtest/gtest.h>

#include <optional>

namespace vellamor {
namespace {

EntryForm Complete() {
    EntryForm f;
    f.name = "Asha";
    f.latDegrees = "18", f.latMinutes = "31", f.lonDegrees = "73", f.lonMinutes = "7";
    f.city = "Pune", f.state = "Maharashtra", f.country = "India";
    return f;
}

// Only the first failed check is reported, in a fixed order.
TEST(EntryForm, ValidationReportsTheFirstProblemInOrder) {
    struct Step {
        void (*clear)(EntryForm&);
        FormCheck check;
    };
    using C = FormCheck;
    const Step steps[] = {
        {[](EntryForm& f) { f.name.clear(); }, C::Name},
        {[](EntryForm& f) { f.latDegrees.clear(); }, C::LatDegrees},
        {[](EntryForm& f) { f.latMinutes.clear(); }, C::LatMinutes},
        {[](EntryForm& f) { f.lonDegrees.clear(); }, C::LonDegrees},
        {[](EntryForm& f) { f.lonMinutes.clear(); }, C::LonMinutes},
        {[](EntryForm& f) { f.city.clear(); }, C::City},
        {[](EntryForm& f) { f.state.clear(); }, C::State},
        {[](EntryForm& f) { f.country.clear(); }, C::Country},
        {[](EntryForm& f) { f.latitude = LatitudeOption::None; }, C::LatitudeOption},
        {[](EntryForm& f) { f.longitude = LongitudeOption::None; }, C::LongitudeOption},
    };
    // Clearing fields from the last check backwards: each time, the newly
    // cleared (earliest) field is the one reported.
    EntryForm f = Complete();
    EXPECT_TRUE(ValidateInput(f));
    for (int i = static_cast<int>(std::size(steps)) - 1; i >= 0; --i) {
        steps[i].clear(f);
        const auto checked = ValidateInput(f);
        ASSERT_FALSE(checked);
        EXPECT_EQ(checked.error(), steps[i].check);
    }
    // Blanks are not empty.
    EntryForm blanks = Complete();
    blanks.name = "  ";
    EXPECT_TRUE(ValidateInput(blanks));
}

TEST(EntryForm, DirectionChecksSelectTheFirstOption) {
    EntryForm f = Complete();
    f.latitude = LatitudeOption::None;
    f.longitude = LongitudeOption::None;
    ApplyProblemSideEffects(f, ValidateInput(f).error());
    EXPECT_EQ(f.latitude, LatitudeOption::North);
    ApplyProblemSideEffects(f, ValidateInput(f).error());
    EXPECT_EQ(f.longitude, LongitudeOption::East);
    EXPECT_TRUE(ValidateInput(f));
}

TEST(EntryForm, ImpossibleDates) {
    struct Case {
        int day, month, year;
        std::optional<FormCheck> check;  // nothing: passes
    };
    const auto feb = FormCheck::FebruaryDay;
    const auto thirty = FormCheck::ThirtyDayMonth;
    const auto none = std::nullopt;
    const Case cases[] = {
        {29, 2, 2000, none},   {29, 2, 2024, none},    {29, 2, 1999, feb},    {30, 2, 2000, feb},
        {31, 2, 1904, feb},    {28, 2, 1901, none},    {31, 4, 1980, thirty}, {31, 6, 1980, thirty},
        {31, 9, 1980, thirty}, {31, 11, 1980, thirty}, {31, 5, 1980, none},   {30, 4, 1980, none},
        {31, 12, 2050, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month) + "/" +
                     std::to_string(c.year));
        EntryForm f = Complete();
        f.dayIndex = c.day - 1, f.monthIndex = c.month - 1, f.yearIndex = c.year - 1901;
        const auto checked = ValidateInput(f);
        if (c.check) {
            ASSERT_FALSE(checked);
            EXPECT_EQ(checked.error(), *c.check);
        } else {
            EXPECT_TRUE(checked);
        }
    }
}

// A place on the Earth: checked after everything else, in this order.
TEST(EntryForm, CoordinatesMustBeAPlaceOnEarth) {
    struct Case {
        const char *latDeg, *latMin, *lonDeg, *lonMin;
        std::optional<FormCheck> check;  // nothing: passes
    };
    const auto lat = FormCheck::LatitudeRange;
    const auto latMin = FormCheck::LatitudeMinutesRange;
    const auto lon = FormCheck::LongitudeRange;
    const auto lonMin = FormCheck::LongitudeMinutesRange;
    const Case cases[] = {
        {"90", "0", "180", "0", std::nullopt},
        {"0", "59", "0", "59", std::nullopt},
        {"91", "0", "0", "0", lat},
        {"90", "30", "0", "0", lat},
        {"999", "75", "999", "75", lat},
        {"45", "60", "0", "0", latMin},
        {"45", "60", "999", "0", latMin},
        {"0", "0", "181", "0", lon},
        {"0", "0", "180", "1", lon},
        {"0", "0", "179", "75", lonMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.latDeg) + ":" + c.latMin + " " + c.lonDeg + ":" + c.lonMin);
        EntryForm f = Complete();
        f.latDegrees = c.latDeg, f.latMinutes = c.latMin;
        f.lonDegrees = c.lonDeg, f.lonMinutes = c.lonMin;
        const auto checked = ValidateInput(f);
        if (!c.check) {
            EXPECT_TRUE(checked);
            continue;
        }
        ASSERT_FALSE(checked);
        EXPECT_EQ(checked.error(), *c.check);
        // Every earlier check still speaks first.
        f.monthIndex = 1, f.dayIndex = 30;
        EXPECT_EQ(ValidateInput(f).error(), FormCheck::FebruaryDay);
    }
}

TEST(EntryForm, PastedTextClasses) {
    EXPECT_TRUE(IsLetterText("Asha  Rao"));
    EXPECT_FALSE(IsLetterText("O'Brien"));
    EXPECT_FALSE(IsLetterText("S\u00e3o Paulo"));
    EXPECT_FALSE(IsLetterText("Pune\n"));
    EXPECT_TRUE(IsDigitText("075"));
    EXPECT_FALSE(IsDigitText("-5"));
    EXPECT_FALSE(IsDigitText("5.5"));
}

TEST(EntryForm, CopyIntoBirthData) {
    EntryForm f = Complete();
    f.name = "  Asha ";
    f.city = "  Pune  ";
    f.monthIndex = 2, f.dayIndex = 4, f.yearIndex = 79, f.hourIndex = 23, f.minuteIndex = 0;
    f.zoneIndex = 34;
    f.latDegrees = "123";
    f.longitude = LongitudeOption::West, f.latitude = LatitudeOption::North;
    const BirthData b = CopyFormToBirthData(f);
    EXPECT_EQ(b.name, "  Asha ");  // the name is kept as typed
    EXPECT_EQ(b.city, "Pune");
    EXPECT_EQ(b.month, 3);
    EXPECT_EQ(b.day, 5);
    EXPECT_EQ(b.year, 1980);
    EXPECT_EQ(b.hour, 23);
    EXPECT_EQ(b.zoneHours, 5);
    EXPECT_EQ(b.zoneMinutes, 30);
    EXPECT_EQ(b.zoneIndex, 34);
    EXPECT_EQ(b.latDegrees, 123);  // no range check anywhere
    EXPECT_FALSE(b.eastLongitude);
    EXPECT_FALSE(b.southLatitude);

    // A value that cannot be converted keeps the previous one.
    EntryForm pasted = f;
    pasted.lonDegrees = "7x";
    BirthData previous;
    previous.lonDegrees = 42;
    EXPECT_EQ(CopyFormToBirthData(pasted, previous).lonDegrees, 42);
    EXPECT_EQ(FormFromBirthData(b).zoneIndex, 34);
}

}  // namespace
}  // namespace vellamor
