// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the drawn chakra, in twips.
#include "core/chart/chakra_layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellamor {
namespace {

constexpr double kTolerance = 1e-9;

TEST(ChakraLayout, HousesRunCounterClockwiseFromTheTop) {
    struct Case {
        int house;  // 1..12
        double angle;
        double dx, dy;  // unit direction on screen, y down
    };
    for (const Case& c :
         {Case{1, 90, 0, -1}, Case{4, 180, -1, 0}, Case{7, 270, 0, 1}, Case{10, 360, 1, 0}}) {
        SCOPED_TRACE(c.house);
        EXPECT_DOUBLE_EQ(HouseCentreAngle(c.house - 1), c.angle);
        const Point p = OccupantAnchor(Ring::Sun, c.house - 1);
        EXPECT_NEAR(p.x, kChakraCentre.x + 3000 * c.dx, kTolerance);
        EXPECT_NEAR(p.y, kChakraCentre.y + 3000 * c.dy, kTolerance);
    }
    // House 2 stands up and to the left of house 1.
    const Point h2 = SignNumberAnchor(Ring::Birth, 1);
    EXPECT_LT(h2.x, kChakraCentre.x);
    EXPECT_LT(h2.y, kChakraCentre.y);
}

TEST(ChakraLayout, HouseUnderAPoint) {
    struct Case {
        double distance, angle;
        std::optional<HouseAtPoint> expected;
    };
    const Case cases[] = {
        {1000, 90, HouseAtPoint{Ring::Birth, 0}},   // top: house 1
        {2000, 180, HouseAtPoint{Ring::Moon, 3}},   // left: house 4
        {3000, 0, HouseAtPoint{Ring::Sun, 9}},      // right: house 10
        {1500, 104, HouseAtPoint{Ring::Moon, 0}},   // on the circle: the ring outside
        {1200, 106, HouseAtPoint{Ring::Birth, 1}},  // past the spoke at 105 degrees
        {3000, 74, HouseAtPoint{Ring::Sun, 11}},    // just before house 1's spoke
        {500, 90, std::nullopt},                    // the hub
        {3600, 90, std::nullopt},                   // outside the chart
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HouseAt(PolarPoint(c.distance, c.angle)), c.expected)
            << c.distance << " at " << c.angle;
    }
}

TEST(ChakraLayout, LabelDistancesPerRing) {
    struct Case {
        Ring ring;
        double number, occupants;
    };
    for (const Case& c : {Case{Ring::Birth, 850, 1200}, Case{Ring::Moon, 1650, 2200},
                          Case{Ring::Sun, 2650, 3000}}) {
        for (int h = 0; h < 12; ++h) {
            const Point n = SignNumberAnchor(c.ring, h);
            const Point o = OccupantAnchor(c.ring, h);
            EXPECT_NEAR(std::hypot(n.x - kChakraCentre.x, n.y - kChakraCentre.y), c.number,
                        kTolerance);
            EXPECT_NEAR(std::hypot(o.x - kChakraCentre.x, o.y - kChakraCentre.y), c.occupants,
                        kTolerance);
            const Rect box = SignNumberBox(c.ring, h);
            EXPECT_DOUBLE_EQ(box.width, 210);
            EXPECT_DOUBLE_EQ(box.height, 195);
        }
    }
}

TEST(ChakraLayout, SpokesSitBetweenHousesFromHubToRim) {
    for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(SpokeAngle(k), 105 + 30 * k);
        const Segment s = Spoke(k);
        EXPECT_NEAR(std::hypot(s.from.x - kChakraCentre.x, s.from.y - kChakraCentre.y), 750,
                    kTolerance);
        EXPECT_NEAR(std::hypot(s.to.x - kChakraCentre.x, s.to.y - kChakraCentre.y), 3500,
                    kTolerance);
    }
    // The circles nest, and the drawing area holds the outer one.
    EXPECT_LT(kHubRadius, kBirthOuterRadius);
    EXPECT_LT(kBirthOuterRadius, kMoonOuterRadius);
    EXPECT_LT(kMoonOuterRadius, kSunOuterRadius);
    const Rect bounds = ChakraBounds();
    EXPECT_LT(bounds.left, kChakraCentre.x - kSunOuterRadius);
    EXPECT_GT(bounds.bottom(), kChakraCentre.y + kSunOuterRadius);
    EXPECT_DOUBLE_EQ(bounds.width, bounds.height);
}

