// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar mansions: 27 nakshatras of 13°20′ each from 0° Aries of the
// sidereal zodiac, each of four padas of 3°20′, ruled in turn by Ketu, Venus,
// the Sun, the Moon, Mars, Rahu, Jupiter, Saturn and Mercury, three rounds.
#pragma once

#include <array>
#include <string_view>

#include "core/astro/bodies.h"

namespace vellamor {

inline constexpr int kNakshatraCount = 27;
inline constexpr auto kNakshatraNames = std::to_array<std::string_view>({"Ashwini",
                                                                         "Bharani",
                                                                         "Krittika",
                                                                         "Rohini",
                                                                         "Mrigashira",
                                                                         "Ardra",
                                                                         "Punarvasu",
                                                                         "Pushya",
                                                                         "Ashlesha",
                                                                         "Magha",
                                                                         "Purva Phalguni",
                                                                         "Uttara Phalguni",
                                                                         "Hasta",
                                                                         "Chitra",
                                                                         "Swati",
                                                                         "Vishakha",
                                                                         "Anuradha",
                                                                         "Jyeshtha",
                                                                         "Mula",
                                                                         "Purva Ashadha",
                                                                         "Uttara Ashadha",
                                                                         "Shravana",
                                                                         "Dhanishta",
                                                                         "Shatabhisha",
                                                                         "Purva Bhadrapada",
                                                                         "Uttara Bhadrapada",
                                                                         "Revati"});
static_assert(kNakshatraNames.size() == kNakshatraCount);

// The nine lords in the order they rule the nakshatras (and, with their
// years, the Vimshottari periods).
inline constexpr auto kNakshatraLords =
    std::to_array<Body>({Body::Ketu, Body::Venus, Body::Sun, Body::Moon, Body::Mars, Body::Rahu,
                         Body::Jupiter, Body::Saturn, Body::Mercury});

inline constexpr double kNakshatraDegrees = 40.0 / 3;  // 13°20′
inline constexpr double kPadaDegrees = 10.0 / 3;       // 3°20′

struct Nakshatra {
    int number = 1;  // 1 = Ashwini .. 27 = Revati
    int pada = 1;    // 1..4
    // Degrees already travelled through the nakshatra, 0 to under 13°20′.
    double degreesIn = 0;

    Body lord() const { return kNakshatraLords[static_cast<std::size_t>((number - 1) % 9)]; }
    std::string_view name() const { return kNakshatraNames[static_cast<std::size_t>(number - 1)]; }
};

// The nakshatra and pada of a sidereal longitude in degrees (any value; taken
// round the circle).
Nakshatra NakshatraOf(double siderealDegrees);

}  // namespace vellamor
