// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/chakra_painter.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

namespace vellamor {
namespace {

// Occupant texts shrink in steps of about five per cent before they are
// allowed to overflow.
constexpr int kFontStep = 8;
constexpr double kLineWidthTwips = 18;
// Thinnest line drawn, in device pixels: thinner ones fade to grey.
constexpr double kThinnestLinePixels = 1.3;

struct Span {
    int start;
    int end;  // one past the last character
};

// A sign's occupants set as one line: the labels as the chart writes them
// ("Me (R)" for a retrograde Mercury), single blanks between, and a second
// blank after a retrograde mark, which keeps its own as in the printout.
struct OccupantLine {
    QString text;
    std::vector<Span> spans;  // one per label
};

OccupantLine LineOf(const Occupants& occupants) {
    OccupantLine line;
    bool afterMark = false;
    for (const Occupant& o : occupants) {
        if (!line.text.isEmpty())
            line.text += afterMark ? QStringLiteral("  ") : QStringLiteral(" ");
        const int start = static_cast<int>(line.text.size());
        line.text += QLatin1String(kBaseLabels[static_cast<std::size_t>(o.body)]);
        if (o.retrograde)
            line.text += QLatin1String(kRetrogradeMark.substr(0, kRetrogradeMark.size() - 1));
        afterMark = o.retrograde;
        line.spans.push_back({start, static_cast<int>(line.text.size())});
    }
    return line;
}

QPointF ToQPoint(Point p) {
    return {p.x, p.y};
}

// Lines that split the labels into k consecutive groups with the narrowest
// widest line; widths[i][j] is the width of labels i..j on one line.
std::vector<int> BalancedBreaks(const std::vector<std::vector<double>>& widths, int k,
                                double& widest) {
    const int n = static_cast<int>(widths.size());
    const double inf = std::numeric_limits<double>::infinity();
    // best[j][m]: narrowest widest line for the first j labels in m lines.
    std::vector<std::vector<double>> best(n + 1, std::vector<double>(k + 1, inf));
    std::vector<std::vector<int>> from(n + 1, std::vector<int>(k + 1, 0));
    best[0][0] = 0;
    for (int m = 1; m <= k; ++m) {
        for (int j = m; j <= n; ++j) {
            for (int i = m - 1; i < j; ++i) {
                const double w = std::max(best[i][m - 1], widths[i][j - 1]);
                if (w < best[j][m]) {
                    best[j][m] = w;
                    from[j][m] = i;
                }
            }
        }
    }
    widest = best[n][k];
    std::vector<int> starts(k);
    for (int j = n, m = k; m > 0; --m) {
        starts[m - 1] = from[j][m];
        j = from[j][m];
    }
    return starts;
}

// The four circles and twelve spokes, in twips on a painter scaled by `scale`.
void PaintWheel(QPainter& painter, double scale, const ChakraPalette& palette) {
    painter.setBrush(Qt::NoBrush);

    const QPointF centre = ToQPoint(kChakraCentre);
    painter.setPen(ChakraPen(palette.spokes, scale));
    for (int k = 0; k < 12; ++k) {
        const Segment s = Spoke(k);
        painter.drawLine(ToQPoint(s.from), ToQPoint(s.to));
    }
    painter.setPen(ChakraPen(palette.hub, scale));
    painter.drawEllipse(centre, kHubRadius, kHubRadius);
    for (const Ring r : AllOf<Ring>()) {
        const double radius = GeometryOf(r).outerRadius;
        painter.setPen(ChakraPen(palette.rings[r], scale));
        painter.drawEllipse(centre, radius, radius);
    }
}

// The part of a ring between the two spokes of a house.
QPainterPath HouseSector(Ring ring, int houseIndex) {
    const RingGeometry& g = GeometryOf(ring);
    const QPointF c = ToQPoint(kChakraCentre);
    const QRectF outer(c.x() - g.outerRadius, c.y() - g.outerRadius, 2 * g.outerRadius,
                       2 * g.outerRadius);
    const QRectF inner(c.x() - g.innerRadius, c.y() - g.innerRadius, 2 * g.innerRadius,
                       2 * g.innerRadius);
    // Qt's arcs, like the houses, turn counter-clockwise from three o'clock.
    const double start = HouseCentreAngle(houseIndex) - 15;
    QPainterPath path;
    path.arcMoveTo(outer, start);
    path.arcTo(outer, start, 30);
    path.arcTo(inner, start + 30, -30);
    path.closeSubpath();
    return path;
}

void PaintHighlights(QPainter& painter, const DashaProgression& p, double scale,
                     const ReadingMarks& marks) {
    const int year = p.span(DashaLevel::Year).house - 1;
    const int month = p.span(DashaLevel::Month).house - 1;
    painter.save();
    QPen outline(marks.outline, std::max(2 * kLineWidthTwips, 2 * kThinnestLinePixels / scale));
    outline.setJoinStyle(Qt::RoundJoin);
    QPen dashed(marks.outline, std::max(kLineWidthTwips, kThinnestLinePixels / scale),
                Qt::DashLine);
    for (const Ring ring : AllOf<Ring>()) {
        if (month != year) {
            painter.fillPath(HouseSector(ring, month), marks.month);
            painter.strokePath(HouseSector(ring, month), dashed);
        }
        painter.fillPath(HouseSector(ring, year), marks.year);
        painter.strokePath(HouseSector(ring, year), outline);
    }
    painter.restore();
}

// Lines whose labels are drawn one by one: the birth bodies in the ring's
// colour, then the transiting ones in theirs, at the places the whole line's
// layout gave them.
void PaintMixedLines(QPainter& painter, const OccupantLayout& layout, const Occupants& occupants,
                     const QColor& ringColour, const QColor& transitColour) {
    const QFont birthFont = ChakraLabelFont(layout.fontHeight, true);
    const QFont transitFont = TransitLabelFont(layout.fontHeight);
    const QFontMetricsF fm(birthFont);
    const OccupantLine words = LineOf(occupants);
    for (int i = 0; i < layout.lines.size(); ++i) {
        const QString& line = layout.lines[i];
        const QRectF& box = layout.lineBoxes[i];
        const double left = box.center().x() - fm.horizontalAdvance(line) / 2;
        const int first = layout.firstLabels[i];
        const int end = i + 1 < layout.firstLabels.size() ? layout.firstLabels[i + 1]
                                                          : static_cast<int>(words.spans.size());
        const int lineStart = words.spans[static_cast<std::size_t>(first)].start;
        for (int k = first; k < end; ++k) {
            const Span& s = words.spans[static_cast<std::size_t>(k)];
            const bool transit = occupants[k].transit;
            const QString piece = words.text.mid(s.start, s.end - s.start);
            const double x = left + fm.horizontalAdvance(line.left(s.start - lineStart));
            painter.setFont(transit ? transitFont : birthFont);
            painter.setPen(transit ? transitColour : ringColour);
            painter.drawText(QRectF(x, box.top(), fm.horizontalAdvance(piece), box.height()),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, piece);
        }
    }
}

// A callout takes at most this many lines, and is sought on a grid of this
// step, in twips.
constexpr int kMostCalloutLines = 8;
constexpr double kCalloutStep = 40;
// The dot that ends a callout's leader in its house, in twips.
constexpr double kLeaderDotRadius = 30;

double DistanceFromCentre(QPointF p) {
    return std::hypot(p.x() - kChakraCentre.x, p.y() - kChakraCentre.y);
}

// Whether a callout block lies in the chakra's empty space, keeping the
// occupants' margin from every circle: wholly inside the hub, or wholly
// between the Sun ring's circle and the chakra's bounds (its corners).
bool FreeForCallout(const QRectF& block) {
    const QPointF corners[] = {block.topLeft(), block.topRight(), block.bottomLeft(),
                               block.bottomRight()};
    if (std::all_of(std::begin(corners), std::end(corners), [](QPointF p) {
            return DistanceFromCentre(p) <= kHubRadius - kOccupantMargin;
        }))
        return true;
    const Rect b = ChakraBounds();
    const QRectF inside =
        QRectF(b.left, b.top, b.width, b.height)
            .adjusted(kOccupantMargin, kOccupantMargin, -kOccupantMargin, -kOccupantMargin);
    if (!inside.contains(block))
        return false;
    const QPointF nearest(std::clamp(kChakraCentre.x, block.left(), block.right()),
                          std::clamp(kChakraCentre.y, block.top(), block.bottom()));
    return DistanceFromCentre(nearest) >= kSunOuterRadius + kOccupantMargin;
}

QPointF NearestPointOf(const QRectF& box, QPointF p) {
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

bool Crosses(const QLineF& line, const QRectF& box) {
    for (int i = 0; i <= 32; ++i) {
        if (box.contains(line.pointAt(i / 32.0)))
            return true;
    }
    return false;
}

// A callout placed: its block and its leader.
struct Callout {
    QRectF box;
    QLineF leader;
    // Whether another block and its leader would be in this one's way: the
    // blocks too close, a leader through a block, or the leaders crossing.
    bool blocks(const QRectF& other, const QLineF& otherLeader) const {
        const QRectF kept =
            other.adjusted(-kOccupantMargin, -kOccupantMargin, kOccupantMargin, kOccupantMargin);
        return box.intersects(kept) || Crosses(leader, kept) || Crosses(otherLeader, box) ||
               leader.intersects(otherLeader) == QLineF::BoundedIntersection;
    }
};

// The text of an overfull house at `fontHeight`, wrapped by whole labels and
// placed in free space with its centre as near `house` as it can be, clear of the blocks
// already `taken` and their leaders; nothing when no free space takes it.
std::optional<OccupantLayout> PlaceCallout(const Occupants& occupants, int fontHeight,
                                           QPointF house, const std::vector<Callout>& taken) {
    const OccupantLine words = LineOf(occupants);
    const QString& text = words.text;
    const std::vector<Span>& spans = words.spans;
    const int n = static_cast<int>(spans.size());
    if (n == 0)
        return std::nullopt;
    auto lineText = [&](int first, int last) {
        return text.mid(spans[first].start, spans[last].end - spans[first].start);
    };
    const QFontMetricsF fm(ChakraLabelFont(fontHeight, true));
    std::vector<std::vector<double>> widths(n, std::vector<double>(n, 0));
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < n; ++j)
            widths[i][j] = fm.horizontalAdvance(lineText(i, j));
    }
    const Rect bounds = ChakraBounds();
    // Room kept round the block, growing with the text: drawn small, text
    // is hinted wider than its size says, and a block that only just
    // clears the hub's circle and the sign numbers beyond it seems to touch
    // them.
    const double pad = std::max(0.0, 0.5 * fontHeight - kOccupantMargin);
    std::optional<QRectF> best;
    int bestLines = 0;
    double bestDistance = 0;
    for (int k = 1; k <= std::min(n, kMostCalloutLines); ++k) {
        double widest = 0;
        BalancedBreaks(widths, k, widest);
        const QSizeF size(widest, k * fm.height());
        for (double y = bounds.top; y + size.height() <= bounds.bottom(); y += kCalloutStep) {
            if (best && std::abs(y + size.height() / 2 - house.y()) >= bestDistance)
                continue;
            for (double x = bounds.left; x + size.width() <= bounds.right(); x += kCalloutStep) {
                const QRectF box(QPointF(x, y), size);
                // By its centre, so that a compact block beats a tall one.
                const double distance =
                    std::hypot(box.center().x() - house.x(), box.center().y() - house.y());
                if (best && distance >= bestDistance)
                    continue;
                if (!FreeForCallout(box.adjusted(-pad, -pad, pad, pad)))
                    continue;
                const QLineF leader(NearestPointOf(box, house), house);
                if (std::any_of(taken.begin(), taken.end(),
                                [&](const Callout& t) { return t.blocks(box, leader); }))
                    continue;
                best = box;
                bestLines = k;
                bestDistance = distance;
            }
        }
    }
    if (!best)
        return std::nullopt;
    OccupantLayout layout;
    layout.fontHeight = fontHeight;
    layout.fits = true;
    layout.box = *best;
    double widest = 0;
    const std::vector<int> starts = BalancedBreaks(widths, bestLines, widest);
    for (int m = 0; m < bestLines; ++m) {
        const int last = m + 1 < bestLines ? starts[m + 1] - 1 : n - 1;
        layout.lines << lineText(starts[m], last);
        layout.firstLabels << starts[m];
        const double width = widths[starts[m]][last];
        layout.lineBoxes << QRectF(best->center().x() - width / 2, best->top() + m * fm.height(),
                                   width, fm.height());
    }
    return layout;
}

// The leader from a callout to its house: to a dot where the house's text
// would stand or turned a little to either side, whichever keeps the line
// off the other callouts and furthest off the house's sign number.
void PlaceLeader(HouseText& text, Ring ring, int houseIndex, const std::vector<Callout>& taken) {
    const Rect number = SignNumberBox(ring, houseIndex);
    const QRectF numberBox =
        QRectF(number.left, number.top, number.width, number.height)
            .adjusted(-kOccupantMargin, -kOccupantMargin, kOccupantMargin, kOccupantMargin);
    const double distance = GeometryOf(ring).occupantsDistance;
    const double centre = HouseCentreAngle(houseIndex);
    int fewest = std::numeric_limits<int>::max();
    for (double turn : {0.0, 5.0, -5.0, 10.0, -10.0}) {
        const QPointF to = ToQPoint(PolarPoint(distance, centre + turn));
        const QLineF leader(NearestPointOf(text.layout.box, to), to);
        int inside = 0;
        for (int i = 0; i <= 32; ++i)
            inside += numberBox.contains(leader.pointAt(i / 32.0));
        if (std::any_of(taken.begin(), taken.end(),
                        [&](const Callout& t) { return t.blocks(text.layout.box, leader); }))
            inside += 100;
        if (inside < fewest) {
            fewest = inside;
            text.leaderFrom = leader.p1();
            text.leaderTo = to;
        }
    }
}

ChakraPalette MakeScreenPalette() {
    ChakraPalette p;
    p.background = ToQColor(kBackgroundColour);
    p.spokes = {ToQColor(kSpokeColour), kLineWidthTwips, Qt::SolidLine};
    p.hub = {ToQColor(kHubColour), kLineWidthTwips, Qt::SolidLine};
    for (const Ring r : AllOf<Ring>())
        p.rings[r] = {ToQColor(GeometryOf(r).colour), kLineWidthTwips, Qt::SolidLine};
    return p;
}

// Ink on white: the Lagna ring dark red and solid, the Moon ring purple and
// dashed, the Sun ring ochre (yellow vanishes on paper) and dotted, from
// darkest to lightest in grey, about 30 grey levels apart; the spokes and hub
// a quiet grey behind them. Every ink keeps a contrast of at least 4.5:1 to
// the paper and to the reading's highlights, in colour and in grey.
ChakraPalette MakePaperPalette() {
    ChakraPalette p;
    p.background = Qt::white;
    p.spokes = {QColor(150, 150, 150), 14, Qt::SolidLine};
    p.hub = {QColor(150, 150, 150), 14, Qt::SolidLine};
    p.rings[Ring::Birth] = {QColor(92, 0, 0), 40, Qt::SolidLine};
    p.rings[Ring::Moon] = {QColor(100, 16, 126), 30, Qt::DashLine};
    p.rings[Ring::Sun] = {QColor(148, 86, 0), 36, Qt::DotLine};
    return p;
}

}  // namespace

