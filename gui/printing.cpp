// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "core/astro/bodies.h"
#include "gui/birth_details_panel.h"
#include "gui/translation.h"
#include "gui/wording.h"

namespace vellamor {
namespace {

// The sheet's own part of the catalogue.
struct ChartSheet {
    Q_DECLARE_TR_FUNCTIONS(vellamor::ChartSheet)
};

}  // namespace

SheetTexts WindowSheetTexts(const Chart& chart) {
    SheetTexts t;
    t.title =
        ChartSheet::tr("Sudarshan Chakra of %1").arg(QString::fromStdString(chart.birth.name));
    t.details = TranslatedDetailTexts(chart.birth, chart.chakra);
    for (std::size_t i = 0; i < kDetailCount; ++i)
        t.captions[i] = TranslatedCoreText(kDetailCaptions[i]);
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        t.planets[i] = TranslatedCoreText(kPlanetNames[i]);
        t.positions[i] = QString::fromStdString(chart.planets.positionTexts[i].str());
    }
    t.positionsHeading = ChartSheet::tr("Planetary Positions");
    t.ringKeys[static_cast<std::size_t>(Ring::Birth)] = ChartSheet::tr("Birth Chart");
    t.ringKeys[static_cast<std::size_t>(Ring::Moon)] = ChartSheet::tr("Moon Chart");
    t.ringKeys[static_cast<std::size_t>(Ring::Sun)] = ChartSheet::tr("Sun Chart");
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
    {
        // The reading's conventions have no translation yet: they show in
        // English rather than not at all.
        const SheetTexts english = SheetTextsOf(chart);
        t.balanceName = english.balanceName;
        t.balance = english.balance;
        t.conventions = english.conventions;
        t.sudarshanYears = english.sudarshanYears;
        t.dashaYears = english.dashaYears;
    }
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
