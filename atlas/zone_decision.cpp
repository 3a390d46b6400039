// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_decision.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/astro/bodies.h"
#include "core/astro/time_zones.h"

namespace vellamor::atlas {
namespace {

constexpr qint64 kHour = 3600;

// The notes are read in the window's language: whole sentences with
// numbered arguments, which lupdate collects from the translate calls and
// the QT_TRANSLATE_NOOP marks of this file. A process that installs no
// translator (the command line) writes them in English as they stand here.
QString Tr(const char* english) {
    return QCoreApplication::translate("vellamor::atlas::ZoneNote", english);
}

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QDateTime AtUtc(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

// The row's name as the zone list shows it: the table's text is translated
// whole (the windows list it so), and the name is what stands before the
// first comma.
QString ZoneRowName(int row) {
    const TimeZoneRow* zone = TimeZoneAt(row);
    if (zone == nullptr)
        return QCoreApplication::translate("vellamor::atlas::ZoneNote", "row %1").arg(row);
    const std::string text(zone->text);
    return QCoreApplication::translate("CoreText", text.c_str()).section(QLatin1Char(','), 0, 0);
}

QString ClockText(int hour, int minute) {
    return QStringLiteral("%1:%2").arg(hour).arg(minute, 2, 10, QLatin1Char('0'));
}

QString DateText(const LocalMoment& when) {
    const std::string month =
        when.month >= 1 && when.month <= 12
            ? std::string(kMonthNames[static_cast<std::size_t>(when.month - 1)])
            : std::string("?");
    return QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 %2 %3",
                                       "date: day, month, year")
        .arg(QString::number(when.day), QCoreApplication::translate("CoreText", month.c_str()),
             QString::number(when.year));
}

QString DurationText(int seconds) {
    const int a = std::abs(seconds);
    QStringList parts;
    if (a / 3600 != 0)
        parts << QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 h", "hours")
                     .arg(a / 3600);
    if (a / 60 % 60 != 0 || a == 0)
        parts << QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 min", "minutes")
                     .arg(a / 60 % 60);
    if (a % 60 != 0)
        parts << QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 s", "seconds")
                     .arg(a % 60);
    return parts.join(QLatin1Char(' '));
}

}  // namespace

std::string FormatOffset(int seconds) {
    const int a = std::abs(seconds);
    std::string s = (seconds < 0 ? "-" : "+") + std::to_string(a / 3600);
    const int minutes = a / 60 % 60;
    s += (minutes < 10 ? ":0" : ":") + std::to_string(minutes);
    if (const int rest = a % 60; rest != 0)
        s += (rest < 10 ? ":0" : ":") + std::to_string(rest);
    return s;
}

std::string FormatDuration(int seconds) {
    return DurationText(seconds).toStdString();
}

std::optional<ZoneFacts> ZoneFactsAt(std::string_view ianaZone, const LocalMoment& when) {
    const QTimeZone zone(QByteArray(ianaZone.data(), static_cast<qsizetype>(ianaZone.size())));
    const QDate date(when.year, when.month, when.day);
    const QTime time(when.hour, when.minute);
    if (!zone.isValid() || !date.isValid() || !time.isValid())
        return std::nullopt;

    // The clock reading taken as if it were universal time; a true offset o
    // fits it when the zone really shows o at the instant reading - o.
    const qint64 reading = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    auto offsetAt = [&zone](qint64 utc) { return zone.offsetFromUtc(AtUtc(utc)); };
    const int before = offsetAt(reading - 16 * kHour);
    std::vector<int> offsets{before, offsetAt(reading), offsetAt(reading + 16 * kHour)};
    for (std::size_t i = 0; i < offsets.size() && offsets.size() < 8; ++i) {
        const int next = offsetAt(reading - offsets[i]);
        if (std::find(offsets.begin(), offsets.end(), next) == offsets.end()) {
            offsets.push_back(next);
        }
    }
    std::vector<int> fitting;
    for (int o : offsets) {
        if (offsetAt(reading - o) == o &&
            std::find(fitting.begin(), fitting.end(), o) == fitting.end()) {
            fitting.push_back(o);
        }
    }

    ZoneFacts facts;
    qint64 probe = 0;  // an instant that shows the offset the reading is taken with
    if (fitting.empty()) {
        // Spring forward: the reading never showed on a clock there.
        facts.reading = ClockReading::Skipped;
        facts.offsetSeconds = before;
        probe = reading - 16 * kHour;
    } else {
        facts.reading = fitting.size() > 1 ? ClockReading::Repeated : ClockReading::Normal;
        // Of two readings (autumn), the first is the one with the larger offset.
        facts.offsetSeconds = *std::max_element(fitting.begin(), fitting.end());
        facts.secondOffsetSeconds = *std::min_element(fitting.begin(), fitting.end());
        probe = reading - facts.offsetSeconds;
    }
    const QDateTime at = AtUtc(probe);
    facts.daylightSeconds = zone.isDaylightTime(at) ? zone.daylightTimeOffset(at) : 0;
    facts.abbreviation = zone.abbreviation(at).toStdString();
    // Ireland's database keeps summer time as the standard and winter as a
    // negative saving (Morocco likewise in Ramadan). People read the winter
    // clock as standard time and the summer clock as summer time.
    if (facts.daylightSeconds < 0) {
        facts.daylightSeconds = 0;
    } else if (facts.daylightSeconds == 0) {
        // Half a year away: Ireland's winter. Morocco's month of Ramadan is
        // too short to be met there, so its usual +1 stays standard time.
        for (const qint64 shift : {-182 * 24 * kHour, 182 * 24 * kHour}) {
            const QDateTime other = AtUtc(probe + shift);
            if (zone.isDaylightTime(other) && zone.daylightTimeOffset(other) < 0 &&
                zone.offsetFromUtc(other) < facts.offsetSeconds) {
                facts.daylightSeconds = facts.offsetSeconds - zone.offsetFromUtc(other);
                break;
            }
        }
    }
    return facts;
}

std::string UtcText(int seconds) {
    const int a = std::abs(seconds);
    // The minus sign proper, as clocks are written.
    std::string s = std::string("UTC") + (seconds < 0 ? "\u2212" : "+") + std::to_string(a / 3600);
    if (a % 3600 != 0) {
        const int minutes = a / 60 % 60;
        s += (minutes < 10 ? ":0" : ":") + std::to_string(minutes);
        if (const int rest = a % 60; rest != 0)
            s += (rest < 10 ? ":0" : ":") + std::to_string(rest);
    }
    return s;
}

namespace {

QString RowAndBoxText(int row, bool box) {
    //: %1 the row's name as the zone list shows it, %2 its number. Stands after
    //: "Zone:" and after "choose" in the sentence on a repeated hour.
    return (box ? QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                              "%1 (row %2) with the Daylight Saving box ticked")
                : QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                              "%1 (row %2) with the Daylight Saving box unticked"))
        .arg(ZoneRowName(row), QString::number(row));
}

