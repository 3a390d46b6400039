// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/headless.h"

#include <cstdio>
#include <ostream>

#include "cli/batch.h"
#include "cli/chart_json.h"
#include "cli/chart_print.h"
#include "cli/checked_output.h"
#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "cli/usage.h"
#include "cli/wording.h"
#include "core/astro/time_zones.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_opening.h"
#include "core/chart/chart_stability.h"
#include "core/io/file_replace.h"
#include "core/retro/station_table.h"
#include "core/version.h"

namespace vellamor {
namespace {

int Report(std::ostream& err, const CommandLineError& e, bool pointToHelp = false) {
    err << "vellamor: " << e.message << "\n";
    if (pointToHelp)
        err << "Try vellamor --help\n";
    return e.status;
}

void ListZones(std::ostream& out) {
    const auto& table = LoadTimeZoneTable();
    for (int row = 0; row < kTimeZoneCount; ++row) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%2d  ", row);
        out << buf << table[static_cast<std::size_t>(row)].text << "\n";
    }
}

// A chart that could not be made, already reported on standard error: the
// exit status, and whether the rest of the files may still succeed.
struct Refusal {
    int status = 1;
    bool stop = false;  // the place is unknown: no further file can succeed
};

// The chart the options describe, the atlas filling the place first for
// --place (keeping what was given by hand).
Expected<Chart, Refusal> ChartFromOptions(const Invocation& inv, const HeadlessServices& services,
                                          std::ostream& err) {
    EntryForm form = inv.form;
    if (inv.place) {
        const PlaceResolution r = services.resolvePlace(
            *inv.place, form, ExplicitPlaceFieldsFromOptions(inv.chartOptions), inv.calculation);
        if (!r)
            return Fail(Refusal{Report(err, {UnknownPlaceMessage(r.error()), 2}), true});
        form = r->form;
        if (!r->note.empty())
            err << "vellamor: " << r->note << "\n";
    }
    auto made = ChartFromForm(form, inv.calculation);
    if (!made)
        return Fail(Refusal{Report(err, {OpeningErrorText(made.error()), 1}), true});
    return std::move(*made);
}

// One chart file, the atlas replacing its place for --place. A refused file
// is reported as "FILE: message".
Expected<Chart, Refusal> ChartFromFile(const std::string& file, const Invocation& inv,
                                       const HeadlessServices& services, std::ostream& out,
                                       std::ostream& err) {
    std::string placeError, placeNote;
    FormAdjustment atPlace;
    if (inv.place) {
        atPlace = [&](EntryForm& form) {
            // A chart file's fields are not options given by hand: the atlas
            // replaces the place, its coordinates, zone and box.
            const PlaceResolution r =
                services.resolvePlace(*inv.place, form, ExplicitPlaceFields{}, inv.calculation);
            if (!r) {
                placeError = UnknownPlaceMessage(r.error());
                return;
            }
            form = r->form;
            placeNote = r->note;
        };
    }
    // A save cut off by a kill or a power cut is put right, and said so.
    if (const auto recovered = RecoverInterruptedRewrite(file); recovered) {
        if (const std::string_view note = InterruptedRewriteText(*recovered); !note.empty())
            err << EscapeControls(file) << ": " << note << "\n";
    }
    auto opened = OpenChartFile(file, atPlace, inv.calculation);
    if (!placeError.empty()) {
        out.flush();
        return Fail(Refusal{Report(err, {placeError, 2}), true});
    }
    if (!placeNote.empty())
        err << EscapeControls(file) << ": " << placeNote << "\n";
    if (!opened) {
        out.flush();
        // A refused file: the sentence, then why.
        const OpeningError& e = opened.error();
        err << EscapeControls(file) << ": " << OpeningErrorText(e)
            << (e.file ? " (" + ChartFileReasonText(*e.file) + ")" : std::string()) << "\n";
        return Fail(Refusal{1, false});
    }
    return std::move(*opened);
}

}  // namespace

std::string UnknownPlaceMessage(const UnknownPlace& unknown) {
    if (!unknown.atlasFault.empty())
        return "cannot look up " + QuotedExcerpt(unknown.query) + ": " + unknown.atlasFault +
               "; give --lat, --lon and the zone instead";
    std::string message = "no place " + QuotedExcerpt(unknown.query) + " in the atlas";
    if (!unknown.nearest.empty()) {
        message += "; nearest:";
        for (const std::string& label : unknown.nearest)
            message += "\n  " + label;
    }
    return message;
}

