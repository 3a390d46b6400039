// SPDX-License-Identifier: GPL-3.0-or-later
// The entry window: its lists and defaults, the keystroke and paste filters,
// the order of the checks, the calculation driver, Back, and charts saved and
// opened through the file dialogs.
#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

#include "core/chart/chart_file.h"
#include "fake_dialogs.h"
#include "gui/calculation_menu.h"
#include "gui/dasha_panel.h"
#include "gui/filtered_line_edit.h"
#include "gui/help_window.h"
#include "gui/recent_charts.h"
#include "gui/result_window.h"
#include "gui/translation.h"
#include "gui/user_settings.h"
#include "gui_tests.h"

Q_DECLARE_METATYPE(vellamor::DialogIcon)

namespace vellamor {
namespace {

// A form that passes every check.
EntryForm GoodForm() {
    EntryForm f;
    f.name = "Ananya Sharma";
    f.dayIndex = 4;    // 5
    f.monthIndex = 2;  // March
    f.yearIndex = 79;  // 1980
    f.hourIndex = 7;
    f.minuteIndex = 5;
    f.zoneIndex = 34;  // Indian Time, IST, +5.3
    f.latDegrees = "18";
    f.latMinutes = "31";
    f.lonDegrees = "73";
    f.lonMinutes = "51";
    f.city = "Pune";
    f.state = "Maharashtra";
    f.country = "India";
    return f;
}

// Sends one key press and release with the text the platform would deliver.
void Type(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

QString Text(QWidget* w) {
    return qobject_cast<QLineEdit*>(w)->text();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    FakeDialogs* dialogs = nullptr;
    MainWindow* window = nullptr;
    QTemporaryDir dir;

    template <typename T>
    T* find(const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    FilteredLineEdit* box(const char* name) { return find<FilteredLineEdit>(name); }

    QList<QUrl> openedUrls;

  public slots:
    // Stands in for the browser (a public slot, so not run as a test).
    void recordUrl(const QUrl& url) { openedUrls.append(url); }

  private:
    QComboBox* list(const char* name) { return find<QComboBox>(name); }
    void calculate() { find<QPushButton>("cmdCalculate")->click(); }

  private slots:
    void init() {
        openedUrls.clear();
        dialogs = new FakeDialogs;
        window = new MainWindow(TestPlaces(), *dialogs);
    }
    void cleanup() {
        delete window;
        delete dialogs;
        window = nullptr;
        dialogs = nullptr;
    }

    void startsWithFilledListsAndDefaults() {
        QCOMPARE(window->windowTitle(), kAppTitle);
        QCOMPARE(window->objectName(), QStringLiteral("frmMain"));
        struct Expected {
            const char* name;
            int count;
            const char* first;
            const char* last;
        };
        for (const Expected& e :
             {Expected{"cboDate", 31, "1", "31"}, Expected{"cboMonth", 12, "January", "December"},
              Expected{"cboYear", 150, "1901", "2050"}, Expected{"cboHour", 24, "0", "23"},
              Expected{"cboMinute", 60, "0", "59"},
              Expected{"cboTimeZone", 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0",
                       "Yukon War Time,YWT,-8.0"}}) {
            QComboBox* l = list(e.name);
            QVERIFY2(!l->isEditable(), e.name);
            QCOMPARE(l->count(), e.count);
            QCOMPARE(l->itemText(0), QString::fromLatin1(e.first));
            QCOMPARE(l->itemText(l->count() - 1), QString::fromLatin1(e.last));
            QCOMPARE(l->currentIndex(), 0);
        }
        QCOMPARE(list("cboMonth")->itemText(2), QStringLiteral("March"));
        QVERIFY(find<QRadioButton>("optLong(0)")->isChecked());
        QVERIFY(find<QRadioButton>("optLat(0)")->isChecked());
        QVERIFY(!find<QCheckBox>("chkDST")->isChecked());
        for (const char* name : {"txtName", "txtCity", "txtState", "txtCountry"}) {
            QVERIFY(Text(box(name)).isEmpty());
            QCOMPARE(box(name)->maxLength(), 200);
        }
        for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
            QVERIFY(Text(box(name)).isEmpty());
            QCOMPARE(box(name)->maxLength(), 3);
        }
        QCOMPARE(window->form(), EntryForm{});
    }

    void tabWalksDayBeforeMonth() {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        box("txtName")->setFocus();
        QStringList order{QStringLiteral("txtName")};
        for (int i = 0; i < 21; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        const QStringList expected{
            "txtName",     "cboDate",    "cboMonth",     "cboYear",    "cboHour",   "cboMinute",
            "cboTimeZone", "txtLatDeg",  "txtLatMin",    "txtLonDeg",  "txtLonMin", "txtCity",
            "txtState",    "txtCountry", "cmdCalculate", "optLong(0)", "optLat(0)", "Command1",
            "chkDST",      "cmdOpen",    "txtName",      "cboDate"};
        QCOMPARE(order, expected);
        QVERIFY(dialogs->messages.isEmpty());
        // Shift+Tab walks back and is never filtered either.
        box("txtLatDeg")->setFocus();
        QTest::keyClick(box("txtLatDeg"), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboTimeZone"));
        QVERIFY(dialogs->messages.isEmpty());
    }

    // Scrolling a window past a list must not change what it holds: a list
    // or the reading's date turns with the wheel only once clicked or tabbed
    // into, on the entry window and on the reading's tab alike.
    void wheelTurnsOnlyAFocusedControl() {
        const auto value = [](QWidget* w) {
            if (auto* edit = qobject_cast<QDateTimeEdit*>(w))
                return edit->dateTime().toString(Qt::ISODate);
            return QString::number(qobject_cast<QComboBox*>(w)->currentIndex());
        };
        const auto turn = [](QWidget* w) {
            QWheelEvent down(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(),
                             QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                             false);
            QApplication::sendEvent(w, &down);
        };
        const auto check = [&](QWidget* w) {
            QVERIFY(QTest::qWaitForWindowActive(w->window()));
            w->window()->setFocus();
            const QString before = value(w);
            turn(w);
            QVERIFY2(value(w) == before, qPrintable(w->objectName()));
            w->setFocus();
            QVERIFY2(w->hasFocus(), qPrintable(w->objectName()));
            turn(w);
            QVERIFY2(value(w) != before, qPrintable(w->objectName()));
        };
        window->show();
        window->setForm(GoodForm());
        check(list("cboYear"));
        check(list("cboTimeZone"));
        window->setForm(GoodForm());
        calculate();
        ResultWindow* result = window->resultWindow();
        QVERIFY(result);
        check(result->findChild<QDateTimeEdit*>(QStringLiteral("dteReading")));
        check(result->findChild<QComboBox*>(QStringLiteral("cboHousesFrom")));
    }

    // What a key does in a text box: inserts its character (outcome empty),
    // does nothing that shows ("-"), or is refused with the message given.
    void keystrokes_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outcome");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        const QString letters = QStringLiteral("Please enter only letters");
        const QString numbers = QStringLiteral("Please enter only numbers");
        const QString latin = QStringLiteral(
            "The chart file keeps Latin letters only: please use A to Z, without accents");
        QTest::newRow("letter") << "txtName" << int(Qt::Key_A) << none << "a"
                                << "";
        QTest::newRow("capital") << "txtCity" << int(Qt::Key_Z) << none << "Z"
                                 << "";
        QTest::newRow("blank") << "txtState" << int(Qt::Key_Space) << none << " "
                               << "";
        QTest::newRow("digit in name") << "txtName" << int(Qt::Key_7) << none << "7" << letters;
        QTest::newRow("hyphen in city")
            << "txtCity" << int(Qt::Key_Minus) << none << "-" << letters;
        QTest::newRow("apostrophe")
            << "txtCountry" << int(Qt::Key_Apostrophe) << none << "'" << letters;
        QTest::newRow("full stop") << "txtName" << int(Qt::Key_Period) << none << "." << letters;
        QTest::newRow("accented") << "txtName" << int(Qt::Key_Eacute) << none << "\u00e9" << latin;
        QTest::newRow("devanagari") << "txtCity" << 0 << none << "\u0930" << latin;
        QTest::newRow("enter in name") << "txtName" << int(Qt::Key_Return) << none << "\r"
                                       << "-";
        QTest::newRow("escape") << "txtCity" << int(Qt::Key_Escape) << none << "\x1b"
                                << "-";
        QTest::newRow("ctrl+b as X11 types it") << "txtName" << int(Qt::Key_B) << ctrl << "\x02"
                                                << "-";
        QTest::newRow("ctrl+b as a letter") << "txtState" << int(Qt::Key_B) << ctrl << "b"
                                            << "-";
        QTest::newRow("altgr+q types @")
            << "txtCity" << int(Qt::Key_At) << int(Qt::ControlModifier | Qt::AltModifier) << "@"
            << letters;
        QTest::newRow("digit") << "txtLatDeg" << int(Qt::Key_5) << none << "5"
                               << "";
        QTest::newRow("minus in degrees")
            << "txtLonDeg" << int(Qt::Key_Minus) << none << "-" << numbers;
        QTest::newRow("decimal point")
            << "txtLatMin" << int(Qt::Key_Period) << none << "." << numbers;
        QTest::newRow("letter in minutes")
            << "txtLonMin" << int(Qt::Key_A) << none << "a" << numbers;
        QTest::newRow("enter in degrees") << "txtLatDeg" << int(Qt::Key_Enter) << none << "\r"
                                          << "-";
    }

    void keystrokes() {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        FilteredLineEdit* edit = box(field.toLatin1().constData());
        const bool digits = edit->characterClass() == CharacterClass::Digits;
        const QString before = digits ? QStringLiteral("1") : QStringLiteral("Ab");
        edit->setText(before);
        window->findChild<QWidget*>(QStringLiteral("cmdOpen"))->setFocus();
        edit->setFocus();

        Type(edit, key, Qt::KeyboardModifiers(modifiers), text);

        if (outcome.isEmpty() || outcome == u"-") {
            // Enter calculates, and the half-filled form is refused; nothing
            // else may speak.
            for (const auto& m : dialogs->messages)
                QVERIFY2(!m.text.contains(QStringLiteral("only")), qPrintable(m.text));
            QCOMPARE(Text(edit), outcome.isEmpty() ? before + text : before);
            return;
        }
        QCOMPARE(Text(edit), before);
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].icon, DialogIcon::Critical);
        QCOMPARE(dialogs->messages[0].text, outcome);
        QCOMPARE(window->focusWidget(), edit);
    }

    // Enter calculates from a text box or a list, as a dialog's default
    // button; a focused button takes it for itself.
    void enterCalculates() {
        for (const char* from : {"txtCity", "txtLonMin", "cboYear"}) {
            window->setForm(GoodForm());
            window->show();
            QWidget* w = find<QWidget>(from);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
            QVERIFY2(window->resultWindow(), from);
            QVERIFY(dialogs->messages.isEmpty());
            window->resultWindow()->onBack();
            QTRY_VERIFY(!window->resultWindow());
        }
        dialogs->openAnswers.clear();
        find<QPushButton>("cmdOpen")->setFocus();
        QTest::keyClick(find<QPushButton>("cmdOpen"), Qt::Key_Return);
        QCOMPARE(dialogs->openRequests.size(), 1);
        QCOMPARE(dialogs->openRequests[0].title, QStringLiteral("Open Chart"));
        QVERIFY(!window->resultWindow());
    }

    // Digits typed into a list of numbers pick that number once it is
    // whole; a number the list lacks leaves it where it was.
    void typedNumbersInLists() {
        const struct {
            const char* list;
            const char* typed;
            const char* shown;
        } cases[] = {{"cboYear", "1990", "1990"},
                     {"cboYear", "1850", "1980"},
                     {"cboYear", "2051", "1980"},
                     {"cboDate", "12", "12"},
                     {"cboMinute", "07", "7"}};
        window->show();
        for (const auto& c : cases) {
            window->setForm(GoodForm());
            QComboBox* box = list(c.list);
            box->setFocus();
            QTest::keyClicks(box, QString::fromLatin1(c.typed));
            QCOMPARE(box->currentText(), QString::fromLatin1(c.shown));
            QTest::qWait(QApplication::keyboardInputInterval() + 50);  // a fresh number
        }
        QVERIFY(dialogs->messages.isEmpty());
    }

    // After Back the entry window stands where it stood, whole on the
    // screen, even one smaller than the form.
    void backReturnsToThePlace() {
        const QRect room = window->screen()->availableGeometry();
        window->setForm(GoodForm());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPoint inside = room.topLeft() + QPoint(0, 20);
        for (const QPoint at : {inside, room.bottomRight()}) {
            window->move(at);
            calculate();
            window->resultWindow()->onBack();
            QVERIFY(window->isVisible());
            // The form is wider than this screen: the window fits, and scrolls.
            QVERIFY(room.contains(window->frameGeometry()));
            if (at == inside)
                QCOMPARE(window->pos(), inside);
        }
    }

    void editingKeysKeepWorking() {
        FilteredLineEdit* name = box("txtName");
        name->setFocus();
        QTest::keyClicks(name, "Ram");
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), QStringLiteral("Ra"));
        QTest::keyClick(name, Qt::Key_Home);
        QTest::keyClick(name, Qt::Key_Delete);
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClick(name, Qt::Key_Left);
        QTest::keyClick(name, Qt::Key_Right);
        QCOMPARE(name->text(), QStringLiteral("a"));
        // The editing shortcuts do their usual work, without a word.
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a"));
        QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(name->text().isEmpty());
        QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("a"));

