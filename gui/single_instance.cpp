// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "gui/dialogs.h"

namespace vellamor {
namespace {

// A path is far shorter; a peer that sends more is not the program.
constexpr qint64 kMaxMessageBytes = 64 * 1024;
const QByteArray kAnswer = QByteArrayLiteral("ok\n");

QString RuntimeFolder() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

}  // namespace

InstanceLock::InstanceLock(const QString& path) : m_lock(path) {
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::acquire() {
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

QString DefaultInstanceLockPath() {
    return RuntimeFolder() + QStringLiteral("/vellamor.lock");
}

QString DefaultHandOverSocketPath() {
    return RuntimeFolder() + QStringLiteral("/vellamor.socket");
}

bool CheckSingleInstance(InstanceLock& lock) {
    if (lock.acquire())
        return true;
    CurrentDialogs().message(
        nullptr, DialogIcon::Information,
        QCoreApplication::translate("vellamor::InstanceLock", kAlreadyRunningMessage));
    return false;
}

bool CheckSingleInstance(InstanceLock& lock, const QString& chart, const QString& socketPath) {
    if (chart.isEmpty() || lock.acquire())
        return CheckSingleInstance(lock);
    if (HandChartToRunningProgram(socketPath, chart))
        return false;
    return CheckSingleInstance(lock);
}

ChartHandOverServer::ChartHandOverServer(QString socketPath, QObject* parent)
    : QObject(parent), m_path(std::move(socketPath)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &ChartHandOverServer::onNewConnection);
}

bool ChartHandOverServer::listen() {
    if (m_server.isListening())
        return true;
    QLocalServer::removeServer(m_path);
    return m_server.listen(m_path);
}

void ChartHandOverServer::onNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxMessageBytes)
                    socket->abort();
                return;
            }
            const QString path = QString::fromUtf8(socket->readLine(kMaxMessageBytes)).trimmed();
            socket->write(kAnswer);
            socket->flush();
            socket->disconnectFromServer();
            if (!path.isEmpty())
                emit chartReceived(path);
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}

bool HandChartToRunningProgram(const QString& socketPath, const QString& chart, int timeoutMs) {
    const QByteArray message = QFileInfo(chart).absoluteFilePath().toUtf8() + '\n';
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (!socket.waitForConnected(int(deadline.remainingTime()))) {
            const auto error = socket.error();
            if (error != QLocalSocket::ServerNotFoundError &&
                error != QLocalSocket::ConnectionRefusedError) {
                return false;
            }
            QThread::msleep(100);
            continue;
        }
        socket.write(message);
        QByteArray answer;
        while (answer.size() < kAnswer.size() &&
               socket.waitForReadyRead(int(deadline.remainingTime()))) {
            answer += socket.readAll();
        }
        return answer.startsWith(kAnswer);
    }
    return false;
}

}  // namespace vellamor
