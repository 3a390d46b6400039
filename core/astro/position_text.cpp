// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/position_text.h"

#include <charconv>
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
    Sign sign;
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
    return {wholeDegrees % 30, wholeMinutes, seconds, static_cast<Sign>(wholeDegrees / 30)};
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

// A position's text, gathered on the stack and made into its text once.
// Its parts are bounded (Split keeps every number below 60), so the
// longest, the long form, takes 16 bytes.
class PositionBuilder {
  public:
    PositionBuilder& operator<<(std::string_view part) {
        std::memcpy(m_buffer + m_size, part.data(), part.size());
        m_size += part.size();
        return *this;
    }
    PositionBuilder& operator<<(int part) {
        m_size = static_cast<std::size_t>(
            std::to_chars(m_buffer + m_size, m_buffer + sizeof m_buffer, part).ptr - m_buffer);
        return *this;
    }
    std::string_view view() const { return {m_buffer, m_size}; }

  private:
    char m_buffer[32];
    std::size_t m_size = 0;
};

LongPositionText LongText(const SignPosition& s) {
    PositionBuilder b;
    b << s.degreesInSign << kDegreeSign << " " << s.minutes << "' " << s.seconds << "\" "
      << SignAbbreviation(s.sign);
    return LongPositionText(b.view());
}

ShortPositionForm ShortText(const SignPosition& s) {
    PositionBuilder b;
    b << (s.degreesInSign < 10 ? "0" : "") << s.degreesInSign << " " << SignAbbreviation(s.sign)
      << (s.minutes < 10 ? " 0" : " ") << s.minutes;
    return ShortPositionForm(b.view());
}

}  // namespace

int SignIndexOf(double longitudeDegrees) {
    return static_cast<int>(Split(longitudeDegrees).sign);
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
