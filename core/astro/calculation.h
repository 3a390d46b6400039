// SPDX-License-Identifier: GPL-3.0-or-later
// How a chart is calculated: the classic formulas (the default, unchanged
// to the last byte), or precise positions from Swiss Ephemeris with a chosen
// ayanamsa and lunar node. The keys are the names the command line and the
// settings file use; the front ends word them for people.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vellamor {

enum class CalculationMethod { Classic, Precise };

enum class Ayanamsa { Lahiri, Raman, Krishnamurti, Yukteshwar, FaganBradley, TrueChitra };
inline constexpr int kAyanamsaCount = static_cast<int>(Ayanamsa::TrueChitra) + 1;
inline constexpr auto kAyanamsaKeys = std::to_array<std::string_view>(
    {"lahiri", "raman", "krishnamurti", "yukteshwar", "fagan-bradley", "true-chitra"});
static_assert(kAyanamsaKeys.size() == kAyanamsaCount);

// Rahu is the mean or the true (osculating) ascending node of the Moon.
enum class LunarNode { Mean, True };
inline constexpr auto kLunarNodeKeys = std::to_array<std::string_view>({"mean", "true"});

// The schools' conventions, chosen by the user so that a chart can match
// the program their school trusts:
// - apparent positions (as seen: light-time and aberration applied, Swiss
//   Ephemeris's standard) or geometric ones (where the body truly is at the
//   instant, which several Vedic programs show); precise charts only;
enum class Positions { Apparent, Geometric };
inline constexpr auto kPositionsKeys = std::to_array<std::string_view>({"apparent", "geometric"});

// - the length in days of a Vimshottari year: the Julian year, the sidereal
//   year, the tropical year or the savana year of 360 days;
enum class DashaYear { Julian, Sidereal, Tropical, Savana };
inline constexpr auto kDashaYearKeys =
    std::to_array<std::string_view>({"julian", "sidereal", "tropical", "savana"});
inline constexpr auto kDashaYearDays = std::to_array({365.25, 365.256363, 365.242190, 360.0});
static_assert(kDashaYearKeys.size() == kDashaYearDays.size());

// - where each year of the Sudarshan dasha begins: at the birthday on the
//   birth's clock, or at the solar return (the Sun back at its sidereal
//   longitude at the birth).
enum class SudarshanYear { Birthday, SolarReturn };
inline constexpr auto kSudarshanYearKeys =
    std::to_array<std::string_view>({"birthday", "solar-return"});

struct CalculationChoice {
    CalculationMethod method = CalculationMethod::Classic;
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;                   // precise only
    LunarNode node = LunarNode::Mean;                       // precise only
    Positions positions = Positions::Apparent;              // precise only
    DashaYear dashaYear = DashaYear::Julian;                // either method
    SudarshanYear sudarshanYear = SudarshanYear::Birthday;  // either method

    bool precise() const { return method == CalculationMethod::Precise; }
    bool operator==(const CalculationChoice&) const = default;
};

constexpr std::string_view AyanamsaKey(Ayanamsa a) {
    return kAyanamsaKeys[static_cast<std::size_t>(a)];
}
constexpr std::string_view LunarNodeKey(LunarNode n) {
    return kLunarNodeKeys[static_cast<std::size_t>(n)];
}

constexpr std::string_view PositionsKey(Positions p) {
    return kPositionsKeys[static_cast<std::size_t>(p)];
}
constexpr std::string_view DashaYearKey(DashaYear y) {
    return kDashaYearKeys[static_cast<std::size_t>(y)];
}
constexpr double DashaYearDays(DashaYear y) {
    return kDashaYearDays[static_cast<std::size_t>(y)];
}
constexpr std::string_view SudarshanYearKey(SudarshanYear y) {
    return kSudarshanYearKeys[static_cast<std::size_t>(y)];
}

// The enum whose key table holds `key`, exactly; anything else is empty.
template <typename E, std::size_t N>
constexpr std::optional<E> FromKey(const std::array<std::string_view, N>& keys,
                                   std::string_view key) {
    for (std::size_t i = 0; i < N; ++i)
        if (keys[i] == key)
            return static_cast<E>(i);
    return std::nullopt;
}

// Exact, lower-case keys; anything else is empty.
constexpr std::optional<Ayanamsa> AyanamsaFromKey(std::string_view key) {
    for (std::size_t i = 0; i < kAyanamsaKeys.size(); ++i)
        if (kAyanamsaKeys[i] == key)
            return static_cast<Ayanamsa>(i);
    return std::nullopt;
}
constexpr std::optional<LunarNode> LunarNodeFromKey(std::string_view key) {
    for (std::size_t i = 0; i < kLunarNodeKeys.size(); ++i)
        if (kLunarNodeKeys[i] == key)
            return static_cast<LunarNode>(i);
    return std::nullopt;
}

}  // namespace vellamor
