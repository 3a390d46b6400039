// SPDX-License-Identifier: GPL-3.0-or-later
// The printable chart sheet in its three formats, on paper, and from the
// command line without a display.
#include "render/chart_sheet.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>

#include "cli/sheet_words.h"
#include "core/chart/chakra_layout.h"
#include "core/chart/chart_opening.h"
#include "core/chart/pipeline.h"
#include "core/reading/transits.h"
#include "gui/printing.h"
#include "render/chakra_painter.h"

namespace vellamor {
namespace {

// The sheet as the command line draws and exports it, in English.
QImage RenderChartSheet(const Chart& chart, int pixels = kSheetPixels,
                        const ReadingOverlay& overlay = {}) {
    return vellamor::RenderChartSheet(chart, pixels, overlay, EnglishSheetTexts(chart));
}
Expected<void, SheetExportError> ExportChartSheet(const Chart& chart, const QString& path) {
    return vellamor::ExportChartSheet(chart, path, {}, EnglishSheetTexts(chart));
}

// The chart labels in a drawn text: its words, a retrograde mark "(R)"
// counted with its planet.
qsizetype LabelCount(const QString& text) {
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    return words.size() - words.count(QStringLiteral("(R)"));
}

const QString kChart = QStringLiteral(VELLAMOR_REFERENCE_CHARTS "/chart-07.sud");

Chart ReferenceChart() {
    auto opened = OpenChartFile(QFile::encodeName(kChart).toStdString());
    EXPECT_TRUE(opened);
    return opened ? *opened : Chart{};
}

int Count(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            n += match(image.pixelColor(x, y));
    return n;
}
bool IsWhite(QColor c) {
    return c.red() > 250 && c.green() > 250 && c.blue() > 250;
}
bool IsInk(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}
auto Near(QColor want) {
    return [want](QColor c) {
        return std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                   std::abs(c.blue() - want.blue()) <
               30;
    };
}

// A page's printable area, 1000 dots for every 180 mm, that keeps every
// text drawn on it with its size in points and the largest circle drawn
// (the chakra's outer ring) in millimetres.
class PageRecorder final : public QPaintDevice, QPaintEngine {
  public:
    struct Text {
        QString text;
        double points;
        QRectF box;  // the line's full height and advance, in device units
    };
    static constexpr double kDotsPerMillimetre = 1000 / 180.0;
    static constexpr double kDotsPerInch = kDotsPerMillimetre * 25.4;
    explicit PageRecorder(QSizeF millimetres = {180, 267})
        : QPaintEngine(QPaintEngine::AllFeatures), m_millimetres(millimetres) {}
    std::vector<Text> texts;
    QRectF largestCircle;  // millimetres

    QPaintEngine* paintEngine() const override { return const_cast<PageRecorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawEllipse(const QRectF& r) override {
        const QRectF dots = painter()->deviceTransform().mapRect(r);
        const QRectF mm(dots.topLeft() / kDotsPerMillimetre, dots.size() / kDotsPerMillimetre);
        if (mm.width() > largestCircle.width())
            largestCircle = mm;
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QTransform device = painter()->deviceTransform();
        const double pixels = item.font().pixelSize() * device.m22();
        const QFontMetricsF fm(item.font());
        const QRectF box(p.x(), p.y() - fm.ascent(), fm.horizontalAdvance(item.text()),
                         fm.height());
        texts.push_back({item.text(), pixels / kDotsPerInch * 72, device.mapRect(box)});
    }
    Type type() const override { return QPaintEngine::User; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return qRound(m_millimetres.width() * kDotsPerMillimetre);
            case PdmHeight:
                return qRound(m_millimetres.height() * kDotsPerMillimetre);
            case PdmWidthMM:
                return qRound(m_millimetres.width());
            case PdmHeightMM:
                return qRound(m_millimetres.height());
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return qRound(kDotsPerInch);
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(m);
        }
    }