// "New York" from "America/New_York", when the place has no name of its own.
std::string PlaceOfZone(std::string_view ianaZone) {
    std::string city(ianaZone.substr(ianaZone.rfind('/') + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

// What the clocks were on, as the sentences that say it take it.
QString ClockState(int daylightSeconds) {
    if (daylightSeconds == 0)
        //: What the clocks were on: stands in the sentences on the clocks at the place.
        return QCoreApplication::translate("vellamor::atlas::ZoneNote", "standard time");
    if (daylightSeconds == 3600)
        return QCoreApplication::translate("vellamor::atlas::ZoneNote", "daylight saving time");
    if (daylightSeconds == 7200)
        return QCoreApplication::translate("vellamor::atlas::ZoneNote", "double summer time");
    //: What the clocks were on; %1 is a duration such as "1 h 30 min".
    return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                       "daylight saving time, %1 ahead of standard time")
        .arg(DurationText(daylightSeconds));
}

// How far a wrong instant moves the Ascendant (a sign in about two hours, a
// degree in four minutes) and the Moon (about half a degree an hour).
QString ErrorInDegrees(int seconds) {
    auto degrees = [](double d) {
        char text[32];
        std::snprintf(text, sizeof text, d < 10 ? "%.1f" : "%.0f", d);
        return QString::fromLatin1(text) + QStringLiteral("°");
    };
    const double minutes = std::abs(seconds) / 60.0;
    const double moon = minutes * 0.55 / 60.0;
    if (moon < 0.05) {
        return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                           "about %1 for the Ascendant and under 0.1° for the Moon")
            .arg(degrees(minutes / 4.0));
    }
    //: How far off the chart is: stands in brackets or after a comma in the
    //: sentences on errors. %1 and %2 are angles such as "15°".
    return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                       "about %1 for the Ascendant and %2 for the Moon")
        .arg(degrees(minutes / 4.0), degrees(moon));
}

