// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include "core/chart/chart_opening.h"
#include "core/io/file_replace.h"
#include "gui/calculation_menu.h"
#include "gui/coordinates_search.h"
#include "gui/dasha_panel.h"
#include "gui/desktop.h"
#include "gui/dialogs.h"
#include "gui/entry_form_widget.h"
#include "gui/filtered_line_edit.h"
#include "gui/form_problems.h"
#include "gui/help_menu.h"
#include "gui/recent_charts.h"
#include "gui/user_settings.h"
#include "gui/web_links.h"
#include "gui/wording.h"

namespace vellamor {
namespace {

QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

MainWindow::MainWindow(GazetteerAccess gazetteer, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setAcceptDrops(true);
    // A chart dropped anywhere on the window, text boxes included, opens as
    // "&Open Previously Saved Reading" would open it.
    connect(this, &MainWindow::chartFilesDropped, this, [this](const QStringList& paths) {
        if (!paths.isEmpty())
            openChartFile(paths.front());
    });
    m_entry = new EntryFormWidget(std::move(gazetteer), m_dialogs);
    connect(m_entry, &EntryFormWidget::chartFilesDropped, this, &MainWindow::chartFilesDropped);
    connect(m_entry, &EntryFormWidget::calculateRequested, this, &MainWindow::onCalculate);
    connect(m_entry, &EntryFormWidget::openRequested, this, &MainWindow::onOpen);
    connect(m_entry, &EntryFormWidget::coordinatesSearchRequested, this,
            &MainWindow::findCoordinates);
    // After the layout has taken the new text in.
    connect(m_entry, &EntryFormWidget::atlasNoteShown, this,
            [this] { QTimer::singleShot(0, this, [this] { fitAtlasNote(); }); });
    // On a screen smaller than the form (640 x 480) the window still fits,
    // and what it cannot show scrolls.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("entryScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_entry);
    setCentralWidget(scroller);
    buildMenus();
    m_entry->focusField(FormField::Name);

    // As large as the form asks, if the screen has room, and in the middle
    // of it: a place of its own to come back to, even when a chart opened
    // at start hides the window before it was ever shown.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // A narrow screen scrolls the form downwards only.
        m_entry->fitWidth(screen->availableSize().width() - 16 -
                          scroller->verticalScrollBar()->sizeHint().width());
    }
    QSize size = m_entry->sizeHint();
    size.rheight() += menuBar()->sizeHint().height();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Room for the window manager's frame as well.
        const QRect room = screen->availableGeometry();
        size = size.boundedTo(room.size() - QSize(16, 48));
        move(room.left() + std::max(0, (room.width() - size.width() - 16) / 2),
             room.top() + std::max(0, (room.height() - size.height() - 48) / 2));
    }
    resize(size);
}

MainWindow::~MainWindow() {
    if (m_result)
        delete m_result.data();
}

void MainWindow::buildMenus() {
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    QAction* openAction = fileMenu->addAction(tr("&Open Chart..."));
    openAction->setObjectName(QStringLiteral("mnuOpen"));
    openAction->setShortcut(QKeySequence::Open);
    connect(openAction, &QAction::triggered, this, &MainWindow::onOpen);
    m_recent = new RecentChartsMenu(fileMenu);
    connect(m_recent, &RecentChartsMenu::chartChosen, this,
            [this](const QString& path) { openChartFile(path); });
    connect(m_recent, &RecentChartsMenu::chartMissing, this, [this](const QString& path) {
        m_dialogs.message(this, DialogIcon::Warning,
                          tr("%1 is no longer there; it has been taken off the recent charts.")
                              .arg(QDir::toNativeSeparators(path)));
    });
    QAction* calculateAction = fileMenu->addAction(tr("Get My &Rasi Chart"));
    calculateAction->setObjectName(QStringLiteral("mnuCalculate"));
    connect(calculateAction, &QAction::triggered, this, &MainWindow::onCalculate);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    QAction* exitAction = fileMenu->addAction(tr("&Exit"));
    exitAction->setObjectName(QStringLiteral("mnuExit"));
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    m_calculation = ReadCalculationChoice(*OpenUserSettings());
    m_entry->followZoneRule(m_calculation.precise());
    AddCalculationMenu(this, m_calculation,
                       [this](const CalculationChoice& c) { setCalculation(c); });
    AddHelpMenu(this, m_dialogs);
}

