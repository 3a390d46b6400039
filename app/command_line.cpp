#include "app/command_line.h"

#include <ostream>
#include <string_view>

#include "app/chart_report.h"
#include "app/chart_stability.h"
#include "app/entry_form.h"
#include "chakra/chart_file.h"
#include "retro/station_table.h"

namespace vellamor {
namespace {

enum class Mode { None, Json, Print, Stations, Help };

struct Options {
    Mode mode = Mode::None;
    bool stability = false;
    std::vector<std::string> files;
    std::string error;
};

Options Parse(const std::vector<std::string>& args) {
    Options o;
    bool filesOnly = false;
    for (const std::string& a : args) {
        if (!filesOnly && a == "--") {
            filesOnly = true;
        } else if (!filesOnly && (a == "--json" || a == "--print" || a == "--stations" ||
                                  a == "--help" || a == "-h")) {
            const Mode m = a == "--json"       ? Mode::Json
                           : a == "--print"    ? Mode::Print
                           : a == "--stations" ? Mode::Stations
                                               : Mode::Help;
            if (o.mode != Mode::None && o.mode != m) {
                o.error = "choose one of --json, --print and --stations";
                return o;
            }
            o.mode = m;
        } else if (!filesOnly && a == "--stability") {
            o.stability = true;
        } else if (!filesOnly && a.size() > 1 && a[0] == '-') {
            o.error = "unknown option " + a;
            return o;
        } else {
            o.files.push_back(a);
        }
    }
    return o;
}

}  // namespace

std::string UsageText() {
    return "Usage:\n"
           "  vellamor                      start the desktop program\n"
           "  vellamor FILE.sud             start the desktop program with a chart\n"
           "  vellamor --json FILE.sud...   print one JSON object per chart, one per line\n"
           "  vellamor --print FILE.sud...  print each chart as readable text, with how far\n"
           "                                it can be trusted (sign changes, stations, zone)\n"
           "  vellamor --json --stability FILE.sud...\n"
           "                                add that information under \"stability\"\n"
           "  vellamor --stations           print the retrograde station tables as CSV\n"
           "  vellamor --help               show this text\n"
           "\n"
           "A chart that is refused or fails validation prints \"FILE: message\" on\n"
           "standard error; the exit status is then 1, and the other files are still\n"
           "processed.\n";
}

bool IsHeadlessInvocation(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a.size() > 1 && a[0] == '-')
            return true;
    }
    return false;
}

OpenedChart OpenChartFile(const std::string& path) {
    OpenedChart result;
    ChartReadResult read = ReadChartFile(path);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    const EntryForm form = ApplyChartFields(EntryForm{}, *read.fields);
    if (auto problem = ValidateInput(form)) {
        result.error = problem->message;
        return result;
    }
    result.chart = CalculateChart(CopyFormToBirthData(form));
    result.ok = true;
    return result;
}

int RunHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Options o = Parse(args);
    if (!o.error.empty()) {
        err << "vellamor: " << o.error << "\n" << UsageText();
        return 2;
    }
    if (o.mode == Mode::Help) {
        out << UsageText();
        return 0;
    }
    if (o.mode == Mode::Stations) {
        if (!o.files.empty()) {
            err << "vellamor: --stations takes no chart file\n" << UsageText();
            return 2;
        }
        out << StationTablesCsv();
        return 0;
    }
    if (o.files.empty()) {
        err << "vellamor: no chart file given\n" << UsageText();
        return 2;
    }
    int status = 0;
    bool first = true;
    for (const std::string& file : o.files) {
        OpenedChart opened = OpenChartFile(file);
        if (!opened.ok) {
            out.flush();
            err << file << ": " << opened.error << "\n";
            status = 1;
            continue;
        }
        if (o.mode == Mode::Json) {
            std::string json = ChartJson(opened.chart);
            if (o.stability) {
                json.pop_back();  // the closing brace
                json +=
                    ", \"stability\": " + StabilityJson(AnalyzeChartStability(opened.chart)) + "}";
            }
            out << json << "\n";
        } else {
            if (!first)
                out << "\n";
            out << ChartPrintout(opened.chart) << "\n"
                << StabilityText(AnalyzeChartStability(opened.chart));
        }
        first = false;
    }
    return status;
}

}  // namespace vellamor
