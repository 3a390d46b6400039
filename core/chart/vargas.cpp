// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/vargas.h"

#include <cmath>
#include <cstdint>

namespace vellamor {
namespace {

// Every part edge of every varga lies on a whole number of units of 1/504
// degree: 15120 units to the sign is the least common multiple of the part
// counts (16 x 27 x 5 x 7), and the Trimsamsa's edges (5, 10, 12, 18, 20, 25
// degrees) are whole units too. So once a longitude's unit is known exactly,
// every varga is integer arithmetic and an edge falls on its later side
// without any rounding to doubt.
constexpr int kUnitsPerDegree = 504;
constexpr int kUnitsPerSign = 30 * kUnitsPerDegree;
static_assert(kUnitsPerSign % (16 * 27 * 5 * 7) == 0);

// 0 .. 360 * 504 - 1: the whole units from the start of Aries, floored
// exactly. The product is rounded once; rounding is monotone, so it can reach
// a whole number the exact product lies just below, and only then; the fused
// remainder, exact in sign, tells that case apart.
double WithinTurn(double longitudeDegrees) {
    // A chart's longitudes are within the turn already; fmod is slow.
    if (longitudeDegrees >= 0 && longitudeDegrees < 360.0)
        return longitudeDegrees;
    double a = std::isfinite(longitudeDegrees) ? std::fmod(longitudeDegrees, 360.0) : 0.0;
    if (a < 0)
        a += 360.0;
    if (a >= 360.0)  // a tiny negative value plus a turn can round up to 360
        a = 0;
    return a;
}

int UnitOf(double longitudeDegrees) {
    const double a = WithinTurn(longitudeDegrees);
    const double product = a * kUnitsPerDegree;
    double unit = std::floor(product);
    if (unit == product && unit > 0 && std::fma(a, kUnitsPerDegree, -product) < 0)
        unit -= 1;
    return static_cast<int>(unit);
}

constexpr bool IsOdd(int sign) {
    return sign % 2 == 0;  // Aries, Gemini, Leo ... counted from 1
}
constexpr int Quality(int sign) {
    return sign % 3;  // 0 movable, 1 fixed, 2 dual
}

// An equal-part varga: part k of sign s is the sign start + k * step.
struct PartRule {
    int start;
    int step;
};

constexpr int kAries = 0, kCancer = 3, kLeo = 4, kLibra = 6, kSagittarius = 8, kCapricorn = 9;

constexpr PartRule RuleOf(Varga v, int s) {
    const int movableFixedDual[3][3] = {
        {kAries, kLeo, kSagittarius},  // D16, D45
        {kAries, kSagittarius, kLeo},  // D20
        {s, s + 8, s + 4},             // D9: the sign, the 9th, the 5th
    };
    switch (v) {
        case Varga::D1:
        case Varga::D12:
        case Varga::D60:
            return {s, 1};
        case Varga::D2:
            return IsOdd(s) ? PartRule{kLeo, 11} : PartRule{kCancer, 1};
        case Varga::D3:
            return {s, 4};
        case Varga::D4:
            return {s, 3};
        case Varga::D7:
            return {IsOdd(s) ? s : s + 6, 1};
        case Varga::D9:
            return {movableFixedDual[2][Quality(s)], 1};
        case Varga::D10:
            return {IsOdd(s) ? s : s + 8, 1};
        case Varga::D16:
        case Varga::D45:
            return {movableFixedDual[0][Quality(s)], 1};
        case Varga::D20:
            return {movableFixedDual[1][Quality(s)], 1};
        case Varga::D24:
            return {IsOdd(s) ? kLeo : kCancer, 1};
        case Varga::D27: {
            constexpr int kByElement[4] = {kAries, kCancer, kLibra, kCapricorn};  // fire .. water
            return {kByElement[s % 4], 1};
        }
        case Varga::D40:
            return {IsOdd(s) ? kAries : kLibra, 1};
        case Varga::D30:
            break;
    }
    return {s, 1};
}

// The Trimsamsa's five parts: their ends within the sign, in units, and
// their signs.
struct TrimsamsaParts {
    std::array<int, 5> ends;
    std::array<int, 5> signs;
};
constexpr int U(int degrees) {
    return degrees * kUnitsPerDegree;
}
constexpr TrimsamsaParts kOddTrimsamsa{{U(5), U(10), U(18), U(25), U(30)}, {0, 10, 8, 2, 6}};
constexpr TrimsamsaParts kEvenTrimsamsa{{U(5), U(12), U(20), U(25), U(30)}, {1, 5, 11, 9, 7}};

constexpr const TrimsamsaParts& TrimsamsaOf(int sign) {
    return IsOdd(sign) ? kOddTrimsamsa : kEvenTrimsamsa;
}
constexpr int TrimsamsaPart(int sign, int within) {
    const TrimsamsaParts& parts = TrimsamsaOf(sign);
    int k = 0;
    while (within >= parts.ends[static_cast<std::size_t>(k)])
        ++k;
    return k;
}

// The rules above as one table made when the program is built, so that a
// varga sign is a product, a division by a constant and a load. The
// Trimsamsa's edges are whole degrees, so it takes thirty one-degree slots.
constexpr int kMostSlots = 60;
constexpr EnumArray<Varga, int> kSlots = [] {
    EnumArray<Varga, int> slots = kVargaParts;
    slots[Varga::D30] = 30;
    return slots;
}();
using SlotSigns = std::array<std::array<std::array<std::int8_t, kMostSlots>, 12>, 16>;
constexpr SlotSigns kSlotSigns = [] {
    SlotSigns table{};
    for (const Varga v : AllOf<Varga>()) {
        for (int s = 0; s < 12; ++s) {
            for (int k = 0; k < kSlots[v]; ++k) {
                const PartRule rule = RuleOf(v, s);
                const int sign = v == Varga::D30 ? TrimsamsaOf(s).signs[static_cast<std::size_t>(
                                                       TrimsamsaPart(s, k * kUnitsPerDegree))]
                                                 : (rule.start + rule.step * k) % 12;
                table[static_cast<std::size_t>(v)][static_cast<std::size_t>(s)]
                     [static_cast<std::size_t>(k)] = static_cast<std::int8_t>(sign);
            }
        }
    }
    return table;
}();

Sign SignOfUnit(Varga v, int sign, int within) {
    const int slot = within * kSlots[v] / kUnitsPerSign;
    return static_cast<Sign>(kSlotSigns[static_cast<std::size_t>(v)][static_cast<std::size_t>(sign)]
                                       [static_cast<std::size_t>(slot)]);
}

// The start of the part holding `within` and its end, in degrees within the
// sign.
struct PartSpan {
    double start;
    double end;
};
PartSpan SpanOf(Varga v, int sign, int within) {
    if (v == Varga::D30) {
        const TrimsamsaParts& parts = TrimsamsaOf(sign);
        const int k = TrimsamsaPart(sign, within);
        const int start = k == 0 ? 0 : parts.ends[static_cast<std::size_t>(k - 1)];
        return {static_cast<double>(start) / kUnitsPerDegree,
                static_cast<double>(parts.ends[static_cast<std::size_t>(k)]) / kUnitsPerDegree};
    }
    const int n = kVargaParts[v];
    const int part = within * n / kUnitsPerSign;
    return {30.0 * part / n, 30.0 * (part + 1) / n};
}

}  // namespace

std::optional<Varga> VargaOfKey(std::string_view key) {
    for (const Varga v : AllOf<Varga>())
        if (kVargaKeys[v] == key)
            return v;
    return std::nullopt;
}

Sign VargaSign(Varga varga, double longitudeDegrees) {
    const int unit = UnitOf(longitudeDegrees);
    return SignOfUnit(varga, unit / kUnitsPerSign, unit % kUnitsPerSign);
}

EnumArray<Varga, Sign> AllVargaSigns(double longitudeDegrees) {
    const int unit = UnitOf(longitudeDegrees);
    const int sign = unit / kUnitsPerSign, within = unit % kUnitsPerSign;
    EnumArray<Varga, Sign> signs;
    for (const Varga v : AllOf<Varga>())
        signs[v] = SignOfUnit(v, sign, within);
    return signs;
}

VargaTable CalculateVargas(const std::array<double, kBodyCount>& longitudes) {
    // Each longitude split once; then varga by varga, so that the inner loop
    // runs over the bodies with one varga's constants.
    std::array<int, kBodyCount> signs{}, within{};
    for (std::size_t b = 0; b < kBodyCount; ++b) {
        const int unit = UnitOf(longitudes[b]);
        signs[b] = unit / kUnitsPerSign;
        within[b] = unit % kUnitsPerSign;
    }
    VargaTable table;
    for (const Varga v : AllOf<Varga>())
        for (const Body b : AllOf<Body>())
            table[v][b] = SignOfUnit(v, signs[static_cast<std::size_t>(b)],
                                     within[static_cast<std::size_t>(b)]);
    return table;
}

std::array<int, kBodyCount> SignIndices(const BodySigns& signs) {
    std::array<int, kBodyCount> out{};
    for (const Body b : AllOf<Body>())
        out[static_cast<std::size_t>(b)] = static_cast<int>(signs[b]);
    return out;
}

double DegreesToPartEdge(Varga varga, double longitudeDegrees, int direction) {
    const int unit = UnitOf(longitudeDegrees);
    const int sign = unit / kUnitsPerSign;
    const PartSpan span = SpanOf(varga, sign, unit % kUnitsPerSign);
    const double within = WithinTurn(longitudeDegrees) - 30.0 * sign;
    const double distance = direction > 0 ? span.end - within : within - span.start;
    return std::max(distance, 0.0);
}

ChakraModel VargaChakra(const BodySigns& signs, const RetrogradeMarks& marks) {
    return BuildSudarshanChakra(SignIndices(signs), marks);
}

ChakraModel VargaChakra(const Chart& chart, Varga varga) {
    return VargaChakra(CalculateVargas(chart.planets.longitudes)[varga], chart.retrogrades);
}

}  // namespace vellamor
