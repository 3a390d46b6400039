// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' measures come in twips (1/1440 inch), the unit the chart's
// geometry is written in; they become pixels at the screen's logical
// resolution of 96 dots per inch, before any high-DPI scaling, which Qt
// applies on top.
#pragma once

namespace vellamor {

inline constexpr double kTwipsPerPixel = 15;

inline int Px(double twips) {
    return static_cast<int>(twips / kTwipsPerPixel + 0.5);
}

}  // namespace vellamor
