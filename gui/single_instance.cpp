// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QThread>
#include <QtEndian>

#include "gui/dialogs.h"

namespace vellamor {
namespace {

// A path is far shorter; a peer that announces more is not the program.
constexpr quint32 kMaxPathBytes = 64 * 1024;
constexpr qint64 kLengthBytes = 4;
const QByteArray kAnswer = QByteArrayLiteral("ok\n");

QString Tr(const char* text) {
    return QCoreApplication::translate("vellamor::InstanceLock", text);
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

bool IsPrivateFolder(const QString& folder) {
    struct stat st {};
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &st) == 0 &&
           S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

std::optional<QString> HandOverFolder(const QString& runtimeFolder,
                                      const QString& temporaryFolder) {
    if (QDir::isAbsolutePath(runtimeFolder) && IsPrivateFolder(runtimeFolder))
        return QDir::cleanPath(runtimeFolder);
    // Made private, or found private: never one another user made first,
    // nor one this user opened to others.
    const QString own =
        QDir::cleanPath(temporaryFolder) + QStringLiteral("/vellamor-%1").arg(::geteuid());
    (void)::mkdir(QFile::encodeName(own).constData(), 0700);
    if (IsPrivateFolder(own))
        return own;
    return std::nullopt;
}

QString DisplayKey(const QString& waylandDisplay, const QString& x11Display,
                   const QString& sessionId) {
    QString key = waylandDisplay;
    if (key.isEmpty() && !x11Display.isEmpty()) {
        // ":0.1" is screen 1 of display ":0", where one window serves all.
        key = x11Display;
        const qsizetype colon = key.lastIndexOf(QLatin1Char(':'));
        const qsizetype dot = key.lastIndexOf(QLatin1Char('.'));
        if (colon >= 0 && dot > colon)
            key.truncate(dot);
    }
    if (key.isEmpty())
        key = sessionId;
    if (key.isEmpty())
        key = QStringLiteral("default");
    key.truncate(48);  // a socket's path is short
    for (QChar& c : key) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('_');
        if (!plain)
            c = QLatin1Char('_');
    }
    return key;
}

std::optional<HandOverPaths> DefaultHandOverPaths() {
    const auto folder = HandOverFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
    if (!folder)
        return std::nullopt;
    const QString base =
        *folder + QStringLiteral("/vellamor-") +
        DisplayKey(qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY"),
                   qEnvironmentVariable("XDG_SESSION_ID"));
    return HandOverPaths{base + QStringLiteral(".lock"), base + QStringLiteral(".socket")};
}

bool CheckSingleInstance(InstanceLock& lock, Dialogs& dialogs) {
    if (lock.acquire())
        return true;
    dialogs.message(nullptr, DialogIcon::Information, Tr(kAlreadyRunningMessage));
    return false;
}

bool CheckSingleInstance(InstanceLock& lock, const QString& chart, const QString& socketPath,
                         Dialogs& dialogs) {
    if (lock.acquire())
        return true;
    if (chart.isEmpty()) {
        // The user looks for the running program's window: it comes forward
        // behind the message.
        AskRunningProgramToComeForward(socketPath);
        return CheckSingleInstance(lock, dialogs);
    }
    if (HandChartToRunningProgram(socketPath, chart))
        return false;
    dialogs.message(
        nullptr, DialogIcon::Information, Tr(kAlreadyRunningMessage), DialogButtons::Ok,
        Tr(QT_TRANSLATE_NOOP("vellamor::InstanceLock", "The chart %1 could not be handed to it."))
            .arg(QDir::toNativeSeparators(QFileInfo(chart).absoluteFilePath())));
    return false;
}

void SayNoHandOver(Dialogs& dialogs) {
    dialogs.message(
        nullptr, DialogIcon::Warning,
        Tr(QT_TRANSLATE_NOOP("vellamor::InstanceLock",
                             "No private folder could be found or made for the program's lock. "
                             "It runs without it: a chart opened from the file manager opens "
                             "in a window of its own.")));
}

ChartHandOverServer::ChartHandOverServer(QString socketPath, QObject* parent)
    : QObject(parent), m_path(std::move(socketPath)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.setMaxPendingConnections(kMaxConnections);
    connect(&m_server, &QLocalServer::newConnection, this, &ChartHandOverServer::onNewConnection);
    m_recovery.setInterval(kRecoveryIntervalMs);
    connect(&m_recovery, &QTimer::timeout, this, &ChartHandOverServer::recover);
}

bool ChartHandOverServer::listen() {
    m_recovery.start();
    if (m_server.isListening())
        return true;
    QLocalServer::removeServer(m_path);
    return m_server.listen(m_path);
}

// Qt closes the server for good when accepting fails (no descriptor left),
// and a removed socket file leaves it listening where nobody can reach it.
void ChartHandOverServer::recover() {
    if (m_server.isListening() && QFileInfo::exists(m_path))
        return;
    m_server.close();
    QLocalServer::removeServer(m_path);
    m_server.listen(m_path);
}

void ChartHandOverServer::onNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        // Each connection is the server's child until it is deleted.
        if (m_server.findChildren<QLocalSocket*>().size() > kMaxConnections) {
            socket->abort();
            delete socket;
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A peer that says nothing in time is dropped.
        QTimer::singleShot(kConnectionTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        const auto read = [this, socket] {
            if (socket->bytesAvailable() < kLengthBytes)
                return;
            const quint32 length = qFromBigEndian<quint32>(socket->peek(kLengthBytes).constData());
            if (length == 0) {
                // No path: a start that was refused asks for the window.
                socket->skip(kLengthBytes);
                socket->write(kAnswer);
                socket->flush();
                socket->disconnectFromServer();
                emit comeForwardRequested();
                return;
            }
            if (length > kMaxPathBytes) {
                socket->abort();
                socket->deleteLater();
                return;
            }
            if (socket->bytesAvailable() < kLengthBytes + length)
                return;
            socket->skip(kLengthBytes);
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString path = utf8(socket->read(length));
            if (utf8.hasError() || !QDir::isAbsolutePath(path)) {
                socket->abort();
                socket->deleteLater();
                return;
            }
            socket->write(kAnswer);
            socket->flush();
            socket->disconnectFromServer();
            emit chartReceived(path);
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}

namespace {

// One message to the running program, answered "ok": its length, then the
// path (none for a request to come forward).
bool SendToRunningProgram(const QString& socketPath, const QByteArray& path, int timeoutMs) {
    QByteArray message(kLengthBytes, '\0');
    qToBigEndian<quint32>(quint32(path.size()), message.data());
    message += path;
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
        if (answer.startsWith(kAnswer))
            return true;
        // Closed unanswered: the program serves as many starts as it can at
        // once and drops silent ones in time; try again.
        if (socket.state() != QLocalSocket::UnconnectedState)
            return false;
        QThread::msleep(100);
    }
    return false;
}

}  // namespace

bool HandChartToRunningProgram(const QString& socketPath, const QString& chart, int timeoutMs) {
    const QByteArray path = QFileInfo(chart).absoluteFilePath().toUtf8();
    if (path.isEmpty() || quint32(path.size()) > kMaxPathBytes)
        return false;
    return SendToRunningProgram(socketPath, path, timeoutMs);
}

bool AskRunningProgramToComeForward(const QString& socketPath, int timeoutMs) {
    return SendToRunningProgram(socketPath, {}, timeoutMs);
}

}  // namespace vellamor
