// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vellamor::atlas {
namespace {

constexpr int kH = 3600;

TEST(ZoneOffsets, FollowTheProgramsRules) {
    // Row 27 EST (5 h), row 34 IST (5 h 30 min), row 29 GMT (0), row 46 NZST (13 h).
    const struct {
        int row;
        bool box;
        bool east;
        int ascendant;
        int planets;
    } cases[] = {
        {27, false, false, -5 * kH, -5 * kH},
        {27, true, false, -4 * kH, -5 * kH},  // the box shortens a West magnitude
        {27, false, true, 5 * kH, -5 * kH},   // direction from the hemisphere
        {34, false, true, 5 * kH + 1800, 5 * kH + 1800},
        {34, true, true, 6 * kH + 1800, 5 * kH + 1800},  // planets ignore the box
        {29, true, false, kH, 0},  // GMT with the box: one hour ahead, either side
        {29, true, true, kH, 0},
        {46, false, true, 13 * kH, 13 * kH},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AscendantOffsetSeconds(c.row, c.box, c.east), c.ascendant) << "row " << c.row;
        EXPECT_EQ(PlanetOffsetSeconds(c.row), c.planets) << "row " << c.row;
    }
}

TEST(ChooseZoneRow, ClosestAscendantThenPlanetsThenNameThenLowestRow) {
    const struct {
        const char* what;
        int offset;
        bool east;
        std::vector<int> preferred;
        ZoneChoice expected;
    } cases[] = {
        // -4 west: AST, EDT and EWT are exact for both; the name picks EDT.
        {"EDT", -4 * kH, false, {24}, {24, false, 0, 0}},
        {"-4 without a name", -4 * kH, false, {}, {3, false, 0, 0}},
        // +1 west of Greenwich (London in summer): only GMT with the box.
        {"BST west", kH, false, {16, 29}, {29, true, 0, kH}},
        // +1 east of Greenwich: BST itself, box unticked.
        {"BST east", kH, true, {16, 29}, {16, false, 0, 0}},
        // +2 west (Madrid): nothing reaches it; GMT with the box is 1 h off.
        {"CEST west", 2 * kH, false, {19, 40}, {29, true, kH, 2 * kH}},
        // +5:45: IST and USSR Zone 5 are both 15 min off for everything.
        {"+5:45", 5 * kH + 2700, true, {}, {34, false, 900, 900}},
        // +6:30 (India in the war): North Sumatra is exact for the planets
        // too, which beats the name of IST with the box.
        {"+6:30", 6 * kH + 1800, true, {34}, {52, false, 0, 0}},
        // +5:21:10 (Madras time): IST is 8 min 50 s off.
        {"+5:21:10", 5 * kH + 21 * 60 + 10, true, {}, {34, false, 530, 530}},
        {"+13", 13 * kH, true, {}, {46, false, 0, 0}},
        {"-12 west", -12 * kH, false, {}, {36, false, 0, 0}},
        // A west offset at an east longitude: no magnitude is negative; the
        // least positive is the zero rows.
        {"-5 at an east longitude", -5 * kH, true, {}, {29, false, 5 * kH, 5 * kH}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseZoneRow(c.offset, c.east, c.preferred), c.expected) << c.what;
    }
}

TEST(ChooseZoneRow, KeepsWhatTheUserChoseByHand) {
    // New York in July (-4) with EST picked by hand: the box makes it right.
    EXPECT_EQ(ChooseZoneRow(-4 * kH, false, {}, {27, std::nullopt}), (ZoneChoice{27, true, 0, kH}));
    // The box ticked by hand in January (-5): a 6 h row with the box.
    EXPECT_EQ(ChooseZoneRow(-5 * kH, false, {27}, {std::nullopt, true}),
              (ZoneChoice{21, true, 0, kH}));
    // Both by hand: only the errors are left to report.
    EXPECT_EQ(ChooseZoneRow(-4 * kH, false, {}, {29, false}),
              (ZoneChoice{29, false, 4 * kH, 4 * kH}));
    // A row outside the table is no constraint.
    EXPECT_EQ(ChooseZoneRow(-4 * kH, false, {24}, {71, std::nullopt}),
              (ZoneChoice{24, false, 0, 0}));
}

// The first rows of the preference.
std::vector<int> First(const char* zone, const char* country, const char* abbreviation,
                       bool daylight, std::size_t count) {
    std::vector<int> rows = PreferredZoneRows(zone, country, abbreviation, daylight);
    rows.resize(std::min(rows.size(), count));
    return rows;
}

TEST(PreferredZoneRows, AbbreviationsAliasesRegionsThenKind) {
    EXPECT_EQ(First("America/New_York", "US", "EDT", true, 1), (std::vector<int>{24}));
    EXPECT_EQ(First("Europe/Paris", "FR", "CEST", true, 2), (std::vector<int>{19, 40}));
    EXPECT_EQ(First("Europe/Paris", "FR", "CET", false, 1), (std::vector<int>{20}));
    // NST names two rows of the table; the offset decides between them later.
    EXPECT_EQ(First("America/St_Johns", "CA", "NST", false, 2), (std::vector<int>{50, 52}));
    EXPECT_EQ(First("Asia/Shanghai", "CN", "CST", false, 2), (std::vector<int>{21, 23}));
    EXPECT_EQ(First("Europe/London", "GB", "BST", true, 4), (std::vector<int>{16, 29, 15, 17}));
    // Nothing named: standard rows first without daylight saving; daylight,
    // summer and war rows with it.
    EXPECT_EQ(First("Asia/Kathmandu", "NP", "+0545", false, 3), (std::vector<int>{1, 3, 6}));
    EXPECT_EQ(First("America/Havana", "CU", "-04", true, 3), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(PreferredZoneRows("Asia/Kathmandu", "NP", "+0545", false).size() +
                  PreferredZoneRows("Asia/Kathmandu", "NP", "+0545", true).size(),
              71u);
}

}  // namespace
}  // namespace vellamor::atlas
