// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/births_table.h"

#include <algorithm>

#include "cli/options.h"
#include "cli/terminal_text.h"

namespace vellamor {
namespace {

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

Expected<std::vector<BirthColumn>, std::string> ReadBirthHeader(
    const std::vector<std::string>& header) {
    std::vector<BirthColumn> columns;
    std::string unknown;
    for (const std::string& cell : header) {
        const std::string name = Lower(TrimAscii(cell));
        const auto it = std::find(kBirthColumnNames.begin(), kBirthColumnNames.end(), name);
        if (it == kBirthColumnNames.end()) {
            if (unknown.empty())
                unknown = "unknown column " + QuotedExcerpt(TrimAscii(cell)) +
                          " (the columns are " + ColumnList() + ")";
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
                    return Fail("dst: expected true or false, got " + QuotedExcerpt(value));
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