EntryForm MainWindow::form() const {
    return m_entry->form();
}

void MainWindow::setForm(const EntryForm& form) {
    m_entry->setForm(form);
}

void MainWindow::onCalculate() {
    EntryForm entered = form();
    if (const auto checked = ValidateInput(entered); !checked) {
        const FormProblem problem = ProblemOf(checked.error());
        m_dialogs.message(this, problem.icon, problem.message);
        ApplyProblemSideEffects(entered, checked.error());
        m_entry->setHemispheres(entered);
        m_entry->focusField(problem.focus);
        return;
    }

    m_birth = CopyFormToBirthData(entered, m_birth);
    m_chart = CalculateChart(m_birth, m_calculation);
    showChart();
    stepAside();
}

void MainWindow::showChart() {
    // Each chart gets a window of its own; a previous one is discarded, its
    // place and tab kept when it is replaced by the same chart recalculated.
    std::optional<QRect> geometry;
    Qt::WindowStates state;
    int panel = 0;
    std::optional<DashaPanel::Choices> reading;
    if (m_result) {
        if (m_result->isVisible()) {
            geometry = QRect(m_result->pos(), m_result->size());
            state = m_result->windowState();
            reading = m_result->dashaPanel()->choices();
        }
        panel = m_result->currentPanel();
        delete m_result.data();
    }
    m_result = new ResultWindow(*m_chart, m_chartFileName, m_dialogs);
    connect(m_result, &ResultWindow::backRequested, this, &MainWindow::comeBack);
    connect(m_result, &ResultWindow::chartFileChosen, this,
            [this](const QString& path) { m_chartFileName = path; });
    connect(m_result, &ResultWindow::chartSaved, m_recent, &RecentChartsMenu::remember);
    connect(m_result, &ResultWindow::calculationChosen, this, &MainWindow::setCalculation);
    if (geometry) {
        // The frame's place, as the window manager gave it to the old one.
        m_result->setWindowState(state);
        if (!(state & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            m_result->resize(geometry->size());
            m_result->move(geometry->topLeft());
            if (QWindow* handle = m_result->windowHandle())
                handle->setFramePosition(geometry->topLeft());
        }
        m_result->showPanel(panel);
    }
    if (reading)
        m_result->dashaPanel()->setChoices(*reading);
    m_result->show();
}

void MainWindow::setCalculation(const CalculationChoice& choice) {
    m_calculation = choice;
    m_entry->followZoneRule(m_calculation.precise());
    // The open chart is recalculated at once, once the menu that asked has
    // finished with its window (which the new one replaces).
    QTimer::singleShot(0, this, [this] {
        if (m_result && m_result->isVisible() && m_chart &&
            !(m_chart->calculation == m_calculation)) {
            m_chart = CalculateChart(m_chart->birth, m_calculation);
            showChart();
        }
    });
}

void MainWindow::stepAside() {
    // Only a place the window manager has given, or the one the window was
    // put at: a window that steps aside before it is on the screen (a chart
    // opened at start) otherwise reads 0,0, where its title bar would come
    // back above the screen's edge.
    if (isVisible() &&
        ((windowHandle() && windowHandle()->isExposed()) || testAttribute(Qt::WA_Moved)))
        m_placeBeforeHiding = pos();
    hide();
}

void MainWindow::comeBack() {
    // A window shown again without a position of its own is placed afresh by
    // the window manager, which at that moment finds the result window in
    // the way and pushes this one into a corner.
    if (m_placeBeforeHiding) {
        const QSize frame = frameGeometry().size();
        const QScreen* screen = QGuiApplication::screenAt(
            *m_placeBeforeHiding + QPoint(frame.width() / 2, frame.height() / 2));
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        QPoint at = *m_placeBeforeHiding;
        if (screen) {
            const QRect room = screen->availableGeometry();
            at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - frame.width())));
            at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - frame.height())));
        }
        move(at);
        // Said to the window system too: a window mapped again without a
        // position in its hints is placed afresh by the window manager.
        if (QWindow* handle = windowHandle())
            handle->setFramePosition(at);
    }
    show();
    // The note may have changed while the window was away (the calculation
    // method was switched in the result window); it is laid out now.
    QTimer::singleShot(0, this, [this] { fitAtlasNote(); });
}

