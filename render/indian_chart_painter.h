// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the rasi chart (or any varga's) as astrologers of the north and of
// the south of India draw it, with QPainter, on the chakra's palettes: the
// window, an exported picture and a printed page share it. Every text comes
// from the caller; the painter writes only sign numbers.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include "core/astro/bodies.h"
#include "core/astro/enum_array.h"
#include "render/chakra_painter.h"

class QPainter;

namespace vellamor {

enum class IndianChartStyle { North, South };

struct IndianChartTexts {
    // The labels standing in each sign, marks included ("Me (R)"), in the
    // order they are to be read.
    EnumArray<Sign, QStringList> occupants;
    Sign lagna = Sign::Aries;
    // Written in the empty middle of the south Indian frame (e.g. the
    // varga's name); the north Indian chart has no room for it.
    QString title;
};

// Draws the chart as large as fits in `target` (painter coordinates),
// square and centred, on the palette's ground: its lines in the spokes' ink,
// sign numbers in the Moon ring's, labels in the Lagna ring's and the Lagna
// mark in the hub's. Labels shrink to fit their cell, but on a small chart
// never below `smallestLabelPixels` device pixels (0: no floor).
void PaintIndianChart(QPainter& painter, const QRectF& target, IndianChartStyle style,
                      const IndianChartTexts& texts, double smallestLabelPixels = 0,
                      const ChakraPalette& palette = ScreenPalette());

// How a cell's labels are set, in the chart's units: the lines and their
// font size, wrapped between labels (a label never splits).
struct IndianCellText {
    QStringList lines;
    int fontHeight = 0;
    QRectF box;  // all lines together, centred in the cell's box
};
IndianCellText LayoutIndianCellText(const QStringList& labels, const QRectF& cellBox,
                                    int smallestFont);

}  // namespace vellamor
