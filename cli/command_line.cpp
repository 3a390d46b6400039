#include "cli/command_line.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "cli/chart_report.h"
#include "core/astro/time_zones.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_stability.h"
#include "core/chart/entry_form.h"
#include "core/chart/stability_report.h"
#include "core/retro/station_table.h"

namespace vellamor {
namespace {

using Error = std::optional<CommandLineError>;

CommandLineError Usage(std::string message) {
    return {std::move(message), 2};
}
CommandLineError Refused(std::string_view option, std::string_view message) {
    return {std::string(option) + ": " + std::string(message), 1};
}
std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

std::optional<int> Number(std::string_view s, std::size_t minDigits, std::size_t maxDigits) {
    return DigitRunValue(s, minDigits, maxDigits);
}

Error OutOfRange(std::string_view option, std::string_view what, int low, int high, int got) {
    return Usage(std::string(option) + ": the " + std::string(what) + " must be " +
                 std::to_string(low) + " to " + std::to_string(high) + " (got " +
                 std::to_string(got) + ")");
}

// The three kinds of sheet, by extension in any case.
bool HasSheetExtension(std::string_view path) {
    if (path.size() < 5 || path[path.size() - 4] != '.')
        return false;
    std::string ext(path.substr(path.size() - 3));
    for (char& c : ext)
        c = static_cast<char>(c | 0x20);
    return ext == "png" || ext == "svg" || ext == "pdf";
}

Error SetMode(Invocation& inv, HeadlessMode mode, std::string_view option) {
    if (inv.mode != HeadlessMode::None && inv.mode != mode)
        return Usage("choose one of --json, --print, --save, --export, --zones and --stations");
    inv.mode = mode;
    inv.modeOption = option;
    return std::nullopt;
}

// The letter boxes: what the keystroke filter lets through, up to the box's
// length.
Error LetterText(std::string_view option, std::string_view value, std::string& box) {
    if (!IsLetterText(value))
        return Refused(option, kLettersOnlyMessage);
    if (value.size() > static_cast<std::size_t>(kMaxTextLength))
        return Usage(std::string(option) + ": at most " + std::to_string(kMaxTextLength) +
                     " characters");
    box = value;
    return std::nullopt;
}

// DEG:MIN followed by a hemisphere letter (optional): each part goes into its
// box as typed, so an empty part meets the window's own "Please Enter ..."
// check.
template <typename Option>
Error Coordinate(std::string_view option, std::string_view value, std::string& degrees,
                 std::string& minutes, Option& hemisphere, char first, char second) {
    const std::string expected = std::string(option) + ": expected DD:MM followed by " + first +
                                 " or " + second + ", got " + Quoted(value);
    std::string_view v = value;
    if (!v.empty()) {
        const char last = static_cast<char>(v.back() & ~0x20);  // ASCII upper case
        if (last == first || last == second) {
            hemisphere = last == first ? static_cast<Option>(0) : static_cast<Option>(1);
            v.remove_suffix(1);
        } else if (last >= 'A' && last <= 'Z') {
            return Usage(expected);
        }
    }
    const std::size_t colon = v.find(':');
    if (colon == std::string_view::npos || v.find(':', colon + 1) != std::string_view::npos)
        return Usage(expected);
    const std::string_view deg = v.substr(0, colon);
    const std::string_view min = v.substr(colon + 1);
    if (!IsDigitText(deg) || !IsDigitText(min))
        return Refused(option, kNumbersOnlyMessage);
    if (deg.size() > static_cast<std::size_t>(kMaxDigits) ||
        min.size() > static_cast<std::size_t>(kMaxDigits))
        return Usage(std::string(option) +
                     ": degrees and minutes take at most three digits each (0 to 999)");
    degrees = deg;
    minutes = min;
    return std::nullopt;
}

Error ApplyDate(std::string_view value, Invocation& inv) {
    const std::size_t a = value.find('-');
    const std::size_t b = a == std::string_view::npos ? a : value.find('-', a + 1);
    std::optional<int> y, m, d;
    if (b != std::string_view::npos) {
        y = Number(value.substr(0, a), 4, 4);
        m = Number(value.substr(a + 1, b - a - 1), 1, 2);
        d = Number(value.substr(b + 1), 1, 2);
    }
    if (!y || !m || !d)
        return Usage("--date: expected YYYY-MM-DD, got " + Quoted(value));
    if (*y < kFirstYear || *y > kLastYear)
        return OutOfRange("--date", "year", kFirstYear, kLastYear, *y);
    if (*m < 1 || *m > 12)
        return OutOfRange("--date", "month", 1, 12, *m);
    // Day 31 of a 30-day month is on the list; the window's own date checks
    // refuse it later, with their messages.
    if (*d < 1 || *d > 31)
        return OutOfRange("--date", "day", 1, 31, *d);
    inv.form.yearIndex = *y - kFirstYear;
    inv.form.monthIndex = *m - 1;
    inv.form.dayIndex = *d - 1;
    return std::nullopt;
}

Error ApplyTime(std::string_view value, Invocation& inv) {
    const std::size_t colon = value.find(':');
    std::optional<int> h, m;
    if (colon != std::string_view::npos) {
        h = Number(value.substr(0, colon), 1, 2);
        m = Number(value.substr(colon + 1), 1, 2);
    }
    if (!h || !m)
        return Usage("--time: expected HH:MM, got " + Quoted(value));
    if (*h > 23)
        return OutOfRange("--time", "hour", 0, 23, *h);
    if (*m > 59)
        return OutOfRange("--time", "minute", 0, 59, *m);
    inv.form.hourIndex = *h;
    inv.form.minuteIndex = *m;
    return std::nullopt;
}

Error ApplyZone(std::string_view value, Invocation& inv) {
    const auto row = Number(value, 1, 3);
    if (!row)
        return Usage("--zone: expected a row number 0 to " + std::to_string(kTimeZoneCount - 1) +
                     " (see --zones), got " + Quoted(value));
    if (*row >= kTimeZoneCount)
        return OutOfRange("--zone", "row", 0, kTimeZoneCount - 1, *row);
    inv.form.zoneIndex = *row;
    return std::nullopt;
}

const std::vector<CommandLineOption> kOptions{
    // Modes.
    {"--help", "-h", "", "show this text", false,
     [](std::string_view, Invocation& inv) { return SetMode(inv, HeadlessMode::Help, "--help"); }},
    {"--json", "", "", "print one JSON object per chart, one per line", false,
     [](std::string_view, Invocation& inv) { return SetMode(inv, HeadlessMode::Json, "--json"); }},
    {"--print", "", "", "print each chart as readable text", false,
     [](std::string_view, Invocation& inv) {
         return SetMode(inv, HeadlessMode::Print, "--print");
     }},
    {"--save", "", "OUT.sud", "write the chart of the chart options to a file", false,
     [](std::string_view v, Invocation& inv) {
         if (!HasChartExtension(v))
             return Error(Usage("--save: the file name must end in .sud"));
         inv.outputPath = v;
         return SetMode(inv, HeadlessMode::Save, "--save");
     }},
    {"--export", "", "OUT.png|OUT.svg|OUT.pdf", "draw the chart sheet (chakra, details, key)",
     false,
     [](std::string_view v, Invocation& inv) {
         if (!HasSheetExtension(v))
             return Error(Usage("--export: the file name must end in .png, .svg or .pdf"));
         inv.outputPath = v;
         return SetMode(inv, HeadlessMode::Export, "--export");
     }},
    {"--stability", "", "", "with --json: add how far to trust the chart", false,
     [](std::string_view, Invocation& inv) {
         inv.stability = true;
         return Error();
     }},
    {"--stations", "", "", "print the retrograde station tables as CSV", false,
     [](std::string_view, Invocation& inv) {
         return SetMode(inv, HeadlessMode::Stations, "--stations");
     }},
    {"--zones", "", "", "list the time-zone rows for --zone", false,
     [](std::string_view, Invocation& inv) {
         return SetMode(inv, HeadlessMode::ListZones, "--zones");
     }},
    // The chart: one option per box or list of the entry window.
    {"--name", "", "TEXT", "name (letters and blanks)", true,
     [](std::string_view v, Invocation& inv) { return LetterText("--name", v, inv.form.name); }},
    {"--date", "", "YYYY-MM-DD", "date of birth, 1901-01-01 to 2050-12-31", true, ApplyDate},
    {"--time", "", "HH:MM", "local clock time of birth, 00:00 to 23:59", true, ApplyTime},
    {"--zone", "", "ROW", "time-zone row, 0 to 70 (see --zones)", true, ApplyZone},
    {"--dst", "", "", "daylight saving time was in force", true,
     [](std::string_view, Invocation& inv) {
         inv.form.daylightSaving = true;
         return Error();
     }},
    {"--lat", "", "DD:MM[N|S]", "latitude, degrees and minutes (N if no letter)", true,
     [](std::string_view v, Invocation& inv) {
         return Coordinate("--lat", v, inv.form.latDegrees, inv.form.latMinutes, inv.form.latitude,
                           'N', 'S');
     }},
    {"--lon", "", "DDD:MM[E|W]", "longitude, degrees and minutes (E if no letter)", true,
     [](std::string_view v, Invocation& inv) {
         return Coordinate("--lon", v, inv.form.lonDegrees, inv.form.lonMinutes, inv.form.longitude,
                           'E', 'W');
     }},
    {"--city", "", "TEXT", "city of birth (letters and blanks)", true,
     [](std::string_view v, Invocation& inv) { return LetterText("--city", v, inv.form.city); }},
    {"--state", "", "TEXT", "state of birth (letters and blanks)", true,
     [](std::string_view v, Invocation& inv) { return LetterText("--state", v, inv.form.state); }},
    {"--country", "", "TEXT", "country of birth (letters and blanks)", true,
     [](std::string_view v, Invocation& inv) {
         return LetterText("--country", v, inv.form.country);
     }},
    // Not a box of the window but the atlas: it fills the place, its
    // coordinates, zone and daylight saving for the chart's date, leaving
    // what other chart options set by hand. With chart files it replaces
    // each file's place.
    {"--place", "", "\"City[, State][, Country]\"", "the birth place from the atlas (see below)",
     false,
     [](std::string_view v, Invocation& inv) {
         inv.place = std::string(v);
         return Error();
     }},
};

const CommandLineOption* FindOption(std::string_view name) {
    for (const CommandLineOption& o : kOptions)
        if (o.name == name || (!o.alias.empty() && o.alias == name))
            return &o;
    return nullptr;
}

// Help wins over everything else on the line, even a bad option before it.
// The arguments are walked as the parser walks them: "--" given as an
// option's value ("--place --") does not end the options, so a --help after
// it is seen here as well as by the parser. A value of --help asks for help.
bool IsHelpRequest(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--")
            return false;
        if (args[i] == "--help" || args[i] == "-h")
            return true;
        const CommandLineOption* option = FindOption(args[i]);
        if (option && !option->value.empty() && i + 1 < args.size()) {
            ++i;
            if (args[i] == "--help" || args[i] == "-h")
                return true;
        }
    }
    return false;
}

// Checks that concern the whole command line rather than one option.
Error CheckSources(const Invocation& inv) {
    const bool byOptions = !inv.chartOptions.empty() || (inv.place && inv.files.empty());
    const bool byFiles = !inv.files.empty();
    switch (inv.mode) {
        case HeadlessMode::Help:
            return std::nullopt;
        case HeadlessMode::ListZones:
            if (byOptions || byFiles)
                return Usage("--zones takes no chart");
            return std::nullopt;
        case HeadlessMode::Stations:
            if (byOptions || byFiles)
                return Usage("--stations takes no chart file");
            return std::nullopt;
        case HeadlessMode::None:
            if (byOptions)
                return Usage(
                    (inv.chartOptions.empty() ? std::string("--place") : inv.chartOptions.front()) +
                    " needs one of --json, --print, --save and --export");
            break;
        case HeadlessMode::Save:
            if (byFiles)
                return Usage(
                    "--save writes the chart given by the chart options; it takes no "
                    "chart file");
            return std::nullopt;
        case HeadlessMode::Export:
            if (inv.files.size() > 1)
                return Usage("--export draws one chart");
            break;
        case HeadlessMode::Json:
        case HeadlessMode::Print:
            break;
    }
    if (byOptions && byFiles)
        return Usage("give either chart files or chart options, not both");
    if (!byOptions && !byFiles)
        return Usage("no chart file given");
    return std::nullopt;
}

int Fail(std::ostream& err, const CommandLineError& e, bool pointToHelp = false) {
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

}  // namespace

const std::vector<CommandLineOption>& CommandLineOptions() {
    return kOptions;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    Invocation& inv = parsed.invocation;
    if (IsHelpRequest(args)) {
        inv.mode = HeadlessMode::Help;
        inv.modeOption = "--help";
        return parsed;
    }
    std::vector<std::string_view> seen;
    bool filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (filesOnly || a.size() < 2 || a[0] != '-') {
            inv.files.push_back(a);
            continue;
        }
        if (a == "--") {
            filesOnly = true;
            continue;
        }
        const std::size_t eq = a.rfind("--", 0) == 0 ? a.find('=') : std::string::npos;
        const std::string name = a.substr(0, eq);
        const CommandLineOption* option = FindOption(name);
        if (!option) {
            parsed.error = Usage("unknown option " + name);
            return parsed;
        }
        std::string value;
        if (option->value.empty()) {
            if (eq != std::string::npos) {
                parsed.error = Usage(std::string(option->name) + " takes no value");
                return parsed;
            }
        } else if (eq != std::string::npos) {
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            parsed.error = Usage(std::string(option->name) + " needs a value (" +
                                 std::string(option->value) + ")");
            return parsed;
        }
        if (std::find(seen.begin(), seen.end(), option->name) != seen.end()) {
            parsed.error = Usage(std::string(option->name) + " is given twice");
            return parsed;
        }
        seen.push_back(option->name);
        if (auto e = option->apply(value, inv)) {
            parsed.error = std::move(e);
            return parsed;
        }
        if (option->describesChart)
            inv.chartOptions.emplace_back(option->name);
    }
    parsed.error = CheckSources(inv);
    return parsed;
}

