// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to a visible window, for timing the whole process from outside
// (for example with /usr/bin/time or hyperfine):
//
//   startup_probe entry   the program's own start: look, single-instance
//                         lock, update reminder, entry window
//   startup_probe bare    a bare Qt window, the yardstick
//   startup_probe label   a bare Qt window showing one line of text (the
//                         fonts loaded, as any real window needs)
//
// Either way the process ends as soon as the window has been painted once.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <memory>

#include "core/version.h"
#include "gui/desktop.h"
#include "gui/dialogs.h"
#include "gui/main_window.h"
#include "gui/single_instance.h"
#include "gui/update_reminder.h"
#ifdef VELLAMOR_HAVE_ATLAS
#include "atlas/gazetteer.h"
#endif

namespace {

// Ends the event loop once the watched window has been painted.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    const bool entry = argc > 1 && std::strcmp(argv[1], "entry") == 0;
    QApplication app(argc, argv);
    FirstPaint painted;
    std::unique_ptr<QWidget> window;
    QTemporaryDir runtime;
    vellamor::GazetteerAccess places;
#ifdef VELLAMOR_HAVE_ATLAS
    // As the program does: the gazetteer read in the background meanwhile.
    vellamor::atlas::BuiltInGazetteer gazetteer;
    places = [&gazetteer]() -> const vellamor::atlas::Gazetteer& { return gazetteer.Get(); };
#endif
    std::unique_ptr<vellamor::InstanceLock> lock;
    vellamor::QtDialogs dialogs;
    if (entry) {
        vellamor::ApplyDesktopLook(app);
        lock = std::make_unique<vellamor::InstanceLock>(runtime.filePath("vellamor.lock"));
        if (!vellamor::CheckSingleInstance(*lock, dialogs))
            return 1;
#ifdef VELLAMOR_HAVE_ATLAS
        gazetteer.ReadInBackground();
#endif
        vellamor::CheckUpdateReminder(dialogs);
        window = std::make_unique<vellamor::MainWindow>(places, dialogs);
    } else if (argc > 1 && std::strcmp(argv[1], "label") == 0) {
        window = std::make_unique<QLabel>(QStringLiteral("Vellamor v") +
                                          QString::fromLatin1(vellamor::kVersion));
        window->resize(640, 320);
    } else {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("bare"));
        window->resize(640, 320);
    }
    window->installEventFilter(&painted);
    window->show();
    return app.exec();
}
