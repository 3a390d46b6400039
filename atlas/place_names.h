// SPDX-License-Identifier: GPL-3.0-or-later
// Place names and coordinates as the entry window's fields accept them.
//
// The letter fields take only A to Z, a to z and blanks, and the coordinate
// boxes whole degrees and whole minutes with a hemisphere option, so what the
// atlas writes has to be folded to that first.
#pragma once

#include <string>
#include <string_view>

namespace vellamor::atlas {

// Folds a UTF-8 name to letters and blanks: accents are dropped after
// canonical decomposition, a few letters that do not decompose are spelled
// out (ß to ss, æ to ae, ø to o, ł to l, ı to i, ...), every other character
// becomes a blank, and blanks are collapsed and trimmed. "São Paulo" gives
// "Sao Paulo", "Saint-Denis" gives "Saint Denis".
std::string FoldPlaceName(std::string_view utf8);

// True when `needle`, folded, occurs in `haystack`, folded, ignoring case.
// An empty needle occurs everywhere.
bool FoldedContains(std::string_view haystack, std::string_view needle);

// True when the two names fold to the same text, ignoring case.
bool FoldedEquals(std::string_view a, std::string_view b);

// One coordinate as the entry window holds it: whole degrees and whole
// minutes, truncated (never rounded), and the hemisphere.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // South for a latitude, West for a longitude

    bool operator==(const DegreesMinutes&) const = default;
};

// `decimalDegrees` in the geographic convention (north and east positive).
DegreesMinutes ToDegreesMinutes(double decimalDegrees);

}  // namespace vellamor::atlas
