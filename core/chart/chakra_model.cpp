// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_model.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "core/astro/time_zones.h"

namespace vellamor {

namespace {

// Each generated detail is written whole into a buffer on the stack and made
// into its text in one step. The buffers hold any two numbers and the words
// beside them, which are this file's own and checked here.
constexpr std::size_t kNumberRoom = 11;  // any int, its sign included
constexpr std::size_t kWordRoom = 16;
static_assert(std::all_of(kMonthNames.begin(), kMonthNames.end(),
                          [](std::string_view m) { return m.size() <= kWordRoom; }));

char* PutText(char* at, std::string_view s) {
    std::memcpy(at, s.data(), s.size());
    return at + s.size();
}

char* PutNumber(char* at, int v) {
    return std::to_chars(at, at + kNumberRoom, v).ptr;
}

DetailText DateText(const BirthData& b) {
    char buffer[kWordRoom + 2 * kNumberRoom + 3];
    char* at = buffer;
    if (b.month >= 1 && b.month <= 12)
        at = PutText(at, kMonthNames[static_cast<std::size_t>(b.month - 1)]);
    *at++ = ' ';
    at = PutNumber(at, b.day);
    at = PutText(at, ", ");
    at = PutNumber(at, b.year);
    return DetailText(std::string_view(buffer, static_cast<std::size_t>(at - buffer)));
}

// "<a><middle><c><end>", as the panel writes its number pairs.
template <std::size_t M, std::size_t E>
DetailText NumberPair(int a, const char (&middle)[M], int c, const char (&end)[E]) {
    static_assert(M + E <= 2 * kWordRoom);
    char buffer[2 * kNumberRoom + 2 * kWordRoom];
    char* at = PutNumber(buffer, a);
    at = PutText(at, middle);
    at = PutNumber(at, c);
    at = PutText(at, end);
    return DetailText(std::string_view(buffer, static_cast<std::size_t>(at - buffer)));
}

}  // namespace

std::array<DetailText, kDetailCount> BirthDetailTexts(const BirthData& b) {
    const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex);
    return {std::string_view(b.name),
            DateText(b),
            NumberPair(b.hour, " HH ", b.minute, " MM"),
            zone ? zone->text : std::string_view(),
            NumberPair(b.latDegrees, " Degree ", b.latMinutes, " Minute"),
            NumberPair(b.lonDegrees, " Degree ", b.lonMinutes, " Minute"),
            std::string_view(b.city),
            std::string_view(b.state),
            std::string_view(b.country)};
}

ChakraModel BuildSudarshanChakra(const BirthData& birth, const std::array<int, kBodyCount>& signs,
                                 const std::array<ChartLabel, kBodyCount>& labels) {
    ChakraModel model;
    const auto signNumber = [&](Body b) { return signs[BodyIndex(b)] + 1; };
    model.referenceSigns = {signNumber(Body::Ascendant), signNumber(Body::Moon),
                            signNumber(Body::Sun)};

    // House h of a ring holds the sign h places after the ring's own.
    for (int r = 0; r < kRingCount; ++r) {
        const int ref = model.referenceSigns[static_cast<std::size_t>(r)];
        for (int h = 0; h < 12; ++h) {
            const int sign = ref + h;
            model.rings[static_cast<std::size_t>(r)][static_cast<std::size_t>(h)].sign =
                sign > 12 ? sign - 12 : sign;
        }
    }

    // A retrograde label keeps its own trailing blank.
    for (int b = 0; b < kBodyCount; ++b) {
        HouseOccupants& text = model.signOccupants[static_cast<std::size_t>(signs[b])];
        if (!text.empty())
            text += " ";
        text += labels[b];
    }

    model.legendLabels = labels;
    model.details = BirthDetailTexts(birth);
    return model;
}

}  // namespace vellamor
