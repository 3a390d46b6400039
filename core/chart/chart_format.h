// SPDX-License-Identifier: GPL-3.0-or-later
// The chart file format (*.sud), bytes to fields and back, touching no file:
// the seventeen entries of the birth-data form, one per line, each character
// shifted up by 85 (one byte per character; codes 128 to 170 are Latin-1
// code points) and ended by CR LF. A birth with an exact offset adds an
// eighteenth line ("+05:45", "+05:21:10" or "LMT"), encoded as the others;
// the seventeen stay as the zone row and the box write them, so a reader of
// seventeen lines still opens the chart with its row. The file holds the
// birth data, never the computed chart. Reading and writing files by path:
// chart_file.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/astro/birth_data.h"
#include "core/astro/expected.h"
#include "core/io/file_replace.h"

namespace vellamor {

inline constexpr int kChartFieldCount = 17;  // the form's lines, always written
inline constexpr int kChartLineCount = 18;   // with the exact offset's, written when set
inline constexpr std::size_t kMaxChartFileBytes = 64 * 1024;
inline constexpr std::size_t kMaxChartLineBytes = 1024;
inline constexpr int kChartShift = 85;
inline constexpr int kMaxEncodableCode = 170;

// Decoded field texts (UTF-8), line 1 at index 0; the eighteenth empty when
// the chart has no exact offset.
using ChartFields = std::array<std::string, kChartLineCount>;

// The fields' places in ChartFields (the file's line less one).
namespace chart_line {
inline constexpr int kNameLine = 0, kMonthLine = 1, kDayLine = 2, kYearLine = 3, kHourLine = 4,
                     kMinuteLine = 5, kZoneLine = 6, kLonDegLine = 7, kLonMinLine = 8,
                     kLatDegLine = 9, kLatMinLine = 10, kEastLine = 11, kSouthLine = 12,
                     kDstLine = 13, kCityLine = 14, kStateLine = 15, kCountryLine = 16,
                     kOffsetLine = 17;
}  // namespace chart_line

// The form's label of each field, as the front ends name a refused one.
inline constexpr auto kChartFieldNames = std::to_array<std::string_view>(
    {"Name", "Month", "Day", "Year", "Hour", "Minute", "Time Zone", "Longitude", "Longitude",
     "Latitude", "Latitude", "East/West", "North/South", "Daylight Saving Time", "City", "State",
     "Country", "Exact Offset"});
static_assert(kChartFieldNames.size() == kChartLineCount);

// Where a field's text or bytes cannot be carried: the byte offset at which
// the character (or the malformed UTF-8 sequence) starts.
struct FieldCodingError {
    std::size_t offset = 0;
};

// UTF-8 text to file bytes; refused when a character cannot be carried (code
// above 170) or the text is not valid UTF-8.
Expected<std::string, FieldCodingError> EncodeChartField(std::string_view utf8);
// File bytes to UTF-8 text; refused when a byte decodes below code 32.
Expected<std::string, FieldCodingError> DecodeChartField(std::string_view bytes);

// The last three characters of the path are exactly "sud".
bool HasChartExtension(std::string_view path);

// The whole text as a decimal integer; `value` is left alone when it is not
// one. (Not an optional: the compiler may test an empty optional's
// uninitialised value before its flag, which memory checkers report.)
bool ParseChartInteger(std::string_view text, int& value);

// How a refusal shows the value it found: a plain number as it is, other
// short printable text in quotes, anything else not at all, so that nothing
// from the file reaches a terminal raw.
enum class ValueQuoting { Omitted, Bare, Quoted };
ValueQuoting QuotingOf(std::string_view value);
// A Boolean line: True or False in any case, or a plain integer, any but
// zero being true.
std::optional<bool> ParseChartFlag(std::string_view text);

// Why a chart file was refused.
enum class ChartFileProblem {
    NotAChartName,  // the name does not end in "sud"
    NoSuchFile,
    PermissionDenied,
    NotRegularFile,    // a folder, device or pipe under a chart's name
    Unreadable,        // any other failure to open or read it
    TooLarge,          // more than 64 KiB
    LineTooLong,       // a line of more than 1,024 bytes
    UndecodableLine,   // a byte that decodes below code 32
    CutShort,          // a line without its end: the file was cut off
    EndsEarly,         // the file ends after `line`, before the seventeenth
    TrailingBytes,     // bytes after the last line (the seventeenth, or the offset's)
    EmptyFile,         // no byte at all
    UnacceptableValue  // a value the form cannot take: a list line that names
                       // no entry of its list, a Boolean that is none, a
                       // coordinate that is not empty or one to three digits,
                       // a text over 200 characters
};

// Which check a value failed, for UnacceptableValue.
enum class ValueCheck {
    Range,       // not a whole number from `first` to `last` (month, day, year,
                 // hour, minute, time zone row)
    Flag,        // a Boolean that is neither True nor False
    Coordinate,  // degrees or minutes that are not empty or one to three digits
    TextLength,  // a text longer than 200 characters
    Offset,      // an exact offset that is not +H:MM[:SS] within 14:00, nor LMT
};

// A value the form cannot take: the field is the error's line.
struct RefusedValue {
    ValueCheck check = ValueCheck::Range;
    std::string text;  // what the line holds
    int first = 0;     // the bounds, for Range
    int last = 0;
};

struct ChartFileError {
    ChartFileProblem problem = ChartFileProblem::Unreadable;
    int line = 0;         // the line (1..18) for a problem inside or after one, otherwise 0
    int systemError = 0;  // errno of a failed open or read, otherwise 0
    RefusedValue value;   // for UnacceptableValue
};

using ChartReadResult = Expected<ChartFields, ChartFileError>;

// Parses file content (no extension check). A file is read whole or refused
// whole: it refuses what the program would never write (bytes below code 32,
// lines over 1,024 bytes, content over 64 KiB, no byte at all, a line cut off
// without its end, fewer than 17 lines, anything after the 17th but an
// exact offset, anything after that) and any value that no control of the
// form can take.
ChartReadResult ParseChartFile(std::string_view bytes);

// The texts the writer stores for a chart (trimmed): seventeen, and the
// exact offset's when the birth has one.
ChartFields ChartFieldsFromBirthData(const BirthData& birth);

// Why a chart could not be saved.
enum class ChartWriteProblem {
    UncarriableCharacter,  // a field holds a character the encoding cannot carry
    TextTooLong,           // a field is longer than 200 characters
    NotReplaced            // the file could not be written or replaced (ReplaceFile)
};

struct ChartWriteError {
    ChartWriteProblem problem = ChartWriteProblem::NotReplaced;
    int line = 0;              // the field (1..17) for the first two problems
    std::string character;     // the character that cannot be carried (UTF-8)
    std::string path;          // the target, for NotReplaced
    FileReplaceError replace;  // for NotReplaced: why the file was not replaced
};

// Encodes all seventeen lines and a set eighteenth, or says which field
// cannot be carried.
Expected<std::string, ChartWriteError> SerializeChartFile(const ChartFields& fields);

}  // namespace vellamor