std::string UsageText() {
    std::string text =
        "Usage:\n"
        "  vellamor                      start the desktop program\n"
        "  vellamor FILE.sud             start the desktop program with a chart\n"
        "  vellamor --json FILE.sud...   print one JSON object per chart, one per line\n"
        "  vellamor --print FILE.sud...  print each chart as readable text, with how far\n"
        "                                to trust it (sign changes, stations, zone)\n"
        "  vellamor --json --stability FILE.sud...\n"
        "                                add that information under \"stability\"\n"
        "  vellamor --json|--print CHART-OPTIONS\n"
        "                                the same for the chart given by the options\n"
        "  vellamor --save OUT.sud CHART-OPTIONS\n"
        "                                write a chart file that the program opens\n"
        "  vellamor --export OUT.png|OUT.svg|OUT.pdf FILE.sud|CHART-OPTIONS\n"
        "                                draw the printable chart sheet (PNG 2000 x 2000\n"
        "                                pixels; SVG and PDF as vectors); no display\n"
        "  vellamor --zones              list the time-zone rows\n"
        "  vellamor --stations           print the retrograde station tables as CSV\n"
        "  vellamor --help               show this text\n"
        "\nOptions:\n";
    auto append = [&text](const CommandLineOption& o) {
        std::string left = "  " + std::string(o.name);
        if (!o.alias.empty())
            left = "  " + std::string(o.alias) + ", " + std::string(o.name);
        if (!o.value.empty())
            left += " " + std::string(o.value);
        if (left.size() < 32)
            left.resize(32, ' ');
        else
            left += "\n" + std::string(32, ' ');
        text += left + std::string(o.help) + "\n";
    };
    for (const CommandLineOption& o : kOptions)
        if (!o.describesChart)
            append(o);
    text +=
        "\nChart options (as on the entry window; an option left out keeps the fresh\n"
        "window's value: date 1901-01-01, time 00:00, zone row 0, North, East, no\n"
        "daylight saving, empty texts):\n";
    for (const CommandLineOption& o : kOptions)
        if (o.describesChart)
            append(o);
    text +=
        "\nValues may also be written --option=VALUE. The chart options are checked as\n"
        "the entry window checks its input, with its messages and in its order; a\n"
        "chart that fails writes nothing.\n"
        "\n"
        "A chart that is refused or fails validation prints \"FILE: message\" on\n"
        "standard error; the exit status is then 1, and the other files are still\n"
        "processed. Usage errors exit with status 2.\n"
        "\n"
        "--place looks up the city, keeps the places whose state or country\n"
        "contains each further part, and takes the most populous; what the atlas\n"
        "decided about the zone is printed on standard error. A place the atlas\n"
        "does not know is an error that lists the nearest ones. With chart options\n"
        "it fills what --city, --state, --country, --lat, --lon, --zone and --dst\n"
        "leave out; with chart files it replaces each file's place.\n"
        "\n"
        "Web addresses: the desktop program reads HelpPage, HomePage, DownloadPage and\n"
        "CoordinatesSearch (a template: %1 is the search text, %2 the home page) in the\n"
        "[Links] section of $XDG_CONFIG_HOME/Vellamor/vellamor.conf, and for every\n"
        "installation in /etc/xdg/Vellamor/vellamor.conf.\n";
    return text;
}

