// SPDX-License-Identifier: GPL-3.0-or-later
// The Sudarshan Chakra as a model: three rings of twelve houses counted from
// the signs of the Ascendant (birth ring), the Moon and the Sun, and the
// bodies standing in each sign with their marks. The model holds values
// only: each front end words the occupants and the birth details itself.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <string_view>

#include "core/astro/bodies.h"
#include "core/astro/enum_array.h"
#include "core/retro/retrogrades.h"

namespace vellamor {

enum class Ring { Birth, Moon, Sun };
inline constexpr int kRingCount = 3;
template <>
inline constexpr int kEnumCount<Ring> = kRingCount;
inline constexpr auto kRingKeys = std::to_array<std::string_view>({"birth", "moon", "sun"});
static_assert(kRingKeys.size() == kRingCount);

// The birth details beside the chart, in panel order. The front ends word
// them from the birth data; the chart file and the JSON keep this order.
enum class Detail { Name, Date, Time, TimeZone, Latitude, Longitude, City, State, Country };
inline constexpr int kDetailCount = 9;
template <>
inline constexpr int kEnumCount<Detail> = kDetailCount;

// One body standing in a sign, with its marks.
struct Occupant {
    Body body = Body::Sun;
    bool retrograde = false;
    bool transit = false;  // a body at a reading, not at the birth
    bool operator==(const Occupant&) const = default;
};

// The bodies of one sign in body order, the birth's first and then any
// transiting ones: at most every birth body and every transiting one (all
// but the Ascendant).
class Occupants {
  public:
    static constexpr int kCapacity = 2 * kBodyCount - 1;

    void push_back(const Occupant& o) {
        assert(m_count < kCapacity);
        if (m_count < kCapacity)
            m_items[static_cast<std::size_t>(m_count++)] = o;
    }
    int size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const Occupant* begin() const { return m_items.data(); }
    const Occupant* end() const { return m_items.data() + m_count; }
    const Occupant& operator[](int i) const { return m_items[static_cast<std::size_t>(i)]; }
    bool operator==(const Occupants& o) const {
        return std::equal(begin(), end(), o.begin(), o.end());
    }

  private:
    std::array<Occupant, kCapacity> m_items{};
    int m_count = 0;
};

// The birth occupants followed by the transiting ones.
Occupants WithTransits(const Occupants& birth, const Occupants& transiting);

struct House {
    Sign sign = Sign::Aries;
    bool operator==(const House&) const = default;
};

struct ChakraModel {
    EnumArray<Ring, std::array<House, 12>> rings;  // [ring][house index 0..11]
    // The bodies in each sign. A sign's house shows the same in every ring.
    EnumArray<Sign, Occupants> signOccupants;
    std::array<ChartLabel, kBodyCount> legendLabels;  // chart labels with marks
    EnumArray<Ring, Sign> referenceSigns;             // the Lagna's, Moon's, Sun's

    const House& house(Ring r, int index) const {
        return rings[r][static_cast<std::size_t>(index)];
    }
    const Occupants& occupants(Sign sign) const { return signOccupants[sign]; }
    const Occupants& occupants(Ring r, int index) const { return occupants(house(r, index).sign); }
};

// signs: the sign each body stands in, 0 = Aries .. 11 = Pisces
// (PlanetPositions::signs); marks: the birth's retrograde marks.
ChakraModel BuildSudarshanChakra(const std::array<int, kBodyCount>& signs,
                                 const RetrogradeMarks& marks);

}  // namespace vellamor
