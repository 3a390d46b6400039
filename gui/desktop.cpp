// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/desktop.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <optional>
#include <utility>

#include "core/version.h"
#include "gui/dialogs.h"
#include "gui/main_window.h"
#include "gui/single_instance.h"
#include "gui/translation.h"
#include "gui/update_reminder.h"
#include "gui/user_settings.h"
#include "render/chakra_emblem.h"

namespace vellamor {
namespace {

// A stubborn dialog or window must not keep a handed-over chart waiting for
// ever: after this many steps the chart opens anyway.
constexpr int kMaxWaitSteps = 200;

void BringToFront(QWidget& window) {
    window.show();
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.raise();
    window.activateWindow();
}

}  // namespace

QString StartupChartArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) != QStringLiteral("--"))
            return arguments.at(i);
    }
    return {};
}

ChartHandOverReceiver::ChartHandOverReceiver(QObject* parent) : QObject(parent) {
    m_step.setInterval(10);
    connect(&m_step, &QTimer::timeout, this, &ChartHandOverReceiver::onStep);
}

void ChartHandOverReceiver::setWindow(MainWindow* window) {
    m_window = window;
    if (m_window && !m_pending.isEmpty())
        m_step.start();
}

void ChartHandOverReceiver::openHandedChart(const QString& path) {
    m_pending = path;
    m_waitedSteps = 0;
    CancelOpenDialogs();
    if (m_window)
        m_step.start();
}

void ChartHandOverReceiver::bringWindowForward() {
    if (!m_window)
        return;
    ResultWindow* result = m_window->resultWindow();
    if (result && result->isVisible())
        BringToFront(*result);
    else if (m_window->isVisible())
        BringToFront(*m_window);
}

void ChartHandOverReceiver::onStep() {
    if (!m_window || m_pending.isEmpty()) {
        m_step.stop();
        return;
    }
    const bool patient = ++m_waitedSteps < kMaxWaitSteps;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        CancelOpenDialogs();
        if (patient)
            return;
    }
    if (ResultWindow* result = m_window->resultWindow()) {
        if (result->isVisible())
            result->onBack();
        if (patient)
            return;
    }
    m_step.stop();
    const QString path = std::exchange(m_pending, QString());
    BringToFront(*m_window);
    if (m_window->openChartFile(path) && m_window->resultWindow())
        BringToFront(*m_window->resultWindow());
}

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

int RunDesktop(QApplication& app, const DesktopPlaces& places) {
    ApplyDesktopLook(app);
    // Every question the windows ask goes through these, handed down.
    QtDialogs dialogs;
    const ShownLanguage language =
        LanguageTheFontsShow(ChooseLanguage(*OpenUserSettings(), QLocale::system().uiLanguages()));
    InstallTranslations(language.language);

    // Without a private folder, no lock and no hand-over: one that another
    // user could reach is worse than none.
    const std::optional<HandOverPaths> paths = DefaultHandOverPaths();
    std::optional<InstanceLock> lock;
    if (paths) {
        lock.emplace(paths->lock);
        if (!CheckSingleInstance(*lock, StartupChartArgument(QApplication::arguments()),
                                 paths->socket, dialogs)) {
            return 0;
        }
    } else {
        SayNoHandOver(dialogs);
    }
    // Listening before the update reminder asks its question: a chart handed
    // over then closes the question and waits for the entry window.
    std::optional<ChartHandOverServer> handOver;
    ChartHandOverReceiver receiver;
    if (paths) {
        handOver.emplace(paths->socket);
        QObject::connect(&*handOver, &ChartHandOverServer::chartReceived, &receiver,
                         &ChartHandOverReceiver::openHandedChart);
        QObject::connect(&*handOver, &ChartHandOverServer::comeForwardRequested, &receiver,
                         &ChartHandOverReceiver::bringWindowForward);
        handOver->listen();
    }

    // Read while the user types the name and the date, so the window opens
    // at once and the first place typed finds it ready.
    if (places.startReading)
        places.startReading();

    if (!language.note.isEmpty())
        dialogs.message(nullptr, DialogIcon::Information, language.note, DialogButtons::Ok);
    CheckUpdateReminder(dialogs);

    MainWindow window(places.access, dialogs);
    receiver.setWindow(&window);
    window.show();
    OpenChartFromArguments(window, QApplication::arguments());
    return app.exec();
}

}  // namespace vellamor