  private:
    QSizeF m_millimetres;
};

// Nine bodies in one sign: 5 February 1962, 7:20, Indian Time, Delhi.
Chart CrowdedChart(const std::string& name, int hour = 7, int minute = 20) {
    BirthData b;
    b.name = name;
    b.day = 5;
    b.month = 2;
    b.year = 1962;
    b.hour = hour;
    b.minute = minute;
    b.zoneIndex = 34;
    b.zoneHours = 5;
    b.zoneMinutes = 30;
    b.latDegrees = 28;
    b.latMinutes = 36;
    b.lonDegrees = 77;
    b.lonMinutes = 12;
    b.eastLongitude = true;
    b.city = "Delhi";
    b.state = "Delhi";
    b.country = "India";
    return CalculateChart(b);
}

// WCAG's relative luminance and contrast ratio.
double Luminance(QColor c) {
    auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double Contrast(QColor a, QColor b) {
    // By value: minmax of two arguments would return references to them.
    const auto [dark, light] = std::minmax({Luminance(a), Luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}
QColor Grey(QColor c) {
    const int g = qGray(c.rgb());
    return QColor(g, g, g);
}
// A translucent mark laid on white paper.
QColor OnWhite(QColor mark) {
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    QPainter(&pixel).fillRect(pixel.rect(), mark);
    return pixel.pixelColor(0, 0);
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ChartSheetTest, PngIsTwoThousandPixelsSquareOnWhiteWithEachRingInItsInk) {
    const QImage sheet = RenderChartSheet(ReferenceChart());
    ASSERT_EQ(sheet.size(), QSize(2000, 2000));
    // White paper round the edges and under the chakra (no dark square to
    // waste ink); each ring's ink where the layout puts the chakra; dark
    // type in the title band and beside the chakra.
    EXPECT_EQ(Count(sheet, QRect(0, 0, 2000, 40), IsWhite), 1000 * 20);
    const QRect chakra(80, 224, 1280, 1280);
    EXPECT_GT(Count(sheet, chakra, IsWhite), chakra.width() * chakra.height() / 4 * 3 / 4);
    EXPECT_EQ(Count(sheet, chakra, [](QColor c) { return c.lightness() < 20; }), 0);
    for (const ChakraLine& ring : PaperPalette().rings)
        EXPECT_GT(Count(sheet, chakra, Near(ring.colour)), 500) << ring.colour.name().toStdString();
    EXPECT_GT(Count(sheet, QRect(80, 56, 1840, 100), IsInk), 1000);
    EXPECT_GT(Count(sheet, QRect(1412, 224, 508, 1000), IsInk), 1000);
}

// The reading's date and time stand on the sheet only when its marks are
// drawn; then the chakra carries the transits' colour.
TEST(ChartSheetTest, ReadingAppearsOnlyWithItsMarks) {
    const Chart chart = ReferenceChart();
    const auto reading = ComputeReading(chart, {2026, 12, 7, 12, 0});
    ASSERT_TRUE(reading);
    const QImage plain = RenderChartSheet(chart);
    EXPECT_EQ(RenderChartSheet(chart, kSheetPixels, {&*reading, false, false}), plain);

    const QImage marked = RenderChartSheet(chart, kSheetPixels, {&*reading, true, true});
    // The title band's right end now holds the reading's lines.
    const QRect readingBand(1300, 56, 620, 100);
    EXPECT_NE(marked.copy(readingBand), plain.copy(readingBand));
    EXPECT_GT(Count(marked, readingBand, IsInk), 300);
    const QRect chakra(80, 224, 1280, 1280);
    EXPECT_GT(
        Count(marked, chakra, [](QColor c) { return c == ReadingMarksOn(PaperPalette()).transit; }),
        100);
}

// A greyscale print keeps the rings apart: by the lightness of their inks
// and by the style of their circles.
TEST(ChartSheetTest, PaperRingsDifferInGreyAndInLine) {
    const auto& rings = PaperPalette().rings.values;
    for (std::size_t a = 0; a < rings.size(); ++a) {
        for (std::size_t b = a + 1; b < rings.size(); ++b) {
            EXPECT_GE(std::abs(qGray(rings[a].colour.rgb()) - qGray(rings[b].colour.rgb())), 30)
                << a << " " << b;
            EXPECT_NE(rings[a].style, rings[b].style) << a << " " << b;
        }
        // Dark enough to read as text on white.
        EXPECT_LT(qGray(rings[a].colour.rgb()), 150) << a;
    }
}

// Every ink of the chakra keeps 4.5:1 to the paper and to both highlights
// of a reading, in colour and in a greyscale print.
TEST(ChartSheetTest, InksKeepTheirContrastOnPaperAndHighlights) {
    const ReadingMarks marks = ReadingMarksOn(PaperPalette());
    std::vector<QColor> inks{marks.transit};
    for (const ChakraLine& ring : PaperPalette().rings)
        inks.push_back(ring.colour);
    for (const QColor& ground : {QColor(Qt::white), OnWhite(marks.month), OnWhite(marks.year)}) {
        for (const QColor& ink : inks) {
            EXPECT_GE(Contrast(ink, ground), 4.5)
                << ink.name().toStdString() << " on " << ground.name().toStdString();
            EXPECT_GE(Contrast(Grey(ink), Grey(ground)), 4.5)
                << ink.name().toStdString() << " on " << ground.name().toStdString();
        }
    }
}

// With a reading, the sheet adds the running spans of both dashas under the
// positions, each row's words in their columns, and still fits A4 and US
// Letter (their printable areas within 15 mm margins) with the chakra as
// large as on the sheet without it. No text is under 6 points, not even in
// a house of nine bodies with the transits beside them; a long name's title
// is shown whole, and the sheet speaks the words it is given.
TEST(ChartSheetTest, ReadingSectionKeepsTheChakraTheSmallestTextAndTheGivenWords) {
    struct Case {
        const char* paper;
        QSizeF millimetres;
        Chart chart;
        CivilDateTime reading;
        std::vector<const char*> rows;  // texts in drawing order, blank-joined
    };
    const Case cases[] = {
        {"A4",
         {180, 267},
         ReferenceChart(),
         {2026, 12, 7, 12, 0},
         // The year's house is the 3rd: Aquarius in the Sun's ring, Sagittarius
         // in the Moon's, Libra in the birth ring; the Moon's nakshatra
         // (Swati) gives Rahu's cycle, and Saturn's mahadasha runs in 2026.
         {"Sudarshan Dasha House Sun Chart Moon Chart Birth Chart From To",
          "Year 27 3 11 Aqu 9 Sag 7 Lib January 1, 2026, 02:21 January 1, 2027, 02:21",
          "Period 3 4 12 Pis 10 Cap 8 Sco December 6, 2026, 18:01 December 9, 2026, 06:51",
          "Vimshottari Dasha Lord From To",
          "Mahadasha Saturn July 15, 2019, 12:58 July 15, 2038, 06:58",
          "Pratyantardasha Sun November 15, 2026, 01:19 January 11, 2027, 21:16"}},
        {"Letter",
         {215.9 - 30, 279.4 - 30},
         CrowdedChart("Bhagyashree Venkataramanaswamy Raghunathan"),
         {2026, 12, 7, 12, 0},
         // Ascendant, Sun and Moon all in Capricorn: every ring the same.
         {"Year 65 5 2 Tau 2 Tau 2 Tau February 5, 2026, 07:20 February 5, 2027, 07:20",
          "Antardasha Venus June 12, 2025, 18:35 April 12, 2028, 15:35", "Bhagyashree",
          "Venkataramanaswamy", "Raghunathan", "Grahon ki sthiti"}},
        {"A4, 2020", {180, 267}, ReferenceChart(), {2020, 1, 1, 12, 0}, {"Pratyantardasha"}},
    };
    for (const Case& c : cases) {
        const auto reading = ComputeReading(c.chart, c.reading);
        ASSERT_TRUE(reading) << c.paper;
        SheetTexts words = EnglishSheetTexts(c.chart);
        words.positionsHeading = QStringLiteral("Grahon ki sthiti");
        auto paint = [&](const ReadingOverlay& overlay) {
            auto page = std::make_unique<PageRecorder>(c.millimetres);
            QPainter painter(page.get());
            PaintChartSheetPage(painter, c.chart, overlay, words);
            painter.end();
            return page;
        };
        const auto plain = paint({});
        const auto page = paint({&*reading, true, true});

        EXPECT_GT(plain->largestCircle.width(), 100) << c.paper;
        EXPECT_GE(page->largestCircle.width(), plain->largestCircle.width() - 1e-6) << c.paper;
        EXPECT_GE(page->largestCircle.height(), plain->largestCircle.height() - 1e-6) << c.paper;
        QString all;
        for (const auto& t : page->texts) {
            EXPECT_GE(t.points, 6 - 1e-9) << c.paper << ": " << t.text.toStdString();
            EXPECT_LE(t.box.bottom(), page->height() + 1e-6)
                << c.paper << ": " << t.text.toStdString();
            all += t.text + u' ';
        }
        for (const char* row : c.rows)
            EXPECT_TRUE(all.contains(QString::fromUtf8(row))) << c.paper << ": " << row;
        // The footer, drawn last, is on the page and nothing stands over it.
        const QRectF footer = page->texts.back().box;
        EXPECT_LE(footer.bottom(), page->height() + 1e-6) << c.paper;
        for (std::size_t i = 0; i + 1 < page->texts.size(); ++i) {
            const QRectF both = page->texts[i].box.intersected(footer);
            EXPECT_TRUE(both.width() < 1 || both.height() < 1)
                << c.paper << ": " << page->texts[i].text.toStdString();
        }
        EXPECT_FALSE(all.contains(QChar(0x2026))) << c.paper;
        EXPECT_FALSE(all.contains(QStringLiteral("Planetary Positions"))) << c.paper;
    }
}

// A house too full for its labels hands them to a callout in empty space.
// In the crowded chart, on paper and on screen, each label drawn keeps the
// smallest size, stays inside the chakra's square, off every circle and
// spoke, and clear of every other text; none is lost.
TEST(ChartSheetTest, CrowdedLabelsKeepTheirSizeAndTheirRoom) {
    const Chart crowded = CrowdedChart("Crowded Sky");
    const Chart dawn = CrowdedChart("Crowded Dawn", 6, 0);
    struct Case {
        const char* name;
        double side;   // the chakra's square, in device units
        double floor;  // the smallest text, in device units
        const ChakraPalette& palette;
        std::optional<CivilDateTime> reading;  // none: the chakra without one
        bool highlights;
        bool atDawn = false;  // the birth at 6:00 instead of 7:20
    };
    const CivilDateTime december{2026, 12, 7, 12, 0};
    const Case cases[] = {
        {"sheet", 640, kSheetSmallestTextUnits, PaperPalette(), december, true},
        {"sheet, no reading", 640, kSheetSmallestTextUnits, PaperPalette(), {}, false},
        {"window", 630, 8, ScreenPalette(), december, true},
        {"small window", 420, 8, ScreenPalette(), december, false},
        // Every label at the normal size: a callout outside the Sun ring.
        {"smallest window", 350, 8, ScreenPalette(), december, false},
        // Callouts pressed against the Sun ring, and leaders that could cross.
        {"sheet, 1990", 640, kSheetSmallestTextUnits, PaperPalette(), {{1990, 9, 5, 12, 0}}, true},
        {"window, 1990", 630, 8, ScreenPalette(), {{1990, 9, 5, 12, 0}}, true},
        {"smallest window, 2028", 350, 8, ScreenPalette(), {{2028, 9, 20, 12, 0}}, false},
        // A 640 x 480 screen: callouts in the hub.
        {"640 x 480", 340, 8, ScreenPalette(), {}, false, true},
    };
    const Rect bounds = ChakraBounds();
    const double circles[] = {kHubRadius, kBirthOuterRadius, kMoonOuterRadius, kSunOuterRadius};
    // A callout keeps this far from the circles and the sign numbers, so
    // that it does not seem to touch them.
    constexpr double kCalloutClearance = 2;  // device units
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Chart& chart = c.atDawn ? dawn : crowded;
        std::optional<ChartReading> reading;
        if (c.reading) {
            auto computed = ComputeReading(chart, *c.reading);
            ASSERT_TRUE(computed);
            reading = *std::move(computed);
        }
        const ReadingOverlay overlay =
            reading ? ReadingOverlay{&*reading, c.highlights, true} : ReadingOverlay{};
        EnumArray<Sign, Occupants> transits{};
        if (reading)
            transits = TransitOccupants(reading->transits);
        PageRecorder recorder;
        QPainter painter(&recorder);
        PaintChakra(painter, QRectF(0, 0, c.side, c.side), chart.chakra, c.floor, c.palette,
                    overlay);
        painter.end();

        // Device units back to the chakra's twips.
        const double scale = c.side / bounds.width;

        // Callouts keep the labels' margin from the Sun ring, and their
        // leaders never cross.
        const ChakraTexts laid =
            LayoutChakraTexts(chart.chakra, overlay, SmallestLabelFont(scale, c.floor));
        std::vector<QLineF> leaders;
        for (const auto& ring : laid) {
            for (const HouseText& text : ring) {
                if (!text.callout)
                    continue;
                const QRectF& box = text.layout.box;
                const QPointF nearest(std::clamp(kChakraCentre.x, box.left(), box.right()),
                                      std::clamp(kChakraCentre.y, box.top(), box.bottom()));
                const double far = std::max(
                    {std::hypot(box.left() - kChakraCentre.x, box.top() - kChakraCentre.y),
                     std::hypot(box.right() - kChakraCentre.x, box.top() - kChakraCentre.y),
                     std::hypot(box.left() - kChakraCentre.x, box.bottom() - kChakraCentre.y),
                     std::hypot(box.right() - kChakraCentre.x, box.bottom() - kChakraCentre.y)});
                const double near =
                    std::hypot(nearest.x() - kChakraCentre.x, nearest.y() - kChakraCentre.y);
                EXPECT_TRUE(far <= kHubRadius - kOccupantMargin ||
                            near >= kSunOuterRadius + kOccupantMargin)
                    << text.layout.lines.join(u' ').toStdString() << " " << near;
                leaders.emplace_back(text.leaderFrom, text.leaderTo);
            }
        }
        for (std::size_t i = 0; i < leaders.size(); ++i)
            for (std::size_t j = i + 1; j < leaders.size(); ++j)
                EXPECT_NE(leaders[i].intersects(leaders[j]), QLineF::BoundedIntersection)
                    << "leaders " << i << " and " << j;
        std::vector<QRectF> boxes;
        for (const auto& t : recorder.texts) {
            boxes.emplace_back(bounds.left + t.box.left() / scale, bounds.top + t.box.top() / scale,
                               t.box.width() / scale, t.box.height() / scale);
        }
        qsizetype labels = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const QString& text = recorder.texts[i].text;
            const std::string where = std::string(c.name) + ": " + text.toStdString();
            bool number = false;
            text.toInt(&number);
            if (number)  // a sign number, in its own box
                continue;
            labels += LabelCount(text);
            const QRectF& box = boxes[i];
            EXPECT_GE(box.height() * scale, c.floor) << where;
            EXPECT_TRUE(QRectF(bounds.left, bounds.top, bounds.width, bounds.height).contains(box))
                << where;
            const auto from = [](QPointF p) {
                return std::hypot(p.x() - kChakraCentre.x, p.y() - kChakraCentre.y);
            };
            const QPointF nearest(std::clamp(kChakraCentre.x, box.left(), box.right()),
                                  std::clamp(kChakraCentre.y, box.top(), box.bottom()));
            const double farthest = std::max({from(box.topLeft()), from(box.topRight()),
                                              from(box.bottomLeft()), from(box.bottomRight())});
            for (double radius : circles)
                EXPECT_TRUE(farthest < radius || from(nearest) > radius) << where << " " << radius;
            const bool callout = farthest < kHubRadius || from(nearest) > kSunOuterRadius;
            const double clear = callout ? kCalloutClearance / scale : 0;
            for (double radius : circles) {
                EXPECT_TRUE(!callout || farthest < radius - clear || from(nearest) > radius + clear)
                    << where << " near the circle " << radius;
            }
            for (int k = 0; k < 12; ++k) {
                const Segment spoke = Spoke(k);
                bool crossed = false;
                for (double f = 0; f <= 1 && !crossed; f += 1 / 512.0) {
                    crossed = box.contains(QPointF(spoke.from.x + f * (spoke.to.x - spoke.from.x),
                                                   spoke.from.y + f * (spoke.to.y - spoke.from.y)));
                }
                EXPECT_FALSE(crossed) << where << " spoke " << k;
            }
            for (std::size_t j = 0; j < boxes.size(); ++j) {
                // Kept clear of the sign numbers; a callout's own lines
                // stand line under line.
                bool other = false;
                recorder.texts[j].text.toInt(&other);
                const double apart = other ? clear : 0;
                const QRectF both =
                    box.adjusted(-apart, -apart, apart, apart).intersected(boxes[j]);
                EXPECT_TRUE(j == i || both.width() < 1 || both.height() < 1)
                    << where << " over " << recorder.texts[j].text.toStdString();
            }
        }
        qsizetype expected = 0;
        for (const Ring r : AllOf<Ring>()) {
            for (int h = 0; h < 12; ++h) {
                const Sign sign = chart.chakra.house(r, h).sign;
                expected += chart.chakra.occupants(sign).size();
                if (overlay.transits)
                    expected += transits[sign].size();
            }
        }
        EXPECT_EQ(labels, expected) << c.name;
    }
}

// A name too long for its field is made smaller until it fits; one too long
// even at the smallest size ends in an ellipsis. No text is dropped unmarked.
TEST(ChartSheetTest, LongNameShrinksOrEndsInAnEllipsis) {
    const Chart chart = ReferenceChart();
    struct Case {
        const char* name;
        bool whole;
    };
    const Case cases[] = {
        {"Shrimati Annapurna Venkataraghavan Iyengar", true},
        {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", false},
    };
    for (const Case& c : cases) {
        SheetTexts texts = EnglishSheetTexts(chart);
        texts.title = QStringLiteral("Sudarshan Chakra");
        texts.details[Detail::Name] = QString::fromUtf8(c.name);
        const auto svg = EncodeChartSheet(chart, SheetFormat::Svg, {}, texts);
        ASSERT_TRUE(svg) << c.name;
        const QString text = QString::fromUtf8(*svg);
        const bool ellipsis =
            text.contains(QChar(0x2026)) || text.contains(QStringLiteral("&#x2026;"));
        EXPECT_EQ(ellipsis, !c.whole) << c.name;
        for (const QString& word : QString::fromUtf8(c.name).split(u' ')) {
            EXPECT_TRUE(text.contains(c.whole ? word : word.left(12))) << c.name;
        }
    }
}

// The PDF takes the locale's paper; the sheet's 180 mm square within 15 mm
// margins fits A4 and US Letter alike.
TEST(ChartSheetTest, PdfPaperFollowsTheLocaleAndTheSheetFitsBoth) {
    struct Case {
        QLocale locale;
        QPageSize::PageSizeId page;
        const char* mediaBox;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), QPageSize::Letter, "0 0 612"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), QPageSize::A4, "0 0 595"},
        {QLocale(QLocale::Hindi, QLocale::India), QPageSize::A4, "0 0 595"},
    };
    const Chart chart = ReferenceChart();
    const QLocale before;
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const std::string name = c.locale.name().toStdString();
        EXPECT_EQ(SheetPageSize(c.locale).id(), c.page) << name;
        const QSizeF mm = SheetPageSize(c.locale).size(QPageSize::Millimeter);
        EXPECT_GE(std::min(mm.width(), mm.height()) - 2 * 15, 180) << name;

