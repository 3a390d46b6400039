// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_decision.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/astro/time_zones.h"

namespace vellamor::atlas {
namespace {

constexpr qint64 kHour = 3600;

constexpr std::array<const char*, 12> kMonthNames{"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};

QDateTime AtUtc(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

std::string ZoneRowName(int row) {
    const TimeZoneRow* zone = TimeZoneAt(row);
    if (zone == nullptr)
        return "row " + std::to_string(row);
    const std::string_view text = zone->text;
    return std::string(text.substr(0, text.find(',')));
}

std::string ClockText(int hour, int minute) {
    return std::to_string(hour) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
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
    const int a = std::abs(seconds);
    std::string s;
    auto part = [&s](int value, const char* unit) {
        if (value == 0)
            return;
        if (!s.empty())
            s += ' ';
        s += std::to_string(value) + ' ' + unit;
    };
    part(a / 3600, "h");
    part(a / 60 % 60, "min");
    part(a % 60, "s");
    return s.empty() ? "0 min" : s;
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

std::string RowAndBox(int row, bool box) {
    return ZoneRowName(row) + " (row " + std::to_string(row) + ") with the Daylight Saving box " +
           (box ? "ticked" : "unticked");
}

namespace {

// "New York" from "America/New_York", when the place has no name of its own.
std::string PlaceOfZone(std::string_view ianaZone) {
    std::string city(ianaZone.substr(ianaZone.rfind('/') + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

std::string ClockState(int daylightSeconds) {
    if (daylightSeconds == 0)
        return "standard time";
    if (daylightSeconds == 3600)
        return "daylight saving time";
    if (daylightSeconds == 7200)
        return "double summer time";
    return "daylight saving time, " + FormatDuration(daylightSeconds) + " ahead of standard time";
}

// How far a wrong instant moves the Ascendant (a sign in about two hours, a
// degree in four minutes) and the Moon (about half a degree an hour).
std::string ErrorInDegrees(int seconds) {
    auto degrees = [](double d) {
        char text[32];
        std::snprintf(text, sizeof text, d < 10 ? "%.1f" : "%.0f", d);
        return std::string(text) + "°";
    };
    const double minutes = std::abs(seconds) / 60.0;
    const double moon = minutes * 0.55 / 60.0;
    return "about " + degrees(minutes / 4.0) + " for the Ascendant and " +
           (moon < 0.05 ? std::string("under 0.1°") : degrees(moon)) + " for the Moon";
}

}  // namespace

std::string DecisionNote(std::string_view ianaZone, const LocalMoment& when, bool eastOfGreenwich,
                         const ZoneFacts& facts, const ZoneChoice& choice, ZoneConstraint fixed,
                         std::string_view placeName, bool rowNamedForPlace) {
    const std::string place = placeName.empty() ? PlaceOfZone(ianaZone) : std::string(placeName);
    const std::string clock = ClockText(when.hour, when.minute);
    const std::string date =
        std::to_string(when.day) + " " +
        (when.month >= 1 && when.month <= 12 ? kMonthNames[when.month - 1] : "?") + " " +
        std::to_string(when.year);
    std::string note = "Zone: " + RowAndBox(choice.row, choice.daylightSaving) + ". ";

    if (facts.reading == ClockReading::Skipped) {
        note += clock + " on " + date + " did not exist on the clocks in " + place +
                ": they were put forward over it. Read with the time before the change, " +
                ClockState(facts.daylightSeconds) + ", " + UtcText(facts.offsetSeconds) + ".";
    } else {
        note += "On " + date + " clocks in " + place + " were on " +
                ClockState(facts.daylightSeconds) + ", " + UtcText(facts.offsetSeconds) + ".";
    }
    if (facts.reading == ClockReading::Repeated) {
        const int second = facts.secondOffsetSeconds;
        // After the clocks went back: a row for standard time, as a rule.
        const ZoneChoice other =
            ChooseZoneRow(second, eastOfGreenwich, PreferredZoneRows(ianaZone, {}, {}, false));
        note += " " + clock +
                " came twice that night: taken as the first, before the clocks went back; for the "
                "second (" +
                UtcText(second) + ") choose " + RowAndBox(other.row, other.daylightSaving) + ".";
    }

    const bool byHand = fixed.row.has_value() || fixed.daylightSaving.has_value();
    const int asc = choice.ascendantErrorSeconds;
    const int planets = choice.planetErrorSeconds;
    if (byHand && (asc != 0 || planets != 0)) {
        note += " As set by hand: the Ascendant and the Moon ";
        note += asc != 0 ? FormatDuration(asc) + " off (" + ErrorInDegrees(asc) + ")" : "right";
        note += ", the planets ";
        note += planets != 0 ? FormatDuration(planets) + " off." : "right.";
    } else if (asc != 0) {
        note += " No row gives the Ascendant and the Moon " + UtcText(facts.offsetSeconds);
        // Say so when the hemisphere rule is what stands in the way (Madrid).
        if (ChooseZoneRow(facts.offsetSeconds, !eastOfGreenwich, {}).ascendantErrorSeconds < asc)
            note += eastOfGreenwich ? " east of Greenwich" : " west of Greenwich";
        note +=
            ": with the closest they are " + FormatDuration(asc) + " off, " + ErrorInDegrees(asc);
        if (planets != 0)
            note += "; the planets " + FormatDuration(planets) + " off";
        note += ".";
    } else if (planets != 0) {
        note += " The planets, which take the row's own offset, are " + FormatDuration(planets) +
                " off.";
    }
    if (!rowNamedForPlace && !byHand && asc == 0) {
        note += " The row's name belongs to another region: no row is named for the time in " +
                place + ", so this one was chosen for its offset; the chart is right as it is.";
    }
    return note;
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
        d.note = "The time-zone database has no " + std::string(ianaZone) +
                 ": zone and daylight saving left as they were";
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
