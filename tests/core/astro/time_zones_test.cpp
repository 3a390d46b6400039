// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/time_zones.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vellamor {
namespace {

TEST(TimeZones, RowsThatTheRestOfTheProgramRelyOn) {
    const auto& t = LoadTimeZoneTable();
    ASSERT_EQ(t.size(), 71u);
    struct Row {
        int row;
        const char* text;
        int hours, minutes;
    };
    const Row rows[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {27, "Eastern Standard Time,EST,-5.0", 5, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {34, "Indian Time, IST, +5.3", -5, -30},  // .3 means half an hour here
        {37, "Iran Time, IT, +3.5", -3, -30},
        {38, "Japan Standard Time,JST,+9.0", -9, 0},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(t[r.row].text, r.text);
        EXPECT_EQ(t[r.row].hours, r.hours);
        EXPECT_EQ(t[r.row].minutes, r.minutes);
    }
}

// The numbers must agree with the displayed offset (with the inverted sign),
// and the minutes share the hours' sign, or universal time comes out wrong.
TEST(TimeZones, NumericColumnsAgreeWithTheDisplayedOffset) {
    for (const TimeZoneRow& r : LoadTimeZoneTable()) {
        SCOPED_TRACE(std::string(r.text));
        const std::string shown(r.text.substr(r.text.rfind(',') + 1));
        const double displayed = std::stod(shown);
        const double frac = displayed - static_cast<int>(displayed);
        const int minutes = (frac > 0.2 || frac < -0.2) ? 30 : 0;  // .3 and .5 both mean 30
        EXPECT_EQ(-r.hours, static_cast<int>(displayed));
        EXPECT_EQ(std::abs(r.minutes), minutes);
        if (r.minutes != 0) {
            EXPECT_EQ(r.minutes < 0, r.hours < 0);
        }
    }
    EXPECT_EQ(TimeZoneAt(-1), nullptr);
    EXPECT_EQ(TimeZoneAt(71), nullptr);
    EXPECT_EQ(TimeZoneAt(70)->text, "Yukon War Time,YWT,-8.0");
}

}  // namespace
}  // namespace vellamor
