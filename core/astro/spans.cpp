// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/spans.h"

#include <cmath>
#include <cstdlib>

namespace vellamor {

MinuteSpan SpanOfMinutes(double minutes) {
    if (minutes < 1.0)
        return {};
    const auto m = static_cast<long long>(std::floor(minutes));
    constexpr long long kDay = 24 * 60;
    if (m < 60)
        return {SpanUnit::Minutes, m, 0};
    if (m < kDay)
        return {SpanUnit::Hours, m / 60, m % 60};
    return {SpanUnit::Days, m / kDay, m % kDay / 60};
}

SecondSpan SpanOfSeconds(int seconds) {
    const int a = std::abs(seconds);
    return {a / 3600, a / 60 % 60, a % 60};
}

ClockOffset OffsetOfSeconds(int secondsAhead) {
    const SecondSpan s = SpanOfSeconds(secondsAhead);
    return {secondsAhead < 0, s.hours, s.minutes, s.seconds};
}

}  // namespace vellamor
