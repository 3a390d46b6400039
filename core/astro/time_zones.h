// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own list of 71 time zones.
//
// Offsets carry the sign inverted, as the whole program expects: a zone west
// of Greenwich (behind universal time) holds positive hours, a zone east of it
// negative ones. The row number is a zone's identity: it is the index in the
// entry window's list, it is stored in birth data and in chart files.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vellamor {

struct TimeZoneRow {
    std::string_view text;  // display text; the decimal in it is never parsed
    std::int16_t hours;     // whole hours, west of Greenwich positive
    std::int16_t minutes;   // 0, 30 or -30, same inverted sign as the hours
};

inline constexpr int kTimeZoneCount = 71;

// Returns the fixed table; calling it again always gives the same rows.
const std::array<TimeZoneRow, kTimeZoneCount>& LoadTimeZoneTable();

// The row for a list index, or nullptr when the index is outside 0 to 70.
const TimeZoneRow* TimeZoneAt(int row);

}  // namespace vellamor
