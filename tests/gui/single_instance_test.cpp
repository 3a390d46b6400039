// SPDX-License-Identifier: GPL-3.0-or-later
// One windowed program at a time, never blocked by one that died, and a
// second start with a chart hands the chart to the first.
#include "gui/single_instance.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <future>
#include <memory>
#include <utility>
#include <vector>

#include "fake_dialogs.h"
#include "gui/desktop.h"
#include "gui/main_window.h"
#include "gui_tests.h"

namespace vellamor {
namespace {

// What a killed program leaves: a socket file that nobody listens on.
void MakeStaleSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    ::close(fd);
}

const QString kChart07 = QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-07.sud");

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

  private slots:
    void secondStartIsTurnedAway() {
        FakeDialogs dialogs;
        const QString path = dir.filePath(QStringLiteral("a.lock"));
        InstanceLock first(path);
        QVERIFY(CheckSingleInstance(first, dialogs));
        QVERIFY(dialogs.messages.isEmpty());

        InstanceLock second(path);
        QVERIFY(!CheckSingleInstance(second, dialogs));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(dialogs.messages[0].icon, DialogIcon::Information);
        // The first keeps its lock.
        QVERIFY(first.held());
        QVERIFY(first.acquire());
    }

    // A lock ends with its holder; one that cannot be made at all (as an
    // ordinary user in a folder that may not be written) lets the program
    // run as if it were alone.
    void lockEndsWithItsHolder() {
        const QString path = dir.filePath(QStringLiteral("b.lock"));
        {
            InstanceLock first(path);
            QVERIFY(first.acquire());
        }
        InstanceLock next(path);
        QVERIFY(next.acquire());

        FakeDialogs dialogs;
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(2);
            QByteArray closed = QFile::encodeName(QDir::tempPath()) + "/vellamor-closed-XXXXXX";
            if (!::mkdtemp(closed.data()) || ::chmod(closed.constData(), 0555) != 0)
                ::_exit(2);
            InstanceLock lock(QFile::decodeName(closed) + QStringLiteral("/x.lock"));
            const bool alone = CheckSingleInstance(lock, dialogs) && dialogs.messages.isEmpty();
            ::rmdir(closed.constData());
            ::_exit(alone ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    // The holder is another process, as the running window is.
    void killedHolderDoesNotBlock() {
        const QString path = dir.filePath(QStringLiteral("c.lock"));
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            InstanceLock held(path);
            const char ok = held.acquire() ? '1' : '0';
            (void)!::write(ready[1], &ok, 1);
            for (;;)
                ::pause();
        }
        // Killed however the test ends.
        bool killed = false;
        const auto kill = [&] {
            if (std::exchange(killed, true))
                return;
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            ::close(ready[0]);
            ::close(ready[1]);
        };
        const auto guard = qScopeGuard(kill);
        char ok = 0;
        QCOMPARE(::read(ready[0], &ok, 1), ssize_t(1));
        QCOMPARE(ok, '1');
        // A start without a chart is turned away and hands no chart over;
        // it asks for the running window (a message of no path).
        FakeDialogs dialogs;
        QLocalServer window;
        const QString socketPath = dir.filePath(QStringLiteral("c.socket"));
        QVERIFY(window.listen(socketPath));
        InstanceLock blocked(path);
        QVERIFY(!CheckSingleInstance(blocked, QString(), socketPath, dialogs));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.lastText(), QStringLiteral("Application is already running"));
        QVERIFY(dialogs.messages[0].informativeText.isEmpty());
        QVERIFY(window.waitForNewConnection(100));
        QLocalSocket* asked = window.nextPendingConnection();
        QTRY_VERIFY(asked->bytesAvailable() >= 4);
        QCOMPARE(asked->readAll(), QByteArray(4, '\0'));

        kill();
        QVERIFY(blocked.acquire());
    }

