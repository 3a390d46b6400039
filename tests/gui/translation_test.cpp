// The windows' language: chosen by the settings or the system, and Hindi
// complete on every window.
#include "gui/translation.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "gui_tests.h"

namespace vellamor {

class TranslationTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

  private slots:
    void settingsWinOverTheSystem_data() {
        QTest::addColumn<QString>("setting");  // "-": no Language= at all
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("expected");
        const QStringList hindi{"hi-IN", "hi-Deva-IN", "hi"};
        const QStringList english{"en-US", "en-Latn-US", "en"};
        QTest::newRow("LANG=hi_IN.UTF-8") << "-" << hindi << "hi";
        QTest::newRow("LANG=en_US.UTF-8") << "-" << english << "en";
        QTest::newRow("LANGUAGE=fr:hi") << "-" << QStringList{"fr", "fr-FR", "hi"} << "hi";
        QTest::newRow("LANGUAGE=en:hi") << "-" << QStringList{"en", "hi"} << "en";
        QTest::newRow("no language of ours") << "-" << QStringList{"de-DE", "de"} << "en";
        QTest::newRow("settings say en") << "en" << hindi << "en";
        QTest::newRow("settings say hi") << "hi" << english << "hi";
        QTest::newRow("settings say HI ") << " HI " << english << "hi";
        QTest::newRow("settings name no language of ours") << "fr" << hindi << "hi";
        QTest::newRow("settings empty") << "" << hindi << "hi";
    }
    void settingsWinOverTheSystem() {
        QFETCH(QString, setting);
        QFETCH(QStringList, system);
        QFETCH(QString, expected);
        QSettings settings(dir.filePath(QStringLiteral("vellamor.conf")), QSettings::IniFormat);
        settings.clear();
        if (setting != QLatin1String("-"))
            settings.setValue(QLatin1String(kLanguageKey), setting);
        QCOMPARE(ChooseLanguage(settings, system), expected);
    }
};

VELLAMOR_GUI_TEST(TranslationTest)

}  // namespace vellamor

#include "translation_test.moc"
