// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_model.h"

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

// Sign number 1..12 of an abbreviation, 0 when it names no sign. Exact and
// case-sensitive.
int SignNumber(std::string_view abbreviation) {
    if (abbreviation.size() != 3)
        return 0;
    for (std::size_t i = 0; i < kSignAbbreviations.size(); ++i) {
        const std::string_view sign = kSignAbbreviations[i];
        if (sign[0] == abbreviation[0] && sign[1] == abbreviation[1] && sign[2] == abbreviation[2])
            return static_cast<int>(i + 1);
    }
    return 0;
}

}  // namespace

std::array<DetailText, kDetailCount> BirthDetailTexts(const BirthData& b) {
    DetailText date;
    if (b.month >= 1 && b.month <= 12)
        date = kMonthNames[static_cast<std::size_t>(b.month - 1)];
    date += " ";
    AppendDecimal(date, b.day);
    date += ", ";
    AppendDecimal(date, b.year);
    // "<a><middle><c><end>", as the panel writes its number pairs.
    auto pair = [](int a, std::string_view middle, int c, std::string_view end) {
        DetailText text;
        AppendDecimal(text, a);
        text += middle;
        AppendDecimal(text, c);
        text += end;
        return text;
    };
    const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex);
    return {std::string_view(b.name),
            date,
            pair(b.hour, " HH ", b.minute, " MM"),
            zone ? zone->text : std::string_view(),
            pair(b.latDegrees, " Degree ", b.latMinutes, " Minute"),
            pair(b.lonDegrees, " Degree ", b.lonMinutes, " Minute"),
            std::string_view(b.city),
            std::string_view(b.state),
            std::string_view(b.country)};
}

ChakraModel BuildSudarshanChakra(const BirthData& birth,
                                 const std::array<ShortPositionForm, kBodyCount>& positionTexts,
                                 std::string_view ascendantSign,
                                 const std::array<ChartLabel, kBodyCount>& labels) {
    ChakraModel model;
    std::array<int, kBodyCount> bodySign{};  // 0 when the text names no sign
    for (int i = 0; i < kBodyCount - 1; ++i)
        bodySign[i] = SignNumber(SignOfShortText(positionTexts[i]));
    bodySign[kBodyCount - 1] = SignNumber(ascendantSign.substr(0, 3));

    // A reference body whose text names no sign cannot arise from the
    // formatter; should it happen, its ring is counted from Aries.
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
            text += " ";
        text += labels[b];
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
    model.details = BirthDetailTexts(birth);
    return model;
}

}  // namespace vellamor
