// JSON string literals: what must be escaped, and that everything else is
// copied unchanged (the JSON output is a contract other tools parse).
#include "cli/chart_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellamor {
namespace {

TEST(ChartReport, JsonStringEscapesOnlyWhatJsonRequires) {
    struct Case {
        std::string in, out;
    };
    const std::vector<Case> cases = {
        {"", "\"\""},
        {"Asha Rao", "\"Asha Rao\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"\n\r\t", "\"\\n\\r\\t\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\\u007f\""},
        {std::string("x\0y", 3), "\"x\\u0000y\""},
        {"Z\xC3\xBC"
         "rich \xC2\xA9",
         "\"Z\xC3\xBC"
         "rich \xC2\xA9\""},  // UTF-8 as it is
        {"\"\"", "\"\\\"\\\"\""},
        {"end\\", "\"end\\\\\""},
    };
    Chart chart;  // the chart's object writes its texts the same way
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.in), c.out) << c.in;
        chart.birth.name = c.in;
        EXPECT_EQ(ChartJson(chart).rfind("{\"name\": " + c.out + ", \"details\": ", 0), 0u) << c.in;
    }
}

}  // namespace
}  // namespace vellamor