bool IsHeadlessInvocation(const std::vector<std::string>& args) {
    // The program's own options all begin with two dashes (and -h); Qt's
    // options for the windowed program (-style, -platform, -reverse, ...)
    // begin with one and start the windows as usual.
    for (const std::string& a : args) {
        if (a == "-h" || (a.size() > 2 && a[0] == '-' && a[1] == '-'))
            return true;
        if (a == "--")
            return false;
    }
    return false;
}

OpenedChart ChartFromForm(const EntryForm& form) {
    OpenedChart result;
    if (auto problem = ValidateInput(form)) {
        result.error = problem->message;
        return result;
    }
    result.chart = CalculateChart(CopyFormToBirthData(form));
    result.ok = true;
    return result;
}

OpenedChart OpenChartFile(const std::string& path) {
    return OpenChartFile(path, {});
}

OpenedChart OpenChartFile(const std::string& path, const FormAdjustment& adjust) {
    ChartReadResult read = ReadChartFile(path);
    if (!read.ok()) {
        OpenedChart result;
        result.error = read.error;
        return result;
    }
    EntryForm form = ApplyChartFields(EntryForm{}, *read.fields);
    if (adjust)
        adjust(form);
    return ChartFromForm(form);
}

namespace {

// The chart the options describe, the atlas filling the place first for
// --place (keeping what was given by hand). Returns 0 with `chart` filled, or
// the exit status of a failure already reported.
int ChartFromOptions(const Invocation& inv, const HeadlessServices& services, std::ostream& err,
                     Chart& chart) {
    EntryForm form = inv.form;
    if (inv.place) {
        const PlaceResolution r = services.resolvePlace(
            *inv.place, form, ExplicitPlaceFieldsFromOptions(inv.chartOptions));
        if (!r.ok)
            return Fail(err, {r.error, 2});
        form = r.form;
        if (!r.note.empty())
            err << "vellamor: " << r.note << "\n";
    }
    const OpenedChart made = ChartFromForm(form);
    if (!made.ok)
        return Fail(err, {made.error, 1});
    chart = made.chart;
    return 0;
}

struct FileChart {
    std::optional<Chart> chart;
    int status = 0;
    bool stop = false;  // the place is unknown: no further file can succeed
};

// One chart file, the atlas replacing its place for --place. A refused file
// is reported as "FILE: message".
FileChart ChartFromFile(const std::string& file, const Invocation& inv,
                        const HeadlessServices& services, std::ostream& out, std::ostream& err) {
    std::string placeError, placeNote;
    FormAdjustment atPlace;
    if (inv.place) {
        atPlace = [&](EntryForm& form) {
            // A chart file's fields are not options given by hand: the atlas
            // replaces the place, its coordinates, zone and box.
            PlaceResolution r = services.resolvePlace(*inv.place, form, ExplicitPlaceFields{});
            if (!r.ok) {
                placeError = r.error;
                return;
            }
            form = r.form;
            placeNote = r.note;
        };
    }
    const OpenedChart opened = OpenChartFile(file, atPlace);
    if (!placeError.empty()) {
        out.flush();
        return {std::nullopt, Fail(err, {placeError, 2}), true};
    }
    if (!placeNote.empty())
        err << file << ": " << placeNote << "\n";
    if (!opened.ok) {
        out.flush();
        err << file << ": " << opened.error << "\n";
        return {std::nullopt, 1, false};
    }
    return {opened.chart, 0, false};
}

}  // namespace

