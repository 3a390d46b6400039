// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/update_reminder.h"

#include <QCoreApplication>
#include <QDir>
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

// In place, so that the user's lines in the file survive. A file that
// cannot be edited so (too large, read-only) is left exactly as it is, never
// replaced whole, and the user is told (once: the reminder runs once a start).
void StoreToday(QSettings& settings, QDate today, Dialogs& dialogs, QWidget* parent) {
    const QString date = today.toString(Qt::ISODate);
    if (StoreSettingInPlace(settings, QString::fromLatin1(kLastReminderKey), date))
        return;
    dialogs.message(parent, DialogIcon::Warning,
                    QCoreApplication::translate("vellamor::UpdateReminder",
                                                "The settings file could not be changed, so it "
                                                "was left as it is; the update reminder may "
                                                "come again at the next start."),
                    DialogButtons::Ok, QDir::toNativeSeparators(settings.fileName()));
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
            StoreToday(settings, today, dialogs, parent);
            return;
        case ReminderStep::AskAndStoreToday: {
            const DialogAnswer answer =
                dialogs.message(parent, DialogIcon::Information,
                                QCoreApplication::translate("vellamor::UpdateReminder",
                                                            "There maybe an update to this "
                                                            "software available\nDo you want to "
                                                            "check for an update?"),
                                DialogButtons::YesNo);
            StoreToday(settings, today, dialogs, parent);
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