// The sentence on the Ascendant and the Moon when no row gives them the
// place's offset: with or without the hemisphere that stands in the way, and
// with or without the planets' error.
QString NoRowSentence(const QString& utc, std::optional<bool> hemisphereEast,
                      const QString& ascendantOff, const QString& degrees,
                      const QString& planetsOff) {
    const char* text = nullptr;
    if (!hemisphereEast) {
        text = planetsOff.isEmpty()
                   ? QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                       "No row gives the Ascendant and the Moon %1: with the "
                                       "closest they are %2 off, %3.")
                   : QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                       "No row gives the Ascendant and the Moon %1: with the "
                                       "closest they are %2 off, %3; the planets %4 off.");
    } else if (*hemisphereEast) {
        text = planetsOff.isEmpty()
                   ? QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                       "No row gives the Ascendant and the Moon %1 east of "
                                       "Greenwich: with the closest they are %2 off, %3.")
                   : QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                       "No row gives the Ascendant and the Moon %1 east of "
                                       "Greenwich: with the closest they are %2 off, %3; the "
                                       "planets %4 off.");
    } else {
        text = planetsOff.isEmpty()
                   ? QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                       "No row gives the Ascendant and the Moon %1 west of "
                                       "Greenwich: with the closest they are %2 off, %3.")
                   : QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                       "No row gives the Ascendant and the Moon %1 west of "
                                       "Greenwich: with the closest they are %2 off, %3; the "
                                       "planets %4 off.");
    }
    const QString sentence = Tr(text);
    return planetsOff.isEmpty() ? sentence.arg(utc, ascendantOff, degrees)
                                : sentence.arg(utc, ascendantOff, degrees, planetsOff);
}

}  // namespace

std::string RowAndBox(int row, bool box) {
    return RowAndBoxText(row, box).toStdString();
}