        QLocale::setDefault(c.locale);
        const QString pdf = dir.filePath(c.locale.name() + ".pdf");
        EXPECT_TRUE(ExportChartSheet(chart, pdf)) << name;
        EXPECT_TRUE(Contents(pdf).contains(QByteArray("/MediaBox [") + c.mediaBox)) << name;
    }
    QLocale::setDefault(before);
}

TEST(ChartSheetTest, ExportsEachFormatAndRefusesOtherNames) {
    const Chart chart = ReferenceChart();
    QTemporaryDir dir;

    const QString png = dir.filePath("sheet.PNG");
    EXPECT_TRUE(ExportChartSheet(chart, png));
    EXPECT_EQ(QImage(png).size(), QSize(2000, 2000));

    const QString svg = dir.filePath("sheet.svg");
    EXPECT_TRUE(ExportChartSheet(chart, svg));
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 1000, 1000));
    EXPECT_TRUE(Contents(svg).contains("width=\"180.")) << "180 mm across";
    const QByteArray svgText = Contents(svg);
    EXPECT_TRUE(svgText.contains("Awjgafgk Uzkhmjvny"));  // text stays text
    EXPECT_TRUE(svgText.contains("Birth Chart"));

    const QString pdf = dir.filePath("sheet.pdf");
    EXPECT_TRUE(ExportChartSheet(chart, pdf));
    const QByteArray pdfBytes = Contents(pdf);
    EXPECT_TRUE(pdfBytes.startsWith("%PDF-"));
    EXPECT_EQ(pdfBytes.count("/Type /Page\n") + pdfBytes.count("/Type /Page\r"), 1);

    const QString jpg = dir.filePath("sheet.jpg");
    const auto refused = ExportChartSheet(chart, jpg);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, SheetExportError::Kind::UnknownFormat);
    EXPECT_FALSE(QFile::exists(jpg));

    const QString nowhere = dir.filePath("missing/sheet.png");
    const auto unwritable = ExportChartSheet(chart, nowhere);
    ASSERT_FALSE(unwritable);
    EXPECT_EQ(unwritable.error().replace.systemError, ENOENT);
    EXPECT_FALSE(QFile::exists(nowhere));
}

