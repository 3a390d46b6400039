// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/chart_sheet.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSvgGenerator>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "core/astro/bodies.h"
#include "core/chart/chakra_layout.h"
#include "core/io/file_replace.h"
#include "core/version.h"
#include "render/chakra_painter.h"
#include "render/indian_chart_painter.h"

namespace vellamor {
namespace {

const QString kProgramTitle = QStringLiteral("Vellamor v") + QString::fromLatin1(kVersion);

// Sheet geometry in units of the 1000-unit square.
constexpr double kMargin = 40;
const QRectF kTitleBox(kMargin, 28, kSheetUnits - 2 * kMargin, 50);
constexpr double kRuleY = 92;
const QRectF kChakraBox(kMargin, 112, 640, 640);
constexpr double kColumnLeft = 706;
constexpr double kColumnWidth = kSheetUnits - kMargin - kColumnLeft;
constexpr double kPositionsTop = 778;
// The reading's section under the positions: a rule, the Sudarshan dasha's
// table, then the Vimshottari's, their spans' dates in the same two columns.
constexpr double kReadingRuleY = 978;
constexpr double kReadingTop = 992;
constexpr double kTableHeader = 34;  // room for a caption on two lines
constexpr double kTableRow = 28;
constexpr double kTableGap = 18;
// Three rows of spans in each table, the balance under the Vimshottari's,
// and a line of conventions.
constexpr double kReadingBottom =
    kReadingTop + 2 * (kTableHeader + 3 * kTableRow) + kTableGap + 2 * kTableRow;
constexpr double kFooterRoom = 30;

const QColor kInk(0, 0, 0);
const QColor kCaptionInk(96, 96, 96);
const QColor kRuleInk(160, 160, 160);

QFont SheetFont(double pixels, bool bold) {
    QFont font = ChakraLabelFont(1, bold);
    // Whole units, never below the size asked for.
    font.setPixelSize(static_cast<int>(std::ceil(pixels - 1e-9)));
    return font;
}

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString Clock(const SheetTexts& texts, const CivilDateTime& t) {
    return texts.readingInstant.arg(texts.months[static_cast<std::size_t>(t.month - 1)])
        .arg(t.day)
        .arg(t.year)
        .arg(QStringLiteral("%1:%2")
                 .arg(t.hour, 2, 10, QLatin1Char('0'))
                 .arg(t.minute, 2, 10, QLatin1Char('0')));
}

// The title at the largest size from 30 units down to 20 that takes it on
// one line; a longer one on two lines, as large as they fit, never below the
// sheet's smallest text; only a title too long even for that is cut short.
void PaintTitleText(QPainter& p, const QRectF& box, const QString& title) {
    constexpr double kLargest = 30;
    constexpr double kSmallestOneLine = 20;
    for (double size = kLargest; size >= kSmallestOneLine; size -= 1) {
        const QFont font = SheetFont(size, true);
        if (QFontMetricsF(font).horizontalAdvance(title) <= box.width()) {
            p.setFont(font);
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, title);
            return;
        }
    }
    for (double size = std::floor(box.height() / 2.4); size >= kSheetSmallestTextUnits; size -= 1) {
        const QFont font = SheetFont(size, true);
        const QFontMetricsF fm(font);
        const QRectF needed = fm.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, title);
        if (needed.width() <= box.width() && needed.height() <= box.height()) {
            p.setFont(font);
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, title);
            return;
        }
    }
    const QFont font = SheetFont(kSheetSmallestTextUnits, true);
    p.setFont(font);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(font).elidedText(title, Qt::ElideRight, box.width()));
}

