// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/web_links.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop_test_support.h"

namespace vellamor {
namespace {

class WebLinksTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QSettings settings{dir.filePath("vellamor.conf"), QSettings::IniFormat};
};

TEST_F(WebLinksTest, DefaultsLieUnderTheReservedDomain) {
    EXPECT_EQ(WebPageAddress(settings, WebPage::Help), QUrl("https://vellamor.example/help"));
    EXPECT_EQ(WebPageAddress(settings, WebPage::Home), QUrl("https://vellamor.example/"));
    EXPECT_EQ(WebPageAddress(settings, WebPage::Download),
              QUrl("https://vellamor.example/download"));
}

TEST_F(WebLinksTest, SettingsOverrideEachAddressAndUnusableValuesAreIgnored) {
    settings.setValue("Links/HelpPage", "file:///usr/share/doc/vellamor/index.html");
    settings.setValue("Links/HomePage", " https://astro.example.org/ ");
    settings.setValue("Links/DownloadPage", "javascript:alert(1)");
    EXPECT_EQ(WebPageAddress(settings, WebPage::Help),
              QUrl("file:///usr/share/doc/vellamor/index.html"));
    EXPECT_EQ(WebPageAddress(settings, WebPage::Home), QUrl("https://astro.example.org/"));
    EXPECT_EQ(WebPageAddress(settings, WebPage::Download),
              QUrl("https://vellamor.example/download"));

    settings.setValue("Links/DownloadPage", "not a web address");
    EXPECT_EQ(WebPageAddress(settings, WebPage::Download),
              QUrl("https://vellamor.example/download"));
}

TEST_F(WebLinksTest, SearchTemplateGetsTheEncodedTextAndSite) {
    const QString text = "Pune Maharashtra India Latitude Longitude";
    EXPECT_EQ(
        CoordinatesSearchAddress(settings, text).toString(QUrl::FullyEncoded),
        "https://vellamor.example/search?q=Pune%20Maharashtra%20India%20Latitude%20Longitude");

    settings.setValue("Links/HomePage", "https://astro.example.org/");
    settings.setValue("Links/CoordinatesSearch", "https://search.example.net/?q=%1&site=%2");
    EXPECT_EQ(CoordinatesSearchAddress(settings, "A&B %2 #x").toString(QUrl::FullyEncoded),
              "https://search.example.net/"
              "?q=A%26B%20%252%20%23x&site=https%3A%2F%2Fastro.example.org%2F");

    // A template that cannot carry the search text falls back to the default.
    settings.setValue("Links/CoordinatesSearch", "https://search.example.net/");
    EXPECT_EQ(CoordinatesSearchAddress(settings, "Pune").toString(QUrl::FullyEncoded),
              "https://vellamor.example/search?q=Pune");
}

TEST_F(WebLinksTest, ReadsAFileWrittenByHand) {
    QFile file(dir.filePath("packager.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Links]\n"
        "; %1: the search text, %2: the home page\n"
        "CoordinatesSearch=https://search.example.net/find?q=%1&in=%2\n"
        "HomePage=https://astro.example.org/\n");
    file.close();
    const QSettings packaged(file.fileName(), QSettings::IniFormat);
    EXPECT_EQ(CoordinatesSearchAddress(packaged, "Pune").toString(QUrl::FullyEncoded),
              "https://search.example.net/find?q=Pune&in=https%3A%2F%2Fastro.example.org%2F");
}

TEST_F(WebLinksTest, OpenersHandTheAddressToTheDesktop) {
    testing::OpenedUrls opened;
    settings.setValue("Links/DownloadPage", "https://astro.example.org/get");
    OpenWebPage(settings, WebPage::Download);
    OpenHelpPage();  // the user's settings hold nothing: the default
    ASSERT_EQ(opened.urls.size(), 2);
    EXPECT_EQ(opened.urls[0], QUrl("https://astro.example.org/get"));
    EXPECT_EQ(opened.urls[1], QUrl("https://vellamor.example/help"));
}

}  // namespace
}  // namespace vellamor
