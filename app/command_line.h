// The headless command line: everything `vellamor` does without a display.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/pipeline.h"
#include "app/place_option.h"

namespace vellamor {

// True when the arguments ask for a headless mode (an option such as --json,
// --print or --help), false when the windowed program should start.
bool IsHeadlessInvocation(const std::vector<std::string>& args);

// What the headless modes need from outside the core.
struct HeadlessServices {
    PlaceResolver resolvePlace;  // empty: --place is not available in this build
};

// Runs a headless mode; returns the process exit status (0 success, 1 when a
// chart was refused or failed validation, 2 for a usage error or a place the
// atlas does not know).
int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const HeadlessServices& services = {});

struct OpenedChart {
    bool ok = false;
    std::string error;  // the program's own message
    Chart chart;
};

// Opens a chart file as a freshly started program would: default controls,
// the file's fields, validation, calculation.
OpenedChart OpenChartFile(const std::string& path);

// A change made to the form between reading it and validating it (--place).
using FormAdjustment = std::function<void(EntryForm&)>;
OpenedChart OpenChartFile(const std::string& path, const FormAdjustment& adjust);

std::string UsageText();

}  // namespace vellamor
