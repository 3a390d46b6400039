// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_model.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/astro/time_zones.h"

namespace vellamor {
namespace {

std::string_view SignOfShortText(std::string_view text) {
    // Characters 4 to 6 of the short form.
    if (text.size() < 4)
        return {};
    return text.substr(3, 3);
}

// Three characters as one number, so that an abbreviation is compared with
// each sign's in one step: this runs thirteen times per chart.
constexpr std::uint32_t Packed(char a, char b, char c) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16;
}

constexpr std::array<std::uint32_t, 12> kPackedSigns = [] {
    std::array<std::uint32_t, 12> packed{};
    for (std::size_t i = 0; i < 12; ++i)
        packed[i] = Packed(kSignAbbreviationString[3 * i], kSignAbbreviationString[3 * i + 1],
                           kSignAbbreviationString[3 * i + 2]);
    return packed;
}();

// Sign number 1..12 of an abbreviation, 0 when it names no sign. Exact and
// case-sensitive.
int SignNumber(std::string_view abbreviation) {
    if (abbreviation.size() != 3)
        return 0;
    const std::uint32_t key = Packed(abbreviation[0], abbreviation[1], abbreviation[2]);
    // Without early exits: the signs of a chart are as good as random, and a
    // mispredicted branch costs more than the twelve comparisons.
    int number = 0;
    for (std::size_t i = 0; i < 12; ++i)
        number |= (kPackedSigns[i] == key) * static_cast<int>(i + 1);
    return number;
}

// Writes v in plain decimal; returns the end.
char* WriteNumber(char* p, int v) {
    char buf[16];
    int n = 0;
    const bool negative = v < 0;
    unsigned u = negative ? 0u - static_cast<unsigned>(v) : static_cast<unsigned>(v);
    do {
        buf[n++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u > 0);
    if (negative)
        *p++ = '-';
    while (n > 0)
        *p++ = buf[--n];
    return p;
}

char* WriteText(char* p, std::string_view s) {
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

// "<a><middle><b><end>" for the number pairs of the details panel; at most
// 2 * 11 bytes of numbers and the two texts.
char* WriteNumberText(char* p, int a, std::string_view middle, int b, std::string_view end) {
    p = WriteNumber(p, a);
    p = WriteText(p, middle);
    p = WriteNumber(p, b);
    return WriteText(p, end);
}

// Written over `out`: the generated texts go straight into its storage (the
// longest, a month name and a date, is under 30 bytes).
void AssignBirthDetailTexts(const BirthData& b, std::array<DetailText, kDetailCount>& out) {
    out[0] = b.name;
    out[1].write([&b](char* p) {
        if (b.month >= 1 && b.month <= 12)
            p = WriteText(p, kMonthNames[static_cast<std::size_t>(b.month - 1)]);
        *p++ = ' ';
        p = WriteNumber(p, b.day);
        p = WriteText(p, ", ");
        return WriteNumber(p, b.year);
    });
    out[2].write([&b](char* p) { return WriteNumberText(p, b.hour, " HH ", b.minute, " MM"); });
    const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex);
    out[3] = zone ? zone->text : std::string_view();
    out[4].write([&b](char* p) {
        return WriteNumberText(p, b.latDegrees, " Degree ", b.latMinutes, " Minute");
    });
    out[5].write([&b](char* p) {
        return WriteNumberText(p, b.lonDegrees, " Degree ", b.lonMinutes, " Minute");
    });
    out[6] = b.city;
    out[7] = b.state;
    out[8] = b.country;
}

}  // namespace

std::array<std::string, kDetailCount> BirthDetailTexts(const BirthData& b) {
    std::array<DetailText, kDetailCount> texts;
    AssignBirthDetailTexts(b, texts);
    std::array<std::string, kDetailCount> details;
    for (std::size_t i = 0; i < details.size(); ++i)
        details[i] = texts[i].str();
    return details;
}

ChakraModel BuildSudarshanChakra(const BirthData& birth,
                                 const std::array<ShortPositionForm, kBodyCount>& positionTexts,
                                 std::string_view ascendantSign,
                                 const std::array<ChartLabel, kBodyCount>& labels) {
    ChakraModel model;
    FillSudarshanChakra(model, birth, positionTexts, ascendantSign, labels);
    return model;
}

void FillSudarshanChakra(ChakraModel& model, const BirthData& birth,
                         const std::array<ShortPositionForm, kBodyCount>& positionTexts,
                         std::string_view ascendantSign,
                         const std::array<ChartLabel, kBodyCount>& labels) {
    std::array<int, kBodyCount> bodySign{};  // 0 when the text names no sign
    for (int i = 0; i < kBodyCount - 1; ++i)
        bodySign[i] = SignNumber(SignOfShortText(positionTexts[i]));
    bodySign[kBodyCount - 1] = SignNumber(ascendantSign.substr(0, 3));

    // A reference body whose text names no sign cannot arise from the
    // formatter; should it happen, its ring is counted from Aries rather than
    // from whatever an earlier chart left behind.
    auto reference = [&](Body b) {
        const int n = bodySign[BodyIndex(b)];
        return n == 0 ? 1 : n;
    };
    model.referenceSigns = {reference(Body::Ascendant), reference(Body::Moon),
                            reference(Body::Sun)};

    // Occupants of each sign, in body order, joined by single blanks (a
    // retrograde label keeps its own trailing blank).
    std::array<HouseOccupants, 12> occupants;
    for (int b = 0; b < kBodyCount; ++b) {
        const int n = bodySign[b];
        if (n == 0)
            continue;
        HouseOccupants& text = occupants[static_cast<std::size_t>(n - 1)];
        if (!text.empty())
            text.push_back(' ');
        text.append(labels[b]);
    }

    for (int r = 0; r < kRingCount; ++r) {
        const int ref = model.referenceSigns[static_cast<std::size_t>(r)];
        for (int h = 0; h < 12; ++h) {
            House& house = model.rings[static_cast<std::size_t>(r)][static_cast<std::size_t>(h)];
            house.sign = (ref - 1 + h) % 12 + 1;
            house.occupants = occupants[static_cast<std::size_t>(house.sign - 1)];
        }
    }

    model.legendLabels = labels;
    model.positionTexts = positionTexts;
    AssignBirthDetailTexts(birth, model.details);
}

}  // namespace vellamor
