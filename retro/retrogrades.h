// Which planets are retrograde on the birth day, decided from the built-in
// station tables, and the chart labels that carry the marks.
#pragma once

#include <array>
#include <string>

#include "app/birth_data.h"
#include "planets/bodies.h"

namespace vellamor {

// The eight planets that can be marked, in flag order.
inline constexpr int kStationPlanets = 8;

struct RetrogradeMarks {
    // Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
    std::array<bool, kStationPlanets> flags{};
    // Chart label per body, " (R) " appended to a retrograde planet's label.
    std::array<std::string, kBodyCount> labels;
};

// Only the calendar date of the birth (local, as entered) decides.
RetrogradeMarks ComputeRetrogrades(const BirthData& birth);

}  // namespace vellamor