void PaintTitle(QPainter& p, const Chart&, const ReadingOverlay& overlay, const SheetTexts& texts) {
    QRectF titleBox = kTitleBox;
    if (overlay.shown()) {
        // The reading's instant, and where the dasha stands then.
        const DashaProgression& d = overlay.reading->progression;
        const QRectF readingBox(kTitleBox.right() - 330, kTitleBox.top(), 330, kTitleBox.height());
        titleBox.setRight(readingBox.left() - 10);
        p.setFont(SheetFont(14, false));
        p.setPen(kInk);
        p.drawText(readingBox, Qt::AlignRight | Qt::AlignVCenter,
                   texts.readingLines.arg(Clock(texts, d.reading))
                       .arg(d.span(DashaLevel::Year).number)
                       .arg(d.span(DashaLevel::Month).number)
                       .arg(d.span(DashaLevel::Period).number));
    }
    p.setPen(kInk);
    PaintTitleText(p, titleBox, texts.title);
    p.setPen(QPen(kRuleInk, 1.5));
    p.drawLine(QPointF(kMargin, kRuleY), QPointF(kSheetUnits - kMargin, kRuleY));
}

// `text` wrapped in `width`, in at most `lines` lines; when some is left
// over, the last line ends in an ellipsis and `whole` is false.
struct WrappedText {
    QStringList lines;
    bool whole = true;
};

WrappedText WrapWithin(const QString& text, const QFont& font, double width, int lines) {
    WrappedText wrapped;
    const QFontMetricsF metrics(font);
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (static_cast<int>(wrapped.lines.size()) == lines - 1) {
            const QString rest = text.mid(line.textStart()).trimmed();
            const QString shown = metrics.elidedText(rest, Qt::ElideRight, width);
            wrapped.whole = shown == rest;
            wrapped.lines << shown;
            break;
        }
        const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
        wrapped.whole = wrapped.whole && metrics.horizontalAdvance(part) <= width;
        wrapped.lines << metrics.elidedText(part, Qt::ElideRight, width);
    }
    layout.endLayout();
    return wrapped;
}

