// SPDX-License-Identifier: GPL-3.0-or-later
// Only one windowed program runs at a time.
//
// The running program holds a lock file (QLockFile) in the user's runtime
// folder. The file names the process that holds it, and a start that finds
// the file of a process that no longer runs takes it over, so a crashed or
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

namespace vellamor {

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

// The lock file of this user: "vellamor.lock" in the runtime folder.
QString DefaultInstanceLockPath();
// The hand-over socket of this user: "vellamor.socket" in the runtime folder.
QString DefaultHandOverSocketPath();

inline constexpr const char* kAlreadyRunningMessage =
    QT_TRANSLATE_NOOP("vellamor::InstanceLock", "Application is already running");

// The start-up check: takes the lock, or tells the user that the program is
// already running and returns false (the caller then ends).
bool CheckSingleInstance(InstanceLock& lock);

// The same check for a start that names a chart: when another program holds
// the lock, the chart is handed to it and false comes back without a word;
// only when the hand-over fails is the user told as above. An empty chart
// behaves exactly as the check without one.
bool CheckSingleInstance(InstanceLock& lock, const QString& chart, const QString& socketPath);

// The running program's end of the hand-over. Each connection carries one
// chart path (UTF-8, absolute, ended by a newline) and is answered "ok".
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

  signals:
    void chartReceived(const QString& path);

  private:
    void onNewConnection();

    QString m_path;
    QLocalServer m_server;
};

// The second start's end: passes the chart (made absolute, since the running
// program has its own working folder) and waits for the answer. A program
// that is just starting may not listen yet, so a refused connection is tried
// again until the time is up. True when the running program took the chart.
bool HandChartToRunningProgram(const QString& socketPath, const QString& chart,
                               int timeoutMs = 3000);

}  // namespace vellamor
