// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/chakra_emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace vellamor {
namespace {

// Radii in a 100-unit square, in the proportions of the result window's
// circles (750, 1500, 2497 and 3500 twips).
constexpr double kDisc = 50.0;
constexpr double kHub = 9.9;
constexpr std::array<double, 3> kRingRadii{19.7, 32.8, 46.0};  // birth, Moon, Sun
const QColor kHubColour(255, 128, 0);
const std::array<QColor, 3> kRingColours{QColor(255, 0, 0), QColor(255, 128, 255),
                                         QColor(255, 255, 0)};

}  // namespace

void PaintChakraEmblem(QPainter& p, const QRectF& bounds) {
    const double side = std::min(bounds.width(), bounds.height());
    if (side <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(bounds.center());
    p.scale(side / 100.0, side / 100.0);

    QRadialGradient night(QPointF(0, 0), kDisc);
    night.setColorAt(0.0, QColor(40, 24, 8));
    night.setColorAt(1.0, QColor(0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(night);
    p.drawEllipse(QPointF(0, 0), kDisc, kDisc);

    // Twelve spokes on the house boundaries: houses are centred on 90 + 30k
    // degrees counter-clockwise from three o'clock, so boundaries fall 15
    // degrees off those.
    p.setPen(QPen(kHubColour, 1.6, Qt::SolidLine, Qt::RoundCap));
    const double pi = std::acos(-1.0);
    for (int k = 0; k < 12; ++k) {
        const double a = (105.0 + 30.0 * k) * pi / 180.0;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(dir * kHub, dir * kRingRadii[2]);
    }

    p.setBrush(Qt::NoBrush);
    for (std::size_t r = 0; r < kRingRadii.size(); ++r) {
        p.setPen(QPen(kRingColours[r], 2.4));
        p.drawEllipse(QPointF(0, 0), kRingRadii[r], kRingRadii[r]);
    }

    QRadialGradient hub(QPointF(0, 0), kHub);
    hub.setColorAt(0.0, QColor(255, 200, 90));
    hub.setColorAt(1.0, kHubColour);
    p.setPen(QPen(kHubColour, 1.6));
    p.setBrush(hub);
    p.drawEllipse(QPointF(0, 0), kHub, kHub);
    p.restore();
}

QIcon ChakraEmblemIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintChakraEmblem(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vellamor
