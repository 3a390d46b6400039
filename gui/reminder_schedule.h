// SPDX-License-Identifier: GPL-3.0-or-later
// When the start-up reminder asks whether to look for a newer version.
//
// Dates are civil dates of the user's clock. The last reminder date is stored
// as ISO 8601 text (YYYY-MM-DD) so that it reads back the same whatever the
// user's locale or short date format.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vellamor {

// A stored date at most this many days away, either way, keeps the reminder
// quiet; 15 days or more asks again.
inline constexpr int kReminderQuietDays = 14;

// Strict YYYY-MM-DD of a real calendar date; nothing otherwise.
std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text);
std::string IsoDateText(std::chrono::year_month_day date);

// Calendar days from `today` to `stored`: negative when `stored` lies in the
// past.
int DaysFromTodayTo(std::chrono::year_month_day today, std::chrono::year_month_day stored);

enum class ReminderStep {
    StoreToday,        // nothing stored, or nothing readable: remember today, ask nothing
    Quiet,             // reminded recently: show nothing, store nothing
    AskAndStoreToday,  // 15 days or more either way: ask, then remember today
};

// storedText is the settings value, or nothing when none is stored. A value
// that is not a readable date is replaced by today rather than left to
// silence the reminder for ever.
ReminderStep DecideUpdateReminder(const std::optional<std::string>& storedText,
                                  std::chrono::year_month_day today);

}  // namespace vellamor
