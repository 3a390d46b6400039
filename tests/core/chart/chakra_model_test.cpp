// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "cli/chart_words.h"

namespace vellamor {
namespace {

// The chakra of bodies in the given signs (abbreviations, in body order),
// Mercury retrograde when asked.
ChakraModel Build(const std::array<std::string_view, kBodyCount>& signs, bool mercuryRetrograde) {
    std::array<int, kBodyCount> indices;
    for (int i = 0; i < kBodyCount; ++i) {
        indices[i] = static_cast<int>(
            std::find(kSignAbbreviations.begin(), kSignAbbreviations.end(), signs[i]) -
            kSignAbbreviations.begin());
    }
    EnumArray<Body, bool> retrograde{};
    retrograde[Body::Mercury] = mercuryRetrograde;
    return BuildSudarshanChakra(indices, RetrogradeMarksOf(retrograde));
}

std::vector<int> Signs(const ChakraModel& m, Ring r) {
    std::vector<int> v;
    for (int h = 0; h < 12; ++h)
        v.push_back(SignNumber(m.house(r, h).sign));
    return v;
}

std::vector<Body> Bodies(const Occupants& o) {
    std::vector<Body> v;
    for (const Occupant& x : o)
        v.push_back(x.body);
    return v;
}

TEST(ChakraModel, RingsAreCountedFromTheirReferenceSigns) {
    // Sun in Leo, Moon in Pisces, Ascendant in Aries.
    const ChakraModel m = Build(
        {"Leo", "Pis", "Tau", "Gem", "Can", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Leo", "Ari"},
        false);
    EXPECT_EQ(Signs(m, Ring::Birth), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Signs(m, Ring::Moon), (std::vector<int>{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Signs(m, Ring::Sun), (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4}));
    // House 1 of each ring holds its own reference body.
    EXPECT_EQ(Bodies(m.occupants(Ring::Birth, 0)), std::vector<Body>{Body::Ascendant});
    EXPECT_EQ(Bodies(m.occupants(Ring::Moon, 0)), std::vector<Body>{Body::Moon});
    EXPECT_EQ(Bodies(m.occupants(Ring::Sun, 0)), (std::vector<Body>{Body::Sun, Body::Ketu}));
}

// The occupants are values in body order with their marks; the command
// line words them as the chakra always wrote them, a retrograde label
// keeping its own trailing blank.
TEST(ChakraModel, OccupantsKeepBodyOrderAndMarks) {
    const ChakraModel m = Build(
        {"Tau", "Gem", "Tau", "Tau", "Can", "Can", "Can", "Can", "Can", "Lib", "Sco", "Tau", "Ari"},
        true);
    const Occupants& taurus = m.occupants(Sign::Taurus);
    EXPECT_EQ(Bodies(taurus),
              (std::vector<Body>{Body::Sun, Body::Mercury, Body::Venus, Body::Ketu}));
    EXPECT_TRUE(taurus[1].retrograde);
    EXPECT_FALSE(taurus[0].retrograde || taurus[2].retrograde || taurus[0].transit);
    EXPECT_TRUE(m.occupants(Sign::Pisces).empty());
    EXPECT_EQ(OccupantsText(taurus), "S Me (R)  V K");
    EXPECT_EQ(OccupantsText(m.occupants(Sign::Cancer)), "Ma J Sa U N");
    EXPECT_EQ(m.legendLabels[BodyIndex(Body::Mercury)], "Me (R) ");
}

}  // namespace
}  // namespace vellamor
