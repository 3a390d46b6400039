// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/indian_chart_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace vellamor {
namespace {

bool BoxInside(const IndianCell& c) {
    const Rect& r = c.occupantBox;
    return r.width > 0 && r.height > 0 && InsideOutline(c.outline, {r.left, r.top}) &&
           InsideOutline(c.outline, {r.right(), r.top}) &&
           InsideOutline(c.outline, {r.left, r.bottom()}) &&
           InsideOutline(c.outline, {r.right(), r.bottom()});
}

// Every cell's label box lies in the cell and in no other; the north's
// numbers stand in their house beside the labels; the houses and signs are
// where astrologers put them.
TEST(IndianChartLayout, EveryCellHoldsItsOwnLabels) {
    const auto north = NorthIndianCells();
    for (int h = 0; h < 12; ++h) {
        SCOPED_TRACE("house " + std::to_string(h + 1));
        const IndianCell& c = north[static_cast<std::size_t>(h)];
        EXPECT_TRUE(BoxInside(c));
        EXPECT_TRUE(InsideOutline(c.outline, c.numberAnchor));
        const Rect& r = c.occupantBox;
        EXPECT_FALSE(r.intersects(Rect::Centred(c.numberAnchor, 40, 36)));
        for (int other = 0; other < 12; ++other) {
            if (other != h) {
                EXPECT_FALSE(
                    InsideOutline(north[static_cast<std::size_t>(other)].outline, r.centre()));
            }
        }
    }
    const double s = kIndianChartSide;
    // House 1 at the top, 4 at the left, 7 at the bottom, 10 at the right;
    // 2 in the top-left corner beside the first.
    const auto centreOf = [&](int house) { return north[house - 1].occupantBox.centre(); };
    EXPECT_NEAR(centreOf(1).x, s / 2, 1e-9);
    EXPECT_LT(centreOf(1).y, s / 2);
    EXPECT_LT(centreOf(4).x, s / 2);
    EXPECT_GT(centreOf(7).y, s / 2);
    EXPECT_GT(centreOf(10).x, s / 2);
    EXPECT_LT(centreOf(2).x, centreOf(1).x);
    EXPECT_LT(centreOf(2).y, centreOf(3).y);

    for (const Sign sign : AllOf<Sign>()) {
        const IndianCell c = SouthIndianCell(sign);
        EXPECT_TRUE(BoxInside(c)) << SignAbbreviation(sign);
        const Segment mark = SouthIndianLagnaMark(sign);
        EXPECT_TRUE(InsideOutline(c.outline, mark.from) && InsideOutline(c.outline, mark.to));
        EXPECT_FALSE(c.occupantBox.intersects(SouthIndianCentre()));
    }
    // Pisces at the top left, Aries beside it, Virgo at the bottom right.
    EXPECT_EQ(SouthIndianCell(Sign::Pisces).outline[0].x, 0);
    EXPECT_EQ(SouthIndianCell(Sign::Pisces).outline[0].y, 0);
    EXPECT_EQ(SouthIndianCell(Sign::Aries).outline[0].x, s / 4);
    EXPECT_EQ(SouthIndianCell(Sign::Virgo).outline[0].x, 3 * s / 4);
    EXPECT_EQ(SouthIndianCell(Sign::Virgo).outline[0].y, 3 * s / 4);
}

}  // namespace
}  // namespace vellamor
