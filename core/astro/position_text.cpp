// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/position_text.h"

#include <algorithm>
#include <cmath>

#include "core/astro/bodies.h"
#include "core/astro/utf8.h"

namespace vellamor {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";  // U+00B0 in UTF-8

// Writes a non-negative whole number in plain decimal; returns the end.
char* WriteWhole(char* p, long long v) {
    // Degrees within a sign, minutes and seconds: one or two digits.
    if (v >= 0 && v < 100) {
        if (v >= 10)
            *p++ = static_cast<char>('0' + v / 10);
        *p++ = static_cast<char>('0' + v % 10);
        return p;
    }
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0);
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

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

}  // namespace

namespace {

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
    const double f = a - d;
    const double m = 60.0 * f;
    const double wholeMinutes = std::floor(m);
    const double g = m - wholeMinutes;
    const double seconds = std::floor(60.0 * g);
    const long long wholeDegrees = static_cast<long long>(d);
    // The sign is taken from the whole degrees before they are reduced; a
    // longitude of exactly 360 (reachable by rounding when a tiny negative
    // value gets a turn added) is the start of Aries, not a thirteenth sign.
    return {wholeDegrees % 30, static_cast<long long>(wholeMinutes),
            static_cast<long long>(seconds), static_cast<int>((wholeDegrees / 30) % 12)};
}

// Writes the long form into buf (at least 16 bytes); returns the end.
char* WriteLongText(char* buf, const SignPosition& s) {
    char* p = WriteWhole(buf, s.degreesInSign);
    p = std::copy(kDegreeSign.begin(), kDegreeSign.end(), p);
    *p++ = ' ';
    p = WriteWhole(p, s.minutes);
    *p++ = '\'';
    *p++ = ' ';
    p = WriteWhole(p, s.seconds);
    *p++ = '"';
    *p++ = ' ';
    const std::string_view abbreviation =
        kSignAbbreviationString.substr(static_cast<std::size_t>(s.sign) * 3, 3);
    return std::copy(abbreviation.begin(), abbreviation.end(), p);
}

std::string LongText(const SignPosition& s) {
    char buf[96];
    return std::string(buf, WriteLongText(buf, s));
}

// Degrees within a sign are 0..29 and minutes 0..59: always two digits once
// padded, as the short form pads one-character parts.
void WriteShortText(char* buf, const SignPosition& s) {
    const char* abbreviation = kSignAbbreviationString.data() + s.sign * 3;
    buf[0] = static_cast<char>('0' + s.degreesInSign / 10);
    buf[1] = static_cast<char>('0' + s.degreesInSign % 10);
    buf[2] = ' ';
    buf[3] = abbreviation[0];
    buf[4] = abbreviation[1];
    buf[5] = abbreviation[2];
    buf[6] = ' ';
    buf[7] = static_cast<char>('0' + s.minutes / 10);
    buf[8] = static_cast<char>('0' + s.minutes % 10);
}

}  // namespace

int SignIndexOf(double longitudeDegrees) {
    return Split(longitudeDegrees).sign;
}

std::string FormatSignPosition(double longitudeDegrees) {
    return LongText(Split(longitudeDegrees));
}

// The long form is at most 16 bytes ("29° 59' 59\" Sag"), the short form 9:
// both are written straight into their texts.
static_assert(LongPositionText::capacity() >= 16 && ShortPositionForm::capacity() >= 9);

void FormatSignPosition(double longitudeDegrees, LongPositionText& longText) {
    const SignPosition s = Split(longitudeDegrees);
    longText.write([&s](char* p) { return WriteLongText(p, s); });
}

void FormatPositionTexts(double longitudeDegrees, std::string& longText, std::string& shortText) {
    const SignPosition s = Split(longitudeDegrees);
    longText = LongText(s);
    char buf[9];
    WriteShortText(buf, s);
    shortText.assign(buf, 9);
}

void FormatPositionTexts(double longitudeDegrees, LongPositionText& longText,
                         ShortPositionForm& shortText) {
    const SignPosition s = Split(longitudeDegrees);
    longText.write([&s](char* p) { return WriteLongText(p, s); });
    shortText.write([&s](char* p) {
        WriteShortText(p, s);
        return p + 9;
    });
}

std::string ShortPositionText(std::string_view t) {
    const std::string_view u = Trim(t);
    std::string_view degreesPart, minutesPart;
    std::size_t p = std::string_view::npos;
    for (std::size_t i = 0; i + 1 < u.size(); ++i) {
        if (u[i] == kDegreeSign[0] && u[i + 1] == kDegreeSign[1]) {
            p = i;
            break;
        }
    }
    if (p != std::string_view::npos) {
        degreesPart = Trim(u.substr(0, p));
        const std::size_t from = p + kDegreeSign.size();
        const std::size_t apostrophe = u.find('\'');
        if (apostrophe != std::string_view::npos && apostrophe > from) {
            minutesPart = Trim(u.substr(from, apostrophe - from));
        }
    }
    const std::string_view abbreviation = Trim(LastCharacters(t, 3));

    std::string out;
    out.reserve(degreesPart.size() + minutesPart.size() + abbreviation.size() + 4);
    if (degreesPart.size() <= 1)
        out.push_back('0');
    out.append(degreesPart);
    out.push_back(' ');
    out.append(abbreviation);
    out.push_back(' ');
    if (minutesPart.size() <= 1)
        out.push_back('0');
    out.append(minutesPart);
    return out;
}

}  // namespace vellamor
