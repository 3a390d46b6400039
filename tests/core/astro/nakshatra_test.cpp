// SPDX-License-Identifier: GPL-3.0-or-later
// Nakshatra and pada at the circle's start, across the first nakshatra's
// end, inside a pada and just short of 360°, with the lords' nine-fold
// round.
#include "core/astro/nakshatra.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

TEST(NakshatraOf, NumbersPadasAndLordsAtTheEdges) {
    struct Case {
        double degrees;
        int number, pada;
        std::string_view name;
        Body lord;
    };
    const Case cases[] = {
        {0.0, 1, 1, "Ashwini", Body::Ketu},
        {13 + 19.0 / 60, 1, 4, "Ashwini", Body::Ketu},      // 13°19′
        {13 + 20.0 / 60, 2, 1, "Bharani", Body::Venus},     // 13°20′
        {3 * 40.0 / 3 + 7, 4, 3, "Rohini", Body::Moon},     // 47°: 7° into Rohini
        {120 + 1.0 / 60, 10, 1, "Magha", Body::Ketu},       // the second round
        {359 + 59.0 / 60, 27, 4, "Revati", Body::Mercury},  // 359°59′
        {360.0, 1, 1, "Ashwini", Body::Ketu},
        {-1.0 / 60, 27, 4, "Revati", Body::Mercury},
    };
    for (const Case& c : cases) {
        const Nakshatra n = NakshatraOf(c.degrees);
        EXPECT_EQ(n.number, c.number) << c.degrees;
        EXPECT_EQ(n.pada, c.pada) << c.degrees;
        EXPECT_EQ(n.name(), c.name) << c.degrees;
        EXPECT_EQ(n.lord(), c.lord) << c.degrees;
    }
}

}  // namespace
}  // namespace vellamor
