// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose caption wraps onto more lines when it is narrow; its
// text stays the one caption.
#pragma once

#include <QPushButton>

namespace vellamor {

class WrappingButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vellamor
