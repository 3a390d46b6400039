// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/wording.h"

namespace vellamor {
namespace {

// The fields of a birth the reader takes, changed one at a time below.
const ChartFields kGoodFields{"Asha Rao",      "2",          "29", "2000", "23",    "59",   "54",
                              "122",           "25",         "37", "46",   "False", "True", "True",
                              "San Francisco", "California", "USA"};

TEST(ChartFormat, EncodingShiftsEveryCharacterByEightyFive) {
    EXPECT_EQ(*EncodeChartField("abc"), "\xB6\xB7\xB8");
    EXPECT_EQ(*EncodeChartField("True"), "\xA9\xC7\xCA\xBA");
    EXPECT_EQ(*EncodeChartField("0 9"), "\x85\x75\x8E");
    EXPECT_EQ(*DecodeChartField("\xB6\xB7\xB8"), "abc");
    // Codes 128..170 are Latin-1 code points; above that nothing is carried.
    EXPECT_EQ(*EncodeChartField("\u00aa"), "\xFF");
    EXPECT_EQ(*DecodeChartField("\xFF"), "\u00aa");
    EXPECT_FALSE(EncodeChartField("\u00e9"));
    EXPECT_FALSE(EncodeChartField("\xC3"));  // broken UTF-8
    EXPECT_FALSE(DecodeChartField("\x74"));  // decodes to 31
    EXPECT_TRUE(HasChartExtension("a/b.sud"));
    EXPECT_FALSE(HasChartExtension("a/b.SUD"));
    EXPECT_FALSE(HasChartExtension("ud"));
}

// A chart file is read whole or refused whole: one value that no control can
// take, a line cut off, a missing line or anything after the last refuses the
// file with its line.
TEST(ChartFormat, AValueTheFormCannotTakeRefusesTheWholeFile) {
    struct Case {
        int line;
        std::string text;
        std::string reason;  // empty: read
    };
    const std::vector<Case> cases{
        {2, "13", "line 2: month 13 is not 1 to 12"},
        {2, "0", "line 2: month 0 is not 1 to 12"},
        {2, "", "line 2: month is not 1 to 12"},
        {3, "32", "line 3: day 32 is not 1 to 31"},
        {3, "05", "line 3: day \"05\" is not 1 to 31"},
        {4, "1900", "line 4: year 1900 is not 1901 to 2050"},
        {5, "24", "line 5: hour 24 is not 0 to 23"},
        {6, "x", "line 6: minute \"x\" is not 0 to 59"},
        {6, "123456789012", "line 6: minute \"123456789012\" is not 0 to 59"},
        {6, "1234567890123", "line 6: minute is not 0 to 59"},
        {7, "71", "line 7: time zone row 71 is not 0 to 70"},
        {7, "-1", "line 7: time zone row -1 is not 0 to 70"},
        {12, "maybe", "line 12: East/West \"maybe\" is neither True nor False"},
        {13, "nan", "line 13: North/South \"nan\" is neither True nor False"},
        {14, "inf", "line 14: Daylight Saving Time \"inf\" is neither True nor False"},
        {14, "1e999", "line 14: Daylight Saving Time \"1e999\" is neither True nor False"},
        {14, "0.5", "line 14: Daylight Saving Time \"0.5\" is neither True nor False"},
        {12, "tRUE", ""},
        {13, "-1", ""},
        {14, "0", ""},
        {7, "70", ""},
        {2, "05", ""},
        {7, "034", ""},
        // The exact offset's line, written only when set.
        {18, "+05:45", ""},
        {18, "-00:44:30", ""},
        {18, "LMT", ""},
        {18, "+15:00",
         "line 18: exact offset \"+15:00\" is neither +H:MM[:SS] within 14:00 nor LMT"},
        {18, "5:45", "line 18: exact offset \"5:45\" is neither +H:MM[:SS] within 14:00 nor LMT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line) + " \"" + c.text + "\"");
        ChartFields fields = kGoodFields;
        fields[static_cast<std::size_t>(c.line - 1)] = c.text;
        const auto bytes = SerializeChartFile(fields);
        ASSERT_TRUE(bytes);
        const ChartReadResult r = ParseChartFile(*bytes);
        EXPECT_EQ(r.has_value(), c.reason.empty());
        EXPECT_EQ(r ? std::string() : ChartFileReasonText(r.error()), c.reason);
        if (r) {
            EXPECT_EQ(*r, fields);
        }
    }
    // Cut short in the middle of a line, at any line.
    const auto whole = SerializeChartFile(kGoodFields);
    ASSERT_TRUE(whole);
    auto reason = [](std::string_view bytes) {
        const ChartReadResult r = ParseChartFile(bytes);
        return r ? std::string("read") : ChartFileReasonText(r.error());
    };
    EXPECT_EQ(reason(whole->substr(0, whole->size() - 3)), "line 17 is cut short");
    EXPECT_EQ(reason(whole->substr(0, 5)), "line 1 is cut short");
    // Cut at a line end, or followed by anything at all: damaged too.
    std::size_t lineEnd = 0;
    for (int line = 1; line <= kChartFieldCount; ++line) {
        lineEnd = whole->find("\r\n", lineEnd) + 2;
        EXPECT_EQ(
            reason(whole->substr(0, lineEnd)),
            line == kChartFieldCount ? "read" : "the file ends after line " + std::to_string(line));
    }
    for (const std::string& tail :
         {std::string("\r\n"), std::string("\0", 1), *whole,
          *EncodeChartField("+05:45") + "\r\n\r\n", *EncodeChartField("LMT")})
        EXPECT_EQ(reason(*whole + tail), "the file goes on after line 17");
}

// The seventeen lines stay as the row and the box write them; an exact
// offset adds an eighteenth, and a birth without one writes seventeen.
TEST(ChartFormat, AnExactOffsetIsAnEighteenthLine) {
    BirthData b;
    b.name = "Sita", b.year = 1990, b.month = 5, b.day = 4, b.hour = 12, b.zoneIndex = 34;
    b.lonDegrees = 85, b.lonMinutes = 19, b.eastLongitude = true;
    const std::string seventeen = *SerializeChartFile(ChartFieldsFromBirthData(b));
    for (const ExactOffset offset :
         {ExactOffset::Fixed(20700), ExactOffset::Fixed(-2670), ExactOffset::LocalMeanTime()}) {
        b.exactOffset = offset;
        const std::string bytes = *SerializeChartFile(ChartFieldsFromBirthData(b));
        const std::string last = *EncodeChartField(ExactOffsetText(offset)) + "\r\n";
        EXPECT_EQ(bytes, seventeen + last);
        const ChartReadResult read = ParseChartFile(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(ParseExactOffset((*read)[chart_line::kOffsetLine], true).offset, offset);
    }
    EXPECT_EQ((*ParseChartFile(seventeen))[chart_line::kOffsetLine], "");
}

}  // namespace
}  // namespace vellamor
