// SPDX-License-Identifier: GPL-3.0-or-later
// The entry window's values as plain data, the checks made on them before a
// calculation, and the copy into BirthData. The window and the command line
// share these, so both refuse the same forms in the same order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/astro/birth_data.h"
#include "core/astro/expected.h"

namespace vellamor {

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
inline constexpr int kMaxTextLength = 200;  // letter boxes
inline constexpr int kMaxDigits = 3;        // coordinate boxes

enum class LongitudeOption { None = -1, East = 0, West = 1 };
enum class LatitudeOption { None = -1, North = 0, South = 1 };

// Every control of the entry window. List selections are list positions.
struct EntryForm {
    std::string name, latDegrees, latMinutes, lonDegrees, lonMinutes, city, state, country;
    int dayIndex = 0;     // day = index + 1
    int monthIndex = 0;   // month = index + 1
    int yearIndex = 0;    // year = 1901 + index
    int hourIndex = 0;    // hour = index
    int minuteIndex = 0;  // minute = index
    int zoneIndex = 0;    // time-zone row
    LongitudeOption longitude = LongitudeOption::East;
    LatitudeOption latitude = LatitudeOption::North;
    bool daylightSaving = false;
    ExactOffset exactOffset;  // for precise charts; none by default

    bool operator==(const EntryForm&) const = default;
};

// The checks made before a calculation, in the order in which they run.
// Each front end words them; the window also knows which control takes the
// focus and which icon the message shows.
enum class FormCheck {
    Name,
    LatDegrees,
    LatMinutes,
    LonDegrees,
    LonMinutes,
    City,
    State,
    Country,
    LatitudeOption,
    LongitudeOption,
    FebruaryDay,     // a day February does not have
    ThirtyDayMonth,  // day 31 of April, June, September or November
    // The coordinates must name a place on the Earth.
    LatitudeRange,         // above 90 degrees, or 90 with minutes
    LatitudeMinutesRange,  // 60 minutes or more
    LongitudeRange,        // above 180 degrees, or 180 with minutes
    LongitudeMinutesRange  // 60 minutes or more
};

// Nothing when the form may be calculated, otherwise the first check that
// failed.
Expected<void, FormCheck> ValidateInput(const EntryForm& form);

// What the window does after a failed check: the direction checks select
// North or East; the others leave the values alone (the window moves the
// focus).
void ApplyProblemSideEffects(EntryForm& form, FormCheck failed);

// The characters the letter and digit boxes take, for whole texts (typed,
// pasted or dropped, given as UTF-8): every character passes.
bool IsLetterText(std::string_view utf8);
bool IsDigitText(std::string_view utf8);

// Copy of the controls into BirthData. A value that cannot be converted keeps
// the value of `previous` (the copy of each field is a step of its own).
BirthData CopyFormToBirthData(const EntryForm& form, const BirthData& previous = {});

// The zone row for a form's exact offset: the row nearest the offset (local
// mean time from the form's longitude), so that the classic formulas and a
// reader that knows no exact offset still get the birth about right. The
// form is left as it is without an offset or with a longitude it cannot read.
void SelectNearestZoneRow(EntryForm& form);

// The form that shows a BirthData (list positions from values).
EntryForm FormFromBirthData(const BirthData& birth);

std::string TrimBlanks(std::string_view s);

// The value of a run of ASCII digits whose length lies in [minDigits,
// maxDigits]; nothing for anything else (signs and blanks included).
std::optional<int> DigitRunValue(std::string_view s, std::size_t minDigits, std::size_t maxDigits);

}  // namespace vellamor
