// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas on a stand-in for the entry window's controls, driven as a user
// drives them: typing, picking from the list, changing lists by hand.
#include "gui/place_assistant.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

#include "core/astro/time_zones.h"
#include "fake_dialogs.h"
#include "gui/calculation_menu.h"
#include "gui/filtered_line_edit.h"
#include "gui/main_window.h"
#include "gui/result_window.h"
#include "gui/translation.h"
#include "gui/user_settings.h"
#include "gui_tests.h"

namespace vellamor::atlas {

class PlaceAssistantTest : public QObject {
    Q_OBJECT

  private:
    struct Window {
        QWidget widget;
        EntryControls c;
        PlaceAssistant* assistant = nullptr;

        Window() {
            auto* layout = new QVBoxLayout(&widget);
            auto edit = [&] {
                auto* e = new QLineEdit(&widget);
                layout->addWidget(e);
                return e;
            };
            auto list = [&](int first, int last) {
                auto* box = new QComboBox(&widget);
                for (int i = first; i <= last; ++i)
                    box->addItem(QString::number(i));
                layout->addWidget(box);
                return box;
            };
            auto options = [&] {
                auto* group = new QButtonGroup(&widget);
                for (int id = 0; id < 2; ++id) {
                    auto* b = new QRadioButton(&widget);
                    group->addButton(b, id);
                    layout->addWidget(b);
                }
                group->button(0)->setChecked(true);
                return group;
            };
            c.city = edit();
            c.state = edit();
            c.country = edit();
            c.latDegrees = edit();
            c.latMinutes = edit();
            c.lonDegrees = edit();
            c.lonMinutes = edit();
            c.latitude = options();
            c.longitude = options();
            c.day = list(1, 31);
            c.month = list(1, 12);
            c.year = list(1901, 2050);
            c.hour = list(0, 23);
            c.minute = list(0, 59);
            c.zone = list(0, kTimeZoneCount - 1);
            c.daylightSaving = new QCheckBox(&widget);
            c.note = new QLabel(&widget);
            assistant = new PlaceAssistant(c, TestPlaces(), &widget);
            widget.show();
            widget.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&widget));
        }

        // A list changed by the user, as a click on one of its entries does.
        static void Choose(QComboBox* box, int index) {
            box->setCurrentIndex(index);
            emit box->activated(index);
        }

        void SetDate(int year, int month, int day, int hour) {
            c.year->setCurrentIndex(year - 1901);
            c.month->setCurrentIndex(month - 1);
            c.day->setCurrentIndex(day - 1);
            c.hour->setCurrentIndex(hour);
        }

