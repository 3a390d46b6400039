// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every window test headless, with Qt's test-mode settings so that
// nothing touches the user's own settings or files.
#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "gui_tests.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellamor"));
    int failed = 0;
    for (auto& make : vellamor::GuiTestRegistry()) {
        std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
