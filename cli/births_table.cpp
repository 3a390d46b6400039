// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/births_table.h"

#include <algorithm>
#include <cstring>

#include "cli/options.h"

namespace vellamor {
namespace {

constexpr std::size_t kReadBlock = 1 << 16;

std::string_view TrimAscii(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c | 0x20);
    return out;
}

std::string ColumnList() {
    std::string list;
    for (std::string_view name : kBirthColumnNames)
        list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

// "true"/"false" as the table writes the daylight-saving column.
std::optional<bool> Switch(std::string_view value) {
    const std::string v = Lower(value);
    if (v == "true" || v == "1" || v == "yes")
        return true;
    if (v == "false" || v == "0" || v == "no")
        return false;
    return std::nullopt;
}

const CommandLineOption& OptionOf(BirthColumn column) {
    const std::string name = "--" + std::string(kBirthColumnNames[static_cast<int>(column)]);
    for (const CommandLineOption& o : CommandLineOptions())
        if (o.name == name)
            return o;
    return CommandLineOptions().front();  // every chart column has its option
}

}  // namespace

namespace {

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
    // Most records have no quotes: such a record is everything up to its LF,
    // its fields are what lies between its commas, and a CR is data except
    // before that LF.
    {
        const void* lf = std::memchr(text.data(), '\n', text.size());
        const std::size_t length =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) + 1
               : text.size();
        if (std::memchr(text.data(), '"', length) == nullptr) {
            result.complete = lf != nullptr || final;
            result.length = length;
            result.lineBreaks = lf ? 1 : 0;
            if (fields) {
                std::string_view rest = text.substr(0, length);
                if (lf) {
                    rest.remove_suffix(1);
                    if (!rest.empty() && rest.back() == '\r')
                        rest.remove_suffix(1);
                }
                std::size_t count = 0;
                for (;;) {
                    if (count == fields->size())
                        fields->emplace_back();
                    const std::size_t comma = rest.find(',');
                    (*fields)[count++].assign(rest.substr(0, comma));
                    if (comma == std::string_view::npos)
                        break;
                    rest.remove_prefix(comma + 1);
                }
                fields->resize(count);
            }
            return result;
        }
    }

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

Expected<std::vector<BirthColumn>, std::string> ReadBirthHeader(
    const std::vector<std::string>& header) {
    std::vector<BirthColumn> columns;
    std::string unknown;
    for (const std::string& cell : header) {
        const std::string name = Lower(TrimAscii(cell));
        const auto it = std::find(kBirthColumnNames.begin(), kBirthColumnNames.end(), name);
        if (it == kBirthColumnNames.end()) {
            if (unknown.empty())
                unknown = "unknown column \"" + std::string(TrimAscii(cell)) +
                          "\" (the columns are " + ColumnList() + ")";
            continue;
        }
        const auto column = static_cast<BirthColumn>(it - kBirthColumnNames.begin());
        if (std::find(columns.begin(), columns.end(), column) != columns.end())
            return Fail("column \"" + name + "\" is given twice");
        columns.push_back(column);
    }
    if (columns.empty())
        return Fail("no header row naming the columns (" + ColumnList() + ")");
    if (!unknown.empty())
        return Fail(std::move(unknown));
    return columns;
}

Expected<BirthRow, std::string> BirthRowForm(const std::vector<BirthColumn>& columns,
                                             const std::vector<std::string>& cells) {
    BirthRow row;
    if (auto read = BirthRowReader(columns).Read(cells, row); !read)
        return Fail(std::move(read.error()));
    return row;
}

BirthRowReader::BirthRowReader(std::vector<BirthColumn> columns) : m_columns(std::move(columns)) {
    for (const BirthColumn column : m_columns)
        m_options.push_back(column == BirthColumn::Place ? nullptr : &OptionOf(column));
}

Expected<void, std::string> BirthRowReader::Read(const std::vector<std::string>& cells,
                                                 BirthRow& row) const {
    const std::vector<BirthColumn>& columns = m_columns;
    if (cells.size() < columns.size())
        return Fail("the row has " + std::to_string(cells.size()) + " of the " +
                    std::to_string(columns.size()) + " columns");
    if (cells.size() > columns.size())
        return Fail("the row has " + std::to_string(cells.size()) + " fields, the header " +
                    std::to_string(columns.size()));
    Invocation inv;  // a fresh entry window
    row.place.clear();
    row.given = ExplicitPlaceFields{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const BirthColumn column = columns[i];
        const bool text = column == BirthColumn::Name || column == BirthColumn::City ||
                          column == BirthColumn::State || column == BirthColumn::Country;
        // Blanks around a number are a spreadsheet's padding; in a text they
        // are the text's own, as in the entry window's boxes.
        const std::string_view value = text ? std::string_view(cells[i]) : TrimAscii(cells[i]);
        if (value.empty())
            continue;  // the fresh window's value
        switch (column) {
            case BirthColumn::Place:
                row.place = value;
                continue;
            case BirthColumn::Dst: {
                const auto on = Switch(value);
                if (!on)
                    return Fail("dst: expected true or false, got \"" + std::string(value) + "\"");
                inv.form.daylightSaving = *on;
                row.given.daylightSaving = true;
                continue;
            }
            case BirthColumn::City:
                row.given.city = true;
                break;
            case BirthColumn::State:
                row.given.state = true;
                break;
            case BirthColumn::Country:
                row.given.country = true;
                break;
            case BirthColumn::Lat:
                row.given.latitude = true;
                break;
            case BirthColumn::Lon:
                row.given.longitude = true;
                break;
            case BirthColumn::Zone:
                row.given.zone = true;
                break;
            default:
                break;
        }
        if (const auto applied = m_options[i]->apply(value, inv); !applied) {
            // The option's messages start with its name; a column has no dashes.
            std::string_view message = applied.error().message;
            if (message.substr(0, 2) == "--")
                message.remove_prefix(2);
            return Fail(std::string(message));
        }
    }
    row.form = std::move(inv.form);
    return {};
}

}  // namespace vellamor