// Caption above value, as on the birth-details panel; a long value (the time
// zone) wraps onto a second line, and a longer one (a name) is made smaller
// until it fits, down to the sheet's smallest text, where what still does
// not fit ends in an ellipsis.
double PaintDetails(QPainter& p, const SheetTexts& texts, double top) {
    const QFont caption = SheetFont(14, true);
    const QFont value = SheetFont(17, false);
    const QFontMetricsF captionMetrics(caption);
    double y = top;
    // A precise chart's calculation needs room above the keys.
    const bool precise = !texts.calculation.isEmpty();
    const double gap = precise ? 8 : 14;
    // One caption and its value, the value wrapped within `lines` lines.
    const auto pair = [&](const QString& captionText, const QString& text, const QFont& font,
                          int lines, double after) {
        p.setFont(caption);
        p.setPen(kCaptionInk);
        p.drawText(QRectF(kColumnLeft, y, kColumnWidth, captionMetrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, captionText);
        y += captionMetrics.height() + 2;
        const QFontMetricsF metrics(font);
        const QRectF room(kColumnLeft, y, kColumnWidth, lines * metrics.height());
        const QRectF needed = metrics.boundingRect(room, Qt::AlignLeft | Qt::TextWordWrap, text);
        p.setPen(kInk);
        // By its lines: the bounding box hides a word wider than the room,
        // and counts the leading under the last line.
        if (WrapWithin(text, font, room.width(), lines).whole) {
            p.setFont(font);
            p.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
            y += std::min(needed.height(), room.height()) + after;
            return;
        }
        QFont smaller = font;
        WrappedText wrapped;
        for (double size = font.pixelSize() - 1.0; size >= kSheetSmallestTextUnits; size -= 1) {
            smaller.setPixelSize(static_cast<int>(std::ceil(size - 1e-9)));
            // As many lines of the smaller text as the room holds.
            const int fit = static_cast<int>(room.height() / QFontMetricsF(smaller).height());
            wrapped = WrapWithin(text, smaller, room.width(), fit);
            if (wrapped.whole)
                break;
        }
        p.setFont(smaller);
        const double line = QFontMetricsF(smaller).height();
        for (qsizetype i = 0; i < wrapped.lines.size(); ++i) {
            p.drawText(QRectF(room.left(), y + static_cast<double>(i) * line, room.width(), line),
                       Qt::AlignLeft | Qt::AlignTop, wrapped.lines[i]);
        }
        y += room.height() + after;
    };
    for (const Detail d : AllOf<Detail>())
        pair(texts.captions[d], texts.details[d], value, 2, gap);
    // A precise chart names its calculation under the details, smaller than
    // the details: its four lines (room for five, as the lines' leading
    // outgrows the font's height) fit above the ring key.
    if (precise)
        pair(texts.calculationCaption, texts.calculation, SheetFont(13, false), 5, 14);
    return y;
}

// The reading's marks, explained below the ring key.
void PaintReadingKey(QPainter& p, double top, const ReadingOverlay& overlay,
                     const SheetTexts& texts) {
    const ReadingMarks marks = ReadingMarksOn(PaperPalette());
    constexpr double kRow = 26;
    double y = top;
    auto text = [&](const QString& t) {
        p.setPen(kInk);
        p.setFont(SheetFont(14, true));
        p.drawText(QRectF(kColumnLeft + 56, y - 4, kColumnWidth - 56, 24),
                   Qt::AlignLeft | Qt::AlignVCenter, t);
        y += kRow;
    };
    if (overlay.highlights) {
        const QRectF swatch(kColumnLeft, y, 40, 16);
        p.fillRect(swatch, marks.year);
        p.setPen(QPen(marks.outline, 2));
        p.drawRect(swatch.adjusted(1, 1, -1, -1));
        text(texts.yearHouse);
        const QRectF monthSwatch(kColumnLeft, y, 40, 16);
        p.fillRect(monthSwatch, marks.month);
        p.setPen(QPen(marks.outline, 1, Qt::DashLine));
        p.drawRect(monthSwatch.adjusted(0.5, 0.5, -0.5, -0.5));
        text(texts.monthHouse);
    }
    if (overlay.transits) {
        p.setFont(SheetFont(14, true));
        QFont italic = p.font();
        italic.setItalic(true);
        p.setFont(italic);
        p.setPen(marks.transit);
        p.drawText(QRectF(kColumnLeft, y - 2, 40, 20), Qt::AlignCenter, QStringLiteral("J"));
        text(texts.transitingBody);
    }
}

// The ring key of the legend panel: each ring's colour and name.
void PaintRingKey(QPainter& p, double top, const SheetTexts& texts) {
    constexpr std::array<Ring, 3> keys{Ring::Sun, Ring::Moon, Ring::Birth};
    // Twips of the chakra per unit of the sheet, so that each sample line
    // is drawn as the chakra draws the ring's circle.
    const double twipsPerUnit = ChakraBounds().width / kChakraBox.width();
    const double scale = p.deviceTransform().m11();
    p.setFont(SheetFont(16, true));
    double y = top;
    for (const Ring ring : keys) {
        const ChakraLine& line = PaperPalette().rings[ring];
        p.setPen(ChakraPen(line, scale, twipsPerUnit));
        p.drawLine(QPointF(kColumnLeft, y + 10), QPointF(kColumnLeft + 44, y + 10));
        p.setPen(kInk);
        p.drawText(QRectF(kColumnLeft + 56, y - 4, kColumnWidth - 56, 28),
                   Qt::AlignLeft | Qt::AlignVCenter, texts.ringKeys[ring]);
        y += 32;
    }
}

// Thirteen rows of body, chart label (with its retrograde mark) and
// position, in three columns.
void PaintPositions(QPainter& p, const Chart& chart, const SheetTexts& texts) {
    p.setFont(SheetFont(17, true));
    p.setPen(kInk);
    p.drawText(QRectF(kMargin, kPositionsTop, 400, 26), Qt::AlignLeft | Qt::AlignVCenter,
               texts.positionsHeading);
    const QFont name = SheetFont(15, true);
    const QFont plain = SheetFont(15, false);
    constexpr int kRows = 5;
    const double columnWidth = (kSheetUnits - 2 * kMargin) / 3;
    // The names' column as wide as the longest name asks (a translated name
    // can be longer than the English), leaving the position room for
    // "22° 59' Cap".
    double nameWidth = 86;
    const QFontMetricsF nameMetrics(name);
    for (const QString& planet : texts.planets)
        nameWidth = std::max(nameWidth, nameMetrics.horizontalAdvance(planet) + 8);
    nameWidth = std::min(nameWidth, columnWidth - 72 - 110);
    for (int b = 0; b < kBodyCount; ++b) {
        const double x = kMargin + (b / kRows) * columnWidth;
        const double y = kPositionsTop + 34 + (b % kRows) * 30;
        const auto i = static_cast<std::size_t>(b);
        p.setFont(name);
        p.drawText(QRectF(x, y, nameWidth, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   nameMetrics.elidedText(texts.planets[i], Qt::ElideRight, nameWidth - 4));
        p.setFont(plain);
        p.drawText(QRectF(x + nameWidth, y, 72, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   Utf8(chart.chakra.legendLabels[i]).trimmed());
        p.drawText(QRectF(x + nameWidth + 72, y, columnWidth - nameWidth - 78, 26),
                   Qt::AlignLeft | Qt::AlignVCenter, texts.positions[i]);
    }
}

// The running spans of both dashas at the reading, in one grid: the span's
// name, then the ruling house and its sign in each ring (Sudarshan) or the
// lord (Vimshottari), then from and to, the dates aligned in both tables.
void PaintReadingSection(QPainter& p, const ReadingOverlay& overlay, const SheetTexts& texts) {
    const DashaProgression& d = overlay.reading->progression;
    const VimshottariReading& v = overlay.reading->vimshottari;
    p.setPen(QPen(kRuleInk, 1.5));
    p.drawLine(QPointF(kMargin, kReadingRuleY), QPointF(kSheetUnits - kMargin, kReadingRuleY));

    const QFont heading = SheetFont(17, true);
    const QFont caption = SheetFont(14, true);
    const QFont name = SheetFont(15, true);
    const QFont plain = SheetFont(15, false);
    const QFontMetricsF headingMetrics(heading);
    const QFontMetricsF nameMetrics(name);
    const QFontMetricsF plainMetrics(plain);
    constexpr double kPad = 14;

    // The columns as wide as their words ask: the dates' at the right edge,
    // the names' at the left, the rings' sharing what is between.
    std::array<QString, 12> dates;
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = d.spans[static_cast<std::size_t>(l)];
        dates[static_cast<std::size_t>(2 * l)] = Clock(texts, s.from);
        dates[static_cast<std::size_t>(2 * l + 1)] = Clock(texts, s.to);
    }
    for (int l = 0; l < kVimshottariLevelCount; ++l) {
        const VimshottariSpan& s = v.spans[static_cast<std::size_t>(l)];
        dates[static_cast<std::size_t>(6 + 2 * l)] = Clock(texts, s.from);
        dates[static_cast<std::size_t>(6 + 2 * l + 1)] = Clock(texts, s.to);
    }
    double dateWidth = 0;
    for (const QString& date : dates)
        dateWidth = std::max(dateWidth, plainMetrics.horizontalAdvance(date));
    dateWidth += kPad;
    std::array<QString, kDashaLevelCount> dashaNames;
    for (int l = 0; l < kDashaLevelCount; ++l)
        dashaNames[static_cast<std::size_t>(l)] = texts.dashaSpans[static_cast<std::size_t>(l)].arg(
            d.spans[static_cast<std::size_t>(l)].number);
    double nameWidth = std::max(headingMetrics.horizontalAdvance(texts.sudarshanHeading),
                                headingMetrics.horizontalAdvance(texts.vimshottariHeading));
    for (const QString& n : dashaNames)
        nameWidth = std::max(nameWidth, nameMetrics.horizontalAdvance(n));
    for (const QString& n : texts.vimshottariSpans)
        nameWidth = std::max(nameWidth, nameMetrics.horizontalAdvance(n));
    const double right = kSheetUnits - kMargin;
    const double toLeft = right - dateWidth + kPad;
    const double fromLeft = toLeft - dateWidth;
    // Never more than half the width for the names: a longer one wraps.
    const double houseLeft = kMargin + std::min(nameWidth + kPad, (fromLeft - kMargin) / 2);
    const double houseWidth = std::max(QFontMetricsF(caption).horizontalAdvance(texts.houseCaption),
                                       plainMetrics.horizontalAdvance(QStringLiteral("12"))) +
                              kPad;
    const double ringLeft = houseLeft + houseWidth;
    const double ringWidth = (fromLeft - ringLeft) / kRingCount;

    struct Caption {
        double left;
        double width;
        QString text;
    };
    auto cell = [&](const QFont& font, const QColor& ink, double left, double width, double top,
                    double height, const QString& text, int align = Qt::AlignVCenter) {
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRectF(left, top, width - 6, height), Qt::AlignLeft | align | Qt::TextWordWrap,
                   text);
    };
    // A heading on the header's lower line, the columns' captions above
    // their columns, on one line or two.
    auto header = [&](double top, const QString& title, const auto& captions) {
        cell(heading, kInk, kMargin, houseLeft - kMargin + 6, top, kTableHeader, title,
             Qt::AlignBottom);
        for (const auto& [left, width, text] : captions)
            cell(caption, kCaptionInk, left, width, top, kTableHeader, text, Qt::AlignBottom);
    };
    auto dateCells = [&](double y, const CivilDateTime& from, const CivilDateTime& to) {
        cell(plain, kInk, fromLeft, dateWidth, y, kTableRow, Clock(texts, from));
        cell(plain, kInk, toLeft, dateWidth, y, kTableRow, Clock(texts, to));
    };

    double y = kReadingTop;
    std::vector<Caption> sudarshan{{houseLeft, houseWidth, texts.houseCaption}};
    // The rings in the key's order, outermost first.
    constexpr std::array<Ring, kRingCount> rings{Ring::Sun, Ring::Moon, Ring::Birth};
    for (std::size_t r = 0; r < rings.size(); ++r)
        sudarshan.push_back(
            {ringLeft + static_cast<double>(r) * ringWidth, ringWidth, texts.ringKeys[rings[r]]});
    sudarshan.push_back({fromLeft, dateWidth, texts.fromCaption});
    sudarshan.push_back({toLeft, dateWidth, texts.toCaption});
    header(y, texts.sudarshanHeading, sudarshan);
    y += kTableHeader;
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const auto level = static_cast<DashaLevel>(l);
        const DashaSpan& s = d.span(level);
        cell(name, kInk, kMargin, houseLeft - kMargin, y, kTableRow,
             dashaNames[static_cast<std::size_t>(l)]);
        cell(plain, kInk, houseLeft, houseWidth, y, kTableRow, QString::number(s.house));
        for (std::size_t r = 0; r < rings.size(); ++r) {
            // The sign's number, as the chakra shows it, and its name.
            const Sign sign = d.house(rings[r], level).sign;
            const QString text =
                QStringLiteral("%1 %2").arg(SignNumber(sign)).arg(Utf8(SignAbbreviation(sign)));
            cell(plain, kInk, ringLeft + static_cast<double>(r) * ringWidth, ringWidth, y,
                 kTableRow, text);
        }
        dateCells(y, s.from, s.to);
        y += kTableRow;
    }

    y += kTableGap;
    header(y, texts.vimshottariHeading,
           std::array<Caption, 3>{Caption{houseLeft, fromLeft - houseLeft, texts.lordCaption},
                                  Caption{fromLeft, dateWidth, texts.fromCaption},
                                  Caption{toLeft, dateWidth, texts.toCaption}});
    y += kTableHeader;
    for (int l = 0; l < kVimshottariLevelCount; ++l) {
        const VimshottariSpan& s = v.spans[static_cast<std::size_t>(l)];
        cell(name, kInk, kMargin, houseLeft - kMargin, y, kTableRow,
             texts.vimshottariSpans[static_cast<std::size_t>(l)]);
        cell(plain, kInk, houseLeft, fromLeft - houseLeft, y, kTableRow,
             texts.planets[static_cast<std::size_t>(BodyIndex(s.lord))]);
        dateCells(y, s.from, s.to);
        y += kTableRow;
    }
    const VimshottariBalance& b = v.balance;
    cell(name, kInk, kMargin, houseLeft - kMargin, y, kTableRow, texts.balanceName);
    cell(plain, kInk, houseLeft, fromLeft - houseLeft, y, kTableRow,
         texts.planets[static_cast<std::size_t>(BodyIndex(b.lord))]);
    cell(plain, kInk, fromLeft, right - fromLeft, y, kTableRow,
         texts.balance.arg(b.years).arg(b.months).arg(b.days));
    y += kTableRow;
    cell(plain, kCaptionInk, kMargin, right - kMargin, y, kTableRow,
         texts.conventions.arg(texts.sudarshanYears[static_cast<std::size_t>(d.yearStart)],
                               texts.dashaYears[static_cast<std::size_t>(v.year)]));
}

