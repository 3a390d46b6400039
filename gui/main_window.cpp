// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

#include "gui/calculation_menu.h"
#include "gui/coordinates_search.h"
#include "gui/desktop.h"
#include "gui/dialogs.h"
#include "gui/filtered_line_edit.h"
#include "gui/help_menu.h"
#include "gui/recent_charts.h"
#include "gui/translation.h"
#include "gui/user_settings.h"
#include "gui/web_links.h"
#include "gui/wheel_guard.h"
#include "gui/wording.h"
#include "render/chakra_emblem.h"
#ifdef VELLAMOR_HAVE_ATLAS
#include "gui/place_assistant.h"
#endif
#include "core/astro/bodies.h"
#include "core/astro/time_zones.h"
#include "core/chart/chart_opening.h"
#include "gui/result_window.h"
#include "render/chakra_painter.h"

namespace vellamor {
namespace {

const char* const kDescription = QT_TRANSLATE_NOOP(
    "vellamor::MainWindow",
    "The Sudarshan chakra comprises of the Surya Kundali, Chandra Kundali and Lagna Kundali "
    "or Janma Kundali. This gives a clear view of the position of the different planets and "
    "houses with respect to each other and how they affect the native.");

QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// A pick-only list as wide as its longest entry, given in characters: sizing
// from the length spares measuring every entry at start-up.
QComboBox* List(const char* name, int longestEntry, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    box->setMaxVisibleItems(16);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(longestEntry);
    TakeWheelOnlyWhenFocused(box);
    return box;
}

FilteredLineEdit* Box(const char* name, CharacterClass cls, QWidget* parent) {
    auto* edit = new FilteredLineEdit(cls, parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (cls == CharacterClass::Digits) {
        const int w = edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14;
        edit->setFixedWidth(w);
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

// Selects the radio button of a group, or none of them.
void SelectOption(QButtonGroup* group, int id) {
    if (id >= 0) {
        group->button(id)->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

// The dark band across the top of the window.
class Banner : public QFrame {
  public:
    using QFrame::QFrame;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(rect().topLeft(), rect().topRight());
        g.setColorAt(0, QColor(0x1d, 0x1a, 0x33));
        g.setColorAt(1, QColor(0x43, 0x26, 0x5f));
        p.fillRect(rect(), g);
    }
};

// A white card with a soft border that holds one half of the form.
class Card : public QFrame {
  public:
    using QFrame::QFrame;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0xd6, 0xd0, 0xc4));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
};

// The dark band across the top of the window: the wheel and what the chart
// is.
QWidget* MakeBanner(QWidget* parent) {
    auto* banner = new Banner(parent);
    banner->setObjectName(QStringLiteral("banner"));
    QPalette light = banner->palette();
    light.setColor(QPalette::WindowText, QColor(0xf4, 0xec, 0xd8));
    banner->setPalette(light);
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(18, 12, 20, 12);
    layout->setSpacing(16);
    auto* wheel = new QLabel(banner);
    wheel->setPixmap(ChakraEmblemIcon().pixmap(60, 60));
    wheel->setFixedSize(60, 60);
    auto* description = new QLabel(MainWindow::tr(kDescription), banner);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    layout->addWidget(wheel, 0, Qt::AlignVCenter);
    layout->addWidget(description, 1);
    return banner;
}

std::pair<Card*, QGridLayout*> MakeCard(const char* name, QWidget* parent) {
    auto* card = new Card(parent);
    card->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    return {card, grid};
}

// One row of the coordinates: caption, degrees, the two hemispheres (ids 0
// and 1 of their group), minutes and the unit.
struct CoordinateRow {
    QString caption;
    const char* degreesName;
    const char* minutesName;
    const char* optionsName;
    QString first, second;
};

struct CoordinateControls {
    FilteredLineEdit* degrees = nullptr;
    FilteredLineEdit* minutes = nullptr;
    QRadioButton* options[2] = {nullptr, nullptr};
    QButtonGroup* group = nullptr;
};

CoordinateControls AddCoordinateRow(QGridLayout* grid, QWidget* card, int row,
                                    const CoordinateRow& shape) {
    CoordinateControls c;
    c.degrees = Box(shape.degreesName, CharacterClass::Digits, card);
    c.minutes = Box(shape.minutesName, CharacterClass::Digits, card);
    c.group = new QButtonGroup(card);
    c.group->setObjectName(QString::fromLatin1(shape.optionsName));
    grid->addWidget(Caption(shape.caption, card), row, 0);
    grid->addWidget(c.degrees, row, 1);
    for (int i = 0; i < 2; ++i) {
        c.options[i] = new QRadioButton(i == 0 ? shape.first : shape.second, card);
        c.options[i]->setObjectName(
            QStringLiteral("%1(%2)").arg(QLatin1String(shape.optionsName)).arg(i));
        c.group->addButton(c.options[i], i);
        grid->addWidget(c.options[i], row, 2 + i);
    }
    grid->addWidget(c.minutes, row, 4);
    grid->addWidget(Caption(MainWindow::tr("DEG/MIN"), card), row, 5);
    return c;
}

// Digits typed into a list of numbers (day, year, hour, minute) pick the
// entry that is exactly the number typed, once it is whole. A list's own
// search would jump at the first digit to the next entry beginning with it,
// so "1850" typed into the years picked the year after the current one. A
// number the list does not hold leaves it where it was and says so in a tip.
class TypedNumberSearch : public QObject {
  public:
    explicit TypedNumberSearch(QComboBox* box) : QObject(box), m_box(box) {
        box->installEventFilter(this);
        box->view()->installEventFilter(this);
        for (int i = 0; i < box->count(); ++i)
            m_longest = std::max(m_longest, static_cast<int>(box->itemText(i).size()));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || !text.at(0).isDigit() || text.at(0).unicode() > 127 ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        if (!m_sinceLast.isValid() || m_sinceLast.elapsed() > QApplication::keyboardInputInterval())
            m_typed.clear();
        m_sinceLast.start();
        if (m_typed.size() >= m_longest)
            m_typed.clear();
        m_typed += text;
        // "05" is the minute 5.
        const int found = m_box->findText(QString::number(m_typed.toInt()), Qt::MatchExactly);
        const bool inPopup = watched == m_box->view();
        if (found >= 0) {
            if (inPopup) {
                m_box->view()->setCurrentIndex(m_box->model()->index(found, m_box->modelColumn()));
            } else if (found != m_box->currentIndex()) {
                m_box->setCurrentIndex(found);
                emit m_box->activated(found);
            }
        } else if (m_typed.size() >= m_longest && m_box->count() > 0) {
            QWidget* near = inPopup ? static_cast<QWidget*>(m_box->view()) : m_box;
            QToolTip::showText(
                near->mapToGlobal(QPoint(0, near->height())),
                MainWindow::tr("%1 is not in the list, which runs from %2 to %3")
                    .arg(m_typed, m_box->itemText(0), m_box->itemText(m_box->count() - 1)),
                near);
        }
        return true;
    }

  private:
    QComboBox* m_box;
    int m_longest = 0;
    QString m_typed;
    QElapsedTimer m_sinceLast;
};

void SelectIndex(QComboBox* box, int index) {
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}

}  // namespace

QSize WrappingButton::sizeHint() const {
    // About two lines: the caption wrapped at half its length.
    const QFontMetrics fm = fontMetrics();
    const int width = fm.horizontalAdvance(text()) / 2 + fm.averageCharWidth() * 4;
    const QRect r =
        fm.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    return {r.width() + 24, r.height() + 16};
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(8, 4, -8, -4),
                     Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

MainWindow::MainWindow(GazetteerAccess gazetteer, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setAcceptDrops(true);
    // A chart dropped anywhere on the window, text boxes included, opens as
    // "&Open Previously Saved Reading" would open it.
    connect(this, &MainWindow::chartFilesDropped, this, [this](const QStringList& paths) {
        if (!paths.isEmpty())
            openChartFile(paths.front());
    });
    buildControls(std::move(gazetteer));
    buildMenus();
    setUpTabOrder();
    fillLists();
    m_name->setFocus(Qt::OtherFocusReason);

    // As large as the form asks, if the screen has room.
    QSize size = centralWidget()->sizeHint();
    if (auto* scroller = qobject_cast<QScrollArea*>(centralWidget()))
        size = scroller->widget()->sizeHint();
    size.rheight() += menuBar()->sizeHint().height();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Room for the window manager's frame as well.
        const QSize room = screen->availableSize() - QSize(16, 48);
        size = size.boundedTo(room);
    }
    resize(size);
}

MainWindow::~MainWindow() {
    if (m_result)
        delete m_result.data();
}

void MainWindow::buildControls(GazetteerAccess gazetteer) {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("entryArea"));
    central->setAutoFillBackground(true);
    QPalette ground = central->palette();
    ground.setColor(QPalette::Window, QColor(0xef, 0xec, 0xe6));
    central->setPalette(ground);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(MakeBanner(central));

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 16, 16, 16);
    body->setSpacing(14);
    outer->addLayout(body, 1);
    body->addWidget(buildWhoCard(central), 1);
    body->addWidget(buildWhereCard(central), 1);

