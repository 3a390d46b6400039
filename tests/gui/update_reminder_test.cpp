// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/update_reminder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop_test_support.h"
#include "gui/user_settings.h"

namespace vellamor {
namespace {

const QDate kToday(2024, 3, 20);

class UpdateReminderTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath("vellamor.conf");

    // Runs the reminder on a settings file holding `stored` (nothing: no
    // value) and returns what it stored.
    QString RunWith(const QVariant& stored, testing::ScriptedDialogs& dialogs) {
        {
            QSettings settings(path, QSettings::IniFormat);
            settings.clear();
            if (stored.isValid())
                settings.setValue(kLastReminderKey, stored);
            CheckUpdateReminder(settings, kToday, dialogs);
        }
        QSettings reread(path, QSettings::IniFormat);  // what really reached the file
        return reread.value(kLastReminderKey).toString();
    }
};

TEST_F(UpdateReminderTest, FirstStartAndUnreadableDatesStoreTodayWithoutAsking) {
    for (const QVariant& stored : {QVariant(), QVariant("20/03/2024"), QVariant("")}) {
        testing::ScriptedDialogs dialogs(DialogAnswer::Yes);
        testing::OpenedUrls opened;
        EXPECT_EQ(RunWith(stored, dialogs), "2024-03-20") << stored.toString().toStdString();
        EXPECT_TRUE(dialogs.shown.isEmpty());
        EXPECT_TRUE(opened.urls.isEmpty());
    }
}

TEST_F(UpdateReminderTest, StaysQuietWithinFourteenDaysEitherWay) {
    for (const char* stored : {"2024-03-06", "2024-03-20", "2024-04-03"}) {
        testing::ScriptedDialogs dialogs(DialogAnswer::Yes);
        EXPECT_EQ(RunWith(stored, dialogs), stored);  // unchanged
        EXPECT_TRUE(dialogs.shown.isEmpty()) << stored;
    }
}

TEST_F(UpdateReminderTest, AsksAtFifteenDaysEitherWayAndStoresTodayWhateverTheAnswer) {
    for (const char* stored : {"2024-03-05", "2024-04-04"}) {
        for (DialogAnswer answer : {DialogAnswer::Yes, DialogAnswer::No}) {
            testing::ScriptedDialogs dialogs(answer);
            testing::OpenedUrls opened;
            EXPECT_EQ(RunWith(stored, dialogs), "2024-03-20") << stored;
            ASSERT_EQ(dialogs.shown.size(), 1) << stored;
            EXPECT_EQ(dialogs.shown[0].text,
                      "There maybe an update to this software available\n"
                      "Do you want to check for an update?");
            EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Information);
            EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::YesNo);
            if (answer == DialogAnswer::Yes) {
                ASSERT_EQ(opened.urls.size(), 1);
                EXPECT_EQ(opened.urls[0], QUrl("https://vellamor.example/download"));
            } else {
                EXPECT_TRUE(opened.urls.isEmpty());
            }
        }
    }
}

TEST_F(UpdateReminderTest, YesOpensTheConfiguredDownloadPage) {
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("Links/DownloadPage", "https://mirror.example.org/vellamor");
        settings.setValue(kLastReminderKey, "2023-01-01");
    }
    testing::ScriptedDialogs dialogs(DialogAnswer::Yes);
    testing::OpenedUrls opened;
    QSettings settings(path, QSettings::IniFormat);
    CheckUpdateReminder(settings, kToday, dialogs);
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl("https://mirror.example.org/vellamor"));
}

// Storing the date keeps the user's file as written: comments, blank lines,
// other groups and keys, in their places.
TEST_F(UpdateReminderTest, StoringTheDateKeepsTheUsersFile) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"; mine\n[Settings]\nLastUpdateReminder=2023-01-01\nLanguage=hi\n",
         "; mine\n[Settings]\nLastUpdateReminder=2024-03-20\nLanguage=hi\n"},
        {"[Settings]\nLanguage=hi ; mine\n\n[Links]\n; the mirror\nHomePage=x\n",
         "[Settings]\nLanguage=hi ; mine\nLastUpdateReminder=2024-03-20\n\n[Links]\n"
         "; the mirror\nHomePage=x\n"},
        {"[Links]\n; LastUpdateReminder=old\nLastUpdateReminder=1\n",
         "[Links]\n; LastUpdateReminder=old\nLastUpdateReminder=1\n\n[Settings]\n"
         "LastUpdateReminder=2024-03-20\n"},
        {"", "[Settings]\nLastUpdateReminder=2024-03-20\n"},
    };
    for (const auto& c : cases) {
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.before);
        }
        testing::ScriptedDialogs dialogs(DialogAnswer::No);
        QSettings settings(path, QSettings::IniFormat);
        CheckUpdateReminder(settings, kToday, dialogs);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), c.after) << c.before;
        EXPECT_EQ(settings.value(kLastReminderKey).toString(), "2024-03-20") << c.before;
    }
}

}  // namespace
}  // namespace vellamor
