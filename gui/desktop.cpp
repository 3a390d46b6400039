#include "gui/desktop.h"

#include <QApplication>
#include <QFont>

#include "core/version.h"
#include "gui/main_window.h"
#include "gui/single_instance.h"
#include "gui/update_reminder.h"
#include "render/chakra_emblem.h"

namespace vellamor {

void ApplyDesktopLook(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vellamor"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QFont font = app.font();
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(9);
    QApplication::setFont(font);
    QApplication::setWindowIcon(ChakraEmblemIcon());
}

void ExitApplication() {
    static bool exiting = false;
    if (exiting)
        return;
    exiting = true;
    // Closing a window brings its own request to end back here; the guard
    // lets each window close once.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->isWindow())
            w->close();
    }
    QCoreApplication::quit();
    exiting = false;
}

int RunDesktop(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyDesktopLook(app);

    InstanceLock lock(DefaultInstanceLockPath());
    if (!CheckSingleInstance(lock))
        return 0;

    CheckUpdateReminder();

    MainWindow window;
    window.show();
    OpenChartFromArguments(window, QApplication::arguments());
    return app.exec();
}

}  // namespace vellamor
