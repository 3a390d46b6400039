// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheet of one chart: a title, the chakra drawn by the result
// window's own painting code, the nine birth details, the ring key and the
// positions with their chart labels. With a reading's overlay shown, the
// chakra carries its highlights and transits, the key explains them and the
// title line names the reading's date and time, and a section under the
// positions gives the running Sudarshan dasha (the ruling houses and their
// signs in the three rings) and Vimshottari periods. The same sheet is
// exported as PNG (2000 pixels across), SVG or PDF, and printed.
//
// The sheet is laid out 1000 units across, scaled to fit the target: a
// square of 1000 x 1000 units, taller with a reading's section
// (SheetHeightUnits). Printed 180 mm across, either fits A4 and US Letter,
// so the reading's section leaves the chakra its size on paper. It is made
// for paper: white throughout, the chakra in inks that read on white, its
// rings told apart by their lines as well as their colours so that a
// greyscale print keeps them apart (PaperPalette). The window keeps its own
// look.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "core/astro/expected.h"
#include "core/chart/indian_chart_layout.h"
#include "core/chart/pipeline.h"
#include "core/reading/dasha.h"
#include "core/reading/vimshottari.h"
#include "render/chakra_painter.h"
#include "render/sheet_export_error.h"

class QPainter;

namespace vellamor {

inline constexpr int kSheetPixels = 2000;
inline constexpr double kSheetUnits = 1000;

enum class SheetFormat { Png, Svg, Pdf };

// No text of the sheet is smaller than this, in units of the sheet: 6 points
// where the sheet is printed 180 mm across (A4 and US Letter alike), 24
// pixels in the 2000-pixel picture. A crowded house keeps its text at this
// size and lets it reach over the house's spokes rather than shrink.
inline constexpr double kSheetSmallestTextUnits = 6 / 72.0 * 25.4 / 180 * kSheetUnits + 0.05;

// The sheet's words and the chart's details as the sheet shows them, in one
// language, given by the caller: English from the command line, the
// window's own language for its export and print. The sheet has no words of
// its own; the chakra's abbreviations are the chart's own in every language.
struct SheetTexts {
    QString title;  // the whole title, the native's name in it
    EnumArray<Detail, QString> captions;
    EnumArray<Detail, QString> details;
    std::array<QString, kBodyCount> planets;
    std::array<QString, kBodyCount> positions;
    QString positionsHeading;
    EnumArray<Ring, QString> ringKeys;
    QString yearHouse;
    QString monthHouse;
    QString transitingBody;
    // The reading's instant: %1 month name, %2 day, %3 year, %4 hh:mm.
    QString readingInstant;
    std::array<QString, 12> months;
    // Above the reading's dasha: %1 the instant, %2, %3, %4 the year's,
    // month's and period's numbers.
    QString readingLines;
    // The reading's section: its two headings, the spans' names ("Year %1"
    // with the year's number, ...; "Mahadasha", ...) and the columns'
    // captions (the rings' columns take ringKeys).
    QString sudarshanHeading;
    std::array<QString, kDashaLevelCount> dashaSpans;
    QString houseCaption;
    QString vimshottariHeading;
    std::array<QString, kVimshottariLevelCount> vimshottariSpans;
    QString lordCaption;
    QString fromCaption;
    QString toCaption;
    // The Vimshottari's last row: its name ("Balance at birth") and what is
    // left (%1 years, %2 months, %3 days); under both tables, the reading's
    // conventions by key (%1 where the years start, %2 the year's length).
    QString balanceName;
    QString balance;
    QString conventions;
    std::array<QString, 2> sudarshanYears;  // by SudarshanYear
    std::array<QString, 4> dashaYears;      // by DashaYear
    // Under the details of a precise chart (both empty for a classic one):
    // a caption and the lines that name the calculation.
    QString calculationCaption;
    QString calculation;
    // How the chart is drawn, and the words that name its varga and style
    // above it (empty: nothing named, as for the rasi's chakra).
    ChartStyle chartStyle = ChartStyle::Sudarshan;
    QString chartCaption;
};

// The sheet's height in its units: 1000 (a square), more when the overlay
// is shown and the reading's section stands under the positions.
double SheetHeightUnits(const ReadingOverlay& overlay);

// The format a file name asks for (its extension, any case); nothing when it
// names none of the three.
std::optional<SheetFormat> SheetFormatOf(const QString& path);

// Draws the sheet as large as fits in `target`, centred horizontally and at
// the top.
void PaintChartSheet(QPainter& painter, const QRectF& target, const Chart& chart,
                     const ReadingOverlay& overlay, const SheetTexts& texts);

// `pixels` across; as many down as the sheet's height asks.
QImage RenderChartSheet(const Chart& chart, int pixels, const ReadingOverlay& overlay,
                        const SheetTexts& texts);

// The whole file of the sheet in that format, drawn in memory; nothing when
// it could not be drawn.
std::optional<QByteArray> EncodeChartSheet(const Chart& chart, SheetFormat format,
                                           const ReadingOverlay& overlay, const SheetTexts& texts);

// Writes the sheet in the format of the file name, replacing the file only
// when the whole sheet was written (as ReplaceFile does).
Expected<void, SheetExportError> ExportChartSheet(const Chart& chart, const QString& path,
                                                  const ReadingOverlay& overlay,
                                                  const SheetTexts& texts);

// The paper of an exported PDF: US Letter where the locale measures in
// inches and feet, otherwise A4. Either way the sheet, 180 mm square within
// 15 mm margins, also fits the other size.
QPageSize SheetPageSize(const QLocale& locale);

// One page (a printer's, a PDF's), the sheet across its printable width.
void PaintChartSheetPage(QPainter& painter, const Chart& chart, const ReadingOverlay& overlay,
                         const SheetTexts& texts);

// For the command line: the path in the system's encoding. Drawing text
// needs an application object; the program's main makes one on Qt's
// offscreen platform, which never looks for a display.
Expected<void, SheetExportError> ExportChartSheetHeadless(const Chart& chart,
                                                          const SheetTexts& texts,
                                                          const std::string& path);
// The same with the reading's highlights and transits drawn.
Expected<void, SheetExportError> ExportReadingSheetHeadless(const Chart& chart,
                                                            const ChartReading& reading,
                                                            const SheetTexts& texts,
                                                            const std::string& path);

}  // namespace vellamor
