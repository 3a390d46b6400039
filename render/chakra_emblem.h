// SPDX-License-Identifier: GPL-3.0-or-later
// The program's emblem: a small Sudarshan Chakra (hub, birth, Moon and Sun
// rings, twelve spokes) in the colours of the result window. It is the
// picture of the about box and the windows' icon; the installed SVG icon
// draws the same figure.
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace vellamor {

// Draws the emblem centred in `bounds`, as large as fits.
void PaintChakraEmblem(QPainter& painter, const QRectF& bounds);

// The emblem at the usual icon sizes.
QIcon ChakraEmblemIcon();

}  // namespace vellamor