void PaintFooter(QPainter& p, double height) {
    p.setFont(SheetFont(12, false));
    p.setPen(kCaptionInk);
    p.drawText(QRectF(kMargin, height - 30, kSheetUnits - 2 * kMargin, 20),
               Qt::AlignRight | Qt::AlignVCenter, kProgramTitle);
}

Unexpected<SheetExportError> SaveFailure(SheetExportError::Kind kind, const QString& path,
                                         const FileReplaceError& replace = {}) {
    return Fail(SheetExportError{kind, path.toStdString(), replace, {}, {}});
}

// The painter's whole device, in device coordinates.
QRectF DeviceRect(const QPainter& p) {
    return QRectF(0, 0, p.device()->width(), p.device()->height());
}

}  // namespace

double SheetHeightUnits(const ReadingOverlay& overlay) {
    return overlay.shown() ? kReadingBottom + kFooterRoom : kSheetUnits;
}

std::optional<SheetFormat> SheetFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return SheetFormat::Png;
    if (suffix == QLatin1String("svg"))
        return SheetFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return SheetFormat::Pdf;
    return std::nullopt;
}

namespace {

// The chart in its style, and its caption just above it.
void PaintSheetChart(QPainter& p, const Chart& chart, const ReadingOverlay& overlay,
                     const SheetTexts& texts) {
    if (!texts.chartCaption.isEmpty()) {
        p.setFont(SheetFont(14, false));
        p.setPen(kInk);
        p.drawText(QRectF(kChakraBox.left(), kRuleY + 2, kChakraBox.width(),
                          kChakraBox.top() - kRuleY - 2),
                   Qt::AlignLeft | Qt::AlignVCenter, texts.chartCaption);
    }
    // The floor is in the painter's units, here the sheet's.
    if (texts.chartStyle == ChartStyle::Sudarshan) {
        PaintChakra(p, kChakraBox, chart.chakra, kSheetSmallestTextUnits, PaperPalette(), overlay);
        return;
    }
    IndianChartTexts indian;
    for (const Sign sign : AllOf<Sign>())
        indian.occupants[sign] = OccupantLabels(chart.chakra.occupants(sign));
    indian.lagna = chart.chakra.referenceSigns[Ring::Birth];
    // A little inside the chakra's square, which its circle does not fill.
    const QRectF box = kChakraBox.adjusted(20, 20, -20, -20);
    PaintIndianChart(
        p, box,
        texts.chartStyle == ChartStyle::North ? IndianChartStyle::North : IndianChartStyle::South,
        indian, kSheetSmallestTextUnits, PaperPalette());
}

}  // namespace

