// Chart files (*.sud): the seventeen entries of the birth-data form, one per
// line, each character shifted up by 85 (one byte per character; codes 128 to
// 170 are Latin-1 code points) and ended by CR LF. The file holds the birth
// data, never the computed chart.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/astro/birth_data.h"
#include "core/chart/entry_form.h"

namespace vellamor {

inline constexpr int kChartFieldCount = 17;
inline constexpr std::string_view kCheckFileMessage = "Please Check The File.";
inline constexpr std::size_t kMaxChartFileBytes = 64 * 1024;
inline constexpr std::size_t kMaxChartLineBytes = 1024;
inline constexpr int kChartShift = 85;
inline constexpr int kMaxEncodableCode = 170;

// Decoded field texts (UTF-8), line 1 at index 0. Missing lines are empty.
using ChartFields = std::array<std::string, kChartFieldCount>;

// UTF-8 text to file bytes; nothing when a character cannot be carried (code
// above 170) or the text is not valid UTF-8.
std::optional<std::string> EncodeChartField(std::string_view utf8);
// File bytes to UTF-8 text; nothing when a byte decodes below code 32.
std::optional<std::string> DecodeChartField(std::string_view bytes);

// The last three characters of the path are exactly "sud".
bool HasChartExtension(std::string_view path);

struct ChartReadResult {
    std::optional<ChartFields> fields;
    std::string error;   // the program's message when fields is empty
    std::string reason;  // why: "line 2: month 13 is not 1 to 12"
    bool ok() const { return fields.has_value(); }
};

// Parses file content (no extension check). Refuses what the program would
// never write: bytes below code 32, lines over 1,024 bytes, content over
// 64 KiB, coordinate lines that are not empty or one to three digits, text
// fields over 200 characters.
ChartReadResult ParseChartFile(std::string_view bytes);
// Checks the extension, refuses anything but a regular readable file, reads
// at most 64 KiB + 1 bytes and parses.
ChartReadResult ReadChartFile(const std::string& path);

// The seventeen texts the writer stores for a chart (trimmed).
ChartFields ChartFieldsFromBirthData(const BirthData& birth);

struct ChartWriteResult {
    bool ok = false;
    std::string error;  // a sentence for the user when !ok
};

// Encodes all seventeen lines, or says which field cannot be carried.
ChartWriteResult SerializeChartFile(const ChartFields& fields, std::string& out);
// Encodes the whole file in memory, then replaces the target as
// ReplaceFile does; on any failure the old file is untouched and the error
// reads "PATH: reason".
ChartWriteResult WriteChartFile(const std::string& path, const BirthData& birth);

// Restores the form's controls from a file's fields, as opening does: text
// boxes take the text, lists select the entry with that value or keep their
// selection, lines 12 to 14 read True/False (any case) or a number.
EntryForm ApplyChartFields(EntryForm form, const ChartFields& fields);

}  // namespace vellamor
