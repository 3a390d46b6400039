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

inline constexpr int kBodyCount = 13;

inline constexpr std::array<std::string_view, kBodyCount> kPlanetNames{
    "Sun",    "Moon",    "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
    "Uranus", "Neptune", "Pluto",   "Rahu",  "Ketu", "Asc"};

// Short chart labels, before any retrograde mark.
inline constexpr std::array<std::string_view, kBodyCount> kBaseLabels{
    "S", "M", "Me", "V", "Ma", "J", "Sa", "U", "N", "P", "R", "K", "Asc"};

// "Ari" .. "Pis"; sign number n (1..12) is element n - 1.
inline constexpr std::array<std::string_view, 12> kSignAbbreviations{
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

inline constexpr std::string_view kSignAbbreviationString = "AriTauGemCanLeoVirLibScoSagCapAquPis";

inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr int BodyIndex(Body b) {
    return static_cast<int>(b);
}

}  // namespace vellamor
