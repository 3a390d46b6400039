// One windowed program at a time, and never blocked by one that died.
#include "gui/single_instance.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "fake_dialogs.h"
#include "gui_tests.h"

namespace vellamor {

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

  private slots:
    void secondStartIsTurnedAway() {
        FakeDialogs dialogs;
        const QString path = dir.filePath(QStringLiteral("a.lock"));
        InstanceLock first(path);
        QVERIFY(CheckSingleInstance(first));
        QVERIFY(dialogs.messages.isEmpty());

        InstanceLock second(path);
        QVERIFY(!CheckSingleInstance(second));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(dialogs.messages[0].icon, DialogIcon::Information);
        // The first keeps its lock.
        QVERIFY(first.held());
        QVERIFY(first.acquire());
    }

    void lockEndsWithItsHolder() {
        const QString path = dir.filePath(QStringLiteral("b.lock"));
        {
            InstanceLock first(path);
            QVERIFY(first.acquire());
        }
        InstanceLock next(path);
        QVERIFY(next.acquire());
    }

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
        char ok = 0;
        QCOMPARE(::read(ready[0], &ok, 1), ssize_t(1));
        QCOMPARE(ok, '1');
        InstanceLock blocked(path);
        QVERIFY(!blocked.acquire());

        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        QVERIFY(blocked.acquire());
    }

    // The headless modes run beside an open window.
    void headlessModesTakeNoLock() {
        QTemporaryDir runtime;
        InstanceLock window(runtime.filePath(QStringLiteral("vellamor.lock")));
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
};

VELLAMOR_GUI_TEST(SingleInstanceTest)

}  // namespace vellamor

#include "single_instance_test.moc"
