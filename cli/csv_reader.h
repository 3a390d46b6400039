// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV format as spreadsheets and databases write it (RFC 4180): fields
// may be quoted ("..."), a quote inside a quoted field is doubled, and a
// quoted field may hold commas and line breaks. Records end in CR LF or LF;
// a UTF-8 byte-order mark before the first record is skipped, and so are
// blank lines between records.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/astro/expected.h"

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
// record and a read buffer.
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

}  // namespace vellamor
