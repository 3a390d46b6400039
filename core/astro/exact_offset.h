// SPDX-License-Identifier: GPL-3.0-or-later
// An exact offset from universal time for a birth that no zone row fits: a
// fixed offset to the second (Nepal's +05:45, Madras time's +05:21:10), or
// local mean time, which the birth place's own longitude gives.
//
// Offsets here are seconds EAST of Greenwich positive, as people write them
// ("+05:45"), the opposite of the zone table's sign. The offset is the whole
// offset of the clock at the birth: any daylight saving is part of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vellamor {

inline constexpr int kMaxOffsetSeconds = 14 * 3600;

enum class ExactOffsetKind { None, Fixed, LocalMeanTime };

struct ExactOffset {
    ExactOffsetKind kind = ExactOffsetKind::None;
    int secondsEast = 0;  // Fixed only: -kMaxOffsetSeconds..kMaxOffsetSeconds

    bool isSet() const { return kind != ExactOffsetKind::None; }
    static ExactOffset Fixed(int secondsEast) { return {ExactOffsetKind::Fixed, secondsEast}; }
    static ExactOffset LocalMeanTime() { return {ExactOffsetKind::LocalMeanTime, 0}; }

    bool operator==(const ExactOffset&) const = default;
};

// Why a text is not an offset.
enum class OffsetTextProblem {
    Shape,       // not ±H:MM or ±H:MM:SS (sign required, two-digit minutes and seconds)
    OutOfRange,  // beyond ±14:00
};

// "+05:45", "-00:44:30", "+5:45" or "LMT" (the last only when `allowLmt`).
struct ParsedOffset {
    std::optional<ExactOffset> offset;
    std::optional<OffsetTextProblem> problem;
};
ParsedOffset ParseExactOffset(std::string_view text, bool allowLmt);

// The offset as the command line, the chart file and the births table write
// it: "+05:45", "+05:21:10" (seconds only when not zero), "LMT"; empty for
// none.
std::string ExactOffsetText(const ExactOffset& offset);

// Local mean time of a longitude in degrees and minutes, east positive:
// four minutes of time per degree, so a whole number of seconds.
constexpr int LocalMeanTimeSeconds(int lonDegrees, int lonMinutes, bool east) {
    const int seconds = (lonDegrees * 60 + lonMinutes) * 4;
    return east ? seconds : -seconds;
}

// The zone row (0..70) whose signed offset lies nearest to an offset east of
// Greenwich; of two as near, the first in the list.
int NearestZoneRow(int secondsEast);

}  // namespace vellamor
