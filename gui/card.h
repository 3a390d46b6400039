// SPDX-License-Identifier: GPL-3.0-or-later
// A white card with a soft border that holds one half of the entry form, its
// controls laid out on a grid.
#pragma once

#include <QFrame>

class QGridLayout;

namespace vellamor {

class Card : public QFrame {
  public:
    Card(const char* name, QWidget* parent);

    QGridLayout* grid() const { return m_grid; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QGridLayout* m_grid;
};

}  // namespace vellamor
