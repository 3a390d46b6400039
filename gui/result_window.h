// SPDX-License-Identifier: GPL-3.0-or-later
// The result window (object name "frmSudarshanChakraResult"): the chakra
// view on the left, five panels behind a tab strip on the right (birth
// details, the chart's legend, the planetary positions, the chart's
// stability, the dasha and transits at a reading), Save and Back below them;
// the File menu adds export and print.
#pragma once

#include <QMainWindow>
#include <QString>

#include "core/chart/chakra_model.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_stability.h"
#include "core/chart/pipeline.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace vellamor {

class ChakraView;
class Dialogs;
class DashaPanel;

// The file dialogs' filters, in the user's language.
QString ChartFileFilter();
QString SheetFileFilter();
inline const QString kChartFileSuffix = QStringLiteral("sud");

class ResultWindow : public QMainWindow {
    Q_OBJECT

  public:
    // chartFileName is the path the last save chose, proposed by this
    // window's Save; a path chosen here is announced by chartFileChosen.
    // Every question and message goes through `dialogs`, which outlives the
    // window.
    ResultWindow(const Chart& chart, QString chartFileName, Dialogs& dialogs,
                 QWidget* parent = nullptr);

    const Chart& chart() const { return m_chart; }
    const ChartStability& stability() const { return m_stability; }
    // The panel in front: 0 birth details, 1 chart details, 2 positions,
    // 3 chart stability, 4 dasha and transits.
    int currentPanel() const;
    DashaPanel* dashaPanel() const { return m_dasha; }
    ChakraView* chakraView() const { return m_view; }

  public slots:
    void showPanel(int index);
    // Asks for a path and writes the chart file; true when it was written.
    bool onSave();
    // Asks for a path and writes the chart sheet as PNG or SVG (or PDF);
    // true when it was written.
    bool onExport();
    // The chart sheet through the print dialog (which also prints to PDF).
    void onPrint();
    // Shows the entry window again and discards this window.
    void onBack();

  signals:
    void backRequested();
    // Save chose a path (announced before writing, so a failed write is
    // still proposed again next time).
    void chartFileChosen(const QString& path);
    // The chart was written to `path`.
    void chartSaved(const QString& path);
    // The Calculation menu changed the choice: the chart is to be recalculated.
    void calculationChosen(const vellamor::CalculationChoice& choice);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildRightColumn();
    void buildMenus();
    QString sheetPathSuggestion() const;

    Dialogs& m_dialogs;
    Chart m_chart;
    ChartStability m_stability;
    QString m_chartFileName;
    QString m_lastExport;
    QString m_savedHere;  // the file this chart was saved to from this window
    bool m_goingBack = false;
    ChakraView* m_view = nullptr;
    DashaPanel* m_dasha = nullptr;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_panels = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_back = nullptr;
};

}  // namespace vellamor
