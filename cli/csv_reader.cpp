// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <exception>

namespace vellamor {
namespace {

constexpr std::size_t kReadBlock = 1 << 16;

// Reads `text` as the record rules say, as if nothing followed it; `touchedEnd`
// then says whether a decision looked past its last byte, which more input
// could change.
class RecordCursor {
  public:
    explicit RecordCursor(std::string_view text)
        : m_p(text.data()), m_end(text.data() + text.size()) {}
    int Peek() {
        if (m_p == m_end) {
            m_touchedEnd = true;
            return -1;
        }
        return static_cast<unsigned char>(*m_p);
    }
    int Get() {
        const int c = Peek();
        if (c >= 0)
            ++m_p;
        return c;
    }
    const char* position() const { return m_p; }
    const char* end() const { return m_end; }
    void Skip(std::size_t n) { m_p += n; }
    bool touchedEnd() const { return m_touchedEnd; }

  private:
    const char* m_p;
    const char* m_end;
    bool m_touchedEnd = false;
};

// Unread lines, for a message: "1 line", "12 lines".
std::string Lines(std::uint64_t n) {
    return std::to_string(n) + (n == 1 ? " line" : " lines");
}

}  // namespace

CsvRecordEnd ParseCsvRecord(std::string_view text, bool final, std::vector<std::string>* fields) {
    CsvRecordEnd result;
    RecordCursor in(text);
    std::string scratch;
    std::size_t count = 0;
    auto finish = [&]() {
        if (fields)
            fields->resize(count);
        result.complete = final || !in.touchedEnd();
        result.length = static_cast<std::size_t>(in.position() - text.data());
        return result;
    };
    for (;;) {
        std::string* field = &scratch;
        if (fields) {
            if (count == fields->size())
                fields->emplace_back();
            field = &(*fields)[count];
        }
        ++count;
        field->clear();
        int c = in.Peek();
        if (c == '"') {
            in.Get();
            for (;;) {
                c = in.Get();
                if (c < 0) {
                    // It runs to the end of the input: nothing after its
                    // opening quote was read as records.
                    result.openQuote = true;
                    const bool lastLineOpen =
                        !text.empty() && text.back() != '\n' && text.back() != '\r';
                    result.error = "a quoted field is not closed: the rest of the table, " +
                                   Lines(result.lineBreaks + (lastLineOpen ? 1 : 0)) +
                                   " from this one, was not read";
                    return finish();
                }
                if (c == '"') {
                    if (in.Peek() != '"')
                        break;
                    in.Get();
                } else if (c == '\n' || (c == '\r' && in.Peek() != '\n')) {
                    ++result.lineBreaks;
                }
                if (fields)
                    field->push_back(static_cast<char>(c));
            }
            c = in.Peek();
            if (c != ',' && c != '\n' && c != '\r' && c >= 0) {
                result.error = "text after the closing quote of field " + std::to_string(count);
                // The rest of the line belongs to this broken record.
                while ((c = in.Peek()) >= 0 && c != '\n' && c != '\r')
                    in.Get();
            }
        } else {
            // Unquoted: up to the next comma or line end. A quote inside is
            // kept as written, as spreadsheets do. The run of plain bytes is
            // copied in one piece.
            const char* begin = in.position();
            const char* p = begin;
            while (p != in.end() && *p != ',' && *p != '\n' && *p != '\r')
                ++p;
            if (fields)
                field->append(begin, p);
            in.Skip(static_cast<std::size_t>(p - begin));
        }
        c = in.Peek();
        if (c == ',') {
            in.Get();
            continue;
        }
        // CR LF, LF or a lone CR: one line end.
        if (c == '\r') {
            in.Get();
            if (in.Peek() == '\n')
                in.Get();
            ++result.lineBreaks;
        } else if (c == '\n') {
            in.Get();
            ++result.lineBreaks;
        }
        return finish();
    }
}

CsvByteSource StreamBytes(std::istream& in) {
    // From the stream's buffer: a stream reports a failed read only by
    // throwing from its buffer, which the stream itself would take for
    // the end of the input.
    return [&in](char* buffer, std::size_t size) -> Expected<std::size_t, int> {
        try {
            return static_cast<std::size_t>(
                in.rdbuf()->sgetn(buffer, static_cast<std::streamsize>(size)));
        } catch (const std::exception&) {
            return Fail(EIO);
        }
    };
}

CsvByteSource DescriptorBytes(int fd) {
    return [fd](char* buffer, std::size_t size) -> Expected<std::size_t, int> {
        for (;;) {
            const ssize_t n = ::read(fd, buffer, size);
            if (n >= 0)
                return static_cast<std::size_t>(n);
            if (errno != EINTR)
                return Fail(errno);
        }
    };
}

CsvSplitter::CsvSplitter(CsvByteSource source)
    : m_source(std::move(source)), m_buffer(kReadBlock) {}

bool CsvSplitter::Refill() {
    if (m_final)
        return false;
    // Keep what is not yet consumed at the front; make room when a single
    // record fills the whole buffer.
    if (m_pos > 0) {
        std::copy(m_buffer.begin() + static_cast<std::ptrdiff_t>(m_pos),
                  m_buffer.begin() + static_cast<std::ptrdiff_t>(m_end), m_buffer.begin());
        m_end -= m_pos;
        m_pos = 0;
    }
    if (m_end == m_buffer.size())
        m_buffer.resize(2 * m_buffer.size());
    const std::size_t before = m_end;
    while (m_end < m_buffer.size()) {
        const auto got = m_source(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (!got)
            m_readError = got.error();
        if (!got || *got == 0) {
            m_final = true;
            break;
        }
        m_end += *got;
    }
    return m_end > before;
}

bool CsvSplitter::Stop(CsvStop stop) {
    m_stop = stop;
    return false;
}

std::optional<std::uint64_t> CsvSplitter::CountLinesLeft() {
    std::uint64_t lines = 0;
    char last = '\n';  // nothing yet: no line begun
    auto count = [&](const char* p, std::size_t n) {
        for (const char* end = p + n; p != end; ++p) {
            // CR LF is one line end, counted at its LF.
            if (*p == '\n' ? last != '\r' : *p == '\r')
                ++lines;
            last = *p;
        }
    };
    count(m_buffer.data() + m_pos, m_end - m_pos);
    std::vector<char> block(kReadBlock);
    for (std::uint64_t read = 0; !m_final;) {
        // A count that would take more than a moment is not worth the wait.
        if (read >= kMaxCountedBytes)
            return std::nullopt;
        const auto got = m_source(block.data(), block.size());
        if (!got)
            return std::nullopt;
        if (*got == 0)
            break;
        read += *got;
        count(block.data(), *got);
    }
    return lines + (last != '\n' && last != '\r' ? 1 : 0);
}

bool CsvSplitter::Next(std::string_view& record) {
    m_line = m_nextLine;
    if (!m_started) {
        m_started = true;
        Refill();
        // A byte-order mark is three bytes at the very start; anything else
        // that begins with 0xEF is data.
        if (m_end - m_pos >= 3 && static_cast<unsigned char>(m_buffer[m_pos]) == 0xEF &&
            static_cast<unsigned char>(m_buffer[m_pos + 1]) == 0xBB &&
            static_cast<unsigned char>(m_buffer[m_pos + 2]) == 0xBF) {
            m_pos += 3;
            m_consumed += 3;
        }
    }
    // Blank lines between records carry nothing; a CR before an LF is one
    // line end with it.
    for (;;) {
        bool lfMayFollow = false;  // a CR ends the block: is it CR LF?
        while (m_pos < m_end) {
            const char c = m_buffer[m_pos];
            if (c != '\n' && c != '\r')
                break;
            const bool last = m_pos + 1 == m_end;
            if (c == '\r' && last && !m_final) {
                lfMayFollow = true;
                break;
            }
            if (c == '\n' || last || m_buffer[m_pos + 1] != '\n')
                ++m_line;
            ++m_pos;
            ++m_consumed;
        }
        if (m_pos < m_end && !lfMayFollow)
            break;
        if (!Refill()) {
            if (m_readError != 0)
                return Stop({CsvStop::Kind::ReadFailed, m_line, m_readError, false});
            if (m_pos == m_end)
                return false;
        }
    }
    for (;;) {
        const std::string_view rest(m_buffer.data() + m_pos, m_end - m_pos);
        // The input after a failed read is unknown: only a record whose end
        // is certain is returned.
        const CsvRecordEnd end = ParseCsvRecord(rest, m_final && m_readError == 0, nullptr);
        if (end.complete && end.length > kMaxCsvRecordBytes)
            return Stop({CsvStop::Kind::RecordTooLong, m_line, 0, end.openQuote});
        if (end.complete) {
            record = rest.substr(0, end.length);
            m_pos += end.length;
            m_consumed += end.length;
            m_recordLine = m_line;
            m_nextLine = m_line + end.lineBreaks;
            return true;
        }
        if (m_readError != 0)
            return Stop({CsvStop::Kind::ReadFailed, m_line, m_readError, false});
        if (rest.size() > kMaxCsvRecordBytes)
            return Stop({CsvStop::Kind::RecordTooLong, m_line, 0,
                         ParseCsvRecord(rest, true, nullptr).openQuote});
        Refill();
    }
}

Expected<bool, std::string> CsvReader::Next(std::vector<std::string>& fields) {
    std::string_view record;
    if (!m_splitter.Next(record))
        return false;
    CsvRecordEnd end = ParseCsvRecord(record, true, &fields);
    if (!end.error.empty())
        return Fail(std::move(end.error));
    return true;
}

}  // namespace vellamor