    connectControls();
    attachAtlas(std::move(gazetteer));
    // On a screen smaller than the form (640 x 480) the window still fits,
    // and what it cannot show scrolls.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("entryScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(central);
    setCentralWidget(scroller);
}

// Left: who and when.
QWidget* MainWindow::buildWhoCard(QWidget* parent) {
    auto [who, grid] = MakeCard("whoCard", parent);
    m_open = new QPushButton(tr("&Open Previously Saved Reading"), who);
    m_open->setObjectName(QStringLiteral("cmdOpen"));
    m_name = Box("txtName", CharacterClass::Letters, who);
    grid->addWidget(m_open, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Caption(tr("Name"), who), 1, 0);
    grid->addWidget(m_name, 1, 1);
    addDateAndTime(grid, who);
    addZone(grid, who);
    grid->setColumnStretch(1, 1);
    return who;
}

// Rows 2 and 3: month, day and year; hour and minute.
void MainWindow::addDateAndTime(QGridLayout* grid, QWidget* card) {
    m_month = List("cboMonth", 9, card);
    m_day = List("cboDate", 2, card);
    m_year = List("cboYear", 4, card);
    m_hour = List("cboHour", 2, card);
    m_minute = List("cboMinute", 2, card);

    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(6);
    dateRow->addWidget(m_month, 3);
    dateRow->addWidget(m_day, 1);
    dateRow->addWidget(m_year, 2);
    auto* timeRow = new QHBoxLayout;
    timeRow->setSpacing(6);
    timeRow->addWidget(m_hour, 1);
    timeRow->addWidget(m_minute, 1);
    timeRow->addStretch(2);

    grid->addWidget(Caption(tr("Date of Birth"), card), 2, 0);
    grid->addLayout(dateRow, 2, 1);
    grid->addWidget(Caption(tr("Time of Birth"), card), 3, 0);
    grid->addLayout(timeRow, 3, 1);
}

// Rows 4 to 6: the daylight-saving box, the zone list and the atlas's note
// on its choice of zone.
void MainWindow::addZone(QGridLayout* grid, QWidget* card) {
    m_zone = List("cboTimeZone", 36, card);
    m_daylightSaving = new QCheckBox(tr("Daylight Saving Time"), card);
    m_daylightSaving->setObjectName(QStringLiteral("chkDST"));
    grid->addWidget(Caption(tr("Time Zone"), card), 4, 0);
    grid->addWidget(m_daylightSaving, 4, 1, Qt::AlignLeft);
    grid->addWidget(m_zone, 5, 0, 1, 2);
#ifdef VELLAMOR_HAVE_ATLAS
    m_atlasNote = new QLabel;
    m_atlasNote->setObjectName(QStringLiteral("lblAtlasNote"));
    m_atlasNote->setWordWrap(true);
    m_atlasNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont small = m_atlasNote->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_atlasNote->setFont(small);
    m_atlasNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The note is shown whole: the window grows for a long one as far as the
    // screen allows (fitAtlasNote), and what the screen has no room for
    // scrolls. Three lines are kept free for it from the start, measured in
    // the window's language, since a script the font lacks (Devanagari) is
    // drawn by a fallback font whose lines are taller.
    m_noteArea = new QScrollArea(card);
    m_noteArea->setObjectName(QStringLiteral("noteArea"));
    m_noteArea->setFrameShape(QFrame::NoFrame);
    m_noteArea->setFocusPolicy(Qt::NoFocus);
    m_noteArea->setWidgetResizable(true);
    m_noteArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_noteArea->setWidget(m_atlasNote);
    // On the card's white, and no taller than its minimum unless there is room.
    m_noteArea->viewport()->setAutoFillBackground(false);
    m_atlasNote->setAutoFillBackground(false);
    m_noteArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    const QString line = tr("Time Zone") + QStringLiteral(" Ag");
    m_noteArea->setMinimumHeight(
        m_atlasNote->fontMetrics()
            .boundingRect(QRect(0, 0, 4096, 4096), Qt::AlignLeft | Qt::AlignTop,
                          QStringList{line, line, line}.join(QLatin1Char('\n')))
            .height());
    grid->addWidget(m_noteArea, 6, 0, 1, 2);
    grid->setRowStretch(6, 1);
#else
    grid->setRowStretch(7, 1);
#endif
}

// Right: where. Degrees, hemisphere, minutes in aligned columns, then the
// place's names, the web search for its coordinates and the calculation.
QWidget* MainWindow::buildWhereCard(QWidget* parent) {
    auto [where, grid] = MakeCard("whereCard", parent);
    const CoordinateControls latitude = AddCoordinateRow(
        grid, where, 0,
        {tr("Latitude"), "txtLatDeg", "txtLatMin", "optLat", tr("North"), tr("South")});
    m_latDegrees = latitude.degrees;
    m_latMinutes = latitude.minutes;
    m_latitudeOptions[0] = latitude.options[0];
    m_latitudeOptions[1] = latitude.options[1];
    m_latitudeGroup = latitude.group;
    const CoordinateControls longitude = AddCoordinateRow(
        grid, where, 1,
        {tr("Longitude"), "txtLonDeg", "txtLonMin", "optLong", tr("East"), tr("West")});
    m_lonDegrees = longitude.degrees;
    m_lonMinutes = longitude.minutes;
    m_longitudeOptions[0] = longitude.options[0];
    m_longitudeOptions[1] = longitude.options[1];
    m_longitudeGroup = longitude.group;
    addPlaceNames(grid, where);

    m_calculate = new QPushButton(tr("&Get My Sudarshan Chakra Result"), where);
    m_calculate->setObjectName(QStringLiteral("cmdCalculate"));
    m_calculate->setMinimumHeight(m_zone->sizeHint().height() + 8);
    QFont bold = m_calculate->font();
    bold.setBold(true);
    m_calculate->setFont(bold);
    QPalette accent = m_calculate->palette();
    accent.setColor(QPalette::Button, QColor(0x5e, 0x2a, 0x82));
    accent.setColor(QPalette::ButtonText, Qt::white);
    m_calculate->setPalette(accent);
    grid->addWidget(m_calculate, 5, 0, 1, 6);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);
    return where;
}

