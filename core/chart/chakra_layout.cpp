// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_layout.h"

#include <algorithm>
#include <cmath>

namespace vellamor {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfHouse = 15;  // degrees either side of a house's centre line
constexpr double kChartMargin = 100;
constexpr double kPlacementStep = 5;

double Radians(double degrees) {
    return degrees * kPi / 180;
}

// A point relative to the chart centre with y pointing up, so that angles
// read counter-clockwise.
struct Offset {
    double x;
    double y;
};

Offset FromCentre(Point p) {
    return {p.x - kChakraCentre.x, kChakraCentre.y - p.y};
}

bool InsideWedge(Offset p, double fromDegrees, double toDegrees, double margin) {
    const double a = Radians(fromDegrees);
    const double b = Radians(toDegrees);
    // Distance to each boundary line, positive on the inner side.
    const double fromSide = std::cos(a) * p.y - std::sin(a) * p.x;
    const double toSide = p.x * std::sin(b) - p.y * std::cos(b);
    return fromSide >= margin && toSide >= margin;
}

}  // namespace

Rect ChakraBounds() {
    const double half = kSunOuterRadius + kChartMargin;
    return Rect::Centred(kChakraCentre, 2 * half, 2 * half);
}

double HouseCentreAngle(int houseIndex) {
    return 90.0 + 30.0 * houseIndex;
}

double SpokeAngle(int spokeIndex) {
    return HouseCentreAngle(spokeIndex) + kHalfHouse;
}

Point PolarPoint(double distance, double angleDegrees) {
    const double a = Radians(angleDegrees);
    return {kChakraCentre.x + distance * std::cos(a), kChakraCentre.y - distance * std::sin(a)};
}

std::optional<HouseAtPoint> HouseAt(Point p) {
    const Offset o = FromCentre(p);
    const double distance = std::hypot(o.x, o.y);
    if (distance < kHubRadius || distance >= kSunOuterRadius)
        return std::nullopt;
    int ring = 0;
    while (distance >= kRingGeometry[static_cast<std::size_t>(ring)].outerRadius)
        ++ring;
    // Degrees past the spoke before house 1 (at 75 degrees), 0 up to 360.
    double past = std::atan2(o.y, o.x) * 180 / kPi - (HouseCentreAngle(0) - kHalfHouse);
    past -= 360 * std::floor(past / 360);
    const int house = std::min(11, static_cast<int>(past / 30));
    return HouseAtPoint{static_cast<Ring>(ring), house};
}

Segment Spoke(int spokeIndex) {
    const double a = SpokeAngle(spokeIndex);
    return {PolarPoint(kHubRadius, a), PolarPoint(kSunOuterRadius, a)};
}

Point SignNumberAnchor(Ring ring, int houseIndex) {
    return PolarPoint(GeometryOf(ring).numberDistance, HouseCentreAngle(houseIndex));
}

Point OccupantAnchor(Ring ring, int houseIndex) {
    return PolarPoint(GeometryOf(ring).occupantsDistance, HouseCentreAngle(houseIndex));
}

Rect SignNumberBox(Ring ring, int houseIndex) {
    return Rect::Centred(SignNumberAnchor(ring, houseIndex), kNumberWidth, kNumberHeight);
}

bool FitsInHouse(Ring ring, int houseIndex, const Rect& block) {
    if (!(block.width > 0 && block.height > 0))
        return false;
    const RingGeometry& g = GeometryOf(ring);
    const double centre = HouseCentreAngle(houseIndex);
    const double outer = g.outerRadius - kOccupantMargin;
    const Point corners[] = {{block.left, block.top},
                             {block.right(), block.top},
                             {block.left, block.bottom()},
                             {block.right(), block.bottom()}};
    // The wedge and the outer disc are convex: the corners decide.
    for (const Point& c : corners) {
        const Offset p = FromCentre(c);
        if (std::hypot(p.x, p.y) > outer)
            return false;
        if (!InsideWedge(p, centre - kHalfHouse, centre + kHalfHouse, kOccupantMargin))
            return false;
    }
    // The inner circle: the block's nearest point to the centre decides.
    const double nx = std::clamp(kChakraCentre.x, block.left, block.right());
    const double ny = std::clamp(kChakraCentre.y, block.top, block.bottom());
    const Offset nearest = FromCentre({nx, ny});
    if (std::hypot(nearest.x, nearest.y) < g.innerRadius + kOccupantMargin)
        return false;

    Rect number = SignNumberBox(ring, houseIndex);
    return !block.intersects(number);
}

std::optional<Point> PlaceOccupantBlock(Ring ring, int houseIndex, double width, double height) {
    const RingGeometry& g = GeometryOf(ring);
    const double angle = HouseCentreAngle(houseIndex);
    std::optional<Point> best;
    double bestDistance = 0;
    for (double d = g.innerRadius; d <= g.outerRadius; d += kPlacementStep) {
        const Point c = PolarPoint(d, angle);
        if (!FitsInHouse(ring, houseIndex, Rect::Centred(c, width, height)))
            continue;
        const double off = std::abs(d - g.occupantsDistance);
        if (!best || off < bestDistance) {
            best = c;
            bestDistance = off;
        }
    }
    return best;
}

std::optional<std::vector<Rect>> PlaceOccupantLines(Ring ring, int houseIndex,
                                                    const std::vector<double>& widths,
                                                    double lineHeight) {
    if (widths.empty())
        return std::nullopt;
    const RingGeometry& g = GeometryOf(ring);
    const double angle = Radians(HouseCentreAngle(houseIndex));
    // Sideways step per unit of height along the centre line, or none: a
    // straight stack suits a house that lies nearly level.
    const double sine = std::sin(angle);
    const double follow =
        std::abs(sine) < 1e-9 ? 0.0 : std::clamp(std::cos(angle) / sine, -2.0, 2.0);
    const double n = static_cast<double>(widths.size());

    std::optional<std::vector<Rect>> best;
    double bestDistance = 0;
    std::vector<Rect> lines(widths.size());
    for (double slant : {follow, 0.0})
        for (double d = g.innerRadius; d <= g.outerRadius; d += kPlacementStep) {
            const Point c = PolarPoint(d, HouseCentreAngle(houseIndex));
            bool fits = true;
            for (std::size_t i = 0; i < widths.size() && fits; ++i) {
                const double y = c.y + (static_cast<double>(i) + 0.5 - n / 2) * lineHeight;
                // Up the screen is outwards for the upper houses: x follows.
                const double x = c.x + (c.y - y) * slant;
                lines[i] = Rect::Centred({x, y}, widths[i], lineHeight);
                fits = FitsInHouse(ring, houseIndex, lines[i]);
            }
            if (!fits)
                continue;
            const double off = std::abs(d - g.occupantsDistance);
            if (!best || off < bestDistance) {
                best = lines;
                bestDistance = off;
            }
        }
    return best;
}

}  // namespace vellamor
