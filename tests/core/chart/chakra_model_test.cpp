// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chakra_model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vellamor {
namespace {

// The chakra of bodies in the given signs (abbreviations, in body order).
ChakraModel Build(const std::array<std::string_view, kBodyCount>& signs,
                  const std::array<ChartLabel, kBodyCount>& labels) {
    std::array<int, kBodyCount> indices;
    for (int i = 0; i < kBodyCount; ++i) {
        indices[i] = static_cast<int>(
            std::find(kSignAbbreviations.begin(), kSignAbbreviations.end(), signs[i]) -
            kSignAbbreviations.begin());
    }
    return BuildSudarshanChakra(BirthData{}, indices, labels);
}

std::array<ChartLabel, kBodyCount> BaseLabels() {
    return kUnmarkedLabels;
}

std::vector<int> Signs(const ChakraModel& m, Ring r) {
    std::vector<int> v;
    for (int h = 0; h < 12; ++h)
        v.push_back(m.house(r, h).sign);
    return v;
}

TEST(ChakraModel, RingsAreCountedFromTheirReferenceSigns) {
    // Sun in Leo, Moon in Pisces, Ascendant in Aries.
    const ChakraModel m = Build(
        {"Leo", "Pis", "Tau", "Gem", "Can", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Leo", "Ari"},
        BaseLabels());
    EXPECT_EQ(Signs(m, Ring::Birth), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Signs(m, Ring::Moon), (std::vector<int>{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Signs(m, Ring::Sun), (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4}));
    // House 1 of each ring holds its own reference body.
    EXPECT_NE(m.occupants(Ring::Birth, 0).find("Asc"), std::string::npos);
    EXPECT_EQ(m.occupants(Ring::Moon, 0), "M");
    EXPECT_EQ(m.occupants(Ring::Sun, 0), "S K");
}

TEST(ChakraModel, OccupantsJoinInBodyOrderAndRetrogradeMarksKeepTheirBlank) {
    auto labels = BaseLabels();
    labels[BodyIndex(Body::Mercury)] = ChartLabel("Me (R) ");
    const ChakraModel m = Build(
        {"Tau", "Gem", "Tau", "Tau", "Can", "Can", "Can", "Can", "Can", "Lib", "Sco", "Tau", "Ari"},
        labels);
    // Taurus is house 2 of the birth ring (counted from Aries).
    EXPECT_EQ(m.occupants(Ring::Birth, 1), "S Me (R)  V K");
    EXPECT_EQ(m.occupants(Ring::Birth, 3), "Ma J Sa U N");
    EXPECT_EQ(m.occupants(Ring::Birth, 11), "");              // Pisces is empty
    EXPECT_EQ(m.occupants(Ring::Moon, 11), "S Me (R)  V K");  // Taurus, before Gemini
    EXPECT_EQ(m.legendLabels[BodyIndex(Body::Mercury)], "Me (R) ");
}

TEST(ChakraModel, BirthDetailTexts) {
    BirthData b;
    b.name = "  Asha  Rao";
    b.month = 3, b.day = 5, b.year = 1980, b.hour = 7, b.minute = 5;
    b.zoneIndex = 34;
    b.latDegrees = 18, b.latMinutes = 31, b.lonDegrees = 73, b.lonMinutes = 7;
    b.southLatitude = true;  // no hemisphere letter is shown
    b.city = "Pune", b.state = "Maharashtra", b.country = "India";
    const auto d = BirthDetailTexts(b);
    const std::array<DetailText, kDetailCount> want{"  Asha  Rao",
                                                    "March 5, 1980",
                                                    "7 HH 5 MM",
                                                    "Indian Time, IST, +5.3",
                                                    "18 Degree 31 Minute",
                                                    "73 Degree 7 Minute",
                                                    "Pune",
                                                    "Maharashtra",
                                                    "India"};
    EXPECT_EQ(d, want);

    // Typed texts are whole on either side of the inline room (47 bytes),
    // their last character included.
    for (const std::string& city :
         {std::string(45, 'x') + "\xC3\xA9", std::string(46, 'x') + "\xC3\xA9",
          std::string("Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch"),
          std::string(200, 'x')}) {
        b.city = city;
        EXPECT_EQ(BirthDetailTexts(b)[6], city) << city.size() << " bytes";  // "City"
    }
}

TEST(ChakraModel, RahuAndKetuStandSixHousesApartInEveryRing) {
    const auto& signs = kSignAbbreviations;
    for (int s = 0; s < 12; ++s) {
        std::array<std::string_view, kBodyCount> bodies{"Leo", "Pis", "Tau", "Gem", "Can",
                                                        "Vir", "Lib", "Sco", "Sag", "Cap",
                                                        "Aqu", "Leo", "Ari"};
        bodies[BodyIndex(Body::Rahu)] = signs[s];
        bodies[BodyIndex(Body::Ketu)] = signs[(s + 6) % 12];
        bodies[BodyIndex(Body::Ascendant)] = signs[(s * 5) % 12];
        const ChakraModel m = Build(bodies, BaseLabels());
        for (int r = 0; r < kRingCount; ++r) {
            int rahu = -1, ketu = -1;
            for (int h = 0; h < 12; ++h) {
                const std::string_view o = m.occupants(static_cast<Ring>(r), h);
                if (o.find('R') != std::string::npos)
                    rahu = h;
                if (o.find('K') != std::string::npos)
                    ketu = h;
            }
            EXPECT_EQ((ketu - rahu + 12) % 12, 6);
        }
    }
}

}  // namespace
}  // namespace vellamor
