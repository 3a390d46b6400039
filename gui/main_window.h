// SPDX-License-Identifier: GPL-3.0-or-later
// The entry window (object name "frmMain"): the entry form of one native's
// birth data under the menus, and what its requests lead to: the
// calculation that turns them into a Sudarshan Chakra shown in a result
// window, and the opening of saved charts.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/astro/birth_data.h"
#include "core/chart/entry_form.h"
#include "core/chart/pipeline.h"
#include "gui/gazetteer_access.h"
#include "gui/result_window.h"

namespace vellamor {

class Dialogs;
class EntryFormWidget;
class RecentChartsMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The place list searches `gazetteer`; without one (a build without the
    // atlas) the window offers no places. Every question and message goes
    // through `dialogs`, which outlives the window and its result windows.
    MainWindow(GazetteerAccess gazetteer, Dialogs& dialogs, QWidget* parent = nullptr);
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
    void buildMenus();
    // The result window for m_chart, in place of any open one.
    void showChart();
    // The Calculation menu's choice; recalculates an open chart.
    void setCalculation(const CalculationChoice& choice);
    // Hides the window for the result window, and shows it again where it
    // was, kept whole on the screen.
    void stepAside();
    void comeBack();
    // Grows the window until the atlas's note is whole, as far as the
    // screen allows.
    void fitAtlasNote(int tries = 4);

    Dialogs& m_dialogs;
    EntryFormWidget* m_entry = nullptr;
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