        // Types into the city box and picks the first entry of the list.
        void TypeAndPickFirst(const char* typed) {
            c.city->clear();
            c.city->setFocus();
            QTest::keyClicks(c.city, QString::fromLatin1(typed));
            assistant->lookUpNow();
            QAbstractItemView* popup = assistant->completer()->popup();
            QVERIFY(popup->isVisible());
            popup->setCurrentIndex(popup->model()->index(0, 0));
            QTest::keyClick(popup, Qt::Key_Return);
        }
    };

  private slots:
    void offersPlacesMostPopulousFirst() {
        Window w;
        w.c.city->setFocus();
        QTest::keyClicks(w.c.city, QStringLiteral("Par"));
        // The lookup waits for a pause in the typing.
        QTRY_VERIFY_WITH_TIMEOUT(w.assistant->completer()->popup()->isVisible(), 2000);
        const QAbstractItemModel* offered = w.assistant->completer()->popup()->model();
        QVERIFY(offered->rowCount() > 1);
        QVERIFY(offered->rowCount() <= PlaceAssistant::kMaxOffered);
        // A place of that very name first, then the others by population.
        QCOMPARE(offered->index(0, 0).data().toString(),
                 QStringLiteral("Par, England, United Kingdom"));
        QCOMPARE(offered->index(1, 0).data().toString(),
                 QStringLiteral("Paris, Île-de-France, France"));
        QCOMPARE(w.c.city->text(), QStringLiteral("Par"));  // nothing written yet
    }

    void pickingFillsPlaceCoordinatesZoneAndBox() {
        Window w;
        w.SetDate(1975, 7, 15, 12);
        w.TypeAndPickFirst("London");
        QCOMPARE(w.c.city->text(), QStringLiteral("London"));
        QCOMPARE(w.c.state->text(), QStringLiteral("England"));
        QCOMPARE(w.c.country->text(), QStringLiteral("United Kingdom"));
        QCOMPARE(w.c.latDegrees->text(), QStringLiteral("51"));
        QCOMPARE(w.c.latMinutes->text(), QStringLiteral("30"));
        QCOMPARE(w.c.lonDegrees->text(), QStringLiteral("0"));
        QCOMPARE(w.c.lonMinutes->text(), QStringLiteral("7"));
        QCOMPARE(w.c.latitude->checkedId(), 0);   // North
        QCOMPARE(w.c.longitude->checkedId(), 1);  // West
        QCOMPARE(w.c.zone->currentIndex(), 29);   // Greenwich Mean Time
        QVERIFY(w.c.daylightSaving->isChecked());
        QVERIFY2(w.c.note->text().startsWith(
                     QStringLiteral("Zone: Greenwich Mean Time (row 29) with the Daylight Saving "
                                    "box ticked. On 15 July 1975 clocks in London were on "
                                    "daylight saving time, UTC+1.")),
                 qPrintable(w.c.note->text()));
    }

    // A precise chart reads the row's own sign: Madrid in summer, which the
    // classic rules cannot give, becomes exact as the calculation switches.
    void zoneFollowsTheCalculationsRule() {
        Window w;
        w.SetDate(1990, 7, 15, 12);
        w.TypeAndPickFirst("Madrid");
        QVERIFY2(w.c.note->text().contains(QStringLiteral("No row gives")),
                 qPrintable(w.c.note->text()));
        w.assistant->setZoneRule(ZoneRule::Signed);
        QCOMPARE(SignedOffsetSeconds(w.c.zone->currentIndex(), w.c.daylightSaving->isChecked()),
                 2 * 3600);
        QVERIFY2(w.c.note->text().contains(QStringLiteral("it is exact")),
                 qPrintable(w.c.note->text()));
        w.assistant->setZoneRule(ZoneRule::Classic);
        QCOMPARE(w.c.zone->currentIndex(),
                 29);  // Greenwich Mean Time, the closest by the hemisphere
    }

    void zoneAndBoxFollowUntilSetByHand() {
        Window w;
        w.SetDate(1975, 1, 15, 12);
        w.TypeAndPickFirst("New York");
        QCOMPARE(w.c.zone->currentIndex(), 27);  // EST
        Window::Choose(w.c.month, 6);            // July
        QCOMPARE(w.c.zone->currentIndex(), 24);  // EDT
        QVERIFY(!w.c.daylightSaving->isChecked());
        QVERIFY(
            w.c.note->text().contains(QString::fromUtf8("15 July 1975 clocks in New York City "
                                                        "were on daylight saving time, "
                                                        "UTC\u22124")));

        // EST by hand: it stays, and the box follows around it.
        Window::Choose(w.c.zone, 27);
        QCOMPARE(w.c.zone->currentIndex(), 27);
        QVERIFY(w.c.daylightSaving->isChecked());
        Window::Choose(w.c.month, 0);
        QCOMPARE(w.c.zone->currentIndex(), 27);
        QVERIFY(!w.c.daylightSaving->isChecked());

        // The box by hand as well: nothing moves.
        w.c.daylightSaving->click();
        QVERIFY(w.c.daylightSaving->isChecked());
        Window::Choose(w.c.month, 6);
        QCOMPARE(w.c.zone->currentIndex(), 27);
        QVERIFY(w.c.daylightSaving->isChecked());
        QVERIFY(w.c.note->text().contains(QStringLiteral("by hand")));
    }

    void typedOverOrForgottenPlaceStopsFollowing() {
        Window w;
        w.SetDate(1990, 1, 15, 12);
        w.TypeAndPickFirst("Paris");
        QCOMPARE(w.c.zone->currentIndex(), 20);  // CET
        w.assistant->forget();                   // a chart file filled the window
        QVERIFY(w.c.note->text().isEmpty());
        Window::Choose(w.c.month, 6);
        QCOMPARE(w.c.zone->currentIndex(), 20);

        w.TypeAndPickFirst("Paris");
        QTest::keyClick(w.c.city, Qt::Key_Backspace);  // the city is being retyped
        QVERIFY(!w.assistant->follower().place());
        Window::Choose(w.c.month, 0);
        QCOMPARE(w.c.zone->currentIndex(), 19);  // left where July put it
        // The names and the coordinates now tell of two places: said until
        // the user picks again or keeps the coordinates.
        QVERIFY2(w.assistant->stalePick().startsWith(QStringLiteral("Paris")),
                 qPrintable(w.assistant->stalePick()));
        QVERIFY2(w.c.note->text().contains(w.assistant->stalePick()), qPrintable(w.c.note->text()));
        emit w.c.note->linkActivated(QStringLiteral("keep"));
        QVERIFY(w.c.note->text().isEmpty());
        QTest::keyClick(w.c.city, Qt::Key_Backspace);
        QVERIFY(w.c.note->text().isEmpty());
    }

    // The same on the entry window itself: its letter-only city box, its
    // note beside the zone list, and a chart file that takes over.
    void entryWindowFillsFromTheAtlasAndForgetsOnOpen() {
        FakeDialogs dialogs;
        MainWindow window(TestPlaces(), dialogs);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        EntryForm f = window.form();
        f.name = "Ananya Sharma";
        f.yearIndex = 1980 - kFirstYear;
        f.monthIndex = 2;  // March
        f.dayIndex = 4;
        f.hourIndex = 7;
        f.minuteIndex = 5;
        window.setForm(f);

        auto* city = window.findChild<FilteredLineEdit*>(QStringLiteral("txtCity"));
        auto* assistant = window.findChild<PlaceAssistant*>();
        auto* note = window.findChild<QLabel*>(QStringLiteral("lblAtlasNote"));
        QVERIFY(city && assistant && note);
        city->setFocus();
        QTest::keyClicks(city, QStringLiteral("Kolkata"));
        assistant->lookUpNow();
        QAbstractItemView* popup = assistant->completer()->popup();
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->model()->index(0, 0).data().toString(),
                 QStringLiteral("Kolkata, West Bengal, India"));
        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));

        const EntryForm filled = window.form();
        QCOMPARE(filled.city, std::string("Kolkata"));
        QCOMPARE(filled.state, std::string("West Bengal"));
        QCOMPARE(filled.country, std::string("India"));
        QCOMPARE(filled.latDegrees, std::string("22"));
        QCOMPARE(filled.lonDegrees, std::string("88"));
        QCOMPARE(filled.latitude, LatitudeOption::North);
        QCOMPARE(filled.longitude, LongitudeOption::East);
        QCOMPARE(filled.zoneIndex, 34);  // Indian Time
        QVERIFY(!filled.daylightSaving);
        QCOMPARE(filled.name, std::string("Ananya Sharma"));  // untouched
        QCOMPARE(note->text(), QStringLiteral("Zone: Indian Time (row 34) with the Daylight Saving "
                                              "box unticked. On 5 March 1980 clocks in Kolkata "
                                              "were on standard time, UTC+5:30."));
        QVERIFY(ValidateInput(filled));

        // A chart file fills the window: the atlas lets go of Kolkata.
        QVERIFY(window.openChartFile(QStringLiteral(VELLAMOR_REFERENCE_CHARTS) +
                                     QStringLiteral("/chart-03.sud")));
        QVERIFY(note->text().isEmpty());
        QVERIFY(!assistant->follower().place());
        const int fileZone = window.form().zoneIndex;
        auto* month = window.findChild<QComboBox*>(QStringLiteral("cboMonth"));
        Window::Choose(month, 0);
        QCOMPARE(window.form().zoneIndex, fileZone);
    }

    void unknownPlaceIsLeftAsTypedAndSaidSo() {
        Window w;
        w.c.latDegrees->setText(QStringLiteral("12"));
        w.c.city->setFocus();
        QTest::keyClicks(w.c.city, QStringLiteral("Atlantis Qx"));
        w.assistant->lookUpNow();
        QVERIFY(!w.assistant->completer()->popup()->isVisible());
        w.c.state->setFocus();  // leaving the city box
        QCOMPARE(w.c.note->text(),
                 QStringLiteral(
                     "The atlas knows no place called \"Atlantis Qx\": everything stays as typed"));
        QCOMPARE(w.c.city->text(), QStringLiteral("Atlantis Qx"));
        QCOMPARE(w.c.latDegrees->text(), QStringLiteral("12"));
        QCOMPARE(w.c.zone->currentIndex(), 0);
        // Corrected, the name makes the note stale.
        w.c.city->setFocus();
        QTest::keyClick(w.c.city, Qt::Key_Backspace);
        QVERIFY(w.c.note->text().isEmpty());
    }

    // On the entry window at its default size, in both languages: the list
    // opens over nothing the user is about to press and Escape closes it
    // quietly; the note of a place that carries a warning is shown whole.
    void entryWindowListAndNote_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("city");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::newRow("Delhi 1901") << "en"
                                    << "Delhi" << 1901 << 1;
        QTest::newRow("Buenos Aires") << "en"
                                      << "Buenos Aires" << 1975 << 1;
        QTest::newRow("Kathmandu in summer, Hindi") << "hi"
                                                    << "Kathmandu" << 1985 << 7;
        QTest::newRow("Madrid, Hindi") << "hi"
                                       << "Madrid" << 1975 << 7;
    }
    void entryWindowListAndNote() {
        QFETCH(QString, language);
        QFETCH(QString, city);
        QFETCH(int, year);
        QFETCH(int, month);
        InstallTranslations(language);
        const auto english = qScopeGuard([] { InstallTranslations(QStringLiteral("en")); });
        FakeDialogs dialogs;
        MainWindow window(TestPlaces(), dialogs);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        EntryForm f = window.form();
        f.yearIndex = year - kFirstYear;
        f.monthIndex = month - 1;
        window.setForm(f);
        auto* box = window.findChild<FilteredLineEdit*>(QStringLiteral("txtCity"));
        auto* assistant = window.findChild<PlaceAssistant*>();
        auto* note = window.findChild<QLabel*>(QStringLiteral("lblAtlasNote"));
        auto* area = window.findChild<QScrollArea*>(QStringLiteral("noteArea"));
        QVERIFY(box && assistant && note && area);

        box->setFocus();
        QTest::keyClicks(box, city);
        assistant->lookUpNow();
        QAbstractItemView* popup = assistant->completer()->popup();
        QVERIFY(popup->isVisible());
        const QRect list(popup->mapToGlobal(QPoint(0, 0)), popup->size());
        for (const char* name : {"Command1", "cmdCalculate", "txtState", "txtCountry"}) {
            auto* w = window.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(!list.intersects(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())), name);
        }
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
        QCOMPARE(box->text(), city);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));

        assistant->lookUpNow();
        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(note->text().size() > 150);  // a warning, not just the decision
        QTRY_VERIFY2(note->heightForWidth(area->viewport()->width()) <= area->viewport()->height(),
                     qPrintable(note->text()));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // A note rewritten while the entry window is away (the calculation
    // method switched in the result window) is whole when it comes back.
    void noteIsWholeAfterTheMethodChanges() {
        FakeDialogs dialogs;
        MainWindow window(TestPlaces(), dialogs);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        EntryForm f = window.form();
        f.name = "Ananya";
        f.yearIndex = 1980 - kFirstYear;
        window.setForm(f);
        auto* city = window.findChild<FilteredLineEdit*>(QStringLiteral("txtCity"));
        auto* assistant = window.findChild<PlaceAssistant*>();
        auto* note = window.findChild<QLabel*>(QStringLiteral("lblAtlasNote"));
        auto* area = window.findChild<QScrollArea*>(QStringLiteral("noteArea"));
        city->setFocus();
        QTest::keyClicks(city, QStringLiteral("Pune"));
        assistant->lookUpNow();
        QAbstractItemView* popup = assistant->completer()->popup();
        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        const QString classic = note->text();

        window.onCalculate();
        QPointer<ResultWindow> result = window.resultWindow();
        QVERIFY(result);
        const auto classicAgain =
            qScopeGuard([] { WriteCalculationChoice(*OpenUserSettings(), CalculationChoice{}); });
        result->findChild<QAction*>(QStringLiteral("mnuPrecise"))->trigger();
        QTRY_VERIFY(!result);
        window.resultWindow()->onBack();
        QVERIFY(window.isVisible());
        QVERIFY(note->text() != classic);
        QTRY_VERIFY2(note->heightForWidth(area->viewport()->width()) <= area->viewport()->height(),
                     qPrintable(note->text()));
    }
};

VELLAMOR_GUI_TEST(PlaceAssistantTest)

}  // namespace vellamor::atlas

#include "place_assistant_test.moc"
