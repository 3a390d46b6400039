// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/varga_stability.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/astro/ascendant.h"
#include "core/astro/moon.h"
#include "core/astro/swiss_ephemeris.h"
#include "core/chart/pipeline.h"

namespace vellamor {
namespace {

constexpr double kOneSecondHours = 1.0 / 3600.0;

// The narrowest part of a varga, degrees: a body moving through the zodiac
// cannot leave a varga sign and come back to it in less time than it takes
// to cross one.
double NarrowestPart(Varga v) {
    return v == Varga::D30 ? 5.0 : 30.0 / kVargaParts[v];
}

// One walk in one direction serves all sixteen vargas: each probe's longitude
// gives every varga sign at once. The walk steps no further than the
// unresolved vargas allow (`stepFor` must never let a step cross a whole
// part), and a varga whose sign has changed at a probe is bisected alone
// within that step down to a second, where its sign can change only once.
template <typename Longitude, typename StepFor>
EnumArray<Varga, std::optional<double>> HoursToVargaChanges(Longitude longitude, StepFor stepFor,
                                                            double direction, double limitHours) {
    EnumArray<Varga, std::optional<double>> found;
    const EnumArray<Varga, Sign> start = AllVargaSigns(longitude(0));
    int unresolved = kEnumCount<Varga>;
    double inside = 0;
    double insideLongitude = longitude(0);
    while (unresolved > 0 && inside < limitHours) {
        double step = limitHours;
        for (const Varga v : AllOf<Varga>())
            if (!found[v])
                step = std::min(step, stepFor(v, insideLongitude, direction));
        const double probe = std::min(inside + std::max(step, kOneSecondHours), limitHours);
        const double probeLongitude = longitude(direction * probe);
        const EnumArray<Varga, Sign> there = AllVargaSigns(probeLongitude);
        for (const Varga v : AllOf<Varga>()) {
            if (found[v] || there[v] == start[v])
                continue;
            double lo = inside, hi = probe;
            while (hi - lo > kOneSecondHours / 2) {
                const double mid = 0.5 * (lo + hi);
                if (VargaSign(v, longitude(direction * mid)) == start[v]) {
                    lo = mid;
                } else {
                    hi = mid;
                }
            }
            found[v] = hi;
            --unresolved;
        }
        inside = probe;
        insideLongitude = probeLongitude;
    }
    return found;
}

template <typename Longitude, typename StepFor>
VargaWindows Windows(Longitude longitude, StepFor stepFor, double limitHours) {
    const auto earlier = HoursToVargaChanges(longitude, stepFor, -1, limitHours);
    const auto later = HoursToVargaChanges(longitude, stepFor, +1, limitHours);
    VargaWindows windows;
    const auto minutes = [](std::optional<double> hours) {
        return hours ? std::optional<double>(*hours * 60.0) : std::nullopt;
    };
    for (const Varga v : AllOf<Varga>())
        windows[static_cast<std::size_t>(v)] = {minutes(earlier[v]), minutes(later[v])};
    return windows;
}

// Four minutes for a whole sign, as the rasi's search steps: the Ascendant
// crosses no sign that fast at any inhabited latitude, so no part either in
// the same share of four minutes.
double AscendantStep(Varga v, double, double) {
    return 4.0 / 60.0 * NarrowestPart(v) / 30.0;
}

// The Moon never moves faster than about 15.4 degrees a day; the distance to
// the part's edge at a higher speed never passes it.
double MoonStep(Varga v, double longitude, double direction) {
    constexpr double kMaxDegreesPerHour = 16.5 / 24.0;
    return DegreesToPartEdge(v, longitude, direction > 0 ? +1 : -1) / kMaxDegreesPerHour;
}

}  // namespace

VargaSensitivity AnalyzeVargaSensitivity(const BirthData& birth, const CalculationChoice& choice) {
    VargaSensitivity s;
    if (!choice.precise()) {
        s.ascendantWindows = Windows(
            [&](double hours) { return ComputeAscendantWithoutText(birth, hours).ascendant; },
            AscendantStep, kAscendantSearchHours);
        s.moonWindows =
            Windows([&](double hours) { return ComputeMoonState(birth, hours).moonLongitude; },
                    MoonStep, kMoonSearchHours);
        return s;
    }
    const double latitude = PreciseLatitudeNorth(birth);
    const double longitude = PreciseLongitudeEast(birth);
    const double jd = PreciseJulianDay(birth);
    s.ascendantWindows = Windows(
        [&](double hours) {
            return PreciseAscendant(jd + hours / 24.0, latitude, longitude, choice.ayanamsa);
        },
        AscendantStep, kAscendantSearchHours);
    s.moonWindows = Windows(
        [&](double hours) {
            return PreciseMoonLongitude(jd + hours / 24.0, choice.ayanamsa, choice.positions);
        },
        MoonStep, kMoonSearchHours);
    return s;
}

}  // namespace vellamor
