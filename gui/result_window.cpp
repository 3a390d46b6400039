// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/result_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "core/astro/bodies.h"
#include "core/astro/time_zones.h"
#include "core/chart/chakra_layout.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_stability.h"
#include "gui/birth_details_panel.h"
#include "gui/calculation_menu.h"
#include "gui/chakra_view.h"
#include "gui/dasha_panel.h"
#include "gui/desktop.h"
#include "gui/dialogs.h"
#include "gui/help_menu.h"
#include "gui/legend_panel.h"
#include "gui/panel_look.h"
#include "gui/positions_panel.h"
#include "gui/printing.h"
#include "gui/stability_panel.h"
#include "gui/translation.h"
#include "gui/twips.h"
#include "gui/wording.h"
#include "render/chakra_painter.h"
#include "render/chart_sheet.h"

namespace vellamor {
namespace {

// The right column's narrowest width: a 640 x 480 window keeps the chart
// its smallest size (ChakraView) beside it.
constexpr double kNarrowestColumnTwips = 3450;

}  // namespace

QString ChartFileFilter() {
    return ResultWindow::tr("Vellamor Sudarshan Chakra (*.sud)");
}

QString SheetFileFilter() {
    return ResultWindow::tr("PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf)");
}

ResultWindow::ResultWindow(const Chart& chart, QString chartFileName, Dialogs& dialogs,
                           QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(dialogs),
      m_chart(chart),
      m_chartFileName(std::move(chartFileName)) {
    setObjectName(QStringLiteral("frmSudarshanChakraResult"));
    setWindowTitle(kAppTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ResultWindowFont(false));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("resultArea"));
    QPalette black = central->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    central->setPalette(black);
    central->setAutoFillBackground(true);

    m_stability = AnalyzeChartStability(m_chart);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    if (m_stability.zoneMisfit) {
        // Not a message box: the chart is shown as computed, and the note
        // says under which assumption.
        auto* note = new QLabel(ZoneNoteWording(m_stability.zoneMisfit), central);
        note->setObjectName(QStringLiteral("lblZoneNote"));
        note->setWordWrap(true);
        note->setTextInteractionFlags(Qt::TextSelectableByMouse);
        note->setFont(ResultWindowFont(false));
        note->setAutoFillBackground(true);
        QPalette amber = note->palette();
        amber.setColor(QPalette::Window, QColor(255, 231, 153));
        amber.setColor(QPalette::WindowText, Qt::black);
        note->setPalette(amber);
        note->setContentsMargins(Px(150), Px(75), Px(150), Px(75));
        outer->addWidget(note);
    }
    auto* row = new QHBoxLayout;
    outer->addLayout(row, 1);
    row->setContentsMargins(Px(60), Px(60), Px(300), Px(120));
    row->setSpacing(Px(180));
    m_view = new ChakraView(chart.chakra, central);
    row->addWidget(m_view, 1);
    row->addWidget(buildRightColumn(), 0);
    setCentralWidget(central);
    buildMenus();

    // As large as the chart asks, if the screen has room, in the middle of
    // it (a window manager's own placement may put the bottom of a tall
    // window off the screen); a screen too small for it (640 x 480) is taken
    // whole.
    QSize size = sizeHint();
    bool whole = false;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Room for the window manager's frame as well.
        const QRect area = screen->availableGeometry();
        const QSize room = area.size() - QSize(16, 48);
        whole = size.height() > room.height() || size.width() > room.width();
        size = size.boundedTo(room);
        move(area.left() + std::max(0, (room.width() - size.width()) / 2),
             area.top() + std::max(0, (room.height() - size.height()) / 2));
    }
    resize(size);
    // After the size: a size set later takes the state back.
    if (whole)
        setWindowState(Qt::WindowMaximized);
    showPanel(0);
}

