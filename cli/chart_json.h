// SPDX-License-Identifier: GPL-3.0-or-later
// A chart and what goes with it as JSON, the command line's contract with
// other tools: the chart's own members, the entry as the options write it,
// a reading's two members and how far the chart can be trusted.
#pragma once

#include <string>

#include "cli/json_writer.h"
#include "core/chart/chart_stability.h"
#include "core/chart/pipeline.h"
#include "core/chart/vargas.h"
#include "core/reading/transits.h"

namespace vellamor {

// The members "name", "details" {...}, "bodies" [...13...] and "rings"
// {...}, into the object the writer has open.
void WriteChartMembers(JsonWriter& w, const Chart& chart);
// The chart's own object alone, on one line without a line end.
std::string ChartJson(const Chart& chart);

// The entry as the command line's options write it, so that it can be fed
// back: {"date": "1980-03-05", "time": "07:05", "zone": 34, "dst": false,
// "lat": "18:31N", "lon": "73:51E", "city": "Pune", "state": "Maharashtra",
// "country": "India"}.
void WriteEntry(JsonWriter& w, const BirthData& birth);

// A precise chart's calculation: {"method": "precise", "ephemeris": ...,
// "ayanamsa": "lahiri", "ayanamsaDegrees": 23.85, "node": "mean",
// "universalTime": "1980-03-05T01:35"}. Nothing for a classic chart.
void WriteCalculation(JsonWriter& w, const Chart& chart);

// {"D1": [13 sign numbers 1..12 in body order], "D2": [...], ... "D60": [...]}
void WriteVargas(JsonWriter& w, const VargaTable& vargas);

// The members "progression" {...} and "transits" {...} of a reading, into
// the object the writer has open.
void WriteReadingMembers(JsonWriter& w, const ChartReading& reading);

// {"ascendant": {...}, "moon": {...}, "nearBoundary": [...], "stations": [...],
//  "zoneNote": ...}
void WriteStability(JsonWriter& w, const ChartStability& stability);
std::string StabilityJson(const ChartStability& stability);

}  // namespace vellamor
