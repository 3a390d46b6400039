// SPDX-License-Identifier: GPL-3.0-or-later
// Chart files (*.sud): the seventeen entries of the birth-data form, one per
// line, each character shifted up by 85 (one byte per character; codes 128 to
// 170 are Latin-1 code points) and ended by CR LF. The file holds the birth
// data, never the computed chart.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/astro/birth_data.h"
#include "core/astro/expected.h"
#include "core/chart/entry_form.h"

namespace vellamor {

inline constexpr int kChartFieldCount = 17;
inline constexpr std::size_t kMaxChartFileBytes = 64 * 1024;
inline constexpr std::size_t kMaxChartLineBytes = 1024;
inline constexpr int kChartShift = 85;
inline constexpr int kMaxEncodableCode = 170;

// Decoded field texts (UTF-8), line 1 at index 0. Missing lines are empty.
using ChartFields = std::array<std::string, kChartFieldCount>;

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
    EmptyFile,         // no byte at all
    UnacceptableValue  // a value the form cannot take: a list line that names
                       // no entry of its list, a Boolean that is none, a
                       // coordinate that is not empty or one to three digits,
                       // a text over 200 characters
};

struct ChartFileError {
    ChartFileProblem problem = ChartFileProblem::Unreadable;
    int line = 0;         // the line (1..17) for a problem inside one, otherwise 0
    int systemError = 0;  // errno of a failed open or read, otherwise 0
    std::string value;    // for UnacceptableValue: what the line holds, and why
                          // not, "month 13 is not 1 to 12"
};

using ChartReadResult = Expected<ChartFields, ChartFileError>;

// Parses file content (no extension check). A file is read whole or refused
// whole: it refuses what the program would never write (bytes below code 32,
// lines over 1,024 bytes, content over 64 KiB, no byte at all, a line cut off
// without its end) and any value that no control of the form can take.
// Fewer than 17 whole lines leave the missing fields empty.
ChartReadResult ParseChartFile(std::string_view bytes);
// Checks the extension, refuses anything but a regular readable file, reads
// at most 64 KiB + 1 bytes and parses.
ChartReadResult ReadChartFile(const std::string& path);

// The seventeen texts the writer stores for a chart (trimmed).
ChartFields ChartFieldsFromBirthData(const BirthData& birth);

// Why a chart could not be saved.
enum class ChartWriteProblem {
    UncarriableCharacter,  // a field holds a character the encoding cannot carry
    TextTooLong,           // a field is longer than 200 characters
    NotReplaced            // the file could not be written or replaced (ReplaceFile)
};

struct ChartWriteError {
    ChartWriteProblem problem = ChartWriteProblem::NotReplaced;
    int line = 0;           // the field (1..17) for the first two problems
    std::string character;  // the character that cannot be carried (UTF-8)
    std::string path;       // the target, for NotReplaced
    std::string reason;     // for NotReplaced: "No space left on device"
};

// Encodes all seventeen lines, or says which field cannot be carried.
Expected<std::string, ChartWriteError> SerializeChartFile(const ChartFields& fields);
// Encodes the whole file in memory, then replaces the target as ReplaceFile
// does; on any failure the old file is untouched.
Expected<void, ChartWriteError> WriteChartFile(const std::string& path, const BirthData& birth);

// Restores the form's controls from a file's fields, as opening does: text
// boxes take the text, lists select the entry with that value or keep their
// selection, lines 12 to 14 read True/False (any case) or a number.
EntryForm ApplyChartFields(EntryForm form, const ChartFields& fields);

}  // namespace vellamor
