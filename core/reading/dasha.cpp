// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/dasha.h"

#include "core/astro/time_zones.h"
#include "core/chart/entry_form.h"

namespace vellamor {
namespace {

// The house n steps after `first`, round the circle (1..12).
int HouseAfter(int first, int steps) {
    return (first - 1 + steps) % 12 + 1;
}

CivilDateTime BirthInstant(const BirthData& b) {
    return {b.year, b.month, b.day, b.hour, b.minute};
}

// The year of life that holds a reading on or after the birth.
int YearOfLifeAt(const BirthData& birth, const CivilDateTime& reading) {
    const long long at = MinutesSince1970(reading);
    int n = reading.year - birth.year + 1;
    while (n > 1 && MinutesSince1970(YearOfLifeStart(birth, n)) > at)
        --n;
    return n;
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

std::array<DashaSpan, 12> DashaCycle(const BirthData& birth, int yearOfLife) {
    std::array<DashaSpan, 12> cycle;
    const int first = (yearOfLife - 1) / 12 * 12 + 1;
    for (int i = 0; i < 12; ++i) {
        DashaSpan& y = cycle[static_cast<std::size_t>(i)];
        y.number = first + i;
        y.house = i + 1;
        y.from = YearOfLifeStart(birth, y.number);
        y.to = YearOfLifeStart(birth, y.number + 1);
    }
    return cycle;
}

Expected<DashaProgression, ReadingError> ComputeProgression(const Chart& chart,
                                                            const CivilDateTime& reading) {
    if (auto checked = CheckReading(chart.birth, reading); !checked)
        return Fail(checked.error());
    DashaProgression p;
    p.reading = reading;

    DashaSpan& year = p.spans[static_cast<std::size_t>(DashaLevel::Year)];
    year.number = YearOfLifeAt(chart.birth, reading);
    year.house = HouseAfter(1, year.number - 1);
    year.from = YearOfLifeStart(chart.birth, year.number);
    year.to = YearOfLifeStart(chart.birth, year.number + 1);

    // 525,600 and 527,040 minutes both divide by 144: no rounding anywhere.
    const long long yearMinutes = MinutesSince1970(year.to) - MinutesSince1970(year.from);
    const long long monthMinutes = yearMinutes / 12;
    const long long periodMinutes = monthMinutes / 12;
    const long long into = MinutesSince1970(reading) - MinutesSince1970(year.from);

    DashaSpan& month = p.spans[static_cast<std::size_t>(DashaLevel::Month)];
    month.number = static_cast<int>(into / monthMinutes) + 1;
    month.house = HouseAfter(year.house, month.number - 1);
    month.from = AddMinutes(year.from, (month.number - 1) * monthMinutes);
    month.to = AddMinutes(month.from, monthMinutes);

    DashaSpan& period = p.spans[static_cast<std::size_t>(DashaLevel::Period)];
    period.number = static_cast<int>(into % monthMinutes / periodMinutes) + 1;
    period.house = HouseAfter(month.house, period.number - 1);
    period.from = AddMinutes(month.from, (period.number - 1) * periodMinutes);
    period.to = AddMinutes(period.from, periodMinutes);

    for (const Ring r : AllOf<Ring>()) {
        for (std::size_t l = 0; l < kDashaLevelCount; ++l)
            p.houses[r][l] = chart.chakra.house(r, p.spans[l].house - 1);
    }
    return p;
}

}  // namespace vellamor
