// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the transiting bodies move and change speed in the program's own
// positions, classic and precise, over 1901 to 2050: the figures behind the
// bounds of the sign-change search. Positions every six hours; the speed
// and its change from their differences.
//
//   motion_bounds        prints, per body, the largest speed (degrees a
//                        day) and change of speed (degrees a day per day),
//                        the mean rate, and how far the body ever gets ahead
//                        of its mean rate and back from where it was
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/chart/pipeline.h"
#include "core/reading/sign_changes.h"
#include "core/reading/transits.h"

using namespace vellamor;

int main() {
    BirthData birth;
    birth.day = 1, birth.month = 1, birth.year = 1901;
    birth.zoneIndex = 0;
    const std::array<CalculationChoice, 3> choices{
        CalculationChoice{},
        CalculationChoice{CalculationMethod::Precise, Ayanamsa::Lahiri, LunarNode::Mean},
        CalculationChoice{CalculationMethod::Precise, Ayanamsa::TrueChitra, LunarNode::True}};
    constexpr int kStepMinutes = 360;
    constexpr double kStepDays = kStepMinutes / 1440.0;
    for (const CalculationChoice& choice : choices) {
        const Chart chart = CalculateChart(birth, choice);
        std::printf("%s %s %s\n", choice.precise() ? "precise" : "classic",
                    std::string(AyanamsaKey(choice.ayanamsa)).c_str(),
                    std::string(LunarNodeKey(choice.node)).c_str());
        for (int i = 0; i < kTransitBodyCount; ++i) {
            const auto body = static_cast<Body>(i);
            double speed = 0, acceleration = 0;
            double previous = 0, previousSpeed = 0;
            std::vector<double> unwrapped;
            int n = 0;
            for (CivilDateTime t{1901, 1, 1, 0, 0}; t.year <= 2050;
                 t = AddMinutes(t, kStepMinutes), ++n) {
                const double l = TransitLongitude(chart, body, t);
                const double v = Turned(previous, l) / kStepDays;
                // A jump (the classic node's turn of 0.01 degree) is no speed.
                const bool node = body == Body::Rahu || body == Body::Ketu;
                const bool jump = !choice.precise() && node && std::fabs(v - previousSpeed) > 0.01;
                if (n >= 2 && !jump) {
                    speed = std::max(speed, std::fabs(v));
                    acceleration = std::max(acceleration, std::fabs(v - previousSpeed) / kStepDays);
                }
                unwrapped.push_back(n == 0 ? l : unwrapped.back() + Turned(previous, l));
                previous = l;
                if (n >= 1)
                    previousSpeed = v;
            }
            // The fastest mean rate over a synodic period (a loop and the
            // way between loops), how far ahead of it the body ever gets
            // from where it was, and how far back it ever goes.
            constexpr std::array<double, 12> kSynodicDays{365.25, 29.53,  115.88, 583.92,
                                                          779.94, 398.88, 378.09, 369.66,
                                                          367.49, 366.73, 346.62, 346.62};
            const auto window =
                static_cast<std::size_t>(kSynodicDays[static_cast<std::size_t>(i)] / kStepDays);
            double rate = -HUGE_VAL;
            for (std::size_t k = 0; k + window < unwrapped.size(); ++k)
                rate =
                    std::max(rate, (unwrapped[k + window] - unwrapped[k]) / (window * kStepDays));
            double ahead = 0, behind = 0, lowest = HUGE_VAL, highest = -HUGE_VAL;
            for (std::size_t k = 0; k < unwrapped.size(); ++k) {
                const double u = unwrapped[k] - rate * k * kStepDays;
                lowest = std::min(lowest, u);
                ahead = std::max(ahead, u - lowest);
                highest = std::max(highest, unwrapped[k]);
                behind = std::max(behind, highest - unwrapped[k]);
            }
            std::printf(
                "  %-8s speed %9.5f  acceleration %9.6f  rate %9.6f  ahead %7.3f"
                "  behind %7.3f\n",
                std::string(kPlanetNames[static_cast<std::size_t>(i)]).c_str(), speed, acceleration,
                rate, ahead, behind);
        }
    }
}
