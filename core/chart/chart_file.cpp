// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "core/astro/utf8.h"
#include "core/chart/file_replace.h"

namespace vellamor {
namespace {

// Field lines (index = line - 1).
constexpr int kNameLine = 0, kMonthLine = 1, kDayLine = 2, kYearLine = 3, kHourLine = 4,
              kMinuteLine = 5, kZoneLine = 6, kLonDegLine = 7, kLonMinLine = 8, kLatDegLine = 9,
              kLatMinLine = 10, kEastLine = 11, kSouthLine = 12, kDstLine = 13, kCityLine = 14,
              kStateLine = 15, kCountryLine = 16;

constexpr std::array<int, 4> kTextLines{kNameLine, kCityLine, kStateLine, kCountryLine};
constexpr auto kFieldNames = std::to_array<std::string_view>(
    {"Name", "Month", "Day", "Year", "Hour", "Minute", "Time Zone", "Longitude", "Longitude",
     "Latitude", "Latitude", "East/West", "North/South", "Daylight Saving Time", "City", "State",
     "Country"});
static_assert(kFieldNames.size() == kChartFieldCount);

// The whole text as a decimal integer; `value` is left alone when it is not
// one. (Not an optional: the compiler may test an empty optional's
// uninitialised value before its flag, which memory checkers report.)
bool ParseInt(std::string_view s, int& value) {
    int v = 0;
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size())
        return false;
    value = v;
    return true;
}

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

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

std::optional<bool> ParseFlag(std::string_view s) {
    const std::string l = Lower(s);
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

// The value in a reason: shown as it is when short and plain, so that
// nothing from the file reaches a terminal raw; otherwise left out.
std::string Shown(std::string_view value) {
    const bool plain =
        !value.empty() && value.size() <= 12 &&
        std::all_of(value.begin(), value.end(), [](char c) { return c > ' ' && c < 0x7F; });
    if (!plain)
        return {};
    int v = 0;
    const bool number = ParseInt(value, v) && std::to_string(v) == value;
    return number ? " " + std::string(value) : " \"" + std::string(value) + "\"";
}

struct ValueProblem {
    int line = 0;  // 1..17
    std::string what;
};

// The first of the file's `lines` lines whose value no control of the form
// can take: a list line that names no entry, a Boolean that is none, a
// coordinate that is not one to three digits, a text over 200 characters.
// Lines the file does not have are left empty and keep the controls as
// they are.
std::optional<ValueProblem> FindUnacceptableValue(const ChartFields& f, int lines) {
    struct Range {
        int line;
        const char* name;
        int first, last;
        bool anyDecimal;  // month and zone rows are read as numbers, the rest as entries
    };
    static constexpr Range kRanges[] = {
        {kMonthLine, "month", 1, 12, true},
        {kDayLine, "day", 1, 31, false},
        {kYearLine, "year", kFirstYear, kLastYear, false},
        {kHourLine, "hour", 0, 23, false},
        {kMinuteLine, "minute", 0, 59, false},
        {kZoneLine, "time zone row", 0, 70, true},
    };
    for (int line = 0; line < lines; ++line) {
        const std::string& text = f[static_cast<std::size_t>(line)];
        const std::string_view field = kFieldNames[static_cast<std::size_t>(line)];
        for (const Range& r : kRanges) {
            if (r.line != line)
                continue;
            int v = 0;
            const bool number = ParseInt(text, v) && (r.anyDecimal || std::to_string(v) == text);
            if (!number || v < r.first || v > r.last)
                return ValueProblem{line + 1, std::string(r.name) + Shown(text) + " is not " +
                                                  std::to_string(r.first) + " to " +
                                                  std::to_string(r.last)};
        }
        if ((line == kEastLine || line == kSouthLine || line == kDstLine) && !ParseFlag(text))
            return ValueProblem{line + 1,
                                std::string(field) + Shown(text) + " is neither True nor False"};
        if ((line == kLonDegLine || line == kLonMinLine || line == kLatDegLine ||
             line == kLatMinLine) &&
            !IsCoordinateText(text))
            return ValueProblem{
                line + 1, std::string(line == kLonDegLine || line == kLatDegLine ? "degrees of "
                                                                                 : "minutes of ") +
                              Lower(field) + Shown(text) + " are not one to three digits"};
        if (std::find(kTextLines.begin(), kTextLines.end(), line) != kTextLines.end() &&
            CharacterCount(text) > static_cast<std::size_t>(kMaxTextLength))
            return ValueProblem{line + 1, "the " + Lower(field) + " is longer than 200 characters"};
    }
    return std::nullopt;
}

// List selection by the entry's text, as the lists hold plain decimals.
void SelectByText(int& index, std::string_view text, int first, int count) {
    int v = 0;
    if (!ParseInt(text, v) || v < first || v >= first + count)
        return;
    if (std::to_string(v) != text)
        return;  // "05" is not an entry of the list
    index = v - first;
}

Unexpected<ChartFileError> Refuse(ChartFileProblem problem, int line = 0, int systemError = 0,
                                  std::string value = {}) {
    return Fail(ChartFileError{problem, line, systemError, std::move(value)});
}

// The refusal for a file that could not be opened or read.
Unexpected<ChartFileError> RefuseSystemError(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return Refuse(ChartFileProblem::NoSuchFile, 0, err);
        case EACCES:
        case EPERM:
            return Refuse(ChartFileProblem::PermissionDenied, 0, err);
        default:
            return Refuse(ChartFileProblem::Unreadable, 0, err);
    }
}

}  // namespace

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
    int lines = 0;
    for (; lines < kChartFieldCount && pos < bytes.size(); ++lines) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
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
        // CR LF ends a line; a lone CR or LF is taken as a line end as well.
        if (end < bytes.size() && bytes[end] == '\r')
            ++end;
        if (end < bytes.size() && bytes[end] == '\n')
            ++end;
        pos = end;
    }
    if (auto problem = FindUnacceptableValue(fields, lines))
        return Refuse(ChartFileProblem::UnacceptableValue, problem->line, 0,
                      std::move(problem->what));
    return fields;
}

