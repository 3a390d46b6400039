// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

#include <algorithm>

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
                    result.error = "a quoted field is not closed";
                    return finish();
                }
                if (c == '"') {
                    if (in.Peek() != '"')
                        break;
                    in.Get();
                } else if (c == '\n') {
                    ++result.lineBreaks;
                }
                if (fields)
                    field->push_back(static_cast<char>(c));
            }
            c = in.Peek();
            if (c != ',' && c != '\n' && c != '\r' && c >= 0) {
                result.error = "text after the closing quote of field " + std::to_string(count);
                // The rest of the line belongs to this broken record.
                while ((c = in.Peek()) >= 0 && c != '\n')
                    in.Get();
            }
        } else {
            // Unquoted: up to the next comma or line end. A quote inside is
            // kept as written, as spreadsheets do.
            while ((c = in.Peek()) >= 0 && c != ',' && c != '\n') {
                if (c == '\r') {
                    in.Get();
                    if (in.Peek() == '\n')
                        break;
                    if (fields)
                        field->push_back('\r');
                    continue;
                }
                // Copy the run of plain bytes in one piece.
                const char* begin = in.position();
                const char* p = begin;
                while (p != in.end() && *p != ',' && *p != '\n' && *p != '\r')
                    ++p;
                if (fields)
                    field->append(begin, p);
                in.Skip(static_cast<std::size_t>(p - begin));
            }
        }
        c = in.Peek();
        if (c == ',') {
            in.Get();
            continue;
        }
        if (c == '\r')
            in.Get();
        if (in.Peek() == '\n') {
            in.Get();
            ++result.lineBreaks;
        }
        return finish();
    }
}

CsvSplitter::CsvSplitter(std::istream& in) : m_in(in), m_buffer(kReadBlock) {}

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
    while (m_end < m_buffer.size() && m_in) {
        m_in.read(m_buffer.data() + m_end, static_cast<std::streamsize>(m_buffer.size() - m_end));
        m_end += static_cast<std::size_t>(m_in.gcount());
    }
    if (!m_in)
        m_final = true;
    return m_end > before;
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
        while (m_pos < m_end && (m_buffer[m_pos] == '\n' || m_buffer[m_pos] == '\r')) {
            if (m_buffer[m_pos] == '\n')
                ++m_line;
            ++m_pos;
            ++m_consumed;
        }
        if (m_pos < m_end)
            break;
        if (!Refill())
            return false;
    }
    for (;;) {
        const std::string_view rest(m_buffer.data() + m_pos, m_end - m_pos);
        const CsvRecordEnd end = ParseCsvRecord(rest, m_final, nullptr);
        if (end.complete) {
            record = rest.substr(0, end.length);
            m_pos += end.length;
            m_consumed += end.length;
            m_recordLine = m_line;
            m_nextLine = m_line + end.lineBreaks;
            return true;
        }
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