const ChakraPalette& ScreenPalette() {
    static const ChakraPalette palette = MakeScreenPalette();
    return palette;
}

const ChakraPalette& PaperPalette() {
    static const ChakraPalette palette = MakePaperPalette();
    return palette;
}

QPen ChakraPen(const ChakraLine& line, double scale, double unitTwips) {
    // Hairlines never vanish however small the chart is drawn.
    const double width = std::max(line.widthTwips / unitTwips, kThinnestLinePixels / scale);
    QPen pen(line.colour, width, line.style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

ReadingMarks ReadingMarksOn(const ChakraPalette& palette) {
    // On paper the highlights stay light, so that the inks keep their
    // contrast on them; the year's house is told by its black outline.
    if (palette.background.lightness() > 128)
        return {QColor(0, 100, 40), QColor(0, 0, 0, 25), QColor(0, 0, 0, 12), QColor(0, 0, 0)};
    return {kTransitColour, kYearHighlight, kMonthHighlight, kYearOutline};
}

QFont TransitLabelFont(int heightTwips) {
    QFont font = ChakraLabelFont(heightTwips, true);
    font.setItalic(true);
    return font;
}

QFont ChakraLabelFont(int heightTwips, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, heightTwips));
    font.setBold(bold);
    return font;
}

ChakraTexts LayoutChakraTexts(const ChakraModel& model, const ReadingOverlay& overlay,
                              int smallestFont) {
    ChakraTexts texts;
    EnumArray<Sign, Occupants> transiting;
    const bool transits = overlay.reading && overlay.transits;
    if (transits)
        transiting = TransitOccupants(overlay.reading->transits);
    // The birth ring first: its houses are the smallest and nearest the hub.
    std::vector<Callout> taken;
    for (const Ring ring : AllOf<Ring>()) {
        for (int h = 0; h < 12; ++h) {
            const Sign sign = model.house(ring, h).sign;
            HouseText& text = texts[ring][static_cast<std::size_t>(h)];
            text.occupants = WithTransits(model.occupants(sign), transiting[sign]);
            text.transitLabels = !transiting[sign].empty();
            text.layout = LayoutOccupants(ring, h, text.occupants, smallestFont);
            if (text.layout.fits || text.layout.lines.isEmpty())
                continue;
            const QPointF anchor = ToQPoint(OccupantAnchor(ring, h));
            if (auto callout =
                    PlaceCallout(text.occupants, text.layout.fontHeight, anchor, taken)) {
                text.layout = *std::move(callout);
                text.callout = true;
                PlaceLeader(text, ring, h, taken);
                taken.push_back({text.layout.box, QLineF(text.leaderFrom, text.leaderTo)});
            }
        }
    }
    return texts;
}

