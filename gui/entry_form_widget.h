// SPDX-License-Identifier: GPL-3.0-or-later
// The entry form: the birth data of one native, typed and picked, on two
// cards under the banner, with the offline atlas's place list and its note
// on the zone. It holds the controls and says what the user asked for; the
// window round it decides what happens.
#pragma once

#include <QStringList>
#include <QWidget>

#include "core/chart/entry_form.h"
#include "gui/form_problems.h"
#include "gui/gazetteer_access.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vellamor {

class Dialogs;
class FilteredLineEdit;
class WrappingButton;
namespace atlas {
class PlaceAssistant;
}

class EntryFormWidget : public QWidget {
    Q_OBJECT

  public:
    // The place list searches `gazetteer`; without one (a build without the
    // atlas) the form offers no places. The text boxes tell of refused
    // characters through `dialogs`.
    EntryFormWidget(GazetteerAccess gazetteer, Dialogs& dialogs, QWidget* parent = nullptr);

    // The controls as plain data, and back.
    EntryForm form() const;
    void setForm(const EntryForm& form);
    // Only the two hemispheres (a refused form may have unset one).
    void setHemispheres(const EntryForm& form);
    // Puts the keyboard on the control of `field`, if it has one.
    void focusField(FormField field);

    // Whether the atlas's picked place and zone follow the precise rule.
    void followZoneRule(bool precise);
    // The form was filled from elsewhere (a chart file): the atlas stops
    // following the picked place.
    void forgetPlace();
    // How many pixels the atlas's note lacks to be shown whole (0 when it
    // fits or there is no note).
    int atlasNoteShortfall() const;
    // The two cards side by side where `width` pixels take them, else one
    // above the other (a 640 x 480 screen).
    void fitWidth(int width);

  signals:
    void calculateRequested();
    void openRequested();
    void coordinatesSearchRequested();
    // Files were dropped on a text box; they are charts to open, not text.
    void chartFilesDropped(const QStringList& paths);
    // The atlas's note has a new text, laid out once control returns.
    void atlasNoteShown();

  private:
    QWidget* buildWhoCard();
    void addDateAndTime(QGridLayout* grid, QWidget* card);
    void addZone(QGridLayout* grid, QWidget* card);
    QWidget* buildWhereCard();
    void addPlaceNames(QGridLayout* grid, QWidget* card);
    FilteredLineEdit* box(const char* name, bool digits, QWidget* parent);
    void connectControls();
    void attachAtlas(GazetteerAccess gazetteer);
    void setUpTabOrder();
    void fillLists();
    QWidget* fieldWidget(FormField field) const;

    Dialogs& m_dialogs;
    QBoxLayout* m_body = nullptr;  // the two cards
    FilteredLineEdit* m_name = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_year = nullptr;
    QComboBox* m_hour = nullptr;
    QComboBox* m_minute = nullptr;
    QComboBox* m_zone = nullptr;
    FilteredLineEdit* m_latDegrees = nullptr;
    FilteredLineEdit* m_latMinutes = nullptr;
    FilteredLineEdit* m_lonDegrees = nullptr;
    FilteredLineEdit* m_lonMinutes = nullptr;
    FilteredLineEdit* m_city = nullptr;
    FilteredLineEdit* m_state = nullptr;
    FilteredLineEdit* m_country = nullptr;
    QPushButton* m_calculate = nullptr;
    QRadioButton* m_longitudeOptions[2] = {nullptr, nullptr};  // East, West
    QRadioButton* m_latitudeOptions[2] = {nullptr, nullptr};   // North, South
    QButtonGroup* m_longitudeGroup = nullptr;
    QButtonGroup* m_latitudeGroup = nullptr;
    WrappingButton* m_coordinatesButton = nullptr;
    QCheckBox* m_daylightSaving = nullptr;
    QPushButton* m_open = nullptr;
    // The offline atlas: the place list under the city box and the note on
    // its zone decision (absent in a build without the atlas).
    QLabel* m_atlasNote = nullptr;
    QScrollArea* m_noteArea = nullptr;
    atlas::PlaceAssistant* m_atlas = nullptr;
    // The exact offset of the chart shown (from a file or the place
    // assistant), carried through to the next calculation.
    ExactOffset m_exactOffset;
};

}  // namespace vellamor
