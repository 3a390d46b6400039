// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's "Dasha and Transits" panel: a date and time of reading
// on the birth's clock, the running year, month and period of the Sudarshan
// dasha with each ring's ruling house, the twelve years of the cycle, the
// transit positions with their houses counted from each ring's first house
// or from the year's, when each transiting body entered its sign and leaves
// it, the Vimshottari periods of the life with the running
// mahadasha's antardashas, and the two switches that put the reading on the
// chakra.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <optional>

#include "core/chart/pipeline.h"
#include "core/reading/transits.h"
#include "render/chakra_painter.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;

namespace vellamor {

// What a house of the drawn chakra holds, in words, for its tooltip: the
// ring, house and sign, the birth bodies, and with the overlay shown the
// transiting bodies and whether the house rules the year or the month. A
// crowded house is read here at full size however small the chart is drawn.
QString HouseToolTip(const ChakraModel& model, const ReadingOverlay& overlay, Ring ring,
                     int houseIndex);

class DashaPanel : public QWidget {
    Q_OBJECT

  public:
    // The reading starts at the present instant on the birth's clock.
    explicit DashaPanel(const Chart& chart, QWidget* parent = nullptr);

    // The reading at the edit's date and time; nothing when it is refused.
    const std::optional<ChartReading>& reading() const { return m_reading; }
    // What the chakra, an export and a print draw of the reading.
    ReadingOverlay overlay() const;

    // The present instant on the birth's clock.
    static QDateTime NowOnBirthClock(const BirthData& birth);

    // What the user set here, carried over to the same chart recalculated
    // (another ayanamsa or node): the reading, its two switches and the
    // count of the transits' houses.
    struct Choices {
        QDateTime clock;
        bool highlights = false;
        bool transits = false;
        bool housesFromYear = false;
    };
    Choices choices() const;
    void setChoices(const Choices& choices);

  public slots:
    void setReadingTime(const QDateTime& clock);
    void onNow();

  signals:
    // The reading or a switch changed: the chakra should repaint.
    void overlayChanged();

  private slots:
    void onReadingEdited(const QDateTime& clock);

  private:
    void showReading();

    Chart m_chart;
    std::optional<ChartReading> m_reading;
    // The sign changes found so far: moving the reading searches again only
    // for the bodies that changed sign.
    SignStayMemo m_signStays;
    QDateTimeEdit* dteReading = nullptr;
    QPushButton* cmdNow = nullptr;
    QCheckBox* chkHighlights = nullptr;
    QCheckBox* chkTransits = nullptr;
    QLabel* lblReadingError = nullptr;
    QLabel* lblRunning = nullptr;
    QLabel* lblRings = nullptr;
    QLabel* lblCycle = nullptr;
    QComboBox* cboHousesFrom = nullptr;
    QLabel* lblTransits = nullptr;
    QLabel* lblSignChanges = nullptr;
    QLabel* lblVimshottari = nullptr;
};

}  // namespace vellamor
