// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vellamor {

QSize WrappingButton::sizeHint() const {
    // About two lines: the caption wrapped at half its length.
    const QFontMetrics fm = fontMetrics();
    const int width = fm.horizontalAdvance(text()) / 2 + fm.averageCharWidth() * 4;
    const QRect r =
        fm.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    return {r.width() + 24, r.height() + 16};
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(8, 4, -8, -4),
                     Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

}  // namespace vellamor
