// The offline atlas: about 24,000 cities of Debian's geonames library, each
// with state, country, coordinates and IANA time zone.
//
// Names come back untranslated whatever the user's locale: the library
// translates by the locale of the calling thread, so every lookup runs under
// the C locale.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor::atlas {

struct Place {
    std::string name;         // UTF-8, as the atlas spells it ("São Paulo")
    std::string state;        // first-level division ("Île-de-France Region")
    std::string country;      // "France"
    std::string countryCode;  // ISO 3166 two letters ("FR")
    std::string timeZone;     // IANA name ("Europe/Paris")
    double latitude = 0;      // degrees, north positive
    double longitude = 0;     // degrees, EAST positive (the geographic convention)
    unsigned population = 0;

    // "City, State, Country", the text the place list shows.
    std::string Label() const;

    bool operator==(const Place&) const = default;
};

// Places whose names match `cityQuery` (the atlas matches the beginnings of
// words and ignores accents), most populous first. `limit` 0 keeps them all.
// A query of blanks finds nothing.
std::vector<Place> FindPlaces(std::string_view cityQuery, std::size_t limit = 0);

struct PlaceSearch {
    std::optional<Place> place;  // the place meant, when there is one
    std::vector<Place> nearest;  // otherwise the closest candidates, best first
};

// Resolves "City[, State][, Country]": the city part is looked up, then only
// candidates whose state or country contains every further part (folded,
// ignoring case; a part may also be the country's two-letter code, "UK" or
// "USA") stay. A candidate whose name begins with the city part as whole
// words beats one that merely contains it ("York" is York, not New York;
// "Washington" is Washington D.C.); then the most populous.
// When nothing is left, `nearest` lists up to `nearestCount` candidates: those
// of the city part alone, or of ever shorter beginnings of it.
PlaceSearch SearchPlace(std::string_view query, std::size_t nearestCount = 5);

}  // namespace vellamor::atlas
