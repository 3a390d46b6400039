// SPDX-License-Identifier: GPL-3.0-or-later
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
        {"\xC2\x80[\xC2\x9B"
         "2J\xC2\x9F\xC2\xA0",
         "\"\\u0080[\\u009b2J\\u009f\xC2\xA0\""},
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

// --print goes to a terminal: no control character from a chart file
// reaches it raw, whatever its range; everything else is left alone.
TEST(ChartReport, PrintoutEscapesEveryControlCharacter) {
    struct Case {
        std::string in, out;
    };
    const std::vector<Case> cases = {
        {"Asha Rao", "Asha Rao"},
        {std::string("a\0b\x1b[2J\x1f", 8), "a\\u0000b\\u001B[2J\\u001F"},
        {"\x7f\xC2\x80\xC2\x9B"
         "31m\xC2\x9F",
         "\\u007F\\u0080\\u009B31m\\u009F"},
        {"Z\xC3\xBCrich \xC2\xA0\xC2\xA9", "Z\xC3\xBCrich \xC2\xA0\xC2\xA9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EscapeControls(c.in), c.out) << c.in;

    BirthData birth;
    birth.day = 5, birth.month = 3, birth.year = 1980;
    Chart chart = CalculateChart(birth);
    chart.birth.name = "Mal\xC2\x9Bory";
    chart.chakra.details[0] = "Mal\xC2\x9Bory\x1b";
    const std::string printout = ChartPrintout(chart);
    EXPECT_NE(printout.find("Sudarshan Chakra of Mal\\u009Bory\n"), std::string::npos);
    EXPECT_NE(printout.find("Mal\\u009Bory\\u001B\n"), std::string::npos);
}

}  // namespace
}  // namespace vellamor
