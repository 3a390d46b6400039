// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheet_words.h"

#include "cli/chart_words.h"
#include "core/astro/exact_offset.h"
#include "core/astro/swiss_ephemeris.h"

namespace vellamor {
namespace {

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// "offset +05:45", "LMT +05:41:16"; empty without an exact offset.
QString ExactOffsetWords(const BirthData& birth) {
    const auto east = ExactOffsetSecondsEast(birth);
    if (!east)
        return {};
    return (birth.exactOffset.kind == ExactOffsetKind::LocalMeanTime ? QStringLiteral("LMT ")
                                                                     : QStringLiteral("offset ")) +
           Utf8(ExactOffsetText(ExactOffset::Fixed(*east)));
}

// Four lines: "Swiss Ephemeris 2.10.03", "lahiri 23.5778°, mean node",
// "March 5, 1980, 01:35 UT" (with ":SS" and the exact offset when there are),
// "apparent positions".
QString PreciseCalculationLines(const Chart& chart) {
    const PreciseCalculation& c = *chart.precise();
    QString source = QStringLiteral("Swiss Ephemeris ") + Utf8(SwissEphemerisVersion());
    switch (c.source) {
        case EphemerisSource::DataFiles:
            break;
        case EphemerisSource::Moshier:
            source += QStringLiteral(" (Moshier)");
            break;
    }
    if (!c.timeCorrectionFile.empty())
        source += QStringLiteral(", ") + Utf8(c.timeCorrectionFile);
    QString universal = QStringLiteral("%1 %2, %3, %4:%5")
                            .arg(Utf8(MonthName(c.universal.month)))
                            .arg(c.universal.day)
                            .arg(c.universal.year)
                            .arg(c.universal.hour, 2, 10, QLatin1Char('0'))
                            .arg(c.universal.minute, 2, 10, QLatin1Char('0'));
    if (c.universalSecond != 0)
        universal += QStringLiteral(":%1").arg(c.universalSecond, 2, 10, QLatin1Char('0'));
    universal += QStringLiteral(" UT");
    if (const QString offset = ExactOffsetWords(chart.birth); !offset.isEmpty())
        universal += QStringLiteral(", ") + offset;
    return QStringLiteral("%1\n%2 %3\u00b0, %4 node\n%5\n%6 positions")
        .arg(source, Utf8(AyanamsaKey(chart.calculation.ayanamsa)))
        .arg(c.ayanamsaDegrees, 0, 'f', 4)
        .arg(Utf8(LunarNodeKey(chart.calculation.node)))
        .arg(universal)
        .arg(Utf8(PositionsKey(chart.calculation.positions)));
}

}  // namespace

SheetTexts EnglishSheetTexts(const Chart& chart) {
    SheetTexts t;
    t.title = QStringLiteral("Sudarshan Chakra of ") + Utf8(chart.birth.name);
    const EnumArray<Detail, std::string> details = DetailTexts(chart.birth);
    for (const Detail d : AllOf<Detail>()) {
        t.captions[d] = Utf8(kDetailCaptions[static_cast<std::size_t>(d)]);
        t.details[d] = Utf8(details[d]);
    }
    for (std::size_t i = 0; i < kBodyCount; ++i) {
        t.planets[i] = Utf8(kPlanetNames[i]);
        t.positions[i] = Utf8(chart.planets.positionTexts[i]);
    }
    t.positionsHeading = QStringLiteral("Planetary Positions");
    t.ringKeys[Ring::Birth] = QStringLiteral("Birth Chart");
    t.ringKeys[Ring::Moon] = QStringLiteral("Moon Chart");
    t.ringKeys[Ring::Sun] = QStringLiteral("Sun Chart");
    t.yearHouse = QStringLiteral("House of the year");
    t.monthHouse = QStringLiteral("House of the month");
    t.transitingBody = QStringLiteral("Transiting body");
    t.readingInstant = QStringLiteral("%1 %2, %3, %4");
    for (std::size_t m = 0; m < 12; ++m)
        t.months[m] = Utf8(kMonthNames[m]);
    t.readingLines = QStringLiteral("Reading %1\nyear %2, month %3, period %4");
    t.sudarshanHeading = QStringLiteral("Sudarshan Dasha");
    t.dashaSpans = {QStringLiteral("Year %1"), QStringLiteral("Month %1"),
                    QStringLiteral("Period %1")};
    t.houseCaption = QStringLiteral("House");
    t.vimshottariHeading = QStringLiteral("Vimshottari Dasha");
    t.vimshottariSpans = {QStringLiteral("Mahadasha"), QStringLiteral("Antardasha"),
                          QStringLiteral("Pratyantardasha")};
    t.lordCaption = QStringLiteral("Lord");
    t.fromCaption = QStringLiteral("From");
    t.toCaption = QStringLiteral("To");
    t.balanceName = QStringLiteral("Balance at birth");
    t.balance = QStringLiteral("%1 y %2 m %3 d");
    t.conventions = QStringLiteral("Sudarshan years start %1; Vimshottari years of %2");
    t.sudarshanYears = {QStringLiteral("at each birthday"), QStringLiteral("at each solar return")};
    t.dashaYears = {
        QStringLiteral("365.25 days (Julian)"), QStringLiteral("365.256363 days (sidereal)"),
        QStringLiteral("365.24219 days (tropical)"), QStringLiteral("360 days (savana)")};
    if (chart.precise()) {
        t.calculationCaption = QStringLiteral("Precise Calculation");
        t.calculation = PreciseCalculationLines(chart);
    }
    return t;
}

}  // namespace vellamor
