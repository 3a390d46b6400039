// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/moon.h"

#include <array>
#include <cmath>

#include "core/astro/calendar_math.h"
#include "core/astro/position_text.h"
#include "core/astro/universal_time.h"

namespace vellamor {
namespace {

// One periodic term: coefficient (degrees) times the sine of
// d*D + m*M + mp*M' + f*F, times E when the term contains M.
struct LunarTerm {
    double coefficient;
    int d, m, mp, f;
    bool eccentricity;
};

constexpr auto kLongitudeTerms = std::to_array<LunarTerm>({
    {6.288774, 0, 0, 1, 0, false},   {1.274027, 2, 0, -1, 0, false}, {0.658314, 2, 0, 0, 0, false},
    {0.213618, 0, 0, 2, 0, false},   {-0.185116, 0, 1, 0, 0, true},  {-0.114332, 0, 0, 0, 2, false},
    {0.058793, 2, 0, -2, 0, false},  {0.057066, 2, -1, -1, 0, true}, {0.053322, 2, 0, 1, 0, false},
    {0.045758, 2, -1, 0, 0, true},   {-0.040923, 0, 1, -1, 0, true}, {-0.034720, 1, 0, 0, 0, false},
    {-0.030383, 0, 1, 1, 0, true},   {0.015327, 2, 0, 0, -2, false}, {-0.012528, 0, 0, 1, 2, false},
    {0.010980, 0, 0, 1, -2, false},  {0.010675, 4, 0, -1, 0, false}, {0.010034, 0, 0, 3, 0, false},
    {0.008548, 4, 0, -2, 0, false},  {-0.007888, 2, 1, -1, 0, true}, {-0.006766, 2, 1, 0, 0, true},
    {-0.005163, 1, 0, -1, 0, false}, {0.004987, 1, 1, 0, 0, true},   {0.004036, 2, -1, 1, 0, true},
    {0.003994, 2, 0, 2, 0, false},
});
// The series has exactly these 25 terms: a lost row must not compile.
static_assert(kLongitudeTerms.size() == 25);

// The argument exactly as written: multiples formed on the radian values and
// combined left to right in the order D, M, M', F.
double Argument(const LunarTerm& t, double D, double M, double Mp, double F) {
    double acc = 0;
    bool first = true;
    auto add = [&](int k, double v) {
        if (k == 0)
            return;
        double term = (k == 1 || k == -1) ? v : std::abs(k) * v;
        if (first) {
            acc = k < 0 ? -term : term;
            first = false;
        } else {
            acc = k < 0 ? acc - term : acc + term;
        }
    };
    add(t.d, D);
    add(t.m, M);
    add(t.mp, Mp);
    add(t.f, F);
    return acc;
}

}  // namespace

double LunarAyanamsaOffset(double t) {
    const double omega = 125.044555 - 1934.1361849 * t + 0.0020762 * (t * t);
    const double l = 280.466449 + 36000.7698231 * t + 0.0003106 * (t * t);
    double x = 1.27 * std::sin(l * kDegToRad) + 17.23 * std::sin(omega * kDegToRad);
    x = x - (5025.64 * t + 1.11 * (t * t));
    return (x - 85886.27) / 3600.0;
}

double LunarLongitudeTerms(double t) {
    const double D = (297.8502042 + 445267.1115168 * t) * kDegToRad;
    const double M = (357.5291092 + 35999.0502909 * t) * kDegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * t) * kDegToRad;
    const double F = (93.2720993 + 483202.0175273 * t) * kDegToRad;
    const double E = 1.0 - 0.002516 * t - 0.0000074 * (t * t);
    double sum = 0;
    for (const LunarTerm& term : kLongitudeTerms) {
        double v = term.coefficient * std::sin(Argument(term, D, M, Mp, F));
        if (term.eccentricity)
            v = v * E;
        sum += v;
    }
    return sum;
}

double TropicalMoonLongitude(double t) {
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    double lambda = meanLongitude + LunarLongitudeTerms(t);
    lambda = AddTurnsWhileNegative(lambda);
    lambda = SubtractTurnsWhileAbove360(lambda);
    return lambda;
}

EphemerisState ComputeMoonState(const BirthData& b, double extraHours) {
    EphemerisState s;
    const UniversalTime u = BirthUniversalTime(b, extraHours);
    s.localHours = u.localHours;
    s.zoneOffset = u.zoneOffset;
    s.longitudeEastNegative = u.longitudeEastNegative;
    s.julianDay = u.julianDay;
    s.universalHours = u.universalHours;
    s.centuries2000 = (s.julianDay - 2451545.0 + s.universalHours / 24.0 - 0.5) / 36525.0;
    s.ayanamsaOffset = LunarAyanamsaOffset(s.centuries2000);

    double moon = TropicalMoonLongitude(s.centuries2000) + s.ayanamsaOffset;
    if (moon < 0)
        moon += 360.0;
    s.moonLongitude = moon;
    return s;
}

MoonChart ComputeMoonChart(const BirthData& b) {
    MoonChart chart;
    chart.state = ComputeMoonState(b, 0.0);
    chart.positionText = FormatSignPosition(chart.state.moonLongitude);
    return chart;
}

}  // namespace vellamor
