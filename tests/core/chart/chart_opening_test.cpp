// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_opening.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chart/entry_form.h"

namespace vellamor {
namespace {

// List lines against the boundaries of their lists: only an entry's own text
// selects it, anything else (or nothing, as in a cut-off file) keeps the
// selection. Each line alone, from a form whose selections are all set.
TEST(ChartOpening, ListLinesSelectOnlyEntriesOfTheirList) {
    struct Case {
        int line;  // index in ChartFields: 1 month .. 5 minute, 6 zone
        std::string text;
        int want;  // list position after reading; -1 when the selection stays
    };
    const std::vector<Case> cases = {
        {1, "", -1},     {1, "0", -1},     {1, "13", -1},  {1, "-1", -1},
        {1, "1", 0},     {1, "12", 11},    {1, " 3", -1},  {2, "", -1},
        {2, "32", -1},   {2, "31", 30},    {3, "", -1},    {3, "1900", -1},
        {3, "2051", -1}, {3, "01980", -1}, {3, "1901", 0}, {3, "2050", 149},
        {4, "", -1},     {4, "24", -1},    {4, "0", 0},    {5, "", -1},
        {5, "60", -1},   {5, "59", 59},    {6, "", -1},    {6, "71", -1},
        {6, "70", 70},   {6, "-0", 0},     {6, "1e1", -1}, {6, "99999999999", -1},
    };
    EntryForm before;
    before.monthIndex = 4, before.dayIndex = 9, before.yearIndex = 79, before.hourIndex = 7;
    before.minuteIndex = 5, before.zoneIndex = 34;
    auto index = [](const EntryForm& f, int line) {
        const int indices[] = {0,           f.monthIndex,  f.dayIndex, f.yearIndex,
                               f.hourIndex, f.minuteIndex, f.zoneIndex};
        return indices[line];
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line + 1) + " \"" + c.text + "\"");
        ChartFields fields;
        fields[static_cast<std::size_t>(c.line)] = c.text;
        const EntryForm after = ApplyChartFields(before, fields);
        EXPECT_EQ(index(after, c.line), c.want >= 0 ? c.want : index(before, c.line));
    }
}

}  // namespace
}  // namespace vellamor
