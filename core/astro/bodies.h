// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen bodies of a chart, in the order every per-body array uses, and
// the twelve signs.
#pragma once

#include <array>
#include <string_view>

namespace vellamor {

enum class Body {
    Sun,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Rahu,
    Ketu,
    Ascendant
};

// Ascendant is the last body of the enum: every per-body array has this size.
inline constexpr int kBodyCount = static_cast<int>(Body::Ascendant) + 1;
static_assert(kBodyCount == 13);

inline constexpr auto kPlanetNames =
    std::to_array<std::string_view>({"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                                     "Uranus", "Neptune", "Pluto", "Rahu", "Ketu", "Asc"});
static_assert(kPlanetNames.size() == kBodyCount);

// Short chart labels, before any retrograde mark.
inline constexpr auto kBaseLabels = std::to_array<std::string_view>(
    {"S", "M", "Me", "V", "Ma", "J", "Sa", "U", "N", "P", "R", "K", "Asc"});
static_assert(kBaseLabels.size() == kBodyCount);

// "Ari" .. "Pis"; sign number n (1..12) is element n - 1.
inline constexpr auto kSignAbbreviations = std::to_array<std::string_view>(
    {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"});
static_assert(kSignAbbreviations.size() == 12);

inline constexpr std::string_view kSignAbbreviationString = "AriTauGemCanLeoVirLibScoSagCapAquPis";

inline constexpr auto kMonthNames =
    std::to_array<std::string_view>({"January", "February", "March", "April", "May", "June", "July",
                                     "August", "September", "October", "November", "December"});
static_assert(kMonthNames.size() == 12);

inline constexpr int BodyIndex(Body b) {
    return static_cast<int>(b);
}

}  // namespace vellamor
