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
#include <map>
#include <optional>
#include <tuple>

#include "core/astro/bodies.h"
#include "core/astro/civil_date.h"
#include "core/chart/pipeline.h"

namespace vellamor {

// Sun to Ketu in body order; the Ascendant does not transit.
inline constexpr int kTransitBodyCount = 12;

struct SignStay {
    std::optional<CivilDateTime> enters;  // the first minute in the sign
    std::optional<CivilDateTime> leaves;  // the first minute out of it
    bool operator==(const SignStay&) const = default;
};
using SignStays = std::array<SignStay, kTransitBodyCount>;

// All that a transiting body's position depends on besides the instant on
// the birth's clock: the calculation, and the clock itself (the zone row and
// the magnitude typed with it, the daylight-saving box, and which side of
// Greenwich the birth is on, which turns the zone's direction). Births on
// the same clock have the same sign changes at the same reading.
struct TransitClock {
    CalculationChoice calculation;
    int zoneIndex = 0;
    int zoneHours = 0;
    int zoneMinutes = 0;
    int zoneTableHours = 0;
    int zoneTableMinutes = 0;
    bool daylightSaving = false;
    bool eastOfGreenwich = false;

    auto key() const {
        return std::tuple(calculation.method, calculation.ayanamsa, calculation.node,
                          calculation.positions, zoneIndex, zoneHours, zoneMinutes, zoneTableHours,
                          zoneTableMinutes, daylightSaving, eastOfGreenwich);
    }
};
TransitClock TransitClockOf(const Chart& chart);

// The body's sidereal longitude at an instant on the birth's clock, exactly as
// the transits find it (Sun to Ketu, not the Ascendant).
double TransitLongitude(const Chart& chart, Body body, const CivilDateTime& when);

// The stay in its sign that holds the reading, for a reading from 1901 to 2050.
SignStay FindSignStay(const Chart& chart, Body body, const CivilDateTime& reading);
SignStay FindSignStay(const TransitClock& clock, Body body, const CivilDateTime& reading);

// The stays last found on each clock, kept for the next reading: a stay
// that holds the new reading is the stay the search would find, so only the
// bodies that have changed sign since are searched again. A table of births
// read at one date has a few hundred clocks among thousands of rows, and the
// window's reading moves a little at a time; a search costs some charts.
// Kept by one thread (or window); it holds at most a few thousand clocks.
class SignStayMemo {
  public:
    // The twelve bodies' stays that hold the reading.
    const SignStays& Find(const TransitClock& clock, const CivilDateTime& reading);

  private:
    std::map<decltype(TransitClock{}.key()), SignStays> m_found;
};

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
MotionBound MotionBoundOf(const CalculationChoice& calculation, Body body);

// Degrees from a to b the short way round, in (-180, 180]: how far a body
// moved, whichever way, across the turn of the zodiac.
double Turned(double a, double b);

}  // namespace vellamor
