// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/entry_form.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

EntryForm Complete() {
    EntryForm f;
    f.name = "Asha";
    f.latDegrees = "18", f.latMinutes = "31", f.lonDegrees = "73", f.lonMinutes = "7";
    f.city = "Pune", f.state = "Maharashtra", f.country = "India";
    return f;
}

// Only the first problem is reported, in a fixed order.
TEST(EntryForm, ValidationReportsTheFirstProblemInOrder) {
    struct Step {
        void (*clear)(EntryForm&);
        FormCheck check;
        const char* message;
        MessageIcon icon;
        FormField focus;
    };
    using I = MessageIcon;
    using F = FormField;
    const Step steps[] = {
        {[](EntryForm& f) { f.name.clear(); }, FormCheck::Name, "Please Enter Your Name",
         I::Critical, F::Name},
        {[](EntryForm& f) { f.latDegrees.clear(); }, FormCheck::LatDegrees,
         "Please Enter Degree of Latitude", I::Critical, F::LatDegrees},
        {[](EntryForm& f) { f.latMinutes.clear(); }, FormCheck::LatMinutes,
         "Please Enter Minutes of Latitude", I::Critical, F::LatMinutes},
        {[](EntryForm& f) { f.lonDegrees.clear(); }, FormCheck::LonDegrees,
         "Please Enter Degree of Longitude", I::Critical, F::LonDegrees},
        {[](EntryForm& f) { f.lonMinutes.clear(); }, FormCheck::LonMinutes,
         "Please Enter Minute of Longitude", I::Critical, F::LonMinutes},
        {[](EntryForm& f) { f.city.clear(); }, FormCheck::City, "Please Enter Your City name",
         I::Critical, F::City},
        {[](EntryForm& f) { f.state.clear(); }, FormCheck::State, "Please Enter Your State name",
         I::Critical, F::State},
        {[](EntryForm& f) { f.country.clear(); }, FormCheck::Country,
         "Please Enter Your Country name", I::Critical, F::Country},
        {[](EntryForm& f) { f.latitude = LatitudeOption::None; }, FormCheck::LatitudeOption,
         "Please Select Direction For The Latitude", I::Critical, F::LatitudeOption},
        {[](EntryForm& f) { f.longitude = LongitudeOption::None; }, FormCheck::LongitudeOption,
         "Please Select Direction For The Longitude", I::Critical, F::LongitudeOption},
    };
    // Clearing fields from the last check backwards: each time, the newly
    // cleared (earliest) field is the one reported.
    EntryForm f = Complete();
    EXPECT_TRUE(ValidateInput(f));
    for (int i = static_cast<int>(std::size(steps)) - 1; i >= 0; --i) {
        steps[i].clear(f);
        const auto checked = ValidateInput(f);
        ASSERT_FALSE(checked);
        const FormProblem* p = &checked.error();
        EXPECT_EQ(p->check, steps[i].check);
        EXPECT_EQ(p->message, steps[i].message);
        EXPECT_EQ(p->icon, steps[i].icon);
        EXPECT_EQ(p->focus, steps[i].focus);
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
        const char* message;  // nullptr: passes
    };
    const char* feb = "Please Enter Correct Date Or Month!";
    const char* thirty = "Please Enter Correct Date Or Month !";
    const Case cases[] = {
        {29, 2, 2000, nullptr},  {29, 2, 2024, nullptr}, {29, 2, 1999, feb},
        {30, 2, 2000, feb},      {31, 2, 1904, feb},     {28, 2, 1901, nullptr},
        {31, 4, 1980, thirty},   {31, 6, 1980, thirty},  {31, 9, 1980, thirty},
        {31, 11, 1980, thirty},  {31, 5, 1980, nullptr}, {30, 4, 1980, nullptr},
        {31, 12, 2050, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month) + "/" +
                     std::to_string(c.year));
        EntryForm f = Complete();
        f.dayIndex = c.day - 1, f.monthIndex = c.month - 1, f.yearIndex = c.year - 1901;
        const auto checked = ValidateInput(f);
        if (c.message) {
            ASSERT_FALSE(checked);
            EXPECT_EQ(checked.error().message, c.message);
            EXPECT_EQ(checked.error().icon, MessageIcon::Information);
        } else {
            EXPECT_TRUE(checked);
        }
    }
}

// A place on the Earth: checked after everything else, in this order.
TEST(EntryForm, CoordinatesMustBeAPlaceOnEarth) {
    struct Case {
        const char *latDeg, *latMin, *lonDeg, *lonMin;
        const char* message;  // nullptr: passes
        FormField focus;
    };
    using F = FormField;
    const char* lat = "Latitude Must Be At Most 90 Degrees";
    const char* latMin = "Minutes of Latitude Must Be Less Than 60";
    const char* lon = "Longitude Must Be At Most 180 Degrees";
    const char* lonMin = "Minutes of Longitude Must Be Less Than 60";
    const Case cases[] = {
        {"90", "0", "180", "0", nullptr, F::None},
        {"0", "59", "0", "59", nullptr, F::None},
        {"91", "0", "0", "0", lat, F::LatDegrees},
        {"90", "30", "0", "0", lat, F::LatDegrees},
        {"999", "75", "999", "75", lat, F::LatDegrees},
        {"45", "60", "0", "0", latMin, F::LatMinutes},
        {"45", "60", "999", "0", latMin, F::LatMinutes},
        {"0", "0", "181", "0", lon, F::LonDegrees},
        {"0", "0", "180", "1", lon, F::LonDegrees},
        {"0", "0", "179", "75", lonMin, F::LonMinutes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.latDeg) + ":" + c.latMin + " " + c.lonDeg + ":" + c.lonMin);
        EntryForm f = Complete();
        f.latDegrees = c.latDeg, f.latMinutes = c.latMin;
        f.lonDegrees = c.lonDeg, f.lonMinutes = c.lonMin;
        const auto checked = ValidateInput(f);
        if (!c.message) {
            EXPECT_TRUE(checked);
            continue;
        }
        ASSERT_FALSE(checked);
        EXPECT_EQ(checked.error().message, c.message);
        EXPECT_EQ(checked.error().icon, MessageIcon::Critical);
        EXPECT_EQ(checked.error().focus, c.focus);
        // Every earlier check still speaks first.
        f.monthIndex = 1, f.dayIndex = 30;
        EXPECT_EQ(ValidateInput(f).error().message, "Please Enter Correct Date Or Month!");
    }
}

TEST(EntryForm, KeystrokeAndPastedTextClasses) {
    for (int c = 0; c < 256; ++c) {
        const bool letter =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || c == 8 || c == 127;
        const bool digit = (c >= '0' && c <= '9') || c == 8 || c == 127;
        EXPECT_EQ(IsLetterFieldCode(c), letter) << c;
        EXPECT_EQ(IsDigitFieldCode(c), digit) << c;
    }
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
