// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_model.h"

#include <string_view>

#include "core/astro/time_zones.h"

namespace vellamor {

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

std::string BoxAndHemispheresText(const BirthData& b) {
    return std::string("Daylight Saving box ") + (b.daylightSaving ? "ticked" : "unticked") + "; " +
           (b.southLatitude ? "South" : "North") + " latitude, " +
           (b.eastLongitude ? "East" : "West") + " longitude";
}

ChakraModel BuildSudarshanChakra(const BirthData& birth,
                                 const std::array<ShortPositionForm, kBodyCount>& positionTexts,
                                 const std::array<int, kBodyCount>& signs,
                                 const std::array<ChartLabel, kBodyCount>& labels) {
    ChakraModel model;
    const auto signNumber = [&](Body b) { return signs[BodyIndex(b)] + 1; };
    model.referenceSigns = {signNumber(Body::Ascendant), signNumber(Body::Moon),
                            signNumber(Body::Sun)};

    // Occupants of each sign, in body order, joined by single blanks (a
    // retrograde label keeps its own trailing blank).
    std::array<HouseOccupants, 12> occupants;
    for (int b = 0; b < kBodyCount; ++b) {
        HouseOccupants& text = occupants[static_cast<std::size_t>(signs[b])];
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