// The occupant label of the original size fits every house of every ring,
// at or just beside its preferred place (the slanting houses of the birth
// ring push it out a little, clear of the spokes).
TEST(ChakraLayout, NominalOccupantLabelFitsEveryHouse) {
    for (int r = 0; r < kRingCount; ++r) {
        for (int h = 0; h < 12; ++h) {
            SCOPED_TRACE(testing::Message() << "ring " << r << " house " << h + 1);
            const Ring ring = static_cast<Ring>(r);
            const auto centre = PlaceOccupantBlock(ring, h, kOccupantWidth, kOccupantHeight);
            ASSERT_TRUE(centre.has_value());
            const Point anchor = OccupantAnchor(ring, h);
            EXPECT_LE(std::hypot(centre->x - anchor.x, centre->y - anchor.y), 50);
        }
    }
}

TEST(ChakraLayout, BlocksStayInsideTheirHouse) {
    // Crossing a spoke, the outer circle, the inner circle or the number.
    const Point top = OccupantAnchor(Ring::Moon, 0);
    EXPECT_TRUE(FitsInHouse(Ring::Moon, 0, Rect::Centred(top, 400, 150)));
    EXPECT_FALSE(FitsInHouse(Ring::Moon, 0, Rect::Centred(top, 1400, 150)));
    EXPECT_FALSE(FitsInHouse(Ring::Moon, 0, Rect::Centred({top.x, top.y - 300}, 400, 150)));
    EXPECT_FALSE(FitsInHouse(Ring::Moon, 0, Rect::Centred({top.x, top.y + 700}, 100, 100)));
    EXPECT_FALSE(FitsInHouse(Ring::Moon, 0, SignNumberBox(Ring::Moon, 0)));
    EXPECT_FALSE(FitsInHouse(Ring::Moon, 0, Rect::Centred(top, 0, 150)));
    // Too big for any place in the house.
    EXPECT_FALSE(PlaceOccupantBlock(Ring::Birth, 2, 1000, 600).has_value());

    // Whatever is placed, in any house, fits where it was placed.
    for (int r = 0; r < kRingCount; ++r) {
        for (int h = 0; h < 12; ++h) {
            for (double w : {100.0, 300.0, 600.0, 900.0}) {
                for (double ht : {100.0, 300.0, 500.0}) {
                    const Ring ring = static_cast<Ring>(r);
                    if (auto c = PlaceOccupantBlock(ring, h, w, ht)) {
                        EXPECT_TRUE(FitsInHouse(ring, h, Rect::Centred(*c, w, ht)));
                    }
                    if (auto lines = PlaceOccupantLines(ring, h, {w, w / 2, w}, ht / 3)) {
                        for (const Rect& line : *lines)
                            EXPECT_TRUE(FitsInHouse(ring, h, line));
                        EXPECT_NEAR((*lines)[1].top, (*lines)[0].bottom(), 1e-9);
                    }
                }
            }
        }
    }
}

// Lines follow a slanting house sideways; in an upright house they stack.
TEST(ChakraLayout, LinesFollowTheHouse) {
    const auto upright = PlaceOccupantLines(Ring::Sun, 0, {300, 300, 300}, 120);
    ASSERT_TRUE(upright.has_value());
    for (const Rect& r : *upright)
        EXPECT_NEAR(r.centre().x, kChakraCentre.x, 1e-9);

    // House 2 leans left going outwards: the upper lines step left with it.
    const auto slanted = PlaceOccupantLines(Ring::Birth, 1, {300, 300, 300, 300}, 80);
    ASSERT_TRUE(slanted.has_value());
    EXPECT_LT((*slanted)[0].centre().x, (*slanted)[3].centre().x);
    EXPECT_NEAR((*slanted)[3].centre().x - (*slanted)[0].centre().x, 3 * 80 / std::sqrt(3.0), 1e-9);
}

}  // namespace
}  // namespace vellamor
