// SPDX-License-Identifier: GPL-3.0-or-later
// The "Dasha and Transits" tab and the reading drawn on the chakra.
#include "gui/dasha_panel.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "fake_dialogs.h"
#include "gui/chakra_view.h"
#include "gui/result_window.h"
#include "gui_tests.h"
#include "render/chakra_painter.h"

namespace vellamor {
namespace {

// 5 March 1980, 7:05, Indian Time, Pune.
Chart PuneChart() {
    BirthData b;
    b.name = "Ananya Sharma";
    b.day = 5, b.month = 3, b.year = 1980, b.hour = 7, b.minute = 5;
    b.zoneIndex = 34, b.zoneHours = 5, b.zoneMinutes = 30;
    b.latDegrees = 18, b.latMinutes = 31, b.lonDegrees = 73, b.lonMinutes = 51;
    b.eastLongitude = true;
    b.city = "Pune";
    return CalculateChart(b);
}

QDateTime Clock(int y, int mo, int d, int h, int mi) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC);
}

QImage Picture(const ChakraModel& model, const ReadingOverlay& overlay, int side = 600) {
    QImage image(side, side, QImage::Format_RGB32);
    QPainter p(&image);
    PaintChakra(p, QRectF(0, 0, side, side), model, 0, ScreenPalette(), overlay);
    return image;
}

}  // namespace

class DashaPanelTest : public QObject {
    Q_OBJECT

    FakeDialogs dialogs;  // a test that watches them has its own

  private slots:
    void tabShowsTheRunningDashaAndTransits() {
        QString fileName;
        ResultWindow w(PuneChart(), fileName, dialogs);
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("TS"));
        QCOMPARE(tabs->tabText(4), QStringLiteral("Dasha and Transits"));
        tabs->setCurrentIndex(4);
        QCOMPARE(w.currentPanel(), 4);

        DashaPanel* panel = w.dashaPanel();
        auto* edit = panel->findChild<QDateTimeEdit*>(QStringLiteral("dteReading"));
        // Starts at the present instant on the birth's clock, marks off.
        QVERIFY(std::abs(edit->dateTime().secsTo(DashaPanel::NowOnBirthClock(PuneChart().birth))) <
                120);
        QVERIFY(!panel->findChild<QCheckBox*>(QStringLiteral("chkHighlights"))->isChecked());
        QVERIFY(!panel->findChild<QCheckBox*>(QStringLiteral("chkTransits"))->isChecked());
        QVERIFY(!panel->overlay().shown());

        edit->setDateTime(Clock(2026, 12, 7, 12, 0));
        QVERIFY(panel->reading());
        auto text = [&](const char* name) {
            return panel->findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        QVERIFY(text("lblRunning").contains(QStringLiteral("Year of life 47")));
        QVERIFY(text("lblRunning").contains(QStringLiteral("4 December 2026 01:05")));
        QVERIFY(text("lblCycle").contains(QStringLiteral("Years 37 to 48")));
        QVERIFY(text("lblCycle").contains(QStringLiteral("\u25b647 ")));
        QCOMPARE(text("lblTransits").count(QStringLiteral("<tr>")), 13);
        // Moon in Chitra: Mars's remnant, then the cycle to Mars again (ten
        // mahadashas); Saturn runs, and in it Venus, both marked.
        QVERIFY(text("lblVimshottari").contains(QStringLiteral("365.25")));
        QCOMPARE(text("lblVimshottari").count(QStringLiteral("<tr")), 10 + 9);
        QVERIFY(text("lblVimshottari")
                    .contains(QStringLiteral("\u25b6Saturn </td><td>25 December 2019")));
        QVERIFY(text("lblVimshottari").contains(QStringLiteral("Antardashas of Saturn")));
        QVERIFY(text("lblVimshottari")
                    .contains(QStringLiteral("\u25b6Venus </td><td>16 October 2026")));

        // A refused reading says why and leaves nothing to draw.
        edit->setDateTime(Clock(1979, 1, 1, 0, 0));
        QVERIFY(!panel->reading());
        QCOMPARE(text("lblReadingError"), QStringLiteral("The reading is before the birth."));
        QVERIFY(text("lblRunning").isEmpty());

        panel->findChild<QPushButton*>(QStringLiteral("cmdNow"))->click();
        QVERIFY(panel->reading());
    }

