// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheet of one chart: a title, the chakra drawn by the result
// window's own painting code, the nine birth details, the ring key and the
// positions with their chart labels. With a reading's overlay shown, the
// chakra carries its highlights and transits, the key explains them and the
// title line names the reading's date and time. The same sheet is exported as PNG
// (2000 x 2000 pixels), SVG or PDF, and printed.
//
// The sheet is laid out in a square of 1000 x 1000 units, scaled to fit the
// target. It is made for paper: white throughout, the chakra in inks that
// read on white, its rings told apart by their lines as well as their
// colours so that a greyscale print keeps them apart (PaperPalette). The
// window keeps its own look.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <optional>
#include <string>

#include "core/astro/expected.h"
#include "core/chart/pipeline.h"
#include "render/chakra_painter.h"
#include "render/sheet_export_error.h"

class QPainter;

namespace vellamor {

inline constexpr int kSheetPixels = 2000;
inline constexpr double kSheetUnits = 1000;

enum class SheetFormat { Png, Svg, Pdf };

// The format a file name asks for (its extension, any case); nothing when it
// names none of the three.
std::optional<SheetFormat> SheetFormatOf(const QString& path);

// Draws the sheet as large as fits in `target`, centred horizontally and at
// the top.
void PaintChartSheet(QPainter& painter, const QRectF& target, const Chart& chart,
                     const ReadingOverlay& overlay = {});

QImage RenderChartSheet(const Chart& chart, int pixels = kSheetPixels,
                        const ReadingOverlay& overlay = {});

// The whole file of the sheet in that format, drawn in memory; nothing when
// it could not be drawn.
std::optional<QByteArray> EncodeChartSheet(const Chart& chart, SheetFormat format,
                                           const ReadingOverlay& overlay = {});

// Writes the sheet in the format of the file name, replacing the file only
// when the whole sheet was written (as ReplaceFile does).
Expected<void, SheetExportError> ExportChartSheet(const Chart& chart, const QString& path,
                                                  const ReadingOverlay& overlay = {});

// The paper of an exported PDF: US Letter where the locale measures in
// inches and feet, otherwise A4. Either way the sheet, 180 mm square within
// 15 mm margins, also fits the other size.
QPageSize SheetPageSize(const QLocale& locale);

// One page (a printer's, a PDF's), the sheet across its printable width.
void PaintChartSheetPage(QPainter& painter, const Chart& chart, const ReadingOverlay& overlay = {});

// For the command line: the path in the system's encoding. Drawing text
// needs an application object; the program's main makes one on Qt's
// offscreen platform, which never looks for a display.
Expected<void, SheetExportError> ExportChartSheetHeadless(const Chart& chart,
                                                          const std::string& path);
// The same with the reading's highlights and transits drawn.
Expected<void, SheetExportError> ExportReadingSheetHeadless(const Chart& chart,
                                                            const ChartReading& reading,
                                                            const std::string& path);

}  // namespace vellamor
