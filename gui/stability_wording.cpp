// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/stability_wording.h"

#include <QCoreApplication>
#include <cmath>

#include "core/astro/planet_positions.h"
#include "core/chart/stability_report.h"
#include "gui/translation.h"

namespace vellamor {

QString DurationWording(double minutes) {
    if (minutes < 1.0)
        return QCoreApplication::translate("vellamor::StabilityWording", "under 1 min");
    const long long m = static_cast<long long>(std::floor(minutes));
    if (m < 60)
        return QCoreApplication::translate("vellamor::StabilityWording", "%1 min").arg(m);
    if (m < 24 * 60) {
        const long long h = m / 60, rest = m % 60;
        return rest ? QCoreApplication::translate("vellamor::StabilityWording", "%1 h %2 min")
                          .arg(h)
                          .arg(rest)
                    : QCoreApplication::translate("vellamor::StabilityWording", "%1 h").arg(h);
    }
    const long long d = m / (24 * 60), h = (m % (24 * 60)) / 60;
    return h ? QCoreApplication::translate("vellamor::StabilityWording", "%1 d %2 h").arg(d).arg(h)
             : QCoreApplication::translate("vellamor::StabilityWording", "%1 d").arg(d);
}

QString SignChangeWording(bool ascendant, const SignChangeWindow& w) {
    const double limitMinutes = (ascendant ? kAscendantSearchHours : kMoonSearchHours) * 60;
    const QString earlier =
        w.earlierMinutes
            ? QCoreApplication::translate("vellamor::StabilityWording", "%1 earlier")
                  .arg(DurationWording(*w.earlierMinutes))
            : QCoreApplication::translate("vellamor::StabilityWording", "not within %1 earlier")
                  .arg(DurationWording(limitMinutes));
    const QString later =
        w.laterMinutes
            ? QCoreApplication::translate("vellamor::StabilityWording", "%1 later")
                  .arg(DurationWording(*w.laterMinutes))
            : QCoreApplication::translate("vellamor::StabilityWording", "not within %1 later")
                  .arg(DurationWording(limitMinutes));
    return ascendant ? QCoreApplication::translate("vellamor::StabilityWording",
                                                   "Lagna changes sign if birth was %1 or %2")
                           .arg(earlier, later)
                     : QCoreApplication::translate("vellamor::StabilityWording",
                                                   "Moon changes sign if birth was %1 or %2")
                           .arg(earlier, later);
}

// "26 February 1980", the month in the window's language.
QString StationDateWording(const CalendarDate& date) {
    if (date.month < 1 || date.month > 12)
        return QString::fromStdString(StationDateText(date));
    return QStringLiteral("%1 %2 %3")
        .arg(date.day)
        .arg(TranslatedCoreText(kMonthNames[static_cast<std::size_t>(date.month - 1)]))
        .arg(date.year);
}

QString StationWording(const StationEvidence& e) {
    const QString before =
        e.before ? StationDateWording(*e.before)
                 : QCoreApplication::translate("vellamor::StabilityWording", "(before the tables)");
    const QString after =
        e.after ? StationDateWording(*e.after)
                : QCoreApplication::translate("vellamor::StabilityWording", "(after the tables)");
    QString out = e.retrograde ? QCoreApplication::translate("vellamor::StabilityWording",
                                                             "retrograde from %1 to %2")
                                     .arg(before, after)
                               : QCoreApplication::translate(
                                     "vellamor::StabilityWording",
                                     "direct; last direct station %1, next retrograde station %2")
                                     .arg(before, after);
    if (e.dayDecided)
        out += QCoreApplication::translate(
            "vellamor::StabilityWording",
            "; the birth day is at a station, so the calendar day decides the mark");
    return out;
}

QString NearBoundaryWording(const std::vector<Body>& bodies) {
    if (bodies.empty())
        return QCoreApplication::translate(
            "vellamor::StabilityWording",
            "No body stands within one arcminute of a sign boundary.");
    QStringList names;
    for (Body b : bodies)
        names << BodyName(b);
    return QCoreApplication::translate(
               "vellamor::StabilityWording",
               "Within one arcminute of a sign boundary, so their house rests on the last "
               "digit: %1.")
        .arg(names.join(QCoreApplication::translate("vellamor::StabilityWording", ", ")));
}

namespace {

QString TwoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

QString OffsetWording(int eastMinutes) {
    const int m = std::abs(eastMinutes);
    return QStringLiteral("UTC%1%2:%3")
        .arg(eastMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(m / 60)
        .arg(TwoDigits(m % 60));
}

QString InstantWording(const CivilDateTime& t) {
    const QString month =
        t.month >= 1 && t.month <= 12
            ? TranslatedCoreText(kMonthNames[static_cast<std::size_t>(t.month - 1)])
            : QStringLiteral("?");
    return QCoreApplication::translate("vellamor::StabilityWording", "%1 %2 %3, %4:%5 UT",
                                       "day, month, year, hours, minutes")
        .arg(t.day)
        .arg(month)
        .arg(t.year)
        .arg(TwoDigits(t.hour), TwoDigits(t.minute));
}

QString SideWording(bool east) {
    return east ? QCoreApplication::translate("vellamor::StabilityWording", "East")
                : QCoreApplication::translate("vellamor::StabilityWording", "West");
}

}  // namespace

QString ZoneNoteWording(const std::optional<ZoneMisfit>& misfit) {
    if (!misfit)
        return {};
    const ZoneMisfit& m = *misfit;
    QString note =
        QCoreApplication::translate("vellamor::StabilityWording",
                                    "Time zone check: \"%1\" is %2, but the birth longitude "
                                    "%3\u00b0%4' %5 keeps a mean solar time of about %6.")
            .arg(TranslatedCoreText(m.zoneText), OffsetWording(m.zoneEastMinutes))
            .arg(m.lonDegrees)
            .arg(m.lonMinutes)
            .arg(SideWording(m.east), OffsetWording(m.solarEastMinutes));
    note += m.otherSide ? QCoreApplication::translate(
                              "vellamor::StabilityWording",
                              " The zone lies on the other side of Greenwich from the longitude.")
                        : QCoreApplication::translate("vellamor::StabilityWording",
                                                      " A zone more than 1 h 30 min away from it "
                                                      "is often a data-entry error.");
    note +=
        QCoreApplication::translate(
            "vellamor::StabilityWording",
            " Vellamor takes the zone's direction from the longitude: it used %1%2 %3 of "
            "Greenwich and computed the Ascendant and the Moon for %4, and the planets, from "
            "the zone's own offset, for %5. Please check the time zone.")
            .arg(DurationWording(m.zoneMagnitudeMinutes),
                 m.daylightSaving ? QCoreApplication::translate("vellamor::StabilityWording",
                                                                " (and the daylight-saving hour)")
                                  : QString(),
                 SideWording(m.usedEast), InstantWording(m.ascendantInstant),
                 InstantWording(m.planetsInstant));
    return note;
}

QString BodyName(Body body) {
    return TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(BodyIndex(body))]);
}

}  // namespace vellamor
