#include "chakra/chakra_model.h"

#include <string_view>

#include "planets/time_zones.h"

namespace vellamor {
namespace {

std::string_view SignOfShortText(const std::string& text) {
    // Characters 4 to 6 of the short form.
    if (text.size() < 4)
        return {};
    return std::string_view(text).substr(3, 3);
}

// Sign number 1..12 of an abbreviation, 0 when it names no sign.
int SignNumber(std::string_view abbreviation) {
    for (int i = 0; i < 12; ++i) {
        if (kSignAbbreviations[static_cast<std::size_t>(i)] == abbreviation)
            return i + 1;
    }
    return 0;
}

}  // namespace

std::array<std::string, kDetailCount> BirthDetailTexts(const BirthData& b) {
    const std::string month = b.month >= 1 && b.month <= 12
                                  ? std::string(kMonthNames[static_cast<std::size_t>(b.month - 1)])
                                  : std::string();
    const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex);
    return {
        b.name,
        month + " " + std::to_string(b.day) + ", " + std::to_string(b.year),
        std::to_string(b.hour) + " HH " + std::to_string(b.minute) + " MM",
        zone ? std::string(zone->text) : std::string(),
        std::to_string(b.latDegrees) + " Degree " + std::to_string(b.latMinutes) + " Minute",
        std::to_string(b.lonDegrees) + " Degree " + std::to_string(b.lonMinutes) + " Minute",
        b.city,
        b.state,
        b.country,
    };
}

ChakraModel BuildSudarshanChakra(const BirthData& birth,
                                 const std::array<std::string, kBodyCount>& positionTexts,
                                 const std::string& ascendantSign,
                                 const std::array<std::string, kBodyCount>& labels) {
    ChakraModel model;

    std::array<int, kBodyCount> bodySign{};  // 0 when the text names no sign
    for (int i = 0; i < kBodyCount - 1; ++i)
        bodySign[i] = SignNumber(SignOfShortText(positionTexts[i]));
    bodySign[kBodyCount - 1] = SignNumber(std::string_view(ascendantSign).substr(0, 3));

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
    std::array<std::string, 12> occupants;
    for (int b = 0; b < kBodyCount; ++b) {
        const int n = bodySign[b];
        if (n == 0)
            continue;
        std::string& text = occupants[static_cast<std::size_t>(n - 1)];
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
    model.details = BirthDetailTexts(birth);
    return model;
}

}  // namespace vellamor