std::string DecisionNote(std::string_view ianaZone, const LocalMoment& when, bool eastOfGreenwich,
                         const ZoneFacts& facts, const ZoneChoice& choice, ZoneConstraint fixed,
                         std::string_view placeName, bool rowNamedForPlace) {
    const QString place = Text(placeName.empty() ? PlaceOfZone(ianaZone) : placeName);
    const QString clock = ClockText(when.hour, when.minute);
    const QString date = DateText(when);
    const QString utc = Text(UtcText(facts.offsetSeconds));
    QStringList note;
    note << QCoreApplication::translate("vellamor::atlas::ZoneNote", "Zone: %1.")
                .arg(RowAndBoxText(choice.row, choice.daylightSaving));

    if (facts.reading == ClockReading::Skipped) {
        //: %1 the clock time (2:30), %2 the date, %3 the place, %4 what the clocks
        //: were on (standard time), %5 the offset (UTC-5).
        note << QCoreApplication::translate(
                    "vellamor::atlas::ZoneNote",
                    "%1 on %2 did not exist on the clocks in %3: they were put forward over it. "
                    "Read with the time before the change, %4, %5.")
                    .arg(clock, date, place, ClockState(facts.daylightSeconds), utc);
    } else {
        //: %1 the date, %2 the place, %3 what the clocks were on (standard time),
        //: %4 the offset (UTC+5:30).
        note << QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                            "On %1 clocks in %2 were on %3, %4.")
                    .arg(date, place, ClockState(facts.daylightSeconds), utc);
    }
    if (facts.reading == ClockReading::Repeated) {
        const int second = facts.secondOffsetSeconds;
        // After the clocks went back: a row for standard time, as a rule.
        const ZoneChoice other =
            ChooseZoneRow(second, eastOfGreenwich, PreferredZoneRows(ianaZone, {}, {}, false));
        //: %1 the clock time (1:30), %2 the offset of its second reading (UTC-5),
        //: %3 a row and the box to choose for it.
        note << QCoreApplication::translate(
                    "vellamor::atlas::ZoneNote",
                    "%1 came twice that night: taken as the first, before the clocks went back; "
                    "for the second (%2) choose %3.")
                    .arg(clock, Text(UtcText(second)),
                         RowAndBoxText(other.row, other.daylightSaving));
    }

    const bool byHand = fixed.row.has_value() || fixed.daylightSaving.has_value();
    const int asc = choice.ascendantErrorSeconds;
    const int planets = choice.planetErrorSeconds;
    if (byHand && asc != 0 && planets != 0) {
        note << QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                            "As set by hand: the Ascendant and the Moon %1 off "
                                            "(%2), the planets %3 off.")
                    .arg(DurationText(asc), ErrorInDegrees(asc), DurationText(planets));
    } else if (byHand && asc != 0) {
        note << QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                            "As set by hand: the Ascendant and the Moon %1 off "
                                            "(%2), the planets right.")
                    .arg(DurationText(asc), ErrorInDegrees(asc));
    } else if (byHand && planets != 0) {
        note << QCoreApplication::translate(
                    "vellamor::atlas::ZoneNote",
                    "As set by hand: the Ascendant and the Moon right, the planets %1 off.")
                    .arg(DurationText(planets));
    } else if (!byHand && asc != 0) {
        // Say so when the hemisphere rule is what stands in the way (Madrid).
        std::optional<bool> hemisphere;
        if (ChooseZoneRow(facts.offsetSeconds, !eastOfGreenwich, {}).ascendantErrorSeconds < asc)
            hemisphere = eastOfGreenwich;
        note << NoRowSentence(utc, hemisphere, DurationText(asc), ErrorInDegrees(asc),
                              planets != 0 ? DurationText(planets) : QString());
    } else if (!byHand && planets != 0) {
        note << QCoreApplication::translate(
                    "vellamor::atlas::ZoneNote",
                    "The planets, which take the row's own offset, are %1 off.")
                    .arg(DurationText(planets));
    }
    if (!rowNamedForPlace && !byHand && asc == 0) {
        note << QCoreApplication::translate(
                    "vellamor::atlas::ZoneNote",
                    "The row's name belongs to another region: no row is named for the time in "
                    "%1, so this one was chosen for its offset; the chart is right as it is.")
                    .arg(place);
    }
    return note.join(QLatin1Char(' ')).toStdString();
}

ZoneDecision DecideZone(std::string_view ianaZone, std::string_view countryCode,
                        const LocalMoment& when, bool eastOfGreenwich, ZoneConstraint fixed,
                        std::string_view placeName) {
    ZoneDecision d;
    if (!QDate(when.year, when.month, when.day).isValid()) {
        // 31 February: nothing to say until the date is a real one.
        return d;
    }
    const std::optional<ZoneFacts> facts = ZoneFactsAt(ianaZone, when);
    if (!facts) {
        d.note = QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                             "The time-zone database has no %1: zone and daylight "
                                             "saving left as they were")
                     .arg(Text(ianaZone))
                     .toStdString();
        return d;
    }
    d.decided = true;
    d.facts = *facts;
    const std::vector<int> preferred =
        PreferredZoneRows(ianaZone, countryCode, facts->abbreviation, facts->daylightSeconds != 0);
    d.choice = ChooseZoneRow(facts->offsetSeconds, eastOfGreenwich, preferred, fixed);
    const std::vector<int> named = RowsNamedForZone(ianaZone, countryCode, facts->abbreviation);
    // Greenwich Mean Time and Universal Time belong to no region.
    const std::string_view abbreviation = ZoneRowAbbreviation(d.choice.row);
    const bool rowNamed = abbreviation == "GMT" || abbreviation == "UT" ||
                          std::find(named.begin(), named.end(), d.choice.row) != named.end();
    d.note = DecisionNote(ianaZone, when, eastOfGreenwich, d.facts, d.choice, fixed, placeName,
                          rowNamed);
    return d;
}

}  // namespace vellamor::atlas
