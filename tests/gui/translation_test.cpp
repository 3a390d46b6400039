// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' language: chosen by the settings or the system, and Hindi
// complete on every window.
#include "gui/translation.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <memory>
#include <tuple>

#include "core/astro/time_zones.h"
#include "core/chart/chart_stability.h"
#include "core/chart/pipeline.h"
#include "core/reading/dasha.h"
#include "fake_dialogs.h"
#include "gui/about_box.h"
#include "gui/dialogs.h"
#include "gui/filtered_line_edit.h"
#include "gui/form_problems.h"
#include "gui/main_window.h"
#include "gui/printing.h"
#include "gui/wording.h"
#include "gui_tests.h"

#ifdef VELLAMOR_HAVE_ATLAS
#include <QAbstractItemView>
#include <QCompleter>

#include "core/chart/entry_form.h"
#include "gui/place_assistant.h"
#endif

namespace vellamor {
namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Every text a window shows or will show on a click: captions, buttons,
// tabs, list entries, menus and tooltips, hidden panels included.
QStringList WindowTexts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    const auto add = [&](const QObject* o, const QString& text) {
        if (!text.isEmpty())
            texts << o->objectName() + QStringLiteral(": ") + text;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        add(w, w->toolTip());
        if (const auto* l = qobject_cast<const QLabel*>(w))
            add(l, l->text());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(b, b->text());
        if (const auto* t = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                add(t, t->tabText(i));
        }
        if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i)
                add(c, c->itemText(i));
        }
    }
    const auto* main = qobject_cast<QMainWindow*>(&window);
    for (const QAction* top : main ? main->menuBar()->actions() : QList<QAction*>()) {
        add(top, top->text());
        for (const QAction* item : top->menu()->actions())
            add(item, item->text());
    }
    return texts;
}

