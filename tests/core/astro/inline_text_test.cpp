// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/inline_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellamor {
namespace {

// Whatever goes in comes out whole: up to the inline room, across it by
// appending, far beyond it, through copies and assignment to itself or a
// part of itself.
TEST(InlineText, NeverCutsShortAtAnyLength) {
    using Text = InlineText<8>;
    struct Case {
        std::vector<std::string> pieces;
        bool isLong;
    };
    const std::vector<Case> cases = {
        {{}, false},
        {{"12345678"}, false},
        {{"123456789"}, true},
        {{"1234", "5678"}, false},
        {{"1234567", "\xC2\xB0"}, true},  // a character across the boundary stays whole
        {{"12345678", "", "9"}, true},
        {{std::string(1000, 'x'), "y"}, true},
    };
    for (const Case& c : cases) {
        std::string want;
        Text text;
        for (const std::string& piece : c.pieces) {
            text += piece;
            want += piece;
        }
        SCOPED_TRACE(want.substr(0, 20));
        EXPECT_EQ(text, want);
        EXPECT_EQ(text.isLong(), c.isLong);
        Text copy = text;
        Text assigned;
        assigned = copy;
        copy += "!";
        EXPECT_EQ(assigned, want);
        EXPECT_EQ(copy, want + "!");
        assigned = assigned.view();  // a text may be given itself
        EXPECT_EQ(assigned, want);
        assigned = assigned.view().substr(want.empty() ? 0 : 1);  // or a part of itself
        EXPECT_EQ(assigned, want.substr(want.empty() ? 0 : 1));
        const Text made(want);
        EXPECT_EQ(made, want);
        EXPECT_EQ(made.isLong(), want.size() > Text::capacity());
        copy = "short again";
        EXPECT_EQ(copy, "short again");
    }
}

}  // namespace
}  // namespace vellamor
