// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reminder_schedule.h"

#include <cstdio>

namespace vellamor {
namespace {

std::optional<unsigned> Digits(std::string_view s) {
    unsigned v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + static_cast<unsigned>(c - '0');
    }
    return v;
}

}  // namespace

std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = Digits(text.substr(0, 4));
    const auto m = Digits(text.substr(5, 2));
    const auto d = Digits(text.substr(8, 2));
    if (!y || !m || !d)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(*y)},
                                           std::chrono::month{*m}, std::chrono::day{*d}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string IsoDateText(std::chrono::year_month_day date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buf;
}

int DaysFromTodayTo(std::chrono::year_month_day today, std::chrono::year_month_day stored) {
    const std::chrono::sys_days from{today};
    const std::chrono::sys_days to{stored};
    return static_cast<int>((to - from).count());
}

ReminderStep DecideUpdateReminder(const std::optional<std::string>& storedText,
                                  std::chrono::year_month_day today) {
    if (!storedText)
        return ReminderStep::StoreToday;
    const auto stored = ParseIsoDate(*storedText);
    if (!stored)
        return ReminderStep::StoreToday;
    const int d = DaysFromTodayTo(today, *stored);
    if (d >= -kReminderQuietDays && d <= kReminderQuietDays)
        return ReminderStep::Quiet;
    return ReminderStep::AskAndStoreToday;
}

}  // namespace vellamor
