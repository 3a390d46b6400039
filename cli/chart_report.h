// SPDX-License-Identifier: GPL-3.0-or-later
// Text renderings of a finished chart for the command line: one JSON object
// per chart (a contract other tools rely on) and a readable printout.
#pragma once

#include <string>
#include <string_view>

#include "cli/text_buffer.h"
#include "core/chart/chart_stability.h"
#include "core/chart/pipeline.h"
#include "core/reading/transits.h"

namespace vellamor {

// {"name": ..., "details": {...}, "bodies": [...13...], "rings": {...}} on
// one line, without a trailing newline.
std::string ChartJson(const Chart& chart);
// The same appended to `out`, for output built in one buffer.
void AppendChartJson(std::string& out, const Chart& chart);
void AppendChartJson(TextBuffer& out, const Chart& chart);

// The entry as the command line's options write it, so that it can be fed
// back: {"date": "1980-03-05", "time": "07:05", "zone": 34, "dst": false,
// "lat": "18:31N", "lon": "73:51E", "city": "Pune", "state": "Maharashtra",
// "country": "India"}.
std::string EntryJson(const BirthData& birth);
void AppendEntryJson(TextBuffer& out, const BirthData& birth);

// Birth details, the positions table and the three rings house by house.
std::string ChartPrintout(const Chart& chart);

// The two keys a reading adds to a chart's object, without braces round
// them: "progression": {...}, "transits": {...}
std::string ReadingJson(const ChartReading& reading);

// The section "Dasha and transits": the running year, month and period with
// each ring's house, the twelve years of the cycle, the transit positions.
std::string ReadingPrintout(const Chart& chart, const ChartReading& reading);

// {"ascendant": {...}, "moon": {...}, "nearBoundary": [...], "stations": [...],
//  "zoneNote": ...}
std::string StabilityJson(const ChartStability& stability);

// The text with every control character (U+0000 to U+001F, U+007F to
// U+009F) written as an escape, "\u009B": safe on a terminal.
std::string EscapeControls(std::string_view utf8);

// JSON string literal with the quotes; the C1 controls are escaped too.
std::string JsonString(std::string_view utf8);
void AppendJsonString(std::string& out, std::string_view utf8);

// Shortest text that reads back as the same double.
std::string JsonNumber(double v);
void AppendJsonNumber(std::string& out, double v);

}  // namespace vellamor
