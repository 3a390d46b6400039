// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/position_text.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

struct TextCase {
    double angle;
    const char* longForm;
    const char* shortForm;
};

// Degrees, minutes and seconds are truncated at every step: 359.99 shows 24
// seconds, and 10.1 (just below one tenth in binary) shows 5' 59".
TEST(PositionText, LongAndShortFormsOfWorkedAngles) {
    const TextCase cases[] = {
        {0, "0\u00b0 0' 0\" Ari", "00 Ari 00"},
        {5.5, "5\u00b0 30' 0\" Ari", "05 Ari 30"},
        {45.25, "15\u00b0 15' 0\" Tau", "15 Tau 15"},
        {123.75, "3\u00b0 45' 0\" Leo", "03 Leo 45"},
        {359.99, "29\u00b0 59' 24\" Pis", "29 Pis 59"},
        {-10.5, "10\u00b0 30' 0\" Ari", "10 Ari 30"},
        {10.1, "10\u00b0 5' 59\" Ari", "10 Ari 05"},
        {725.5, "5\u00b0 30' 0\" Ari", "05 Ari 30"},  // whole turns change nothing
        {360e6 + 45.25, "15\u00b0 15' 0\" Tau", "15 Tau 15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        const std::string text = FormatSignPosition(c.angle).str();
        EXPECT_EQ(text, c.longForm);
        EXPECT_EQ(ShortPositionText(text), c.shortForm);
    }
    // The long form of 5.5 degrees is 13 characters (14 bytes: the degree
    // sign takes two in UTF-8).
    EXPECT_EQ(FormatSignPosition(5.5).size(), 14u);
}

TEST(PositionText, BothFormsAtOnceEqualTheLongFormReadBack) {
    for (double a = -400; a <= 400; a += 0.0137) {
        const PositionTexts texts = FormatPositionTexts(a);
        ASSERT_EQ(texts.longText, FormatSignPosition(a)) << a;
        ASSERT_EQ(texts.shortText, ShortPositionText(texts.longText)) << a;
    }
}

TEST(PositionText, ShortFormAlwaysCarriesTheSignAtCharactersFourToSix) {
    for (double a = 0; a < 360; a += 0.37) {
        const std::string s = ShortPositionText(FormatSignPosition(a)).str();
        ASSERT_EQ(s.size(), 9u) << a;
        const std::string longText = FormatSignPosition(a).str();
        EXPECT_EQ(s.substr(3, 3), longText.substr(longText.size() - 3));
    }
}

// A longitude of exactly 360 can arise when a tiny negative value gets a
// turn added; it is the first point of Aries, never a sign without a name.
TEST(PositionText, ExactlyThreeSixtyIsTheStartOfAries) {
    EXPECT_EQ(FormatSignPosition(360.0), "0\u00b0 0' 0\" Ari");
    EXPECT_EQ(ShortPositionText(FormatSignPosition(360.0)), "00 Ari 00");
    EXPECT_EQ(SignIndexOf(360.0), 0);
    EXPECT_EQ(SignIndexOf(359.9999), 11);
}

}  // namespace
}  // namespace vellamor