ChartReadResult ReadChartFile(const std::string& path) {
    if (!HasChartExtension(path))
        return Refuse(ChartFileProblem::NotAChartName);
    // Opened without waiting (a FIFO or device under a chart's name must not
    // hang the program), then checked on the open file itself, so nothing
    // can be swapped in between the check and the read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return RefuseSystemError(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return RefuseSystemError(err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refuse(ChartFileProblem::NotRegularFile);
    }
    // Never read more than one byte past the limit, whatever the file's size
    // (which may change while it is read); the usual few hundred bytes need
    // one buffer of their own size.
    const std::size_t limit = kMaxChartFileBytes + 1;
    const std::size_t size = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    std::string content(std::min(size + 1, limit), '\0');
    std::size_t got = 0;
    while (got < limit) {
        if (got == content.size())
            content.resize(limit);
        const ssize_t n = ::read(fd, content.data() + got, content.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return RefuseSystemError(err);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    content.resize(got);
    return ParseChartFile(content);
}

ChartFields ChartFieldsFromBirthData(const BirthData& b) {
    auto flag = [](bool v) { return std::string(v ? "True" : "False"); };
    return {
        TrimBlanks(b.name),           std::to_string(b.month),      std::to_string(b.day),
        std::to_string(b.year),       std::to_string(b.hour),       std::to_string(b.minute),
        std::to_string(b.zoneIndex),  std::to_string(b.lonDegrees), std::to_string(b.lonMinutes),
        std::to_string(b.latDegrees), std::to_string(b.latMinutes), flag(b.eastLongitude),
        flag(b.southLatitude),        flag(b.daylightSaving),       TrimBlanks(b.city),
        TrimBlanks(b.state),          TrimBlanks(b.country)};
}

Expected<std::string, ChartWriteError> SerializeChartFile(const ChartFields& fields) {
    std::string out;
    for (int line = 0; line < kChartFieldCount; ++line) {
        const std::string& text = fields[static_cast<std::size_t>(line)];
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

Expected<void, ChartWriteError> WriteChartFile(const std::string& path, const BirthData& birth) {
    const auto encoded = SerializeChartFile(ChartFieldsFromBirthData(birth));
    if (!encoded)
        return Fail(encoded.error());
    if (auto replaced = ReplaceFile(path, *encoded); !replaced)
        return Fail(
            ChartWriteError{ChartWriteProblem::NotReplaced, 0, {}, path, replaced.error().reason});
    return {};
}

EntryForm ApplyChartFields(EntryForm form, const ChartFields& f) {
    auto at = [&](int line) -> const std::string& { return f[static_cast<std::size_t>(line)]; };
    form.name = at(kNameLine);
    if (int m = 0; ParseInt(at(kMonthLine), m) && m >= 1 && m <= 12)
        form.monthIndex = m - 1;
    SelectByText(form.dayIndex, at(kDayLine), 1, 31);
    SelectByText(form.yearIndex, at(kYearLine), kFirstYear, kLastYear - kFirstYear + 1);
    SelectByText(form.hourIndex, at(kHourLine), 0, 24);
    SelectByText(form.minuteIndex, at(kMinuteLine), 0, 60);
    if (int z = 0; ParseInt(at(kZoneLine), z) && z >= 0 && z <= 70)
        form.zoneIndex = z;
    form.lonDegrees = at(kLonDegLine);
    form.lonMinutes = at(kLonMinLine);
    form.latDegrees = at(kLatDegLine);
    form.latMinutes = at(kLatMinLine);
    if (auto east = ParseFlag(at(kEastLine)))
        form.longitude = *east ? LongitudeOption::East : LongitudeOption::West;
    if (auto south = ParseFlag(at(kSouthLine)))
        form.latitude = *south ? LatitudeOption::South : LatitudeOption::North;
    if (auto dst = ParseFlag(at(kDstLine)))
        form.daylightSaving = *dst;
    form.city = at(kCityLine);
    form.state = at(kStateLine);
    form.country = at(kCountryLine);
    return form;
}

}  // namespace vellamor
