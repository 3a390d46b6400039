// SPDX-License-Identifier: GPL-3.0-or-later
// Spans of time and offsets from universal time, taken apart into the whole
// units the notes state them in. The command line words them in English and
// the windows in their language; both take the numbers from here, so that
// they state the same ones. Truncated, never rounded.
#pragma once

#include "core/astro/enum_array.h"

namespace vellamor {

// The largest unit a span of minutes is stated in.
enum class SpanUnit {
    UnderAMinute,  // "under 1 min"
    Minutes,       // "14 min"
    Hours,         // "1 h 52 min", "2 h"
    Days,          // "2 d 5 h", "1 d"
};
template <>
inline constexpr int kEnumCount<SpanUnit> = 4;

struct MinuteSpan {
    SpanUnit unit = SpanUnit::UnderAMinute;
    long long whole = 0;  // minutes, hours or days, by the unit
    long long rest = 0;   // Hours: the minutes over; Days: the hours over; else 0
    bool operator==(const MinuteSpan&) const = default;
};
MinuteSpan SpanOfMinutes(double minutes);

// A span of seconds as the zone notes state it, the sign dropped: the
// nonzero parts ("1 h", "8 min 50 s"), and minutes for no time at all.
struct SecondSpan {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    bool showsHours() const { return hours != 0; }
    bool showsMinutes() const { return minutes != 0 || (hours == 0 && seconds == 0); }
    bool showsSeconds() const { return seconds != 0; }
    bool operator==(const SecondSpan&) const = default;
};
SecondSpan SpanOfSeconds(int seconds);

// An offset from universal time in whole parts: UTC+5:30 is ahead, 5, 30.
struct ClockOffset {
    bool behind = false;  // west of Greenwich: universal time is later
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    bool operator==(const ClockOffset&) const = default;
};
ClockOffset OffsetOfSeconds(int secondsAhead);

}  // namespace vellamor