void PaintChartSheet(QPainter& p, const QRectF& target, const Chart& chart,
                     const ReadingOverlay& overlay, const SheetTexts& texts) {
    const double height = SheetHeightUnits(overlay);
    const double scale = std::min(target.width() / kSheetUnits, target.height() / height);
    if (!(scale > 0))
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(target.center().x() - scale * kSheetUnits / 2, target.top());
    p.scale(scale, scale);
    p.fillRect(QRectF(0, 0, kSheetUnits, height), Qt::white);

    PaintTitle(p, chart, overlay, texts);
    // The floor is in the painter's units, here the sheet's.
    PaintSheetChart(p, chart, overlay, texts);
    const double detailsEnd = PaintDetails(p, texts, kChakraBox.top());
    if (overlay.shown()) {
        const int rows = (overlay.highlights ? 2 : 0) + (overlay.transits ? 1 : 0);
        const double keyTop = std::max(detailsEnd + 4, kChakraBox.bottom() - 3 * 32 - rows * 26);
        PaintRingKey(p, keyTop, texts);
        PaintReadingKey(p, keyTop + 3 * 32, overlay, texts);
    } else if (texts.chartStyle == ChartStyle::Sudarshan) {
        // The north and south Indian charts have no rings to key.
        PaintRingKey(p, std::max(detailsEnd + 8, kChakraBox.bottom() - 3 * 32 + 12), texts);
    }
    PaintPositions(p, chart, texts);
    if (overlay.shown())
        PaintReadingSection(p, overlay, texts);
    PaintFooter(p, height);
    p.restore();
}

