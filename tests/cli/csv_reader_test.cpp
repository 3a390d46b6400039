// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sstream>

namespace vellamor {
namespace {

using Records = std::vector<std::vector<std::string>>;

struct Read {
    Records records;
    std::vector<std::uint64_t> lines;
    std::vector<std::string> errors;  // per record, empty when it was read
};

Read ReadAll(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    Read r;
    std::vector<std::string> fields;
    for (;;) {
        const auto got = reader.Next(fields);
        if (got && !*got)
            break;
        r.records.push_back(fields);
        r.lines.push_back(reader.recordLine());
        r.errors.push_back(got ? "" : got.error());
    }
    return r;
}

TEST(CsvReader, ReadsRecordsAsTheFormatSays) {
    struct Case {
        const char* what;
        std::string text;
        Records records;
        std::vector<std::uint64_t> lines;
    };
    const Case cases[] = {
        {"plain, LF, no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"CRLF and a byte-order mark",
         "\xEF\xBB\xBF"
         "a,b\r\n1,2\r\n",
         {{"a", "b"}, {"1", "2"}},
         {1, 2}},
        {"quotes, commas and doubled quotes",
         "\"x, y\",\"say \"\"hi\"\"\",\"\"\n",
         {{"x, y", "say \"hi\"", ""}},
         {1}},
        {"a line break inside quotes moves the next record's line",
         "\"two\r\nlines\",b\nc,d\n",
         {{"two\r\nlines", "b"}, {"c", "d"}},
         {1, 3}},
        {"blank lines are skipped, empty fields kept",
         "a,,b\n\n\r\n,\n",
         {{"a", "", "b"}, {"", ""}},
         {1, 4}},
        {"a quote inside an unquoted field is kept", "ab\"c,d\n", {{"ab\"c", "d"}}, {1}},
        {"a lone CR ends a record and is a line, after any field",
         "a,b\r\"c\"\r\r\"d\re\"\rf",
         {{"a", "b"}, {"c"}, {"d\re"}, {"f"}},
         {1, 2, 4, 6}},
        {"a record of the largest size, its line end included",
         "a\n" + std::string(kMaxCsvRecordBytes - 1, '0') + "\nb\n",
         {{"a"}, {std::string(kMaxCsvRecordBytes - 1, '0')}, {"b"}},
         {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Read r = ReadAll(c.text);
        EXPECT_EQ(r.records, c.records);
        EXPECT_EQ(r.lines, c.lines);
        for (const std::string& e : r.errors)
            EXPECT_EQ(e, "");
    }
}

TEST(CsvReader, ReportsABrokenRecordAndGoesOn) {
    const Read after = ReadAll("\"a\"b,c\nd,e\n");
    ASSERT_EQ(after.records.size(), 2u);
    EXPECT_EQ(after.errors[0], "text after the closing quote of field 1");
    EXPECT_EQ(after.records[1], (std::vector<std::string>{"d", "e"}));

    const Read open = ReadAll("a,b\n\"never closed,c\n");
    ASSERT_EQ(open.records.size(), 2u);
    EXPECT_EQ(open.errors[1],
              "a quoted field is not closed: the rest of the table, 1 line from this one, was "
              "not read");
    EXPECT_EQ(open.lines[1], 2u);
    // A last line without its line end is a line not read all the same.
    const Read openToTheEnd = ReadAll("a,b\n\"never closed,c\nd");
    ASSERT_EQ(openToTheEnd.records.size(), 2u);
    EXPECT_EQ(openToTheEnd.errors[1],
              "a quoted field is not closed: the rest of the table, 2 lines from this one, was "
              "not read");
}

// A splitter stops, saying why, at a read that fails and at a record longer
// than the limit; what came before is read, the record cut short is not.
TEST(CsvSplitter, StopsAtAFailedReadAndAtAnOverlongRecord) {
    struct Case {
        const char* what;
        std::string text;
        bool fails;  // the read after `text` fails
        std::size_t records;
        CsvStop::Kind kind;
        std::uint64_t line;
        bool openQuote;
    };
    std::string lines;
    while (lines.size() <= kMaxCsvRecordBytes)
        lines += "x,y\n";
    const Case cases[] = {
        {"a read fails mid-record", "a,b\n\nc,d\ne,", true, 2, CsvStop::Kind::ReadFailed, 4, false},
        {"a read fails after a line end", "a,b\r\n", true, 1, CsvStop::Kind::ReadFailed, 2, false},
        {"no line end", "a\n" + std::string(kMaxCsvRecordBytes + 1, '0'), false, 1,
         CsvStop::Kind::RecordTooLong, 2, false},
        {"a byte over the limit with its line end",
         "a\n" + std::string(kMaxCsvRecordBytes, '0') + "\nb\n", false, 1,
         CsvStop::Kind::RecordTooLong, 2, false},
        {"a quote never closed", "a\n\"" + lines, false, 1, CsvStop::Kind::RecordTooLong, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::size_t at = 0;
        CsvSplitter splitter([&](char* buffer, std::size_t size) -> Expected<std::size_t, int> {
            if (at == c.text.size() && c.fails)
                return Fail(EIO);
            const std::size_t n = std::min({size, c.text.size() - at, std::size_t{1000}});
            c.text.copy(buffer, n, at);
            at += n;
            return n;
        });
        std::string_view record;
        std::size_t records = 0;
        while (splitter.Next(record))
            ++records;
        EXPECT_EQ(records, c.records);
        ASSERT_TRUE(splitter.stopped());
        EXPECT_EQ(splitter.stopped()->kind, c.kind);
        EXPECT_EQ(splitter.stopped()->line, c.line);
        EXPECT_EQ(splitter.stopped()->error, c.fails ? EIO : 0);
        EXPECT_EQ(splitter.stopped()->openQuote, c.openQuote);
    }
}

// Records longer than a line and fields with every kind of quoting, written
// back to back until the table is several read blocks long, so that records
// and line ends fall across the reader's block boundaries at every offset.
TEST(CsvReader, RecordsAcrossReadBlocksComeBackAsWritten) {
    const Records shapes = {
        {"plain", "row"},
        {"a, comma", "say \"hi\"", ""},
        {"two\r\nlines", "and\nthree\nlines"},
        {"", "", ""},
        {"cr\rinside"},
    };
    auto quoted = [](const std::string& f) {
        std::string q = "\"";
        for (char c : f)
            q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + "\"";
    };
    std::string text;
    Records written;
    std::vector<std::uint64_t> lines;
    std::uint64_t line = 1;
    for (std::size_t i = 0; text.size() < 3 * (std::size_t{1} << 16); ++i) {
        const auto& fields = shapes[i % shapes.size()];
        std::string record;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            // Quoted when it must be, and every third plain field as well.
            const bool quote =
                fields[f].find_first_of(",\"\r\n") != std::string::npos || i % 3 == 0;
            record += (f ? "," : "") + (quote ? quoted(fields[f]) : fields[f]);
        }
        written.push_back(fields);
        lines.push_back(line);
        text += record + (i % 2 ? "\r\n" : "\n");
        // A lone CR is a line too, inside quotes as well.
        for (std::size_t c = 0; c < record.size(); ++c)
            line += record[c] == '\n' || (record[c] == '\r' && record[c + 1] != '\n');
        ++line;
        if (i % 7 == 0) {  // a blank line now and then
            text += "\n";
            ++line;
        }
    }
    const Read r = ReadAll(text);
    EXPECT_EQ(r.records, written);
    EXPECT_EQ(r.lines, lines);
}

}  // namespace
}  // namespace vellamor
