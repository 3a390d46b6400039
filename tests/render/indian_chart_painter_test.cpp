// SPDX-License-Identifier: GPL-3.0-or-later
// The north and south Indian charts drawn offscreen: each cell's labels land
// in that cell.
#include "render/indian_chart_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include "core/chart/indian_chart_layout.h"

namespace vellamor {
namespace {

constexpr int kPixels = 500;  // a chakra's size in the window

QImage Draw(IndianChartStyle style, const IndianChartTexts& texts) {
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintIndianChart(painter, QRectF(0, 0, kPixels, kPixels), style, texts, 8);
    return image;
}

// The cell's outline in the image, grown by a pixel for the antialiasing.
QPolygonF CellInImage(const IndianCell& cell) {
    QPolygonF polygon;
    for (const Point& p : cell.outline)
        polygon << QPointF(p.x, p.y) * (kPixels / kIndianChartSide);
    return polygon;
}

TEST(IndianChartPainter, EachSignsLabelsLandInItsCell) {
    for (const IndianChartStyle style : {IndianChartStyle::North, IndianChartStyle::South}) {
        IndianChartTexts texts;
        texts.lagna = Sign::Gemini;
        const QImage bare = Draw(style, texts);
        for (const Sign sign : AllOf<Sign>()) {
            SCOPED_TRACE(std::string(style == IndianChartStyle::North ? "north " : "south ") +
                         std::string(SignAbbreviation(sign)));
            IndianChartTexts one = texts;
            one.occupants[sign] = {QStringLiteral("Sa"), QStringLiteral("Me (R)"),
                                   QStringLiteral("Asc")};
            const QImage drawn = Draw(style, one);
            const int house = (static_cast<int>(sign) - static_cast<int>(texts.lagna) + 12) % 12;
            const QPolygonF cell =
                CellInImage(style == IndianChartStyle::North
                                ? NorthIndianCells()[static_cast<std::size_t>(house)]
                                : SouthIndianCell(sign));
            int changed = 0, outside = 0;
            for (int y = 0; y < kPixels; ++y)
                for (int x = 0; x < kPixels; ++x)
                    if (drawn.pixel(x, y) != bare.pixel(x, y)) {
                        ++changed;
                        outside += !cell.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill);
                    }
            EXPECT_GT(changed, 150);  // three legible labels, not a speck
            EXPECT_EQ(outside, 0);
        }
    }
}

}  // namespace
}  // namespace vellamor
