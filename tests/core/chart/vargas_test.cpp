// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/vargas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/astro/ascendant.h"
#include "core/astro/moon.h"
#include "core/chart/varga_stability.h"

namespace vellamor {
namespace {

// The edges of a varga's parts within a sign, as exact fractions of a
// degree: edge k is numerator[k] / denominator.
struct Edges {
    std::vector<long long> numerators;  // 0 first, 30 * denominator last
    long long denominator = 1;
};
Edges EdgesOf(Varga v, Sign s) {
    if (v == Varga::D30) {
        const bool odd = static_cast<int>(s) % 2 == 0;
        return odd ? Edges{{0, 5, 10, 18, 25, 30}, 1} : Edges{{0, 5, 12, 20, 25, 30}, 1};
    }
    Edges e;
    e.denominator = kVargaParts[v];
    for (int k = 0; k <= kVargaParts[v]; ++k)
        e.numerators.push_back(30LL * k);
    return e;
}

// The least double at or after an exact longitude num / den: a long double
// holds a double times any denominator here exactly, so the test needs none
// of the code's own arithmetic.
double FirstOnOrAfter(long long num, long long den) {
    const auto atOrAfter = [&](double x) {
        return static_cast<long double>(x) * den >= static_cast<long double>(num);
    };
    double x = static_cast<double>(num) / static_cast<double>(den);
    while (!atOrAfter(x))
        x = std::nextafter(x, 400.0);
    while (atOrAfter(std::nextafter(x, -1.0)))
        x = std::nextafter(x, -1.0);
    return x;
}

// The varga signs of the classical rules, by sign and part (from 0), worked
// by hand: odd and even, movable, fixed and dual, every element, first and
// last parts.
struct PartRow {
    Varga varga;
    Sign sign;
    int part;
    int vargaSign;  // 1 = Aries
};
const PartRow kParts[] = {
    {Varga::D1, Sign::Leo, 0, 5},          {Varga::D2, Sign::Aries, 0, 5},
    {Varga::D2, Sign::Aries, 1, 4},        {Varga::D2, Sign::Taurus, 0, 4},
    {Varga::D2, Sign::Taurus, 1, 5},       {Varga::D3, Sign::Cancer, 0, 4},
    {Varga::D3, Sign::Cancer, 1, 8},       {Varga::D3, Sign::Cancer, 2, 12},
    {Varga::D4, Sign::Libra, 0, 7},        {Varga::D4, Sign::Libra, 1, 10},
    {Varga::D4, Sign::Libra, 2, 1},        {Varga::D4, Sign::Libra, 3, 4},
    {Varga::D7, Sign::Aries, 6, 7},        {Varga::D7, Sign::Taurus, 0, 8},
    {Varga::D7, Sign::Taurus, 6, 2},       {Varga::D9, Sign::Aries, 8, 9},
    {Varga::D9, Sign::Taurus, 0, 10},      {Varga::D9, Sign::Gemini, 0, 7},
    {Varga::D9, Sign::Cancer, 0, 4},       {Varga::D9, Sign::Pisces, 8, 12},
    {Varga::D10, Sign::Taurus, 0, 10},     {Varga::D10, Sign::Aries, 9, 10},
    {Varga::D12, Sign::Virgo, 11, 5},      {Varga::D16, Sign::Taurus, 0, 5},
    {Varga::D16, Sign::Gemini, 0, 9},      {Varga::D16, Sign::Cancer, 15, 4},
    {Varga::D20, Sign::Taurus, 0, 9},      {Varga::D20, Sign::Gemini, 0, 5},
    {Varga::D20, Sign::Aries, 19, 8},      {Varga::D24, Sign::Aries, 0, 5},
    {Varga::D24, Sign::Taurus, 0, 4},      {Varga::D24, Sign::Aries, 23, 4},
    {Varga::D27, Sign::Aries, 0, 1},       {Varga::D27, Sign::Taurus, 0, 4},
    {Varga::D27, Sign::Gemini, 0, 7},      {Varga::D27, Sign::Cancer, 0, 10},
    {Varga::D27, Sign::Leo, 26, 3},        {Varga::D30, Sign::Aries, 0, 1},
    {Varga::D30, Sign::Aries, 1, 11},      {Varga::D30, Sign::Aries, 2, 9},
    {Varga::D30, Sign::Aries, 3, 3},       {Varga::D30, Sign::Aries, 4, 7},
    {Varga::D30, Sign::Taurus, 0, 2},      {Varga::D30, Sign::Taurus, 1, 6},
    {Varga::D30, Sign::Taurus, 2, 12},     {Varga::D30, Sign::Taurus, 3, 10},
    {Varga::D30, Sign::Taurus, 4, 8},      {Varga::D40, Sign::Taurus, 0, 7},
    {Varga::D40, Sign::Aries, 39, 4},      {Varga::D45, Sign::Leo, 0, 5},
    {Varga::D45, Sign::Sagittarius, 0, 9}, {Varga::D45, Sign::Aries, 44, 9},
    {Varga::D60, Sign::Gemini, 59, 2},
};

// Every edge of every varga in every sign, on both sides: the least double
// at or past the exact edge is in the later part, the one before it in the
// earlier; the parts of the hand-worked table have the signs it gives.
TEST(Vargas, EveryEdgeBelongsToTheLaterPart) {
    for (const PartRow& row : kParts) {
        const Edges e = EdgesOf(row.varga, row.sign);
        const long long base = 30LL * static_cast<int>(row.sign) * e.denominator;
        const double middle = (static_cast<double>(base + e.numerators[row.part]) +
                               static_cast<double>(base + e.numerators[row.part + 1])) /
                              2 / static_cast<double>(e.denominator);
        EXPECT_EQ(SignNumber(VargaSign(row.varga, middle)), row.vargaSign)
            << kVargaKeys[row.varga] << " " << SignAbbreviation(row.sign) << " part " << row.part;
    }
    for (const Varga v : AllOf<Varga>()) {
        for (const Sign s : AllOf<Sign>()) {
            const Edges e = EdgesOf(v, s);
            const long long base = 30LL * static_cast<int>(s) * e.denominator;
            for (std::size_t k = 0; k + 1 < e.numerators.size(); ++k) {
                const double lo = FirstOnOrAfter(base + e.numerators[k], e.denominator);
                const double hi = FirstOnOrAfter(base + e.numerators[k + 1], e.denominator);
                const double justBefore = std::nextafter(hi, -1.0);
                const Sign expected = VargaSign(v, (lo + hi) / 2);
                SCOPED_TRACE(std::string(kVargaKeys[v]) + " " + std::string(SignAbbreviation(s)) +
                             " part " + std::to_string(k));
                EXPECT_EQ(VargaSign(v, lo), expected) << lo;
                EXPECT_EQ(VargaSign(v, justBefore), expected) << justBefore;
                EXPECT_EQ(AllVargaSigns(lo)[v], expected);
                EXPECT_NEAR(DegreesToPartEdge(v, lo, -1), 0, 1e-12);
                EXPECT_NEAR(DegreesToPartEdge(v, justBefore, +1), 0, 1e-12);
            }
        }
    }
    // A whole turn and a tiny negative value are Aries, like the rasi.
    EXPECT_EQ(VargaSign(Varga::D60, 360.0), Sign::Aries);
    EXPECT_EQ(VargaSign(Varga::D1, -1e-13), Sign::Pisces);
    EXPECT_EQ(VargaOfKey("D45"), Varga::D45);
    EXPECT_FALSE(VargaOfKey("D5"));
}

// The rings of the navamsa: each starts at its body's navamsa sign, and each
// sign holds its bodies in body order with their marks.
TEST(Vargas, RingsStartAtTheReferenceBodiesVargaSigns) {
    std::array<double, kBodyCount> longitudes{};
    longitudes.fill(5.0);                          // Aries 5: navamsa Taurus
    longitudes[BodyIndex(Body::Ascendant)] = 100;  // Cancer 10: Libra
    longitudes[BodyIndex(Body::Moon)] = 45;        // Taurus 15: Taurus
    longitudes[BodyIndex(Body::Sun)] = 200;        // Libra 20: Aries
    longitudes[BodyIndex(Body::Mercury)] = 201;    // Libra 21: Aries
    const VargaTable table = CalculateVargas(longitudes);
    EnumArray<Body, bool> retrograde{};
    retrograde[Body::Mercury] = true;
    const ChakraModel rings = VargaChakra(table[Varga::D9], RetrogradeMarksOf(retrograde));
    EXPECT_EQ(rings.referenceSigns[Ring::Birth], Sign::Libra);
    EXPECT_EQ(rings.referenceSigns[Ring::Moon], Sign::Taurus);
    EXPECT_EQ(rings.referenceSigns[Ring::Sun], Sign::Aries);
    EXPECT_EQ(rings.house(Ring::Birth, 3).sign, Sign::Capricorn);
    EXPECT_EQ(rings.house(Ring::Sun, 0).sign, Sign::Aries);
    const Occupants& aries = rings.occupants(Sign::Aries);
    ASSERT_EQ(aries.size(), 2);
    EXPECT_EQ(aries[0], (Occupant{Body::Sun, false, false}));
    EXPECT_EQ(aries[1], (Occupant{Body::Mercury, true, false}));
    EXPECT_EQ(rings.occupants(Sign::Taurus).size(), 10);  // the Moon and the nine at Aries 5
    ASSERT_EQ(rings.occupants(Sign::Libra).size(), 1);
    EXPECT_EQ(rings.occupants(Sign::Libra)[0].body, Body::Ascendant);
}

// The windows are where the varga sign really changes, to the second, for
// the Ascendant and the Moon in every varga; the rasi's agree with the
// chart's own search; the Shashtiamsa's Ascendant changes within minutes.
TEST(Vargas, SensitivityFindsEachVargaSignChange) {
    BirthData b;
    b.year = 1987, b.month = 3, b.day = 14, b.hour = 6, b.minute = 41;
    b.zoneIndex = 34, b.zoneHours = 5, b.zoneMinutes = 30;
    b.lonDegrees = 73, b.lonMinutes = 51, b.eastLongitude = true;
    b.latDegrees = 18, b.latMinutes = 31;
    const VargaSensitivity s = AnalyzeVargaSensitivity(b, {});
    const auto asc = [&](double minutes) {
        return ComputeAscendantWithoutText(b, minutes / 60.0).ascendant;
    };
    const auto moon = [&](double minutes) {
        return ComputeMoonState(b, minutes / 60.0).moonLongitude;
    };
    const double second = 1.0 / 60.0;
    for (const Varga v : AllOf<Varga>()) {
        SCOPED_TRACE(std::string(kVargaKeys[v]));
        for (const auto& [window, at] :
             {std::pair{s.ascendant(v), std::function<double(double)>(asc)},
              std::pair{s.moon(v), std::function<double(double)>(moon)}}) {
            ASSERT_TRUE(window.earlierMinutes && window.laterMinutes);
            const Sign now = VargaSign(v, at(0));
            EXPECT_EQ(VargaSign(v, at(*window.laterMinutes - second)), now);
            EXPECT_NE(VargaSign(v, at(*window.laterMinutes + second)), now);
            EXPECT_EQ(VargaSign(v, at(-*window.earlierMinutes + second)), now);
            EXPECT_NE(VargaSign(v, at(-*window.earlierMinutes - second)), now);
        }
    }
    const SignChangeWindow rasi = AscendantSignWindow(b);
    EXPECT_NEAR(*s.ascendant(Varga::D1).laterMinutes, *rasi.laterMinutes, second);
    EXPECT_NEAR(*s.ascendant(Varga::D1).earlierMinutes, *rasi.earlierMinutes, second);
    EXPECT_LT(*s.ascendant(Varga::D60).earlierMinutes + *s.ascendant(Varga::D60).laterMinutes, 4);
}

}  // namespace
}  // namespace vellamor
