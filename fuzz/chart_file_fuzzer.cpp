// SPDX-License-Identifier: GPL-3.0-or-later
// Chart files come from anywhere: this target feeds arbitrary bytes through
// everything that opening a file does (reading, restoring the form, the
// checks, the calculation, the stability analysis, the JSON and the
// printout) and checks what must hold for any input.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "cli/chart_json.h"
#include "cli/chart_print.h"
#include "cli/wording.h"
#include "core/astro/bodies.h"
#include "core/chart/chart_format.h"
#include "core/chart/chart_opening.h"
#include "core/chart/chart_stability.h"
#include "core/chart/entry_form.h"
#include "core/chart/pipeline.h"
#include "fuzz_checks.h"
#include "json.h"

namespace {

using namespace vellamor;
using fuzz::Fail;
using fuzz::Require;

void CheckChart(const Chart& chart) {
    for (int i = 0; i < kBodyCount; ++i) {
        const double lon = chart.planets.longitudes[static_cast<std::size_t>(i)];
        Require(std::isfinite(lon) && lon >= 0 && lon <= 360, "longitude outside 0..360");
        const std::string_view text = chart.planets.positionTexts[static_cast<std::size_t>(i)];
        Require(text.size() >= 6 && kSignAbbreviationString.find(text.substr(3, 3)) % 3 == 0,
                "short position text names no sign");
    }
    for (int r = 0; r < kRingCount; ++r) {
        for (int h = 0; h < 12; ++h) {
            const int sign = SignNumber(chart.chakra.house(static_cast<Ring>(r), h).sign);
            Require(sign >= 1 && sign <= 12, "house sign outside 1..12");
        }
    }

    const std::string json = ChartJson(chart);
    Require(IsUtf8(json), "JSON is not UTF-8");
    try {
        const testjson::Value v = testjson::Parse(json);
        Require(v.at("name").get<std::string>() == chart.birth.name,
                "JSON name does not read back");
        Require(v.at("bodies").size() == static_cast<std::size_t>(kBodyCount), "JSON bodies");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Fail("JSON does not parse");
    }
    const std::string printout = ChartPrintout(chart);
    Require(!printout.empty() && IsUtf8(printout), "printout");

    const ChartStability stability = AnalyzeChartStability(chart);
    const std::string stabilityJson = StabilityJson(stability);
    Require(IsUtf8(stabilityJson), "stability JSON is not UTF-8");
    try {
        testjson::Parse(stabilityJson);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Fail("stability JSON does not parse");
    }
    Require(IsUtf8(StabilityText(stability)), "stability text is not UTF-8");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ChartReadResult read = ParseChartFile(bytes);
    if (!read) {
        const int line = read.error().line;
        Require(line >= 0 && line <= kChartFieldCount, "refusal names no line of the file");
        Require(!ChartFileReasonText(read.error()).empty(), "refusal without a reason");
        return 0;
    }
    const ChartFields& fields = *read;

    // What the writer can carry reads back unchanged; only a field that a
    // short file left empty may be refused, as a present but empty list line
    // is a value the form cannot take.
    if (const auto written = SerializeChartFile(fields)) {
        const ChartReadResult again = ParseChartFile(*written);
        if (again) {
            Require(*again == fields, "written fields do not read back");
        } else {
            const ChartFileError& e = again.error();
            Require(e.problem == ChartFileProblem::UnacceptableValue && e.line >= 1 &&
                        e.line <= kChartFieldCount &&
                        fields[static_cast<std::size_t>(e.line - 1)].empty(),
                    "written fields do not read back");
        }
    }

    const EntryForm form = ApplyChartFields(EntryForm{}, fields);
    if (!ValidateInput(form))
        return 0;
    CheckChart(CalculateChart(CopyFormToBirthData(form)));
    return 0;
}
