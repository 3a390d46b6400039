// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_stability.h"

#include <cmath>

#include "core/astro/ascendant.h"
#include "core/astro/moon.h"
#include "core/astro/position_text.h"
#include "core/astro/time_zones.h"
#include "core/retro/retrogrades.h"
#include "core/retro/station_table.h"

namespace vellamor {
namespace {

constexpr double kOneSecondHours = 1.0 / 3600.0;

// Moves from 0 in `direction` until `sameSign` fails, then bisects the last
// step down to a second. `nextStep` proposes a step (hours) from a point where
// the sign still holds; the predicate is monotone within a step because both
// the Ascendant and the Moon move forward through the zodiac.
template <typename SameSign, typename NextStep>
std::optional<double> HoursToChange(SameSign sameSign, NextStep nextStep, double direction,
                                    double limitHours) {
    double inside = 0;
    while (inside < limitHours) {
        const double step = std::max(nextStep(direction * inside), kOneSecondHours);
        const double probe = std::min(inside + step, limitHours);
        if (!sameSign(direction * probe)) {
            double lo = inside, hi = probe;
            while (hi - lo > kOneSecondHours / 2) {
                const double mid = 0.5 * (lo + hi);
                if (sameSign(direction * mid)) {
                    lo = mid;
                } else {
                    hi = mid;
                }
            }
            return hi;
        }
        inside = probe;
    }
    return std::nullopt;
}

std::optional<double> ToMinutes(std::optional<double> hours) {
    if (!hours)
        return std::nullopt;
    return *hours * 60.0;
}

}  // namespace

namespace {

template <typename Longitude>
SignChangeWindow AscendantWindowOf(Longitude ascendant) {
    const int sign0 = SignIndexOf(ascendant(0));
    auto same = [&](double hours) { return SignIndexOf(ascendant(hours)) == sign0; };
    // Four minutes: far shorter than the time the Ascendant spends in a sign
    // at any inhabited latitude.
    auto step = [](double) { return 4.0 / 60.0; };
    return {ToMinutes(HoursToChange(same, step, -1, kAscendantSearchHours)),
            ToMinutes(HoursToChange(same, step, +1, kAscendantSearchHours))};
}

template <typename Longitude>
SignChangeWindow MoonWindowOf(Longitude longitude) {
    const int sign0 = SignIndexOf(longitude(0));
    auto same = [&](double hours) { return SignIndexOf(longitude(hours)) == sign0; };
    // The Moon never moves faster than about 15.4 degrees a day; stepping by
    // the remaining distance at a higher speed never passes the boundary, so
    // a handful of evaluations reach it.
    constexpr double kMaxDegreesPerHour = 16.5 / 24.0;
    auto step = [&](double direction) {
        return [&, direction](double hours) {
            const double l = longitude(hours);
            const double within = std::fmod(std::fmod(l, 30.0) + 30.0, 30.0);
            const double remaining = direction > 0 ? 30.0 - within : within;
            return remaining / kMaxDegreesPerHour;
        };
    };
    return {ToMinutes(HoursToChange(same, step(-1), -1, kMoonSearchHours)),
            ToMinutes(HoursToChange(same, step(+1), +1, kMoonSearchHours))};
}

}  // namespace

SignChangeWindow AscendantSignWindow(const BirthData& birth) {
    return AscendantWindowOf(
        [&](double hours) { return ComputeAscendantWithoutText(birth, hours).ascendant; });
}

SignChangeWindow MoonSignWindow(const BirthData& birth) {
    return MoonWindowOf([&](double hours) { return ComputeMoonState(birth, hours).moonLongitude; });
}

SignChangeWindow AscendantSignWindow(const BirthData& birth, const CalculationChoice& choice) {
    if (!choice.precise())
        return AscendantSignWindow(birth);
    const double latitude = PreciseLatitudeNorth(birth);
    const double longitude = PreciseLongitudeEast(birth);
    const double jd = PreciseJulianDay(birth);
    return AscendantWindowOf([&](double hours) {
        return PreciseAscendant(jd + hours / 24.0, latitude, longitude, choice.ayanamsa);
    });
}

SignChangeWindow MoonSignWindow(const BirthData& birth, const CalculationChoice& choice) {
    if (!choice.precise())
        return MoonSignWindow(birth);
    const double jd = PreciseJulianDay(birth);
    return MoonWindowOf([&](double hours) {
        return PreciseMoonLongitude(jd + hours / 24.0, choice.ayanamsa, choice.positions);
    });
}

std::vector<Body> BodiesNearSignBoundary(const Chart& chart, double arcminutes) {
    std::vector<Body> near;
    const double margin = arcminutes / 60.0;
    for (int i = 0; i < kBodyCount; ++i) {
        const double l = chart.planets.longitudes[static_cast<std::size_t>(i)];
        const double within = std::fmod(std::fabs(l), 30.0);
        if (within < margin || within > 30.0 - margin)
            near.push_back(static_cast<Body>(i));
    }
    return near;
}

std::optional<ZoneMisfit> CheckZoneFit(const Chart& chart) {
    const BirthData& b = chart.birth;
    const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex);
    if (!zone)
        return std::nullopt;
    // East of Greenwich positive from here on; the table stores it inverted.
    const int zoneEastMinutes = -(zone->hours * 60 + zone->minutes);
    const double lonDegrees = b.lonDegrees + b.lonMinutes / 60.0;
    // As the program reads it: East only when ticked and not exactly 0.
    const bool east = b.eastLongitude && lonDegrees > 0;
    const double lonEast = east ? lonDegrees : -lonDegrees;
    const double solarMinutes = lonEast / 15.0 * 60.0;
    const bool far = std::fabs(zoneEastMinutes - solarMinutes) > 90.0;
    const bool otherSide = zoneEastMinutes != 0 && ((zoneEastMinutes > 0) != east);
    if (!far && !otherSide)
        return std::nullopt;

