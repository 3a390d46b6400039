// SPDX-License-Identifier: GPL-3.0-or-later
// Which vargas the birth time can carry: for the Ascendant and the Moon in
// every varga, how many minutes earlier or later the birth would have to be
// for the varga sign to change. The Ascendant's Shashtiamsa sign changes
// every two minutes or so, its rasi sign every two hours; the Moon's every
// few hours to days.
#pragma once

#include <array>

#include "core/astro/birth_data.h"
#include "core/astro/calculation.h"
#include "core/astro/enum_array.h"
#include "core/chart/chart_stability.h"
#include "core/chart/vargas.h"

namespace vellamor {

using VargaWindows = std::array<SignChangeWindow, kEnumCount<Varga>>;  // indexed by Varga

struct VargaSensitivity {
    VargaWindows ascendantWindows;
    VargaWindows moonWindows;

    const SignChangeWindow& ascendant(Varga v) const {
        return ascendantWindows[static_cast<std::size_t>(v)];
    }
    const SignChangeWindow& moon(Varga v) const { return moonWindows[static_cast<std::size_t>(v)]; }
};

// The positions are those a chart of that calculation takes, moved with the
// birth time; the spans searched are the rasi's (kAscendantSearchHours,
// kMoonSearchHours), found to the second.
VargaSensitivity AnalyzeVargaSensitivity(const BirthData& birth, const CalculationChoice& choice);

}  // namespace vellamor