    // The lock and the socket only ever go into a folder private to the
    // user: the runtime folder, else one of the program's own, else none.
    void handOverFolderIsPrivate_data() {
        QTest::addColumn<QString>("runtime");  // how the runtime folder is
        QTest::addColumn<QString>("own");      // how the program's own folder is found
        QTest::addColumn<QString>("chosen");   // "runtime", "own" or "none"
        QTest::newRow("private runtime folder") << "0700"
                                                << "missing"
                                                << "runtime";
        QTest::newRow("runtime folder open to others") << "0755"
                                                       << "missing"
                                                       << "own";
        QTest::newRow("runtime folder open to its group") << "0750"
                                                          << "missing"
                                                          << "own";
        QTest::newRow("no runtime folder") << "unset"
                                           << "missing"
                                           << "own";
        QTest::newRow("runtime folder is a link") << "link"
                                                  << "0700"
                                                  << "own";
        QTest::newRow("own folder open to others") << "unset"
                                                   << "0755"
                                                   << "none";
        QTest::newRow("own folder is a link") << "unset"
                                              << "link"
                                              << "none";
        QTest::newRow("own folder made by another user") << "unset"
                                                         << "stranger"
                                                         << "none";
    }
    void handOverFolderIsPrivate() {
        QFETCH(QString, runtime);
        QFETCH(QString, own);
        QFETCH(QString, chosen);
        if (own == QStringLiteral("stranger") && ::geteuid() != 0)
            QSKIP("not run as root, so no folder of another user can be made");
        QTemporaryDir root;
        const QString runtimePath = root.filePath(QStringLiteral("run"));
        const QString temporary = root.filePath(QStringLiteral("tmp"));
        const QString ownPath = temporary + QStringLiteral("/vellamor-%1").arg(::geteuid());
        QVERIFY(QDir().mkpath(temporary));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("elsewhere"))));
        QFile::setPermissions(root.filePath(QStringLiteral("elsewhere")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        auto make = [&](const QString& path, const QString& how) {
            if (how == QStringLiteral("link"))
                QVERIFY(QFile::link(root.filePath(QStringLiteral("elsewhere")), path));
            else if (how != QStringLiteral("unset") && how != QStringLiteral("missing"))
                QCOMPARE(::mkdir(QFile::encodeName(path).constData(),
                                 how == QStringLiteral("0755") ? 0755 : 0700),
                         0);
            if (how.startsWith(QLatin1Char('0')))
                QCOMPARE(::chmod(QFile::encodeName(path).constData(), how.toUInt(nullptr, 8)), 0);
            if (how == QStringLiteral("stranger"))
                QCOMPARE(::chown(QFile::encodeName(path).constData(), 65533, 65533), 0);
        };
        make(runtimePath, runtime);
        make(ownPath, own);
        const auto folder =
            HandOverFolder(runtime == QStringLiteral("unset") ? QString() : runtimePath, temporary);
        const QString got = !folder                  ? QStringLiteral("none")
                            : *folder == runtimePath ? QStringLiteral("runtime")
                            : *folder == ownPath     ? QStringLiteral("own")
                                                     : *folder;
        QCOMPARE(got, chosen);
        if (folder)
            QVERIFY(IsPrivateFolder(*folder));
    }

    void displaysAreToldApart_data() {
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("x11");
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("key");
        QTest::newRow("Wayland first") << "wayland-1"
                                       << ":0"
                                       << "3"
                                       << "wayland-1";
        QTest::newRow("X display") << ""
                                   << ":1"
                                   << "3"
                                   << "_1";
        QTest::newRow("X screen of a display") << ""
                                               << ":0.1"
                                               << ""
                                               << "_0";
        QTest::newRow("X display on a host") << ""
                                             << "host.lan:10.0"
                                             << ""
                                             << "host.lan_10";
        QTest::newRow("session only") << ""
                                      << ""
                                      << "c2"
                                      << "c2";
        QTest::newRow("nothing") << ""
                                 << ""
                                 << ""
                                 << "default";
        QTest::newRow("no path in a name") << "../x/y"
                                           << ""
                                           << ""
                                           << ".._x_y";
    }
    void displaysAreToldApart() {
        QFETCH(QString, wayland);
        QFETCH(QString, x11);
        QFETCH(QString, session);
        QFETCH(QString, key);
        QCOMPARE(DisplayKey(wayland, x11, session), key);
    }

    // The headless modes run beside an open window.
    void headlessModesTakeNoLock() {
        QTemporaryDir runtime;
        InstanceLock window(runtime.filePath(QStringLiteral("vellamor-default.lock")));
        QVERIFY(window.acquire());
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(
            QStringLiteral(VELLAMOR_PROGRAM),
            {QStringLiteral("--json"), QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-01.sud")});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAllStandardOutput().startsWith("{"));
    }

    // A second start with a chart hands it to the running program without a word, its path whole
    // whatever it holds. A socket left by a killed program answers nobody
    // (the start then names the chart it could not hand over) and is
    // replaced by the next listener.
    void secondStartWithAChartHandsItOver() {
        FakeDialogs dialogs;
        const QString lockPath = dir.filePath(QStringLiteral("d.lock"));
        const QString socketPath = dir.filePath(QStringLiteral("d.socket"));
        InstanceLock first(lockPath);
        QVERIFY(first.acquire());
        MakeStaleSocket(socketPath);
        InstanceLock refused(lockPath);
        QVERIFY(!CheckSingleInstance(refused, kChart07, socketPath, dialogs));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.lastText(), QStringLiteral("Application is already running"));
        QCOMPARE(dialogs.messages[0].informativeText,
                 QStringLiteral("The chart %1 could not be handed to it.")
                     .arg(QFileInfo(kChart07).absoluteFilePath()));
        dialogs.messages.clear();

        ChartHandOverServer server(socketPath);
        QVERIFY(server.listen());
        QCOMPARE(QFile::permissions(socketPath) &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
        QSignalSpy received(&server, &ChartHandOverServer::chartReceived);

        InstanceLock second(lockPath);

        // The client waits for the answer, so it runs beside the event loop.
        const QString relative = QDir::current().relativeFilePath(kChart07);
        auto handed = std::async(std::launch::async, [&] {
            return CheckSingleInstance(second, relative, socketPath, dialogs);
        });
        QTRY_COMPARE(received.size(), 1);
        QVERIFY(!handed.get());
        QCOMPARE(received[0][0].toString(), QFileInfo(kChart07).absoluteFilePath());
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(!second.held());

        // A path with a line break in it arrives whole.
        const QString odd = dir.filePath(QStringLiteral("a\n/etc/passwd\r.sud"));
        auto oddHanded = std::async(std::launch::async,
                                    [&] { return HandChartToRunningProgram(socketPath, odd); });
        QTRY_COMPARE(received.size(), 2);
        QVERIFY(oddHanded.get());
        QCOMPARE(received[1][0].toString(), odd);

        // A frame whose last bytes come later is waited for, not cut short.
        const QByteArray late = QFileInfo(kChart07).absoluteFilePath().toUtf8();
        QByteArray frame(4, '\0');
        qToBigEndian<quint32>(quint32(late.size()), frame.data());
        frame += late;
        QLocalSocket peer;
        peer.connectToServer(socketPath);
        QVERIFY(peer.waitForConnected(1000));
        peer.write(frame.left(frame.size() - 3));
        QVERIFY(peer.waitForBytesWritten(1000));
        QTest::qWait(100);
        peer.write(frame.right(3));
        QTRY_COMPARE(received.size(), 3);
        QCOMPARE(received[2][0].toString(), QString::fromUtf8(late));

        QSignalSpy forward(&server, &ChartHandOverServer::comeForwardRequested);
        auto asked = std::async(std::launch::async,
                                [&] { return AskRunningProgramToComeForward(socketPath); });
        QTRY_COMPARE(forward.size(), 1);
        QVERIFY(asked.get());
        QCOMPARE(received.size(), 3);
    }

    // A message that is no path (a length over the server's limit, announced
    // or sent whole, or a relative path) is dropped at once. Silent
    // connections neither pile up nor keep a start out for long: those over
    // the limit are closed at once, the rest after a few seconds, and a
    // server whose socket went away listens again.
    void handOverSurvivesSilentConnectionsAndALostSocket() {
        const QString socketPath = dir.filePath(QStringLiteral("e.socket"));
        ChartHandOverServer server(socketPath);
        QVERIFY(server.listen());
        QSignalSpy received(&server, &ChartHandOverServer::chartReceived);
        const auto framed = [](quint32 length, const QByteArray& body) {
            QByteArray message(4, '\0');
            qToBigEndian<quint32>(length, message.data());
            return message + body;
        };
        const quint32 tooLong = 65 * 1024;
        for (const QByteArray& message :
             {framed(tooLong, "/a.sud"), framed(tooLong, QByteArray(tooLong, '/')),
              framed(5, "a.sud")}) {
            QLocalSocket peer;
            peer.connectToServer(socketPath);
            QVERIFY(peer.waitForConnected(1000));
            peer.write(message);
            QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QLocalSocket::UnconnectedState, 1000);
        }
        QCOMPARE(received.size(), 0);
        std::vector<std::unique_ptr<QLocalSocket>> silent;
        const auto connected = [&] {
            return std::count_if(silent.begin(), silent.end(), [](const auto& s) {
                return s->state() == QLocalSocket::ConnectedState;
            });
        };
        // Up to the limit, the last of them is served while the others wait.
        for (int i = 1; i < ChartHandOverServer::kMaxConnections; ++i) {
            silent.push_back(std::make_unique<QLocalSocket>());
            silent.back()->connectToServer(socketPath);
        }
        QTest::qWait(200);
        auto last = std::async(std::launch::async, [&] {
            return HandChartToRunningProgram(socketPath, kChart07,
                                             ChartHandOverServer::kConnectionTimeoutMs / 2);
        });
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1,
                                  ChartHandOverServer::kConnectionTimeoutMs / 2);
        QVERIFY(last.get());
        QCOMPARE(connected(), ChartHandOverServer::kMaxConnections - 1);
        silent.clear();
        received.clear();
        for (int i = 0; i < 3 * ChartHandOverServer::kMaxConnections; ++i) {
            silent.push_back(std::make_unique<QLocalSocket>());
            silent.back()->connectToServer(socketPath);
        }
        QTest::qWait(200);
        QVERIFY(connected() <= ChartHandOverServer::kMaxConnections);
        auto handed = std::async(std::launch::async,
                                 [&] { return HandChartToRunningProgram(socketPath, kChart07); });
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 5000);
        QVERIFY(handed.get());
        QCOMPARE(connected(), 0);

        QVERIFY(QFile::remove(socketPath));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socketPath), 3000);
        auto again = std::async(std::launch::async,
                                [&] { return HandChartToRunningProgram(socketPath, kChart07); });
        QTRY_COMPARE(received.size(), 2);
        QVERIFY(again.get());
    }

    // The running program drops the question on screen as Cancel would,
    // goes Back and shows the handed chart.
    void handedChartReplacesWhatTheWindowShows() {
        QtDialogs dialogs;  // Qt's own: the save dialog stays open until cancelled
        MainWindow window(TestPlaces(), dialogs);
        window.show();
        QVERIFY(window.openChartFile(QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-01.sud")));
        ResultWindow* shown = window.resultWindow();
        QVERIFY(shown && shown->isVisible());
        ChartHandOverReceiver receiver;
        receiver.setWindow(&window);

        bool dialogWasOpen = false;
        bool rescued = false;
        QTimer::singleShot(100, [&] {
            dialogWasOpen = QApplication::activeModalWidget() != nullptr;
            receiver.openHandedChart(kChart07);
        });
        QTimer::singleShot(10000, [&] {
            rescued = QApplication::activeModalWidget() != nullptr;
            CancelOpenDialogs();
        });
        // Qt's own save dialog, left open by the user.
        QVERIFY(!shown->onSave());
        QVERIFY(dialogWasOpen);
        QVERIFY(!rescued);

        // The new window may take the old one's address: compare the charts.
        const auto shownName = [&] {
            return window.resultWindow() ? window.resultWindow()->chart().birth.name : "";
        };
        QTRY_COMPARE(shownName(), std::string("Awjgafgk Uzkhmjvny"));
        QVERIFY(window.resultWindow()->isVisible());
        QVERIFY(!window.isVisible());
    }

    // The real program: a second start with a chart ends at once and
    // quietly (a message box would never close offscreen), also after the
    // first program was killed and a new one took over its stale socket.
    void secondProgramHandsOverAndEnds() {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("run")));
        QFile::setPermissions(home.filePath(QStringLiteral("run")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":7"));
        const QString socket = home.filePath(QStringLiteral("run/vellamor-_7.socket"));
        auto start = [&](QProcess& p, const QStringList& args) {
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(VELLAMOR_PROGRAM), args);
            QVERIFY(p.waitForStarted());
        };
        auto handOver = [&](const QString& chart) {
            QProcess second;
            start(second, {chart});
            QVERIFY(second.waitForFinished(20000));
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.exitCode(), 0);
        };

        QProcess first;
        start(first, {});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 20000);
        handOver(kChart07);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
        QVERIFY(QFileInfo::exists(socket));

        QProcess next;
        start(next, {kChart07});
        QTest::qWait(1000);
        QCOMPARE(next.state(), QProcess::Running);
        handOver(QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-01.sud"));
        next.kill();
        next.waitForFinished();
    }
};

VELLAMOR_GUI_TEST(SingleInstanceTest)

}  // namespace vellamor

#include "single_instance_test.moc"
