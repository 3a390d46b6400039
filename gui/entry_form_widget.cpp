// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entry_form_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "core/astro/bodies.h"
#include "core/astro/time_zones.h"
#include "gui/banner.h"
#include "gui/card.h"
#include "gui/filtered_line_edit.h"
#include "gui/translation.h"
#include "gui/typed_number_search.h"
#include "gui/wheel_guard.h"
#include "gui/wording.h"
#include "gui/wrapping_button.h"
#ifdef VELLAMOR_HAVE_ATLAS
#include "gui/place_assistant.h"
#endif

namespace vellamor {
namespace {

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

void SelectIndex(QComboBox* box, int index) {
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}

// One row of the coordinates: caption, degrees, the two hemispheres (ids 0
// and 1 of their group), minutes and the unit.
struct CoordinateRow {
    QString caption;
    const char* optionsName;
    QString first, second;
};

struct CoordinateControls {
    FilteredLineEdit* degrees = nullptr;
    FilteredLineEdit* minutes = nullptr;
    QRadioButton* options[2] = {nullptr, nullptr};
    QButtonGroup* group = nullptr;
};

void AddCoordinateRow(QGridLayout* grid, QWidget* card, int row, const CoordinateRow& shape,
                      CoordinateControls& c) {
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
    grid->addWidget(Caption(EntryFormWidget::tr("DEG/MIN"), card), row, 5);
}

}  // namespace

EntryFormWidget::EntryFormWidget(GazetteerAccess gazetteer, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("entryArea"));
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(0xef, 0xec, 0xe6));
    setPalette(ground);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(new Banner(this));

    m_body = new QBoxLayout(QBoxLayout::LeftToRight);
    m_body->setContentsMargins(16, 16, 16, 16);
    m_body->setSpacing(14);
    outer->addLayout(m_body, 1);
    m_body->addWidget(buildWhoCard(), 1);
    m_body->addWidget(buildWhereCard(), 1);

    connectControls();
    attachAtlas(std::move(gazetteer));
    setUpTabOrder();
    fillLists();
}

