// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_format.h"

#include <algorithm>
#include <charconv>

#include "core/astro/utf8.h"
#include "core/chart/entry_form.h"

namespace vellamor {
namespace {

using namespace chart_line;

constexpr std::array<int, 4> kTextLines{kNameLine, kCityLine, kStateLine, kCountryLine};

bool IsCoordinateText(std::string_view s) {
    if (s.empty())
        return true;  // missing: validation names the field
    if (s.size() > 3)
        return false;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

struct ValueProblem {
    int line = 0;  // 1..17
    RefusedValue value;
};

// The first line whose value no control of the form can take: a list line
// that names no entry, a Boolean that is none, a coordinate that is not one
// to three digits, a text over 200 characters.
std::optional<ValueProblem> FindUnacceptableValue(const ChartFields& f) {
    struct Range {
        int line;
        int first, last;
        bool anyDecimal;  // month and zone rows are read as numbers, the rest as entries
    };
    static constexpr Range kRanges[] = {
        {kMonthLine, 1, 12, true},
        {kDayLine, 1, 31, false},
        {kYearLine, kFirstYear, kLastYear, false},
        {kHourLine, 0, 23, false},
        {kMinuteLine, 0, 59, false},
        {kZoneLine, 0, 70, true},
    };
    for (int line = 0; line < kChartFieldCount; ++line) {
        const std::string& text = f[static_cast<std::size_t>(line)];
        for (const Range& r : kRanges) {
            if (r.line != line)
                continue;
            int v = 0;
            const bool number =
                ParseChartInteger(text, v) && (r.anyDecimal || std::to_string(v) == text);
            if (!number || v < r.first || v > r.last)
                return ValueProblem{line + 1, {ValueCheck::Range, text, r.first, r.last}};
        }
        if ((line == kEastLine || line == kSouthLine || line == kDstLine) && !ParseChartFlag(text))
            return ValueProblem{line + 1, {ValueCheck::Flag, text, 0, 0}};
        if ((line == kLonDegLine || line == kLonMinLine || line == kLatDegLine ||
             line == kLatMinLine) &&
            !IsCoordinateText(text))
            return ValueProblem{line + 1, {ValueCheck::Coordinate, text, 0, 0}};
        if (std::find(kTextLines.begin(), kTextLines.end(), line) != kTextLines.end() &&
            CharacterCount(text) > static_cast<std::size_t>(kMaxTextLength))
            return ValueProblem{line + 1, {ValueCheck::TextLength, text, 0, 0}};
    }
    const std::string& offset = f[kOffsetLine];
    if (!offset.empty() && !ParseExactOffset(offset, true).offset)
        return ValueProblem{kOffsetLine + 1, {ValueCheck::Offset, offset, 0, 0}};
    return std::nullopt;
}

Unexpected<ChartFileError> Refuse(ChartFileProblem problem, int line = 0, RefusedValue value = {}) {
    return Fail(ChartFileError{problem, line, 0, std::move(value)});
}

}  // namespace

bool ParseChartInteger(std::string_view s, int& value) {
    int v = 0;
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size())
        return false;
    value = v;
    return true;
}

std::optional<bool> ParseChartFlag(std::string_view s) {
    const std::string l = AsciiLowercase(s);
    if (l == "true")
        return true;
    if (l == "false")
        return false;
    // A plain integer, as a Boolean stored as a number reads: any but zero
    // is true. Not "nan", "inf", "1e999" or "0.5".
    std::string_view digits = s;
    if (!digits.empty() && digits.front() == '-')
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return digits.find_first_not_of('0') != std::string_view::npos;
}

Expected<std::string, FieldCodingError> EncodeChartField(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const int cp = NextCodePoint(utf8, i);
        if (cp < 0 || cp > kMaxEncodableCode)
            return Fail(FieldCodingError{start});
        out.push_back(static_cast<char>(static_cast<unsigned char>(cp + kChartShift)));
    }
    return out;
}

Expected<std::string, FieldCodingError> DecodeChartField(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int code = static_cast<int>(static_cast<unsigned char>(bytes[i])) - kChartShift;
        if (code < 32)
            return Fail(FieldCodingError{i});
        AppendUtf8(out, code);
    }
    return out;
}

bool HasChartExtension(std::string_view path) {
    return path.size() >= 3 && path.substr(path.size() - 3) == "sud";
}

