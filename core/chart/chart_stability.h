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
#include "core/chart/pipeline.h"

namespace vellamor {

// Minutes (positive) until the sign changes when the birth is moved earlier
// or later; empty when it does not change within the searched span.
struct SignChangeWindow {
    std::optional<double> earlierMinutes;
    std::optional<double> laterMinutes;
};

struct StationEvidence {
    Body planet = Body::Mercury;
    bool retrograde = false;  // the chart's mark
    // For a marked planet its period's retrograde and direct stations; for
    // the others the last direct and the next retrograde station. Dates only,
    // "M,D,YYYY"; empty when the tables do not reach that far.
    std::string before, after;
    // The birth day is a station day or a day next to one: the calendar day
    // alone decides the mark.
    bool dayDecided = false;
};

struct ChartStability {
    SignChangeWindow ascendant;
    SignChangeWindow moon;
    std::vector<Body> nearBoundary;  // within one arcminute of a sign edge
    std::vector<StationEvidence> stations;
    std::string zoneNote;  // empty when the zone fits the longitude
};

// Search spans: the Ascendant passes every sign within a day at ordinary
// latitudes, the Moon within a month.
inline constexpr double kAscendantSearchHours = 48;
inline constexpr double kMoonSearchHours = 40 * 24;

SignChangeWindow AscendantSignWindow(const BirthData& birth);
SignChangeWindow MoonSignWindow(const BirthData& birth);
std::vector<Body> BodiesNearSignBoundary(const Chart& chart, double arcminutes = 1.0);
std::string ZoneSanityNote(const Chart& chart);
// The bracketing stations of Mercury to Pluto for the birth date.
std::vector<StationEvidence> StationEvidenceFor(const BirthData& birth);
ChartStability AnalyzeChartStability(const Chart& chart);

// Minutes truncated to 0.1, as the JSON carries them.
double TruncateToTenth(double minutes);

}  // namespace vellamor
