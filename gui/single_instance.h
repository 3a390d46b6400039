// Only one windowed program runs at a time.
//
// The running program holds an advisory lock (flock) on a file in the user's
// runtime folder. The kernel drops the lock when the process ends in any way,
// so a crashed or killed program never blocks the next start, and the file
// descriptor is not inherited by programs the window starts (a browser), so
// they cannot keep the lock alive. The headless modes never take the lock.
#pragma once

#include <QString>

namespace vellamor {

class InstanceLock {
  public:
    explicit InstanceLock(QString path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock (or already held it); false
    // when another program holds it. A lock file that cannot be created at
    // all does not stop the program: it runs as if it were alone.
    bool acquire();
    bool held() const { return m_fd >= 0; }
    const QString& path() const { return m_path; }

  private:
    QString m_path;
    int m_fd = -1;
};

// The lock file of this user: "vellamor.lock" in the runtime folder.
QString DefaultInstanceLockPath();

inline constexpr const char* kAlreadyRunningMessage = "Application is already running";

// The start-up check: takes the lock, or tells the user that the program is
// already running and returns false (the caller then ends).
bool CheckSingleInstance(InstanceLock& lock);

}  // namespace vellamor
