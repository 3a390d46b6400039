// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/dasha.h"

#include <cmath>

#include "core/astro/time_zones.h"
#include "core/chart/entry_form.h"
#include "core/reading/sign_changes.h"

namespace vellamor {
namespace {

// The house n steps after `first`, round the circle (1..12).
int HouseAfter(int first, int steps) {
    return (first - 1 + steps) % 12 + 1;
}

CivilDateTime BirthInstant(const BirthData& b) {
    return {b.year, b.month, b.day, b.hour, b.minute};
}

constexpr double kSiderealYearMinutes = 365.256363 * 24 * 60;

// The year of life that holds a reading on or after the birth, from a guess
// within a year or so of it.
int YearOfLifeAt(const Chart& chart, const CivilDateTime& reading) {
    const BirthData& birth = chart.birth;
    const long long at = MinutesSince1970(reading);
    int n = reading.year - birth.year + 1;
    if (chart.calculation.sudarshanYear == SudarshanYear::SolarReturn)
        n = static_cast<int>(static_cast<double>(at - MinutesSince1970(BirthInstant(birth))) /
                             kSiderealYearMinutes) +
            1;
    while (n > 1 && MinutesSince1970(YearStart(chart, n)) > at)
        --n;
    while (MinutesSince1970(YearStart(chart, n + 1)) <= at)
        ++n;
    return n;
}

// The start of the k-th of the 144 periods of a year (k = 144: the year's
// end), on the minute nearest its share.
long long PeriodStart(long long yearMinutes, long long k) {
    return (k * yearMinutes + 72) / 144;
}

}  // namespace

Expected<void, ReadingError> CheckReading(const BirthData& birth, const CivilDateTime& reading) {
    const CivilDateTime& r = reading;
    if (!IsCalendarDate(r) || r.hour < 0 || r.hour > 23 || r.minute < 0 || r.minute > 59)
        return Fail(ReadingError::NotADate);
    if (MinutesSince1970(r) < MinutesSince1970(BirthInstant(birth)))
        return Fail(ReadingError::BeforeBirth);
    if (r.year < kFirstYear || r.year > kLastYear)
        return Fail(ReadingError::OutOfRange);
    return {};
}

CivilDateTime BirthClockFromUniversal(const BirthData& birth, const CivilDateTime& universal) {
    const TimeZoneRow* zone = TimeZoneAt(birth.zoneIndex);
    if (!zone)
        zone = TimeZoneAt(0);
    // The row's offsets are west-positive: the clock runs behind universal
    // time by them, and the daylight-saving hour puts it one hour ahead.
    const long long offset =
        -(zone->hours * 60LL + zone->minutes) + (birth.daylightSaving ? 60 : 0);
    return AddMinutes(universal, offset);
}

CivilDateTime YearOfLifeStart(const BirthData& birth, int yearOfLife) {
    CivilDateTime t = BirthInstant(birth);
    t.year += yearOfLife - 1;
    if (t.month == 2 && t.day > DaysInMonth(t.year, 2)) {
        t.month = 3;
        t.day = 1;
    }
    return t;
}

CivilDateTime SolarReturn(const Chart& chart, int n) {
    const CivilDateTime birth = BirthInstant(chart.birth);
    if (n <= 0)
        return birth;
    const double sun = chart.planets.longitudes[BodyIndex(Body::Sun)];
    // Minutes from the birth; the Sun, which never turns back, is behind its
    // birth longitude before the return and past it after, and it moves a
    // degree a day, so a few days either side of the mean return bracket it.
    const auto past = [&](long long minute) {
        return Turned(sun, TransitLongitude(chart, Body::Sun, AddMinutes(birth, minute))) >= 0;
    };
    const auto guess = std::llround(n * kSiderealYearMinutes);
    long long reach = 3 * 1440;
    long long before = guess - reach;
    long long after = guess + reach;
    // The true return lies within a day or two of the mean one; a bracket
    // that still fails at a fortnight would only wrap round the circle.
    while (past(before) || !past(after)) {
        if (reach > 14 * 1440)
            return AddMinutes(birth, guess);
        reach *= 2;
        before = guess - reach;
        after = guess + reach;
    }
    while (after - before > 1) {
        const long long middle = before + (after - before) / 2;
        (past(middle) ? after : before) = middle;
    }
    return AddMinutes(birth, after);
}

CivilDateTime YearStart(const Chart& chart, int yearOfLife) {
    if (chart.calculation.sudarshanYear == SudarshanYear::SolarReturn)
        return SolarReturn(chart, yearOfLife - 1);
    return YearOfLifeStart(chart.birth, yearOfLife);
}

std::array<DashaSpan, 12> DashaCycle(const Chart& chart, int yearOfLife) {
    std::array<DashaSpan, 12> cycle;
    const int first = (yearOfLife - 1) / 12 * 12 + 1;
    for (int i = 0; i < 12; ++i) {
        DashaSpan& y = cycle[static_cast<std::size_t>(i)];
        y.number = first + i;
        y.house = i + 1;
        y.from = i == 0 ? YearStart(chart, y.number) : cycle[static_cast<std::size_t>(i - 1)].to;
        y.to = YearStart(chart, y.number + 1);
    }
    return cycle;
}

Expected<DashaProgression, ReadingError> ComputeProgression(const Chart& chart,
                                                            const CivilDateTime& reading) {
    if (auto checked = CheckReading(chart.birth, reading); !checked)
        return Fail(checked.error());
    DashaProgression p;
    p.reading = reading;
    p.yearStart = chart.calculation.sudarshanYear;

    DashaSpan& year = p.spans[static_cast<std::size_t>(DashaLevel::Year)];
    year.number = YearOfLifeAt(chart, reading);
    year.house = HouseAfter(1, year.number - 1);
    year.from = YearStart(chart, year.number);
    year.to = YearStart(chart, year.number + 1);

    // A birthday year of 525,600 or 527,040 minutes divides by 144, so its
    // periods need no rounding; a solar return's takes the nearest minutes.
    const long long yearMinutes = MinutesSince1970(year.to) - MinutesSince1970(year.from);
    const long long into = MinutesSince1970(reading) - MinutesSince1970(year.from);
    long long k = into * 144 / yearMinutes;  // the period of the year, 0..143
    while (k > 0 && PeriodStart(yearMinutes, k) > into)
        --k;
    while (k < 143 && PeriodStart(yearMinutes, k + 1) <= into)
        ++k;
    const auto at = [&](long long period) {
        return AddMinutes(year.from, PeriodStart(yearMinutes, period));
    };

    DashaSpan& month = p.spans[static_cast<std::size_t>(DashaLevel::Month)];
    month.number = static_cast<int>(k / 12) + 1;
    month.house = HouseAfter(year.house, month.number - 1);
    month.from = at(k / 12 * 12);
    month.to = at(k / 12 * 12 + 12);

    DashaSpan& period = p.spans[static_cast<std::size_t>(DashaLevel::Period)];
    period.number = static_cast<int>(k % 12) + 1;
    period.house = HouseAfter(month.house, period.number - 1);
    period.from = at(k);
    period.to = at(k + 1);

    for (const Ring r : AllOf<Ring>()) {
        for (std::size_t l = 0; l < kDashaLevelCount; ++l)
            p.houses[r][l] = chart.chakra.house(r, p.spans[l].house - 1);
    }
    return p;
}

}  // namespace vellamor
