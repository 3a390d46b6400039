// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/position_text.h"

#include <charconv>
#include <cmath>

#include "core/astro/bodies.h"
#include "core/astro/utf8.h"

namespace vellamor {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";  // U+00B0 in UTF-8

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// The last n characters of a UTF-8 text (characters, not bytes).
std::string_view LastCharacters(std::string_view s, std::size_t n) {
    std::size_t pos = s.size();
    for (; n > 0 && pos > 0; --n)
        pos = PreviousCharacterStart(s, pos);
    return s.substr(pos);
}

// Whole degrees, minutes and seconds of |x|, each truncated, and the sign.
struct SignPosition {
    long long degreesInSign, minutes, seconds;
    int sign;
};

SignPosition Split(double x) {
    double a = std::fabs(x);
    // Non-finite or absurdly large values cannot come from the formulas; keep
    // the integer conversions below defined all the same.
    if (!std::isfinite(a))
        a = 0;
    if (a >= 1e12)
        a = std::fmod(a, 360.0);
    const double d = std::floor(a);
    const double m = 60.0 * (a - d);
    const double wholeMinutes = std::floor(m);
    const double seconds = std::floor(60.0 * (m - wholeMinutes));
    const long long wholeDegrees = static_cast<long long>(d);
    // The sign is taken from the whole degrees before they are reduced; a
    // longitude of exactly 360 (reachable by rounding when a tiny negative
    // value gets a turn added) is the start of Aries, not a thirteenth sign.
    return {wholeDegrees % 30, static_cast<long long>(wholeMinutes),
            static_cast<long long>(seconds), static_cast<int>((wholeDegrees / 30) % 12)};
}

std::string_view Abbreviation(int sign) {
    return kSignAbbreviations[static_cast<std::size_t>(sign)];
}

LongPositionText LongText(const SignPosition& s) {
    LongPositionText out;
    AppendDecimal(out, s.degreesInSign);
    out += kDegreeSign;
    out += " ";
    AppendDecimal(out, s.minutes);
    out += "' ";
    AppendDecimal(out, s.seconds);
    out += "\" ";
    out += Abbreviation(s.sign);
    return out;
}

// A part of one character is padded to two with a leading zero.
void AppendPadded(ShortPositionForm& out, std::string_view part) {
    if (part.size() <= 1)
        out += "0";
    out += part;
}

ShortPositionForm ShortText(std::string_view degrees, std::string_view abbreviation,
                            std::string_view minutes) {
    ShortPositionForm out;
    AppendPadded(out, degrees);
    out += " ";
    out += abbreviation;
    out += " ";
    AppendPadded(out, minutes);
    return out;
}

}  // namespace

int SignIndexOf(double longitudeDegrees) {
    return Split(longitudeDegrees).sign;
}

LongPositionText FormatSignPosition(double longitudeDegrees) {
    return LongText(Split(longitudeDegrees));
}

PositionTexts FormatPositionTexts(double longitudeDegrees) {
    const SignPosition s = Split(longitudeDegrees);
    // Degrees within a sign and minutes are both below 100.
    char degrees[2], minutes[2];
    const auto digits = [](char(&to)[2], long long v) {
        return std::string_view(to,
                                static_cast<std::size_t>(std::to_chars(to, to + 2, v).ptr - to));
    };
    return {LongText(s), ShortText(digits(degrees, s.degreesInSign), Abbreviation(s.sign),
                                   digits(minutes, s.minutes))};
}

ShortPositionForm ShortPositionText(std::string_view t) {
    const std::string_view u = Trim(t);
    std::string_view degreesPart, minutesPart;
    const std::size_t p = u.find(kDegreeSign);
    if (p != std::string_view::npos) {
        degreesPart = Trim(u.substr(0, p));
        const std::size_t from = p + kDegreeSign.size();
        const std::size_t apostrophe = u.find('\'');
        if (apostrophe != std::string_view::npos && apostrophe > from)
            minutesPart = Trim(u.substr(from, apostrophe - from));
    }
    return ShortText(degreesPart, Trim(LastCharacters(t, 3)), minutesPart);
}

}  // namespace vellamor
