// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/indian_chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "core/chart/indian_chart_layout.h"

namespace vellamor {
namespace {

// In chart units (a thousandth of the side): the labels' normal height, the
// numbers' and the title's.
constexpr int kCellLabelHeight = 40;
constexpr int kSignNumberHeight = 36;
constexpr int kCentreTitleHeight = 44;
constexpr int kSmallestCellFont = 18;
constexpr double kLineWidth = 3;

QRectF ToQRect(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

// Greedy lines no wider than `width`, a label never split.
QStringList Wrap(const QStringList& labels, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    for (const QString& label : labels) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + u' ' + label) <= width) {
            lines.back() += u' ' + label;
        } else {
            lines << label;
        }
    }
    return lines;
}

void DrawNumber(QPainter& painter, Point at, int number) {
    const QRectF box(at.x - kSignNumberHeight, at.y - kSignNumberHeight / 2.0,
                     2 * kSignNumberHeight, kSignNumberHeight);
    painter.drawText(box, Qt::AlignCenter, QString::number(number));
}

void DrawLabels(QPainter& painter, const QStringList& labels, const Rect& cellBox, int smallestFont,
                const QColor& ink) {
    if (labels.isEmpty())
        return;
    const IndianCellText text = LayoutIndianCellText(labels, ToQRect(cellBox), smallestFont);
    painter.setFont(ChakraLabelFont(text.fontHeight, true));
    painter.setPen(ink);
    const double lineHeight = QFontMetricsF(painter.font()).height();
    double y = text.box.top();
    for (const QString& line : text.lines) {
        painter.drawText(QRectF(text.box.left(), y, text.box.width(), lineHeight), Qt::AlignCenter,
                         line);
        y += lineHeight;
    }
}

}  // namespace

IndianCellText LayoutIndianCellText(const QStringList& labels, const QRectF& cellBox,
                                    int smallestFont) {
    IndianCellText out;
    // The largest size at which the wrapped labels fit the box, down to the
    // floor; at the floor they may overflow rather than vanish.
    int height = std::max(kCellLabelHeight, smallestFont);
    for (;; height -= 2) {
        const QFontMetricsF metrics(ChakraLabelFont(height, true));
        out.lines = Wrap(labels, metrics, cellBox.width());
        double widest = 0;
        for (const QString& line : out.lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const double tall = metrics.height() * static_cast<double>(out.lines.size());
        out.fontHeight = height;
        out.box = QRectF(0, 0, widest, tall);
        if ((widest <= cellBox.width() && tall <= cellBox.height()) || height - 2 < smallestFont)
            break;
    }
    out.box.moveCenter(cellBox.center());
    return out;
}

void PaintIndianChart(QPainter& painter, const QRectF& target, IndianChartStyle style,
                      const IndianChartTexts& texts, double smallestLabelPixels,
                      const ChakraPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(target, palette.background);
    const double side = std::min(target.width(), target.height());
    const double scale = side / kIndianChartSide;
    painter.translate(target.center().x() - side / 2, target.center().y() - side / 2);
    painter.scale(scale, scale);
    // The device's own scale too, so that the floor holds in real pixels.
    const double deviceScale = std::abs(painter.deviceTransform().m11());
    const int smallest = std::max(
        kSmallestCellFont, smallestLabelPixels > 0 && deviceScale > 0
                               ? static_cast<int>(std::ceil(smallestLabelPixels / deviceScale))
                               : 0);
    const QColor labelInk = palette.rings[Ring::Birth].colour;
    const QColor numberInk = palette.rings[Ring::Moon].colour;
    const QPen linePen = ChakraPen({palette.spokes.colour, kLineWidth, Qt::SolidLine}, deviceScale);
    const double s = kIndianChartSide;

    painter.setPen(linePen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, s, s));
    if (style == IndianChartStyle::North) {
        painter.drawLine(QPointF(0, 0), QPointF(s, s));
        painter.drawLine(QPointF(s, 0), QPointF(0, s));
        painter.drawPolygon(QPolygonF({{s / 2, 0}, {0, s / 2}, {s / 2, s}, {s, s / 2}}));
        const auto cells = NorthIndianCells();
        for (int h = 0; h < 12; ++h) {
            const Sign sign = SignAfter(texts.lagna, h);
            const IndianCell& cell = cells[static_cast<std::size_t>(h)];
            painter.setFont(ChakraLabelFont(kSignNumberHeight, false));
            painter.setPen(numberInk);
            DrawNumber(painter, cell.numberAnchor, SignNumber(sign));
            DrawLabels(painter, texts.occupants[sign], cell.occupantBox, smallest, labelInk);
        }
    } else {
        for (int k = 1; k < 4; ++k) {
            const double at = k * s / 4;
            // The middle lines stop at the empty centre.
            const bool middle = k == 2;
            painter.drawLine(QPointF(at, 0), QPointF(at, middle ? s / 4 : s));
            painter.drawLine(QPointF(0, at), QPointF(middle ? s / 4 : s, at));
            if (middle) {
                painter.drawLine(QPointF(at, 3 * s / 4), QPointF(at, s));
                painter.drawLine(QPointF(3 * s / 4, at), QPointF(s, at));
            }
        }
        const QPen markPen =
            ChakraPen({palette.hub.colour, 2 * kLineWidth, Qt::SolidLine}, deviceScale);
        painter.setPen(markPen);
        const Segment mark = SouthIndianLagnaMark(texts.lagna);
        painter.drawLine(QPointF(mark.from.x, mark.from.y), QPointF(mark.to.x, mark.to.y));
        for (const Sign sign : AllOf<Sign>())
            DrawLabels(painter, texts.occupants[sign], SouthIndianCell(sign).occupantBox, smallest,
                       labelInk);
        if (!texts.title.isEmpty()) {
            painter.setFont(ChakraLabelFont(kCentreTitleHeight, true));
            painter.setPen(numberInk);
            painter.drawText(ToQRect(SouthIndianCentre()), Qt::AlignCenter | Qt::TextWordWrap,
                             texts.title);
        }
    }
    painter.restore();
}

}  // namespace vellamor
