// SPDX-License-Identifier: GPL-3.0-or-later
// The Sudarshan Chakra as a model: three rings of twelve houses counted from
// the signs of the Ascendant (birth ring), the Moon and the Sun, plus the
// legend's labels and the birth details shown beside the chart (the position
// texts are the planets' own).
#pragma once

#include <array>
#include <string>

#include "core/astro/birth_data.h"
#include "core/astro/bodies.h"
#include "core/astro/inline_text.h"
#include "core/astro/position_text.h"
#include "core/retro/retrogrades.h"

namespace vellamor {

enum class Ring { Birth, Moon, Sun };
inline constexpr int kRingCount = 3;
template <>
inline constexpr int kEnumCount<Ring> = kRingCount;
inline constexpr auto kRingKeys = std::to_array<std::string_view>({"birth", "moon", "sun"});
static_assert(kRingKeys.size() == kRingCount);

// All thirteen labels with marks in one sign, blanks between, take 70 bytes.
using HouseOccupants = InlineText<70>;

struct House {
    int sign = 0;  // 1..12
    bool operator==(const House&) const = default;
};

// Caption/value pairs of the birth-details panel, in panel order.
inline constexpr int kDetailCount = 9;
inline constexpr auto kDetailCaptions =
    std::to_array<std::string_view>({"Name", "Date of Birth", "Time of Birth", "Time Zone",
                                     "Latitude", "Longitude", "City", "State", "Country"});
static_assert(kDetailCaptions.size() == kDetailCount);

// A detail's value: the generated ones are short, the typed ones nearly always.
using DetailText = InlineText<47>;

struct ChakraModel {
    std::array<std::array<House, 12>, kRingCount> rings;  // [ring][house index 0..11]
    // [sign 1..12 less one]: the chart labels in the sign, in body order with
    // single blanks between. A sign's house shows the same in every ring.
    std::array<HouseOccupants, 12> signOccupants;
    std::array<ChartLabel, kBodyCount> legendLabels;  // chart labels with marks
    std::array<DetailText, kDetailCount> details;     // values under kDetailCaptions
    std::array<int, kRingCount> referenceSigns{};     // Lagna, Moon, Sun sign numbers

    const House& house(Ring r, int index) const {
        return rings[static_cast<std::size_t>(r)][static_cast<std::size_t>(index)];
    }
    // The occupants of a sign, 1..12; none for a sign outside it (a model
    // not yet built has sign 0 in every house).
    const HouseOccupants& occupants(int sign) const {
        static const HouseOccupants kNone = HouseOccupants();
        return sign >= 1 && sign <= 12 ? signOccupants[static_cast<std::size_t>(sign - 1)] : kNone;
    }
    const HouseOccupants& occupants(Ring r, int index) const {
        return occupants(house(r, index).sign);
    }
};

// signs: the sign each body stands in, 0 = Aries .. 11 = Pisces
// (PlanetPositions::signs); labels: chart labels.
ChakraModel BuildSudarshanChakra(const BirthData& birth, const std::array<int, kBodyCount>& signs,
                                 const std::array<ChartLabel, kBodyCount>& labels);

// Birth-detail value texts, e.g. "March 5, 1980" and "7 HH 5 MM".
std::array<DetailText, kDetailCount> BirthDetailTexts(const BirthData& birth);

}  // namespace vellamor
