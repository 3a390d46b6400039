// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/indian_chart_layout.h"

#include <algorithm>

namespace vellamor {
namespace {

constexpr double S = kIndianChartSide;
// Room kept between a cell's lines and its labels.
constexpr double kMargin = S / 80;

// A quarter turn counter-clockwise about the centre, as the screen shows it:
// the top goes to the left.
Point Turn(Point p) {
    return {p.y, S - p.x};
}
Rect Turn(const Rect& r) {
    const Point a = Turn(Point{r.left, r.top});
    const Point b = Turn(Point{r.right(), r.bottom()});
    return {std::min(a.x, b.x), std::min(a.y, b.y), r.height, r.width};
}
IndianCell Turn(const IndianCell& c) {
    IndianCell t;
    for (const Point& p : c.outline)
        t.outline.push_back(Turn(p));
    t.occupantBox = Turn(c.occupantBox);
    t.numberAnchor = Turn(c.numberAnchor);
    return t;
}
// The mirror in the diagonal from the top-left corner.
IndianCell Mirror(const IndianCell& c) {
    IndianCell m;
    for (auto it = c.outline.rbegin(); it != c.outline.rend(); ++it)
        m.outline.push_back({it->y, it->x});
    m.occupantBox = {c.occupantBox.top, c.occupantBox.left, c.occupantBox.height,
                     c.occupantBox.width};
    m.numberAnchor = {c.numberAnchor.y, c.numberAnchor.x};
    return m;
}

Rect Shrunk(Rect r) {
    return {r.left + kMargin, r.top + kMargin, r.width - 2 * kMargin, r.height - 2 * kMargin};
}

// The house at the top is a square standing on its corner; its labels take
// the largest upright square inside it and its number the corner nearest
// the middle. The house left of it at the top is a triangle on the frame's
// edge; its labels take the widest box along that edge and its number the
// point towards the middle.
IndianCell TopKite() {
    return {{{S / 2, 0}, {S / 4, S / 4}, {S / 2, S / 2}, {3 * S / 4, S / 4}},
            Shrunk({3 * S / 8, S / 8, S / 4, S / 4}),
            {S / 2, 7 * S / 16}};
}
IndianCell TopLeftTriangle() {
    return {{{0, 0}, {S / 4, S / 4}, {S / 2, 0}},
            Shrunk({S / 8, 0, S / 4, S / 8}),
            {S / 4, 3 * S / 16}};
}

}  // namespace

std::optional<ChartStyle> ChartStyleOfKey(std::string_view key) {
    for (const ChartStyle style : AllOf<ChartStyle>())
        if (kChartStyleKeys[style] == key)
            return style;
    return std::nullopt;
}

std::array<IndianCell, 12> NorthIndianCells() {
    std::array<IndianCell, 12> cells;
    IndianCell kite = TopKite();
    IndianCell first = TopLeftTriangle();
    IndianCell second = Mirror(first);
    // Each quarter turn carries houses 1, 2, 3 onto 4, 5, 6 and so on.
    for (int quarter = 0; quarter < 4; ++quarter) {
        cells[static_cast<std::size_t>(3 * quarter)] = kite;
        cells[static_cast<std::size_t>(3 * quarter + 1)] = first;
        cells[static_cast<std::size_t>(3 * quarter + 2)] = second;
        kite = Turn(kite);
        first = Turn(first);
        second = Turn(second);
    }
    return cells;
}

IndianCell SouthIndianCell(Sign sign) {
    // Column and row of each sign from Pisces, clockwise round the frame.
    static constexpr std::array<std::array<int, 2>, 12> kFromPisces{{{0, 0},
                                                                     {1, 0},
                                                                     {2, 0},
                                                                     {3, 0},
                                                                     {3, 1},
                                                                     {3, 2},
                                                                     {3, 3},
                                                                     {2, 3},
                                                                     {1, 3},
                                                                     {0, 3},
                                                                     {0, 2},
                                                                     {0, 1}}};
    const auto& place = kFromPisces[static_cast<std::size_t>((static_cast<int>(sign) + 1) % 12)];
    const double cell = S / 4;
    const double left = place[0] * cell, top = place[1] * cell;
    IndianCell c;
    c.outline = {{left, top}, {left, top + cell}, {left + cell, top + cell}, {left + cell, top}};
    // The labels keep clear of the Lagna mark's corner.
    c.occupantBox = Shrunk({left, top + cell / 5, cell, cell * 4 / 5});
    c.numberAnchor = {left + cell - cell / 8, top + cell / 8};
    return c;
}

Segment SouthIndianLagnaMark(Sign sign) {
    const Rect box{SouthIndianCell(sign).outline[0].x, SouthIndianCell(sign).outline[0].y, 0, 0};
    const double cut = S / 4 / 5;
    return {{box.left, box.top + cut}, {box.left + cut, box.top}};
}

Rect SouthIndianCentre() {
    return {S / 4, S / 4, S / 2, S / 2};
}

bool InsideOutline(const std::vector<Point>& outline, Point p) {
    // On one side of every edge, whichever way round the outline runs.
    int sides = 0;
    const std::size_t n = outline.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point& a = outline[i];
        const Point& b = outline[(i + 1) % n];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        if (cross > 1e-9)
            sides |= 1;
        else if (cross < -1e-9)
            sides |= 2;
    }
    return sides != 3;
}

}  // namespace vellamor
