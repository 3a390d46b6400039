// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the drawn Sudarshan Chakra, in plain numbers.
//
// Units are twips (1/1440 inch; 15 twips make one pixel at 96 dots per inch),
// measured from the top-left corner of the chart's drawing area with y growing
// downwards, as on screen. Angles are in degrees, counter-clockwise from the
// three o'clock direction, as an astrologer reads the houses: house 1 at the
// top, house 4 at the left, house 7 at the bottom, house 10 at the right.
//
// The painter scales this fixed space to whatever size it draws at, so the
// window, an exported picture and a printed page all share one layout.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/chart/chakra_model.h"

namespace vellamor {

struct Point {
    double x = 0;
    double y = 0;
};

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    Point centre() const { return {left + width / 2, top + height / 2}; }
    static Rect Centred(Point c, double w, double h) { return {c.x - w / 2, c.y - h / 2, w, h}; }
    bool intersects(const Rect& o) const {
        return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
    }
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr Point kChakraCentre{3560, 3750};

// The four circles, from the hub outwards; each ring lies between two of them.
inline constexpr double kHubRadius = 750;
inline constexpr double kBirthOuterRadius = 1500;
inline constexpr double kMoonOuterRadius = 2497.5;
inline constexpr double kSunOuterRadius = 3500;

inline constexpr Rgb kHubColour{255, 128, 0};
inline constexpr Rgb kSpokeColour{255, 128, 0};
inline constexpr Rgb kBackgroundColour{0, 0, 0};

struct RingGeometry {
    double innerRadius;
    double outerRadius;
    double numberDistance;     // centre of the sign-number label
    double occupantsDistance;  // preferred centre of the occupant text
    Rgb colour;                // the ring's outer circle and all its texts
};

// Indexed by Ring: birth, Moon, Sun.
inline constexpr auto kRingGeometry = std::to_array<RingGeometry>({
    {kHubRadius, kBirthOuterRadius, 850, 1200, {255, 0, 0}},
    {kBirthOuterRadius, kMoonOuterRadius, 1650, 2200, {255, 128, 255}},
    {kMoonOuterRadius, kSunOuterRadius, 2650, 3000, {255, 255, 0}},
});
static_assert(kRingGeometry.size() == kRingCount);

inline const RingGeometry& GeometryOf(Ring r) {
    return kRingGeometry[static_cast<int>(r)];
}

inline constexpr double kNumberWidth = 210;
inline constexpr double kNumberHeight = 195;
inline constexpr double kOccupantWidth = 435;
inline constexpr double kOccupantHeight = 195;
// Text height of the chart's labels: 8.25 points.
inline constexpr double kLabelFontHeight = 165;

// Room kept free between an occupant text and the lines around it.
inline constexpr double kOccupantMargin = 25;

// The square that holds the whole chart with a small margin round it.
Rect ChakraBounds();

// Direction of the centre line of house index h (0..11): 90 + 30 h.
double HouseCentreAngle(int houseIndex);
// Direction of spoke k (0..11), the boundary between house index k and k + 1.
double SpokeAngle(int spokeIndex);

// The point at a distance from the chart centre in a direction.
Point PolarPoint(double distance, double angleDegrees);

struct Segment {
    Point from;
    Point to;
};
// Spoke k runs from the hub circle to the outer circle.
Segment Spoke(int spokeIndex);

// The ring and house index under a point, nothing on the hub or outside
// the outer circle. A point on a circle belongs to the ring outside it, a
// point on a spoke to the house counter-clockwise of it.
struct HouseAtPoint {
    Ring ring;
    int houseIndex;
    bool operator==(const HouseAtPoint&) const = default;
};
std::optional<HouseAtPoint> HouseAt(Point p);

Point SignNumberAnchor(Ring ring, int houseIndex);
Point OccupantAnchor(Ring ring, int houseIndex);
Rect SignNumberBox(Ring ring, int houseIndex);

// Whether an occupant block lies in its house: between the two spokes and
// inside the ring's outer circle (keeping kOccupantMargin from each), outside
// the ring's inner circle and clear of the house's sign number.
bool FitsInHouse(Ring ring, int houseIndex, const Rect& block);

// The centre, on the house's centre line, where a block of this size fits,
// as near the preferred occupant distance as possible; nothing when it fits
// nowhere in the house.
std::optional<Point> PlaceOccupantBlock(Ring ring, int houseIndex, double width, double height);

// Places lines of text (their widths, one height) stacked downwards in a
// house: either centred one above the other, or each centred on the house's
// centre line where it crosses the line's height, so that in a slanting
// house the lines step sideways with it. Every line must fit on its own; the
// block sits as near the preferred occupant distance as it can. Nothing when
// no place in the house takes every line.
std::optional<std::vector<Rect>> PlaceOccupantLines(Ring ring, int houseIndex,
                                                    const std::vector<double>& widths,
                                                    double lineHeight);

}  // namespace vellamor
