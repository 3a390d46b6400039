// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up reminder that offers, every fifteen days or so, to look for a
// newer version. The date it last ran is kept under [Settings] in the
// settings file (see user_settings.h) as ISO 8601 text.
#pragma once

#include <QDate>

class QSettings;
class QWidget;

namespace vellamor {

class Dialogs;

inline constexpr const char* kLastReminderKey = "Settings/LastUpdateReminder";

// Runs once at start-up, before the entry window shows: the user's settings,
// today's date, and the dialogs it asks through.
void CheckUpdateReminder(Dialogs& dialogs);

// The same with what it depends on handed in.
void CheckUpdateReminder(QSettings& settings, QDate today, Dialogs& dialogs,
                         QWidget* parent = nullptr);

}  // namespace vellamor
