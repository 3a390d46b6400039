#include "atlas/zone_decision.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <array>
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
        probe = reading - facts.offsetSeconds;
    }
    const QDateTime at = AtUtc(probe);
    facts.daylightSeconds = zone.isDaylightTime(at) ? zone.daylightTimeOffset(at) : 0;
    facts.abbreviation = zone.abbreviation(at).toStdString();
    return facts;
}

std::string DecisionNote(std::string_view ianaZone, const LocalMoment& when, bool eastOfGreenwich,
                         const ZoneFacts& facts, const ZoneChoice& choice, ZoneConstraint fixed) {
    std::string note = std::string(ianaZone) + " on " + std::to_string(when.day) + " " +
                       (when.month >= 1 && when.month <= 12 ? kMonthNames[when.month - 1] : "?") +
                       " " + std::to_string(when.year) + ": " + FormatOffset(facts.offsetSeconds) +
                       ", ";
    if (facts.daylightSeconds == 0) {
        note += "no daylight saving";
    } else if (facts.daylightSeconds == 3600) {
        note += "daylight saving";
    } else if (facts.daylightSeconds == 7200) {
        note += "double summer time";
    } else {
        note += "daylight saving of " + FormatDuration(facts.daylightSeconds);
    }
    const std::string clock = ClockText(when.hour, when.minute);
    if (facts.reading == ClockReading::Skipped) {
        note += " (the clocks skipped " + clock + " that night: read with the offset before)";
    } else if (facts.reading == ClockReading::Repeated) {
        note += " (" + clock + " came twice that night: read as the first)";
    }

    const bool byHand = fixed.row.has_value() || fixed.daylightSaving.has_value();
    const std::string ascendantError = FormatDuration(choice.ascendantErrorSeconds);
    const std::string planetError = FormatDuration(choice.planetErrorSeconds);
    if (byHand && (choice.ascendantErrorSeconds != 0 || choice.planetErrorSeconds != 0)) {
        note += ". As set by hand: the Ascendant and the Moon ";
        note += choice.ascendantErrorSeconds != 0 ? ascendantError + " off" : "right";
        note += ", the planets ";
        note += choice.planetErrorSeconds != 0 ? planetError + " off." : "right.";
    } else if (choice.ascendantErrorSeconds != 0) {
        note += ". No row gives the Ascendant and the Moon " + FormatOffset(facts.offsetSeconds);
        // Say so when the hemisphere rule is what stands in the way (Madrid).
        if (ChooseZoneRow(facts.offsetSeconds, !eastOfGreenwich, {}).ascendantErrorSeconds <
            choice.ascendantErrorSeconds) {
            note += eastOfGreenwich ? " east of Greenwich" : " west of Greenwich";
        }
        note += "; closest: " + std::string(ZoneRowAbbreviation(choice.row)) +
                (choice.daylightSaving ? " with daylight saving, " : ", ") + ascendantError +
                " off";
        if (choice.planetErrorSeconds != 0)
            note += " (the planets " + planetError + ")";
        note += ".";
    } else if (choice.planetErrorSeconds != 0) {
        note += ". The planets, which take the row's own offset, are " + planetError + " off.";
    }
    return note;
}

ZoneDecision DecideZone(std::string_view ianaZone, std::string_view countryCode,
                        const LocalMoment& when, bool eastOfGreenwich, ZoneConstraint fixed) {
    ZoneDecision d;
    const std::optional<ZoneFacts> facts = ZoneFactsAt(ianaZone, when);
    if (!facts) {
        d.note = "The time-zone database has no " + std::string(ianaZone) +
                 " for this date: zone and daylight saving left as they were";
        return d;
    }
    d.decided = true;
    d.facts = *facts;
    const std::vector<int> preferred =
        PreferredZoneRows(ianaZone, countryCode, facts->abbreviation, facts->daylightSeconds != 0);
    d.choice = ChooseZoneRow(facts->offsetSeconds, eastOfGreenwich, preferred, fixed);
    d.note = DecisionNote(ianaZone, when, eastOfGreenwich, d.facts, d.choice, fixed);
    return d;
}

}  // namespace vellamor::atlas
