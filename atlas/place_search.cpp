// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_search.h"

#include <algorithm>

#include "atlas/gazetteer.h"
#include "core/astro/utf8.h"

namespace vellamor::atlas {
namespace {

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Cut at kMaxPlaceQuery bytes, never inside a UTF-8 sequence.
std::string_view Capped(std::string_view s) {
    if (s.size() <= kMaxPlaceQuery)
        return s;
    std::size_t n = kMaxPlaceQuery;
    while (n > 0 && IsContinuationByte(s[n]))
        --n;
    return s.substr(0, n);
}

std::vector<std::string> SplitParts(std::string_view query) {
    std::vector<std::string> parts;
    for (;;) {
        const auto comma = query.find(',');
        parts.emplace_back(Trimmed(query.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        query.remove_prefix(comma + 1);
    }
    return parts;
}

}  // namespace

std::string Place::Label() const {
    std::string label = typedName.empty() ? name : typedName + " → " + name;
    if (!state.empty() && SearchKey(state) != SearchKey(name))
        label += ", " + state;
    if (!country.empty())
        label += ", " + country;
    return label;
}

std::vector<Place> FindPlaces(const Gazetteer& g, std::string_view cityQuery, std::size_t limit) {
    std::vector<Place> places;
    for (const GazetteerMatch& m : g.Lookup(Capped(cityQuery), {}, limit))
        places.push_back(g.PlaceAt(m.place, m.name));
    return places;
}

PlaceSearch SearchPlace(const Gazetteer& g, std::string_view query, std::size_t nearestCount) {
    PlaceSearch result;
    std::vector<std::string> parts = SplitParts(Capped(query));
    const std::string city = parts.front();
    parts.erase(parts.begin());
    const std::vector<GazetteerMatch> matches = g.Lookup(city, parts);
    if (!matches.empty()) {
        const GazetteerMatch& taken = matches.front();
        result.place = g.PlaceAt(taken.place, taken.name);
        const bool countryNamed = std::any_of(
            parts.begin(), parts.end(), [](const std::string& p) { return !SearchKey(p).empty(); });
        if (!countryNamed) {
            // One rival per other country: a place of that name before one
            // that merely lists it among its alternates, then the most
            // populous.
            std::vector<GazetteerMatch> rivals;
            for (const GazetteerMatch& m : matches) {
                if (m.match != taken.match)
                    break;
                if (g.CountryCodeOf(m.place) != g.CountryCodeOf(taken.place))
                    rivals.push_back(m);
            }
            std::stable_partition(rivals.begin(), rivals.end(),
                                  [](const GazetteerMatch& m) { return m.name == 0; });
            std::vector<std::string_view> countries;
            for (const GazetteerMatch& m : rivals) {
                const std::string_view cc = g.CountryCodeOf(m.place);
                if (result.elsewhere.size() == 3)
                    break;
                if (std::find(countries.begin(), countries.end(), cc) != countries.end())
                    continue;
                countries.push_back(cc);
                result.elsewhere.push_back(g.PlaceAt(m.place, m.name));
            }
        }
        return result;
    }
    // Nothing: the places of the city part alone, or of ever shorter
    // beginnings of it. Each try is one look into a sorted index, and the
    // query is capped, so this stays quick for any input.
    std::string key = SearchKey(city);
    std::vector<GazetteerMatch> nearest = g.Lookup(key, {}, nearestCount);
    while (nearest.empty() && key.size() > 2) {
        key.pop_back();
        nearest = g.Lookup(key, {}, nearestCount);
    }
    for (const GazetteerMatch& m : nearest)
        result.nearest.push_back(g.PlaceAt(m.place, m.name));
    return result;
}

}  // namespace vellamor::atlas
