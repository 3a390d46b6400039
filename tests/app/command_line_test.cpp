#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/json_lite.h"

namespace vellamor {
namespace {

struct RunResult {
    int status;
    std::string out, err;
};

RunResult Headless(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunHeadless(args, out, err);
    return {status, out.str(), err.str()};
}

std::string Chart(const std::string& name) {
    return std::string(VELLAMOR_TEST_DATA) + "/" + name;
}

TEST(CommandLine, JsonPrintsOneObjectPerGoodFileAndNamesEachBadOne) {
    const std::string good = Chart("charts/good.sud");
    const std::string damaged = Chart("charts/control-byte.sud");
    const std::string invalid = Chart("charts/short-six-lines.sud");
    const RunResult r =
        Headless({"--json", good, damaged, invalid, Chart("reference-charts/chart-07.sud")});
    EXPECT_EQ(r.status, 1);
    std::istringstream lines(r.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        const auto v = testjson::Parse(line);
        EXPECT_EQ(v["bodies"].a.size(), 13u);
        ++count;
    }
    EXPECT_EQ(count, 2);
    EXPECT_EQ(r.err, damaged + ": Please Check The File.\n" + invalid +
                         ": Please Enter Degree of Latitude\n");
}

TEST(CommandLine, PrintShowsDetailsPositionsAndRings) {
    const RunResult r = Headless({"--print", Chart("charts/good.sud")});
    EXPECT_EQ(r.status, 0);
    for (const char* text :
         {"March 5, 1980", "7 HH 5 MM", "Indian Time, IST, +5.3", "Planetary Positions",
          "Birth Chart", "Moon Chart", "Sun Chart", "House 12"}) {
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    }
}

// A fresh program's defaults fill what the file leaves out or gets wrong.
TEST(CommandLine, FileOpensAsInAFreshlyStartedProgram) {
    const OpenedChart c = OpenChartFile(Chart("charts/values-no-list-holds.sud"));
    ASSERT_TRUE(c.ok) << c.error;
    EXPECT_EQ(c.chart.birth.month, 1);
    EXPECT_EQ(c.chart.birth.day, 1);
    EXPECT_EQ(c.chart.birth.year, 1901);
    EXPECT_EQ(c.chart.birth.hour, 0);
    EXPECT_EQ(c.chart.birth.minute, 0);
    EXPECT_EQ(c.chart.birth.zoneIndex, 0);
    EXPECT_TRUE(c.chart.birth.eastLongitude);
    EXPECT_FALSE(c.chart.birth.southLatitude);
    EXPECT_FALSE(c.chart.birth.daylightSaving);
}

TEST(CommandLine, UsageErrors) {
    EXPECT_EQ(Headless({"--json"}).status, 2);
    EXPECT_EQ(Headless({"--frobnicate", "x.sud"}).status, 2);
    const RunResult help = Headless({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--json"), std::string::npos);
    EXPECT_TRUE(IsHeadlessInvocation({"--json", "a.sud"}));
    EXPECT_FALSE(IsHeadlessInvocation({}));
    EXPECT_FALSE(IsHeadlessInvocation({"a.sud"}));
}

}  // namespace
}  // namespace vellamor
