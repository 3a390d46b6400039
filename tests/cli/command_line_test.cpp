// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/chart_json.h"
#include "cli/checked_output.h"
#include "cli/headless.h"
#include "cli/options.h"
#include "cli/usage.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_opening.h"
#include "core/io/file_descriptor.h"
#include "core/version.h"
#include "json.h"

namespace vellamor {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// Pune, 5 March 1980, 7:05, Indian Time.
const Args kPune{"--name", "Ravi Kumar", "--date",  "1980-03-05",  "--time",    "7:05",
                 "--zone", "34",         "--lat",   "18:31N",      "--lon",     "73:51E",
                 "--city", "Pune",       "--state", "Maharashtra", "--country", "India"};

Args Concat(Args a, const Args& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string Join(const Args& args) {
    std::string s;
    for (const std::string& a : args)
        s += (s.empty() ? "" : " ") + a;
    return s;
}

class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "vellamor-cli-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Headless(const Args& args, const HeadlessServices& services = {}) {
    std::ostringstream out, err;
    const int status = RunHeadless(args, out, err, services);
    return {status, out.str(), err.str()};
}

std::string DataFile(const std::string& name) {
    return std::string(VELLAMOR_TEST_DATA) + "/" + name;
}

TEST(CommandLine, JsonPrintsOneObjectPerGoodFileAndNamesEachBadOne) {
    const std::string good = DataFile("charts/good.sud");
    const std::string damaged = DataFile("charts/control-byte.sud");
    const std::string invalid = DataFile("charts/short-six-lines.sud");
    const Outcome r =
        Headless({"--json", good, damaged, invalid, DataFile("reference-charts/chart-07.sud")});
    EXPECT_EQ(r.status, 1);
    std::istringstream lines(r.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        const auto v = testjson::Parse(line);
        EXPECT_EQ(v.at("bodies").size(), 13u);
        ++count;
    }
    EXPECT_EQ(count, 2);
    EXPECT_EQ(r.err, damaged + ": Please Check The File. (line 1 cannot be decoded)\n" + invalid +
                         ": Please Check The File. (the file ends after line 6)\n");
}

// Output that cannot be written is a failure, in every mode that prints,
// said in the system's words; a closed pipe stops a births table at once.
TEST(CommandLine, OutputThatCannotBeWrittenFails) {
    const std::string good = DataFile("charts/good.sud");
    for (const Args& args : {Args{"--json", good}, Args{"--print", good}, Args{"--help"},
                             Args{"--version"}, Args{"--zones"}, Args{"--stations"}}) {
        SCOPED_TRACE(args.front());
        const FileDescriptor full(::open("/dev/full", O_WRONLY | O_CLOEXEC));
        ASSERT_GE(full.get(), 0);
        CheckedOutput buffer(full.get());
        std::ostream out(&buffer);
        std::ostringstream err;
        EXPECT_EQ(RunHeadless(args, out, err, {}), 1);
        EXPECT_EQ(err.str(), "vellamor: standard output: No space left on device\n");
    }

    std::string table = "name,date,time,zone,lat,lon,city,state,country\n";
    while (table.size() < 2'000'000)
        table += "Asha,1980-03-05,07:05,34,18:31N,73:51E,Pune,Maharashtra,India\n";
    std::istringstream in(table);
    HeadlessServices services;
    services.standardInput = &in;
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const FileDescriptor closedPipe(ends[1]);
    CheckedOutput buffer(closedPipe.get());
    std::ostream out(&buffer);
    std::ostringstream err;
    const auto before = std::signal(SIGPIPE, SIG_IGN);
    const int status = RunHeadless({"--json", "--births", "-", "--jobs", "2"}, out, err, services);
    std::signal(SIGPIPE, before);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str(), "vellamor: standard output: Broken pipe\n");
    EXPECT_LT(in.tellg(), 400'000);  // the table was not read on

    // A write that fails is said at once, even one too large for the
    // buffer: no row after it is reached, the bad last row is not named.
    std::string rows = "name,date,time,zone,lat,lon,city,state,country\n";
    for (int i = 0; i < 300; ++i)
        rows += "Asha,1980-03-05,07:05,34,18:31N,73:51E,Pune,Maharashtra,India\n";
    std::istringstream tableThenBad(rows + "Bad,1980-13-05,07:05,34,18:31N,73:51E,a,b,c\n");
    services.standardInput = &tableThenBad;
    const FileDescriptor full(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    ASSERT_GE(full.get(), 0);
    CheckedOutput fullBuffer(full.get());
    std::ostream toFull(&fullBuffer);
    std::ostringstream fullErr;
    EXPECT_EQ(RunHeadless({"--json", "--births", "-", "--jobs", "1"}, toFull, fullErr, services),
              1);
    EXPECT_EQ(fullErr.str(), "vellamor: standard output: No space left on device\n");
}

TEST(CommandLine, PrintShowsDetailsPositionsAndRings) {
    const Outcome r = Headless({"--print", DataFile("charts/good.sud")});
    EXPECT_EQ(r.status, 0);
    for (const char* text :
         {"March 5, 1980", "7 HH 5 MM", "Indian Time, IST, +5.3", "Planetary Positions",
          "Birth Chart", "Moon Chart", "Sun Chart", "House 12"}) {
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    }
}

// The entry comes last among the chart's keys and reads back as options
// that make the same chart.
TEST(CommandLine, JsonEntryIsLastAndFeedsBackAsOptions) {
    const Outcome r = Headless({"--json", "--stability", DataFile("charts/good.sud")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto v = testjson::Parse(r.out);
    EXPECT_EQ(testjson::Keys(v), (std::vector<std::string>{"name", "details", "bodies", "rings",
                                                           "stability", "entry"}));
    const auto& e = v.at("entry");
    EXPECT_EQ(testjson::Keys(e), (std::vector<std::string>{"date", "time", "zone", "dst", "lat",
                                                           "lon", "city", "state", "country"}));
    Args again{"--json", "--stability", "--name", v.at("name").get<std::string>()};
    for (const char* key : {"date", "time", "lat", "lon", "city", "state", "country"})
        again.insert(again.end(), {std::string("--") + key, e.at(key).get<std::string>()});
    again.insert(again.end(),
                 {"--zone", std::to_string(static_cast<int>(e.at("zone").get<double>()))});
    if (e.at("dst").get<bool>())
        again.push_back("--dst");
    EXPECT_EQ(Headless(again).out, r.out);
    EXPECT_NE(Headless({"--print", DataFile("charts/good.sud")})
                  .out.find("Daylight Saving box unticked; North latitude, East longitude"),
              std::string::npos);
}

// A file is read whole or refused whole: the reason follows the sentence,
// and a place off the Earth is the entry window's own message.
TEST(CommandLine, ARefusedFileSaysWhy) {
    const std::string wrong = DataFile("charts/values-no-list-holds.sud");
    const std::string offEarth = DataFile("reference-charts/chart-18.sud");
    const Outcome r = Headless({"--json", wrong, offEarth});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, wrong + ": Please Check The File. (line 2: month 13 is not 1 to 12)\n" +
                         offEarth + ": Longitude Must Be At Most 180 Degrees\n");
}

TEST(CommandLine, UsageErrors) {
    EXPECT_EQ(Headless({"--json"}).status, 2);
    EXPECT_EQ(Headless({"--frobnicate", "x.sud"}).status, 2);
    const Outcome help = Headless({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--json"), std::string::npos);
    EXPECT_TRUE(IsHeadlessInvocation({"--json", "a.sud"}));
    EXPECT_FALSE(IsHeadlessInvocation({}));
    EXPECT_FALSE(IsHeadlessInvocation({"a.sud"}));
    // Qt's own options start the windows.
    EXPECT_FALSE(IsHeadlessInvocation({"-style", "fusion", "a.sud"}));
    EXPECT_TRUE(IsHeadlessInvocation({"-h"}));
}

// One rule for exit statuses: a value of the wrong shape or characters, or
// an option its mode would ignore, is a usage error (2, with the hint); a
// chart the entry window's checks refuse exits with 1.
TEST(CommandLine, ExitStatusesFollowOneRule) {
    TempDir dir;
    const std::string chart = DataFile("charts/good.sud");
    const std::string out = dir / "x.sud";
    const Args place = {"--name", "Ravi", "--city", "Pune", "--state", "M", "--country", "I"};
    struct Case {
        Args args;
        int status;
        std::string err;  // empty: not checked
    };
    const Case cases[] = {
        {Concat({"--json", "--lat", "18.5"}, place), 2, ""},
        {Concat({"--json", "--lat", "-18:31"}, place), 2,
         "vellamor: --lat: Please enter only numbers\nTry vellamor --help\n"},
        {Concat({"--json", "--lat", "91:00", "--lon", "73:51"}, place), 1,
         "vellamor: Latitude Must Be At Most 90 Degrees\n"},
        {Concat({"--save", out, "--lat", "18:31", "--lon", "180:30"}, place), 1,
         "vellamor: Longitude Must Be At Most 180 Degrees\n"},
        {{"--save", out, "--stability", "--name", "Ravi"},
         2,
         "vellamor: --stability goes only with --json or --print, not --save\nTry vellamor "
         "--help\n"},
        {{"--export", dir / "x.png", "--stability", chart}, 2, ""},
        {{"--zones", "--stability"}, 2, ""},
        {{"--stations", "--stability"}, 2, ""},
        {{"--print", "--stability", chart}, 0, ""},
        {{"--json", "--stability", chart}, 0, ""},
    };
    for (const Case& c : cases) {
        const Outcome r = Headless(c.args);
        EXPECT_EQ(r.status, c.status) << Join(c.args);
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err) << Join(c.args);
        }
    }
    EXPECT_FALSE(fs::exists(out));
}

// --print of several charts: one blank line between them, no more; --zones
// right-aligns its row numbers.
TEST(CommandLine, PrintoutsAndZoneRowsAreLaidOutExactly) {
    const std::string chart = DataFile("charts/good.sud");
    const Outcome one = Headless({"--print", chart});
    const Outcome two = Headless({"--print", chart, chart});
    ASSERT_EQ(one.status, 0);
    ASSERT_EQ(one.out.back(), '\n');
    EXPECT_EQ(two.out, one.out + "\n" + one.out);
    const Outcome zones = Headless({"--zones"});
    EXPECT_EQ(zones.out.substr(0, 4), " 0  ");
    EXPECT_NE(zones.out.find("\n 9  "), std::string::npos);
    EXPECT_NE(zones.out.find("\n10  "), std::string::npos);
}

TEST(CommandLineTest, ChartOptionsFillTheEntryForm) {
    const ParsedCommandLine p = ParseCommandLine(Concat({"--json"}, kPune));
    ASSERT_TRUE(p) << p.error().message;
    const EntryForm& f = p->form;
    EXPECT_EQ(f.name, "Ravi Kumar");
    EXPECT_EQ(f.dayIndex, 4);
    EXPECT_EQ(f.monthIndex, 2);
    EXPECT_EQ(f.yearIndex, 1980 - 1901);
    EXPECT_EQ(f.hourIndex, 7);
    EXPECT_EQ(f.minuteIndex, 5);
    EXPECT_EQ(f.zoneIndex, 34);
    EXPECT_EQ(f.latDegrees, "18");
    EXPECT_EQ(f.latMinutes, "31");
    EXPECT_EQ(f.latitude, LatitudeOption::North);
    EXPECT_EQ(f.lonDegrees, "73");
    EXPECT_EQ(f.lonMinutes, "51");
    EXPECT_EQ(f.longitude, LongitudeOption::East);
    EXPECT_FALSE(f.daylightSaving);
    EXPECT_EQ(f.country, "India");
    EXPECT_EQ(p->mode, HeadlessMode::Json);
}

TEST(CommandLineTest, OmittedOptionsKeepTheFreshWindowsDefaults) {
    const ParsedCommandLine p =
        ParseCommandLine({"--print", "--lat=033:05s", "--lon", "118:15w", "--dst"});
    ASSERT_TRUE(p) << p.error().message;
    EntryForm expected;
    expected.latDegrees = "033";  // as typed into the box
    expected.latMinutes = "05";
    expected.latitude = LatitudeOption::South;
    expected.lonDegrees = "118";
    expected.lonMinutes = "15";
    expected.longitude = LongitudeOption::West;
    expected.daylightSaving = true;
    EXPECT_EQ(p->form, expected);
}

TEST(CommandLineTest, RefusesValuesNoListHoldsAndTextsTheFiltersRefuse) {
    struct Case {
        Args args;
        const char* message;
        int status;
    };
    const Case cases[] = {
        {{"--date", "1850-01-01"}, "--date: the year must be 1901 to 2050 (got 1850)", 2},
        {{"--date", "2051-01-01"}, "--date: the year must be 1901 to 2050 (got 2051)", 2},
        {{"--date", "1980-13-01"}, "--date: the month must be 1 to 12 (got 13)", 2},
        {{"--date", "1980-02-32"}, "--date: the day must be 1 to 31 (got 32)", 2},
        {{"--date", "1980-00-10"}, "--date: the month must be 1 to 12 (got 0)", 2},
        {{"--date", "5.3.1980"}, "--date: expected YYYY-MM-DD, got \"5.3.1980\"", 2},
        {{"--time", "24:00"}, "--time: the hour must be 0 to 23 (got 24)", 2},
        {{"--time", "23:60"}, "--time: the minute must be 0 to 59 (got 60)", 2},
        {{"--time", "7"}, "--time: expected HH:MM, got \"7\"", 2},
        // A value cut short is not another value.
        {{"--time", "23:5"}, "--time: expected HH:MM, got \"23:5\"", 2},
        {{"--time", "7:5"}, "--time: expected HH:MM, got \"7:5\"", 2},
        {{"--lat", "18:3"}, "--lat: expected DD:MM followed by N or S, got \"18:3\"", 2},
        {{"--lon", "73:5E"}, "--lon: expected DD:MM followed by E or W, got \"73:5E\"", 2},
        {{"--lat", "18:030N"}, "--lat: expected DD:MM followed by N or S, got \"18:030N\"", 2},
        {{"--save", "chartsud"}, "--save: the file name must end in .sud", 2},
        // A control character reaches no terminal raw.
        {{"--date", "\x1b[2J"}, "--date: expected YYYY-MM-DD, got \"\\u001B[2J\"", 2},
        {{"--zone", "3\r"},
         "--zone: expected a row number 0 to 70 (see --zones), got \"3\\u000D\"",
         2},
        {{"--pl\x07"}, "unknown option --pl\\u0007", 2},
        {{"--zone", "71"}, "--zone: the row must be 0 to 70 (got 71)", 2},
        {{"--zone", "IST"}, "--zone: expected a row number 0 to 70 (see --zones), got \"IST\"", 2},
        {{"--zone", "-1"}, "--zone: expected a row number 0 to 70 (see --zones), got \"-1\"", 2},
        {{"--lat", "-18:31"}, "--lat: Please enter only numbers", 2},
        {{"--lat", "18.5:31N"}, "--lat: Please enter only numbers", 2},
        {{"--lon", "1000:00E"},
         "--lon: degrees and minutes take at most three digits each (0 to 999)",
         2},
        {{"--lat", "18:31E"}, "--lat: expected DD:MM followed by N or S, got \"18:31E\"", 2},
        {{"--lon", "73"}, "--lon: expected DD:MM followed by E or W, got \"73\"", 2},
        {{"--name", "R2D2"}, "--name: Please enter only letters", 2},
        {{"--city", "Saint-Denis"}, "--city: Please enter only letters", 2},
        {{"--state", "Île"}, "--state: Please enter only letters", 2},
        {{"--country", std::string(201, 'a')}, "--country: at most 200 characters", 2},
        {{"--name", "A", "--name", "B"}, "--name is given twice", 2},
        {{"--dst=yes"}, "--dst takes no value", 2},
        {{"--date"}, "--date needs a value (YYYY-MM-DD)", 2},
        {{"--planet", "Mars"}, "unknown option --planet", 2},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine p = ParseCommandLine(Concat({"--json"}, c.args));
        ASSERT_FALSE(p) << Join(c.args);
        EXPECT_EQ(p.error().message, c.message) << Join(c.args);
        EXPECT_EQ(p.error().status, c.status) << Join(c.args);
    }
}

TEST(CommandLineTest, RefusesModesAndSourcesThatDoNotGoTogether) {
    struct Case {
        Args args;
        std::string message;
    };
    const Case cases[] = {
        {{"--json", "--print", "a.sud"},
         "choose one of --json, --print, --save, --export, --zones and --stations"},
        {{"--json"}, "no chart file given"},
        {{"--json", "a.sud", "--name", "X"}, "give either chart files or chart options, not both"},
        {{"--name", "X"}, "--name needs one of --json, --print, --save and --export"},
        {{"--save", "out.sud", "in.sud"},
         "--save writes the chart given by the chart options; it takes no chart file"},
        {{"--save", "out.txt", "--name", "X"}, "--save: the file name must end in .sud"},
        {{"--export", "out.png", "a.sud", "b.sud"}, "--export draws one chart"},
        {{"--export", "out.jpg", "a.sud"},
         "--export: the file name must end in .png, .svg or .pdf"},
        {{"--export", ".png", "a.sud"}, "--export: the file name must end in .png, .svg or .pdf"},
        {{"--zones", "--name", "X"}, "--zones takes no chart"},
        {{"--version", "a.sud"}, "--version takes no chart"},
        {{"--zones", "--precise"}, "--precise goes only with a chart, not --zones"},
        {{"--precise", "--stations"}, "--precise goes only with a chart, not --stations"},
        {{"--version", "--precise"}, "--precise goes only with a chart, not --version"},
        {{"--json", "--date", std::string(60, '9')},
         "--date: expected YYYY-MM-DD, got \"" + std::string(32, '9') + "...\", 60 bytes long"},
        {{"--json", "a.sud", "--ayanamsa", "raman"}, "--ayanamsa goes only with --precise"},
        {{"--json", "a.sud", "--node", "true"}, "--node goes only with --precise"},
        {{"--json", "a.sud", "--precise", "--node", "osculating"},
         "--node: expected mean or true, got \"osculating\""},
        {{"--json", "a.sud", "--precise", "--ayanamsa", "Lahiri"},
         "--ayanamsa: expected one of lahiri, raman, krishnamurti, yukteshwar, fagan-bradley, "
         "true-chitra, got \"Lahiri\""},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine p = ParseCommandLine(c.args);
        ASSERT_FALSE(p) << Join(c.args);
        EXPECT_EQ(p.error().message, c.message) << Join(c.args);
        EXPECT_EQ(p.error().status, 2) << Join(c.args);
    }
    // Every ayanamsa the list names is taken, the last one too.
    const std::pair<const char*, Ayanamsa> ayanamsas[] = {
        {"lahiri", Ayanamsa::Lahiri},
        {"raman", Ayanamsa::Raman},
        {"krishnamurti", Ayanamsa::Krishnamurti},
        {"yukteshwar", Ayanamsa::Yukteshwar},
        {"fagan-bradley", Ayanamsa::FaganBradley},
        {"true-chitra", Ayanamsa::TrueChitra},
    };
    for (const auto& [key, ayanamsa] : ayanamsas) {
        const ParsedCommandLine p =
            ParseCommandLine({"--json", "a.sud", "--precise", "--ayanamsa", key});
        ASSERT_TRUE(p) << key << ": " << p.error().message;
        EXPECT_EQ(p->calculation.ayanamsa, ayanamsa) << key;
    }
    // Help wins over everything else, even a bad option before it.
    EXPECT_EQ(ParseCommandLine({"--bogus", "--json", "-h"})->mode, HeadlessMode::Help);
    // After "--" everything is a file name.
    const ParsedCommandLine files = ParseCommandLine({"--print", "--", "--help"});
    ASSERT_TRUE(files);
    EXPECT_EQ(files->files, Args{"--help"});
}

// "--" given as an option's value does not end the options: a --help after
// it is still a request for help, whatever stands before it.
TEST(CommandLineTest, HelpAfterDoubleDashGivenAsAValue) {
    const Args asksForHelp[] = {
        {"--place", "--", "--help", "a.sud"},  // no atlas in this build
        {"--json", "--place", "--", "--help", "a.sud"},
        {"--print", "--name", "--", "-h"},
        {"--name", "--help"},  // a value of --help asks for help too
    };
    for (const Args& args : asksForHelp) {
        const Outcome r = Headless(args);
        EXPECT_EQ(r.status, 0) << Join(args) << ": " << r.err;
        EXPECT_TRUE(r.out == UsageText()) << Join(args);
        EXPECT_EQ(ParseCommandLine(args)->mode, HeadlessMode::Help) << Join(args);
    }
    // A "--" after the value still ends the options.
    const ParsedCommandLine files = ParseCommandLine({"--print", "--place", "Pune", "--", "-h"});
    ASSERT_TRUE(files) << files.error().message;
    EXPECT_EQ(files->mode, HeadlessMode::Print);
    EXPECT_EQ(files->files, Args{"-h"});
}

TEST(CommandLineTest, SaveValidatesLikeTheWindowAndWritesNothingOnFailure) {
    TempDir dir;
    const std::string out = dir / "chart.sud";
    struct Case {
        Args args;
        const char* message;
    };
    // The window's messages, in the window's order.
    const Case cases[] = {
        {{}, "Please Enter Your Name"},
        {{"--name", "Ravi", "--city", "Pune"}, "Please Enter Degree of Latitude"},
        {{"--name", "Ravi", "--lat", ":31N"}, "Please Enter Degree of Latitude"},
        {{"--name", "Ravi", "--lat", "18:"}, "Please Enter Minutes of Latitude"},
        {{"--name", "Ravi", "--lat", "18:31", "--lon", "73:51", "--state", "M"},
         "Please Enter Your City name"},
        {{"--name", "Ravi", "--lat", "18:31", "--lon", "73:51", "--city", "P", "--state", "M",
          "--country", "I", "--date", "1999-02-29"},
         "Please Enter Correct Date Or Month!"},
        {{"--name", "Ravi", "--lat", "18:31", "--lon", "73:51", "--city", "P", "--state", "M",
          "--country", "I", "--date", "2024-04-31"},
         "Please Enter Correct Date Or Month !"},
    };
    for (const Case& c : cases) {
        const Outcome r = Headless(Concat({"--save", out}, c.args));
        EXPECT_EQ(r.status, 1) << Join(c.args);
        EXPECT_EQ(r.err, std::string("vellamor: ") + c.message + "\n") << Join(c.args);
        EXPECT_FALSE(fs::exists(out)) << Join(c.args);
    }

    // A failing save leaves an existing file as it was.
    ASSERT_EQ(Headless(Concat({"--save", out}, kPune)).status, 0);
    const auto size = fs::file_size(out);
    EXPECT_EQ(Headless({"--save", out, "--name", "Other"}).status, 1);
    EXPECT_EQ(fs::file_size(out), size);
    // ...and leaves no temporary file beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(out).parent_path()),
                            fs::directory_iterator()),
              1);
}

TEST(CommandLineTest, SavedFileOpensToTheSameFormAndChart) {
    TempDir dir;
    const std::string out = dir / "pune.sud";
    const Outcome saved = Headless(Concat({"--save", out}, kPune));
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(saved.out.empty());

    const ChartReadResult read = ReadChartFile(out);
    ASSERT_TRUE(read);
    EXPECT_EQ(ApplyChartFields(EntryForm{}, *read),
              ParseCommandLine(Concat({"--json"}, kPune))->form);

    const Outcome fromOptions = Headless(Concat({"--json"}, kPune));
    const Outcome fromFile = Headless({"--json", out});
    ASSERT_EQ(fromOptions.status, 0) << fromOptions.err;
    EXPECT_EQ(fromOptions.out, fromFile.out);
    EXPECT_NE(fromOptions.out.find("\"Pune\""), std::string::npos);
}

TEST(CommandLineTest, ExportHandsTheChartToTheBuildsExporter) {
    EXPECT_EQ(Headless(Concat({"--export", "x.png"}, kPune)).status, 2);  // no exporter

    std::string seenPath, seenName;
    HeadlessServices services;
    services.exportSheet = [&](const Chart& chart, const std::string& path) {
        seenPath = path;
        seenName = chart.birth.name;
        return Expected<void, SheetExportError>();
    };
    const Outcome ok = Headless(Concat({"--export=Sheet.SVG"}, kPune), services);
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(seenPath, "Sheet.SVG");
    EXPECT_EQ(seenName, "Ravi Kumar");

    seenPath.clear();
    const Outcome invalid = Headless({"--export", "x.png", "--name", "Ravi"}, services);
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.err, "vellamor: Please Enter Degree of Latitude\n");
    EXPECT_TRUE(seenPath.empty());

