#include "atlas/place_search.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace vellamor::atlas {
namespace {

TEST(FindPlaces, MostPopulousFirstWithUntranslatedNames) {
    const std::vector<Place> paris = FindPlaces("Paris");
    ASSERT_GE(paris.size(), 2u);
    EXPECT_EQ(paris[0].Label(), "Paris, Île-de-France Region, France");
    EXPECT_EQ(paris[0].countryCode, "FR");
    EXPECT_EQ(paris[0].timeZone, "Europe/Paris");
    EXPECT_NEAR(paris[0].latitude, 48.85, 0.01);
    EXPECT_NEAR(paris[0].longitude, 2.35, 0.01);
    for (std::size_t i = 1; i < paris.size(); ++i) {
        EXPECT_GE(paris[i - 1].population, paris[i].population) << paris[i].Label();
    }
    // "York" finds New York too; the larger city comes first.
    const std::vector<Place> york = FindPlaces("York", 2);
    ASSERT_EQ(york.size(), 2u);
    EXPECT_EQ(york[0].name, "New York");
    EXPECT_EQ(york[1].Label(), "York, England, United Kingdom");
}

TEST(FindPlaces, AccentsAndBlanksInTheQuery) {
    const std::vector<Place> a = FindPlaces("Sao Paulo", 1);
    const std::vector<Place> b = FindPlaces("São Paulo", 1);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(a[0], b[0]);
    EXPECT_EQ(a[0].name, "São Paulo");
    EXPECT_TRUE(FindPlaces("   ").empty());
    EXPECT_TRUE(FindPlaces("").empty());
}

// The library translates names by the calling thread's locale; a German user
// must still get "Munich, Bavaria, Germany".
TEST(FindPlaces, NamesStayUntranslatedUnderAnotherLocale) {
    const char* oldLanguage = std::getenv("LANGUAGE");
    const std::string savedLanguage = oldLanguage ? oldLanguage : "";
    const std::string savedLocale = std::setlocale(LC_ALL, nullptr);
    setenv("LANGUAGE", "de", 1);
    // C.UTF-8 is not "C", so gettext honours LANGUAGE under it.
    if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr)
        GTEST_SKIP() << "no C.UTF-8 locale";
    const std::vector<Place> munich = FindPlaces("Munich", 1);
    const std::vector<Place> german = FindPlaces("München", 1);
    std::setlocale(LC_ALL, savedLocale.c_str());
    if (oldLanguage) {
        setenv("LANGUAGE", savedLanguage.c_str(), 1);
    } else {
        unsetenv("LANGUAGE");
    }
    ASSERT_EQ(munich.size(), 1u);
    EXPECT_EQ(munich[0].Label(), "Munich, Bavaria, Germany");
    EXPECT_TRUE(german.empty());
}

TEST(SearchPlace, FurtherPartsNarrowByStateOrCountry) {
    const struct {
        const char* query;
        const char* label;
    } cases[] = {
        {"Paris", "Paris, Île-de-France Region, France"},
        {"Paris, Texas", "Paris, Texas, United States of America"},
        {"Paris, united states", "Paris, Texas, United States of America"},
        {"Paris, US", "Paris, Texas, United States of America"},
        {"Paris, USA", "Paris, Texas, United States of America"},
        {"London, UK", "London, England, United Kingdom"},
        {"London, Ontario, Canada", "London, Ontario, Canada"},
        {"Sao Paulo, Brazil", "São Paulo, São Paulo, Brazil"},
        {"Saint Denis, Ile de France", "Saint-Denis, Île-de-France Region, France"},
        {"Saint-Denis", "Saint-Denis, Réunion, Réunion"},
        // A name that begins with the city part beats a bigger one that merely
        // contains it.
        {"York", "York, England, United Kingdom"},
        {"Washington", "Washington D.C., District of Columbia, United States of America"},
        {"Washington, England", "Washington, England, United Kingdom"},
        {"York, Pennsylvania", "York, Pennsylvania, United States of America"},
        {"New York", "New York, New York, United States of America"},
    };
    for (const auto& c : cases) {
        const PlaceSearch s = SearchPlace(c.query);
        if (c.label == nullptr) {
            EXPECT_FALSE(s.place) << c.query;
            continue;
        }
        ASSERT_TRUE(s.place) << c.query;
        EXPECT_EQ(s.place->Label(), c.label) << c.query;
        EXPECT_TRUE(s.nearest.empty()) << c.query;
    }
}

TEST(SearchPlace, UnknownPlaceListsTheNearest) {
    // A misspelt city: shorter beginnings of it find Paris.
    PlaceSearch s = SearchPlace("Pariss, France");
    EXPECT_FALSE(s.place);
    ASSERT_FALSE(s.nearest.empty());
    EXPECT_EQ(s.nearest[0].Label(), "Paris, Île-de-France Region, France");
    EXPECT_LE(s.nearest.size(), 5u);

    // A known city in the wrong country: its namesakes are the nearest.
    s = SearchPlace("Paris, Germany", 2);
    EXPECT_FALSE(s.place);
    ASSERT_EQ(s.nearest.size(), 2u);
    EXPECT_EQ(s.nearest[1].Label(), "Paris, Texas, United States of America");

    s = SearchPlace("Qxzqxz");
    EXPECT_FALSE(s.place);
    EXPECT_TRUE(s.nearest.empty());
    EXPECT_FALSE(SearchPlace("").place);
    EXPECT_FALSE(SearchPlace(", France").place);
}

}  // namespace
}  // namespace vellamor::atlas
