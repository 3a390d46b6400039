// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <algorithm>

#include "cli/terminal_text.h"
#include "cli/wording.h"
#include "core/astro/time_zones.h"
#include "core/chart/chart_format.h"
#include "core/chart/entry_form.h"

namespace vellamor {
namespace {

using Error = Expected<void, CommandLineError>;

Unexpected<CommandLineError> Usage(std::string message) {
    return Fail(CommandLineError{std::move(message), 2});
}
// A value of the wrong characters for its option, in the words of the
// window's keystroke filter; like any value of the wrong shape, a usage
// error. (Only a chart the window's checks refuse exits with 1.)
Unexpected<CommandLineError> Refused(std::string_view option, std::string_view message) {
    return Usage(std::string(option) + ": " + std::string(message));
}
// A value given on the command line or in a table, quoted in a message;
// a control character in it would be obeyed by the terminal, and a cell
// of a megabyte would fill it.
std::string Quoted(std::string_view s) {
    return QuotedExcerpt(s);
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

// "D1, D2, ..., D60"
std::string VargaKeyList() {
    std::string list;
    for (std::string_view key : kVargaKeys)
        list += (list.empty() ? "" : ", ") + std::string(key);
    return list;
}

// "lahiri, raman, ..., true-chitra"
std::string AyanamsaKeyList() {
    std::string list;
    for (std::string_view key : kAyanamsaKeys)
        list += (list.empty() ? "" : ", ") + std::string(key);
    return list;
}

Error SetMode(Invocation& inv, HeadlessMode mode, std::string_view option) {
    if (inv.mode != HeadlessMode::None && inv.mode != mode)
        return Usage("choose one of --json, --print, --save, --export, --zones and --stations");
    inv.mode = mode;
    inv.modeOption = option;
    return {};
}

// The letter boxes: what the keystroke filter lets through, up to the box's
// length.
Error LetterText(std::string_view option, std::string_view value, std::string& box) {
    if (!IsLetterText(value))
        return Refused(option, kLettersOnlyText);
    if (value.size() > static_cast<std::size_t>(kMaxTextLength))
        return Usage(std::string(option) + ": at most " + std::to_string(kMaxTextLength) +
                     " characters");
    box = value;
    return {};
}

// DEG:MIN followed by a hemisphere letter (optional): each part goes into its
// box as typed, so an empty part meets the window's own "Please Enter ..."
// check.
template <typename Option>
Error Coordinate(std::string_view option, std::string_view value, std::string& degrees,
                 std::string& minutes, Option& hemisphere, char first, char second) {
    // Made only when needed: a table runs this twice a row.
    auto expected = [&] {
        return std::string(option) + ": expected DD:MM followed by " + first + " or " + second +
               ", got " + Quoted(value);
    };
    std::string_view v = value;
    if (!v.empty()) {
        const char last = static_cast<char>(v.back() & ~0x20);  // ASCII upper case
        if (last == first || last == second) {
            hemisphere = last == first ? static_cast<Option>(0) : static_cast<Option>(1);
            v.remove_suffix(1);
        } else if (last >= 'A' && last <= 'Z') {
            return Usage(expected());
        }
    }
    const std::size_t colon = v.find(':');
    if (colon == std::string_view::npos || v.find(':', colon + 1) != std::string_view::npos)
        return Usage(expected());
    const std::string_view deg = v.substr(0, colon);
    const std::string_view min = v.substr(colon + 1);
    if (!IsDigitText(deg) || !IsDigitText(min))
        return Refused(option, kNumbersOnlyText);
    if (deg.size() > static_cast<std::size_t>(kMaxDigits) ||
        min.size() > static_cast<std::size_t>(kMaxDigits))
        return Usage(std::string(option) +
                     ": degrees and minutes take at most three digits each (0 to 999)");
    // Minutes are two digits: "18:3" is more likely "18:3x" cut short than
    // 18 degrees 3 minutes.
    if (!min.empty() && min.size() != 2)
        return Usage(expected());
    degrees = deg;
    minutes = min;
    return {};
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
    return {};
}

Error ApplyTime(std::string_view value, Invocation& inv) {
    const std::size_t colon = value.find(':');
    std::optional<int> h, m;
    if (colon != std::string_view::npos) {
        h = Number(value.substr(0, colon), 1, 2);
        // Two digits, so that "23:5", a value cut short, is not 23:05.
        m = Number(value.substr(colon + 1), 2, 2);
    }
    if (!h || !m)
        return Usage("--time: expected HH:MM, got " + Quoted(value));
    if (*h > 23)
        return OutOfRange("--time", "hour", 0, 23, *h);
    if (*m > 59)
        return OutOfRange("--time", "minute", 0, 59, *m);
    inv.form.hourIndex = *h;
    inv.form.minuteIndex = *m;
    return {};
}

Error ApplyZone(std::string_view value, Invocation& inv) {
    const auto row = Number(value, 1, 3);
    if (!row)
        return Usage("--zone: expected a row number 0 to " + std::to_string(kTimeZoneCount - 1) +
                     " (see --zones), got " + Quoted(value));
    if (*row >= kTimeZoneCount)
        return OutOfRange("--zone", "row", 0, kTimeZoneCount - 1, *row);
    inv.form.zoneIndex = *row;
    return {};
}

// ±H:MM[:SS], the sign required; LMT is --lmt's.
Error ApplyOffset(std::string_view value, Invocation& inv) {
    const ParsedOffset parsed = ParseExactOffset(value, false);
    if (parsed.problem == OffsetTextProblem::OutOfRange)
        return Usage("--offset: the offset must lie within -14:00 to +14:00, got " + Quoted(value));
    if (!parsed.offset)
        return Usage("--offset: expected +H:MM or -H:MM, seconds optional (+05:21:10), got " +
                     Quoted(value));
    inv.form.exactOffset = *parsed.offset;
    return {};
}

// YYYY-MM-DD[THH:MM]; whether the date exists and lies in the chart's life
// is the core's to say, chart by chart.
Error ApplyReading(std::string_view value, Invocation& inv) {
    const auto expected = [&] {
        return Error(
            Usage("--reading: expected YYYY-MM-DD or YYYY-MM-DDTHH:MM, got " + Quoted(value)));
    };
    std::string_view date = value, time = "12:00";
    if (const std::size_t t = value.find('T'); t != std::string_view::npos) {
        date = value.substr(0, t);
        time = value.substr(t + 1);
    }
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || time.size() != 5 || time[2] != ':')
        return expected();
    const auto y = Number(date.substr(0, 4), 4, 4), m = Number(date.substr(5, 2), 2, 2),
               d = Number(date.substr(8, 2), 2, 2), h = Number(time.substr(0, 2), 2, 2),
               mi = Number(time.substr(3, 2), 2, 2);
    if (!y || !m || !d || !h || !mi)
        return expected();
    if (*m < 1 || *m > 12)
        return OutOfRange("--reading", "month", 1, 12, *m);
    if (*d < 1 || *d > 31)
        return OutOfRange("--reading", "day", 1, 31, *d);
    if (*h > 23)
        return OutOfRange("--reading", "hour", 0, 23, *h);
    if (*mi > 59)
        return OutOfRange("--reading", "minute", 0, 59, *mi);
    inv.reading = CivilDateTime{*y, *m, *d, *h, *mi};
    return {};
}

// One of a convention's keys, noted among the options that need another.
template <typename E, std::size_t N>
Error Convention(std::string_view option, const std::array<std::string_view, N>& keys,
                 std::string_view v, E& chosen, std::vector<std::string>& needsAnother) {
    const auto found = FromKey<E>(keys, v);
    if (!found) {
        std::string list;
        for (std::size_t i = 0; i < N; ++i)
            list += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(keys[i]);
        return Usage(std::string(option) + ": expected " + list + ", got " + Quoted(v));
    }
    chosen = *found;
    needsAnother.emplace_back(option);
    return {};
}

const std::vector<CommandLineOption> kOptions{
    // Modes.
    {"--help", "-h", "", "show this text", false,
     [](std::string_view, Invocation& inv) { return SetMode(inv, HeadlessMode::Help, "--help"); }},
    {"--version", "", "", "print the program's version", false,
     [](std::string_view, Invocation& inv) {
         return SetMode(inv, HeadlessMode::Version, "--version");
     }},
    {"--json", "", "", "print one JSON object per chart, one per line", false,
     [](std::string_view, Invocation& inv) { return SetMode(inv, HeadlessMode::Json, "--json"); }},
    {"--print", "", "", "print each chart as readable text", false,
     [](std::string_view, Invocation& inv) {
         return SetMode(inv, HeadlessMode::Print, "--print");
     }},
    {"--save", "", "OUT.sud", "write the chart of the chart options to a file", false,
     [](std::string_view v, Invocation& inv) {
         if (!v.ends_with(".sud"))
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
    {"--reading", "", "YYYY-MM-DD[THH:MM]", "the dasha and transits then (birth's clock)", false,
     ApplyReading},
    {"--vargas", "", "", "each body's sign in the 16 vargas (see below)", false,
     [](std::string_view, Invocation& inv) {
         inv.vargas = true;
         return Error();
     }},
    {"--varga", "", "DN", "the rings from a varga's signs (see below)", false,
     [](std::string_view v, Invocation& inv) {
         const auto varga = VargaOfKey(v);
         if (!varga)
             return Error(
                 Usage("--varga: expected one of " + VargaKeyList() + ", got " + Quoted(v)));
         inv.varga = *varga;
         return Error();
     }},
    {"--style", "", "sudarshan|north|south", "with --export: chakra, north or south chart", false,
     [](std::string_view v, Invocation& inv) {
         const auto style = ChartStyleOfKey(v);
         if (!style)
             return Error(Usage("--style: expected sudarshan, north or south, got " + Quoted(v)));
         inv.style = *style;
         return Error();
     }},
    {"--stations", "", "", "print the retrograde station tables as CSV", false,
     [](std::string_view, Invocation& inv) {
         return SetMode(inv, HeadlessMode::Stations, "--stations");
     }},
    {"--births", "", "FILE.csv|-", "one chart per row of a CSV table (see below)", false,
     [](std::string_view v, Invocation& inv) {
         inv.births = std::string(v);
         return Error();
     }},
    {"--jobs", "", "N", "with --births: rows at once (default: cores)", false,
     [](std::string_view v, Invocation& inv) {
         const auto n = Number(v, 1, 3);
         if (!n || *n < 1)
             return Error(Usage("--jobs: expected a number 1 to 999, got " + Quoted(v)));
         inv.jobs = *n;
         return Error();
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
    {"--offset", "", "+H:MM[:SS]", "exact UTC offset, for precise charts", true, ApplyOffset},
    {"--lmt", "", "", "local mean time, for precise charts", true,
     [](std::string_view, Invocation& inv) {
         inv.form.exactOffset = ExactOffset::LocalMeanTime();
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
    // How the chart is calculated: the classic formulas unless asked.
    {"--precise", "", "", "calculate with Swiss Ephemeris (see below)", false,
     [](std::string_view, Invocation& inv) {
         inv.calculation.method = CalculationMethod::Precise;
         return Error();
     }},
    {"--ayanamsa", "", "NAME", "with --precise: the ayanamsa (default lahiri)", false,
     [](std::string_view v, Invocation& inv) {
         const auto a = AyanamsaFromKey(v);
         if (!a)
             return Error(
                 Usage("--ayanamsa: expected one of " + AyanamsaKeyList() + ", got " + Quoted(v)));
         inv.calculation.ayanamsa = *a;
         inv.preciseOnly.emplace_back("--ayanamsa");
         return Error();
     }},
    {"--node", "", "mean|true", "with --precise: Rahu at the mean or true node", false,
     [](std::string_view v, Invocation& inv) {
         const auto n = LunarNodeFromKey(v);
         if (!n)
             return Error(Usage("--node: expected mean or true, got " + Quoted(v)));
         inv.calculation.node = *n;
         inv.preciseOnly.emplace_back("--node");
         return Error();
     }},
    // The schools' conventions, for a chart to match another program's.
    {"--positions", "", "apparent|geometric", "with --precise: see below (default apparent)", false,
     [](std::string_view v, Invocation& inv) {
         return Convention("--positions", kPositionsKeys, v, inv.calculation.positions,
                           inv.preciseOnly);
     }},
    {"--dasha-year", "", "julian|sidereal|tropical|savana",
     "with --reading: see below (default julian)", false,
     [](std::string_view v, Invocation& inv) {
         return Convention("--dasha-year", kDashaYearKeys, v, inv.calculation.dashaYear,
                           inv.readingOnly);
     }},
    {"--sudarshan-year", "", "birthday|solar-return",
     "with --reading: see below (default birthday)", false,
     [](std::string_view v, Invocation& inv) {
         return Convention("--sudarshan-year", kSudarshanYearKeys, v, inv.calculation.sudarshanYear,
                           inv.readingOnly);
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
    const auto given = [&](std::string_view name) {
        return std::find(inv.chartOptions.begin(), inv.chartOptions.end(), name) !=
               inv.chartOptions.end();
    };
    if (given("--offset") && given("--lmt"))
        return Usage("give either --offset or --lmt, not both");
    if (!inv.preciseOnly.empty() && !inv.calculation.precise())
        return Usage(inv.preciseOnly.front() + " goes only with --precise");
    if (!inv.readingOnly.empty() && !inv.reading)
        return Usage(inv.readingOnly.front() + " goes only with --reading");
    if (inv.reading && inv.mode != HeadlessMode::Json && inv.mode != HeadlessMode::Print &&
        inv.mode != HeadlessMode::Export && inv.mode != HeadlessMode::Help)
        return Usage("--reading goes only with --json, --print or --export" +
                     (inv.modeOption.empty() ? std::string() : ", not " + inv.modeOption));
    // Only --json and --print show how far a chart can be trusted; the
    // others would drop the option without a word.
    if (inv.stability && inv.mode != HeadlessMode::Json && inv.mode != HeadlessMode::Print &&
        inv.mode != HeadlessMode::Help)
        return Usage("--stability goes only with --json or --print" +
                     (inv.modeOption.empty() ? std::string() : ", not " + inv.modeOption));
    // A mode that calculates no chart would drop --precise without a word.
    if (inv.calculation.precise() &&
        (inv.mode == HeadlessMode::Version || inv.mode == HeadlessMode::ListZones ||
         inv.mode == HeadlessMode::Stations))
        return Usage("--precise goes only with a chart, not " + inv.modeOption);
    const auto modeNote = [&inv] {
        return inv.modeOption.empty() ? std::string() : ", not " + inv.modeOption;
    };
    const bool help = inv.mode == HeadlessMode::Help;
    if (inv.vargas && inv.mode != HeadlessMode::Json && inv.mode != HeadlessMode::Print && !help)
        return Usage("--vargas goes only with --json or --print" + modeNote());
    if (inv.varga && inv.mode != HeadlessMode::Json && inv.mode != HeadlessMode::Print &&
        inv.mode != HeadlessMode::Export && !help)
        return Usage("--varga goes only with --json, --print or --export" + modeNote());
    if (inv.style && inv.mode != HeadlessMode::Export && !help)
        return Usage("--style goes only with --export" + modeNote());
    // A reading's dasha and transits are counted on the rasi chart; read on
    // another varga's rings they would mean something else.
    if (inv.varga && *inv.varga != Varga::D1 && inv.reading && !help)
        return Usage("--varga " + std::string(kVargaKeys[*inv.varga]) +
                     " does not go with --reading: a reading is made on the rasi chart (D1) "
                     "only, for now");
    if (inv.style && *inv.style != ChartStyle::Sudarshan && inv.reading && !help)
        return Usage("--style " + std::string(kChartStyleKeys[*inv.style]) +
                     " does not go with --reading: the reading's marks are drawn on the "
                     "Sudarshan Chakra only");
    const bool byOptions = !inv.chartOptions.empty() || (inv.place && inv.files.empty());
    const bool byFiles = !inv.files.empty();
    if (inv.jobs && !inv.births)
        return Usage("--jobs works with --births");
    if (inv.births) {
        if (inv.mode != HeadlessMode::Json && inv.mode != HeadlessMode::Print)
            return Usage("--births works with --json or --print");
        if (inv.place)
            return Usage("--place does not apply to a births table; give it a place column");
        if (byOptions || byFiles)
            return Usage("give either a births table, chart files or chart options");
        return {};
    }
    switch (inv.mode) {
        case HeadlessMode::Help:
            return {};
        case HeadlessMode::Version:
            if (byOptions || byFiles)
                return Usage("--version takes no chart");
            return {};
        case HeadlessMode::ListZones:
            if (byOptions || byFiles)
                return Usage("--zones takes no chart");
            return {};
        case HeadlessMode::Stations:
            if (byOptions || byFiles)
                return Usage("--stations takes no chart file");
            return {};
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
            return {};
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
    return {};
}

}  // namespace

const std::vector<CommandLineOption>& CommandLineOptions() {
    return kOptions;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    Invocation inv;
    if (IsHelpRequest(args)) {
        inv.mode = HeadlessMode::Help;
        inv.modeOption = "--help";
        return inv;
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
        if (!option)
            return Usage("unknown option " + EscapeControls(name));
        std::string value;
        if (option->value.empty()) {
            if (eq != std::string::npos)
                return Usage(std::string(option->name) + " takes no value");
        } else if (eq != std::string::npos) {
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Usage(std::string(option->name) + " needs a value (" +
                         std::string(option->value) + ")");
        }
        if (std::find(seen.begin(), seen.end(), option->name) != seen.end())
            return Usage(std::string(option->name) + " is given twice");
        seen.push_back(option->name);
        if (Error applied = option->apply(value, inv); !applied)
            return Fail(applied.error());
        if (option->describesChart)
            inv.chartOptions.emplace_back(option->name);
    }
    if (Error sources = CheckSources(inv); !sources)
        return Fail(sources.error());
    return inv;
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

}  // namespace vellamor
