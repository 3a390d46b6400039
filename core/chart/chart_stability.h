// SPDX-License-Identifier: GPL-3.0-or-later
// How far a chart can be trusted: how much earlier or later the birth would
// have to be for the Ascendant's or the Moon's sign to change, which bodies
// stand within one arcminute of a sign boundary, the station dates that
// decide each retrograde mark, and whether the chosen time zone fits the
// birth longitude. None of this changes the chart itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/astro/bodies.h"
#include "core/astro/calendar_math.h"
#include "core/astro/planet_positions.h"
#include "core/astro/spans.h"
#include "core/chart/pipeline.h"

namespace vellamor {

// Minutes (positive) until the sign changes when the birth is moved earlier
// or later; empty when it does not change within the searched span.
struct SignChangeWindow {
    std::optional<double> earlierMinutes;
    std::optional<double> laterMinutes;
};

// Whose sign the window is about.
enum class SignChanger { Ascendant, Moon };
template <>
inline constexpr int kEnumCount<SignChanger> = 2;

// A window as the stability lines state it: each side the span to the
// change, or, when the search found none, the span searched.
struct SignChangeFacts {
    struct Side {
        bool found = false;
        MinuteSpan span;
    };
    SignChanger of = SignChanger::Ascendant;
    Side earlier, later;
};
SignChangeFacts SignChangeFactsOf(SignChanger of, const SignChangeWindow& window);

struct StationEvidence {
    Body planet = Body::Mercury;
    bool retrograde = false;  // the chart's mark
    // For a marked planet its period's retrograde and direct stations; for
    // the others the last direct and the next retrograde station. Dates only
    // (universal time); empty when the tables do not reach that far.
    std::optional<CalendarDate> before, after;
    // The birth day is a station day or a day next to one: the calendar day
    // alone decides the mark.
    bool dayDecided = false;
};

// Why a zone does not fit the longitude.
enum class MisfitReason {
    Far,        // more than 1 h 30 min from the longitude's mean solar time
    OtherSide,  // across Greenwich from the longitude
};
template <>
inline constexpr int kEnumCount<MisfitReason> = 2;

// Which rule the chart took the zone by.
enum class MisfitRule {
    // The Ascendant and the Moon took the row's size in the longitude's
    // direction, the planets the row's own sign: two instants.
    Classic,
    // A precise chart: every body took the row's own sign and the box's
    // hour, one instant.
    Precise,
};
template <>
inline constexpr int kEnumCount<MisfitRule> = 2;

// A time zone that does not fit the birth longitude: more than 1 h 30 min
// away from its mean solar time, or on the other side of Greenwich.
struct ZoneMisfit {
    std::string zoneText;      // the zone row as listed
    int zoneEastMinutes = 0;   // the row's offset, east of Greenwich positive
    int solarEastMinutes = 0;  // the longitude's mean solar time, whole minutes
    int lonDegrees = 0;        // the longitude as entered
    int lonMinutes = 0;
    bool east = false;  // East as the program reads it: ticked and not exactly 0
    MisfitReason reason = MisfitReason::Far;
    MisfitRule rule = MisfitRule::Classic;
    MinuteSpan zoneMagnitude;  // Classic: what the Ascendant and the Moon took from the row
    bool daylightSaving = false;
    bool usedEast = false;           // the direction they gave it (from the longitude)
    CivilDateTime ascendantInstant;  // the universal time of the Ascendant and the Moon
    CivilDateTime planetsInstant;    // the planets' universal time, from the row's own sign;
                                     // Precise: every body's
};

struct ChartStability {
    SignChangeWindow ascendant;
    SignChangeWindow moon;
    std::vector<Body> nearBoundary;  // within one arcminute of a sign edge
    std::vector<StationEvidence> stations;
    std::optional<ZoneMisfit> zoneMisfit;  // empty when the zone fits the longitude
};

// Search spans: the Ascendant passes every sign within a day at ordinary
// latitudes, the Moon within a month.
inline constexpr double kAscendantSearchHours = 48;
inline constexpr double kMoonSearchHours = 40 * 24;

SignChangeWindow AscendantSignWindow(const BirthData& birth);
SignChangeWindow MoonSignWindow(const BirthData& birth);
// The same as a chart of that calculation finds them.
SignChangeWindow AscendantSignWindow(const BirthData& birth, const CalculationChoice& choice);
SignChangeWindow MoonSignWindow(const BirthData& birth, const CalculationChoice& choice);
std::vector<Body> BodiesNearSignBoundary(const Chart& chart, double arcminutes = 1.0);
std::optional<ZoneMisfit> CheckZoneFit(const Chart& chart);
// The bracketing stations of Mercury to Pluto for the birth date.
std::vector<StationEvidence> StationEvidenceFor(const BirthData& birth);
ChartStability AnalyzeChartStability(const Chart& chart);

// Minutes truncated to 0.1, as the JSON carries them.
double TruncateToTenth(double minutes);

}  // namespace vellamor
