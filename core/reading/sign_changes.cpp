// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/sign_changes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/astro/ascendant.h"
#include "core/astro/moon.h"
#include "core/astro/planet_positions.h"
#include "core/astro/position_text.h"
#include "core/astro/swiss_ephemeris.h"
#include "core/astro/universal_time.h"
#include "core/chart/entry_form.h"

namespace vellamor {

// Degrees from a to b the short way round, in (-180, 180].
double Turned(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    if (d > 180.0)
        d -= 360.0;
    else if (d <= -180.0)
        d += 360.0;
    return d;
}

namespace {

constexpr double kMinutesPerDay = 1440.0;

void MoveTo(BirthData& birth, const CivilDateTime& when) {
    birth.year = when.year;
    birth.month = when.month;
    birth.day = when.day;
    birth.hour = when.hour;
    birth.minute = when.minute;
}

CivilDateTime MinuteAt(long long minute) {
    return AddMinutes({1970, 1, 1, 0, 0}, minute);
}

// The longest time (days) in which a body at `distance` degrees from an edge,
// moving towards it at no more than `speed` (negative: away) and changing
// speed by no more than `acceleration`, cannot reach it: the positive root of
// speed h + acceleration h^2 / 2 = distance, in the form that keeps its
// digits when the acceleration is small.
double DaysClearOf(double distance, double speed, double acceleration) {
    if (distance <= 0)
        return 0;
    const double root = std::sqrt(speed * speed + 2 * acceleration * distance);
    const double denominator = speed + root;
    return denominator > 0 ? 2 * distance / denominator : HUGE_VAL;
}

struct Motion {
    double longitude = 0;         // degrees
    std::optional<double> speed;  // degrees a day, where the ephemeris gives it
};

// The first minute, going from `start` (in the sign, where the body's motion
// is `first`) the way of `direction`, at which the body is out of the sign;
// nothing when it stays in up to and including `limit`.
//
// Each step is one that the bounds prove cannot reach either edge of the
// sign, from the last position and a speed known to within what the bounds
// allow, so no stay outside, however short, is stepped over; near an edge the
// steps shrink to a minute. The speed comes from the ephemeris where it gives
// one, otherwise from the last step's chord; when a long step leaves the
// chord too loose to move on, one more position a minute back pins it.
template <typename Position>
std::optional<long long> FirstMinuteOut(const Position& position, long long start,
                                        const Motion& first, int direction, long long limit,
                                        MotionBound bound) {
    const auto at = [&](long long minute) { return position(MinuteAt(minute)); };
    double longitude = first.longitude;
    const int sign = SignIndexOf(longitude);
    const double low = 30.0 * sign;
    const double high = low + 30.0;
    // Along the search's direction of time (a chord is so by itself), and how far the true speed
    // may be from it; before any step only the bound is known.
    double speed = 0;
    double slack = bound.speed;
    if (first.speed) {
        speed = *first.speed * direction;
        slack = 0;
    }

    long long minute = start;
    while (minute != limit) {
        const double up = high - longitude;
        const double down = longitude - low;
        // Ahead is up the zodiac going forward in time, down going back.
        const double onward = direction > 0 ? up : down;
        const double backward = direction > 0 ? down : up;
        const double looping =
            onward <= bound.ahead || backward <= bound.behind
                ? 0
                : (bound.rate > 0 ? (onward - bound.ahead) / bound.rate : HUGE_VAL);
        const double days =
            std::max({std::min(DaysClearOf(up, speed + slack, bound.acceleration),
                               DaysClearOf(down, slack - speed, bound.acceleration)),
                      std::min(up, down) / bound.speed, looping});
        // While its speed cannot change sign the body moves one way only, so
        // a step to where it would meet the edge at its present speed proves
        // the way there clear if it lands inside, and otherwise holds the one
        // crossing, which is closed in on.
        const double pace = std::fabs(speed) - slack;
        const double reach = (speed > 0 ? up : down) / std::fabs(speed);
        const bool oneWay =
            pace > 0 && reach + 1 / kMinutesPerDay < pace / bound.acceleration && reach > days;
        const auto room = static_cast<double>((limit - minute) * direction);
        const auto step = static_cast<long long>(std::clamp(
            oneWay ? std::ceil(reach * kMinutesPerDay) : std::floor(days * kMinutesPerDay), 1.0,
            room));
        const long long next = minute + direction * step;
        const Motion there = at(next);
        if (SignIndexOf(there.longitude) != sign) {
            long long in = minute;
            long long out = next;
            if (oneWay) {
                const double edge = speed > 0 ? high : low;
                double inside = longitude;
                double outside = there.longitude;
                while ((out - in) * direction > 1) {
                    // The first minute past the edge, were the motion even.
                    const double span = static_cast<double>((out - in) * direction);
                    const double part = Turned(inside, edge) / Turned(inside, outside);
                    const auto ahead =
                        static_cast<long long>(std::clamp(std::ceil(part * span), 1.0, span - 1));
                    const long long guess = in + direction * ahead;
                    const double found = at(guess).longitude;
                    if (SignIndexOf(found) == sign) {
                        in = guess;
                        inside = found;
                    } else {
                        out = guess;
                        outside = found;
                        // Most often the guess is the minute itself.
                        if ((out - in) * direction > 1) {
                            const double before = at(out - direction).longitude;
                            if (SignIndexOf(before) == sign)
                                return out;
                            out -= direction;
                            outside = before;
                        }
                    }
                }
                return out;
            }
            // With the bounds kept the edge is the step's last minute; over a
            // jump in the positions (the classic node's turn) it is narrowed
            // down.
            while ((out - in) * direction > 1) {
                const long long middle = in + (out - in) / 2;
                (SignIndexOf(at(middle).longitude) == sign ? in : out) = middle;
            }
            return out;
        }
        if (there.speed) {
            speed = *there.speed * direction;
            slack = 0;
        } else {
            const double stepDays = static_cast<double>(step) / kMinutesPerDay;
            speed = Turned(longitude, there.longitude) / stepDays;
            slack = bound.acceleration * stepDays;
            if (step > 1 && slack > 0.25 * std::fabs(speed)) {
                const double before = at(next - direction).longitude;
                speed = Turned(before, there.longitude) * kMinutesPerDay;
                slack = bound.acceleration / kMinutesPerDay;
            }
        }
        longitude = there.longitude;
        minute = next;
    }
    return std::nullopt;
}

// A birth on the clock, with only what the positions read: its instant is
// set by MoveTo.
BirthData ClockBirth(const TransitClock& clock) {
    BirthData b;
    b.zoneIndex = clock.zoneIndex;
    b.zoneHours = clock.zoneHours;
    b.zoneMinutes = clock.zoneMinutes;
    b.daylightSaving = clock.daylightSaving;
    b.eastLongitude = clock.eastOfGreenwich;
    b.lonDegrees = 1;  // only the side of Greenwich is read
    return b;
}

// `then` is the clock's birth moved to the instant wanted.
Motion TransitMotion(const TransitClock& clock, const BirthData& then, Body body) {
    const CalculationChoice& choice = clock.calculation;
    if (choice.precise()) {
        const PreciseMotion m = PreciseBodyMotion(body, PreciseJulianDay(then), choice.ayanamsa,
                                                  choice.node, choice.positions);
        return {m.longitude, m.speed};
    }
    if (body == Body::Moon)
        return {ComputeMoonState(then, 0.0).moonLongitude, std::nullopt};
    return {ComputePlanetLongitude(body, then, BirthAyanamsaOffset(then), clock.zoneTableHours,
                                   clock.zoneTableMinutes),
            std::nullopt};
}

}  // namespace

TransitClock TransitClockOf(const Chart& chart) {
    const BirthData& b = chart.birth;
    TransitClock clock;
    clock.calculation = chart.calculation;
    clock.zoneIndex = b.zoneIndex;
    clock.zoneHours = b.zoneHours;
    clock.zoneMinutes = b.zoneMinutes;
    clock.zoneTableHours = chart.zoneTableHours;
    clock.zoneTableMinutes = chart.zoneTableMinutes;
    clock.daylightSaving = b.daylightSaving;
    // East as the universal time takes it: a longitude of 0 is West.
    clock.eastOfGreenwich = BirthUniversalTime(b).longitudeEastNegative < 0;
    return clock;
}

double TransitLongitude(const Chart& chart, Body body, const CivilDateTime& when) {
    const TransitClock clock = TransitClockOf(chart);
    BirthData then = ClockBirth(clock);
    MoveTo(then, when);
    return TransitMotion(clock, then, body).longitude;
}

SignStay FindSignStay(const Chart& chart, Body body, const CivilDateTime& reading) {
    return FindSignStay(TransitClockOf(chart), body, reading);
}

SignStay FindSignStay(const TransitClock& clock, Body body, const CivilDateTime& reading) {
    const MotionBound bound = MotionBoundOf(clock.calculation, body);
    BirthData then = ClockBirth(clock);
    const auto position = [&](const CivilDateTime& when) {
        MoveTo(then, when);
        return TransitMotion(clock, then, body);
    };
    const long long now = MinutesSince1970(reading);
    const long long earliest = MinutesSince1970({kFirstYear, 1, 1, 0, 0});
    const long long latest = MinutesSince1970({kLastYear, 12, 31, 23, 59});
    // Both ways start from the reading's own position.
    const Motion first = position(MinuteAt(now));
    SignStay stay;
    if (const auto before = FirstMinuteOut(position, now, first, -1, earliest, bound))
        stay.enters = MinuteAt(*before + 1);
    if (const auto after = FirstMinuteOut(position, now, first, +1, latest, bound))
        stay.leaves = MinuteAt(*after);
    return stay;
}

const SignStays& SignStayMemo::Find(const TransitClock& clock, const CivilDateTime& reading) {
    // Memory stays flat however many clocks a run meets.
    if (m_found.size() >= 4096)
        m_found.clear();
    const auto [found, fresh] = m_found.try_emplace(clock.key());
    const long long now = MinutesSince1970(reading);
    const auto holds = [now](const SignStay& stay) {
        // An end beyond the program's years holds every reading on that side.
        return (!stay.enters || MinutesSince1970(*stay.enters) <= now) &&
               (!stay.leaves || now < MinutesSince1970(*stay.leaves));
    };
    SignStays& stays = found->second;
    for (int i = 0; i < kTransitBodyCount; ++i) {
        SignStay& stay = stays[static_cast<std::size_t>(i)];
        if (fresh || !holds(stay))
            stay = FindSignStay(clock, static_cast<Body>(i), reading);
    }
    return stays;
}

MotionBound MotionBoundOf(const CalculationChoice& calculation, Body body) {
    // The largest figures in the positions of either calculation from 1901
    // to 2050 (tools/motion), with a margin and rounded up. The precise
    // planets' positions and the classic node hold jumps of about a
    // thousandth of a degree, which these ignore: a step over one is caught
    // by the sign it lands in.
    constexpr std::array<MotionBound, kTransitBodyCount> kBounds{{
        {1.3, 0.001},                       // Sun
        {16.5, 0.65},                       // Moon
        {2.5, 0.25},                        // Mercury
        {1.4, 0.055},                       // Venus
        {0.9, 0.022},                       // Mars
        {0.28, 0.0045, 0.1, 25.0, 11.0},    // Jupiter
        {0.15, 0.0025, 0.04, 14.0, 7.7},    // Saturn
        {0.075, 0.0012, 0.014, 7.0, 4.6},   // Uranus
        {0.05, 0.00075, 0.0065, 4.3, 3.2},  // Neptune
        {0.05, 0.0008, 0.0076, 4.5, 3.2},   // Pluto
        {0.065, 0.0001},                    // Rahu, the mean node
        {0.065, 0.0001},                    // Ketu
    }};
    // The true node swings about the mean one within days.
    constexpr MotionBound kTrueNode{0.32, 0.07};
    const bool node = body == Body::Rahu || body == Body::Ketu;
    if (node && calculation.precise() && calculation.node == LunarNode::True)
        return kTrueNode;
    return kBounds[static_cast<std::size_t>(BodyIndex(body))];
}

}  // namespace vellamor
