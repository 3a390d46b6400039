// The chart on screen: one widget that paints the chakra as large as it is
// given room for, with the same painting code as the exported and printed
// sheet.
#pragma once

#include <QSize>
#include <QWidget>

#include "core/chart/chakra_model.h"

namespace vellamor {

class ChakraView : public QWidget {
    Q_OBJECT

  public:
    explicit ChakraView(const ChakraModel& model, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    const ChakraModel& model() const { return m_model; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChakraModel m_model;
};

}  // namespace vellamor