QImage RenderChartSheet(const Chart& chart, int pixels, const ReadingOverlay& overlay,
                        const SheetTexts& texts) {
    const int rows =
        static_cast<int>(std::lround(pixels * SheetHeightUnits(overlay) / kSheetUnits));
    QImage image(pixels, rows, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChartSheet(painter, QRectF(0, 0, pixels, rows), chart, overlay, texts);
    painter.end();
    return image;
}

std::optional<QByteArray> EncodeChartSheet(const Chart& chart, SheetFormat format,
                                           const ReadingOverlay& overlay, const SheetTexts& texts) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString& title = texts.title;
    bool drawn = true;
    switch (format) {
        case SheetFormat::Png:
            drawn = RenderChartSheet(chart, kSheetPixels, overlay, texts).save(&buffer, "PNG");
            break;
        case SheetFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            // 2000 units across 180 mm: the sheet prints at the width of
            // an A4 page's text.
            const double height = SheetHeightUnits(overlay);
            svg.setSize(QSize(kSheetPixels,
                              static_cast<int>(std::lround(kSheetPixels * height / kSheetUnits))));
            svg.setResolution(qRound(kSheetPixels / (180 / 25.4)));
            svg.setViewBox(QRectF(0, 0, kSheetUnits, height));
            svg.setTitle(title);
            svg.setDescription(kProgramTitle);
            QPainter painter;
            drawn = painter.begin(&svg);
            if (drawn) {
                PaintChartSheet(painter, QRectF(0, 0, kSheetUnits, height), chart, overlay, texts);
                drawn = painter.end();
            }
            break;
        }
        case SheetFormat::Pdf: {
            QPdfWriter pdf(&buffer);
            pdf.setPageSize(SheetPageSize(QLocale()));
            pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            pdf.setTitle(title);
            pdf.setCreator(kProgramTitle);
            QPainter painter;
            drawn = painter.begin(&pdf);
            if (drawn) {
                PaintChartSheet(painter, DeviceRect(painter), chart, overlay, texts);
                drawn = painter.end();
            }
            break;
        }
    }
    buffer.close();
    if (!drawn || bytes.isEmpty())
        return std::nullopt;
    return bytes;
}

