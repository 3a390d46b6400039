// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_names.h"

#include <gtest/gtest.h>

#include "core/chart/entry_form.h"

namespace vellamor::atlas {
namespace {

TEST(FoldPlaceName, GivesTextTheLetterFieldsAccept) {
    const struct {
        const char* name;
        const char* folded;
    } cases[] = {
        {"São Paulo", "Sao Paulo"},
        {"Saint-Denis", "Saint Denis"},
        {"Île-de-France Region", "Ile de France Region"},
        {"Hyderābād", "Hyderabad"},
        {"Straße", "Strasse"},
        {"ÆRØ", "AERO"},
        {"Þingvellir", "Thingvellir"},
        {"Ærøskøbing", "Aeroskobing"},
        {"Łódź", "Lodz"},
        {"Kırıkkale", "Kirikkale"},  // dotless i does not decompose
        {"Lənkəran", "Lenkeran"},
        {"Đà Nẵng", "Da Nang"},  // two accents on one letter
        {"  Val-d'Or  ", "Val d Or"},
        {"Frankfurt (Oder)", "Frankfurt Oder"},
        {"Hawaiʻi", "Hawai i"},
        {"Зуунмод", ""},  // nothing Latin is left
        {"", ""},
    };
    for (const auto& c : cases) {
        const std::string folded = FoldPlaceName(c.name);
        EXPECT_EQ(folded, c.folded) << "name: " << c.name;
        EXPECT_TRUE(IsLetterText(folded)) << "name: " << c.name;
    }
}

TEST(FoldPlaceName, ComparisonsIgnoreCaseAndAccents) {
    EXPECT_TRUE(FoldedEquals("SAO PAULO", "São Paulo"));
    EXPECT_TRUE(FoldedContains("Île-de-France Region", "ile de"));
    EXPECT_TRUE(FoldedContains("United States of America", "states"));
    EXPECT_TRUE(FoldedContains("anything", ""));
    EXPECT_FALSE(FoldedContains("France", "Germany"));
    EXPECT_FALSE(FoldedEquals("York", "New York"));
}

TEST(ToDegreesMinutes, TruncatesToWholeMinutes) {
    const struct {
        double value;
        DegreesMinutes expected;
    } cases[] = {
        {48.8534, {48, 51, false}},  // Paris latitude: 51.2 minutes
        {2.3488, {2, 20, false}},    // 20.9 minutes: truncated, not rounded
        {-23.5475, {23, 32, true}},  // Sao Paulo: South
        {-0.1257, {0, 7, true}},     // London: just West
        {-74.006, {74, 0, true}},    // New York: 0.36 minutes
        {12.35, {12, 21, false}},    // 12.35 * 60 is 740.99999... in binary
        {0.5, {0, 30, false}},      {179.99999, {179, 59, false}}, {0.0, {0, 0, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToDegreesMinutes(c.value), c.expected) << "value: " << c.value;
    }
}

}  // namespace
}  // namespace vellamor::atlas
