// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/entry_form.h"

#include <algorithm>

#include "core/astro/civil_date.h"
#include "core/astro/time_zones.h"

namespace vellamor {
namespace {

// Integer value of a coordinate text: one to three digits, nothing else.
std::optional<int> DigitsValue(std::string_view s) {
    return DigitRunValue(s, 1, static_cast<std::size_t>(kMaxDigits));
}

}  // namespace

std::optional<int> DigitRunValue(std::string_view s, std::size_t minDigits, std::size_t maxDigits) {
    if (s.size() < minDigits || s.size() > maxDigits)
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::string TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return std::string(s);
}

// Every accepted character is ASCII, and every byte of any other character
// (or of a broken sequence) is 0x80 or above: the bytes can be tested alone.
bool IsLetterText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
    });
}

bool IsDigitText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Expected<void, FormCheck> ValidateInput(const EntryForm& f) {
    using C = FormCheck;
    if (f.name.empty())
        return Fail(C::Name);
    if (f.latDegrees.empty())
        return Fail(C::LatDegrees);
    if (f.latMinutes.empty())
        return Fail(C::LatMinutes);
    if (f.lonDegrees.empty())
        return Fail(C::LonDegrees);
    if (f.lonMinutes.empty())
        return Fail(C::LonMinutes);
    if (f.city.empty())
        return Fail(C::City);
    if (f.state.empty())
        return Fail(C::State);
    if (f.country.empty())
        return Fail(C::Country);
    if (f.latitude == LatitudeOption::None)
        return Fail(C::LatitudeOption);
    if (f.longitude == LongitudeOption::None)
        return Fail(C::LongitudeOption);
    if (f.monthIndex == 1 && f.dayIndex >= DaysInMonth(kFirstYear + f.yearIndex, 2))
        return Fail(C::FebruaryDay);
    if ((f.monthIndex == 3 || f.monthIndex == 5 || f.monthIndex == 8 || f.monthIndex == 10) &&
        f.dayIndex == 30)
        return Fail(C::ThirtyDayMonth);
    // The coordinates must name a place on the Earth. Checked after all the
    // others, so that their messages keep their order.
    const int latDeg = DigitsValue(f.latDegrees).value_or(0);
    const int latMin = DigitsValue(f.latMinutes).value_or(0);
    const int lonDeg = DigitsValue(f.lonDegrees).value_or(0);
    const int lonMin = DigitsValue(f.lonMinutes).value_or(0);
    if (latDeg > 90 || (latDeg == 90 && latMin > 0))
        return Fail(C::LatitudeRange);
    if (latMin > 59)
        return Fail(C::LatitudeMinutesRange);
    if (lonDeg > 180 || (lonDeg == 180 && lonMin > 0))
        return Fail(C::LongitudeRange);
    if (lonMin > 59)
        return Fail(C::LongitudeMinutesRange);
    return {};
}

void ApplyProblemSideEffects(EntryForm& form, FormCheck failed) {
    if (failed == FormCheck::LatitudeOption)
        form.latitude = LatitudeOption::North;
    if (failed == FormCheck::LongitudeOption)
        form.longitude = LongitudeOption::East;
}

BirthData CopyFormToBirthData(const EntryForm& f, const BirthData& previous) {
    BirthData b = previous;
    b.name = f.name;
    b.month = f.monthIndex + 1;
    b.day = f.dayIndex + 1;
    b.year = kFirstYear + f.yearIndex;
    b.hour = f.hourIndex;
    b.minute = f.minuteIndex;
    if (const TimeZoneRow* zone = TimeZoneAt(f.zoneIndex)) {
        b.zoneHours = zone->hours < 0 ? -zone->hours : zone->hours;
        b.zoneMinutes = zone->minutes < 0 ? -zone->minutes : zone->minutes;
        b.zoneIndex = f.zoneIndex;
    }
    if (auto v = DigitsValue(f.lonDegrees))
        b.lonDegrees = *v;
    if (auto v = DigitsValue(f.lonMinutes))
        b.lonMinutes = *v;
    if (auto v = DigitsValue(f.latDegrees))
        b.latDegrees = *v;
    if (auto v = DigitsValue(f.latMinutes))
        b.latMinutes = *v;
    b.eastLongitude = f.longitude == LongitudeOption::East;
    b.southLatitude = f.latitude == LatitudeOption::South;
    b.daylightSaving = f.daylightSaving;
    b.exactOffset = f.exactOffset;
    b.city = TrimBlanks(f.city);
    b.state = TrimBlanks(f.state);
    b.country = TrimBlanks(f.country);
    return b;
}

void SelectNearestZoneRow(EntryForm& f) {
    switch (f.exactOffset.kind) {
        case ExactOffsetKind::None:
            return;
        case ExactOffsetKind::Fixed:
            f.zoneIndex = NearestZoneRow(f.exactOffset.secondsEast);
            return;
        case ExactOffsetKind::LocalMeanTime:
            break;
    }
    const auto degrees = DigitsValue(f.lonDegrees), minutes = DigitsValue(f.lonMinutes);
    if (degrees && minutes && f.longitude != LongitudeOption::None)
        f.zoneIndex = NearestZoneRow(
            LocalMeanTimeSeconds(*degrees, *minutes, f.longitude == LongitudeOption::East));
}

EntryForm FormFromBirthData(const BirthData& b) {
    EntryForm f;
    f.name = b.name;
    f.dayIndex = b.day - 1;
    f.monthIndex = b.month - 1;
    f.yearIndex = b.year - kFirstYear;
    f.hourIndex = b.hour;
    f.minuteIndex = b.minute;
    f.zoneIndex = b.zoneIndex;
    f.latDegrees = std::to_string(b.latDegrees);
    f.latMinutes = std::to_string(b.latMinutes);
    f.lonDegrees = std::to_string(b.lonDegrees);
    f.lonMinutes = std::to_string(b.lonMinutes);
    f.longitude = b.eastLongitude ? LongitudeOption::East : LongitudeOption::West;
    f.latitude = b.southLatitude ? LatitudeOption::South : LatitudeOption::North;
    f.daylightSaving = b.daylightSaving;
    f.exactOffset = b.exactOffset;
    f.city = b.city;
    f.state = b.state;
    f.country = b.country;
    return f;
}

}  // namespace vellamor
