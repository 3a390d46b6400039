// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/place_assistant.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "atlas/gazetteer.h"
#include "gui/wording.h"

namespace vellamor::atlas {
namespace {

constexpr int kPlaceRole = Qt::UserRole + 1;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// "9°47′N": whole degrees and minutes, and the hemisphere.
QString Angle(double degrees, QChar positive, QChar negative) {
    const int minutes = static_cast<int>(std::lround(std::abs(degrees) * 60));
    return QStringLiteral("%1\u00b0%2\u2032%3")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(degrees < 0 ? negative : positive);
}

}  // namespace

PlaceAssistant::PlaceAssistant(const EntryControls& controls, GazetteerAccess gazetteer,
                               QObject* parent)
    : QObject(parent), m_controls(controls), m_gazetteer(std::move(gazetteer)) {
    m_model = new QStandardItemModel(this);
    m_completer = new QCompleter(m_model, this);
    // The list is the atlas's answer: the completer must not filter it again
    // by the typed prefix, nor write its entry into the letter-only box.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(kMaxOffered);
    m_completer->setWidget(m_controls.city);
    // Installed after the completer's own filter, so it sees keys first.
    m_completer->popup()->installEventFilter(this);
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);

    connect(m_typingPause, &QTimer::timeout, this, &PlaceAssistant::lookUpNow);
    connect(m_controls.city, &QLineEdit::textEdited, this, &PlaceAssistant::cityEdited);
    connect(m_controls.city, &QLineEdit::editingFinished, this, &PlaceAssistant::cityFinished);
    for (QLineEdit* box : {m_controls.state, m_controls.country})
        connect(box, &QLineEdit::textEdited, this, &PlaceAssistant::placeNameEdited);
    if (m_controls.note) {
        // Links by the mouse: the note stays out of the keyboard's walk,
        // where the place list serves.
        m_controls.note->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                                 Qt::LinksAccessibleByMouse);
        connect(m_controls.note, &QLabel::linkActivated, this, &PlaceAssistant::noteLinkActivated);
    }
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceAssistant::placeActivated);
    for (QComboBox* list :
         {m_controls.day, m_controls.month, m_controls.year, m_controls.hour, m_controls.minute}) {
        connect(list, &QComboBox::activated, this, &PlaceAssistant::dateOrPlaceChanged);
    }
    connect(m_controls.longitude, &QButtonGroup::idClicked, this,
            &PlaceAssistant::dateOrPlaceChanged);
    for (QLineEdit* box : {m_controls.lonDegrees, m_controls.lonMinutes}) {
        connect(box, &QLineEdit::textEdited, this, &PlaceAssistant::dateOrPlaceChanged);
    }
    connect(m_controls.zone, &QComboBox::activated, this, &PlaceAssistant::zoneChosen);
    connect(m_controls.daylightSaving, &QCheckBox::clicked, this, &PlaceAssistant::boxClicked);
}

