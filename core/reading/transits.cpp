// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/transits.h"

#include <utility>

#include "core/astro/ascendant.h"
#include "core/astro/moon.h"
#include "core/astro/position_text.h"
#include "core/retro/retrogrades.h"

namespace vellamor {

Expected<Transits, ReadingError> ComputeTransits(const Chart& chart, const CivilDateTime& reading,
                                                 SignStayMemo* memo) {
    if (auto checked = CheckReading(chart.birth, reading); !checked)
        return Fail(checked.error());

    // A birth at the reading: same zone row, box and place. The planets take
    // the row's offsets as the chart itself did.
    BirthData then = chart.birth;
    then.year = reading.year;
    then.month = reading.month;
    then.day = reading.day;
    then.hour = reading.hour;
    then.minute = reading.minute;
    PlanetPositions planets;
    RetrogradeMarks marks;
    if (chart.calculation.precise()) {
        // The bodies at the reading as a precise chart finds them.
        Chart now = CalculateChart(then, chart.calculation);
        planets = std::move(now.planets);
        marks = std::move(now.retrogrades);
    } else {
        // The Ascendant does not transit: only its ayanamsa is needed, not its text.
        const PositionState ascendant = ComputeAscendantWithoutText(then, 0.0);
        const MoonChart moon = ComputeMoonChart(then);
        planets = ComputePlanetPositions(then, ascendant, moon, chart.zoneTableHours,
                                         chart.zoneTableMinutes);
        marks = ComputeRetrogrades(then);
    }

    Transits t;
    t.reading = reading;
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        t.longitudes[b] = planets.longitudes[b];
        t.longTexts[b] = std::move(planets.longTexts[b]);
        t.positionTexts[b] = std::move(planets.positionTexts[b]);
        t.labels[b] = marks.labels[b];
        t.retrograde[b] = marks.retrograde[static_cast<Body>(i)];
        // The sign the short text shows, as the chakra places bodies by it.
        t.signs[b] = SignIndexOf(planets.longitudes[b]) + 1;
        for (const Ring r : AllOf<Ring>()) {
            const int first = SignNumber(chart.chakra.referenceSigns[r]);
            t.houses[static_cast<std::size_t>(r)][b] = (t.signs[b] - first + 12) % 12 + 1;
        }
    }
    // Without a memo of the caller's, a fresh one searches every body.
    SignStayMemo fresh;
    t.stays = (memo ? *memo : fresh).Find(TransitClockOf(chart), reading);
    return t;
}

EnumArray<Sign, Occupants> TransitOccupants(const Transits& t) {
    static_assert(kTransitBodyCount == kBodyCount - 1, "every body but the Ascendant transits");
    EnumArray<Sign, Occupants> out;
    for (std::size_t b = 0; b < kTransitBodyCount; ++b) {
        const int sign = t.signs[b];
        if (sign >= 1 && sign <= 12)
            out[SignOfNumber(sign)].push_back({static_cast<Body>(b), t.retrograde[b], true});
    }
    return out;
}

Expected<ChartReading, ReadingError> ComputeReading(const Chart& chart,
                                                    const CivilDateTime& reading,
                                                    SignStayMemo* memo) {
    auto progression = ComputeProgression(chart, reading);
    if (!progression)
        return Fail(progression.error());
    auto transits = ComputeTransits(chart, reading, memo);
    if (!transits)
        return Fail(transits.error());
    ChartReading r{
        std::move(*progression), std::move(*transits), ComputeVimshottari(chart, reading), {}};
    const int yearHouse = r.progression.span(DashaLevel::Year).house;
    for (std::size_t ring = 0; ring < kRingCount; ++ring)
        for (std::size_t b = 0; b < kTransitBodyCount; ++b)
            r.housesFromYear[ring][b] = (r.transits.houses[ring][b] - yearHouse + 12) % 12 + 1;
    return r;
}

}  // namespace vellamor
