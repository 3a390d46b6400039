// SPDX-License-Identifier: GPL-3.0-or-later
// The result window and the drawing of the chakra: panels, tabs, the ring
// colours where the geometry puts them, crowded houses, and a picture of one
// finished chart.
#include "gui/result_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/chart/entry_form.h"
#include "fake_dialogs.h"
#include "gui/chakra_view.h"
#include "gui/dasha_panel.h"
#include "gui_tests.h"
#include "render/chakra_painter.h"

namespace vellamor {
namespace {

// 5 March 1980, 7:05, Indian Time, 18°31' N 73°51' E.
Chart SampleChart() {
    BirthData b;
    b.name = "Ananya Sharma";
    b.day = 5;
    b.month = 3;
    b.year = 1980;
    b.hour = 7;
    b.minute = 5;
    b.zoneIndex = 34;
    b.zoneHours = 5;
    b.zoneMinutes = 30;
    b.latDegrees = 18;
    b.latMinutes = 31;
    b.lonDegrees = 73;
    b.lonMinutes = 51;
    b.eastLongitude = true;
    b.city = "Pune";
    b.state = "Maharashtra";
    b.country = "India";
    return CalculateChart(b);
}

// Five retrograde planets in one sign, the longest text a house can get in
// practice.
ChakraModel CrowdedModel() {
    ChakraModel m = SampleChart().chakra;
    m.signOccupants[m.house(Ring::Birth, 0).sign] =
        OccupantsOf(QStringLiteral("S Me (R)  V (R)  Ma (R)  J (R)  Sa (R)  Asc"));
    return m;
}

bool Near(QColor a, QColor b, int tolerance = 60) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           tolerance;
}

// The same colour, perhaps dimmed where a thin line is smoothed over two
// pixels.
bool SameHue(QColor c, QColor target) {
    const int top = std::max({c.red(), c.green(), c.blue()});
    if (top < 110)
        return false;
    const double f = 255.0 / top;
    return Near(QColor(int(c.red() * f), int(c.green() * f), int(c.blue() * f)), target);
}

// Whether a colour appears within `radius` pixels of a point.
bool ColourNear(const QImage& image, QPointF p, QColor colour, int radius = 2) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint q(qRound(p.x()) + dx, qRound(p.y()) + dy);
            if (image.rect().contains(q) && SameHue(image.pixelColor(q), colour))
                return true;
        }
    }
    return false;
}

}  // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT

    FakeDialogs dialogs;  // a test that watches them has its own

  private slots:
    void panelsCarryTheChartTexts() {
        QString fileName;
        ResultWindow w(SampleChart(), fileName, dialogs);
        QCOMPARE(w.objectName(), QStringLiteral("frmSudarshanChakraResult"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Vellamor v1.15"));
        auto text = [&](const QString& name) {
            QLabel* l = w.findChild<QLabel*>(name);
            return l ? l->text() : QStringLiteral("<missing %1>").arg(name);
        };
        const QStringList captions{"Name",      "Date of Birth", "Time of Birth",
                                   "Time Zone", "Latitude",      "Longitude",
                                   "City",      "State",         "Country"};
        const QStringList values{"Ananya Sharma",
                                 "March 5, 1980",
                                 "7 HH 5 MM",
                                 "Indian Time, IST, +5.3",
                                 "18 Degree 31 Minute",
                                 "73 Degree 51 Minute",
                                 "Pune",
                                 "Maharashtra",
                                 "India"};
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(text(QStringLiteral("lblLabel1(%1)").arg(16 + i)), captions[i]);
            QCOMPARE(text(QStringLiteral("lblLabel2(%1)").arg(16 + i)), values[i]);
            QVERIFY(
                w.findChild<QLabel*>(QStringLiteral("lblLabel1(%1)").arg(16 + i))->font().bold());
        }
        QCOMPARE(text("lblEntryChoices"),
                 QStringLiteral("Daylight Saving box unticked; North latitude, East longitude"));
        QCOMPARE(text("lblLabel1(0)"), QStringLiteral("Sun"));
        // Mercury turned retrograde on 26 February 1980: the legend carries the
        // mark, the positions panel does not.
        QCOMPARE(text("lblLabel2(2)"), QStringLiteral("Me (R) "));
        QVERIFY(!text("lblLabel2(30)").contains("(R)"));
        QCOMPARE(text("lblLabel1(40)"), QStringLiteral("Asc"));
        QCOMPARE(text("lblLabel2(28)"), QStringLiteral("21 Aqu 20"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblLabel1(15)"))
                     ->palette()
                     .color(QPalette::Window),
                 QColor(255, 0, 0));
    }

    // The usual shortcuts, shown in the File menu beside their commands.
    void shortcutsRunTheirCommands() {
        FakeDialogs dialogs;
        QString fileName;
        auto* w = new ResultWindow(SampleChart(), fileName, dialogs);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const std::pair<const char*, QKeySequence> shortcuts[] = {
            {"mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"mnuExport", QKeySequence(Qt::CTRL | Qt::Key_E)},
            {"mnuBack", QKeySequence(Qt::CTRL | Qt::Key_W)}};
        for (const auto& [name, keys] : shortcuts) {
            QAction* action = w->findChild<QAction*>(QLatin1String(name));
            QVERIFY2(action, name);
            QCOMPARE(action->shortcut(), keys);
        }
        QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.saveRequests.size(), 1);
        QCOMPARE(dialogs.saveRequests[0].defaultSuffix, QStringLiteral("sud"));
        QTest::keyClick(w, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(dialogs.saveRequests.size(), 2);
        QCOMPARE(dialogs.saveRequests[1].defaultSuffix, QStringLiteral("png"));
        QSignalSpy back(w, &ResultWindow::backRequested);
        const QPointer<ResultWindow> alive(w);
        QTest::keyClick(w, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(back.size(), 1);
        QTRY_VERIFY(alive.isNull());
    }

    // At the size it asks for, every tab shows whole beside the chart.
    void defaultSizeShowsEveryTab() {
        QString fileName;
        ResultWindow w(SampleChart(), fileName, dialogs);
        w.show();
        w.resize(w.sizeHint());
        QTRY_COMPARE(w.size(), w.sizeHint());
        const auto* tabs = w.findChild<QTabBar*>(QStringLiteral("TS"));
        for (int k = 0; k < tabs->count(); ++k)
            QVERIFY2(tabs->rect().contains(tabs->tabRect(k)), qPrintable(tabs->tabText(k)));
    }

    // The window shrinks to 640 x 480 and the chart stays legible: its
    // normal labels at least 8 pixels tall, and even a crowded house's text;
    // the reading's controls can still be scrolled to.
    void smallWindowKeepsTheChartLegible() {
        QString fileName;
        ResultWindow w(SampleChart(), fileName, dialogs);
        w.show();
        w.resize(640, 480);
        QTRY_COMPARE(w.size(), QSize(640, 480));
        w.showPanel(4);
        auto* scroll = w.dashaPanel()->findChild<QScrollArea*>(QStringLiteral("dashaScroll"));
        for (const char* name : {"cmdNow", "dteReading"}) {
            auto* control = w.dashaPanel()->findChild<QWidget*>(QString::fromLatin1(name));
            scroll->ensureWidgetVisible(control, 0, 0);
            const QRect shown(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
            QVERIFY2(scroll->viewport()->rect().contains(shown), name);
        }
        const QWidget* view = w.findChild<QWidget*>(QStringLiteral("chakraView"));
        const double scale = std::min(view->width(), view->height()) / ChakraBounds().width;
        QVERIFY2(kLabelFontHeight * scale >= 8, qPrintable(QString::number(view->width())));
        const int smallest = SmallestLabelFont(scale, 8);
        const ChakraModel crowded = CrowdedModel();
        for (int r = 0; r < kRingCount; ++r) {
            const Ring ring = static_cast<Ring>(r);
            for (int h = 0; h < 12; ++h) {
                const Occupants& occupants = crowded.occupants(ring, h);
                if (occupants.empty())
                    continue;
                QVERIFY(LayoutOccupants(ring, h, occupants, smallest).fontHeight * scale >=
                        8 - 1e-9);
            }
        }
    }

    void tabsBringTheirPanelForward() {
        QString fileName;
        ResultWindow w(SampleChart(), fileName, dialogs);
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("TS"));
        QCOMPARE(tabs->count(), 5);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Birth Details"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Chart Details"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Positions"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("Stability"));
        QCOMPARE(w.currentPanel(), 0);
        for (int k : {2, 2, 3, 1, 0}) {
            tabs->setCurrentIndex(k);
            QCOMPARE(w.currentPanel(), k);
        }
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmdSave"))->text(),
                 QStringLiteral("&Save"));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmdBack"))->text(),
                 QStringLiteral("&Back"));
    }

    // Export writes the printable sheet where the user says, in the format
    // the name asks for, and reports a name it cannot serve.
    void exportWritesTheSheet() {
        FakeDialogs dialogs;
        QTemporaryDir dir;
        QString fileName;
        ResultWindow w(SampleChart(), fileName, dialogs);
        const QString png = dir.filePath(QStringLiteral("ananya.png"));
        dialogs.saveAnswers = {png, dir.filePath(QStringLiteral("ananya.svg")),
                               dir.filePath(QStringLiteral("ananya.jpg")), QString()};

        QVERIFY(w.onExport());
        const FileDialogRequest& first = dialogs.saveRequests[0];
        QVERIFY(first.filter.contains(QStringLiteral("*.png")));
        QVERIFY(first.filter.contains(QStringLiteral("*.svg")));
        QCOMPARE(first.defaultSuffix, QStringLiteral("png"));
        QCOMPARE(first.initialPath, QStringLiteral("Ananya Sharma.png"));
        QVERIFY(first.confirmOverwrite);
        QCOMPARE(QImage(png).size(), QSize(2000, 2000));

        QVERIFY(w.onExport());
        QCOMPARE(dialogs.saveRequests[1].initialPath, png);  // the last export's place
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("ananya.svg"))).size() > 0);

        QVERIFY(!w.onExport());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].icon, DialogIcon::Critical);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("The chart sheet could not be exported."));
        QVERIFY(dialogs.messages[0].informativeText.contains(QStringLiteral(".png, .svg or .pdf")));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("ananya.jpg"))));

        QVERIFY(!w.onExport());  // cancelled: nothing said
        QCOMPARE(dialogs.messages.size(), 1);
    }

    // The stability panel, the station dates on the legend and the zone note
    // beside the chart; the chart itself is the same with or without them.
    void stabilityIsShownBesideTheChart() {
        QString fileName;
        ResultWindow w(SampleChart(), fileName, dialogs);
        auto text = [&](const QString& name) {
            QLabel* l = w.findChild<QLabel*>(name);
            return l ? l->text() : QStringLiteral("<missing %1>").arg(name);
        };
        QVERIFY(text("lblLagnaWindow").startsWith("Lagna changes sign if birth was "));
        QVERIFY(text("lblMoonWindow").startsWith("Moon changes sign if birth was "));
        QCOMPARE(text("lblStation(2)"),
                 QStringLiteral("Mercury: retrograde from 26 February 1980 to 19 March 1980"));
        const QString tip = w.findChild<QLabel*>("lblLabel2(2)")->toolTip();
        QVERIFY2(tip.contains("26 February 1980"), qPrintable(tip));
        QVERIFY(!w.findChild<QLabel*>("lblZoneNote"));  // IST fits Pune

        Chart wrongZone = SampleChart();
        BirthData b = wrongZone.birth;
        b.zoneIndex = 27, b.zoneHours = 5, b.zoneMinutes = 0;  // EST in Pune
        ResultWindow note(CalculateChart(b), fileName, dialogs);
        QLabel* banner = note.findChild<QLabel*>("lblZoneNote");
        QVERIFY(banner);
        QVERIFY2(banner->text().contains("Eastern Standard Time"), qPrintable(banner->text()));
        QCOMPARE(note.chart().chakra.rings, CalculateChart(b).chakra.rings);
    }

    // The circles and the texts land where the twips put them, at any size
    // and pixel ratio.
    void drawingScalesWithItsTarget_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("small") << 360 << 1.0;
        QTest::newRow("window") << 720 << 1.0;
        QTest::newRow("high dpi") << 720 << 2.0;
    }

    void drawingScalesWithItsTarget() {
        QFETCH(int, side);
        QFETCH(qreal, ratio);
        QImage image(QSize(side, side) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            PaintChakra(p, QRectF(0, 0, side, side), SampleChart().chakra);
        }
        const double scale = side * ratio / ChakraBounds().width;
        auto at = [&](double distance, double angle) {
            const Point q = PolarPoint(distance, angle);
            return QPointF((q.x - ChakraBounds().left) * scale, (q.y - ChakraBounds().top) * scale);
        };
        QCOMPARE(image.pixelColor(at(0, 0).toPoint()), QColor(Qt::black));
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::black));
        // Each circle crosses every direction at its radius.
        for (double angle : {0.0, 45.0, 90.0, 200.0}) {
            QVERIFY(ColourNear(image, at(kSunOuterRadius, angle), QColor(255, 255, 0)));
            QVERIFY(ColourNear(image, at(kMoonOuterRadius, angle), QColor(255, 128, 255)));
            QVERIFY(ColourNear(image, at(kBirthOuterRadius, angle), QColor(255, 0, 0)));
            QVERIFY(ColourNear(image, at(kHubRadius, angle), QColor(255, 128, 0)));
        }
        // A spoke between houses 1 and 2, halfway out.
        QVERIFY(ColourNear(image, at(2000, 105), QColor(255, 128, 0)));
        // House 1 of the Sun ring (at the top) holds the Sun: yellow text.
        const QRectF label(at(3000, 90) - QPointF(300 * scale, 120 * scale),
                           QSizeF(600 * scale, 240 * scale));
        bool yellow = false;
        for (int y = int(label.top()); y < label.bottom() && !yellow; ++y)
            for (int x = int(label.left()); x < label.right() && !yellow; ++x)
                yellow = Near(image.pixelColor(x, y), QColor(255, 255, 0), 90);
        QVERIFY(yellow);
    }

    // Long occupant texts shrink and wrap, by whole labels, inside their house.
    void crowdedHousesStayInside_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("smallestFont");  // twips
        // Five retrograde planets: still at least 45% of the normal size.
        QTest::newRow("five retrograde") << "Me (R)  V (R)  Ma (R)  J (R)  Sa (R) " << 74;
        QTest::newRow("seven bodies") << "S Me (R)  V (R)  Ma (R)  J (R)  Sa (R)  Asc" << 66;
        QTest::newRow("four plain") << "S Me K Asc" << 100;
    }

    void crowdedHousesStayInside() {
        QFETCH(QString, text);
        QFETCH(int, smallestFont);
        for (int r = 0; r < kRingCount; ++r) {
            for (int h = 0; h < 12; ++h) {
                const Ring ring = static_cast<Ring>(r);
                const OccupantLayout layout = LayoutOccupants(ring, h, OccupantsOf(text));
                const QString where = QStringLiteral("ring %1 house %2").arg(r).arg(h + 1);
                QVERIFY2(layout.fits, qPrintable(where));
                QVERIFY2(layout.fontHeight >= smallestFont,
                         qPrintable(where + QStringLiteral(": %1").arg(layout.fontHeight)));
                QCOMPARE(layout.lineBoxes.size(), layout.lines.size());
                for (const QRectF& b : layout.lineBoxes) {
                    QVERIFY2(FitsInHouse(ring, h, Rect{b.left(), b.top(), b.width(), b.height()}),
                             qPrintable(where));
                }
                // Every label whole, in order, nothing lost.
                QStringList labels;
                for (const QString& line : layout.lines)
                    labels << line.split(u' ', Qt::SkipEmptyParts);
                QCOMPARE(labels, text.split(u' ', Qt::SkipEmptyParts));
            }
        }
    }

    void occupantTextsSplitBetweenLabels() {
        const Occupants some = OccupantsOf(QStringLiteral("S Me (R)  V Asc"));
        QCOMPARE(OccupantLabels(some), (QStringList{"S", "Me (R)", "V", "Asc"}));
        // A short text keeps the full size on one line, the double blank
        // after a retrograde mark included.
        const OccupantLayout plain =
            LayoutOccupants(Ring::Sun, 0, OccupantsOf(QStringLiteral("Me (R)  V")));
        QCOMPARE(plain.fontHeight, int(kLabelFontHeight));
        QCOMPARE(plain.lines, QStringList{QStringLiteral("Me (R)  V")});
        QVERIFY(LayoutOccupants(Ring::Moon, 3, Occupants()).lines.isEmpty());
    }
};

VELLAMOR_GUI_TEST(ResultWindowTest)

}  // namespace vellamor

#include "result_window_test.moc"
