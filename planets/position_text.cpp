#include "planets/position_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "planets/bodies.h"

namespace vellamor {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";  // U+00B0 in UTF-8

// Writes the decimal digits of v at p (at most 20 characters); returns the
// end.
char* AppendInt(char* p, long long v) {
    return std::to_chars(p, p + 20, v).ptr;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// The last n characters of a UTF-8 text (characters, not bytes).
std::string_view LastCharacters(std::string_view s, std::size_t n) {
    std::size_t pos = s.size();
    while (n > 0 && pos > 0) {
        --pos;
        while (pos > 0 && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) --pos;
        --n;
    }
    return s.substr(pos);
}

}  // namespace

int SignIndexOf(double longitudeDegrees) {
    double a = std::fabs(longitudeDegrees);
    if (!std::isfinite(a)) return 0;
    // A longitude of exactly 360 (reachable by rounding when a tiny negative
    // value gets a turn added) is the start of Aries, not a thirteenth sign.
    return static_cast<int>(std::fmod(std::floor(std::floor(a) / 30.0), 12.0));
}

std::string FormatSignPosition(double longitudeDegrees) {
    double a = std::fabs(longitudeDegrees);
    // Non-finite or absurdly large values cannot come from the formulas; keep
    // the integer conversions below defined all the same.
    if (!std::isfinite(a)) a = 0;
    if (a >= 1e12) a = std::fmod(a, 360.0);
    double d = std::floor(a);
    const double f = a - d;
    const double m = 60.0 * f;
    const double wholeMinutes = std::floor(m);
    const double g = m - wholeMinutes;
    const double seconds = std::floor(60.0 * g);
    const int sign = static_cast<int>(std::fmod(std::floor(d / 30.0), 12.0));
    d = d - 30.0 * std::floor(d / 30.0);  // the "subtract 30 while >= 30" loop, exactly

    // Built in place and copied once: most texts fit the string's own buffer
    // and need no allocation at all.
    char buf[96];  // three numbers of at most 20 characters and 10 more
    char* p = AppendInt(buf, static_cast<long long>(d));
    p = std::copy(kDegreeSign.begin(), kDegreeSign.end(), p);
    *p++ = ' ';
    p = AppendInt(p, static_cast<long long>(wholeMinutes));
    *p++ = '\'';
    *p++ = ' ';
    p = AppendInt(p, static_cast<long long>(seconds));
    *p++ = '"';
    *p++ = ' ';
    const std::string_view abbreviation =
        kSignAbbreviationString.substr(static_cast<std::size_t>(sign) * 3, 3);
    p = std::copy(abbreviation.begin(), abbreviation.end(), p);
    return std::string(buf, p);
}

std::string ShortPositionText(std::string_view t) {
    const std::string_view u = Trim(t);
    const std::size_t p = u.find(kDegreeSign);
    std::string_view degreesPart = Trim(u.substr(0, p == std::string_view::npos ? 0 : p));
    std::string_view minutesPart;
    if (p != std::string_view::npos) {
        const std::size_t from = p + kDegreeSign.size();
        const std::size_t apostrophe = u.find('\'');
        if (apostrophe != std::string_view::npos && apostrophe > from) {
            minutesPart = Trim(u.substr(from, apostrophe - from));
        }
    }
    const std::string_view abbreviation = Trim(LastCharacters(t, 3));

    std::string out;
    out.reserve(12);
    if (degreesPart.size() <= 1) out.push_back('0');
    out.append(degreesPart);
    out.push_back(' ');
    out.append(abbreviation);
    out.push_back(' ');
    if (minutesPart.size() <= 1) out.push_back('0');
    out.append(minutesPart);
    return out;
}

}  // namespace vellamor
