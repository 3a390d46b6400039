// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/position_text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

// Whole degrees within the sign (0..29), minutes and seconds (0..59) of |x|,
// each truncated, and the sign.
struct SignPosition {
    int degreesInSign, minutes, seconds;
    int sign;
};

SignPosition Split(double x) {
    double a = std::fabs(x);
    // Non-finite or absurdly large values cannot come from the formulas; keep
    // the integer conversions below defined all the same.
    if (!std::isfinite(a))
        a = 0;
    // Whole turns taken off change neither the sign nor the place in it
    // (fmod is exact): a longitude of exactly 360 (reachable by rounding when
    // a tiny negative value gets a turn added) is the start of Aries, not a
    // thirteenth sign.
    if (a >= 360)
        a = std::fmod(a, 360.0);
    // Nothing here is negative, so each truncation is the floor.
    const int wholeDegrees = static_cast<int>(a);
    const double m = 60.0 * (a - wholeDegrees);
    const int wholeMinutes = static_cast<int>(m);
    // A fraction below one times 60 stays below 60, so minutes and seconds
    // are two digits at most.
    const int seconds = static_cast<int>(60.0 * (m - wholeMinutes));
    return {wholeDegrees % 30, wholeMinutes, seconds, wholeDegrees / 30};
}

static_assert(std::all_of(kSignAbbreviations.begin(), kSignAbbreviations.end(),
                          [](std::string_view a) { return a.size() == 3; }));
char* PutAbbreviation(char* at, int sign) {
    std::memcpy(at, kSignAbbreviations[static_cast<std::size_t>(sign)].data(), 3);
    return at + 3;
}

char* PutText(char* at, std::string_view s) {
    for (const char c : s)
        *at++ = c;
    return at;
}

// A part of a position, 0..99: its digits as they are, or two of them.
char* PutNumber(char* at, int v) {
    if (v >= 10)
        *at++ = static_cast<char>('0' + v / 10);
    *at++ = static_cast<char>('0' + v % 10);
    return at;
}
char* PutTwoDigits(char* at, int v) {
    at[0] = static_cast<char>('0' + v / 10);
    at[1] = static_cast<char>('0' + v % 10);
    return at + 2;
}

// Each form is written whole into a buffer on the stack and made into its
// text in one step.
LongPositionText LongText(const SignPosition& s) {
    char buffer[32];
    char* at = PutNumber(buffer, s.degreesInSign);
    at = PutText(at, kDegreeSign);
    *at++ = ' ';
    at = PutNumber(at, s.minutes);
    at = PutText(at, "' ");
    at = PutNumber(at, s.seconds);
    at = PutText(at, "\" ");
    at = PutAbbreviation(at, s.sign);
    return LongPositionText(std::string_view(buffer, static_cast<std::size_t>(at - buffer)));
}

// A part of one character is padded to two with a leading zero. The parts
// come from any text, so they are appended, not put in a buffer.
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

ShortPositionForm ShortText(const SignPosition& s) {
    char buffer[16];
    char* at = PutTwoDigits(buffer, s.degreesInSign);
    *at++ = ' ';
    at = PutAbbreviation(at, s.sign);
    *at++ = ' ';
    at = PutTwoDigits(at, s.minutes);
    return ShortPositionForm(std::string_view(buffer, static_cast<std::size_t>(at - buffer)));
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
    return {LongText(s), ShortText(s), s.sign};
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
