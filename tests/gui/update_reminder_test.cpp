// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/update_reminder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop_test_support.h"
#include "gui/calculation_menu.h"
#include "gui/recent_charts.h"
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

// Every write of a setting (the reminder's date, the calculation menu, the
// recent charts) keeps the user's file as written: comments, blank lines,
// other groups and keys in their places, bytes that are not UTF-8, CRLF
// endings. A file that cannot be edited in place (over 1 MiB, read-only)
// is left exactly as it was, its mode too, and the user is told.
TEST_F(UpdateReminderTest, StoringASettingKeepsTheUsersFile) {
    enum class Write { Reminder, Calculation, RecentCharts };
    const QByteArray large = "; " + QByteArray(1100 * 1024, 'n') + "\n";
    const struct {
        Write write;
        QByteArray before;
        QByteArray after;  // empty: as before
        QFileDevice::Permissions mode = {};
        bool told = false;
    } cases[] = {
        {Write::Reminder, "; mine\n[Settings]\nLastUpdateReminder=2023-01-01\nLanguage=hi\n",
         "; mine\n[Settings]\nLastUpdateReminder=2024-03-20\nLanguage=hi\n"},
        {Write::Reminder, "[Settings]\nLanguage=hi ; mine\n\n[Links]\n; the mirror\nHomePage=x\n",
         "[Settings]\nLanguage=hi ; mine\nLastUpdateReminder=2024-03-20\n\n[Links]\n"
         "; the mirror\nHomePage=x\n"},
        {Write::Reminder, "[Links]\n; LastUpdateReminder=old\nLastUpdateReminder=1\n",
         "[Links]\n; LastUpdateReminder=old\nLastUpdateReminder=1\n\n[Settings]\n"
         "LastUpdateReminder=2024-03-20\n"},
        {Write::Reminder, "", "[Settings]\nLastUpdateReminder=2024-03-20\n"},
        {Write::Reminder, "; caf\xe9\n[Settings]\nLastUpdateReminder=bad\n",
         "; caf\xe9\n[Settings]\nLastUpdateReminder=2024-03-20\n"},
        {Write::Reminder, "; mine\r\n[Settings]\r\nLanguage=hi\r\n",
         "; mine\r\n[Settings]\r\nLanguage=hi\r\nLastUpdateReminder=2024-03-20\r\n"},
        {Write::Reminder, large + "[Settings]\nLastUpdateReminder=bad\n", {}, {}, true},
        {Write::Reminder,
         "; mine\n[Settings]\nLastUpdateReminder=bad\n",
         {},
         QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther,
         true},
        {Write::Calculation, "; mine\n\n[Calculation]\r\nmethod = classic\n[Zeta]\nB=1\nA=\"q\"\n",
         "; mine\n\n[Calculation]\r\nmethod=precise\nayanamsa=lahiri\nnode=mean\n[Zeta]\nB=1\n"
         "A=\"q\"\n"},
        {Write::RecentCharts, "; caf\xe9\n[Settings]\nLastUpdateReminder=2024-03-20\n",
         "; caf\xe9\n[Settings]\nLastUpdateReminder=2024-03-20\n\n[RecentCharts]\n"
         "File1=/a%20b.sud\nFile2=\nFile3=\nFile4=\nFile5=\nFile6=\nFile7=\nFile8=\n"},
    };
    int rowNumber = 0;
    for (const auto& c : cases) {
        const std::string row = c.before.left(40).toStdString();
        // A file of its own each row: QSettings keeps what it read of a path
        // and may trust it when a rewrite leaves its size and time alike.
        path = dir.filePath(QStringLiteral("row%1.conf").arg(++rowNumber));
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.before);
        }
        if (c.mode)
            QFile::setPermissions(path, c.mode);
        testing::ScriptedDialogs dialogs(DialogAnswer::No);
        {
            QSettings settings(path, QSettings::IniFormat);
            switch (c.write) {
                case Write::Reminder:
                    CheckUpdateReminder(settings, kToday, dialogs);
                    break;
                case Write::Calculation: {
                    CalculationChoice precise;
                    precise.method = CalculationMethod::Precise;
                    EXPECT_TRUE(WriteCalculationChoice(settings, precise)) << row;
                    EXPECT_TRUE(ReadCalculationChoice(settings).precise()) << row;
                    break;
                }
                case Write::RecentCharts:
                    EXPECT_TRUE(StoreRecentCharts(settings, {"/a b.sud"})) << row;
                    EXPECT_EQ(ReadRecentCharts(settings), QStringList{"/a b.sud"}) << row;
                    break;
            }
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.after.isEmpty() ? c.before : c.after) << row;
        if (c.mode) {
            const auto userBits =
                QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
            EXPECT_EQ(QFile::permissions(path) & ~userBits, c.mode) << row;
        }
        int told = 0;
        for (const auto& shown : dialogs.shown)
            told += shown.icon == DialogIcon::Warning;
        EXPECT_EQ(told, c.told ? 1 : 0) << row;
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

}  // namespace
}  // namespace vellamor