    // Off, the picture is the classic one; each switch changes it, and the
    // view repaints as soon as the reading moves.
    void chakraDrawsTheReadingOnRequest() {
        const Chart chart = PuneChart();
        const ChartReading reading = *ComputeReading(chart, {2026, 12, 7, 12, 0});
        const QImage classic = Picture(chart.chakra, {});
        QCOMPARE(Picture(chart.chakra, {&reading, false, false}), classic);
        const QImage highlighted = Picture(chart.chakra, {&reading, true, false});
        const QImage moving = Picture(chart.chakra, {&reading, false, true});
        QVERIFY(highlighted != classic);
        QVERIFY(moving != classic);
        // The transiting bodies in their own colour.
        bool green = false;
        for (int y = 0; y < moving.height() && !green; ++y) {
            for (int x = 0; x < moving.width() && !green; ++x)
                green = moving.pixelColor(x, y) == kTransitColour;
        }
        QVERIFY(green);

        QString fileName;
        ResultWindow w(chart, fileName, dialogs);
        w.dashaPanel()->findChild<QCheckBox*>(QStringLiteral("chkTransits"))->setChecked(true);
        w.dashaPanel()->setReadingTime(Clock(2026, 12, 7, 12, 0));
        const QImage before = w.chakraView()->grab().toImage();
        w.dashaPanel()->setReadingTime(Clock(2027, 6, 1, 12, 0));
        QVERIFY(w.chakraView()->grab().toImage() != before);
    }

    // A house's tooltip reads it at full size: ring, house, sign, bodies,
    // and the reading's part when it is shown.
    void houseToolTipsNameWhatTheHouseHolds() {
        const Chart chart = PuneChart();
        const ChartReading reading = *ComputeReading(chart, {2026, 12, 7, 12, 0});
        QCOMPARE(HouseToolTip(chart.chakra, {}, Ring::Birth, 0),
                 QStringLiteral("Birth ring, house 1, sign 11 (Aqu)\nS Me (R) K Asc"));
        // House 11 rules year 47 and holds no birth body in the birth ring.
        const QString shown = HouseToolTip(chart.chakra, {&reading, true, true}, Ring::Birth, 10);
        QVERIFY(
            shown.startsWith(QStringLiteral("Birth ring, house 11, sign 9 (Sag)\nNo birth body")));
        QVERIFY(shown.contains(QStringLiteral("House of year 47")));
        QVERIFY(!shown.contains(QStringLiteral("House of month")));
        int transiting = 0;
        for (int h = 0; h < 12; ++h) {
            transiting += HouseToolTip(chart.chakra, {&reading, false, true}, Ring::Sun, h)
                              .contains(QStringLiteral("Transiting: "));
        }
        QVERIFY(transiting > 0);
    }

    // Six birth bodies and four transiting ones share a house in every ring
    // and keep a readable size, inside the house.
    void crowdedHouseWithTransitsStaysLegible() {
        const QString text = QStringLiteral("S Me (R)  V (R)  Ma J Sa M U (R)  N (R)  P");
        for (int r = 0; r < kRingCount; ++r) {
            for (int h = 0; h < 12; ++h) {
                const OccupantLayout layout =
                    LayoutOccupants(static_cast<Ring>(r), h, OccupantsOf(text));
                QVERIFY2(layout.fits, qPrintable(QStringLiteral("ring %1 house %2").arg(r).arg(h)));
                QVERIFY(layout.fontHeight >= 66);
            }
        }
    }
};

VELLAMOR_GUI_TEST(DashaPanelTest)

}  // namespace vellamor

#include "dasha_panel_test.moc"