QStringList OccupantLabels(const Occupants& occupants) {
    const OccupantLine words = LineOf(occupants);
    QStringList labels;
    for (const Span& s : words.spans)
        labels << words.text.mid(s.start, s.end - s.start);
    return labels;
}

OccupantLayout LayoutOccupants(Ring ring, int houseIndex, const Occupants& occupants,
                               int smallestFont) {
    OccupantLayout layout;
    const OccupantLine words = LineOf(occupants);
    const QString& text = words.text;
    const std::vector<Span>& spans = words.spans;
    const int n = static_cast<int>(spans.size());
    if (n == 0)
        return layout;

    auto lineText = [&](int first, int last) {
        return text.mid(spans[first].start, spans[last].end - spans[first].start);
    };
    smallestFont = std::max(1, smallestFont);
    for (int size = std::max(static_cast<int>(kLabelFontHeight), smallestFont);
         size >= smallestFont; size -= kFontStep) {
        const QFontMetricsF fm(ChakraLabelFont(size, true));
        std::vector<std::vector<double>> widths(n, std::vector<double>(n, 0));
        for (int i = 0; i < n; ++i) {
            for (int j = i; j < n; ++j)
                widths[i][j] = fm.horizontalAdvance(lineText(i, j));
        }
        for (int k = 1; k <= n; ++k) {
            double widest = 0;
            const std::vector<int> starts = BalancedBreaks(widths, k, widest);
            std::vector<double> lineWidths(k);
            QStringList lines;
            QList<int> firstLabels;
            for (int m = 0; m < k; ++m) {
                const int last = m + 1 < k ? starts[m + 1] - 1 : n - 1;
                lineWidths[m] = widths[starts[m]][last];
                lines << lineText(starts[m], last);
                firstLabels << starts[m];
            }
            const auto placed = PlaceOccupantLines(ring, houseIndex, lineWidths, fm.height());
            if (!placed)
                continue;
            layout.fontHeight = size;
            layout.fits = true;
            layout.lines = lines;
            layout.firstLabels = firstLabels;
            for (const Rect& r : *placed) {
                layout.lineBoxes << QRectF(r.left, r.top, r.width, r.height);
                layout.box |= layout.lineBoxes.back();
            }
            return layout;
        }
    }

    // Nothing fits: the smallest size on the anchor, in the number of lines
    // that overflows the house least in either direction (the house's width
    // there across, the ring's depth down), so that the text reaches as
    // little as it can over the spokes and circles around it.
    const QFontMetricsF fm(ChakraLabelFont(smallestFont, true));
    std::vector<std::vector<double>> widths(n, std::vector<double>(n, 0));
    for (int i = 0; i < n; ++i) {
        for (int j = i; j < n; ++j)
            widths[i][j] = fm.horizontalAdvance(lineText(i, j));
    }
    const RingGeometry& g = GeometryOf(ring);
    const double across = 2 * g.occupantsDistance * std::sin(15 * std::numbers::pi / 180);
    const double down = g.outerRadius - g.innerRadius - 2 * kOccupantMargin;
    int bestLines = n;
    double bestOverflow = std::numeric_limits<double>::infinity();
    for (int k = 1; k <= n; ++k) {
        double widest = 0;
        BalancedBreaks(widths, k, widest);
        const double overflow = std::max(widest / across, k * fm.height() / down);
        if (overflow < bestOverflow) {
            bestOverflow = overflow;
            bestLines = k;
        }
    }
    double widest = 0;
    const std::vector<int> starts = BalancedBreaks(widths, bestLines, widest);
    for (int m = 0; m < bestLines; ++m) {
        const int last = m + 1 < bestLines ? starts[m + 1] - 1 : n - 1;
        layout.lines << lineText(starts[m], last);
        layout.firstLabels << starts[m];
    }
    const Point anchor = OccupantAnchor(ring, houseIndex);
    const double height = bestLines * fm.height();
    layout.box = QRectF(anchor.x - widest / 2, anchor.y - height / 2, widest, height);
    for (int i = 0; i < bestLines; ++i) {
        layout.lineBoxes << QRectF(layout.box.left(), layout.box.top() + i * fm.height(), widest,
                                   fm.height());
    }
    layout.fontHeight = smallestFont;
    return layout;
}

