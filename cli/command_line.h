// The headless command line: everything `vellamor` does without a display.
//
// Options come from one table (CommandLineOptions): the parser, the checks of
// their values and the --help text are all driven by it, so a new option is
// one row and one handler.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/entry_form.h"
#include "core/chart/pipeline.h"
#include "core/chart/place_option.h"
#include "core/chart/transits.h"

namespace vellamor {

// True when the arguments ask for a headless mode (an option such as --json,
// --print or --help), false when the windowed program should start.
bool IsHeadlessInvocation(const std::vector<std::string>& args);

// Draws the printable sheet of a chart into `path` (PNG, SVG or PDF by its
// extension). Returns an empty string on success, otherwise a sentence for
// the user. The core cannot draw: the desktop build supplies one.
using SheetExporter = std::function<std::string(const Chart& chart, const std::string& path)>;

// The same sheet with a reading's highlights and transits on it.
using ReadingSheetExporter = std::function<std::string(
    const Chart& chart, const ChartReading& reading, const std::string& path)>;

// What the headless modes need from outside the core.
struct HeadlessServices {
    PlaceResolver resolvePlace = {};               // empty: --place is not available in this build
    SheetExporter exportSheet = {};                // empty: --export is not available in this build
    ReadingSheetExporter exportReadingSheet = {};  // empty: --export --reading is not available
};

// Runs a headless mode; returns the process exit status (0 success, 1 when a
// chart was refused, failed validation or could not be written, 2 for a usage
// error or a place the atlas does not know).
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

// Validates a filled entry form exactly as the window does, then calculates.
OpenedChart ChartFromForm(const EntryForm& form);

std::string UsageText();

// ---- Parsing -------------------------------------------------------------

enum class HeadlessMode { None, Help, Json, Print, Save, Export, ListZones, Stations };

struct Invocation {
    HeadlessMode mode = HeadlessMode::None;
    std::string modeOption;                 // the mode's option as typed, for messages
    std::string outputPath;                 // --save and --export
    std::vector<std::string> files;         // chart files
    EntryForm form;                         // a fresh entry window plus the chart options
    std::vector<std::string> chartOptions;  // chart options given, in order
    bool stability = false;                 // --json adds how far the chart can be trusted
    std::optional<std::string> place;       // --place "City[, State][, Country]"
    std::optional<CivilDateTime> reading;   // --reading, on the birth's clock
};

struct CommandLineError {
    std::string message;
    int status = 2;  // 2: usage; 1: a value the entry window would refuse
};

struct ParsedCommandLine {
    Invocation invocation;
    std::optional<CommandLineError> error;  // the first problem, in argument order
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// One row of the option table.
struct CommandLineOption {
    std::string_view name;   // "--date"
    std::string_view alias;  // "-h", or empty
    std::string_view value;  // what the value looks like, "YYYY-MM-DD"; empty for a switch
    std::string_view help;   // one line of --help
    bool describesChart;     // fills the entry form (and so excludes chart files)
    // Applies the value; the error's message starts with the option's name.
    std::optional<CommandLineError> (*apply)(std::string_view value, Invocation& invocation);
};

const std::vector<CommandLineOption>& CommandLineOptions();

}  // namespace vellamor