    ZoneMisfit m;
    m.zoneText = zone->text;
    m.zoneEastMinutes = zoneEastMinutes;
    m.solarEastMinutes = static_cast<int>(std::trunc(solarMinutes));
    m.lonDegrees = b.lonDegrees;
    m.lonMinutes = b.lonMinutes;
    m.east = east;
    m.reason = otherSide ? MisfitReason::OtherSide : MisfitReason::Far;
    m.rule = chart.calculation.precise() ? MisfitRule::Precise : MisfitRule::Classic;
    m.zoneMagnitude = SpanOfMinutes(std::abs(zone->hours) * 60 + std::abs(zone->minutes));
    m.daylightSaving = b.daylightSaving;
    m.planetsInstant = chart.planets.universal;
    if (const ClassicDiagnostics* classic = chart.classic()) {
        m.usedEast = classic->ascendant.longitudeEastNegative < 0;
        const double ut = classic->ascendant.universalHours;
        m.ascendantInstant = AddMinutes({b.year, b.month, b.day, 0, 0},
                                        static_cast<long long>(std::llround(ut * 60.0)));
    } else {
        // Every body of a precise chart took the row's own offset.
        m.usedEast = zoneEastMinutes > 0;
        m.ascendantInstant = m.planetsInstant;
    }
    return m;
}

SignChangeFacts SignChangeFactsOf(SignChanger of, const SignChangeWindow& w) {
    double searchedMinutes = 0;
    switch (of) {
        case SignChanger::Ascendant:
            searchedMinutes = kAscendantSearchHours * 60;
            break;
        case SignChanger::Moon:
            searchedMinutes = kMoonSearchHours * 60;
            break;
    }
    auto side = [searchedMinutes](const std::optional<double>& m) {
        return SignChangeFacts::Side{m.has_value(), SpanOfMinutes(m.value_or(searchedMinutes))};
    };
    return {of, side(w.earlierMinutes), side(w.laterMinutes)};
}

double TruncateToTenth(double minutes) {
    return std::floor(minutes * 10.0) / 10.0;
}

std::vector<StationEvidence> StationEvidenceFor(const BirthData& birth) {
    std::vector<StationEvidence> out;
    const int birthDay = CalendarDayNumber({birth.year, birth.month, birth.day});
    // Dates only: the clock times in the tables are not reliable enough to
    // show, and the mark is decided by calendar days anyway.
    auto date = [](const Station& s) { return static_cast<const CalendarDate&>(s); };
    auto near = [&](const std::optional<Station>& s) {
        return s && std::abs(CalendarDayNumber(*s) - birthDay) <= 1;
    };
    for (const Body body : kStationBodies) {
        const StationBracket bracket = BracketingStations(body, birth);
        StationEvidence e;
        e.planet = body;
        e.retrograde = bracket.retrograde;
        if (bracket.previous)
            e.before = date(*bracket.previous);
        if (bracket.next)
            e.after = date(*bracket.next);
        e.dayDecided = near(bracket.previous) || near(bracket.next);
        out.push_back(e);
    }
    return out;
}

ChartStability AnalyzeChartStability(const Chart& chart) {
    ChartStability s;
    s.ascendant = AscendantSignWindow(chart.birth, chart.calculation);
    s.moon = MoonSignWindow(chart.birth, chart.calculation);
    s.nearBoundary = BodiesNearSignBoundary(chart);
    s.stations = StationEvidenceFor(chart.birth);
    // A precise chart's marks come from the planets' speeds at the birth:
    // the evidence shows the chart's own mark beside the tables' stations.
    if (chart.calculation.precise())
        for (StationEvidence& e : s.stations)
            e.retrograde = chart.retrogrades.retrograde[e.planet];
    s.zoneMisfit = CheckZoneFit(chart);
    return s;
}

}  // namespace vellamor