namespace {

// Every text of the sheet, and the letters and digits the wheel's labels
// are made of.
QString SheetCharacters(const SheetTexts& t) {
    QString all = t.title + t.positionsHeading + t.yearHouse + t.monthHouse + t.transitingBody +
                  t.readingInstant + t.readingLines + t.sudarshanHeading + t.houseCaption +
                  t.vimshottariHeading + t.lordCaption + t.fromCaption + t.toCaption +
                  t.calculationCaption + t.calculation + t.chartCaption;
    for (const auto* list : {&t.captions, &t.details})
        for (const QString& s : *list)
            all += s;
    for (const auto* list : {&t.planets, &t.positions})
        for (const QString& s : *list)
            all += s;
    for (const QString& s : t.ringKeys)
        all += s;
    for (const QString& s : t.months)
        all += s;
    for (const QString& s : t.dashaSpans)
        all += s;
    for (const QString& s : t.vimshottariSpans)
        all += s;
    for (char16_t c = u'0'; c <= u'9'; ++c)
        all += QChar(c);
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        all += QChar(c);
        all += QChar(c + 32);
    }
    return all;
}

// The first few characters of the sheet that no installed font can draw:
// without them a server or a container with no fonts would write a sheet of
// empty boxes and call it done.
QString MissingLetters(const SheetTexts& texts) {
    // The font files themselves, by their character maps: the engine of
    // empty boxes that Qt falls back to where no font is installed has no
    // map and claims every character.
    const auto real = [](const QRawFont& raw) {
        return raw.isValid() && !raw.fontTable("cmap").isEmpty();
    };
    QRawFont sheetFont = QRawFont::fromFont(SheetFont(14, false));
    if (!real(sheetFont))
        sheetFont = QRawFont();
    std::optional<std::vector<QRawFont>> others;  // every installed font, looked at if needed
    QString missing;
    std::vector<char32_t> seen;
    for (const char32_t c : SheetCharacters(texts).toUcs4()) {
        if (c <= U' ' || (c >= 0x7F && c < 0xA0) || c == U'\u00A0' ||
            std::find(seen.begin(), seen.end(), c) != seen.end())
            continue;
        seen.push_back(c);
        if (sheetFont.isValid() && sheetFont.supportsCharacter(c))
            continue;
        if (!others) {
            others.emplace();
            for (const QString& family : QFontDatabase::families()) {
                QRawFont raw = QRawFont::fromFont(QFont(family));
                if (real(raw))
                    others->push_back(std::move(raw));
            }
        }
        if (std::any_of(others->begin(), others->end(),
                        [c](const QRawFont& raw) { return raw.supportsCharacter(c); }))
            continue;
        missing += QString::fromUcs4(&c, 1);
        if (missing.size() >= 8)
            break;
    }
    return missing;
}

}  // namespace

