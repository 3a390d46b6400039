// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in station tables: for each of the eight planets Mercury to Pluto,
// every retrograde period from the end of the 19th to the middle of the 21st
// century, each given by the moment the planet turns retrograde and the
// moment it turns direct again (universal time, to the minute).
//
// The rows live in retro/data/stations.csv (written by tools/stations) and
// are compiled into constant arrays at build time; nothing is read or parsed
// while the program runs.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/astro/bodies.h"

namespace vellamor {

// The eight planets that have tables, and can be marked retrograde.
inline constexpr int kStationPlanets = 8;

// A station: four-digit year, month 1..12, day 1..31, hour 0..23, minute 0..59.
struct Station {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    friend constexpr bool operator==(const Station&, const Station&) = default;
};

// Days from 1 January 1970 to a date of the Gregorian calendar. Months and
// days beyond their range run on into the following ones, as a calendar
// would count them (February 30 is the day after February 29 or 28).
constexpr int CalendarDayNumber(int year, int month, int day) {
    // Bring the month into 1..12 first, carrying whole years.
    const int monthsFromZero = month - 1;
    const int carry = (monthsFromZero >= 0 ? monthsFromZero : monthsFromZero - 11) / 12;
    year += carry;
    month = monthsFromZero - carry * 12 + 1;
    // Count from 1 March so that the leap day ends the counting year.
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr int CalendarDayNumber(const Station& s) {
    return CalendarDayNumber(s.year, s.month, s.day);
}

// One retrograde period. The calendar day numbers of the two stations are
// worked out when the program is compiled: they are all the lookup compares.
struct StationPeriod {
    Station retrograde;
    Station direct;
    int retrogradeDay = 0;
    int directDay = 0;
};

constexpr StationPeriod MakeStationPeriod(Station retrograde, Station direct) {
    return {retrograde, direct, CalendarDayNumber(retrograde), CalendarDayNumber(direct)};
}

// Rows the tables have, Mercury to Pluto (1,378 in all).
inline constexpr std::array<std::size_t, kStationPlanets> kStationRowCounts{476, 95,  71,  139,
                                                                            146, 150, 150, 151};

constexpr bool IsValidStation(const Station& s) {
    if (s.month < 1 || s.month > 12 || s.day < 1 || s.year < 1000 || s.year > 9999)
        return false;
    if (s.hour < 0 || s.hour > 23 || s.minute < 0 || s.minute > 59)
        return false;
    // The day must exist: the day after it is the first of the next month
    // or a day of this one.
    return CalendarDayNumber(s.year, s.month, s.day) < CalendarDayNumber(s.year, s.month + 1, 1);
}

// Every station a real date and time; each period ends on a later calendar
// day than it starts, and the next one starts on a later day still.
constexpr bool IsWellFormedStationTable(std::span<const StationPeriod> periods) {
    for (std::size_t k = 0; k < periods.size(); ++k) {
        const StationPeriod& p = periods[k];
        if (!IsValidStation(p.retrograde) || !IsValidStation(p.direct))
            return false;
        if (p.retrogradeDay >= p.directDay)
            return false;
        if (k > 0 && periods[k - 1].directDay >= p.retrogradeDay)
            return false;
    }
    return !periods.empty();
}

struct StationTable {
    Body planet;
    std::string_view name;  // "Mercury" .. "Pluto"
    std::span<const StationPeriod> periods;
};

// The eight tables in flag order, Mercury to Pluto.
const std::array<StationTable, kStationPlanets>& StationTables();

// The table of a planet; nullptr for the Sun, Moon, Rahu, Ketu and Ascendant.
const StationTable* FindStationTable(Body body);

// The table of "Mercury" .. "Pluto" (exact, case-sensitive); nullptr for any
// other name.
const StationTable* FindStationTable(std::string_view planetName);

// The station as the tables write it: month, day, year, hour and minute, each
// followed by a comma, without leading zeros ("7,18,1900,0,53,").
std::string FormatStation(const Station& s);

// All tables as CSV: the header "planet,row,retrograde,direct", then one line
// per period with the two station texts quoted, e.g.
// Mercury,0,"3,15,1900,13,19,","4,7,1900,18,42,"
std::string StationTablesCsv();

}  // namespace vellamor
