// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas on the entry window: a list of matching places under the city
// box, and what picking one writes into the window.
//
// Typing in the city box offers "City, State, Country" entries, most populous
// first. Picking one fills City, State and Country, the four coordinate boxes
// and their North/South and East/West options, and selects the zone row and
// the daylight-saving box for the entered date and time. When the date or time
// changes afterwards, zone and box follow, until the user picks a zone or sets
// the box by hand. A note beside the zone list says what was decided.
//
// Only user actions are listened to (activated, clicked, textEdited), so a
// window that fills its controls itself (opening a chart file) must call
// forget() to stop the following.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "atlas/place_follower.h"
#include "gui/gazetteer_access.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;
class QTimer;

namespace vellamor::atlas {

// The entry window's controls the atlas reads and writes. Option groups use
// the ids of the window: 0 North / 1 South, 0 East / 1 West.
struct EntryControls {
    QLineEdit* city = nullptr;
    QLineEdit* state = nullptr;
    QLineEdit* country = nullptr;
    QLineEdit* latDegrees = nullptr;
    QLineEdit* latMinutes = nullptr;
    QLineEdit* lonDegrees = nullptr;
    QLineEdit* lonMinutes = nullptr;
    QButtonGroup* latitude = nullptr;
    QButtonGroup* longitude = nullptr;
    QComboBox* day = nullptr;
    QComboBox* month = nullptr;
    QComboBox* year = nullptr;
    QComboBox* hour = nullptr;
    QComboBox* minute = nullptr;
    QComboBox* zone = nullptr;
    QCheckBox* daylightSaving = nullptr;
    QLabel* note = nullptr;              // beside the zone list; word-wrapped
    ExactOffset* exactOffset = nullptr;  // the window's, written with the zone
};

class PlaceAssistant : public QObject {
    Q_OBJECT

  public:
    // Places are looked up once the keystrokes queued so far are handled: a
    // lookup takes a few milliseconds, and a burst of keys (a paste) costs
    // one lookup, not one each.
    static constexpr int kTypingPauseMs = 0;
    static constexpr int kMaxOffered = 12;

    PlaceAssistant(const EntryControls& controls, GazetteerAccess gazetteer, QObject* parent);

    // The window was filled from elsewhere (a chart file): the picked place
    // no longer applies and the note is cleared.
    void forget();

    // Looks up what the city box holds now instead of after the pause.
    void lookUpNow();

    // The chart will be calculated by this rule: a picked place's zone and
    // box follow it at once.
    void setZoneRule(ZoneRule rule);

    QCompleter* completer() const { return m_completer; }
    const PlaceFollower& follower() const { return m_follower; }

    // The place the coordinates and zone were picked from, while City, State
    // or Country has been typed over since (the note says so); empty once
    // the user picks again or keeps the coordinates.
    const QString& stalePick() const { return m_stalePick; }

  signals:
    // The note beside the zone list has a new text (empty: cleared).
    void noteShown(const QString& note);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cityEdited(const QString& text);
    void placeNameEdited();
    void showStalePick();
    void noteLinkActivated(const QString& link);
    void pick(const Place& place);
    void cityFinished();
    void placeActivated(const QModelIndex& index);
    void placeListAboveCity();
    void dateOrPlaceChanged();
    void zoneChosen();
    void boxClicked();

    EntryForm readControls() const;
    void writePlace(const EntryForm& form);
    void writeZone(const EntryForm& form);
    void showNote(const QString& note);

    EntryControls m_controls;
    GazetteerAccess m_gazetteer;
    PlaceFollower m_follower;
    std::vector<Place> m_offered;
    QStandardItemModel* m_model = nullptr;
    QCompleter* m_completer = nullptr;
    QTimer* m_typingPause = nullptr;
    bool m_cityTyped = false;  // typed by the user since the last pick or check
    QString m_pickedLabel;     // the last place picked, as the list showed it
    QString m_stalePick;
    std::optional<Place> m_staleMatch;  // the atlas's place for the names typed since
};

}  // namespace vellamor::atlas
