// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_decision.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/astro/time_zones.h"

namespace vellamor::atlas {
namespace {

constexpr qint64 kHour = 3600;

QDateTime AtUtc(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

}  // namespace

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

namespace {

// "New York" from "America/New_York", when the place has no name of its own.
std::string PlaceOfZone(std::string_view ianaZone) {
    std::string city(ianaZone.substr(ianaZone.rfind('/') + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

}  // namespace

double AscendantDegreesOff(int seconds) {
    return std::abs(seconds) / 60.0 / 4.0;
}

double MoonDegreesOff(int seconds) {
    return std::abs(seconds) / 60.0 * 0.55 / 60.0;
}

ClockState ClockStateOf(int daylightSeconds) {
    switch (daylightSeconds) {
        case 0:
            return ClockState::Standard;
        case 3600:
            return ClockState::DaylightSaving;
        case 7200:
            return ClockState::DoubleSummer;
        default:
            return ClockState::OtherSaving;
    }
}

StatedDegrees StateDegrees(double degrees) {
    return {degrees, degrees < 10 ? 1 : 0};
}

namespace {

ZoneErrorFacts ErrorFacts(const ZoneChoice& choice) {
    ZoneErrorFacts f;
    f.ascendant = SpanOfSeconds(choice.ascendantErrorSeconds);
    f.planets = SpanOfSeconds(choice.planetErrorSeconds);
    f.planetsOff = choice.planetErrorSeconds != 0;
    f.ascendantDegrees = StateDegrees(AscendantDegreesOff(choice.ascendantErrorSeconds));
    // Shown to a tenth: anything below 0.05 would read 0.0.
    if (const double moon = MoonDegreesOff(choice.ascendantErrorSeconds); moon >= 0.05)
        f.moonDegrees = StateDegrees(moon);
    return f;
}

}  // namespace

ZoneNote DecisionNote(std::string_view ianaZone, const LocalMoment& when, bool eastOfGreenwich,
                      const ZoneFacts& facts, const ZoneChoice& choice, ZoneConstraint fixed,
                      std::string_view placeName, bool rowNamedForPlace, ZoneRule rule) {
    ZoneNote note;
    note.kind = ZoneNoteKind::Decided;
    note.ianaZone = std::string(ianaZone);
    note.place = placeName.empty() ? PlaceOfZone(ianaZone) : std::string(placeName);
    note.when = when;
    note.facts = facts;
    note.choice = choice;
    note.clock = ClockStateOf(facts.daylightSeconds);
    note.offset = OffsetOfSeconds(facts.offsetSeconds);
    note.secondOffset = OffsetOfSeconds(facts.secondOffsetSeconds);
    note.daylight = SpanOfSeconds(facts.daylightSeconds);
    note.off = ErrorFacts(choice);
    if (facts.reading == ClockReading::Repeated) {
        // After the clocks went back: a row for standard time, as a rule.
        note.second = ChooseZoneRow(facts.secondOffsetSeconds, eastOfGreenwich,
                                    PreferredZoneRows(ianaZone, {}, {}, false), {}, rule);
    }
    const bool byHand = fixed.row.has_value() || fixed.daylightSaving.has_value();
    const int asc = choice.ascendantErrorSeconds;
    const int planets = choice.planetErrorSeconds;
    if (byHand && asc != 0 && planets != 0) {
        note.error = ZoneErrorNote::ByHandBoth;
    } else if (byHand && asc != 0) {
        note.error = ZoneErrorNote::ByHandAscendant;
    } else if (byHand && planets != 0) {
        note.error = ZoneErrorNote::ByHandPlanets;
    } else if (!byHand && asc != 0) {
        note.error = ZoneErrorNote::NoRow;
        // Say so when the hemisphere rule is what stands in the way (Madrid).
        if (rule == ZoneRule::Classic &&
            ChooseZoneRow(facts.offsetSeconds, !eastOfGreenwich, {}).ascendantErrorSeconds < asc)
            note.blocking = eastOfGreenwich ? BlockingHemisphere::East : BlockingHemisphere::West;
    } else if (!byHand && planets != 0) {
        note.error = ZoneErrorNote::PlanetsOnly;
    }
    // A precise chart takes one offset for every body: one error, the whole
    // chart's.
    if (rule == ZoneRule::Signed) {
        note.error = note.error == ZoneErrorNote::None    ? ZoneErrorNote::PreciseExact
                     : note.error == ZoneErrorNote::NoRow ? ZoneErrorNote::PreciseNoRow
                                                          : ZoneErrorNote::PreciseByHand;
    }
    note.rowNamedElsewhere = !rowNamedForPlace && !byHand && asc == 0;
    return note;
}

ZoneDecision DecideZone(std::string_view ianaZone, std::string_view countryCode,
                        const LocalMoment& when, bool eastOfGreenwich, ZoneConstraint fixed,
                        std::string_view placeName, ZoneRule rule) {
    ZoneDecision d;
    if (!QDate(when.year, when.month, when.day).isValid()) {
        // 31 February: nothing to say until the date is a real one.
        return d;
    }
    const std::optional<ZoneFacts> facts = ZoneFactsAt(ianaZone, when);
    if (!facts) {
        d.note.kind = ZoneNoteKind::UnknownZone;
        d.note.ianaZone = std::string(ianaZone);
        d.note.when = when;
        return d;
    }
    d.decided = true;
    d.facts = *facts;
    const std::vector<int> preferred =
        PreferredZoneRows(ianaZone, countryCode, facts->abbreviation, facts->daylightSeconds != 0);
    d.choice = ChooseZoneRow(facts->offsetSeconds, eastOfGreenwich, preferred, fixed, rule);
    const std::vector<int> named = RowsNamedForZone(ianaZone, countryCode, facts->abbreviation);
    // Greenwich Mean Time and Universal Time belong to no region.
    const std::string_view abbreviation = ZoneRowAbbreviation(d.choice.row);
    const bool rowNamed = abbreviation == "GMT" || abbreviation == "UT" ||
                          std::find(named.begin(), named.end(), d.choice.row) != named.end();
    d.note = DecisionNote(ianaZone, when, eastOfGreenwich, d.facts, d.choice, fixed, placeName,
                          rowNamed, rule);
    return d;
}

}  // namespace vellamor::atlas
