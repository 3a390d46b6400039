// The windows' language: chosen by the settings or the system, and Hindi
// complete on every window.
#include "gui/translation.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/chart/stability_report.h"
#include "gui/stability_wording.h"
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

    // In English the window's stability sentences read as the printout's.
    void englishStabilityWordingIsThePrintouts() {
        using W = SignChangeWindow;
        for (const W& w : {W{}, W{0.5, 59.9}, W{60, 61}, W{1439.9, 1500}, W{2880, 1441},
                           W{std::nullopt, 20000.0}}) {
            QCOMPARE(SignChangeWording(true, w),
                     QString::fromStdString(SignChangeSentence("Lagna", w)));
            QCOMPARE(SignChangeWording(false, w),
                     QString::fromStdString(SignChangeSentence("Moon", w)));
        }
        using E = StationEvidence;
        for (const E& e : {E{Body::Mars, true, "", "3,14,2000", false},
                           E{Body::Venus, false, "2,21,2000", "", true},
                           E{Body::Saturn, true, "1,2,1990", "5,6,1990", true}}) {
            QCOMPARE(StationWording(e), QString::fromStdString(StationEvidenceText(e)));
        }
        QCOMPARE(NearBoundaryWording({Body::Sun, Body::Rahu}),
                 QStringLiteral("Within one arcminute of a sign boundary, so their house rests "
                                "on the last digit: Sun, Rahu."));
    }
};

VELLAMOR_GUI_TEST(TranslationTest)

}  // namespace vellamor

#include "translation_test.moc"
