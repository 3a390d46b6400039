// SPDX-License-Identifier: GPL-3.0-or-later
// The command line is outside data too: this target splits arbitrary bytes
// into arguments (separated by NUL bytes, as the kernel hands them over),
// runs them through the option parser and the headless modes and checks
// what must hold for any command line.
//
// Nothing may reach beyond a scratch folder: every chart file and output path
// is moved into it before the run, the atlas is a stand-in that knows one
// place, and the sheet exporter only records that it was called.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/chart_json.h"
#include "cli/headless.h"
#include "cli/options.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_opening.h"
#include "core/chart/pipeline.h"
#include "fuzz_checks.h"
#include "json.h"

namespace {

using namespace vellamor;
using fuzz::Fail;
using fuzz::Require;
namespace fs = std::filesystem;

// Enough for every option with its value and a few files; the texts may
// exceed the longest value a box takes (200 characters).
constexpr std::size_t kMaxArgs = 32;
constexpr std::size_t kMaxArgBytes = 256;

struct Scratch {
    std::string root;
    std::string charts;  // chart files the arguments can name
    std::string out;     // where --save and --export write; emptied after each run
};
Scratch gScratch;

void RemoveScratch() {
    std::error_code ignored;
    fs::remove_all(gScratch.root, ignored);
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// clang-format off
const std::vector<std::string> kPune{
    "--name", "Ravi Kumar", "--date", "1980-03-05", "--time", "7:05", "--zone", "34",
    "--lat", "18:31N", "--lon", "73:51E",
    "--city", "Pune", "--state", "Maharashtra", "--country", "India"};
const std::vector<std::string> kQuito{
    "--name", "Ana Maria", "--date", "2050-12-31", "--time", "23:59", "--zone", "12", "--dst",
    "--lat", "0:13S", "--lon", "78:31W",
    "--city", "Quito", "--state", "Pichincha", "--country", "Ecuador"};
// clang-format on

void SaveChart(const std::string& name, std::vector<std::string> options) {
    options.insert(options.begin(), {"--save", gScratch.charts + "/" + name});
    std::ostringstream out, err;
    if (RunHeadless(options, out, err) != 0) {
        std::fprintf(stderr, "%s", err.str().c_str());
        Fail("cannot write the scratch chart files");
    }
}

// Good, damaged and refused charts, and things that merely look like chart
// files: a folder and a pipe (reading one must not wait for a writer).
void MakeScratch() {
    // Under $TMPDIR: scripts/ci-fuzz.sh gives each target a folder of its own
    // and removes it even after a crash.
    std::string pattern = (fs::temp_directory_path() / "vellamor-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        Fail("cannot create the scratch folder");
    gScratch = {pattern, pattern + "/charts", pattern + "/out"};
    std::atexit(RemoveScratch);
    fs::create_directory(gScratch.charts);
    fs::create_directory(gScratch.out);

    SaveChart("a.sud", kPune);
    SaveChart("b.sud", kQuito);
    WriteBytes(gScratch.charts + "/bad.sud", std::string_view("\x01\r\n", 3));
    std::string blankLines;  // every box empty: opens, then fails the checks
    for (int i = 0; i < kChartFieldCount; ++i)
        blankLines += "\r\n";
    WriteBytes(gScratch.charts + "/invalid.sud", blankLines);
    fs::create_directory(gScratch.charts + "/dir.sud");
    if (::mkfifo((gScratch.charts + "/fifo.sud").c_str(), 0600) != 0)
        Fail("cannot create the scratch pipe");
}

std::vector<std::string> SplitArguments(std::string_view bytes) {
    std::vector<std::string> args;
    if (bytes.empty())
        return args;
    for (std::size_t start = 0; args.size() < kMaxArgs;) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        args.emplace_back(bytes.substr(start, std::min(end - start, kMaxArgBytes)));
        if (end == bytes.size())
            break;
        start = end + 1;
    }
    return args;
}

// `name` as a file directly inside `folder`: no separator survives, so no
// name can climb out.
std::string Inside(const std::string& folder, std::string name) {
    for (char& c : name)
        if (c == '/')
            c = '_';
    return folder + "/" + name;
}

// A name directly inside `folder`, or the folder itself (an empty name).
bool IsDirectlyInside(const std::string& folder, const std::string& path) {
    return path.compare(0, folder.size() + 1, folder + "/") == 0 &&
           path.find('/', folder.size() + 1) == std::string::npos;
}

const CommandLineOption* FindOption(std::string_view name) {
    for (const CommandLineOption& o : CommandLineOptions())
        if (o.name == name || (!o.alias.empty() && o.alias == name))
            return &o;
    return nullptr;
}

// The arguments with every chart file moved into the charts folder and the
// --save and --export targets into the output folder, read the way the
// parser reads them. Whether that reading is right is checked on the parsed
// result before anything runs.
std::vector<std::string> Confine(const std::vector<std::string>& args) {
    std::vector<std::string> confined;
    bool filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (filesOnly || a.size() < 2 || a[0] != '-') {
            confined.push_back(Inside(gScratch.charts, a));
            continue;
        }
        confined.push_back(a);
        if (a == "--") {
            filesOnly = true;
            continue;
        }
        const std::size_t eq = a.rfind("--", 0) == 0 ? a.find('=') : std::string::npos;
        const CommandLineOption* option = FindOption(a.substr(0, eq));
        if (!option || option->value.empty())
            continue;
        const bool isPath = option->name == "--save" || option->name == "--export";
        if (eq != std::string::npos) {
            if (isPath)
                confined.back() = a.substr(0, eq + 1) + Inside(gScratch.out, a.substr(eq + 1));
        } else if (i + 1 < args.size()) {
            ++i;
            confined.push_back(isPath ? Inside(gScratch.out, args[i]) : args[i]);
        }
    }
    return confined;
}

// The atlas stand-in: knows Pune alone and, like the atlas, leaves what was
// given by hand.
PlaceResolution ResolvePune(std::string_view query, const EntryForm& form,
                            const ExplicitPlaceFields& given, const CalculationChoice& = {}) {
    if (query.substr(0, query.find(',')) != "Pune")
        return Fail(UnknownPlace{std::string(query), {"Pune"}, {}});
    ResolvedPlace r{form, {}};
    if (!given.city)
        r.form.city = "Pune";
    if (!given.state)
        r.form.state = "Maharashtra";
    if (!given.country)
        r.form.country = "India";
    if (!given.latitude) {
        r.form.latDegrees = "18";
        r.form.latMinutes = "31";
        r.form.latitude = LatitudeOption::North;
    }
    if (!given.longitude) {
        r.form.lonDegrees = "73";
        r.form.lonMinutes = "51";
        r.form.longitude = LongitudeOption::East;
    }
    if (!given.zone) {
        r.form.zoneIndex = 34;
        r.note = "zone row 34 from the atlas";
    }
    if (!given.daylightSaving)
        r.form.daylightSaving = false;
    return r;
}

bool HasSheetExtension(std::string_view path) {
    if (path.size() < 4)
        return false;
    std::string ext(path.substr(path.size() - 4));
    for (char& c : ext)
        c = static_cast<char>(c | 0x20);
    return ext == ".png" || ext == ".svg" || ext == ".pdf";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// What the options alone describe, as --save computes it.
Expected<Chart, OpeningError> ChartOfOptions(const Invocation& inv) {
    EntryForm form = inv.form;
    if (inv.place) {
        const PlaceResolution r =
            ResolvePune(*inv.place, form, ExplicitPlaceFieldsFromOptions(inv.chartOptions));
        if (!r)
            return Fail(OpeningError{});  // no such place
        form = r->form;
    }
    return ChartFromForm(form);
}

void CheckParse(const std::vector<std::string>& args) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed) {
        Require(parsed.error().status == 1 || parsed.error().status == 2, "parse error status");
        Require(!parsed.error().message.empty(), "parse error without a message");
        return;
    }
    const Invocation& inv = *parsed;
    // Without an option the desktop program starts and opens the files.
    Require(IsHeadlessInvocation(args) ||
                (inv.mode == HeadlessMode::None && inv.chartOptions.empty() && !inv.place),
            "options that would start the desktop program");
    Require(inv.mode != HeadlessMode::None || !inv.files.empty(), "nothing to do, yet no error");
    Require((inv.mode == HeadlessMode::Save || inv.mode == HeadlessMode::Export) ==
                !inv.outputPath.empty(),
            "an output path without --save or --export");
    Require(inv.mode != HeadlessMode::Save || HasChartExtension(inv.outputPath),
            "--save to a name that is no chart file");
}