int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const HeadlessServices& services) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (parsed.error)
        return Fail(err, *parsed.error, parsed.error->status == 2);
    const Invocation& inv = parsed.invocation;

    if (inv.place && !services.resolvePlace)
        return Fail(err, {"--place needs the atlas, which this build does not have", 2});
    if (inv.place && !inv.files.empty()) {
        // An unknown place is an error before any chart is read.
        const PlaceResolution probe =
            services.resolvePlace(*inv.place, EntryForm{}, ExplicitPlaceFields{});
        if (!probe.ok)
            return Fail(err, {probe.error, 2});
    }

    switch (inv.mode) {
        case HeadlessMode::Help:
            out << UsageText();
            return 0;
        case HeadlessMode::ListZones:
            ListZones(out);
            return 0;
        case HeadlessMode::Stations:
            out << StationTablesCsv();
            return 0;
        case HeadlessMode::Save: {
            Chart chart;
            if (const int status = ChartFromOptions(inv, services, err, chart))
                return status;
            const ChartWriteResult written = WriteChartFile(inv.outputPath, chart.birth);
            if (!written.ok)
                return Fail(err, {written.error, 1});
            return 0;
        }
        case HeadlessMode::Export: {
            if (!services.exportSheet)
                return Fail(err, {"this build has no drawing: --export is not available", 2});
            Chart chart;
            if (inv.files.empty()) {
                if (const int status = ChartFromOptions(inv, services, err, chart))
                    return status;
            } else {
                FileChart opened = ChartFromFile(inv.files.front(), inv, services, out, err);
                if (!opened.chart)
                    return opened.status;
                chart = std::move(*opened.chart);
            }
            const std::string failure = services.exportSheet(chart, inv.outputPath);
            if (!failure.empty())
                return Fail(err, {failure, 1});
            return 0;
        }
        case HeadlessMode::None:
        case HeadlessMode::Json:
        case HeadlessMode::Print:
            break;
    }

    auto emit = [&, first = true](const Chart& chart) mutable {
        if (inv.mode == HeadlessMode::Json) {
            std::string json = ChartJson(chart);
            if (inv.stability) {
                json.pop_back();  // the closing brace
                json += ", \"stability\": " + StabilityJson(AnalyzeChartStability(chart)) + "}";
            }
            json.pop_back();  // the entry comes after the rings and the stability
            json += ", \"entry\": " + EntryJson(chart.birth) + "}";
            out << json << "\n";
        } else {
            if (!first)
                out << "\n";
            out << ChartPrintout(chart) << "\n" << StabilityText(AnalyzeChartStability(chart));
        }
        first = false;
    };
    if (inv.files.empty()) {
        Chart chart;
        if (const int status = ChartFromOptions(inv, services, err, chart))
            return status;
        emit(chart);
        return 0;
    }
    int status = 0;
    for (const std::string& file : inv.files) {
        FileChart opened = ChartFromFile(file, inv, services, out, err);
        if (opened.stop)
            return opened.status;
        if (!opened.chart) {
            status = opened.status;
            continue;
        }
        emit(*opened.chart);
    }
    return status;
}

}  // namespace vellamor
