// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/about_box.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "core/version.h"
#include "desktop_test_support.h"

namespace vellamor {
namespace {

TEST(AboutBoxTest, ShowsTitleDescriptionSeparatorLinkAndOk) {
    const std::unique_ptr<QDialog> box = CreateAboutBox(nullptr);
    EXPECT_EQ(box->objectName(), "frmAbout");
    EXPECT_TRUE(box->isModal());

    auto* title = box->findChild<QLabel*>("lblTitle");
    auto* description = box->findChild<QLabel*>("lblDescription");
    auto* separator = box->findChild<QFrame*>("Line1");
    auto* link = box->findChild<QLabel*>("lblHomePage");
    auto* ok = box->findChild<QPushButton*>("cmdOK");
    ASSERT_TRUE(title && description && separator && link && ok);
    // The version shown is the build's own.
    EXPECT_TRUE(title->text().contains(QString::fromLatin1(kVersion)));
    EXPECT_EQ(box->windowTitle(), title->text());
    EXPECT_FALSE(description->text().isEmpty());
    EXPECT_EQ(separator->frameShape(), QFrame::HLine);

    // The licence and the credits the shipped data asks for.
    auto* licence = box->findChild<QLabel*>("lblLicence");
    auto* credits = box->findChild<QLabel*>("lblCredits");
    ASSERT_TRUE(licence && credits);
    EXPECT_TRUE(licence->text().contains("GNU General Public License, version 3 or"));
    for (const char* credit :
         {"GeoNames", "CC BY 4.0", "Time Zone Database", "Swiss Ephemeris", "AGPL-3.0"})
        EXPECT_TRUE(credits->text().contains(credit)) << credit;
}

TEST(AboutBoxTest, PictureIsDrawn) {
    const std::unique_ptr<QDialog> box = CreateAboutBox(nullptr);
    QWidget* picture = box->findChild<QWidget*>("picIcon");
    ASSERT_TRUE(picture);
    const QImage image = picture->grab().toImage();
    // The Sun ring's yellow crosses the middle row somewhere.
    bool yellow = false;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, image.height() / 2);
        yellow |= c.red() > 200 && c.green() > 200 && c.blue() < 80;
    }
    EXPECT_TRUE(yellow);
}

TEST(AboutBoxTest, LinkOpensTheHomePageAndOkCloses) {
    const std::unique_ptr<QDialog> box = CreateAboutBox(nullptr);
    testing::OpenedUrls opened;
    emit box->findChild<QLabel*>("lblHomePage")->linkActivated("home");
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl("https://vellamor.example/"));

    box->show();
    box->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vellamor
