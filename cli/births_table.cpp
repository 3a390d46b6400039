// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/births_table.h"

#include <algorithm>

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

CsvReader::CsvReader(std::istream& in) : m_in(in), m_buffer(kReadBlock) {}

bool CsvReader::Refill() {
    if (!m_in)
        return false;
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_pos = 0;
    m_end = static_cast<std::size_t>(m_in.gcount());
    return m_end > 0;
}

int CsvReader::Peek() {
    if (m_pos == m_end && !Refill())
        return -1;
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

int CsvReader::Get() {
    const int c = Peek();
    if (c >= 0) {
        ++m_pos;
        ++m_consumed;
    }
    return c;
}

Expected<bool, std::string> CsvReader::Next(std::vector<std::string>& fields) {
    if (!m_started) {
        m_started = true;
        // A byte-order mark is three bytes at the very start; anything else
        // that begins with 0xEF is data.
        // The first read fills the buffer from its start, so all three
        // bytes are there unless the input is shorter.
        if (Peek() == 0xEF) {
            if (m_end - m_pos >= 3 && static_cast<unsigned char>(m_buffer[m_pos + 1]) == 0xBB &&
                static_cast<unsigned char>(m_buffer[m_pos + 2]) == 0xBF) {
                m_pos += 3;
                m_consumed += 3;
            }
        }
    }
    // Blank lines between records carry nothing.
    for (;;) {
        const int c = Peek();
        if (c == '\n') {
            Get();
            ++m_line;
        } else if (c == '\r') {
            Get();
            if (Peek() == '\n') {
                Get();
                ++m_line;
            }
        } else if (c < 0) {
            return false;
        } else {
            break;
        }
    }
    m_recordLine = m_line;
    std::size_t count = 0;
    std::string error;
    for (;;) {
        if (count == fields.size())
            fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        int c = Peek();
        if (c == '"') {
            Get();
            for (;;) {
                c = Get();
                if (c < 0) {
                    fields.resize(count);
                    return Fail(std::string("a quoted field is not closed"));
                }
                if (c == '"') {
                    if (Peek() != '"')
                        break;
                    Get();
                } else if (c == '\n') {
                    ++m_line;
                }
                field.push_back(static_cast<char>(c));
            }
            c = Peek();
            if (c != ',' && c != '\n' && c != '\r' && c >= 0) {
                error = "text after the closing quote of field " + std::to_string(count);
                // The rest of the line belongs to this broken record.
                while ((c = Peek()) >= 0 && c != '\n')
                    Get();
            }
        } else {
            // Unquoted: up to the next comma or line end. A quote inside is
            // kept as written, as spreadsheets do.
            while ((c = Peek()) >= 0 && c != ',' && c != '\n') {
                if (c == '\r') {
                    Get();
                    if (Peek() == '\n')
                        break;
                    field.push_back('\r');
                    continue;
                }
                // Copy the run of plain bytes in one piece.
                const char* begin = m_buffer.data() + m_pos;
                const char* stop = m_buffer.data() + m_end;
                const char* p = begin;
                while (p != stop && *p != ',' && *p != '\n' && *p != '\r')
                    ++p;
                field.append(begin, p);
                m_consumed += static_cast<std::uint64_t>(p - begin);
                m_pos += static_cast<std::size_t>(p - begin);
            }
        }
        c = Peek();
        if (c == ',') {
            Get();
            continue;
        }
        if (c == '\r')
            Get();
        if (Peek() == '\n') {
            Get();
            ++m_line;
        }
        break;
    }
    fields.resize(count);
    if (!error.empty())
        return Fail(std::move(error));
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
    if (cells.size() < columns.size())
        return Fail("the row has " + std::to_string(cells.size()) + " of the " +
                    std::to_string(columns.size()) + " columns");
    if (cells.size() > columns.size())
        return Fail("the row has " + std::to_string(cells.size()) + " fields, the header " +
                    std::to_string(columns.size()));
    Invocation inv;
    BirthRow row;
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
        if (const auto applied = OptionOf(column).apply(value, inv); !applied) {
            // The option's messages start with its name; a column has no dashes.
            std::string_view message = applied.error().message;
            if (message.substr(0, 2) == "--")
                message.remove_prefix(2);
            return Fail(std::string(message));
        }
    }
    row.form = std::move(inv.form);
    return row;
}

}  // namespace vellamor
