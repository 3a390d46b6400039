// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reminder_schedule.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

year_month_day Ymd(int y, unsigned m, unsigned d) {
    return {year{y}, month{m}, day{d}};
}

TEST(ReminderScheduleTest, ParsesOnlyStrictIsoDatesOfRealDays) {
    struct Case {
        const char* text;
        std::optional<year_month_day> expected;
    };
    const Case cases[] = {
        {"2024-02-29", Ymd(2024, 2, 29)}, {"1999-12-31", Ymd(1999, 12, 31)},
        {"2023-02-29", std::nullopt},  // not a leap year
        {"2024-04-31", std::nullopt},     {"2024-13-01", std::nullopt},
        {"2024-00-10", std::nullopt},     {"2024-1-5", std::nullopt},
        {"05/01/2024", std::nullopt},  // a locale's short date
        {"5.1.2024", std::nullopt},       {"2024-01-05 ", std::nullopt},
        {"2024-01-0x", std::nullopt},     {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseIsoDate(c.text), c.expected) << "text: \"" << c.text << "\"";
    }
}

TEST(ReminderScheduleTest, WritesWhatItReads) {
    for (const year_month_day d : {Ymd(2024, 2, 29), Ymd(1901, 1, 1), Ymd(2050, 12, 31)}) {
        EXPECT_EQ(ParseIsoDate(IsoDateText(d)), d) << IsoDateText(d);
    }
    EXPECT_EQ(IsoDateText(Ymd(2024, 3, 5)), "2024-03-05");
}

TEST(ReminderScheduleTest, CountsCalendarDaysAcrossMonthsYearsAndLeapDays) {
    struct Case {
        year_month_day today, stored;
        int days;
    };
    const Case cases[] = {
        {Ymd(2024, 3, 1), Ymd(2024, 2, 28), -2},  // through 29 February
        {Ymd(2023, 3, 1), Ymd(2023, 2, 28), -1},  {Ymd(2024, 1, 10), Ymd(2023, 12, 27), -14},
        {Ymd(2024, 1, 10), Ymd(2024, 1, 25), 15}, {Ymd(2024, 1, 10), Ymd(2024, 1, 10), 0},
        {Ymd(2025, 1, 1), Ymd(2024, 1, 1), -366},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DaysFromTodayTo(c.today, c.stored), c.days)
            << "today " << IsoDateText(c.today) << ", stored " << IsoDateText(c.stored);
    }
}

TEST(ReminderScheduleTest, AsksAtFifteenDaysOrMoreInEitherDirection) {
    const year_month_day today = Ymd(2024, 3, 20);
    struct Case {
        std::optional<std::string> stored;
        ReminderStep step;
    };
    const Case cases[] = {
        {std::nullopt, ReminderStep::StoreToday},  // first start
        {"", ReminderStep::StoreToday},            // unreadable: replaced, not silenced
        {"20/03/2024", ReminderStep::StoreToday},
        {"2024-03-20", ReminderStep::Quiet},
        {"2024-03-06", ReminderStep::Quiet},             // 14 days ago
        {"2024-03-05", ReminderStep::AskAndStoreToday},  // 15 days ago
        {"2024-04-03", ReminderStep::Quiet},             // 14 days ahead
        {"2024-04-04", ReminderStep::AskAndStoreToday},  // 15 days ahead: clock set back
        {"1999-01-01", ReminderStep::AskAndStoreToday},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideUpdateReminder(c.stored, today), c.step)
            << "stored: " << c.stored.value_or("(none)");
    }
}

}  // namespace
}  // namespace vellamor