void CheckSaved(const Invocation& inv, int status) {
    std::vector<fs::path> written;
    for (const fs::directory_entry& e : fs::directory_iterator(gScratch.out))
        written.push_back(e.path());
    if (inv.mode != HeadlessMode::Save || status != 0) {
        Require(written.empty(), "a file written by a run that wrote nothing");
        return;
    }
    Require(written.size() == 1 && written.front() == inv.outputPath,
            "--save left other files than its own");
    const auto reopened = OpenChartFile(inv.outputPath);
    Require(reopened.has_value(), "a saved chart does not open");
    const auto given = ChartOfOptions(inv);
    Require(given.has_value(), "--save wrote a chart its options do not give");
    Require(ChartFieldsFromBirthData(given->birth) == ChartFieldsFromBirthData(reopened->birth),
            "a saved chart opens to other birth data");
    // The file keeps the name without its outer blanks, as the window saves it.
    BirthData birth = given->birth;
    birth.name = reopened->birth.name;
    Require(ChartJson(CalculateChart(birth)) == ChartJson(*reopened),
            "a saved chart opens to another chart");
}

void CheckJson(const Invocation& inv, int status, const std::string& out) {
    const std::vector<std::string> lines = Lines(out);
    const std::size_t charts = inv.files.empty() ? 1 : inv.files.size();
    Require(status == 0 ? lines.size() == charts : lines.size() < charts,
            "one JSON line per good chart");
    for (const std::string& line : lines) {
        try {
            const testjson::Value v = testjson::Parse(line);
            Require(v.at("bodies").size() == 13, "JSON bodies");
            Require(v.contains("stability") == inv.stability,
                    "stability given without --stability or missing with it");
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            Fail("a line of --json does not parse");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MakeScratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> raw =
        SplitArguments(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckParse(raw);

    const std::vector<std::string> args = Confine(raw);
    const ParsedCommandLine parsed = ParseCommandLine(args);
    // A refused command line runs nothing: an empty invocation stands for it.
    const Invocation inv = parsed ? *parsed : Invocation{};
    if (parsed) {
        for (const std::string& file : inv.files)
            Require(IsDirectlyInside(gScratch.charts, file), "a chart file outside the scratch");
        Require(inv.outputPath.empty() || IsDirectlyInside(gScratch.out, inv.outputPath),
                "an output path outside the scratch");
    }

    int exported = 0;
    HeadlessServices services;
    services.resolvePlace = ResolvePune;
    services.exportSheet =
        [&exported](const Chart&, const std::string& path) -> Expected<void, SheetExportError> {
        ++exported;
        Require(IsDirectlyInside(gScratch.out, path) && HasSheetExtension(path),
                "the sheet goes elsewhere");
        // Something to show how a failing exporter is reported.
        if (path.find("/locked.") != std::string::npos)
            return Fail(SheetExportError{SheetExportError::Kind::NotDrawn, path, {}, {}, {}});
        return {};
    };
    std::ostringstream outStream, errStream;
    const int status = RunHeadless(args, outStream, errStream, services);
    const std::string out = outStream.str(), err = errStream.str();

    Require(status == 0 || status == 1 || status == 2, "exit status other than 0, 1 or 2");
    Require(status == 0 || !err.empty(), "a failure without a word on standard error");
    Require(IsUtf8(out), "standard output is not UTF-8");
    if (!parsed) {
        Require(status == parsed.error().status, "exit status is not the parse error's");
        Require(err.rfind("vellamor: " + parsed.error().message + "\n", 0) == 0,
                "the parse error is not what standard error says");
    }
    Require(exported == 0 || (exported == 1 && inv.mode == HeadlessMode::Export),
            "the exporter was called outside --export or more than once");
    Require(inv.mode != HeadlessMode::Export || status != 0 || exported == 1,
            "--export succeeded without drawing");

    if (parsed) {
        switch (inv.mode) {
            case HeadlessMode::Json:
                CheckJson(inv, status, out);
                break;
            case HeadlessMode::None:
            case HeadlessMode::Print:
                Require(status != 0 || !out.empty(), "--print printed nothing");
                break;
            case HeadlessMode::Help:
            case HeadlessMode::Version:
            case HeadlessMode::ListZones:
            case HeadlessMode::Stations:
                Require(status == 0 && err.empty() && !out.empty(), "a listing failed");
                break;
            case HeadlessMode::Save:
            case HeadlessMode::Export:
                Require(out.empty(), "--save or --export printed on standard output");
                break;
        }
    }
    CheckSaved(inv, parsed ? status : 1);
    for (const fs::directory_entry& e : fs::directory_iterator(gScratch.out))
        fs::remove_all(e.path());
    return 0;
}