// The words left in Latin letters that are neither a chart's abbreviations,
// a zone's code, the program's name nor the native's own data.
QStringList EnglishLeft(const QStringList& texts, const BirthData& birth) {
    // UTC and UT are the time scales' own names.
    QSet<QString> allowed{QStringLiteral("Vellamor"), QStringLiteral("v1"), QStringLiteral("UTC"),
                          QStringLiteral("UT")};
    // The About box's credits name the data's sources and licences as their
    // owners write them.
    for (const char* name : {"GNU", "GeoNames", "geonames", "org", "CC", "BY", "IANA", "tz",
                             "Swiss", "Ephemeris", "Astrodienst", "AG", "AGPL", "Moshier"})
        allowed << QString::fromLatin1(name);
    for (std::string_view s : kBaseLabels)
        allowed << Text(s);
    for (std::string_view s : kSignAbbreviations)
        allowed << Text(s);
    for (const TimeZoneRow& row : LoadTimeZoneTable())
        allowed << Text(row.text).section(QLatin1Char(','), 1, 1).trimmed();
    for (const std::string& s : {birth.name, birth.city, birth.state, birth.country}) {
        for (const QString& w : QString::fromStdString(s).split(QLatin1Char(' ')))
            allowed << w;
    }
    // Links: the address and the markup are not words to translate.
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|https?://\\S*"));
    static const QRegularExpression mnemonic(QStringLiteral("\\(&[A-Z]\\)"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9]*"));
    QStringList left;
    for (QString text : texts) {
        const QString name = text.section(QStringLiteral(": "), 0, 0);
        text = text.section(QStringLiteral(": "), 1).remove(mnemonic).remove(markup);
        for (const auto& m : word.globalMatch(text)) {
            if (!allowed.contains(m.captured()))
                left << name + QStringLiteral(": ") + text;
        }
    }
    left.removeDuplicates();
    return left;
}

}  // namespace

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

    // Hindi is given up for English only where no installed font has its
    // script, and then the user is told why.
    void hindiNeedsADevanagariFont() {
        for (const auto& [wanted, fonts, shown] :
             {std::tuple{"hi", true, "hi"}, std::tuple{"hi", false, "en"},
              std::tuple{"en", false, "en"}}) {
            const ShownLanguage choice = LanguageTheFontsShow(QString::fromLatin1(wanted), fonts);
            QCOMPARE(choice.language, QString::fromLatin1(shown));
            QCOMPARE(choice.note.contains(QStringLiteral("Devanagari")), choice.language != wanted);
        }
    }

    // Both windows in Hindi, every panel and menu, and a message: nothing of
    // the program's own is left in English.
    void windowsSpeakHindi() {
        FakeDialogs dialogs;
        InstallTranslations(QStringLiteral("hi"));
        const auto english = qScopeGuard([] { InstallTranslations(QStringLiteral("en")); });
        MainWindow entry(TestPlaces(), dialogs);
        entry.show();
        const BirthData none;
        const QStringList entryLeft = EnglishLeft(WindowTexts(entry), none);
        QVERIFY2(entryLeft.isEmpty(), qPrintable(entryLeft.join(QLatin1Char('\n'))));
        QVERIFY(WindowTexts(entry).contains(QStringLiteral("cboMonth: मार्च")));

#ifdef VELLAMOR_HAVE_ATLAS
        // The atlas's note under the zone list: London as the clocks went
        // back (an hour read twice, another row to choose), and Kathmandu,
        // whose offset no row gives (errors in time and degrees).
        entry.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        auto* assistant = entry.findChild<atlas::PlaceAssistant*>();
        QVERIFY(assistant);
        auto field = [&entry](const char* name) {
            return entry.findChild<QWidget*>(QString::fromLatin1(name));
        };
        for (const auto& [typed, year, month, day, hour] :
             {std::tuple{"London", 1975, 10, 26, 2}, std::tuple{"Kathmandu", 1990, 1, 1, 12}}) {
            const auto choose = [&](const char* list, int index) {
                qobject_cast<QComboBox*>(field(list))->setCurrentIndex(index);
            };
            choose("cboYear", year - kFirstYear);
            choose("cboMonth", month - 1);
            choose("cboDate", day - 1);
            choose("cboHour", hour);
            choose("cboMinute", 30);
            auto* city = qobject_cast<QLineEdit*>(field("txtCity"));
            city->clear();
            city->setFocus();
            QTest::keyClicks(city, QString::fromLatin1(typed));
            assistant->lookUpNow();
            QAbstractItemView* offered = assistant->completer()->popup();
            QVERIFY(offered->isVisible());
            offered->setCurrentIndex(offered->model()->index(0, 0));
            QTest::keyClick(offered, Qt::Key_Return);

            const QString note = entry.findChild<QLabel*>(QStringLiteral("lblAtlasNote"))->text();
            QVERIFY2(note.startsWith(QStringLiteral("समय क्षेत्र: ")), qPrintable(note));
            BirthData place;  // the place's names, which stay as the fields hold them
            for (auto [name, text] :
                 {std::pair{"txtCity", &place.city}, std::pair{"txtState", &place.state},
                  std::pair{"txtCountry", &place.country}}) {
                *text = qobject_cast<QLineEdit*>(field(name))->text().toStdString();
            }
            const QStringList noteLeft = EnglishLeft(WindowTexts(entry), place);
            QVERIFY2(noteLeft.isEmpty(), qPrintable(noteLeft.join(QLatin1Char('\n'))));
            if (const QString shots = qEnvironmentVariable("VELLAMOR_SCREENSHOTS");
                !shots.isEmpty())
                entry.grab().save(shots + QStringLiteral("/entry-hi-%1.png").arg(typed));
        }
#endif

        entry.onCalculate();
        QCOMPARE(dialogs.lastText(), QStringLiteral("कृपया अपना नाम लिखें"));

        QVERIFY(entry.openChartFile(QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-07.sud")));
        ResultWindow* result = entry.resultWindow();
        QVERIFY(result);
        const QStringList resultLeft = EnglishLeft(WindowTexts(*result), result->chart().birth);
        QVERIFY2(resultLeft.isEmpty(), qPrintable(resultLeft.join(QLatin1Char('\n'))));
        // The sheet it exports and prints, and the message boxes' buttons.
        const SheetTexts sheet = WindowSheetTexts(result->chart());
        QStringList sheetWords{sheet.title,          sheet.positionsHeading,
                               sheet.yearHouse,      sheet.monthHouse,
                               sheet.transitingBody, sheet.readingInstant.arg(sheet.months[2]),
                               sheet.readingLines};
        for (const auto* list : {&sheet.captions, &sheet.details})
            sheetWords += QStringList(list->begin(), list->end());
        sheetWords += QStringList(sheet.planets.begin(), sheet.planets.end());
        sheetWords += QStringList(sheet.ringKeys.begin(), sheet.ringKeys.end());
        for (DialogAnswer a :
             {DialogAnswer::Ok, DialogAnswer::Yes, DialogAnswer::No, DialogAnswer::Cancel})
            sheetWords << DialogButtonText(a);
        for (QString& w : sheetWords)
            w.prepend(QStringLiteral("sheet or button: "));
        const QStringList sheetLeft = EnglishLeft(sheetWords, result->chart().birth);
        QVERIFY2(sheetLeft.isEmpty(), qPrintable(sheetLeft.join(QLatin1Char('\n'))));
        // Hindi fits the smallest window as English does.
        result->resize(640, 480);
        QTRY_COMPARE(result->size(), QSize(640, 480));

        // Every failed check of the form and every refused reading, shown or
        // not by these windows, speaks Hindi.
        QStringList worded;
        for (int c = 0; c <= static_cast<int>(FormCheck::LongitudeMinutesRange); ++c)
            worded << QStringLiteral("check: ") + ProblemOf(static_cast<FormCheck>(c)).message;
        for (ReadingError e :
             {ReadingError::NotADate, ReadingError::BeforeBirth, ReadingError::OutOfRange})
            worded << QStringLiteral("reading: ") + ReadingErrorWording(e);
        const QStringList wordedLeft = EnglishLeft(worded, none);
        QVERIFY2(wordedLeft.isEmpty(), qPrintable(wordedLeft.join(QLatin1Char('\n'))));

        const std::unique_ptr<QDialog> about = CreateAboutBox(&entry);
        const QStringList aboutLeft = EnglishLeft(WindowTexts(*about), none);
        QVERIFY2(aboutLeft.isEmpty(), qPrintable(aboutLeft.join(QLatin1Char('\n'))));

        // VELLAMOR_SCREENSHOTS=folder keeps pictures of both windows in Hindi,
        // to look at the Devanagari before a release.
        if (const QString shots = qEnvironmentVariable("VELLAMOR_SCREENSHOTS"); !shots.isEmpty()) {
            entry.grab().save(shots + QStringLiteral("/entry-hi.png"));
            result->grab().save(shots + QStringLiteral("/result-hi.png"));
        }
    }
};

VELLAMOR_GUI_TEST(TranslationTest)

}  // namespace vellamor

#include "translation_test.moc"
