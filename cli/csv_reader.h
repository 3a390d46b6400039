// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV format as spreadsheets and databases write it (RFC 4180): fields
// may be quoted ("..."), a quote inside a quoted field is doubled, and a
// quoted field may hold commas and line breaks. Records end in CR LF, LF or
// a lone CR (old Mac files), and a lone CR counts as a line wherever it is;
// a UTF-8 byte-order mark before the first record is skipped, and so are
// blank lines between records. A record is at most kMaxCsvRecordBytes long,
// so that a stream without line breaks cannot take all memory.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
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
    std::uint64_t lineBreaks = 0;  // line ends within it and at its end
    bool openQuote = false;        // it ends inside a quoted field
    std::string error;             // a malformed record: what is wrong with it
};
CsvRecordEnd ParseCsvRecord(std::string_view text, bool final, std::vector<std::string>* fields);

inline constexpr std::size_t kMaxCsvRecordBytes = std::size_t{1} << 20;
// The most that is read on to count the lines a refused table has left.
inline constexpr std::uint64_t kMaxCountedBytes = std::uint64_t{64} << 20;

// Where a table's bytes come from: up to `size` bytes into `buffer`, giving
// the count read (0 at the end of the input) or the errno of a failed read.
using CsvByteSource = std::function<Expected<std::size_t, int>(char* buffer, std::size_t size)>;
// A stream's bytes; a read its buffer fails is an input/output error (EIO).
CsvByteSource StreamBytes(std::istream& in);
// A descriptor's bytes by read(2), which an interruption does not stop.
CsvByteSource DescriptorBytes(int fd);

// Why a splitter stopped before the end of its input.
struct CsvStop {
    enum class Kind { ReadFailed, RecordTooLong } kind;
    std::uint64_t line = 0;  // where the record that was not read starts
    int error = 0;           // ReadFailed: the errno
    bool openQuote = false;  // RecordTooLong: it is a quoted field never closed
};

// Cuts a stream into records without reading their fields, holding no more
// than one read block and the record being cut: a byte-order mark before the
// first record and blank lines between records are skipped.
class CsvSplitter {
  public:
    explicit CsvSplitter(std::istream& in) : CsvSplitter(StreamBytes(in)) {}
    explicit CsvSplitter(CsvByteSource source);

    // The next record's bytes, valid until the next call: true, or false at
    // the end of the input or when stopped() says why not. A record cut
    // short by a failed read is never returned.
    bool Next(std::string_view& record);

    // Why the last Next gave false before the end of the input.
    const std::optional<CsvStop>& stopped() const { return m_stop; }

    // After a stop for a record too long: the lines from its start to the
    // end of the input, read on without keeping them; none when a read
    // fails or more than kMaxCountedBytes are left (a 20 GiB table would
    // take a minute to count before its one-line refusal).
    std::optional<std::uint64_t> CountLinesLeft();

    // Line on which the record last returned starts (1 for the first line).
    std::uint64_t recordLine() const { return m_recordLine; }
    // Bytes consumed up to the end of the record last returned.
    std::uint64_t bytesConsumed() const { return m_consumed; }

  private:
    bool Refill();  // false when nothing more could be read
    bool Stop(CsvStop stop);

    CsvByteSource m_source;
    std::optional<CsvStop> m_stop;
    int m_readError = 0;
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
    // the end of the input or when stopped() says why not. A malformed
    // record is an error sentence; the reader then goes on after it.
    Expected<bool, std::string> Next(std::vector<std::string>& fields);

    const std::optional<CsvStop>& stopped() const { return m_splitter.stopped(); }
    // Line on which the record last returned starts (1 for the first line).
    std::uint64_t recordLine() const { return m_splitter.recordLine(); }
    // Bytes consumed up to the end of the record last returned.
    std::uint64_t bytesConsumed() const { return m_splitter.bytesConsumed(); }

  private:
    CsvSplitter m_splitter;
};

}  // namespace vellamor
