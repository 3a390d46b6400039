// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen Parashari divisional charts (vargas): the sign each body and
// the Ascendant take in every varga, from its sidereal longitude in degrees,
// and the Sudarshan Chakra's three rings drawn from a varga's signs.
//
// A varga cuts each sign into parts (equal ones, except the Trimsamsa's five
// unequal parts) and gives each part a sign. A longitude exactly on a part's
// edge belongs to the later part; the edge is the exact one (3 degrees 20
// minutes is 10/3, not its nearest double), so a double just below it and one
// just above it fall on their own sides.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/astro/bodies.h"
#include "core/astro/enum_array.h"
#include "core/chart/chakra_model.h"
#include "core/chart/pipeline.h"

namespace vellamor {

enum class Varga { D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40, D45, D60 };
template <>
inline constexpr int kEnumCount<Varga> = 16;

// The key the command line and the JSON use.
inline constexpr EnumArray<Varga, std::string_view> kVargaKeys{{"D1", "D2", "D3", "D4", "D7", "D9",
                                                                "D10", "D12", "D16", "D20", "D24",
                                                                "D27", "D30", "D40", "D45", "D60"}};
// The classical names, transliterated: data for the front ends to show beside
// the key, in whatever script they write.
inline constexpr EnumArray<Varga, std::string_view> kVargaNames{
    {"Rasi", "Hora", "Drekkana", "Chaturthamsa", "Saptamsa", "Navamsa", "Dasamsa", "Dwadasamsa",
     "Shodasamsa", "Vimsamsa", "Chaturvimsamsa", "Bhamsa", "Trimsamsa", "Khavedamsa",
     "Akshavedamsa", "Shashtiamsa"}};
// Parts a sign is cut into: the number after the D.
inline constexpr EnumArray<Varga, int> kVargaParts{
    {1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 5, 40, 45, 60}};

// The varga of a key as written ("D9"); nothing for any other text.
std::optional<Varga> VargaOfKey(std::string_view key);

// The varga sign of a sidereal longitude in degrees (any real; whole turns
// are taken off, so 360 is the start of Aries).
Sign VargaSign(Varga varga, double longitudeDegrees);

// Every varga sign of one longitude at once: the cheap form, one split of the
// longitude shared by the sixteen.
EnumArray<Varga, Sign> AllVargaSigns(double longitudeDegrees);

// The sign of every body in every varga, from the sidereal longitudes in body
// order (PlanetPositions::longitudes).
using BodySigns = EnumArray<Body, Sign>;
using VargaTable = EnumArray<Varga, BodySigns>;
VargaTable CalculateVargas(const std::array<double, kBodyCount>& longitudes);

// A varga's signs in the form the chakra is built from: 0 = Aries .. 11 =
// Pisces per body, as PlanetPositions::signs gives the rasi's.
std::array<int, kBodyCount> SignIndices(const BodySigns& signs);

// The degrees from a longitude to the nearest edge of its varga part in one
// direction (+1 forwards through the zodiac, -1 backwards): how far it must
// move for its varga sign to be able to change. Never negative; a longitude
// on an edge is that edge's distance 0 backwards and a whole part forwards.
double DegreesToPartEdge(Varga varga, double longitudeDegrees, int direction);

// The chakra's three rings drawn from one varga's signs: each ring starts at
// the sign its reference body (the Ascendant, the Moon, the Sun) has in the
// varga, and each sign holds the bodies whose varga sign it is, in body
// order, with their retrograde marks. D1 gives the chart's own chakra.
ChakraModel VargaChakra(const BodySigns& signs, const RetrogradeMarks& marks);
ChakraModel VargaChakra(const Chart& chart, Varga varga);

}  // namespace vellamor
