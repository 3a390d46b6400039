// SPDX-License-Identifier: GPL-3.0-or-later
// The Sudarshan dasha in its fixed reckoning: every year of life is ruled by
// one house, the first year by the 1st house, the twelfth by the 12th, the
// thirteenth by the 1st again; each year splits into twelve equal months and
// each month into twelve equal periods, the first of them ruled by the house
// that rules the whole, the next by the following house, round the circle.
//
// All instants are on the birth's clock: the zone row's offset plus one hour
// when the birth's daylight-saving box is ticked, fixed all year. Years begin
// as the chart's calculation chooses:
// - at the birthday anniversaries at the birth's clock time (a birthday of
//   29 February counts from 1 March in common years), so a year lasts
//   525,600 or 527,040 minutes, both divisible by 144: every month and period
//   starts on a whole minute;
// - or at the solar returns, the first minute at which the Sun (the
//   program's own, classic or precise as the chart) is back at its sidereal
//   longitude at the birth; months and periods then start on the minute
//   nearest their share of the year.
// Spans are half-open: an instant on a boundary belongs to the later span.
#pragma once

#include <array>
#include <string_view>

#include "core/astro/civil_date.h"
#include "core/astro/expected.h"
#include "core/chart/chakra_model.h"
#include "core/chart/pipeline.h"

namespace vellamor {

enum class ReadingError { NotADate, BeforeBirth, OutOfRange };

// A reading must be a calendar date and time, not before the birth and in a
// year from 1901 to 2050.
Expected<void, ReadingError> CheckReading(const BirthData& birth, const CivilDateTime& reading);

// A universal date and time on the birth's clock.
CivilDateTime BirthClockFromUniversal(const BirthData& birth, const CivilDateTime& universal);

enum class DashaLevel { Year, Month, Period };
inline constexpr int kDashaLevelCount = 3;
inline constexpr std::array<std::string_view, kDashaLevelCount> kDashaLevelKeys{"year", "month",
                                                                                "period"};

struct DashaSpan {
    int number = 0;  // year of life (1..), month or period (1..12)
    int house = 0;   // ruling house, 1..12, the same in every ring
    CivilDateTime from;
    CivilDateTime to;  // the next span's start
};

struct DashaProgression {
    CivilDateTime reading;
    std::array<DashaSpan, kDashaLevelCount> spans;  // year, month, period
    // [ring][level]: the ruling house's sign in that ring; its birth
    // occupants are the chakra's for that sign.
    EnumArray<Ring, std::array<House, kDashaLevelCount>> houses;
    SudarshanYear yearStart = SudarshanYear::Birthday;  // where its years begin

    const DashaSpan& span(DashaLevel level) const { return spans[static_cast<std::size_t>(level)]; }
    const House& house(Ring ring, DashaLevel level) const {
        return houses[ring][static_cast<std::size_t>(level)];
    }
};

Expected<DashaProgression, ReadingError> ComputeProgression(const Chart& chart,
                                                            const CivilDateTime& reading);

// The birthday anniversary that starts year of life n (1 = the birth
// itself) on the birth's clock.
CivilDateTime YearOfLifeStart(const BirthData& birth, int yearOfLife);

// The n-th solar return after the birth (0 = the birth itself), to the
// minute on the birth's clock.
CivilDateTime SolarReturn(const Chart& chart, int n);

// The start of year of life n as the chart's calculation chooses.
CivilDateTime YearStart(const Chart& chart, int yearOfLife);

// The twelve years of the cycle (years 1 to 12, 13 to 24, ...) that holds
// yearOfLife.
std::array<DashaSpan, 12> DashaCycle(const Chart& chart, int yearOfLife);

}  // namespace vellamor
