// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/card.h"

#include <QGridLayout>
#include <QPainter>

namespace vellamor {

Card::Card(const char* name, QWidget* parent) : QFrame(parent), m_grid(new QGridLayout(this)) {
    setObjectName(QString::fromLatin1(name));
    m_grid->setContentsMargins(16, 14, 16, 14);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(10);
}

void Card::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0xd6, 0xd0, 0xc4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

}  // namespace vellamor
