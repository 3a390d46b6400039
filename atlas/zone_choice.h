// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the time-zone row and the daylight-saving box that make the
// program's own time rules land on the true instant of a birth.
//
// The program does not read a zone the way a clock does. The Ascendant and the
// Moon take the row's magnitude, add one hour for the box, and take the
// direction from the birth longitude's hemisphere; the planets take the row's
// signed offset and never look at the box. So the row a clock would name is
// not always the right one, and sometimes no row is right at all.
//
// Offsets in this header are seconds AHEAD of universal time (east positive,
// as a clock reads them), unlike the table's hours, which are west positive.
// Plain C++: the zone database is consulted elsewhere.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vellamor::atlas {

// The abbreviation in a row's text ("IST" from "Indian Time, IST, +5.3");
// empty for a row outside the table.
std::string_view ZoneRowAbbreviation(int row);

// Offset ahead of universal time that the Ascendant and the Moon use for a
// row and box: magnitude with the hemisphere's direction, then the box moves
// universal time one hour earlier in either hemisphere. A longitude of
// exactly 0 counts as West.
int AscendantOffsetSeconds(int row, bool daylightSaving, bool eastOfGreenwich);

// Offset ahead of universal time that the planets use: the row's signed
// hours and minutes; the box is ignored.
int PlanetOffsetSeconds(int row);

// Which rule the chart will read the row and box by. Classic: the
// Ascendant and the Moon by the hemisphere rule, the planets by the row's own
// sign. Signed (a precise chart): every body by the row's own signed offset,
// plus an hour for the box.
enum class ZoneRule { Classic, Signed };

// Offset ahead of universal time that a precise chart uses: the row's
// signed offset, plus an hour with the box.
int SignedOffsetSeconds(int row, bool daylightSaving);

// A choice made by the user that the atlas must keep.
struct ZoneConstraint {
    std::optional<int> row;
    std::optional<bool> daylightSaving;
};

struct ZoneChoice {
    int row = 0;
    bool daylightSaving = false;
    int ascendantErrorSeconds = 0;  // |Ascendant offset - true offset|
    int planetErrorSeconds = 0;     // |planets' offset - true offset|

    bool operator==(const ZoneChoice&) const = default;
};

// The pair (row, box) whose Ascendant instant is closest to the true one;
// among equals the one whose planets' instant is closest too; then the row
// that comes first in `preferredRows` (rows whose names describe the place's
// zone); then the lowest row. Rows or box states fixed by `fixed` are kept.
// A fixed row outside 0..70 is ignored.
// Under the signed rule both errors are that of the one offset the whole
// chart takes.
ZoneChoice ChooseZoneRow(int trueOffsetSeconds, bool eastOfGreenwich,
                         const std::vector<int>& preferredRows, ZoneConstraint fixed = {},
                         ZoneRule rule = ZoneRule::Classic);

// Rows whose names describe a zone, best first: rows whose abbreviation is
// the zone database's abbreviation at that moment, rows named for it by a
// short list of common aliases ("CEST" is the table's "CED"), rows named
// for the zone's region or country (Shanghai keeps "China Coast Time"), and
// last every row of the right kind: daylight, summer and war rows while
// daylight saving is in force, the others when it is not.
// `ianaZone` is e.g. "Europe/Paris", `countryCode` the two-letter ISO code.
// The first of those groups: rows named for the zone by abbreviation, alias
// or region. A row outside it was borrowed for its offset alone.
std::vector<int> RowsNamedForZone(std::string_view ianaZone, std::string_view countryCode,
                                  std::string_view abbreviation);

std::vector<int> PreferredZoneRows(std::string_view ianaZone, std::string_view countryCode,
                                   std::string_view abbreviation, bool daylightInForce);

}  // namespace vellamor::atlas
