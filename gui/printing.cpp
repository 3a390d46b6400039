// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "core/astro/bodies.h"
#include "core/astro/exact_offset.h"
#include "core/astro/swiss_ephemeris.h"
#include "gui/birth_details_panel.h"
#include "gui/translation.h"
#include "gui/wording.h"

namespace vellamor {
namespace {

// The sheet's own part of the catalogue.
struct ChartSheet {
    Q_DECLARE_TR_FUNCTIONS(vellamor::ChartSheet)
};

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The source, the ayanamsa and node, the universal time, one a line.
QString PreciseCalculationLines(const Chart& chart) {
    const PreciseCalculation& c = *chart.precise();
    QString source;
    switch (c.source) {
        case EphemerisSource::DataFiles:
            source = ChartSheet::tr("Swiss Ephemeris %1");
            break;
        case EphemerisSource::Moshier:
            source = ChartSheet::tr("Swiss Ephemeris %1 (Moshier)");
            break;
    }
    if (!c.timeCorrectionFile.empty())
        source += QStringLiteral(", ") + Utf8(c.timeCorrectionFile);
    const CivilDateTime& u = c.universal;
    QString universal = ChartSheet::tr("%1 %2, %3, %4:%5", "month name, day, year, hours, minutes")
                            .arg(MonthWording(u.month))
                            .arg(u.day)
                            .arg(u.year)
                            .arg(u.hour, 2, 10, QLatin1Char('0'))
                            .arg(u.minute, 2, 10, QLatin1Char('0'));
    if (c.universalSecond != 0)
        universal += QStringLiteral(":%1").arg(c.universalSecond, 2, 10, QLatin1Char('0'));
    QString lines = ChartSheet::tr("%1\n%2 %3\u00b0, %4 node\n%5 UT",
                                   "source; ayanamsa, its degrees, the lunar node; universal time")
                        .arg(source.arg(Utf8(SwissEphemerisVersion())),
                             Utf8(AyanamsaKey(chart.calculation.ayanamsa)))
                        .arg(c.ayanamsaDegrees, 0, 'f', 4)
                        .arg(Utf8(LunarNodeKey(chart.calculation.node)))
                        .arg(universal);
    if (const auto east = ExactOffsetSecondsEast(chart.birth)) {
        const QString offset = Utf8(ExactOffsetText(ExactOffset::Fixed(*east)));
        lines += QStringLiteral(", ") +
                 (chart.birth.exactOffset.kind == ExactOffsetKind::LocalMeanTime
                      ? ChartSheet::tr("LMT %1", "local mean time and its offset from UTC")
                      : ChartSheet::tr("offset %1", "the birth's exact offset from UTC"))
                     .arg(offset);
    }
    lines += QStringLiteral("\n") + (chart.calculation.positions == Positions::Geometric
                                         ? ChartSheet::tr("geometric positions")
                                         : ChartSheet::tr("apparent positions"));
    return lines;
}

}  // namespace

SheetTexts WindowSheetTexts(const Chart& chart) {
    SheetTexts t;
    t.title =
        ChartSheet::tr("Sudarshan Chakra of %1").arg(QString::fromStdString(chart.birth.name));
    t.details = TranslatedDetailTexts(chart.birth);
    for (const Detail d : AllOf<Detail>())
        t.captions[d] = DetailCaption(d);
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        t.planets[i] = TranslatedCoreText(kPlanetNames[i]);
        t.positions[i] = QString::fromStdString(chart.planets.positionTexts[i].str());
    }
    t.positionsHeading = ChartSheet::tr("Planetary Positions");
    t.ringKeys[Ring::Birth] = ChartSheet::tr("Birth Chart");
    t.ringKeys[Ring::Moon] = ChartSheet::tr("Moon Chart");
    t.ringKeys[Ring::Sun] = ChartSheet::tr("Sun Chart");
    t.yearHouse = ChartSheet::tr("House of the year");
    t.monthHouse = ChartSheet::tr("House of the month");
    t.transitingBody = ChartSheet::tr("Transiting body");
    t.readingInstant = ChartSheet::tr(
        "%1 %2, %3, %4", "the reading's instant: month name, day, year, hours:minutes");
    for (std::size_t m = 0; m < 12; ++m)
        t.months[m] = MonthWording(static_cast<int>(m) + 1);
    t.readingLines =
        ChartSheet::tr("Reading %1\nyear %2, month %3, period %4",
                       "%1 the reading's instant; the dasha's year, month and period numbers");
    t.sudarshanHeading = ChartSheet::tr("Sudarshan Dasha");
    t.dashaSpans = {ChartSheet::tr("Year %1", "the running year of life"),
                    ChartSheet::tr("Month %1", "the running month of the dasha"),
                    ChartSheet::tr("Period %1", "the running period of the dasha")};
    t.houseCaption = ChartSheet::tr("House", "the ruling house of the dasha");
    t.vimshottariHeading = ChartSheet::tr("Vimshottari Dasha");
    t.vimshottariSpans = {ChartSheet::tr("Mahadasha"), ChartSheet::tr("Antardasha"),
                          ChartSheet::tr("Pratyantardasha")};
    t.lordCaption = ChartSheet::tr("Lord", "the lord of a Vimshottari period");
    t.fromCaption = ChartSheet::tr("From", "a period's start");
    t.toCaption = ChartSheet::tr("To", "a period's end");
    t.balanceName = ChartSheet::tr("Balance at birth", "the Vimshottari period left at birth");
    t.balance = ChartSheet::tr("%1 y %2 m %3 d", "years, months and days left of a period");
    t.conventions = ChartSheet::tr("Sudarshan years start %1; Vimshottari years of %2",
                                   "the reading's two conventions");
    t.sudarshanYears = {ChartSheet::tr("at each birthday"), ChartSheet::tr("at each solar return")};
    t.dashaYears = {
        ChartSheet::tr("365.25 days (Julian)"), ChartSheet::tr("365.256363 days (sidereal)"),
        ChartSheet::tr("365.24219 days (tropical)"), ChartSheet::tr("360 days (savana)")};
    if (chart.precise()) {
        t.calculationCaption = ChartSheet::tr("Precise Calculation");
        t.calculation = PreciseCalculationLines(chart);
    }
    return t;
}

void PrintChartSheet(QPrinter& printer, const Chart& chart, const ReadingOverlay& overlay) {
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    PaintChartSheetPage(painter, chart, overlay, WindowSheetTexts(chart));
    painter.end();
}

}  // namespace vellamor
