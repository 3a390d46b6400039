// SPDX-License-Identifier: GPL-3.0-or-later
// The entry window (object name "frmMain"): the birth data of one native, typed and picked,
// the calculation that turns them into a Sudarshan Chakra, and the opening
// of saved charts.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/astro/birth_data.h"
#include "core/chart/entry_form.h"
#include "core/chart/pipeline.h"
#include "gui/form_problems.h"
#include "gui/gazetteer_access.h"
#include "gui/result_window.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QRadioButton;
class QScrollArea;

namespace vellamor {

class FilteredLineEdit;
class RecentChartsMenu;
namespace atlas {
class PlaceAssistant;
}

// A push button whose caption wraps onto more lines when it is narrow; its
// text stays the one caption.
class WrappingButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The place list searches `gazetteer`; without one (a build without the
    // atlas) the window offers no places.
    explicit MainWindow(GazetteerAccess gazetteer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The controls as plain data, and back.
    EntryForm form() const;
    void setForm(const EntryForm& form);

    // What the last calculation that passed validation copied and computed.
    const BirthData& birthData() const { return m_birth; }
    const std::optional<Chart>& lastChart() const { return m_chart; }

    // The result window of the chart on screen, if any.
    ResultWindow* resultWindow() const { return m_result; }

    // The path of the last completed save, proposed by the next one.
    const QString& chartFileName() const { return m_chartFileName; }

    // Opens a chart file as "&Open Previously Saved Reading" does once a
    // path is chosen: checks it, fills the controls and calculates. False
    // when the file was refused (the user has been told).
    bool openChartFile(const QString& path);

  public slots:
    // The calculation driver: validate, copy into BirthData, compute, show
    // the result window and hide this one.
    void onCalculate();
    // Asks for a chart file and opens it as openChartFile does.
    void onOpen();
    // The web search for the place's coordinates.
    void findCoordinates();

  signals:
    // Files were dropped on the window; they are charts to open, not text.
    void chartFilesDropped(const QStringList& paths);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter that no control took calculates, as a dialog's default button.
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void fillLists();
    void buildControls(GazetteerAccess gazetteer);
    QWidget* buildWhoCard(QWidget* parent);
    void addDateAndTime(QGridLayout* grid, QWidget* card);
    void addZone(QGridLayout* grid, QWidget* card);
    QWidget* buildWhereCard(QWidget* parent);
    void addPlaceNames(QGridLayout* grid, QWidget* card);
    void connectControls();
    void attachAtlas(GazetteerAccess gazetteer);
    void buildMenus();
    void setUpTabOrder();
    void showResultWindowClosed();
    // The result window for m_chart, in place of any open one.
    void showChart();
    // The Calculation menu's choice; recalculates an open chart.
    void setCalculation(const CalculationChoice& choice);
    // A picked place's zone and box follow the calculation's zone rule.
    void followCalculationInAtlas();
    // Hides the window for the result window, and shows it again where it
    // was, kept whole on the screen.
    void stepAside();
    void comeBack();
    // Grows the window until the atlas's note is whole, as far as the
    // screen allows.
    void fitAtlasNote(int tries = 4);
    QWidget* fieldWidget(FormField field) const;

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
    RecentChartsMenu* m_recent = nullptr;  // File > Open Recent

    BirthData m_birth;
    CalculationChoice m_calculation;  // from the settings file
    std::optional<Chart> m_chart;
    QPointer<ResultWindow> m_result;
    QString m_chartFileName;
    std::optional<QPoint> m_placeBeforeHiding;
};

// The start-up chart: the first argument after the program's name (Qt has
// taken out its own options), opened as soon as the event loop runs.
void OpenChartFromArguments(MainWindow& window, const QStringList& arguments);

}  // namespace vellamor
