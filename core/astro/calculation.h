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

struct CalculationChoice {
    CalculationMethod method = CalculationMethod::Classic;
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;  // precise only
    LunarNode node = LunarNode::Mean;      // precise only

    bool precise() const { return method == CalculationMethod::Precise; }
    bool operator==(const CalculationChoice&) const = default;
};

constexpr std::string_view AyanamsaKey(Ayanamsa a) {
    return kAyanamsaKeys[static_cast<std::size_t>(a)];
}
constexpr std::string_view LunarNodeKey(LunarNode n) {
    return kLunarNodeKeys[static_cast<std::size_t>(n)];
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
