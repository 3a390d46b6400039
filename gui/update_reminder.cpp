// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/update_reminder.h"

#include <QCoreApplication>
#include <QSettings>

#include "gui/dialogs.h"
#include "gui/reminder_schedule.h"
#include "gui/translation.h"
#include "gui/user_settings.h"
#include "gui/web_links.h"

namespace vellamor {
namespace {

std::chrono::year_month_day CivilDate(QDate d) {
    return std::chrono::year_month_day{std::chrono::year{d.year()},
                                       std::chrono::month{static_cast<unsigned>(d.month())},
                                       std::chrono::day{static_cast<unsigned>(d.day())}};
}

// In place, so that the user's comments in the file survive; through
// QSettings only where the file cannot be edited so.
void StoreToday(QSettings& settings, QDate today) {
    const QString date = today.toString(Qt::ISODate);
    if (StoreSettingInPlace(settings, QString::fromLatin1(kLastReminderKey), date))
        return;
    settings.setValue(kLastReminderKey, date);
    settings.sync();
}

}  // namespace

void CheckUpdateReminder(QSettings& settings, QDate today, Dialogs& dialogs, QWidget* parent) {
    if (!today.isValid())
        return;
    std::optional<std::string> stored;
    if (settings.contains(kLastReminderKey))
        stored = settings.value(kLastReminderKey).toString().toStdString();

    switch (DecideUpdateReminder(stored, CivilDate(today))) {
        case ReminderStep::Quiet:
            return;
        case ReminderStep::StoreToday:
            StoreToday(settings, today);
            return;
        case ReminderStep::AskAndStoreToday: {
            const DialogAnswer answer =
                dialogs.message(parent, DialogIcon::Information,
                                QCoreApplication::translate("vellamor::UpdateReminder",
                                                            "There maybe an update to this "
                                                            "software available\nDo you want to "
                                                            "check for an update?"),
                                DialogButtons::YesNo);
            StoreToday(settings, today);
            if (answer == DialogAnswer::Yes)
                OpenWebPage(settings, WebPage::Download);
            return;
        }
    }
}

void CheckUpdateReminder(Dialogs& dialogs) {
    CheckUpdateReminder(*OpenUserSettings(), QDate::currentDate(), dialogs);
}

}  // namespace vellamor
