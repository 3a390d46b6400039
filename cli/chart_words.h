// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's facts in the command line's English: the birth details beside
// the chart, a sign's occupants as the chakra writes them and an instant as
// the reading keys write it. The printout and the JSON both take them from
// here, so the two say the same.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/astro/birth_data.h"
#include "core/astro/civil_date.h"
#include "core/chart/chakra_model.h"

namespace vellamor {

// The details' captions, in Detail order; the JSON names its keys after them.
inline constexpr auto kDetailCaptions =
    std::to_array<std::string_view>({"Name", "Date of Birth", "Time of Birth", "Time Zone",
                                     "Latitude", "Longitude", "City", "State", "Country"});
static_assert(kDetailCaptions.size() == kDetailCount);

// The command line's month names, "January" for 1; empty outside 1 to 12.
// The windows have their own, translated.
inline constexpr auto kMonthNames =
    std::to_array<std::string_view>({"January", "February", "March", "April", "May", "June", "July",
                                     "August", "September", "October", "November", "December"});
constexpr std::string_view MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)]
                                     : std::string_view();
}

// The details' values: "March 5, 1980", "7 HH 5 MM", the zone row's text,
// "18 Degree 31 Minute"; the typed texts as they are.
EnumArray<Detail, std::string> DetailTexts(const BirthData& birth);

// The chart labels in body order with single blanks between, a retrograde
// planet's label with its mark " (R) ", trailing blank included:
// "S Me (R)  V K".
std::string OccupantsText(const Occupants& occupants);

// "YYYY-MM-DDTHH:MM".
std::string ClockText(const CivilDateTime& t);

}  // namespace vellamor
