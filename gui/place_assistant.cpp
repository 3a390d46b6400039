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
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>

#include "atlas/gazetteer.h"

namespace vellamor::atlas {
namespace {

constexpr int kPlaceRole = Qt::UserRole + 1;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

PlaceAssistant::PlaceAssistant(const EntryControls& controls, QObject* parent)
    : QObject(parent), c_(controls) {
    // The gazetteer loads while the user types the name and the date, so the
    // window opens at once and the first place typed finds it ready.
    Gazetteer::LoadInBackground();
    model_ = new QStandardItemModel(this);
    completer_ = new QCompleter(model_, this);
    // The list is the atlas's answer: the completer must not filter it again
    // by the typed prefix, nor write its entry into the letter-only box.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(kMaxOffered);
    completer_->setWidget(c_.city);
    // Installed after the completer's own filter, so it sees keys first.
    completer_->popup()->installEventFilter(this);
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(kTypingPauseMs);

    connect(typingPause_, &QTimer::timeout, this, &PlaceAssistant::lookUpNow);
    connect(c_.city, &QLineEdit::textEdited, this, &PlaceAssistant::cityEdited);
    connect(c_.city, &QLineEdit::editingFinished, this, &PlaceAssistant::cityFinished);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceAssistant::placeActivated);
    for (QComboBox* list : {c_.day, c_.month, c_.year, c_.hour, c_.minute}) {
        connect(list, &QComboBox::activated, this, &PlaceAssistant::dateOrPlaceChanged);
    }
    connect(c_.longitude, &QButtonGroup::idClicked, this, &PlaceAssistant::dateOrPlaceChanged);
    for (QLineEdit* box : {c_.lonDegrees, c_.lonMinutes}) {
        connect(box, &QLineEdit::textEdited, this, &PlaceAssistant::dateOrPlaceChanged);
    }
    connect(c_.zone, &QComboBox::activated, this, &PlaceAssistant::zoneChosen);
    connect(c_.daylightSaving, &QCheckBox::clicked, this, &PlaceAssistant::boxClicked);
}

bool PlaceAssistant::eventFilter(QObject* watched, QEvent* event) {
    // Enter picks the entry: the completer would also hand the key on to the
    // city box, whose letter filter refuses it with a message.
    QAbstractItemView* popup = completer_->popup();
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
    follower_.Forget();
    typingPause_->stop();
    completer_->popup()->hide();
    cityTyped_ = false;
    showNote({});
}

void PlaceAssistant::cityEdited(const QString&) {
    // Typing over the city means the picked place no longer applies.
    if (follower_.place()) {
        follower_.Forget();
        showNote({});
    }
    cityTyped_ = true;
    typingPause_->start();
}

void PlaceAssistant::lookUpNow() {
    typingPause_->stop();
    const QString typed = c_.city->text().trimmed();
    model_->clear();
    offered_.clear();
    if (typed.size() >= 2)
        offered_ = FindPlaces(typed.toStdString(), kMaxOffered);
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        auto* item = new QStandardItem(Text(offered_[i].Label()));
        item->setData(static_cast<int>(i), kPlaceRole);
        item->setEditable(false);
        model_->appendRow(item);
    }
    if (offered_.empty() || !c_.city->hasFocus()) {
        completer_->popup()->hide();
    } else {
        // As wide as the longest "City, State, Country", not just the box.
        const QFontMetrics metrics = completer_->popup()->fontMetrics();
        int width = c_.city->width();
        for (int row = 0; row < model_->rowCount(); ++row) {
            width = std::max(width, metrics.horizontalAdvance(model_->item(row)->text()) + 40);
        }
        QRect area = c_.city->rect();
        area.setWidth(width);
        completer_->complete(area);
    }
}

void PlaceAssistant::placeActivated(const QModelIndex& index) {
    const QVariant i = index.data(kPlaceRole);
    if (!i.isValid() || i.toInt() < 0 || static_cast<std::size_t>(i.toInt()) >= offered_.size())
        return;
    const Place place = offered_[static_cast<std::size_t>(i.toInt())];
    EntryForm form = readControls();
    const ZoneDecision d = follower_.Pick(form, place);
    writePlace(form);
    writeZone(form);
    cityTyped_ = false;
    showNote(d.note);
}

void PlaceAssistant::cityFinished() {
    // Only what the user typed is checked: a city a chart file brought in
    // is the file's business.
    const QString typed = c_.city->text().trimmed();
    if (!cityTyped_ || follower_.place() || typed.isEmpty())
        return;
    cityTyped_ = false;
    // Only a name the atlas cannot place at all is worth a note: anything
    // else is in the list to pick from.
    if (!SearchPlace(typed.toStdString()).place)
        showNote(UnknownPlaceNote(typed.toStdString()));
}

void PlaceAssistant::dateOrPlaceChanged() {
    EntryForm form = readControls();
    if (const auto d = follower_.Follow(form)) {
        writeZone(form);
        showNote(d->note);
    }
}

void PlaceAssistant::zoneChosen() {
    EntryForm form = readControls();
    if (const auto d = follower_.ZoneChosenByHand(form)) {
        writeZone(form);
        showNote(d->note);
    }
}

void PlaceAssistant::boxClicked() {
    EntryForm form = readControls();
    if (const auto d = follower_.BoxSetByHand(form)) {
        writeZone(form);
        showNote(d->note);
    }
}

EntryForm PlaceAssistant::readControls() const {
    EntryForm f;
    f.city = c_.city->text().toStdString();
    f.state = c_.state->text().toStdString();
    f.country = c_.country->text().toStdString();
    f.latDegrees = c_.latDegrees->text().toStdString();
    f.latMinutes = c_.latMinutes->text().toStdString();
    f.lonDegrees = c_.lonDegrees->text().toStdString();
    f.lonMinutes = c_.lonMinutes->text().toStdString();
    f.latitude = static_cast<LatitudeOption>(c_.latitude->checkedId());
    f.longitude = static_cast<LongitudeOption>(c_.longitude->checkedId());
    f.dayIndex = c_.day->currentIndex();
    f.monthIndex = c_.month->currentIndex();
    f.yearIndex = c_.year->currentIndex();
    f.hourIndex = c_.hour->currentIndex();
    f.minuteIndex = c_.minute->currentIndex();
    f.zoneIndex = c_.zone->currentIndex();
    f.daylightSaving = c_.daylightSaving->isChecked();
    return f;
}

void PlaceAssistant::writePlace(const EntryForm& f) {
    c_.city->setText(Text(f.city));
    c_.state->setText(Text(f.state));
    c_.country->setText(Text(f.country));
    c_.latDegrees->setText(Text(f.latDegrees));
    c_.latMinutes->setText(Text(f.latMinutes));
    c_.lonDegrees->setText(Text(f.lonDegrees));
    c_.lonMinutes->setText(Text(f.lonMinutes));
    if (QAbstractButton* b = c_.latitude->button(static_cast<int>(f.latitude)))
        b->setChecked(true);
    if (QAbstractButton* b = c_.longitude->button(static_cast<int>(f.longitude)))
        b->setChecked(true);
}

void PlaceAssistant::writeZone(const EntryForm& f) {
    c_.zone->setCurrentIndex(f.zoneIndex);
    c_.daylightSaving->setChecked(f.daylightSaving);
}

void PlaceAssistant::showNote(const std::string& note) {
    if (c_.note == nullptr)
        return;
    c_.note->setText(Text(note));
    c_.note->setToolTip(Text(note));
}

}  // namespace vellamor::atlas
