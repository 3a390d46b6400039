// SPDX-License-Identifier: GPL-3.0-or-later
// The stays are checked against the positions themselves, minute by minute
// at their ends and hour by hour between them, so a step that jumped over a
// retrograde return would show.
#include "core/reading/sign_changes.h"

#include <gtest/gtest.h>

#include "core/astro/position_text.h"
#include "core/reading/dasha.h"

namespace vellamor {
namespace {

int SignAt(const Chart& chart, Body body, const CivilDateTime& t) {
    return SignIndexOf(TransitLongitude(chart, body, t));
}

TEST(SignStay, HoldsTheReadingAndEndsOnTheMinuteItChangesSign) {
    BirthData birth;
    birth.year = 1980, birth.month = 6, birth.day = 15, birth.hour = 10, birth.minute = 30;
    birth.zoneIndex = 0;
    const CalculationChoice precise{CalculationMethod::Precise, Ayanamsa::Lahiri, LunarNode::True};
    struct Case {
        const char* what;
        CalculationChoice choice;
        Body body;
        CivilDateTime reading;
        int signBeforeEntry;  // relative to the stay's sign: +1 is a retrograde return
        int signAfterExit;
    };
    const Case cases[] = {
        {"the Moon, classic", {}, Body::Moon, {2026, 12, 7, 12, 0}, -1, +1},
        {"Jupiter back into Cancer", {}, Body::Jupiter, {2027, 3, 1, 0, 0}, +1, +1},
        {"Jupiter leaving Leo backwards", {}, Body::Jupiter, {2026, 12, 7, 12, 0}, -1, -1},
        {"Saturn, precise", precise, Body::Saturn, {2026, 12, 7, 12, 0}, -1, +1},
        {"the true node, precise", precise, Body::Rahu, {2001, 3, 3, 3, 3}, +1, -1},
        {"Mercury, precise", precise, Body::Mercury, {2030, 1, 20, 6, 0}, -1, +1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Chart chart = CalculateChart(birth, c.choice);
        const SignStay stay = FindSignStay(chart, c.body, c.reading);
        ASSERT_TRUE(stay.enters && stay.leaves);
        const int sign = SignAt(chart, c.body, c.reading);
        const auto turned = [sign](int other) { return (other - sign + 18) % 12 - 6; };
        EXPECT_EQ(SignAt(chart, c.body, *stay.enters), sign);
        EXPECT_EQ(turned(SignAt(chart, c.body, AddMinutes(*stay.enters, -1))), c.signBeforeEntry);
        EXPECT_EQ(SignAt(chart, c.body, AddMinutes(*stay.leaves, -1)), sign);
        EXPECT_EQ(turned(SignAt(chart, c.body, *stay.leaves)), c.signAfterExit);
        for (CivilDateTime t = *stay.enters; MinutesSince1970(t) < MinutesSince1970(*stay.leaves);
             t = AddMinutes(t, 60))
            ASSERT_EQ(SignAt(chart, c.body, t), sign) << ClockText(t);
    }
}

TEST(SignStay, IsUnknownBeyondTheYearsOfTheProgram) {
    BirthData birth;
    birth.year = 1901, birth.month = 1, birth.day = 1;
    const Chart chart = CalculateChart(birth);
    EXPECT_FALSE(FindSignStay(chart, Body::Pluto, {1901, 6, 1, 0, 0}).enters);
    EXPECT_FALSE(FindSignStay(chart, Body::Pluto, {2050, 6, 1, 0, 0}).leaves);
}

}  // namespace
}  // namespace vellamor
