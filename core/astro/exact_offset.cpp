// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/exact_offset.h"

#include <cstdlib>

#include "core/astro/time_zones.h"

namespace vellamor {
namespace {

std::optional<int> Digits(std::string_view s, std::size_t minDigits, std::size_t maxDigits) {
    if (s.size() < minDigits || s.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string TwoDigits(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

ParsedOffset ParseExactOffset(std::string_view text, bool allowLmt) {
    if (allowLmt && text == "LMT")
        return {ExactOffset::LocalMeanTime(), std::nullopt};
    const auto shape = ParsedOffset{std::nullopt, OffsetTextProblem::Shape};
    if (text.size() < 2 || (text[0] != '+' && text[0] != '-'))
        return shape;
    const bool west = text[0] == '-';
    text.remove_prefix(1);
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return shape;
    const std::string_view rest = text.substr(colon + 1);
    const std::size_t colon2 = rest.find(':');
    const auto h = Digits(text.substr(0, colon), 1, 2);
    const auto m = Digits(rest.substr(0, colon2), 2, 2);
    const auto s = colon2 == std::string_view::npos ? std::optional<int>(0)
                                                    : Digits(rest.substr(colon2 + 1), 2, 2);
    if (!h || !m || !s || *m > 59 || *s > 59)
        return shape;
    const int seconds = *h * 3600 + *m * 60 + *s;
    if (seconds > kMaxOffsetSeconds)
        return {std::nullopt, OffsetTextProblem::OutOfRange};
    return {ExactOffset::Fixed(west ? -seconds : seconds), std::nullopt};
}

std::string ExactOffsetText(const ExactOffset& offset) {
    switch (offset.kind) {
        case ExactOffsetKind::None:
            return {};
        case ExactOffsetKind::LocalMeanTime:
            return "LMT";
        case ExactOffsetKind::Fixed:
            break;
    }
    const int magnitude = std::abs(offset.secondsEast);
    std::string text = (offset.secondsEast < 0 ? "-" : "+") + TwoDigits(magnitude / 3600) + ":" +
                       TwoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0)
        text += ":" + TwoDigits(magnitude % 60);
    return text;
}

int NearestZoneRow(int secondsEast) {
    int best = 0;
    long long bestDistance = -1;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZoneRow& zone = *TimeZoneAt(row);
        // The table holds offsets west of Greenwich positive.
        const long long rowEast = -(zone.hours * 3600LL + zone.minutes * 60LL);
        const long long distance = std::llabs(rowEast - secondsEast);
        if (bestDistance < 0 || distance < bestDistance) {
            best = row;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace vellamor
