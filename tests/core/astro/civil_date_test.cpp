// SPDX-License-Identifier: GPL-3.0-or-later
// The one calendar arithmetic: day numbers and added minutes across month and
// year ends and both leap-year exceptions (1900 has no 29 February, 2000 has).
#include "core/astro/civil_date.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

TEST(CalendarDayNumber, CountsDaysAcrossMonthsYearsAndLeapRules) {
    struct Case {
        int year, month, day, expected;
    };
    constexpr Case cases[] = {
        {1970, 1, 1, 0},      {1969, 12, 31, -1},   {2000, 3, 1, 11017},
        {2000, 2, 29, 11016}, {1900, 3, 1, -25508}, {1900, 2, 28, -25509},  // 1900 has no leap day
        {2000, 2, 30, 11017},                                               // runs on into March
        {2000, 13, 1, 11323}, {2001, 1, 1, 11323},  {2000, 0, 31, 10956},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarDayNumber({c.year, c.month, c.day}), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(AddMinutes, CrossesDaysMonthsYearsAndLeapDays) {
    struct Case {
        CivilDateTime from;
        long long minutes;
        CivilDateTime to;
    };
    const Case cases[] = {
        {{1980, 3, 5, 3, 0}, -330, {1980, 3, 4, 21, 30}},   // IST back over midnight
        {{2000, 3, 1, 0, 15}, -60, {2000, 2, 29, 23, 15}},  // into a leap day
        {{1900, 3, 1, 0, 15}, -60, {1900, 2, 28, 23, 15}},  // 1900 has no 29 February
        {{2050, 12, 31, 22, 0}, 13 * 60, {2051, 1, 1, 11, 0}},
        {{1901, 1, 1, 0, 0}, -13 * 60, {1900, 12, 31, 11, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddMinutes(c.from, c.minutes), c.to);
}

}  // namespace
}  // namespace vellamor
