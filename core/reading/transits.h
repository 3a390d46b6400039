// SPDX-License-Identifier: GPL-3.0-or-later
// The planets' current positions against a birth chart: the Sun, Moon,
// Mercury to Pluto, Rahu and Ketu at a reading on the birth's clock, computed
// exactly as for a chart born then with the birth's zone row, daylight-saving
// box and place, with the retrograde marks of the reading's day and the house
// each body falls in within each of the three rings, and the minutes it
// entered its sign and leaves it.
#pragma once

#include <array>
#include <string>

#include "core/astro/expected.h"
#include "core/astro/planet_positions.h"
#include "core/chart/chakra_model.h"
#include "core/chart/pipeline.h"
#include "core/reading/dasha.h"
#include "core/reading/sign_changes.h"
#include "core/reading/vimshottari.h"

namespace vellamor {

struct Transits {
    CivilDateTime reading;
    std::array<double, kTransitBodyCount> longitudes{};  // sidereal, degrees
    std::array<std::string, kTransitBodyCount> longTexts;
    std::array<std::string, kTransitBodyCount> positionTexts;  // short forms
    std::array<std::string, kTransitBodyCount> labels;         // chart labels with " (R) " marks
    std::array<bool, kTransitBodyCount> retrograde{};
    std::array<int, kTransitBodyCount> signs{};                           // 1..12
    std::array<std::array<int, kTransitBodyCount>, kRingCount> houses{};  // [ring][body], 1..12
    // When each body entered its sign and when it leaves it.
    SignStays stays;
};

// The sign changes are searched for, or taken from `memo` when it holds
// them (and then kept there).
Expected<Transits, ReadingError> ComputeTransits(const Chart& chart, const CivilDateTime& reading,
                                                 SignStayMemo* memo = nullptr);

// The transiting bodies standing in each sign, in body order, marked as
// transits. A sign's house shows them in every ring.
EnumArray<Sign, Occupants> TransitOccupants(const Transits& transits);

// A chart read at one instant: the running dasha and the transits.
struct ChartReading {
    DashaProgression progression;
    Transits transits;
    VimshottariReading vimshottari;
    // The transits' houses counted from the running year's house, taken as
    // the first for that year, as the dasha is read: [ring][body], 1..12.
    std::array<std::array<int, kTransitBodyCount>, kRingCount> housesFromYear{};
};

Expected<ChartReading, ReadingError> ComputeReading(const Chart& chart,
                                                    const CivilDateTime& reading,
                                                    SignStayMemo* memo = nullptr);

}  // namespace vellamor