// Rows 2 to 4: city, state and country, and beside them the button that
// searches the web for the coordinates.
void MainWindow::addPlaceNames(QGridLayout* grid, QWidget* card) {
    m_city = Box("txtCity", CharacterClass::Letters, card);
    m_state = Box("txtState", CharacterClass::Letters, card);
    m_country = Box("txtCountry", CharacterClass::Letters, card);
    grid->addWidget(Caption(tr("City"), card), 2, 0);
    grid->addWidget(m_city, 2, 1, 1, 3);
    grid->addWidget(Caption(tr("State"), card), 3, 0);
    grid->addWidget(m_state, 3, 1, 1, 3);
    grid->addWidget(Caption(tr("Country"), card), 4, 0);
    grid->addWidget(m_country, 4, 1, 1, 3);

    m_coordinatesButton = new WrappingButton(tr("Click here to find Latitude && Longitude"), card);
    m_coordinatesButton->setObjectName(QStringLiteral("Command1"));
    m_coordinatesButton->setToolTip(tr("Search the web for the coordinates of the birth place"));
    grid->addWidget(m_coordinatesButton, 2, 4, 3, 2);
}

void MainWindow::connectControls() {
    for (FilteredLineEdit* edit : {m_name, m_latDegrees, m_latMinutes, m_lonDegrees, m_lonMinutes,
                                   m_city, m_state, m_country}) {
        connect(edit, &FilteredLineEdit::filesDropped, this, &MainWindow::chartFilesDropped);
    }
    // A focused button takes Enter for itself, as in a dialog; Enter
    // anywhere else reaches keyPressEvent and calculates.
    for (QPushButton* button :
         {m_calculate, m_open, static_cast<QPushButton*>(m_coordinatesButton)})
        button->setAutoDefault(true);
    connect(m_calculate, &QPushButton::clicked, this, &MainWindow::onCalculate);
    connect(m_open, &QPushButton::clicked, this, &MainWindow::onOpen);
    connect(m_coordinatesButton, &QPushButton::clicked, this, &MainWindow::findCoordinates);
}

