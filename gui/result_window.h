// The result window frmSudarshanChakraResult: the drawn chakra on the left,
// three panels behind a tab strip on the right (birth details, the chart's
// legend, the planetary positions), Save and Back below them.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QWidget>
#include <optional>

#include "core/chart/chakra_model.h"
#include "core/chart/chart_stability.h"
#include "core/chart/pipeline.h"
#include "core/chart/transits.h"
#include "render/chakra_painter.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace vellamor {

class DashaPanel;

inline const QString kChartFileFilter = QStringLiteral("Vellamor Sudarshan Chakra (*.sud)");
inline const QString kChartFileSuffix = QStringLiteral("sud");
inline const QString kSheetFileFilter =
    QStringLiteral("PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf)");

// The chart itself: paints the chakra as large as the widget allows.
class ChakraView : public QWidget {
    Q_OBJECT

  public:
    explicit ChakraView(const ChakraModel& model, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    const ChakraModel& model() const { return m_model; }
    // The reading drawn over the chart (a copy, so the view owns what it
    // paints); an overlay that is not shown gives the classic picture.
    void setReadingOverlay(const ReadingOverlay& overlay);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Tooltips: what the house under the pointer holds.
    bool event(QEvent* event) override;

  private:
    ReadingOverlay overlay() const;

    ChakraModel m_model;
    std::optional<ChartReading> m_reading;
    bool m_highlights = false;
    bool m_transits = false;
};

class ResultWindow : public QMainWindow {
    Q_OBJECT

  public:
    // chartFileName is the program's memory of the last save; it outlives
    // the window.
    ResultWindow(const Chart& chart, QString& chartFileName, QWidget* parent = nullptr);

    const Chart& chart() const { return m_chart; }
    const ChartStability& stability() const { return m_stability; }
    // The panel in front: 0 birth details, 1 chart details, 2 positions,
    // 3 chart stability, 4 dasha and transits.
    int currentPanel() const;
    DashaPanel* dashaPanel() const { return m_dasha; }
    ChakraView* chakraView() const { return m_view; }

  public slots:
    void TS_Click(int index);
    // Asks for a path and writes the chart file; true when it was written.
    bool cmdSave_Click();
    // Asks for a path and writes the chart sheet as PNG or SVG (or PDF);
    // true when it was written.
    bool mnuExport_Click();
    // The chart sheet through the print dialog (which also prints to PDF).
    void mnuPrint_Click();
    // Shows the entry window again and discards this window.
    void cmdBack_Click();

  signals:
    void backRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildRightColumn();
    QWidget* buildBirthDetails();
    QWidget* buildLegend();
    QWidget* buildPositions();
    QWidget* buildStability();
    void buildMenus();
    QLabel* label(const QString& text, const QString& name, bool bold, QWidget* parent);
    QString SheetPathSuggestion() const;

    Chart m_chart;
    ChartStability m_stability;
    QString& m_chartFileName;
    QString m_lastExport;
    bool m_goingBack = false;
    ChakraView* m_view = nullptr;
    DashaPanel* m_dasha = nullptr;
    QTabBar* TS = nullptr;
    QStackedWidget* m_panels = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdBack = nullptr;
};

}  // namespace vellamor