FilteredLineEdit* EntryFormWidget::box(const char* name, bool digits, QWidget* parent) {
    auto* edit = new FilteredLineEdit(digits ? CharacterClass::Digits : CharacterClass::Letters,
                                      m_dialogs, parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (digits) {
        const int w = edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14;
        edit->setFixedWidth(w);
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

// Left: who and when.
QWidget* EntryFormWidget::buildWhoCard() {
    auto* who = new Card("whoCard", this);
    QGridLayout* grid = who->grid();
    m_open = new QPushButton(tr("&Open Previously Saved Reading"), who);
    m_open->setObjectName(QStringLiteral("cmdOpen"));
    m_name = box("txtName", false, who);
    grid->addWidget(m_open, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Caption(tr("Name"), who), 1, 0);
    grid->addWidget(m_name, 1, 1);
    addDateAndTime(grid, who);
    addZone(grid, who);
    grid->setColumnStretch(1, 1);
    return who;
}

// Rows 2 and 3: month, day and year; hour and minute.
void EntryFormWidget::addDateAndTime(QGridLayout* grid, QWidget* card) {
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
void EntryFormWidget::addZone(QGridLayout* grid, QWidget* card) {
    m_zone = List("cboTimeZone", 36, card);
    m_daylightSaving = new QCheckBox(tr("Daylight Saving Time"), card);
    m_daylightSaving->setObjectName(QStringLiteral("chkDST"));
    grid->addWidget(Caption(tr("Time Zone"), card), 4, 0);
    grid->addWidget(m_daylightSaving, 4, 1, Qt::AlignLeft);
    grid->addWidget(m_zone, 5, 0, 1, 2);
    // A row or box chosen by hand is the user's word on the birth's clock:
    // an exact offset carried from a file or the atlas gives way to it.
    connect(m_zone, &QComboBox::activated, this, [this] { m_exactOffset = {}; });
    connect(m_daylightSaving, &QCheckBox::clicked, this, [this] { m_exactOffset = {}; });
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
    // screen allows, and what the screen has no room for scrolls. Three
    // lines are kept free for it from the start, measured in the window's
    // language, since a script the font lacks (Devanagari) is drawn by a
    // fallback font whose lines are taller.
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
QWidget* EntryFormWidget::buildWhereCard() {
    auto* where = new Card("whereCard", this);
    QGridLayout* grid = where->grid();
    CoordinateControls latitude;
    latitude.degrees = m_latDegrees = box("txtLatDeg", true, where);
    latitude.minutes = m_latMinutes = box("txtLatMin", true, where);
    AddCoordinateRow(grid, where, 0, {tr("Latitude"), "optLat", tr("North"), tr("South")},
                     latitude);
    m_latitudeOptions[0] = latitude.options[0];
    m_latitudeOptions[1] = latitude.options[1];
    m_latitudeGroup = latitude.group;
    CoordinateControls longitude;
    longitude.degrees = m_lonDegrees = box("txtLonDeg", true, where);
    longitude.minutes = m_lonMinutes = box("txtLonMin", true, where);
    AddCoordinateRow(grid, where, 1, {tr("Longitude"), "optLong", tr("East"), tr("West")},
                     longitude);
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
void EntryFormWidget::addPlaceNames(QGridLayout* grid, QWidget* card) {
    m_city = box("txtCity", false, card);
    m_state = box("txtState", false, card);
    m_country = box("txtCountry", false, card);
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

void EntryFormWidget::connectControls() {
    for (FilteredLineEdit* edit : {m_name, m_latDegrees, m_latMinutes, m_lonDegrees, m_lonMinutes,
                                   m_city, m_state, m_country}) {
        connect(edit, &FilteredLineEdit::filesDropped, this, &EntryFormWidget::chartFilesDropped);
    }
    // A focused button takes Enter for itself, as in a dialog; Enter
    // anywhere else reaches the window, which calculates.
    for (QPushButton* button :
         {m_calculate, m_open, static_cast<QPushButton*>(m_coordinatesButton)})
        button->setAutoDefault(true);
    connect(m_calculate, &QPushButton::clicked, this, &EntryFormWidget::calculateRequested);
    connect(m_open, &QPushButton::clicked, this, &EntryFormWidget::openRequested);
    connect(m_coordinatesButton, &QPushButton::clicked, this,
            &EntryFormWidget::coordinatesSearchRequested);
}

// The place list under the city box and the zone following.
void EntryFormWidget::attachAtlas(GazetteerAccess gazetteer) {
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
    controls.exactOffset = &m_exactOffset;
    m_atlas = new atlas::PlaceAssistant(controls, std::move(gazetteer), this);
    connect(m_atlas, &atlas::PlaceAssistant::noteShown, this, &EntryFormWidget::atlasNoteShown);
#else
    (void)gazetteer;
#endif
}

void EntryFormWidget::setUpTabOrder() {
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

void EntryFormWidget::fillLists() {
    for (int d = 1; d <= 31; ++d)
        m_day->addItem(QString::number(d));
    // The English name as well, for typing into the list in any language.
    const QLocale english(QLocale::English);
    for (int m = 1; m <= 12; ++m)
        m_month->addItem(MonthWording(m), english.monthName(m));
    for (int y = kFirstYear; y <= kLastYear; ++y)
        m_year->addItem(QString::number(y));
    for (int h = 0; h <= 23; ++h)
        m_hour->addItem(QString::number(h));
    for (int m = 0; m <= 59; ++m)
        m_minute->addItem(QString::number(m));
    for (const TimeZoneRow& row : LoadTimeZoneTable())
        m_zone->addItem(TranslatedCoreText(row.text),
                        QString::fromUtf8(row.text.data(), qsizetype(row.text.size())));
    for (QComboBox* box : {m_day, m_month, m_year, m_hour, m_minute, m_zone}) {
        box->setCurrentIndex(0);
    }
    for (QComboBox* box : {m_day, m_year, m_hour, m_minute})
        new TypedNumberSearch(box);
    for (QComboBox* box : {m_month, m_zone})
        new TypedNameSearch(box);
    m_longitudeOptions[0]->setChecked(true);
    m_latitudeOptions[0]->setChecked(true);
}

EntryForm EntryFormWidget::form() const {
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
    f.exactOffset = m_exactOffset;
    return f;
}

void EntryFormWidget::setForm(const EntryForm& f) {
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
    setHemispheres(f);
    m_daylightSaving->setChecked(f.daylightSaving);
    m_exactOffset = f.exactOffset;
    m_city->setText(QString::fromStdString(f.city));
    m_state->setText(QString::fromStdString(f.state));
    m_country->setText(QString::fromStdString(f.country));
}

void EntryFormWidget::setHemispheres(const EntryForm& f) {
    SelectOption(m_longitudeGroup, static_cast<int>(f.longitude));
    SelectOption(m_latitudeGroup, static_cast<int>(f.latitude));
}

void EntryFormWidget::focusField(FormField field) {
    if (QWidget* w = fieldWidget(field))
        w->setFocus(Qt::OtherFocusReason);
}

QWidget* EntryFormWidget::fieldWidget(FormField field) const {
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

void EntryFormWidget::followZoneRule(bool precise) {
#ifdef VELLAMOR_HAVE_ATLAS
    if (m_atlas)
        m_atlas->setZoneRule(precise ? atlas::ZoneRule::Signed : atlas::ZoneRule::Classic);
#else
    (void)precise;
#endif
}

void EntryFormWidget::forgetPlace() {
#ifdef VELLAMOR_HAVE_ATLAS
    if (m_atlas)
        m_atlas->forget();
#endif
}

void EntryFormWidget::fitWidth(int width) {
    m_body->setDirection(QBoxLayout::LeftToRight);
    if (sizeHint().width() > width) {
        m_body->setDirection(QBoxLayout::TopToBottom);
        m_body->setContentsMargins(8, 8, 8, 8);
        m_body->setSpacing(8);
    }
}

int EntryFormWidget::atlasNoteShortfall() const {
    if (!m_noteArea)
        return 0;
    return std::max(0, m_atlasNote->heightForWidth(m_noteArea->viewport()->width()) -
                           m_noteArea->viewport()->height());
}

}  // namespace vellamor
