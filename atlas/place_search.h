// SPDX-License-Identifier: GPL-3.0-or-later
// The offline atlas: the places of a gazetteer (atlas/gazetteer.h), each
// with division, country, coordinates, population and IANA time zone, found
// by their own, alternate and former names. The searches read the gazetteer
// their caller lends them: the program's built-in one, or a test's small one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor::atlas {

class Gazetteer;

struct Place {
    std::string name;         // UTF-8, as the atlas spells it ("São Paulo")
    std::string state;        // first-level division ("Île-de-France Region")
    std::string country;      // "France"
    std::string countryCode;  // ISO 3166 two letters ("FR")
    std::string timeZone;     // IANA name ("Europe/Paris")
    double latitude = 0;      // degrees, north positive
    double longitude = 0;     // degrees, EAST positive (the geographic convention)
    unsigned population = 0;
    std::string typedName;  // the alternate name it was found by ("Bombay"), or empty

    // "City, State, Country", the text the place list shows; the state is
    // left out when empty or the city's own name, and a place found by
    // another name shows it first: "Bombay → Mumbai, Maharashtra, India".
    std::string Label() const;

    bool operator==(const Place&) const = default;
};

// Places whose names match `cityQuery` (own, alternate and former names,
// folded as the names are): a name that is the query first, then names that
// begin with it, then names with a later word that begins with it; the most
// populous first within each. `limit` 0 keeps them all. A query of blanks finds nothing.
std::vector<Place> FindPlaces(const Gazetteer& gazetteer, std::string_view cityQuery,
                              std::size_t limit = 0);

// The longest query the atlas reads; the rest is ignored.
inline constexpr std::size_t kMaxPlaceQuery = 200;

struct PlaceSearch {
    std::optional<Place> place;  // the place meant, when there is one
    // Equally good matches in other countries when none was named, the most
    // populous of each country first ("St Petersburg" in Florida beside
    // Russia's); at most three.
    std::vector<Place> elsewhere;
    std::vector<Place> nearest;  // when nothing matched: the closest candidates, best first
};

// Resolves "City[, State][, Country]": the city part is looked up as by
// FindPlaces, and each further part must name, as whole words or as a code,
// the candidate's first-level division ("Maine", "ME", "MH") or its country
// ("South Korea", "Russia", "UK", "USA", "US"). The best match wins, then
// the most populous.
// When nothing is left, `nearest` lists up to `nearestCount` candidates: those
// of the city part alone, or of ever shorter beginnings of it.
PlaceSearch SearchPlace(const Gazetteer& gazetteer, std::string_view query,
                        std::size_t nearestCount = 5);

}  // namespace vellamor::atlas
