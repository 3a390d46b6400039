// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the windowed program.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "gui/gazetteer_access.h"

class QApplication;

namespace vellamor {

class MainWindow;

// The places the program owns and lends to the windows: the call that
// starts reading them in the background, and the access to them (both
// empty in a build without the atlas).
struct DesktopPlaces {
    std::function<void()> startReading;
    GazetteerAccess access;
};

// The windowed program: refuses to run twice, runs the update reminder, then
// shows the entry window until the user ends the program. A chart file named
// on the command line (the first argument that is not one of Qt's own
// options) is opened at once, as "&Open Previously Saved Reading" would; when
// the program already runs, that chart is handed to it instead.
// `app` is the program's application object; the places are read in the
// background once this start is the only one, and lent to the windows.
int RunDesktop(QApplication& app, const DesktopPlaces& places);

// The program's look: its fonts and window icon.
void ApplyDesktopLook(QApplication& app);

// The chart named on the command line: the first argument after the
// program's name that is not "--" (Qt has taken out its own options); a file
// manager passes one, further names are ignored. Empty when there is none.
QString StartupChartArgument(const QStringList& arguments);

// Brings a chart handed over by a second start to the screen: closes an open
// question as Cancel would, goes Back if the result window shows, opens the
// chart as "&Open Previously Saved Reading" does and raises the window that
// shows it. Each step waits for the previous to take effect (a cancelled
// dialog's event loop must unwind and a left result window be gone before a
// new chart replaces it); a chart arriving before the entry window exists
// waits for it, and a later chart replaces one still waiting.
class ChartHandOverReceiver : public QObject {
    Q_OBJECT

  public:
    explicit ChartHandOverReceiver(QObject* parent = nullptr);
    void setWindow(MainWindow* window);

  public slots:
    void openHandedChart(const QString& path);
    // A refused start asked for the program: the window in use comes
    // forward (the result window while a chart is shown).
    void bringWindowForward();

  private:
    void onStep();

    QPointer<MainWindow> m_window;
    QString m_pending;
    QTimer m_step;
    int m_waitedSteps = 0;
};

// Closes every window and ends the program (closing either working window
// or choosing "&Exit" comes here).
void ExitApplication();

}  // namespace vellamor