bool PlaceAssistant::eventFilter(QObject* watched, QEvent* event) {
    // Enter picks the entry: the completer would also hand the key on to the
    // city box, whose letter filter refuses it with a message.
    QAbstractItemView* popup = m_completer->popup();
    if (watched == popup && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && popup->isVisible() &&
            popup->currentIndex().isValid()) {
            const QModelIndex picked = popup->currentIndex();
            popup->hide();
            placeActivated(picked);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlaceAssistant::forget() {
    m_follower.Forget();
    m_typingPause->stop();
    m_completer->popup()->hide();
    m_cityTyped = false;
    m_pickedLabel.clear();
    m_stalePick.clear();
    m_staleMatch.reset();
    showNote({});
}

void PlaceAssistant::cityEdited(const QString&) {
    // Typing over the city means the picked place no longer applies, and a
    // note about an unknown name is stale once the name changes.
    if (m_follower.place())
        m_follower.Forget();
    m_cityTyped = true;
    m_typingPause->start();
    if (!m_pickedLabel.isEmpty())
        showStalePick();
    else if (m_controls.note && !m_controls.note->text().isEmpty())
        showNote({});
}

void PlaceAssistant::placeNameEdited() {
    // A state or country typed over leaves the coordinates as they were
    // picked, as a city typed over does.
    if (m_pickedLabel.isEmpty())
        return;
    m_follower.Forget();
    showStalePick();
}

void PlaceAssistant::showStalePick() {
    // The names now say one place and the coordinates and zone another: a
    // chart calculated so would carry both without a word, so the note says
    // it until the user picks again or keeps the coordinates.
    m_stalePick = m_pickedLabel;
    m_staleMatch.reset();
    QString typed = m_controls.city->text().trimmed();
    for (QLineEdit* box : {m_controls.state, m_controls.country}) {
        if (!box->text().trimmed().isEmpty())
            typed += QStringLiteral(", ") + box->text().trimmed();
    }
    if (!typed.isEmpty() && !m_gazetteer().fault()) {
        m_staleMatch = SearchPlace(m_gazetteer(), typed.toStdString()).place;
        if (m_staleMatch && Text(m_staleMatch->Label()) == m_pickedLabel)
            m_staleMatch.reset();
    }
    QString note = tr("The coordinates and time zone are still those of %1.")
                       .arg(m_pickedLabel.toHtmlEscaped());
    if (m_staleMatch) {
        note += u' ' + tr("The atlas has <a href=\"take\">%1</a>: pick it to use its "
                          "coordinates and zone.")
                           .arg(Text(m_staleMatch->Label()).toHtmlEscaped());
    } else {
        note += u' ' + tr("Pick the place from the list to use its coordinates and zone.");
    }
    note += u' ' + tr("<a href=\"keep\">Keep these coordinates and zone</a>.");
    showNote(note);
}

void PlaceAssistant::noteLinkActivated(const QString& link) {
    if (link == QLatin1String("take") && m_staleMatch) {
        const Place place = *m_staleMatch;
        pick(place);
    } else if (link == QLatin1String("keep")) {
        // The user vouches for the coordinates under the new names.
        m_pickedLabel.clear();
        m_stalePick.clear();
        m_staleMatch.reset();
        showNote({});
    }
}

void PlaceAssistant::lookUpNow() {
    m_typingPause->stop();
    const QString typed = m_controls.city->text().trimmed();
    m_model->clear();
    m_offered.clear();
    if (typed.size() >= 2) {
        if (const auto& fault = m_gazetteer().fault()) {
            m_completer->popup()->hide();
            showNote(GazetteerFaultWording(*fault));
            return;
        }
        // The atlas may hold one town twice (as a town and as the seat of
        // its district): the list shows it once, the more populous first.
        for (Place& p : FindPlaces(m_gazetteer(), typed.toStdString(), kMaxOffered + 4)) {
            const bool shown = std::any_of(m_offered.begin(), m_offered.end(), [&](const Place& o) {
                return o.Label() == p.Label() && std::abs(o.latitude - p.latitude) < 0.25 &&
                       std::abs(o.longitude - p.longitude) < 0.25;
            });
            if (!shown && m_offered.size() < static_cast<std::size_t>(kMaxOffered))
                m_offered.push_back(std::move(p));
        }
    }
    for (std::size_t i = 0; i < m_offered.size(); ++i) {
        // Two places of one name in one state are told apart by where they
        // lie.
        QString label = Text(m_offered[i].Label());
        if (std::count_if(m_offered.begin(), m_offered.end(),
                          [&](const Place& p) { return p.Label() == m_offered[i].Label(); }) > 1) {
            label += QStringLiteral(" (%1, %2)")
                         .arg(Angle(m_offered[i].latitude, u'N', u'S'),
                              Angle(m_offered[i].longitude, u'E', u'W'));
        }
        auto* item = new QStandardItem(label);
        item->setData(static_cast<int>(i), kPlaceRole);
        item->setEditable(false);
        m_model->appendRow(item);
    }
    if (m_offered.empty() || !m_controls.city->hasFocus()) {
        m_completer->popup()->hide();
    } else {
        // As wide as the longest "City, State, Country", not just the box.
        const QFontMetrics metrics = m_completer->popup()->fontMetrics();
        int width = m_controls.city->width();
        for (int row = 0; row < m_model->rowCount(); ++row) {
            width = std::max(width, metrics.horizontalAdvance(m_model->item(row)->text()) + 40);
        }
        QRect area = m_controls.city->rect();
        area.setWidth(width);
        m_completer->complete(area);
        placeListAboveCity();
    }
}

void PlaceAssistant::placeListAboveCity() {
    // Below the city box the list would lie over State, Country, the
    // coordinates search and the calculation: a click meant for one of them
    // would pick a place. Above it lie the coordinates and the banner, which
    // picking a place fills or needs no click; the list goes there when the
    // screen has room.
    QAbstractItemView* popup = m_completer->popup();
    const QPoint cityTop = m_controls.city->mapToGlobal(QPoint(0, 0));
    const QScreen* screen = m_controls.city->screen();
    if (!popup->isVisible() || !screen)
        return;
    const int top = cityTop.y() - popup->height();
    if (top < screen->availableGeometry().top())
        return;
    popup->move(popup->x(), top);
}

void PlaceAssistant::placeActivated(const QModelIndex& index) {
    const QVariant i = index.data(kPlaceRole);
    if (!i.isValid() || i.toInt() < 0 || static_cast<std::size_t>(i.toInt()) >= m_offered.size())
        return;
    pick(m_offered[static_cast<std::size_t>(i.toInt())]);
}

void PlaceAssistant::pick(const Place& place) {
    EntryForm form = readControls();
    const ZoneDecision d = m_follower.Pick(form, place);
    writePlace(form);
    writeZone(form);
    m_cityTyped = false;
    m_pickedLabel = Text(place.Label());
    m_stalePick.clear();
    m_staleMatch.reset();
    showNote(ZoneDecisionWording(d.note));
}

void PlaceAssistant::cityFinished() {
    // Only what the user typed is checked: a city a chart file brought in
    // is the file's business.
    const QString typed = m_controls.city->text().trimmed();
    if (!m_cityTyped || m_follower.place() || typed.isEmpty())
        return;
    m_cityTyped = false;
    if (!m_stalePick.isEmpty())
        return showStalePick();
    // Only a name the atlas cannot place at all is worth a note: anything
    // else is in the list to pick from.
    if (const auto& fault = m_gazetteer().fault())
        showNote(GazetteerFaultWording(*fault));
    else if (!SearchPlace(m_gazetteer(), typed.toStdString()).place)
        showNote(UnknownPlaceWording(typed));
}

void PlaceAssistant::setZoneRule(ZoneRule rule) {
    m_follower.SetRule(rule);
    dateOrPlaceChanged();
}

void PlaceAssistant::dateOrPlaceChanged() {
    EntryForm form = readControls();
    if (const auto d = m_follower.Follow(form)) {
        writeZone(form);
        showNote(ZoneDecisionWording(d->note));
    }
}

void PlaceAssistant::zoneChosen() {
    EntryForm form = readControls();
    if (const auto d = m_follower.ZoneChosenByHand(form)) {
        writeZone(form);
        showNote(ZoneDecisionWording(d->note));
    }
}

void PlaceAssistant::boxClicked() {
    EntryForm form = readControls();
    if (const auto d = m_follower.BoxSetByHand(form)) {
        writeZone(form);
        showNote(ZoneDecisionWording(d->note));
    }
}

EntryForm PlaceAssistant::readControls() const {
    EntryForm f;
    f.city = m_controls.city->text().toStdString();
    f.state = m_controls.state->text().toStdString();
    f.country = m_controls.country->text().toStdString();
    f.latDegrees = m_controls.latDegrees->text().toStdString();
    f.latMinutes = m_controls.latMinutes->text().toStdString();
    f.lonDegrees = m_controls.lonDegrees->text().toStdString();
    f.lonMinutes = m_controls.lonMinutes->text().toStdString();
    f.latitude = static_cast<LatitudeOption>(m_controls.latitude->checkedId());
    f.longitude = static_cast<LongitudeOption>(m_controls.longitude->checkedId());
    f.dayIndex = m_controls.day->currentIndex();
    f.monthIndex = m_controls.month->currentIndex();
    f.yearIndex = m_controls.year->currentIndex();
    f.hourIndex = m_controls.hour->currentIndex();
    f.minuteIndex = m_controls.minute->currentIndex();
    f.zoneIndex = m_controls.zone->currentIndex();
    f.daylightSaving = m_controls.daylightSaving->isChecked();
    if (m_controls.exactOffset)
        f.exactOffset = *m_controls.exactOffset;
    return f;
}

void PlaceAssistant::writePlace(const EntryForm& f) {
    m_controls.city->setText(Text(f.city));
    m_controls.state->setText(Text(f.state));
    m_controls.country->setText(Text(f.country));
    m_controls.latDegrees->setText(Text(f.latDegrees));
    m_controls.latMinutes->setText(Text(f.latMinutes));
    m_controls.lonDegrees->setText(Text(f.lonDegrees));
    m_controls.lonMinutes->setText(Text(f.lonMinutes));
    if (QAbstractButton* b = m_controls.latitude->button(static_cast<int>(f.latitude)))
        b->setChecked(true);
    if (QAbstractButton* b = m_controls.longitude->button(static_cast<int>(f.longitude)))
        b->setChecked(true);
}

void PlaceAssistant::writeZone(const EntryForm& f) {
    m_controls.zone->setCurrentIndex(f.zoneIndex);
    m_controls.daylightSaving->setChecked(f.daylightSaving);
    if (m_controls.exactOffset)
        *m_controls.exactOffset = f.exactOffset;
}

void PlaceAssistant::showNote(const QString& note) {
    if (m_controls.note == nullptr)
        return;
    m_controls.note->setText(note);
    emit noteShown(note);
}

}  // namespace vellamor::atlas
