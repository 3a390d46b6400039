// Draws a Sudarshan Chakra with QPainter. The one drawing routine serves the
// result window, exported pictures and printed pages alike: it works in the
// twips of chakra_layout.h and scales them to whatever it is asked to fill.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "core/chart/chakra_layout.h"
#include "core/chart/chakra_model.h"

class QPainter;

namespace vellamor {

// Draws the chart on black, as large as fits in `target` (painter
// coordinates) keeping its proportions, centred. A small chart on screen
// keeps every text at least `smallestLabelPixels` device pixels tall (0: no
// such floor): its texts then crowd their houses rather than shrink out of
// the reader's reach.
void PaintChakra(QPainter& painter, const QRectF& target, const ChakraModel& model,
                 double smallestLabelPixels = 0);

// Occupant texts shrink, to two fifths of the normal size at most, before
// they are allowed to overflow.
inline constexpr int kSmallestOccupantFont = 66;

// The smallest text size, in twips, on a chart drawn `scale` device pixels
// per twip with the given floor in device pixels.
int SmallestLabelFont(double scale, double smallestLabelPixels);

// The chart's label font (Verdana where installed, else a close sans-serif)
// with its height given in twips, for a painter that works in twips.
QFont ChakraLabelFont(int heightTwips, bool bold);

// How an occupant text is set in its house: the largest font, down to a
// floor, at which the text wrapped between its labels fits the house, the
// fewest lines at that size and the block's place, all in twips. A retrograde
// label " (R) " never splits from its planet.
struct OccupantLayout {
    QRectF box;               // all lines together
    QList<QRectF> lineBoxes;  // one per line
    int fontHeight = 0;
    QStringList lines;
    bool fits = false;  // false: even the smallest font overflows the house
};
// `smallestFont` is the floor in twips; the normal size grows to it.
OccupantLayout LayoutOccupants(Ring ring, int houseIndex, const QString& text,
                               int smallestFont = kSmallestOccupantFont);

// The occupant text split into chart labels, each label a piece of the text
// as written (a planet keeps its retrograde mark).
QStringList OccupantTokens(const QString& text);

inline QColor ToQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

}  // namespace vellamor