Expected<void, std::string> AppendChartOutput(std::string& out, const Chart& chart,
                                              const Invocation& inv,
                                              std::optional<std::uint64_t> row,
                                              SignStayMemo* signStays) {
    std::optional<ChartReading> reading;
    if (inv.reading) {
        auto computed = ComputeReading(chart, *inv.reading, signStays);
        if (!computed)
            return Fail(std::string(ReadingErrorText(computed.error())));
        reading = std::move(*computed);
    }
    if (inv.mode == HeadlessMode::Json) {
        // The chart's own keys, then the optional ones in a fixed order; the
        // reading's two come after those, and a births table's "row" last.
        JsonWriter w(out);
        w.BeginObject();
        WriteChartMembers(w, chart);
        if (inv.stability) {
            w.Key("stability");
            WriteStability(w, AnalyzeChartStability(chart));
        }
        w.Key("entry");
        WriteEntry(w, chart.birth);
        if (chart.precise()) {
            w.Key("calculation");
            WriteCalculation(w, chart);
        }
        if (reading)
            WriteReadingMembers(w, *reading);
        if (row) {
            w.Key("row");
            w.Integer(static_cast<std::int64_t>(*row));
        }
        w.EndObject();
    } else {
        out += ChartPrintout(chart);
        out += "\n";
        out += StabilityText(AnalyzeChartStability(chart));
        if (reading) {
            out += "\n";
            out += ReadingPrintout(chart, *reading);
        }
    }
    return {};
}

namespace {

int RunMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const HeadlessServices& services);

}  // namespace

int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const HeadlessServices& services) {
    const int status = RunMode(args, out, err, services);
    // Output that never arrived is a failure, whatever the mode made of it:
    // a full disk or a closed pipe often shows only when the last bytes go.
    // The modes stop at the first write that fails.
    out.flush();
    if (out)
        return status;
    err << "vellamor: standard output: " << OutputFailureReason(out) << "\n";
    return status != 0 ? status : 1;
}

namespace {

int RunMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const HeadlessServices& services) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed)
        return Report(err, parsed.error(), parsed.error().status == 2);
    const Invocation& inv = *parsed;

    if (inv.place && !services.resolvePlace)
        return Report(err, {"--place needs the atlas, which this build does not have", 2});
    if (inv.place && !inv.files.empty()) {
        // An unknown place is an error before any chart is read.
        const PlaceResolution probe =
            services.resolvePlace(*inv.place, EntryForm{}, ExplicitPlaceFields{}, inv.calculation);
        if (!probe)
            return Report(err, {UnknownPlaceMessage(probe.error()), 2});
    }

    switch (inv.mode) {
        case HeadlessMode::Help:
            out << UsageText();
            return 0;
        case HeadlessMode::Version:
            out << "vellamor " << kVersion << "\n";
            return 0;
        case HeadlessMode::ListZones:
            ListZones(out);
            return 0;
        case HeadlessMode::Stations:
            out << StationTablesCsv();
            return 0;
        case HeadlessMode::Save: {
            const auto chart = ChartFromOptions(inv, services, err);
            if (!chart)
                return chart.error().status;
            const auto written = WriteChartFile(inv.outputPath, chart->birth);
            if (!written)
                return Report(err, {ChartWriteText(written.error()), 1});
            return 0;
        }
        case HeadlessMode::Export: {
            if (!services.exportSheet)
                return Report(err, {"this build has no drawing: --export is not available", 2});
            const auto chart = inv.files.empty()
                                   ? ChartFromOptions(inv, services, err)
                                   : ChartFromFile(inv.files.front(), inv, services, out, err);
            if (!chart)
                return chart.error().status;
            Expected<void, SheetExportError> exported;
            if (inv.reading) {
                const auto reading = ComputeReading(*chart, *inv.reading);
                if (!reading)
                    return Report(err, {std::string(ReadingErrorText(reading.error())), 1});
                if (!services.exportReadingSheet)
                    return Report(err, {"this build cannot draw a reading", 2});
                if (services.prepareDrawing)
                    services.prepareDrawing();
                exported = services.exportReadingSheet(*chart, *reading, inv.outputPath);
            } else {
                if (services.prepareDrawing)
                    services.prepareDrawing();
                exported = services.exportSheet(*chart, inv.outputPath);
            }
            if (!exported)
                return Report(err, {SheetExportText(exported.error()), 1});
            return 0;
        }
        case HeadlessMode::None:
        case HeadlessMode::Json:
        case HeadlessMode::Print:
            break;
    }

    if (inv.births)
        return RunBirthsTable(inv, services, out, err);
    // Returns false when the chart cannot be read at the reading.
    auto emit = [&, first = true](const Chart& chart, std::string_view source) mutable {
        std::string text;
        if (inv.mode == HeadlessMode::Print && !first)
            text += "\n";
        if (const auto written = AppendChartOutput(text, chart, inv); !written) {
            out.flush();
            err << source << written.error() << "\n";
            return false;
        }
        if (inv.mode == HeadlessMode::Json)
            text += "\n";
        out << text;
        first = false;
        return true;
    };
    if (inv.files.empty()) {
        const auto chart = ChartFromOptions(inv, services, err);
        if (!chart)
            return chart.error().status;
        return emit(*chart, "vellamor: ") ? 0 : 1;
    }
    int status = 0;
    for (const std::string& file : inv.files) {
        const auto chart = ChartFromFile(file, inv, services, out, err);
        if (chart) {
            if (!emit(*chart, EscapeControls(file) + ": "))
                status = 1;
            if (!out)
                return status;  // said once, by the caller
            continue;
        }
        if (chart.error().stop)
            return chart.error().status;
        status = chart.error().status;
    }
    return status;
}

}  // namespace

}  // namespace vellamor
