// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's options: one table (CommandLineOptions) drives the
// parser, the checks of the values and the --help text, so a new option is
// one row and one handler. Parsing turns the arguments into an Invocation,
// the mode with its chart sources, which the headless run carries out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/astro/calculation.h"
#include "core/astro/expected.h"
#include "core/astro/planet_positions.h"
#include "core/chart/entry_form.h"
#include "core/chart/indian_chart_layout.h"
#include "core/chart/vargas.h"

namespace vellamor {

// True when the arguments ask for a headless mode (an option such as --json,
// --print or --help), false when the windowed program should start.
bool IsHeadlessInvocation(const std::vector<std::string>& args);

enum class HeadlessMode { None, Help, Version, Json, Print, Save, Export, ListZones, Stations };

struct Invocation {
    HeadlessMode mode = HeadlessMode::None;
    std::string modeOption;                 // the mode's option as typed, for messages
    std::string outputPath;                 // --save and --export
    std::vector<std::string> files;         // chart files
    EntryForm form;                         // a fresh entry window plus the chart options
    std::vector<std::string> chartOptions;  // chart options given, in order
    bool stability = false;                 // --json adds how far the chart can be trusted
    std::optional<std::string> place;       // --place "City[, State][, Country]"
    std::optional<std::string> births;      // --births FILE.csv, or "-" for standard input
    int jobs = 0;                           // --jobs; 0: one per core
    std::optional<CivilDateTime> reading;   // --reading, on the birth's clock
    CalculationChoice calculation;          // --precise, --ayanamsa, --node and the conventions
    std::vector<std::string> preciseOnly;   // --ayanamsa, --node, --positions as given
    std::vector<std::string> readingOnly;   // --dasha-year and --sudarshan-year as given
    bool vargas = false;                    // --vargas: every body's sign in the sixteen vargas
    std::optional<Varga> varga;             // --varga: the rings from that varga's signs
    std::optional<ChartStyle> style;        // --style, for --export
};

struct CommandLineError {
    std::string message;
    int status = 2;  // 2: a usage error (a value of the wrong shape or characters)
};

// The invocation the arguments ask for, or the first problem in argument
// order.
using ParsedCommandLine = Expected<Invocation, CommandLineError>;
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// One row of the option table.
struct CommandLineOption {
    std::string_view name;   // "--date"
    std::string_view alias;  // "-h", or empty
    std::string_view value;  // what the value looks like, "YYYY-MM-DD"; empty for a switch
    std::string_view help;   // one line of --help
    bool describesChart;     // fills the entry form (and so excludes chart files)
    // Applies the value; the error's message starts with the option's name.
    Expected<void, CommandLineError> (*apply)(std::string_view value, Invocation& invocation);
};

const std::vector<CommandLineOption>& CommandLineOptions();

}  // namespace vellamor