QWidget* ResultWindow::buildRightColumn() {
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("rightColumn"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_tabs = new QTabBar(column);
    m_tabs->setObjectName(QStringLiteral("TS"));
    m_tabs->setFont(ResultWindowFont(true));
    m_tabs->setPalette(PanelPalette());
    m_tabs->setExpanding(true);
    m_tabs->setDrawBase(false);
    // In a narrow window the tabs scroll rather than widen the column.
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setElideMode(Qt::ElideNone);
    // Short titles, so that all five fit beside the chart at the window's
    // default size; a smaller window scrolls them.
    m_tabs->addTab(tr("Birth Details"));
    m_tabs->addTab(tr("Chart Details"));
    m_tabs->addTab(tr("Positions"));
    m_tabs->addTab(tr("Stability"));
    m_tabs->addTab(tr("Dasha and Transits"));
    const int allTabsWidth = m_tabs->sizeHint().width();
    connect(m_tabs, &QTabBar::tabBarClicked, this, &ResultWindow::showPanel);
    connect(m_tabs, &QTabBar::currentChanged, this, &ResultWindow::showPanel);

    m_panels = new QStackedWidget(column);
    m_panels->setObjectName(QStringLiteral("fraDisplay"));
    m_dasha = new DashaPanel(m_chart);
    connect(m_dasha, &DashaPanel::overlayChanged, this,
            [this] { m_view->setReadingOverlay(m_dasha->overlay()); });
    const QList<QWidget*> panels{new BirthDetailsPanel(m_chart),
                                 new LegendPanel(m_chart, m_stability), new PositionsPanel(m_chart),
                                 new StabilityPanel(m_stability), m_dasha};
    for (int k = 0; k < static_cast<int>(panels.size()); ++k) {
        QWidget* panel = panels[k];
        panel->setObjectName(QStringLiteral("fraDisplay(%1)").arg(k));
        panel->setPalette(PanelPalette());
        panel->setAutoFillBackground(true);
        m_panels->addWidget(Scrolling(panel));
    }

    m_save = new QPushButton(tr("&Save"), column);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_back = new QPushButton(tr("&Back"), column);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    for (QPushButton* b : {m_save, m_back}) {
        b->setFont(ResultWindowFont(true));
        b->setMinimumSize(Px(1000), Px(375));
    }
    connect(m_save, &QPushButton::clicked, this, &ResultWindow::onSave);
    connect(m_back, &QPushButton::clicked, this, &ResultWindow::onBack);
    QWidget::setTabOrder(m_save, m_back);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(Px(45));
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_back);

    layout->addWidget(m_tabs);
    layout->addWidget(m_panels, 1);
    layout->addSpacing(Px(300));
    layout->addLayout(buttons);

    // As wide as all the tabs ask while the window has room; narrower, down
    // to what leaves the chart its smallest size in a 640 x 480 window.
    column->setMinimumWidth(Px(kNarrowestColumnTwips));
    column->setMaximumWidth(std::max(Px(2400), allTabsWidth));
    column->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    return column;
}

void ResultWindow::buildMenus() {
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    QAction* backAction = fileMenu->addAction(tr("&Back"));
    backAction->setObjectName(QStringLiteral("mnuBack"));
    backAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(backAction, &QAction::triggered, this, &ResultWindow::onBack);
    fileMenu->addSeparator();
    QAction* saveAction = fileMenu->addAction(tr("&Save"));
    saveAction->setObjectName(QStringLiteral("mnuSave"));
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAction, &QAction::triggered, this, &ResultWindow::onSave);
    QAction* exportAction = fileMenu->addAction(tr("Export Image..."));
    exportAction->setObjectName(QStringLiteral("mnuExport"));
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportAction, &QAction::triggered, this, &ResultWindow::onExport);
    QAction* printAction = fileMenu->addAction(tr("Print..."));
    printAction->setObjectName(QStringLiteral("mnuPrint"));
    printAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printAction, &QAction::triggered, this, &ResultWindow::onPrint);
    // Closing this window ends the program; Ctrl+Q does here what it does in
    // the entry window.
    fileMenu->addSeparator();
    QAction* exitAction = fileMenu->addAction(tr("&Exit"));
    exitAction->setObjectName(QStringLiteral("mnuExit"));
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    AddCalculationMenu(this, m_chart.calculation,
                       [this](const CalculationChoice& c) { emit calculationChosen(c); });
    AddHelpMenu(this, m_dialogs);
}

