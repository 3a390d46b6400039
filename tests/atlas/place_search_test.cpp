// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "atlas/gazetteer.h"
#include "built_in_places.h"
#include "cli/wording.h"

namespace vellamor::atlas {
namespace {

// What a person types, and the place they meant. `elsewhere` is the first
// rival named on standard error when no country was given ("" for none).
TEST(SearchPlace, FindsThePlaceMeant) {
    const struct {
        const char* query;
        const char* label;
        const char* elsewhere;
    } cases[] = {
        // Qualifiers are whole words or codes, never a piece of a longer name.
        {"Portland, ME", "Portland, Maine, United States", ""},
        {"Portland, Maine", "Portland, Maine, United States", ""},
        {"Portland", "Portland, Oregon, United States", "Portland, England, United Kingdom"},
        {"Springfield, MO", "Springfield, Missouri, United States", ""},
        {"Paris, TX", "Paris, Texas, United States", ""},
        {"Paris, USA", "Paris, Texas, United States", ""},
        {"Paris, US", "Paris, Texas, United States", ""},
        {"Pune, MH", "Pune, Maharashtra, India", ""},
        {"London, UK", "London, England, United Kingdom", ""},
        {"Cambridge, Great Britain", "Cambridge, England, United Kingdom", ""},
        {"Seoul, South Korea", "Seoul, South Korea", ""},
        {"Kazan, Russia", "Kazan, Tatarstan Republic, Russia", ""},
        {"London, Ontario, Canada", "London, Ontario, Canada", ""},
        // Accents, case and abbreviations fold the way the names do.
        {"Zürich", "Zürich, Switzerland", ""},
        {"Zurich", "Zürich, Switzerland", ""},
        {"ZURICH", "Zürich, Switzerland", ""},
        {"Malmö", "Malmö, Skåne, Sweden", ""},
        {"Köln", "Köln, North Rhine-Westphalia, Germany", ""},
        {"São Paulo", "São Paulo, Brazil", ""},
        {"Sao Paulo, Brazil", "São Paulo, Brazil", ""},
        // Former names, shown under the current one.
        {"Bombay", "Bombay → Mumbai, Maharashtra, India", ""},
        {"Calcutta", "Calcutta → Kolkata, West Bengal, India", "Calcutta, Ohio, United States"},
        {"Madras", "Madras → Chennai, Tamil Nadu, India", "Madras, Oregon, United States"},
        {"Rangoon", "Rangoon → Yangon, Myanmar", ""},
        {"Kiev", "Kiev → Kyiv, Kyiv City, Ukraine", ""},
        // City-states.
        {"Singapore", "Singapore, Singapore", ""},
        {"Macau", "Macau, Macao", "Macau, Rio Grande do Norte, Brazil"},
        {"Macao", "Macao → Macau, Macao", "Mação, Santarém, Portugal"},
        // Equally good names in several countries: the most populous, and the
        // others named.
        {"St Petersburg", "Saint Petersburg, Russia", "St. Petersburg, Florida, United States"},
        {"St Petersburg, Florida", "St. Petersburg, Florida, United States", ""},
        // A whole name beats a longer one that merely contains it.
        {"York", "York, England, United Kingdom", "York, Pennsylvania, United States"},
        {"New York", "New York → New York City, New York, United States", ""},
        {"Washington, England", "Washington, England, United Kingdom", ""},
    };
    for (const auto& c : cases) {
        const PlaceSearch s = SearchPlace(BuiltInPlaces(), c.query);
        ASSERT_TRUE(s.place) << c.query;
        EXPECT_EQ(s.place->Label(), c.label) << c.query;
        EXPECT_EQ(s.elsewhere.empty() ? "" : s.elsewhere.front().Label(), c.elsewhere) << c.query;
    }
}

// The note names the place taken and each other candidate, in order.
TEST(SearchPlace, AmbiguityNoteNamesTakenAndOthers) {
    const struct {
        const char* query;
        const char* typed;
        std::vector<const char*> pieces;  // none: no note
    } cases[] = {
        {"St Petersburg",
         "St Petersburg",
         {"St Petersburg: taken Saint Petersburg, Russia (population ",
          "; also St. Petersburg, Florida, United States (population 2",
          "): add the country to choose"}},
        {"Paris",
         "Paris",
         {"Paris: taken Paris, Île-de-France, France (population ",
          "; also Paris, Texas, United States (population ",
          "), Paris, Ontario, Canada (population ",
          "), París, Herrera Province, Panama (population ", "): add the country to choose"}},
        {"Pune, India", "Pune", {}},
    };
    for (const auto& c : cases) {
        const PlaceSearch s = SearchPlace(BuiltInPlaces(), c.query);
        ASSERT_TRUE(s.place) << c.query;
        const std::string note = AmbiguityText(c.typed, *s.place, s.elsewhere);
        EXPECT_EQ(note.empty(), c.pieces.empty()) << note;
        std::size_t at = 0;
        for (const char* piece : c.pieces) {
            const std::size_t found = note.find(piece, at);
            if (found == std::string::npos || (at == 0 && found != 0)) {
                ADD_FAILURE() << note << "\nlacks, in its place: " << piece;
                break;
            }
            at = found + std::strlen(piece);
        }
    }
}

TEST(SearchPlace, UnknownPlaceListsTheNearestWithinBounds) {
    PlaceSearch s = SearchPlace(BuiltInPlaces(), "Pariss, France");
    EXPECT_FALSE(s.place);
    ASSERT_FALSE(s.nearest.empty());
    EXPECT_EQ(s.nearest[0].Label(), "Paris, Île-de-France, France");
    EXPECT_LE(s.nearest.size(), 5u);

    s = SearchPlace(BuiltInPlaces(), "Paris, Germany", 2);
    EXPECT_FALSE(s.place);
    EXPECT_EQ(s.nearest.size(), 2u);

    EXPECT_TRUE(SearchPlace(BuiltInPlaces(), "Qxzqxz").nearest.empty());
    EXPECT_FALSE(SearchPlace(BuiltInPlaces(), "").place);
    EXPECT_FALSE(SearchPlace(BuiltInPlaces(), ", France").place);
    // Long input is cut, not scanned whole.
    EXPECT_FALSE(SearchPlace(BuiltInPlaces(), std::string(100000, 'q')).place);
    EXPECT_TRUE(FindPlaces(BuiltInPlaces(), "   ").empty());
}

TEST(FindPlaces, PopupOrderWholeNamesThenBeginningsThenPopulation) {
    const std::vector<Place> york = FindPlaces(BuiltInPlaces(), "York", 2);
    ASSERT_EQ(york.size(), 2u);
    EXPECT_EQ(york[0].Label(), "York, England, United Kingdom");
    const std::vector<Place> lon = FindPlaces(BuiltInPlaces(), "Lon", 5);
    ASSERT_EQ(lon.size(), 5u);
    EXPECT_EQ(lon[0].Label(), "London, England, United Kingdom");
    for (std::size_t i = 1; i < lon.size(); ++i)
        EXPECT_GE(lon[i - 1].population, lon[i].population) << lon[i].Label();
}

TEST(Gazetteer, RefusesATableThatDoesNotFit) {
    EXPECT_FALSE(Gazetteer::FromText(""));
    EXPECT_FALSE(Gazetteer::FromText("C\tXX\tNowhere\t\nS\t3\tA\t\n"));
    EXPECT_FALSE(
        Gazetteer::FromText("C\tXX\tNowhere\t\nS\t0\tA\t\nZ\tUTC\nP\tX\t1\tnorth\t0\t5\t0\t\n"));
    const auto g = Gazetteer::FromText(
        "D\t2023-03-05\nC\tXX\tNowhere\tNo "
        "Land|NWL\nS\t0\tEast\tEA\nZ\tUTC\nP\tAbc\t1.5\t-2\t0\t5\t0\tOld Abc\n");
    ASSERT_TRUE(g);
    EXPECT_EQ(g->dumpDate(), "2023-03-05");
    EXPECT_EQ(g->PlaceAt(0, 1).Label(), "Old Abc → Abc, East, Nowhere");
    EXPECT_TRUE(g->QualifierNames(0, "No Land"));
    EXPECT_TRUE(g->QualifierNames(0, "EA"));
    EXPECT_TRUE(g->QualifierNames(0, "land"));
    EXPECT_FALSE(g->QualifierNames(0, "No"));  // short: codes and whole names only
    EXPECT_FALSE(g->QualifierNames(0, "Lan"));
    // The searches read the gazetteer they are lent, not the built-in one.
    const PlaceSearch found = SearchPlace(*g, "Old Abc, No Land");
    ASSERT_TRUE(found.place);
    EXPECT_EQ(found.place->name, "Abc");
    EXPECT_TRUE(SearchPlace(*g, "London").nearest.empty());
    EXPECT_FALSE(BuiltInPlaces().dumpDate().empty());
}

}  // namespace
}  // namespace vellamor::atlas