// The place list under the city box and the zone following.
void MainWindow::attachAtlas(GazetteerAccess gazetteer) {
#ifdef VELLAMOR_HAVE_ATLAS
    if (!gazetteer)
        return;
    atlas::EntryControls controls;
    controls.city = m_city;
    controls.state = m_state;
    controls.country = m_country;
    controls.latDegrees = m_latDegrees;
    controls.latMinutes = m_latMinutes;
    controls.lonDegrees = m_lonDegrees;
    controls.lonMinutes = m_lonMinutes;
    controls.latitude = m_latitudeGroup;
    controls.longitude = m_longitudeGroup;
    controls.day = m_day;
    controls.month = m_month;
    controls.year = m_year;
    controls.hour = m_hour;
    controls.minute = m_minute;
    controls.zone = m_zone;
    controls.daylightSaving = m_daylightSaving;
    controls.note = m_atlasNote;
    m_atlas = new atlas::PlaceAssistant(controls, std::move(gazetteer), this);
    // After the layout has taken the new text in.
    connect(m_atlas, &atlas::PlaceAssistant::noteShown, this,
            [this] { QTimer::singleShot(0, this, [this] { fitAtlasNote(); }); });
#else
    (void)gazetteer;
#endif
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
        CurrentDialogs().message(
            this, DialogIcon::Warning,
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
    followCalculationInAtlas();
    AddCalculationMenu(this, m_calculation,
                       [this](const CalculationChoice& c) { setCalculation(c); });
    AddHelpMenu(this);
}

void MainWindow::setUpTabOrder() {
    // The day list comes before the month list although it stands to its
    // right: the keyboard walks day, month, year.
    QWidget* const order[] = {m_name,
                              m_day,
                              m_month,
                              m_year,
                              m_hour,
                              m_minute,
                              m_zone,
                              m_latDegrees,
                              m_latMinutes,
                              m_lonDegrees,
                              m_lonMinutes,
                              m_city,
                              m_state,
                              m_country,
                              m_calculate,
                              m_longitudeOptions[0],
                              m_longitudeOptions[1],
                              m_latitudeOptions[0],
                              m_latitudeOptions[1],
                              m_coordinatesButton,
                              m_daylightSaving,
                              m_open};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

void MainWindow::fillLists() {
    for (int d = 1; d <= 31; ++d)
        m_day->addItem(QString::number(d));
    for (int m = 1; m <= 12; ++m)
        m_month->addItem(MonthWording(m));
    for (int y = kFirstYear; y <= kLastYear; ++y)
        m_year->addItem(QString::number(y));
    for (int h = 0; h <= 23; ++h)
        m_hour->addItem(QString::number(h));
    for (int m = 0; m <= 59; ++m)
        m_minute->addItem(QString::number(m));
    for (const TimeZoneRow& row : LoadTimeZoneTable())
        m_zone->addItem(TranslatedCoreText(row.text));
    for (QComboBox* box : {m_day, m_month, m_year, m_hour, m_minute, m_zone}) {
        box->setCurrentIndex(0);
    }
    for (QComboBox* box : {m_day, m_year, m_hour, m_minute})
        new TypedNumberSearch(box);
    m_longitudeOptions[0]->setChecked(true);
    m_latitudeOptions[0]->setChecked(true);
}

EntryForm MainWindow::form() const {
    EntryForm f;
    f.name = m_name->text().toStdString();
    f.latDegrees = m_latDegrees->text().toStdString();
    f.latMinutes = m_latMinutes->text().toStdString();
    f.lonDegrees = m_lonDegrees->text().toStdString();
    f.lonMinutes = m_lonMinutes->text().toStdString();
    f.city = m_city->text().toStdString();
    f.state = m_state->text().toStdString();
    f.country = m_country->text().toStdString();
    f.dayIndex = m_day->currentIndex();
    f.monthIndex = m_month->currentIndex();
    f.yearIndex = m_year->currentIndex();
    f.hourIndex = m_hour->currentIndex();
    f.minuteIndex = m_minute->currentIndex();
    f.zoneIndex = m_zone->currentIndex();
    f.longitude = static_cast<LongitudeOption>(m_longitudeGroup->checkedId());
    f.latitude = static_cast<LatitudeOption>(m_latitudeGroup->checkedId());
    f.daylightSaving = m_daylightSaving->isChecked();
    return f;
}

void MainWindow::setForm(const EntryForm& f) {
    m_name->setText(QString::fromStdString(f.name));
    SelectIndex(m_month, f.monthIndex);
    SelectIndex(m_day, f.dayIndex);
    SelectIndex(m_year, f.yearIndex);
    SelectIndex(m_hour, f.hourIndex);
    SelectIndex(m_minute, f.minuteIndex);
    SelectIndex(m_zone, f.zoneIndex);
    m_lonDegrees->setText(QString::fromStdString(f.lonDegrees));
    m_lonMinutes->setText(QString::fromStdString(f.lonMinutes));
    m_latDegrees->setText(QString::fromStdString(f.latDegrees));
    m_latMinutes->setText(QString::fromStdString(f.latMinutes));
    SelectOption(m_longitudeGroup, static_cast<int>(f.longitude));
    SelectOption(m_latitudeGroup, static_cast<int>(f.latitude));
    m_daylightSaving->setChecked(f.daylightSaving);
    m_city->setText(QString::fromStdString(f.city));
    m_state->setText(QString::fromStdString(f.state));
    m_country->setText(QString::fromStdString(f.country));
}

QWidget* MainWindow::fieldWidget(FormField field) const {
    switch (field) {
        case FormField::Name:
            return m_name;
        case FormField::LatDegrees:
            return m_latDegrees;
        case FormField::LatMinutes:
            return m_latMinutes;
        case FormField::LonDegrees:
            return m_lonDegrees;
        case FormField::LonMinutes:
            return m_lonMinutes;
        case FormField::City:
            return m_city;
        case FormField::State:
            return m_state;
        case FormField::Country:
            return m_country;
        case FormField::LatitudeOption:
        case FormField::LongitudeOption:
        case FormField::None:
            return nullptr;
    }
    return nullptr;
}

void MainWindow::onCalculate() {
    EntryForm entered = form();
    if (const auto checked = ValidateInput(entered); !checked) {
        const FormProblem problem = ProblemOf(checked.error());
        CurrentDialogs().message(this, problem.icon, problem.message);
        ApplyProblemSideEffects(entered, checked.error());
        SelectOption(m_longitudeGroup, static_cast<int>(entered.longitude));
        SelectOption(m_latitudeGroup, static_cast<int>(entered.latitude));
        if (QWidget* w = fieldWidget(problem.focus))
            w->setFocus(Qt::OtherFocusReason);
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
    int panel = 0;
    if (m_result) {
        if (m_result->isVisible())
            geometry = m_result->geometry();
        panel = m_result->currentPanel();
        delete m_result.data();
    }
    m_result = new ResultWindow(*m_chart, m_chartFileName);
    connect(m_result, &ResultWindow::backRequested, this, &MainWindow::comeBack);
    connect(m_result, &ResultWindow::chartFileChosen, this,
            [this](const QString& path) { m_chartFileName = path; });
    connect(m_result, &ResultWindow::chartSaved, m_recent, &RecentChartsMenu::remember);
    connect(m_result, &ResultWindow::calculationChosen, this, &MainWindow::setCalculation);
    if (geometry) {
        m_result->setGeometry(*geometry);
        m_result->showPanel(panel);
    }
    m_result->show();
}

void MainWindow::followCalculationInAtlas() {
#ifdef VELLAMOR_HAVE_ATLAS
    if (m_atlas)
        m_atlas->setZoneRule(m_calculation.precise() ? atlas::ZoneRule::Signed
                                                     : atlas::ZoneRule::Classic);
#endif
}

void MainWindow::setCalculation(const CalculationChoice& choice) {
    m_calculation = choice;
    followCalculationInAtlas();
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
    // Only a place the window manager has given: a window that steps aside
    // before it is on the screen (a chart opened at start) reads 0,0, where
    // its title bar would come back above the screen's edge.
    if (isVisible() && windowHandle() && windowHandle()->isExposed())
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
    }
    show();
}

void MainWindow::onOpen() {
    FileDialogRequest request;
    request.title = tr("Open Chart");
    request.filter = ChartFileFilter();
    request.defaultSuffix = kChartFileSuffix;
    const QString path = CurrentDialogs().openFile(this, request);
    if (path.isEmpty())
        return;
    openChartFile(path);
}

bool MainWindow::openChartFile(const QString& path) {
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
        CurrentDialogs().message(
            this, DialogIcon::Critical, CheckFileWording(), DialogButtons::Ok,
            opened.error().file
                ? QStringLiteral("%1: %2").arg(file, ChartFileReasonWording(*opened.error().file))
                : file);
        return false;
    }
#ifdef VELLAMOR_HAVE_ATLAS
    // The file's place, zone and box are the user's; the atlas stops following.
    if (m_atlas)
        m_atlas->forget();
#endif
    setForm(*opened);
    m_recent->remember(path);
    onCalculate();
    return true;
}

void MainWindow::findCoordinates() {
    const EntryForm entered = form();
    if (const auto problem = CheckCoordinatesSearch(entered)) {
        CurrentDialogs().message(this, problem->icon, problem->message);
        if (QWidget* w = fieldWidget(problem->focus))
            w->setFocus(Qt::OtherFocusReason);
        return;
    }
    OpenCoordinatesSearch(FromUtf8(CoordinatesSearchText(entered)), this);
}

void MainWindow::fitAtlasNote(int tries) {
    if (!m_noteArea || !isVisible() || isMaximized() || isFullScreen())
        return;
    const int shortfall = m_atlasNote->heightForWidth(m_noteArea->viewport()->width()) -
                          m_noteArea->viewport()->height();
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
