// SPDX-License-Identifier: GPL-3.0-or-later
// Which planets are retrograde on the birth day, decided from the built-in
// station tables, and the chart labels that carry the marks.
//
// Only the calendar date of the birth as entered (local, no zone or
// daylight-saving correction) is compared with the calendar dates of the
// stations; neither the birth's time of day nor a station's matters. A planet
// is retrograde when one of its periods turned retrograde on a day strictly
// before the birth day and turned direct on a day strictly after it: a birth
// on a station's own day counts as direct. A birth outside a table's span
// finds no period and leaves the planet direct.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/astro/birth_data.h"
#include "core/astro/bodies.h"
#include "core/retro/station_table.h"

namespace vellamor {

inline constexpr std::string_view kRetrogradeMark = " (R) ";
// "Asc", or a planet's label with its mark: "Me (R) ". Every label a chart
// can show is a constant of the program, so a chart holds a view of it, not
// a copy. A label is made only from a constant, when the program is built:
// one made from a text read or typed at run time does not compile, so a
// label can neither outlive its text nor outgrow a buffer.
class ChartLabel {
  public:
    constexpr ChartLabel() = default;
    consteval explicit ChartLabel(std::string_view constant) : m_text(constant) {}

    constexpr std::string_view view() const { return m_text; }
    constexpr operator std::string_view() const { return m_text; }
    friend constexpr bool operator==(ChartLabel a, ChartLabel b) { return a.m_text == b.m_text; }
    friend constexpr bool operator==(ChartLabel a, std::string_view b) { return a.m_text == b; }

  private:
    std::string_view m_text;
};

// Every body's label without its mark.
inline constexpr std::array<ChartLabel, kBodyCount> kUnmarkedLabels = []() consteval {
    std::array<ChartLabel, kBodyCount> labels;
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i] = ChartLabel(kBaseLabels[i]);
    return labels;
}
();

struct RetrogradeMarks {
    // Only the planets with station tables (kStationBodies) are ever marked.
    EnumArray<Body, bool> retrograde{};
    // Chart label per body, " (R) " appended to a retrograde planet's label.
    std::array<ChartLabel, kBodyCount> labels;
};

RetrogradeMarks ComputeRetrogrades(const BirthData& birth);

// The labels for marks decided elsewhere; a mark on a body without station
// tables is not taken.
RetrogradeMarks RetrogradeMarksOf(const EnumArray<Body, bool>& retrograde);

// Always false for the Sun, Moon, Rahu, Ketu and Ascendant.
bool IsRetrograde(Body body, const BirthData& birth);

// By planet name, "Mercury" .. "Pluto" (exact, case-sensitive); false for any
// other name.
bool IsRetrograde(std::string_view planetName, const BirthData& birth);

// The stations between which the birth day lies. For a retrograde planet:
// its period's retrograde and direct stations. Otherwise: the last direct
// station on or before the birth day and the first retrograde station on or
// after it (on a station's own day the planet counts as direct). A side the
// table does not reach, or a body without a table, has no station.
struct StationBracket {
    bool retrograde = false;
    std::optional<Station> previous;
    std::optional<Station> next;
};

StationBracket BracketingStations(Body body, const BirthData& birth);

}  // namespace vellamor
