// SPDX-License-Identifier: GPL-3.0-or-later
// A table of births in CSV, one chart per row: the mapping of its columns
// onto the chart options (the records come from cli/csv_reader.h).
//
// The header row names the columns after the chart options without their
// dashes (name, date, time, zone, dst, lat, lon, city, state, country) or
// `place` for the atlas; each value is written as its option takes it. The
// `offset` column takes an exact offset as --offset does, or LMT for --lmt.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/astro/expected.h"
#include "core/chart/entry_form.h"
#include "core/chart/place_option.h"

namespace vellamor {

// The columns a table may have, in the order of the option table.
enum class BirthColumn {
    Name,
    Date,
    Time,
    Zone,
    Dst,
    Lat,
    Lon,
    City,
    State,
    Country,
    Place,
    Offset
};
inline constexpr int kBirthColumnCount = 12;
inline constexpr std::array<std::string_view, kBirthColumnCount> kBirthColumnNames{
    "name", "date", "time",  "zone",    "dst",   "lat",
    "lon",  "city", "state", "country", "place", "offset"};

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
