// SPDX-License-Identifier: GPL-3.0-or-later
// When a transiting body entered the sign it stands in at a reading, and when
// it leaves it, to the minute on the birth's clock, found by searching the
// program's own positions (classic or precise, as the chart was made). A
// retrograde body may leave a sign and come back: the entry is the last one
// before the reading and the exit the first one after it, so the stay holds
// the reading. The search keeps within 1901 to 2050; an entry or exit beyond
// those years is not known.
#pragma once

#include <array>
#include <cmath>
#include <optional>

#include "core/astro/bodies.h"
#include "core/astro/civil_date.h"
#include "core/chart/pipeline.h"

namespace vellamor {

struct SignStay {
    std::optional<CivilDateTime> enters;  // the first minute in the sign
    std::optional<CivilDateTime> leaves;  // the first minute out of it
};

// The body's sidereal longitude at an instant on the birth's clock, exactly as
// the transits find it (Sun to Ketu, not the Ascendant).
double TransitLongitude(const Chart& chart, Body body, const CivilDateTime& when);

// The stay in its sign that holds the reading, for a reading from 1901 to 2050.
SignStay FindSignStay(const Chart& chart, Body body, const CivilDateTime& reading);

// How fast each body can move and change speed, in the program's positions
// over 1901 to 2050 with a margin: the search steps no further than a body
// so bounded could move before reaching a sign's edge. The outer planets
// loop: over h days one never gets further ahead than `ahead` + `rate` h
// degrees, nor further back than `behind`, which lets the search cross
// most of a stay of years in a few steps.
struct MotionBound {
    double speed;         // degrees a day, either way
    double acceleration;  // degrees a day per day, either way
    double rate = 0;      // degrees a day
    double ahead = HUGE_VAL;
    double behind = HUGE_VAL;
};
MotionBound MotionBoundOf(const Chart& chart, Body body);

}  // namespace vellamor