        // A fourth digit finds no room and no message.
        FilteredLineEdit* degrees = box("txtLatDeg");
        QTest::keyClicks(degrees, "1234");
        QCOMPARE(degrees->text(), QStringLiteral("123"));
        QTest::keyClick(degrees, Qt::Key_Backspace);
        QCOMPARE(degrees->text(), QStringLiteral("12"));
        QVERIFY(dialogs->messages.isEmpty());
    }

    void pastedTextIsCheckedWhole() {
        FilteredLineEdit* city = box("txtCity");
        QClipboard* clipboard = QApplication::clipboard();
        auto pasteFromMenu = [&](FilteredLineEdit* edit) {
            std::unique_ptr<QMenu> menu(edit->createContextMenu());
            QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
            QVERIFY(paste && paste->isEnabled());
            paste->trigger();
        };

        clipboard->setText(QStringLiteral("Pune"));
        pasteFromMenu(city);
        QCOMPARE(city->text(), QStringLiteral("Pune"));

        clipboard->setText(QStringLiteral(" City-2"));
        pasteFromMenu(city);
        QCOMPARE(city->text(), QStringLiteral("Pune"));
        QCOMPARE(dialogs->lastText(), QStringLiteral("Please enter only letters"));

        // Shift+Insert pastes too, and is checked the same way.
        FilteredLineEdit* minutes = box("txtLonMin");
        clipboard->setText(QStringLiteral("4.5"));
        minutes->setFocus();
        QTest::keyClick(minutes, Qt::Key_Insert, Qt::ShiftModifier);
        QVERIFY(minutes->text().isEmpty());
        QCOMPARE(dialogs->lastText(), QStringLiteral("Please enter only numbers"));
        clipboard->setText(QStringLiteral("45"));
        QTest::keyClick(minutes, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(minutes->text(), QStringLiteral("45"));

        // Ctrl+V as well: a name with a blank is taken, one with a hyphen
        // refused whole.
        FilteredLineEdit* name = box("txtName");
        name->setFocus();
        clipboard->setText(QStringLiteral("Priya Das"));
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Priya Das"));
        clipboard->setText(QStringLiteral("Priya-Das"));
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Priya Das"));
        QCOMPARE(dialogs->messages.size(), 3);

        // A long text is cut at the box's limit.
        name->clear();
        clipboard->setText(QString(250, u'a'));
        pasteFromMenu(name);
        QCOMPARE(name->text().size(), 200);
        QCOMPARE(dialogs->messages.size(), 3);
    }

    void droppedTextAndFiles() {
        FilteredLineEdit* name = box("txtName");
        name->setText(QStringLiteral("Asha"));
        auto drop = [&](QMimeData* mime) {
            const QPoint at = name->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &enter);
            QDropEvent dropped(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &dropped);
            return dropped.isAccepted();
        };

        QMimeData text;
        text.setText(QStringLiteral("O'Brien"));
        drop(&text);
        QTRY_COMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->lastText(), QStringLiteral("Please enter only letters"));
        QCOMPARE(name->text(), QStringLiteral("Asha"));

        // A file is a chart for the window, never text for the box.
        QSignalSpy spy(window, &MainWindow::chartFilesDropped);
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(QStringLiteral("/charts/asha.sud"))});
        file.setText(QStringLiteral("file:///charts/asha.sud"));
        QVERIFY(drop(&file));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toStringList(), QStringList{QStringLiteral("/charts/asha.sud")});
        QCOMPARE(name->text(), QStringLiteral("Asha"));
        // It is opened as Open would: this one does not exist.
        QCOMPARE(dialogs->messages.size(), 2);
        QCOMPARE(dialogs->lastText(), QStringLiteral("Please Check The File."));
    }

    // A chart dropped on a text box or on the window itself, or named on the
    // command line, opens as "&Open Previously Saved Reading" opens it.
    void droppedOrStartupChartOpens_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("dropped on the city box") << "txtCity";
        QTest::newRow("dropped on the window") << "frmMain";
        QTest::newRow("named at start-up") << "arguments";
    }
    void droppedOrStartupChartOpens() {
        QFETCH(QString, how);
        const QString chart = QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-07.sud");
        window->show();
        if (how == QLatin1String("arguments")) {
            OpenChartFromArguments(*window, {QStringLiteral("vellamor"), chart});
        } else {
            QWidget* target = how == QLatin1String("frmMain") ? static_cast<QWidget*>(window)
                                                              : box(how.toLatin1().constData());
            QMimeData file;
            file.setUrls({QUrl::fromLocalFile(chart)});
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent dropped(at, Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &dropped);
        }
        QTRY_VERIFY(window->resultWindow() != nullptr);
        QCOMPARE(QString::fromStdString(window->resultWindow()->chart().birth.name),
                 QStringLiteral("Awjgafgk Uzkhmjvny"));
        QCOMPARE(box("txtName")->text(), QStringLiteral("Awjgafgk Uzkhmjvny"));
        QVERIFY(!window->isVisible());
        QVERIFY(dialogs->messages.isEmpty());
    }

    void startupWithoutAChartOpensNothing() {
        OpenChartFromArguments(*window, {QStringLiteral("vellamor")});
        QCoreApplication::processEvents();
        QVERIFY(window->resultWindow() == nullptr);
        QVERIFY(dialogs->messages.isEmpty());
    }

    void validationReportsTheFirstProblem_data() {
        QTest::addColumn<QString>("emptied");  // fields emptied, "*" for all text boxes
        QTest::addColumn<QString>("message");
        QTest::addColumn<DialogIcon>("icon");
        QTest::addColumn<QString>("focus");
        const auto critical = DialogIcon::Critical;
        QTest::newRow("all empty") << "*"
                                   << "Please Enter Your Name" << critical << "txtName";
        QTest::newRow("only name filled")
            << "latDeg latMin lonDeg lonMin city state country"
            << "Please Enter Degree of Latitude" << critical << "txtLatDeg";
        QTest::newRow("latitude minutes")
            << "latMin city"
            << "Please Enter Minutes of Latitude" << critical << "txtLatMin";
        QTest::newRow("longitude degrees")
            << "lonDeg country"
            << "Please Enter Degree of Longitude" << critical << "txtLonDeg";
        QTest::newRow("longitude minutes")
            << "lonMin"
            << "Please Enter Minute of Longitude" << critical << "txtLonMin";
        QTest::newRow("city") << "city state"
                              << "Please Enter Your City name" << critical << "txtCity";
        QTest::newRow("state") << "state"
                               << "Please Enter Your State name" << critical << "txtState";
        QTest::newRow("country") << "country"
                                 << "Please Enter Your Country name" << critical << "txtCountry";
    }

    void validationReportsTheFirstProblem() {
        QFETCH(QString, emptied);
        QFETCH(QString, message);
        QFETCH(DialogIcon, icon);
        QFETCH(QString, focus);
        EntryForm f = GoodForm();
        const QStringList names = emptied.split(u' ');
        auto empty = [&](const char* key, std::string& field) {
            if (emptied == u"*" || names.contains(QLatin1String(key)))
                field.clear();
        };
        if (emptied == u"*")
            f.name.clear();
        empty("latDeg", f.latDegrees);
        empty("latMin", f.latMinutes);
        empty("lonDeg", f.lonDegrees);
        empty("lonMin", f.lonMinutes);
        empty("city", f.city);
        empty("state", f.state);
        empty("country", f.country);
        window->setForm(f);
        find<QPushButton>("cmdOpen")->setFocus();

        calculate();

        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].text, message);
        QCOMPARE(dialogs->messages[0].icon, icon);
        QCOMPARE(window->focusWidget()->objectName(), focus);
        QVERIFY(!window->resultWindow());
        QVERIFY(!window->lastChart());
        QCOMPARE(window->form(), f);
    }

    void directionsAndDates() {
        struct Case {
            const char* what;
            void (*change)(EntryForm&);
            const char* message;  // nullptr: the chart is calculated
            DialogIcon icon;
        };
        const Case cases[] = {
            {"no latitude direction", [](EntryForm& f) { f.latitude = LatitudeOption::None; },
             "Please Select Direction For The Latitude", DialogIcon::Critical},
            {"no longitude direction", [](EntryForm& f) { f.longitude = LongitudeOption::None; },
             "Please Select Direction For The Longitude", DialogIcon::Critical},
            {"29 February 1999",
             [](EntryForm& f) { f.dayIndex = 28, f.monthIndex = 1, f.yearIndex = 98; },
             "Please Enter Correct Date Or Month!", DialogIcon::Information},
            {"31 April", [](EntryForm& f) { f.dayIndex = 30, f.monthIndex = 3; },
             "Please Enter Correct Date Or Month !", DialogIcon::Information},
            {"999 degrees of latitude", [](EntryForm& f) { f.latDegrees = "999"; },
             "Latitude Must Be At Most 90 Degrees", DialogIcon::Critical},
            {"90 degrees 30 minutes",
             [](EntryForm& f) { f.latDegrees = "90", f.latMinutes = "30"; },
             "Latitude Must Be At Most 90 Degrees", DialogIcon::Critical},
            {"75 minutes of longitude", [](EntryForm& f) { f.lonMinutes = "75"; },
             "Minutes of Longitude Must Be Less Than 60", DialogIcon::Critical},
            {"29 February 2000",
             [](EntryForm& f) { f.dayIndex = 28, f.monthIndex = 1, f.yearIndex = 99; }, nullptr,
             DialogIcon::Critical},
            {"a name of two blanks", [](EntryForm& f) { f.name = "  "; }, nullptr,
             DialogIcon::Critical},
        };
        for (const Case& c : cases) {
            EntryForm f = GoodForm();
            c.change(f);
            window->setForm(f);
            dialogs->messages.clear();
            calculate();
            if (!c.message) {
                QVERIFY2(dialogs->messages.isEmpty(), c.what);
                QVERIFY2(window->resultWindow(), c.what);
                window->resultWindow()->onBack();
                continue;
            }
            QCOMPARE(dialogs->messages.size(), 1);
            QCOMPARE(dialogs->messages[0].text, QString::fromLatin1(c.message));
            QCOMPARE(dialogs->messages[0].icon, c.icon);
            QVERIFY2(!window->resultWindow(), c.what);
        }
        // The failed direction checks selected North and East: pressing again
        // calculates.
        EntryForm f = GoodForm();
        f.latitude = LatitudeOption::None;
        f.longitude = LongitudeOption::None;
        window->setForm(f);
        dialogs->messages.clear();
        calculate();
        QVERIFY(find<QRadioButton>("optLat(0)")->isChecked());
        calculate();
        QVERIFY(find<QRadioButton>("optLong(0)")->isChecked());
        calculate();
        QCOMPARE(dialogs->messages.size(), 2);
        QVERIFY(window->resultWindow());
    }

    void driverCopiesTheFormAndSwapsWindows() {
        EntryForm f = GoodForm();
        f.name = "  Ananya";
        f.city = "  Pune ";
        f.longitude = LongitudeOption::West;
        f.latitude = LatitudeOption::South;
        f.daylightSaving = true;
        window->setForm(f);
        window->show();
        calculate();

        QVERIFY(dialogs->messages.isEmpty());
        QVERIFY(window->lastChart());
        const Chart& chart = *window->lastChart();
        QCOMPARE(chart.birth.zoneIndex, 34);
        QCOMPARE(chart.birth.zoneHours, 5);
        QCOMPARE(chart.birth.zoneMinutes, 30);
        QCOMPARE(chart.zoneTableHours, -5);
        QCOMPARE(chart.zoneTableMinutes, -30);
        QCOMPARE(chart.birth.name, std::string("  Ananya"));
        QCOMPARE(chart.birth.city, std::string("Pune"));
        QCOMPARE(chart.birth.day, 5);
        QCOMPARE(chart.birth.month, 3);
        QCOMPARE(chart.birth.year, 1980);
        QVERIFY(!chart.birth.eastLongitude);
        QVERIFY(chart.birth.southLatitude);
        QVERIFY(chart.birth.daylightSaving);
        QCOMPARE(window->birthData(), chart.birth);

        ResultWindow* result = window->resultWindow();
        QVERIFY(result);
        QVERIFY(result->isVisible());
        QVERIFY(!window->isVisible());
        QCOMPARE(result->windowTitle(), kAppTitle);
        QCOMPARE(result->chart().birth, chart.birth);
    }

    void menuCalculatesLikeTheButton() {
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("mnuOpen"))->shortcut(),
                 QKeySequence(QKeySequence::Open));
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("mnuExit"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Q")));
        window->setForm(GoodForm());
        find<QPushButton>("cmdCalculate")->click();
        // Ctrl+Q ends the program from the result window too.
        QCOMPARE(window->resultWindow()->findChild<QAction*>(QStringLiteral("mnuExit"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Q")));
        const Chart byButton = *window->lastChart();
        window->resultWindow()->onBack();
        QAction* menu = window->findChild<QAction*>(QStringLiteral("mnuCalculate"));
        menu->trigger();
        QVERIFY(window->resultWindow());
        QCOMPARE(window->lastChart()->birth, byButton.birth);
        QCOMPARE(window->lastChart()->chakra.occupants(Ring::Birth, 0),
                 byButton.chakra.occupants(Ring::Birth, 0));
    }

    // The menu's choice is kept in the settings and recalculates the open
    // chart at once, in a window on the same tab with the same reading;
    // Birth Details names a precise calculation and the bodies it moved to
    // another sign.
    void calculationMenuRecalculatesTheOpenChart() {
        window->setForm(GoodForm());
        window->show();
        calculate();
        QPointer<ResultWindow> classic = window->resultWindow();
        QVERIFY(!classic->chart().precise());
        QVERIFY(!classic->findChild<QLabel*>(QStringLiteral("lblCalculation")));
        classic->showPanel(4);
        DashaPanel::Choices chosen = classic->dashaPanel()->choices();
        chosen.clock.setDate(QDate(2030, 12, 8));
        chosen.highlights = true;
        chosen.housesFromYear = true;
        classic->dashaPanel()->setChoices(chosen);
        classic->findChild<QAction*>(QStringLiteral("mnuPrecise"))->trigger();
        QTRY_VERIFY(!classic);
        ResultWindow* precise = window->resultWindow();
        QVERIFY(precise && precise->chart().precise());
        QCOMPARE(precise->currentPanel(), 4);
        const DashaPanel::Choices kept = precise->dashaPanel()->choices();
        QCOMPARE(kept.clock, chosen.clock);
        QVERIFY(kept.highlights && !kept.transits && kept.housesFromYear);
        QCOMPARE(precise->dashaPanel()->reading()->progression.reading.year, 2030);
        QCOMPARE(ReadCalculationChoice(*OpenUserSettings()).method, CalculationMethod::Precise);
        const QString note = precise->findChild<QLabel*>(QStringLiteral("lblCalculation"))->text();
        QVERIFY2(note.contains(QStringLiteral("Swiss Ephemeris")), qPrintable(note));
        for (const SignMove& m : SignMovesFromClassic(precise->chart()))
            QVERIFY2(note.contains(QString::fromLatin1(
                         kPlanetNames[static_cast<std::size_t>(m.body)].data())),
                     qPrintable(note));

        precise->findChild<QAction*>(QStringLiteral("mnuAyanamsa_raman"))->trigger();
        QTRY_COMPARE(window->resultWindow()->chart().calculation.ayanamsa, Ayanamsa::Raman);
        QVERIFY(window->resultWindow()->chart().precise());
        window->resultWindow()->findChild<QAction*>(QStringLiteral("mnuClassic"))->trigger();
        QTRY_VERIFY(!window->resultWindow()->chart().precise());
        const auto settings = OpenUserSettings();
        QCOMPARE(ReadCalculationChoice(*settings).ayanamsa, Ayanamsa::Raman);
        WriteCalculationChoice(*settings, CalculationChoice{});
    }

    void backShowsTheEntryWindowUnchanged() {
        window->setForm(GoodForm());
        window->show();
        calculate();
        QPointer<ResultWindow> first = window->resultWindow();
        first->onBack();
        QVERIFY(window->isVisible());
        QTRY_VERIFY(!first);
        QCOMPARE(window->form(), GoodForm());

        // A second calculation with another name: a fresh window, new name.
        EntryForm f = GoodForm();
        f.name = "Ravi";
        window->setForm(f);
        calculate();
        ResultWindow* second = window->resultWindow();
        QVERIFY(second);
        QCOMPARE(second->currentPanel(), 0);
        QCOMPARE(second->findChild<QLabel*>(QStringLiteral("lblLabel2(16)"))->text(),
                 QStringLiteral("Ravi"));
    }

    void closingTheResultWindowEndsTheProgram() {
        window->setForm(GoodForm());
        window->show();
        calculate();
        QPointer<ResultWindow> result = window->resultWindow();
        QTimer::singleShot(0, result, [&] { result->close(); });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        guard.stop();
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(!result);
    }

    void saveAndOpenRoundTrip() {
        EntryForm f = GoodForm();
        f.longitude = LongitudeOption::West;
        f.latitude = LatitudeOption::South;
        f.daylightSaving = true;
        // An exact offset has no control yet: the window carries it through.
        f.exactOffset = ExactOffset::Fixed(-2670);
        window->setForm(f);
        calculate();
        const Chart saved = *window->lastChart();
        QCOMPARE(saved.birth.exactOffset, f.exactOffset);
        const QString path = dir.filePath(QStringLiteral("ananya.sud"));

        // Cancelling writes nothing and remembers nothing.
        QVERIFY(!window->resultWindow()->onSave());
        QVERIFY(!QFile::exists(path));
        QVERIFY(window->chartFileName().isEmpty());

        dialogs->saveAnswers << path;
        QVERIFY(window->resultWindow()->onSave());
        const FileDialogRequest& request = dialogs->saveRequests.last();
        QCOMPARE(request.title, QStringLiteral("Save Chart"));
        QCOMPARE(request.filter, QStringLiteral("Vellamor Sudarshan Chakra (*.sud)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("sud"));
        QVERIFY(request.confirmOverwrite);
        QCOMPARE(request.initialPath, QStringLiteral("Ananya Sharma.sud"));
        QVERIFY(QFile::exists(path));
        QCOMPARE(window->chartFileName(), path);
        QVERIFY(dialogs->messages.isEmpty());

        // The next save proposes the same path.
        dialogs->saveAnswers << path;
        QVERIFY(window->resultWindow()->onSave());
        QCOMPARE(dialogs->saveRequests.last().initialPath, path);

        // Back, wipe the form, open the file: the same chart again.
        window->resultWindow()->onBack();
        window->setForm(EntryForm{});
        dialogs->openAnswers << path;
        window->show();
        find<QPushButton>("cmdOpen")->click();
        QCOMPARE(dialogs->openRequests.last().title, QStringLiteral("Open Chart"));
        QCOMPARE(dialogs->openRequests.last().filter,
                 QStringLiteral("Vellamor Sudarshan Chakra (*.sud)"));
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(window->form(), f);
        QVERIFY(window->resultWindow());
        QVERIFY(!window->isVisible());
        QCOMPARE(window->lastChart()->birth, saved.birth);
        QCOMPARE(window->lastChart()->planets.positionTexts, saved.planets.positionTexts);
        // Opening does not change the remembered save path.
        QCOMPARE(window->chartFileName(), path);
    }

    void refusedFilesChangeNothing() {
        window->setForm(GoodForm());
        auto write = [&](const char* name, const std::string& bytes) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
            return file.fileName();
        };
        // Another person's file with a month no list holds: not even the
        // other fields may arrive.
        ChartFields other = ChartFieldsFromBirthData(BirthData{});
        other[0] = "Someone Else", other[1] = "13";
        const auto serialized = SerializeChartFile(other);
        QVERIFY(serialized);
        const std::string month13 = *serialized;
        const struct {
            QString path;
            const char* reason;
        } cases[] = {
            {write("damaged.sud", "\x01\x02garbage\r\n\x85\x86\x87\r\n"),
             "line 1 cannot be decoded"},
            {write("month.sud", month13), "line 2: month 13 is not 1 to 12"},
            {write("empty.sud", ""), "the file is empty"},
            {write("chart.SUD", ""), "the name does not end in \"sud\""},
            {dir.filePath(QStringLiteral("missing.sud")), "no such file"},
            {write("short.sud", month13.substr(0, month13.find("\r\n") + 2)),
             "the file ends after line 1"},
            {write("two.sud", month13 + month13), "the file goes on after line 17"},
        };
        for (const auto& c : cases) {
            dialogs->messages.clear();
            dialogs->openAnswers << c.path;
            find<QPushButton>("cmdOpen")->click();
            QCOMPARE(dialogs->messages.size(), 1);
            QCOMPARE(dialogs->messages[0].text, QStringLiteral("Please Check The File."));
            QCOMPARE(dialogs->messages[0].informativeText,
                     c.path + QStringLiteral(": ") + QString::fromUtf8(c.reason));
            QCOMPARE(dialogs->messages[0].icon, DialogIcon::Critical);
            QCOMPARE(window->form(), GoodForm());
            QVERIFY(!window->resultWindow());
        }
        // Cancelling the dialog says nothing.
        dialogs->messages.clear();
        find<QPushButton>("cmdOpen")->click();
        QVERIFY(dialogs->messages.isEmpty());
    }

    void failedSaveIsReported() {
        window->setForm(GoodForm());
        calculate();
        dialogs->saveAnswers << dir.filePath(QStringLiteral("no-such-folder/chart.sud"));
        QVERIFY(!window->resultWindow()->onSave());
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].icon, DialogIcon::Critical);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("The chart could not be saved."));
        QCOMPARE(dialogs->messages[0].informativeText,
                 dir.filePath(QStringLiteral("no-such-folder/chart.sud")) +
                     QStringLiteral(": No such file or directory"));
        QVERIFY(window->resultWindow()->isVisible() || !window->resultWindow()->isHidden());
    }

    void savedNamesAlwaysEndInSud() {
        window->setForm(GoodForm());
        calculate();
        dialogs->saveAnswers << dir.filePath(QStringLiteral("chart.txt"));
        QVERIFY(window->resultWindow()->onSave());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("chart.txt.sud"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("chart.txt"))));
        // The added name replaces an existing file only when the user agrees.
        dialogs->saveAnswers << dir.filePath(QStringLiteral("chart.txt"));
        dialogs->questionAnswer = DialogAnswer::No;
        QVERIFY(!window->resultWindow()->onSave());
        QCOMPARE(dialogs->messages.last().icon, DialogIcon::Question);
    }

    void coordinateSearchOpensTheBrowser() {
        window->setForm(GoodForm());
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
        find<QPushButton>("Command1")->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(openedUrls.size(), 1);
        QCOMPARE(openedUrls[0].toString(QUrl::FullyEncoded),
                 QStringLiteral("https://vellamor.example/search"
                                "?q=Pune%20Maharashtra%20India%20Latitude%20Longitude"));
        // Without a browser the search and the Help menu's pages say so,
        // with the address to open by hand.
        for (const char* action : {"mnuOnline", "mnuUpdate"})
            window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        find<QPushButton>("Command1")->click();
        QCOMPARE(dialogs->messages.size(), 3);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("No web browser could be opened."));
        QCOMPARE(dialogs->messages[0].informativeText,
                 QStringLiteral("Open this address in a browser: https://vellamor.example/help"));
        QVERIFY(dialogs->messages[2].informativeText.contains(QStringLiteral("search?q=Pune")));
    }

    void coordinateSearchNeedsThePlace() {
        EntryForm f = GoodForm();
        f.state.clear();
        window->setForm(f);
        find<QPushButton>("Command1")->click();
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("Please Enter State"));
        QCOMPARE(dialogs->messages[0].icon, DialogIcon::Information);
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("txtState"));
    }

    // File > Open Recent: newest first, eight at most, kept in the settings
    // file across a restart (its comments too), a vanished chart taken off
    // with a word.
    void recentChartsAreRememberedInOrder() {
        auto settings = OpenUserSettings();
        QVERIFY(StoreRecentCharts(*settings, {}));
        QVERIFY(StoreSettingInPlace(*settings, QStringLiteral("Settings/Mine"), "1"));
        QFile ini(settings->fileName());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray withComment = "; the user's own note\n" + ini.readAll();
        ini.close();
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(withComment) == withComment.size());
        ini.close();
        delete window;  // earlier tests opened charts
        window = new MainWindow(TestPlaces(), *dialogs);

        auto entries = [this] {
            QStringList names;
            for (QAction* a : find<QMenu>("mnuRecent")->actions()) {
                if (a->objectName().startsWith(QLatin1String("mnuRecent")) &&
                    a->objectName() != QLatin1String("mnuRecentClear")) {
                    names << a->text();
                }
            }
            return names;
        };
        QVERIFY(entries().isEmpty());
        QVERIFY(!find<QMenu>("mnuRecent")->menuAction()->isEnabled());

        // Nine charts opened, the last under a name INI would have to quote.
        const QString source = QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-07.sud");
        QStringList paths;
        for (int i = 1; i <= 9; ++i) {
            paths << dir.filePath(i == 9 ? QStringLiteral("रवि, \"&\" ; = %1.sud").arg(i)
                                         : QStringLiteral("chart %1.sud").arg(i));
            QFile::remove(paths.last());
            QVERIFY(QFile::copy(source, paths.last()));
            QVERIFY(window->openChartFile(paths.last()));
        }
        QStringList expected;
        for (int i = 9; i >= 2; --i)
            expected << QStringLiteral("&%1 ").arg(10 - i) +
                            QFileInfo(paths[i - 1]).fileName().replace(u'&', "&&");
        QCOMPARE(entries(), expected);

        // Opened again it moves to the top, listed once; a saved chart comes first.
        QVERIFY(window->openChartFile(paths[4]));
        QCOMPARE(ReadRecentCharts(*OpenUserSettings()),
                 (QStringList{paths[4], paths[8], paths[7], paths[6], paths[5], paths[3], paths[2],
                              paths[1]}));
        const QString saved = dir.filePath(QStringLiteral("saved.sud"));
        dialogs->saveAnswers << saved;
        QVERIFY(window->resultWindow()->onSave());
        const QStringList stored = ReadRecentCharts(*OpenUserSettings());
        QCOMPARE(stored.size(), 8);
        QCOMPARE(stored.mid(0, 4), (QStringList{saved, paths[4], paths[8], paths[7]}));
        QVERIFY(!stored.contains(paths[1]));

        // A restart reads the same list; the user's note is still there.
        delete window;
        window = new MainWindow(TestPlaces(), *dialogs);
        QCOMPARE(entries().size(), 8);
        QCOMPARE(find<QMenu>("mnuRecent")->actions()[2]->toolTip(),
                 QDir::toNativeSeparators(paths[8]));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().startsWith("; the user's own note\n"));
        ini.close();

        // A chart that has gone is taken off with a word; one still there opens.
        QVERIFY(QFile::remove(paths[8]));
        find<QAction>("mnuRecent3")->trigger();
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].icon, DialogIcon::Warning);
        QVERIFY(dialogs->messages[0].text.contains(QDir::toNativeSeparators(paths[8])));
        QVERIFY(!ReadRecentCharts(*OpenUserSettings()).contains(paths[8]));
        QCOMPARE(entries().size(), 7);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window->resultWindow());
        find<QAction>("mnuRecent2")->trigger();
        QVERIFY(window->resultWindow());
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(ReadRecentCharts(*OpenUserSettings()).first(), paths[4]);
    }

    // F1 opens the program's own help, in the language the windows speak,
    // and again brings back the same window.
    void f1OpensTheHelpInTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << "en"
                                 << "Vellamor Help";
        QTest::newRow("Hindi") << "hi"
                               << "Vellamor सहायता";
    }
    void f1OpensTheHelpInTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        InstallTranslations(language);
        const auto english = qScopeGuard([] { InstallTranslations(QStringLiteral("en")); });
        delete window;
        window = new MainWindow(TestPlaces(), *dialogs);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto helpWindows = [] {
            QList<HelpWindow*> open;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* help = qobject_cast<HelpWindow*>(w))
                    open << help;
            }
            return open;
        };
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(window, Qt::Key_F1);
            QCOMPARE(helpWindows().size(), 1);
        }
        QPointer<HelpWindow> help = helpWindows().front();
        const auto closed = qScopeGuard([&help] { delete help.data(); });
        QVERIFY(help->isVisible());
        QCOMPARE(help->objectName(), QStringLiteral("frmHelp"));
        // It stays open beside a chart.
        window->setForm(GoodForm());
        calculate();
        QVERIFY(!window->isVisible());
        QVERIFY(help->isVisible());
        QCOMPARE(help->browser()->documentTitle(), title);
        QVERIFY(help->browser()->source().path().endsWith(language + QStringLiteral(".html")));
        // Every subject is there, the command line's options as they are.
        const QString text = help->browser()->toPlainText();
        for (const char* words :
             {"--reading", "--precise", "--births", "--zones", "Swiss Ephemeris", "+5.3"})
            QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    }
};

VELLAMOR_GUI_TEST(MainWindowTest)

}  // namespace vellamor

#include "main_window_test.moc"