ChartReadResult ParseChartFile(std::string_view bytes) {
    if (bytes.size() > kMaxChartFileBytes)
        return Refuse(ChartFileProblem::TooLarge);
    // No line at all is no chart, not one whose fields are all empty.
    if (bytes.empty())
        return Refuse(ChartFileProblem::EmptyFile);
    ChartFields fields;
    std::size_t pos = 0;
    // The line starting at `pos`: its end, and the position after its line end.
    const auto lineAt = [&](std::size_t from, std::size_t& next) {
        std::size_t end = from;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        // CR LF ends a line; a lone CR or LF is taken as a line end as well.
        next = end;
        if (next < bytes.size() && bytes[next] == '\r')
            ++next;
        if (next < bytes.size() && bytes[next] == '\n')
            ++next;
        return end;
    };
    int lines = 0;
    for (; lines < kChartFieldCount && pos < bytes.size(); ++lines) {
        std::size_t next = 0;
        const std::size_t end = lineAt(pos, next);
        if (end - pos > kMaxChartLineBytes)
            return Refuse(ChartFileProblem::LineTooLong, lines + 1);
        // The program ends every line it writes: a line without its end
        // was cut off, and its value may be cut off with it.
        if (end == bytes.size())
            return Refuse(ChartFileProblem::CutShort, lines + 1);
        auto decoded = DecodeChartField(bytes.substr(pos, end - pos));
        if (!decoded)
            return Refuse(ChartFileProblem::UndecodableLine, lines + 1);
        fields[static_cast<std::size_t>(lines)] = std::move(*decoded);
        pos = next;
    }
    // The program writes all seventeen lines, an exact offset's line when
    // the chart has one, and nothing after them. A file that stops at a line
    // end was cut there; bytes after the last line are another file's, or
    // garbage: either way the chart is not the one saved.
    if (lines < kChartFieldCount)
        return Refuse(ChartFileProblem::EndsEarly, lines);
    if (pos < bytes.size()) {
        // An eighteenth line is the exact offset's when it is the last one,
        // ended and not empty; a value in it that is no offset is named.
        std::size_t next = 0;
        const std::size_t end = lineAt(pos, next);
        const bool wellFormed = end < bytes.size() && end > pos &&
                                end - pos <= kMaxChartLineBytes && next == bytes.size();
        auto decoded = DecodeChartField(bytes.substr(pos, wellFormed ? end - pos : 0));
        if (!wellFormed || !decoded)
            return Refuse(ChartFileProblem::TrailingBytes, kChartFieldCount);
        fields[kOffsetLine] = std::move(*decoded);
    }
    if (auto problem = FindUnacceptableValue(fields))
        return Refuse(ChartFileProblem::UnacceptableValue, problem->line,
                      std::move(problem->value));
    return fields;
}

ChartFields ChartFieldsFromBirthData(const BirthData& b) {
    auto flag = [](bool v) { return std::string(v ? "True" : "False"); };
    return {
        TrimBlanks(b.name),           std::to_string(b.month),      std::to_string(b.day),
        std::to_string(b.year),       std::to_string(b.hour),       std::to_string(b.minute),
        std::to_string(b.zoneIndex),  std::to_string(b.lonDegrees), std::to_string(b.lonMinutes),
        std::to_string(b.latDegrees), std::to_string(b.latMinutes), flag(b.eastLongitude),
        flag(b.southLatitude),        flag(b.daylightSaving),       TrimBlanks(b.city),
        TrimBlanks(b.state),          TrimBlanks(b.country),        ExactOffsetText(b.exactOffset)};
}

Expected<std::string, ChartWriteError> SerializeChartFile(const ChartFields& fields) {
    std::string out;
    for (int line = 0; line < kChartLineCount; ++line) {
        const std::string& text = fields[static_cast<std::size_t>(line)];
        if (line == kOffsetLine && text.empty())
            break;
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t start = i;
            const int cp = NextCodePoint(text, i);
            if (cp < 32 || cp > kMaxEncodableCode) {
                return Fail(ChartWriteError{ChartWriteProblem::UncarriableCharacter,
                                            line + 1,
                                            text.substr(start, i - start),
                                            {},
                                            {}});
            }
        }
        if (CharacterCount(text) > static_cast<std::size_t>(kMaxTextLength))
            return Fail(ChartWriteError{ChartWriteProblem::TextTooLong, line + 1, {}, {}, {}});
        out += *EncodeChartField(text);
        out += "\r\n";
    }
    return out;
}

ValueQuoting QuotingOf(std::string_view value) {
    const bool plain =
        !value.empty() && value.size() <= 12 &&
        std::all_of(value.begin(), value.end(), [](char c) { return c > ' ' && c < 0x7F; });
    if (!plain)
        return ValueQuoting::Omitted;
    int v = 0;
    return ParseChartInteger(value, v) && std::to_string(v) == value ? ValueQuoting::Bare
                                                                     : ValueQuoting::Quoted;
}

}  // namespace vellamor
