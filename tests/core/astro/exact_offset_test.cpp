// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/exact_offset.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

// What the command line, the chart file and the births table take, and the
// text each writes back.
TEST(ExactOffset, TextsAndTheirValues) {
    struct Case {
        const char* text;
        bool allowLmt;
        std::optional<ExactOffset> offset;
        std::optional<OffsetTextProblem> problem;
        const char* written;  // ExactOffsetText of the value
    };
    using P = OffsetTextProblem;
    const Case cases[] = {
        {"+05:45", false, ExactOffset::Fixed(20700), {}, "+05:45"},
        {"+5:45", false, ExactOffset::Fixed(20700), {}, "+05:45"},
        {"+05:21:10", false, ExactOffset::Fixed(19270), {}, "+05:21:10"},
        {"-00:44:30", false, ExactOffset::Fixed(-2670), {}, "-00:44:30"},
        {"-0:00", false, ExactOffset::Fixed(0), {}, "+00:00"},
        {"+14:00", false, ExactOffset::Fixed(50400), {}, "+14:00"},
        {"-14:00", false, ExactOffset::Fixed(-50400), {}, "-14:00"},
        {"LMT", true, ExactOffset::LocalMeanTime(), {}, "LMT"},
        {"+14:00:01", false, {}, P::OutOfRange, ""},
        {"-15:00", false, {}, P::OutOfRange, ""},
        {"LMT", false, {}, P::Shape, ""},
        {"lmt", true, {}, P::Shape, ""},
        {"05:45", false, {}, P::Shape, ""},  // the sign is required
        {"+05:5", false, {}, P::Shape, ""},  // two-digit minutes
        {"+05:45:7", false, {}, P::Shape, ""},
        {"+05:60", false, {}, P::Shape, ""},
        {"+05:45:60", false, {}, P::Shape, ""},
        {"+105:00", false, {}, P::Shape, ""},
        {"+05:45:00:00", false, {}, P::Shape, ""},
        {"+ 5:45", false, {}, P::Shape, ""},
        {"", true, {}, P::Shape, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedOffset parsed = ParseExactOffset(c.text, c.allowLmt);
        EXPECT_EQ(parsed.offset, c.offset);
        EXPECT_EQ(parsed.problem, c.problem);
        if (parsed.offset) {
            EXPECT_EQ(ExactOffsetText(*parsed.offset), c.written);
        }
    }
    EXPECT_EQ(ExactOffsetText(ExactOffset{}), "");
}

// Four minutes of time a degree: Kathmandu's 85°19' E is 5:41:16 ahead.
TEST(ExactOffset, LocalMeanTimeOfALongitude) {
    EXPECT_EQ(LocalMeanTimeSeconds(85, 19, true), 5 * 3600 + 41 * 60 + 16);
    EXPECT_EQ(LocalMeanTimeSeconds(74, 0, false), -(4 * 3600 + 56 * 60));
    EXPECT_EQ(LocalMeanTimeSeconds(0, 0, true), 0);
    EXPECT_EQ(LocalMeanTimeSeconds(180, 0, true), 12 * 3600);
}

// The row whose signed offset lies nearest; of two as near, the first.
TEST(ExactOffset, NearestZoneRow) {
    struct Case {
        const char* offset;
        int row;
    };
    const Case cases[] = {
        {"+05:30", 34},     // Indian Time itself
        {"+05:45", 34},     // Indian Time before USSR Zone 5 (+6), as near
        {"-00:44:30", 67},  // West Africa Time (-1)
        {"-00:25:21", 29},  // Greenwich Mean Time
        {"+00:30", 16},     // British Summer Time (+1) before Greenwich, as near
        {"+14:00", 46},     // New Zealand Standard Summer Time (+13)
        {"-14:00", 36},     // International Date Line West (-12)
        {"-09:30", 31},     // Hawaiian Daylight Time
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(NearestZoneRow(ParseExactOffset(c.offset, false).offset->secondsEast), c.row);
    }
}

}  // namespace
}  // namespace vellamor