int SmallestLabelFont(double scale, double smallestLabelPixels) {
    if (!(smallestLabelPixels > 0) || !(scale > 0))
        return kSmallestOccupantFont;
    return std::max(kSmallestOccupantFont,
                    static_cast<int>(std::ceil(smallestLabelPixels / scale - 1e-9)));
}

double ChakraScale(const QRectF& target) {
    const Rect bounds = ChakraBounds();
    return std::min(target.width() / bounds.width, target.height() / bounds.height);
}

void PaintChakra(QPainter& painter, const QRectF& target, const ChakraModel& model,
                 double smallestLabelPixels, const ChakraPalette& palette,
                 const ReadingOverlay& overlay) {
    const int smallestFont = SmallestLabelFont(ChakraScale(target), smallestLabelPixels);
    PaintChakra(painter, target, model, LayoutChakraTexts(model, overlay, smallestFont),
                smallestFont, palette, overlay);
}

void PaintChakra(QPainter& painter, const QRectF& target, const ChakraModel& model,
                 const ChakraTexts& texts, int smallestFont, const ChakraPalette& palette,
                 const ReadingOverlay& overlay) {
    painter.save();
    painter.fillRect(target, palette.background);

    const Rect bounds = ChakraBounds();
    const double scale = ChakraScale(target);
    if (!(scale > 0)) {
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.centre().x, -bounds.centre().y);

    const ReadingMarks marks = ReadingMarksOn(palette);
    if (overlay.reading && overlay.highlights)
        PaintHighlights(painter, overlay.reading->progression, scale, marks);
    PaintWheel(painter, scale, palette);

    const QFont numberFont =
        ChakraLabelFont(std::max(static_cast<int>(kLabelFontHeight), smallestFont), false);
    for (const Ring ring : AllOf<Ring>()) {
        const QColor& colour = palette.rings[ring].colour;
        for (int h = 0; h < 12; ++h) {
            const House& house = model.house(ring, h);
            const Rect box = SignNumberBox(ring, h);
            painter.setPen(colour);
            painter.setFont(numberFont);
            painter.drawText(QRectF(box.left, box.top, box.width, box.height), Qt::AlignCenter,
                             QString::number(SignNumber(house.sign)));

            const HouseText& text = texts[ring][static_cast<std::size_t>(h)];
            const OccupantLayout& layout = text.layout;
            if (layout.lines.isEmpty())
                continue;
            if (text.callout) {
                // A hairline in the ring's ink, whatever the ring's own line.
                painter.setPen(ChakraPen({colour, kLineWidthTwips, Qt::SolidLine}, scale));
                painter.drawLine(text.leaderFrom, text.leaderTo);
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                const double dot = std::max(kLeaderDotRadius, 2 * kThinnestLinePixels / scale);
                painter.drawEllipse(text.leaderTo, dot, dot);
                painter.setBrush(Qt::NoBrush);
            }
            if (text.transitLabels) {
                PaintMixedLines(painter, layout, text.occupants, colour, marks.transit);
                continue;
            }
            painter.setPen(colour);
            painter.setFont(ChakraLabelFont(layout.fontHeight, true));
            for (int i = 0; i < layout.lines.size(); ++i) {
                painter.drawText(layout.lineBoxes[i], Qt::AlignCenter | Qt::TextDontClip,
                                 layout.lines[i]);
            }
        }
    }
    painter.restore();
}

}  // namespace vellamor
