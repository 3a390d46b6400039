// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/chart_print.h"

namespace vellamor {
namespace {

// --print goes to a terminal: no control character from a chart file
// reaches it raw, whatever its range; everything else is left alone.
TEST(TerminalText, PrintoutEscapesEveryControlCharacter) {
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
    chart.birth.city = "Mal\xC2\x9Bory\x1b";
    const std::string printout = ChartPrintout(chart);
    EXPECT_NE(printout.find("Sudarshan Chakra of Mal\\u009Bory\n"), std::string::npos);
    EXPECT_NE(printout.find("Mal\\u009Bory\\u001B\n"), std::string::npos);
}

}  // namespace
}  // namespace vellamor
