// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the rasi chart as astrologers of the north and of the south of
// India draw it, in plain numbers.
//
// Both are squares of side kIndianChartSide units, measured from the top-left
// corner with y growing downwards, as on screen; the painter scales them to
// whatever it fills, as it does the chakra.
//
// North: the diamond. The houses stay in place and the signs move: house 1
// (the Lagna) is the diamond at the top, and the houses run on
// counter-clockwise, 4 at the left, 7 at the bottom, 10 at the right; each
// house shows its sign's number.
// South: the signs stay in place in the twelve outer cells of a 4 x 4 frame,
// Pisces at the top left and on clockwise, Aries beside it; the Lagna's cell
// carries a mark.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/astro/bodies.h"
#include "core/chart/chakra_layout.h"

namespace vellamor {

// How a chart is drawn: the Sudarshan Chakra's three rings, or the rasi
// chart of the north or of the south of India. Keys as the command line and
// the settings write them.
enum class ChartStyle { Sudarshan, North, South };
template <>
inline constexpr int kEnumCount<ChartStyle> = 3;
inline constexpr EnumArray<ChartStyle, std::string_view> kChartStyleKeys{
    {"sudarshan", "north", "south"}};
std::optional<ChartStyle> ChartStyleOfKey(std::string_view key);

inline constexpr double kIndianChartSide = 1000;

struct IndianCell {
    std::vector<Point> outline;  // the cell's corners, in order
    Rect occupantBox;            // where its labels go, clear of its lines
    Point numberAnchor;          // centre of the sign number (north only)
};

// Indexed by house index 0..11 (house 1 first).
std::array<IndianCell, 12> NorthIndianCells();

// The cell of a sign in the south Indian frame.
IndianCell SouthIndianCell(Sign sign);
// The corner of a south Indian cell the Lagna mark cuts off: a line from
// `from` to `to` across its top-left corner.
Segment SouthIndianLagnaMark(Sign sign);
// The empty middle of the south Indian frame, where a title can stand.
Rect SouthIndianCentre();

// Whether a point lies inside (or on) a convex outline.
bool InsideOutline(const std::vector<Point>& outline, Point p);

}  // namespace vellamor
