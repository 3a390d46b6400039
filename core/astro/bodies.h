// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen bodies of a chart, in the order every per-body array uses, and
// the twelve signs.
#pragma once

#include <array>
#include <string_view>

#include "core/astro/enum_array.h"

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
template <>
inline constexpr int kEnumCount<Body> = kBodyCount;

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

// The twelve signs from Aries. Sign numbers as people and the chart file
// count them are 1 to 12 (SignNumber); an index from 0 is the enum's value.
enum class Sign {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};
template <>
inline constexpr int kEnumCount<Sign> = 12;

// 1 = Aries .. 12 = Pisces.
inline constexpr int SignNumber(Sign s) {
    return static_cast<int>(s) + 1;
}
// The sign of a number 1..12, counted round for any other integer (13 is
// Aries, 0 is Pisces), as houses counted on from a sign are.
inline constexpr Sign SignOfNumber(int number) {
    return static_cast<Sign>(((number - 1) % 12 + 12) % 12);
}
// The sign `count` signs on from `s` (count 0 is s itself; negative goes back).
inline constexpr Sign SignAfter(Sign s, int count) {
    return SignOfNumber(SignNumber(s) + count);
}
inline constexpr std::string_view SignAbbreviation(Sign s) {
    return kSignAbbreviations[static_cast<std::size_t>(s)];
}

inline constexpr std::string_view kSignAbbreviationString = "AriTauGemCanLeoVirLibScoSagCapAquPis";

inline constexpr int BodyIndex(Body b) {
    return static_cast<int>(b);
}

}  // namespace vellamor