    services.exportSheet = [](const Chart&,
                              const std::string& path) -> Expected<void, SheetExportError> {
        return Fail(SheetExportError{SheetExportError::Kind::NotDrawn, path, {}, {}, {}});
    };
    const Outcome failed = Headless(Concat({"--export", "x.png"}, kPune), services);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "vellamor: x.png: the sheet could not be drawn\n");
}

TEST(CommandLineTest, HelpDocumentsEveryOptionAndZonesListsEveryRow) {
    const Outcome help = Headless({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const CommandLineOption& o : CommandLineOptions()) {
        EXPECT_NE(help.out.find(std::string(o.name)), std::string::npos) << o.name;
    }
    for (std::size_t start = 0, end; start < help.out.size(); start = end + 1) {
        end = help.out.find('\n', start);
        EXPECT_LE(end - start, 79u) << help.out.substr(start, end - start);
    }

    const Outcome version = Headless({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vellamor " + std::string(kVersion) + "\n");

    const Outcome zones = Headless({"--zones"});
    EXPECT_EQ(zones.status, 0);
    EXPECT_EQ(std::count(zones.out.begin(), zones.out.end(), '\n'), 71);
    EXPECT_NE(zones.out.find("34  Indian Time, IST, +5.3\n"), std::string::npos);
    EXPECT_NE(zones.out.find("70  Yukon War Time,YWT,-8.0\n"), std::string::npos);
}

// The manual page vellamor(1) documents every option of --help, in troff's
// spelling of the dashes, and the build's version.
TEST(CommandLineTest, ManualPageCoversEveryOption) {
    std::ifstream file(VELLAMOR_MANUAL_PAGE);
    ASSERT_TRUE(file) << VELLAMOR_MANUAL_PAGE;
    std::stringstream page;
    page << file.rdbuf();
    auto troff = [](std::string_view option) {
        std::string escaped;
        for (char c : option)
            escaped += c == '-' ? std::string("\\-") : std::string(1, c);
        return escaped;
    };
    // Whole words only: --zone is not documented by --zones.
    auto documents = [&page, &troff](std::string_view option) {
        const std::string text = page.str(), word = troff(option);
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const auto end = at + word.size();
            if (end == text.size() || !std::isalpha(static_cast<unsigned char>(text[end])))
                return true;
        }
        return false;
    };
    for (const CommandLineOption& o : CommandLineOptions()) {
        EXPECT_TRUE(documents(o.name)) << o.name;
        EXPECT_TRUE(o.alias.empty() || documents(o.alias)) << o.alias;
    }
    EXPECT_NE(page.str().find("\"Vellamor " + std::string(kVersion) + "\""), std::string::npos);
}

TEST(CommandLineTest, UsageErrorsPointToHelp) {
    const Outcome r = Headless({"--frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vellamor: unknown option --frobnicate\nTry vellamor --help\n");
    EXPECT_TRUE(r.out.empty());
}

}  // namespace
}  // namespace vellamor
