// SPDX-License-Identifier: GPL-3.0-or-later
// A table of births in CSV, one chart per row: the reader of the CSV format
// (RFC 4180, as spreadsheets and databases write it) and the mapping of its
// columns onto the chart options.
//
// The header row names the columns after the chart options without their
// dashes (name, date, time, zone, dst, lat, lon, city, state, country) or
// `place` for the atlas; each value is written as its option takes it.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/astro/expected.h"
#include "core/chart/entry_form.h"
#include "core/chart/place_option.h"

namespace vellamor {

// One record at the start of `text`, by the rules below: where it ends, how
// many line breaks it spans, and its fields when `fields` is given (reusing
// its strings). `final` says that nothing follows `text`; without it a record
// whose end depends on bytes not yet read is left incomplete.
struct CsvRecordEnd {
    bool complete = false;
    std::size_t length = 0;        // bytes of the record, its line end included
    std::uint64_t lineBreaks = 0;  // LFs within it and at its end
    std::string error;             // a malformed record: what is wrong with it
};
CsvRecordEnd ParseCsvRecord(std::string_view text, bool final, std::vector<std::string>* fields);

// Cuts a stream into records without reading their fields, holding no more
// than one read block and the record being cut: a byte-order mark before the
// first record and blank lines between records are skipped.
class CsvSplitter {
  public:
    explicit CsvSplitter(std::istream& in);

    // The next record's bytes, valid until the next call: true, or false at
    // the end of the input.
    bool Next(std::string_view& record);

    // Line on which the record last returned starts (1 for the first line).
    std::uint64_t recordLine() const { return m_recordLine; }
    // Bytes consumed up to the end of the record last returned.
    std::uint64_t bytesConsumed() const { return m_consumed; }

  private:
    bool Refill();  // false when nothing more could be read

    std::istream& m_in;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_final = false;
    std::uint64_t m_consumed = 0;
    std::uint64_t m_line = 1;
    std::uint64_t m_nextLine = 1;  // where the record after the last one starts
    std::uint64_t m_recordLine = 0;
    bool m_started = false;
};

// Reads records one at a time from a stream, without holding more than one
// record and a read buffer. Fields may be quoted ("..."), a quote inside a
// quoted field is doubled, and a quoted field may hold commas and line
// breaks. Records end in CR LF or LF; a UTF-8 byte-order mark before the
// first record is skipped, and so are blank lines.
class CsvReader {
  public:
    explicit CsvReader(std::istream& in) : m_splitter(in) {}

    // The next record into `fields` (reusing its strings): true, or false at
    // the end of the input. A malformed record is an error sentence; the
    // reader then goes on after it.
    Expected<bool, std::string> Next(std::vector<std::string>& fields);

    // Line on which the record last returned starts (1 for the first line).
    std::uint64_t recordLine() const { return m_splitter.recordLine(); }
    // Bytes consumed up to the end of the record last returned.
    std::uint64_t bytesConsumed() const { return m_splitter.bytesConsumed(); }

  private:
    CsvSplitter m_splitter;
};

// The columns a table may have, in the order of the option table.
enum class BirthColumn { Name, Date, Time, Zone, Dst, Lat, Lon, City, State, Country, Place };
inline constexpr int kBirthColumnCount = 11;
inline constexpr std::array<std::string_view, kBirthColumnCount> kBirthColumnNames{
    "name", "date", "time", "zone", "dst", "lat", "lon", "city", "state", "country", "place"};

// The header row as columns. A header that names no column at all is taken
// for a missing header; a name outside the list, or one given twice, is an
// error. Names are compared without case and surrounding blanks.
Expected<std::vector<BirthColumn>, std::string> ReadBirthHeader(
    const std::vector<std::string>& header);

// One row as the entry form it describes: a fresh entry window with each
// non-empty cell applied as its option would be. `place` receives the place
// cell (empty when there is none) and `given` the place-related fields the
// row sets itself, which the atlas leaves alone. A value its option refuses,
// or a row whose length differs from the header's, is an error sentence.
struct BirthRow {
    EntryForm form;
    std::string place;
    ExplicitPlaceFields given;
};
Expected<BirthRow, std::string> BirthRowForm(const std::vector<BirthColumn>& columns,
                                             const std::vector<std::string>& cells);

struct CommandLineOption;

// The same for many rows of one table: each column's option is found once.
class BirthRowReader {
  public:
    explicit BirthRowReader(std::vector<BirthColumn> columns);
    // Into `row`, whose strings are reused; `row` is reset first.
    Expected<void, std::string> Read(const std::vector<std::string>& cells, BirthRow& row) const;

  private:
    std::vector<BirthColumn> m_columns;
    std::vector<const CommandLineOption*> m_options;
};

}  // namespace vellamor
