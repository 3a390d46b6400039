// SPDX-License-Identifier: GPL-3.0-or-later
// How far a chart can be trusted, in words: the sentences of the result
// window's Chart Stability tab and of the printout.
#pragma once

#include <string>

#include "core/chart/chart_stability.h"

namespace vellamor {

// "14 min", "1 h 52 min", "2 d 5 h"; truncated, never rounded.
std::string FormatDuration(double minutes);
// "Lagna changes sign if birth was 14 min earlier or 1 h 52 min later".
std::string SignChangeSentence(const std::string& what, const SignChangeWindow& window);
// A station's date as the tables write it, "M,D,YYYY"; empty for none.
std::string StationDateText(const std::optional<CalendarDate>& date);
// The same date as a person reads it, "26 February 1980"; empty for none.
std::string StationDateReadable(const std::optional<CalendarDate>& date);
// One line for a legend tooltip or the printout, e.g. "retrograde from
// 21 February 2000 to 14 March 2000".
std::string StationEvidenceText(const StationEvidence& evidence);
// What a zone that does not fit the longitude means for the chart; empty
// when it fits.
std::string ZoneSanityNote(const std::optional<ZoneMisfit>& misfit);
// Readable lines for the printout.
std::string StabilityText(const ChartStability& stability);

}  // namespace vellamor