// A disk that fills up while the sheet is written: every format keeps the
// old file byte for byte, says why in the system's words, and leaves no
// temporary file. (A file-size limit stands in for the full disk.)
TEST(ChartSheetTest, AFailedExportKeepsTheOldSheetAndSaysWhy) {
    const Chart chart = ReferenceChart();
    for (const char* name : {"sheet.png", "sheet.svg", "sheet.pdf"}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(name));
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("the good sheet");
        }
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit small{1024, saved.rlim_max};
        const auto previous = ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        const auto exported = ExportChartSheet(chart, path);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, previous);
        ASSERT_FALSE(exported) << name;
        EXPECT_EQ(exported.error().path, path.toStdString()) << name;
        EXPECT_EQ(exported.error().replace.systemError, EFBIG) << name;
        EXPECT_EQ(Contents(path), QByteArray("the good sheet")) << name;
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QString::fromLatin1(name)});
    }
}

TEST(ChartSheetTest, PrintsOnePage) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    PrintChartSheet(printer, ReferenceChart());
    const QByteArray bytes = Contents(dir.filePath("printed.pdf"));
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_GT(bytes.size(), 5000);
}

// The real program, with no display of any kind in its environment; and
// with no font at all (a server, a container), where every format is
// refused, naming the font, and nothing is written.
TEST(ChartSheetTest, CommandLineExportNeedsNoDisplay) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcessEnvironment fontless = env;
    const QString noFonts = dir.filePath("no-fonts.conf");
    {
        QFile conf(noFonts);
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" +
                   QFile::encodeName(dir.filePath("cache")) + "</cachedir></fontconfig>\n");
    }
    fontless.insert(QStringLiteral("FONTCONFIG_FILE"), noFonts);
    fontless.insert(QStringLiteral("QT_QPA_FONTDIR"), dir.filePath("none"));
    struct Case {
        QStringList args;
        QString output;
        bool withFonts = true;
    };
    const QString fromFile = dir.filePath("from-file.png");
    const QString fromOptions = dir.filePath("from-options.png");
    const Case cases[] = {
        {{"--export", fromFile, kChart}, fromFile},
        {{"--export", fromOptions, "--name",  "Ravi Kumar",  "--date",    "1980-03-05", "--time",
          "07:05",    "--zone",    "34",      "--lat",       "18:31N",    "--lon",      "73:51E",
          "--city",   "Pune",      "--state", "Maharashtra", "--country", "India"},
         fromOptions},
        {{"--export", dir.filePath("boxes.png"), kChart}, dir.filePath("boxes.png"), false},
        {{"--export", dir.filePath("boxes.pdf"), kChart}, dir.filePath("boxes.pdf"), false},
        {{"--export", dir.filePath("boxes.svg"), kChart}, dir.filePath("boxes.svg"), false},
    };
    for (const Case& c : cases) {
        QProcess program;
        program.setProcessEnvironment(c.withFonts ? env : fontless);
        program.start(QStringLiteral(VELLAMOR_PROGRAM), c.args);
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        const QByteArray err = program.readAllStandardError();
        if (!c.withFonts) {
            EXPECT_EQ(program.exitCode(), 1) << c.output.toStdString();
            EXPECT_TRUE(err.contains(": not written: no installed font has \"") &&
                        err.contains("DejaVu Sans"))
                << err.toStdString();
            EXPECT_FALSE(QFile::exists(c.output)) << c.output.toStdString();
            continue;
        }
        EXPECT_EQ(program.exitCode(), 0) << err.toStdString();
        EXPECT_EQ(err, QByteArray());
        EXPECT_EQ(QImage(c.output).size(), QSize(2000, 2000)) << c.output.toStdString();
    }
}

}  // namespace
}  // namespace vellamor