int ResultWindow::currentPanel() const {
    return m_panels->currentIndex();
}

void ResultWindow::showPanel(int index) {
    if (index < 0 || index >= m_panels->count())
        return;
    if (m_tabs->currentIndex() != index)
        m_tabs->setCurrentIndex(index);
    m_panels->setCurrentIndex(index);
}

bool ResultWindow::onSave() {
    FileDialogRequest request;
    request.title = tr("Save Chart");
    request.filter = ChartFileFilter();
    request.defaultSuffix = kChartFileSuffix;
    // Saved again: the same file. Otherwise the native's name, beside the
    // last chart saved.
    request.initialPath = m_savedHere;
    if (request.initialPath.isEmpty()) {
        QString name = QString::fromStdString(m_chart.birth.name).simplified();
        if (name.isEmpty())
            name = QStringLiteral("chart");
        const QString file = name + QStringLiteral(".sud");
        request.initialPath =
            m_chartFileName.isEmpty() ? file : QFileInfo(m_chartFileName).dir().filePath(file);
    }
    request.confirmOverwrite = true;
    QString path = m_dialogs.saveFile(this, request);
    if (path.isEmpty())
        return false;

    // Opening takes only names ending in "sud": a chart saved under any other
    // name could never be opened again.
    if (!HasChartExtension(path.toStdString())) {
        path += QStringLiteral(".sud");
        if (QFileInfo::exists(path)) {
            const QString question = tr("%1 already exists.\nDo you want to replace it?")
                                         .arg(QFileInfo(path).fileName());
            if (m_dialogs.message(this, DialogIcon::Question, question, DialogButtons::YesNo) !=
                DialogAnswer::Yes) {
                return false;
            }
        }
    }
    m_chartFileName = path;
    m_savedHere = path;
    emit chartFileChosen(path);

    const auto written = WriteChartFile(QFile::encodeName(path).toStdString(), m_chart.birth);
    if (!written) {
        m_dialogs.message(this, DialogIcon::Critical, tr("The chart could not be saved."),
                          DialogButtons::Ok, SaveFailureWording(written.error()));
        return false;
    }
    emit chartSaved(path);
    return true;
}

bool ResultWindow::onExport() {
    FileDialogRequest request;
    request.title = tr("Export Image");
    request.filter = SheetFileFilter();
    request.defaultSuffix = QStringLiteral("png");
    request.initialPath = sheetPathSuggestion();
    request.confirmOverwrite = true;
    const QString path = m_dialogs.saveFile(this, request);
    if (path.isEmpty())
        return false;
    const auto exported =
        ExportChartSheet(m_chart, path, m_dasha->overlay(), WindowSheetTexts(m_chart));
    if (!exported) {
        m_dialogs.message(this, DialogIcon::Critical, tr("The chart sheet could not be exported."),
                          DialogButtons::Ok, SheetExportWording(exported.error()));
        return false;
    }
    m_lastExport = path;
    return true;
}

void ResultWindow::onPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(
        tr("Sudarshan Chakra of %1").arg(QString::fromStdString(m_chart.birth.name)));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintChartSheet(printer, m_chart, m_dasha->overlay());
}

// Beside the last export or the last saved chart, named after the native.
QString ResultWindow::sheetPathSuggestion() const {
    if (!m_lastExport.isEmpty())
        return m_lastExport;
    QString name = QString::fromStdString(m_chart.birth.name).simplified();
    if (name.isEmpty())
        name = QStringLiteral("chart");
    const QString file = name + QStringLiteral(".png");
    if (m_chartFileName.isEmpty())
        return file;
    return QFileInfo(m_chartFileName).dir().filePath(file);
}

void ResultWindow::onBack() {
    emit backRequested();
    m_goingBack = true;
    close();
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_goingBack)
        ExitApplication();
}

}  // namespace vellamor
