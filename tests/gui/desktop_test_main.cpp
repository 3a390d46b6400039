// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the desktop tests without a display and without touching the user's
// own settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "desktop_test_support.h"

namespace vellamor::testing {

OpenedUrls::OpenedUrls() {
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

OpenedUrls::~OpenedUrls() {
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(scheme);
}

}  // namespace vellamor::testing

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
