// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a Sudarshan Chakra with QPainter. The one drawing routine serves the
// result window, exported pictures and printed pages alike: it works in the
// twips of chakra_layout.h and scales them to whatever it is asked to fill.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>

#include "core/chart/chakra_layout.h"
#include "core/chart/chakra_model.h"
#include "core/reading/transits.h"

class QPainter;

namespace vellamor {

// What a reading adds to the chakra, each part on request: the running
// year's house in every ring with a clear highlight and the month's house
// with a lighter one; the transiting bodies beside the birth bodies of each
// house, in their own colour and style.
struct ReadingOverlay {
    const ChartReading* reading = nullptr;
    bool highlights = false;
    bool transits = false;
    bool shown() const { return reading && (highlights || transits); }
};

// The look of the reading's marks, shared by the chakra and its keys.
inline const QColor kTransitColour(64, 255, 128);
// The fills stay faint so that the ring's texts keep 4.5:1 on them (the red
// on black has only 5.25:1 to give); the outlines mark the houses: solid
// round the year's, dashed round the month's.
inline const QColor kYearHighlight(255, 255, 255, 20);
inline const QColor kMonthHighlight(255, 255, 255, 10);
inline const QColor kYearOutline(255, 255, 255);

// One kind of line of the wheel: its ink, its width in twips (never thinner
// than a hairline on the device) and its style.
struct ChakraLine {
    QColor colour;
    double widthTwips = 18;
    Qt::PenStyle style = Qt::SolidLine;
};

// The colours the chakra is drawn in. Each ring's outer circle and all its
// texts take the ring's colour.
struct ChakraPalette {
    QColor background;
    ChakraLine spokes;
    ChakraLine hub;
    EnumArray<Ring, ChakraLine> rings;
};

// The window's look: the chart's own bright colours on black.
const ChakraPalette& ScreenPalette();

// For paper: white ground, darker inks that read on white, and each ring's
// circle in a line of its own (solid, dashed, dotted) with inks of clearly
// different lightness, so that a greyscale print still tells the rings apart.
const ChakraPalette& PaperPalette();

// Draws the chart on the palette's ground, as large as fits in `target`
// (painter coordinates) keeping its proportions, centred. A small chart on
// screen keeps every text at least `smallestLabelPixels` device pixels tall
// (0: no such floor): its texts then crowd their houses rather than shrink
// out of the reader's reach.
// With an overlay that is shown, the reading's marks are drawn too.
void PaintChakra(QPainter& painter, const QRectF& target, const ChakraModel& model,
                 double smallestLabelPixels = 0, const ChakraPalette& palette = ScreenPalette(),
                 const ReadingOverlay& overlay = {});

// The reading's marks in the inks of a palette: the screen's bright ones on
// black, darker ones that read on paper.
struct ReadingMarks {
    QColor transit;
    QColor year;
    QColor month;
    QColor outline;
};
ReadingMarks ReadingMarksOn(const ChakraPalette& palette);

// Occupant texts shrink, to two fifths of the normal size at most, before
// they are allowed to overflow.
inline constexpr int kSmallestOccupantFont = 66;

// The smallest text size, in twips, on a chart drawn `scale` device pixels
// per twip with the given floor in device pixels.
int SmallestLabelFont(double scale, double smallestLabelPixels);

// The transit font: the occupants' bold, set in italics.
QFont TransitLabelFont(int heightTwips);

// A pen for one of the wheel's lines on a painter that draws `scale` device
// pixels per unit of `unitTwips` twips (the chakra's own painter: 1).
QPen ChakraPen(const ChakraLine& line, double scale, double unitTwips = 1);

// The chart's label font (Verdana where installed, else a close sans-serif)
// with its height given in twips, for a painter that works in twips.
QFont ChakraLabelFont(int heightTwips, bool bold);

// How a house's occupants are set in it: the largest font, down to a floor,
// at which their labels wrapped between labels fit the house, the fewest
// lines at that size and the block's place, all in twips. A retrograde
// planet's label "Me (R)" never splits.
struct OccupantLayout {
    QRectF box;               // all lines together
    QList<QRectF> lineBoxes;  // one per line
    int fontHeight = 0;
    QStringList lines;
    QList<int> firstLabels;  // per line: the index of its first occupant
    bool fits = false;       // false: even the smallest font overflows the house
};
// `smallestFont` is the floor in twips; the normal size grows to it.
OccupantLayout LayoutOccupants(Ring ring, int houseIndex, const Occupants& occupants,
                               int smallestFont = kSmallestOccupantFont);

// Every house's text as the chakra draws it. A house whose labels do not fit
// it even at the smallest size hands them to a callout: the same labels at
// that size, wrapped, in the chakra's empty space (the hub, or a corner
// outside the Sun ring) as near the house as they can be and clear of every
// other text, with a thin leader line in the ring's ink from the block to a
// dot in the house. The birth ring's houses, the smallest and nearest the
// hub, choose first. Every other house keeps its own layout, so an ordinary
// chart looks as it always did.
struct HouseText {
    OccupantLayout layout;  // in the house, or in the callout
    Occupants occupants;    // the birth's, then any transiting ones
    bool transitLabels = false;
    bool callout = false;
    QPointF leaderFrom;  // on the callout's edge, in twips
    QPointF leaderTo;    // the dot in the house
};
using ChakraTexts = EnumArray<Ring, std::array<HouseText, 12>>;
ChakraTexts LayoutChakraTexts(const ChakraModel& model, const ReadingOverlay& overlay,
                              int smallestFont);

// Device pixels per twip for a chart drawn as large as fits in `target`.
double ChakraScale(const QRectF& target);

// PaintChakra with its texts laid out already (LayoutChakraTexts at
// `smallestFont`), for a view that lays them out once per size.
void PaintChakra(QPainter& painter, const QRectF& target, const ChakraModel& model,
                 const ChakraTexts& texts, int smallestFont, const ChakraPalette& palette,
                 const ReadingOverlay& overlay);

// The occupants' chart labels as the chakra draws them, a retrograde
// planet's with its mark: "Me (R)".
QStringList OccupantLabels(const Occupants& occupants);

inline QColor ToQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

}  // namespace vellamor
