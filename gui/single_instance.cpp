#include "gui/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>

#include "gui/dialogs.h"

namespace vellamor {

InstanceLock::InstanceLock(QString path) : m_path(std::move(path)) {}

InstanceLock::~InstanceLock() {
    // The file stays: removing it would let a third start lock a new file
    // while the second still waits on the old one.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceLock::acquire() {
    if (m_fd >= 0)
        return true;
    const QByteArray name = QFile::encodeName(m_path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return !busy;
    }
    m_fd = fd;
    return true;
}

QString DefaultInstanceLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/vellamor.lock");
}

bool CheckSingleInstance(InstanceLock& lock) {
    if (lock.acquire())
        return true;
    CurrentDialogs().message(nullptr, DialogIcon::Information,
                             QString::fromLatin1(kAlreadyRunningMessage));
    return false;
}

}  // namespace vellamor
