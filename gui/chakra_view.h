// SPDX-License-Identifier: GPL-3.0-or-later
// The chart on screen: one widget that paints the chakra as large as it is
// given room for, with the same painting code as the exported and printed
// sheet.
#pragma once

#include <QSize>
#include <QWidget>
#include <optional>

#include "core/chart/chakra_model.h"
#include "core/reading/transits.h"
#include "render/chakra_painter.h"

namespace vellamor {

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
    void resizeEvent(QResizeEvent* event) override;
    // Tooltips: what the house under the pointer holds.
    bool event(QEvent* event) override;

  private:
    ReadingOverlay overlay() const;
    // The houses' texts at the view's present size, laid out on first need
    // after a change of size or overlay, shared by painting and tooltips.
    const ChakraTexts& texts();
    int smallestFont() const;

    ChakraModel m_model;
    std::optional<ChakraTexts> m_texts;
    std::optional<ChartReading> m_reading;
    bool m_highlights = false;
    bool m_transits = false;
};

}  // namespace vellamor