Expected<void, SheetExportError> ExportChartSheet(const Chart& chart, const QString& path,
                                                  const ReadingOverlay& overlay,
                                                  const SheetTexts& texts) {
    const std::optional<SheetFormat> format = SheetFormatOf(path);
    if (!format)
        return SaveFailure(SheetExportError::Kind::UnknownFormat, path);
    if (const QString missing = MissingLetters(texts); !missing.isEmpty()) {
        SheetExportError e;
        e.kind = SheetExportError::Kind::NoFont;
        e.path = path.toStdString();
        e.missing = missing.toStdString();
        e.fonts = SheetFont(14, false).families().join(QStringLiteral(", ")).toStdString();
        return Fail(std::move(e));
    }
    // Drawn whole in memory first: the file is replaced only by a complete
    // sheet, and a failure to write is told apart from one to draw.
    const std::optional<QByteArray> bytes = EncodeChartSheet(chart, *format, overlay, texts);
    if (!bytes)
        return SaveFailure(SheetExportError::Kind::NotDrawn, path);
    const auto replaced =
        ReplaceFile(QFile::encodeName(path).toStdString(),
                    std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
    if (!replaced)
        return SaveFailure(SheetExportError::Kind::NotReplaced, path, replaced.error());
    return {};
}

QPageSize SheetPageSize(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

void PaintChartSheetPage(QPainter& painter, const Chart& chart, const ReadingOverlay& overlay,
                         const SheetTexts& texts) {
    PaintChartSheet(painter, DeviceRect(painter), chart, overlay, texts);
}

namespace {

Expected<void, SheetExportError> ExportHeadless(const Chart& chart, const std::string& path,
                                                const ReadingOverlay& overlay,
                                                const SheetTexts& texts) {
    return ExportChartSheet(chart, QFile::decodeName(path.c_str()), overlay, texts);
}

}  // namespace

Expected<void, SheetExportError> ExportChartSheetHeadless(const Chart& chart,
                                                          const SheetTexts& texts,
                                                          const std::string& path) {
    return ExportHeadless(chart, path, {}, texts);
}

Expected<void, SheetExportError> ExportReadingSheetHeadless(const Chart& chart,
                                                            const ChartReading& reading,
                                                            const SheetTexts& texts,
                                                            const std::string& path) {
    return ExportHeadless(chart, path, {&reading, true, true}, texts);
}

}  // namespace vellamor
