// SPDX-License-Identifier: GPL-3.0-or-later
// Only one windowed program runs at a time on a display.
//
// The running program holds a lock file (QLockFile) in a folder private to
// the user (owned by the user, closed to everyone else): the runtime folder
// when it is such a folder, otherwise a folder of the program's own in the
// temporary folder, made private. When neither is private (another user
// made the program's folder first), the program runs without the lock and
// the hand-over and says so: a lock or socket that another user can reach
// would let that user receive the charts opened or keep the program from
// starting. Lock and socket are named after the display (or the session),
// so that a start on another display never takes over a window on this one.
//
// The lock file names the process that holds it, and a start that finds the
// file of a process that no longer runs takes it over, so a crashed or
// killed program never blocks the next start; age alone never makes a lock
// stale, since the window may stay open for days. Its descriptor is not
// inherited by programs the window starts (a browser). The headless modes
// never take the lock.
//
// A second start that names a chart (a double click in the file manager)
// hands the chart to the running program through a local socket beside the
// lock and ends quietly; the running program opens it.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

namespace vellamor {

class Dialogs;

class InstanceLock {
  public:
    explicit InstanceLock(const QString& path);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock (or already held it); false
    // when another program holds it. A lock file that cannot be created at
    // all does not stop the program: it runs as if it were alone.
    bool acquire();
    bool held() const { return m_lock.isLocked(); }
    QString path() const { return m_lock.fileName(); }

  private:
    QLockFile m_lock;
};

// Whether `folder` is private to this user: a folder, not a link, owned by
// the effective user, with no permission for the group or others.
bool IsPrivateFolder(const QString& folder);

// The folder for the lock and the socket: `runtimeFolder` (the value of
// XDG_RUNTIME_DIR, perhaps empty) when it is private, otherwise
// "vellamor-UID" in `temporaryFolder`, made with mode 0700 if missing and
// taken only when private. None when neither is.
std::optional<QString> HandOverFolder(const QString& runtimeFolder, const QString& temporaryFolder);

// The part of the lock's and socket's names that tells displays apart: the
// Wayland display, else the X display less its screen, else the session,
// else "default"; characters other than letters, digits, '.', '-' and '_'
// become '_'.
QString DisplayKey(const QString& waylandDisplay, const QString& x11Display,
                   const QString& sessionId);

// The lock file and the socket of this user on this display.
struct HandOverPaths {
    QString lock;
    QString socket;
};
// From the environment; none when no private folder can be found or made.
std::optional<HandOverPaths> DefaultHandOverPaths();

inline constexpr const char* kAlreadyRunningMessage =
    QT_TRANSLATE_NOOP("vellamor::InstanceLock", "Application is already running");

// The start-up check: takes the lock, or tells the user that the program is
// already running (through `dialogs`) and returns false (the caller then
// ends).
bool CheckSingleInstance(InstanceLock& lock, Dialogs& dialogs);

// The same check for a start that names a chart: when another program holds
// the lock, the chart is handed to it and false comes back without a word;
// only when the hand-over fails is the user told as above, and which chart
// could not be handed over. Without a chart the user is told as above, and
// the running program is asked to bring its window forward.
bool CheckSingleInstance(InstanceLock& lock, const QString& chart, const QString& socketPath,
                         Dialogs& dialogs);

// Tells the user that the program runs without the hand-over, as no private
// folder could be found or made.
void SayNoHandOver(Dialogs& dialogs);

// The running program's end of the hand-over. Each connection carries one
// chart path: its length in UTF-8 bytes (four bytes, most significant
// first), then the absolute path itself, so that no character of the path
// can cut it short; it is answered "ok". A length of zero and no path asks
// for the program's window instead. At most a few connections are
// served at once (the rest are closed at once), one that has not sent its
// path within a few seconds is closed, and a server that stopped listening
// (the system ran out of descriptors, the socket file was removed) listens
// again.
class ChartHandOverServer : public QObject {
    Q_OBJECT

  public:
    explicit ChartHandOverServer(QString socketPath, QObject* parent = nullptr);

    // Listens on the socket, readable and writable by this user only. Call it
    // while holding the instance lock: a socket file found then was left by a
    // program that died, and is removed first. False when the socket cannot
    // be made (the program then runs without the hand-over).
    bool listen();
    bool isListening() const { return m_server.isListening(); }

    static constexpr int kMaxConnections = 8;
    static constexpr int kConnectionTimeoutMs = 2000;
    static constexpr int kRecoveryIntervalMs = 1000;

  signals:
    void chartReceived(const QString& path);
    // A start was refused without a chart (a message of no path): the
    // window in use is to come forward.
    void comeForwardRequested();

  private:
    void onNewConnection();
    void recover();

    QString m_path;
    QLocalServer m_server;
    QTimer m_recovery;
};

// The second start's end: passes the chart (made absolute, since the running
// program has its own working folder) and waits for the answer. A program
// that is just starting may not listen yet, and one that is busy closes a
// connection unanswered, so either is tried again until the time is up.
// True when the running program took the chart.
bool HandChartToRunningProgram(const QString& socketPath, const QString& chart,
                               int timeoutMs = 5000);

// A refused start without a chart asks the running program to bring its
// window forward; true when it answered.
bool AskRunningProgramToComeForward(const QString& socketPath, int timeoutMs = 1000);

}  // namespace vellamor