void MainWindow::onOpen() {
    FileDialogRequest request;
    request.title = tr("Open Chart");
    request.filter = ChartFileFilter();
    request.defaultSuffix = kChartFileSuffix;
    const QString path = m_dialogs.openFile(this, request);
    if (path.isEmpty())
        return;
    openChartFile(path);
}

bool MainWindow::openChartFile(const QString& path) {
    // A save cut off by a kill or a power cut is put right, and said so.
    if (HasChartExtension(path.toStdString())) {
        const auto recovered = RecoverInterruptedRewrite(QFile::encodeName(path).toStdString());
        if (recovered && *recovered != InterruptedRewrite::None)
            m_dialogs.message(this, DialogIcon::Information, InterruptedRewriteWording(*recovered),
                              DialogButtons::Ok, QDir::toNativeSeparators(path));
    }
    // The name as shown must end in "sud" as well as the name on disk.
    const auto opened =
        HasChartExtension(path.toStdString())
            ? FormFromChartFile(QFile::encodeName(path).toStdString(), form())
            : Fail(OpeningError{std::nullopt,
                                ChartFileError{ChartFileProblem::NotAChartName, 0, 0, {}}});
    if (!opened) {
        // The sentence as ever, and under it which file and why, so the
        // user can act (a handed-over chart arrives without a dialog).
        const QString file = QDir::toNativeSeparators(path);
        m_dialogs.message(
            this, DialogIcon::Critical, CheckFileWording(), DialogButtons::Ok,
            opened.error().file
                ? QStringLiteral("%1: %2").arg(file, ChartFileReasonWording(*opened.error().file))
                : file);
        return false;
    }
    // The file's place, zone and box are the user's; the atlas stops following.
    m_entry->forgetPlace();
    setForm(*opened);
    m_recent->remember(path);
    onCalculate();
    return true;
}

void MainWindow::findCoordinates() {
    const EntryForm entered = form();
    if (const auto problem = CheckCoordinatesSearch(entered)) {
        m_dialogs.message(this, problem->icon, problem->message);
        m_entry->focusField(problem->focus);
        return;
    }
    OpenCoordinatesSearch(FromUtf8(CoordinatesSearchText(entered)), this, &m_dialogs);
}

void MainWindow::fitAtlasNote(int tries) {
    if (!isVisible() || isMaximized() || isFullScreen())
        return;
    const int shortfall = m_entry->atlasNoteShortfall();
    const QScreen* where = screen();
    if (shortfall <= 0 || !where)
        return;
    const QRect room = where->availableGeometry();
    const QRect frame = frameGeometry();
    const int grow = std::min(shortfall, room.height() - frame.height());
    if (grow <= 0)
        return;
    // Downwards while there is room below, then the window moves up.
    QPoint at = pos();
    const int overflow = frame.bottom() + grow - room.bottom();
    if (overflow > 0)
        at.ry() -= overflow;
    resize(width(), height() + grow);
    if (at != pos())
        move(at);
    // Part of the height may have gone to what the window scrolled: again,
    // until the note is whole or the screen is full (a few times at most: a
    // window manager may refuse the size).
    if (tries > 1)
        QTimer::singleShot(0, this, [this, tries] { fitAtlasNote(tries - 1); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    ExitApplication();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        onCalculate();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedLocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedLocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit chartFilesDropped(files);
}

void OpenChartFromArguments(MainWindow& window, const QStringList& arguments) {
    const QString chart = StartupChartArgument(arguments);
    if (chart.isEmpty())
        return;
    QTimer::singleShot(0, &window, [&window, chart] { window.openChartFile(chart); });
}

}  // namespace vellamor
