// SPDX-License-Identifier: GPL-3.0-or-later
// The headless command line: runs what the arguments ask for without a
// display (JSON, printout, chart file, chart sheet, the zone and station
// listings, help) and reports failures on standard error.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "core/astro/expected.h"
#include "core/chart/pipeline.h"
#include "core/chart/place_option.h"
#include "core/reading/transits.h"
#include "render/sheet_export_error.h"

namespace vellamor {

// Draws the printable sheet of a chart into `path` (PNG, SVG or PDF by its
// extension); a failure says why (SheetExportText words it). The core cannot
// draw: a build with the renderer supplies one.
using SheetExporter =
    std::function<Expected<void, SheetExportError>(const Chart& chart, const std::string& path)>;

// The same sheet with a reading's highlights and transits on it.
using ReadingSheetExporter = std::function<Expected<void, SheetExportError>(
    const Chart& chart, const ChartReading& reading, const std::string& path)>;

// How --export draws a chart given --varga or --style: the style, and the
// English words that name the varga and the style on the sheet.
struct SheetChoice {
    ChartStyle style = ChartStyle::Sudarshan;
    std::string caption;
};
using StyledSheetExporter = std::function<Expected<void, SheetExportError>(
    const Chart& chart, const SheetChoice& choice, const std::string& path)>;

// What the headless modes need from outside the core.
struct HeadlessServices {
    PlaceResolver resolvePlace = {};               // empty: --place is not available in this build
    SheetExporter exportSheet = {};                // empty: --export is not available in this build
    ReadingSheetExporter exportReadingSheet = {};  // empty: --export --reading is not available
    StyledSheetExporter exportStyledSheet = {};    // empty: --varga and --style cannot be drawn
    PlaceFinder findPlace = {};             // empty: a births table's place column is not available
    std::istream* standardInput = nullptr;  // "-" as a births table; null: std::cin
    bool progressOnTerminal = false;        // standard error is a terminal: show progress
    // Called before a births table's charts are written to standard output,
    // e.g. to widen the pipe it goes into; empty: nothing to prepare.
    std::function<void()> prepareBulkOutput = {};
    // Called before --export draws, to make the application object that
    // drawing text needs; empty: nothing to prepare.
    std::function<void()> prepareDrawing = {};
};

// What a chart prints in the invocation's mode, appended to `out`: its JSON
// object (with "stability" for --stability, the reading's keys for --reading
// and "row" when a births table's row number is given) without a line end,
// or its printout with how far to trust it. Fails, with the sentence for the
// user, when the chart cannot be read at the reading; `out` is then as it was.
// A table's rows share the sign changes they have found through `signStays`.
Expected<void, std::string> AppendChartOutput(std::string& out, const Chart& chart,
                                              const Invocation& inv,
                                              std::optional<std::uint64_t> row = std::nullopt,
                                              SignStayMemo* signStays = nullptr);

// "no place "Pariss" in the atlas; nearest:" and the nearest, one a line.
std::string UnknownPlaceMessage(const UnknownPlace& unknown);

// Runs a headless mode; returns the process exit status (0 success, 1 when a
// chart was refused, failed validation or could not be written, 2 for a usage
// error or a place the atlas does not know).
int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const HeadlessServices& services = {});

}  // namespace vellamor
