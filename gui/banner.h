// SPDX-License-Identifier: GPL-3.0-or-later
// The dark band across the top of the entry window: the wheel and what the
// chart is.
#pragma once

#include <QFrame>

namespace vellamor {

class Banner : public QFrame {
  public:
    explicit Banner(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellamor
