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
#include "core/astro/civil_date.h"

namespace vellamor {

// The eight planets that have tables, and can be marked retrograde.
inline constexpr int kStationPlanets = 8;
inline constexpr std::array<Body, kStationPlanets> kStationBodies{
    Body::Mercury, Body::Venus,  Body::Mars,    Body::Jupiter,
    Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto};

// A station: four-digit year, month 1..12, day 1..31, hour 0..23, minute 0..59,
// universal time.
using Station = CivilDateTime;

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

// The day numbers of the first Mercury period, and of a station on the leap
// day of 2000.
static_assert(MakeStationPeriod({1900, 3, 15, 13, 19}, {1900, 4, 7, 18, 42}).retrogradeDay ==
              -25494);
static_assert(MakeStationPeriod({1900, 3, 15, 13, 19}, {1900, 4, 7, 18, 42}).directDay == -25471);
static_assert(CalendarDayNumber(Station{2000, 2, 29, 0, 0}) == 11016);

// Rows the tables have, Mercury to Pluto (1,378 in all).
inline constexpr std::array<std::size_t, kStationPlanets> kStationRowCounts{476, 95,  71,  139,
                                                                            146, 150, 150, 151};

constexpr bool IsValidStation(const Station& s) {
    if (s.year < 1000 || s.year > 9999 || !IsCalendarDate(s))
        return false;
    return s.hour >= 0 && s.hour <= 23 && s.minute >= 0 && s.minute <= 59;
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
