// SPDX-License-Identifier: GPL-3.0-or-later
// Civil dates and clock times, and the one calendar arithmetic every part of
// the program uses: the proleptic Gregorian calendar of std::chrono, whose
// leap-year rule (every fourth year, but not 1900, yet 2000) is the only one.
//
// Day numbers count days from 1 January 1970. Which clock a date and time is
// on (local, universal, the birth's) is for the name of the variable to say.
#pragma once

#include <chrono>

namespace vellamor {

// A day of the civil calendar.
struct CalendarDate {
    int year = 0, month = 0, day = 0;

    friend constexpr bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// A day of the civil calendar and a clock time on it, to the minute.
struct CivilDateTime : CalendarDate {
    int hour = 0, minute = 0;

    CivilDateTime() = default;
    constexpr CivilDateTime(int year, int month, int day, int hour, int minute)
        : CalendarDate{year, month, day}, hour(hour), minute(minute) {}

    friend constexpr bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Days in a month (1..12) of a year.
constexpr int DaysInMonth(int year, int month) {
    const std::chrono::year_month_day_last end = std::chrono::year{year} /
                                                 std::chrono::month{static_cast<unsigned>(month)} /
                                                 std::chrono::last;
    return static_cast<int>(static_cast<unsigned>(end.day()));
}

// Whether the date exists: month 1..12 and a day that month has.
constexpr bool IsCalendarDate(const CalendarDate& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

// Days from 1 January 1970. Months and days beyond their range run on into
// the following ones, as a calendar would count them (February 30 is the day
// after February 29 or 28, month 13 is January of the next year).
constexpr int CalendarDayNumber(const CalendarDate& date) {
    using namespace std::chrono;
    const sys_days firstOfMonth{(year{date.year} / January + months{date.month - 1}) / 1};
    return static_cast<int>((firstOfMonth + days{date.day - 1}).time_since_epoch().count());
}

// The date of a day number.
constexpr CalendarDate DateOfDayNumber(int dayNumber) {
    const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{dayNumber}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// Minutes from 1970-01-01 00:00 on the same clock, for differences.
constexpr long long MinutesSince1970(const CivilDateTime& t) {
    return CalendarDayNumber(t) * 1440LL + t.hour * 60LL + t.minute;
}

// Adds signed minutes with the calendar's arithmetic.
constexpr CivilDateTime AddMinutes(const CivilDateTime& t, long long minutes) {
    using namespace std::chrono;
    const sys_time<std::chrono::minutes> sum{std::chrono::minutes{MinutesSince1970(t) + minutes}};
    const sys_days day = floor<days>(sum);
    const hh_mm_ss clock{sum - day};
    const CalendarDate date = DateOfDayNumber(static_cast<int>(day.time_since_epoch().count()));
    return {date.year, date.month, date.day, static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count())};
}

}  // namespace vellamor
