#include "atlas/place_search.h"

#include <geonames.h>
#include <locale.h>

#include <algorithm>
#include <memory>

#include "atlas/place_names.h"
#include "core/astro/utf8.h"

namespace vellamor::atlas {
namespace {

// Switches the calling thread to the C locale for the life of the object, so
// that the library's translations stay out of the names. Only this thread is
// affected: the rest of the program keeps the user's locale.
class CLocaleScope {
  public:
    CLocaleScope() : c_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))) {
        if (c_ != static_cast<locale_t>(nullptr))
            previous_ = uselocale(c_);
    }
    ~CLocaleScope() {
        if (c_ == static_cast<locale_t>(nullptr))
            return;
        uselocale(previous_);
        freelocale(c_);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t c_;
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

std::string Text(const gchar* s) {
    return s != nullptr ? std::string(s) : std::string();
}

Place ReadCity(gint index) {
    Place p;
    GeonamesCity* city = geonames_get_city(index);
    if (city == nullptr)
        return p;
    p.name = Text(geonames_city_get_name(city));
    p.state = Text(geonames_city_get_state(city));
    p.country = Text(geonames_city_get_country(city));
    p.countryCode = Text(geonames_city_get_country_code(city));
    p.timeZone = Text(geonames_city_get_timezone(city));
    p.latitude = geonames_city_get_latitude(city);
    p.longitude = geonames_city_get_longitude(city);
    p.population = geonames_city_get_population(city);
    geonames_city_free(city);
    return p;
}

std::string Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return std::string(s);
}

std::vector<std::string> SplitParts(std::string_view query) {
    std::vector<std::string> parts;
    for (;;) {
        const auto comma = query.find(',');
        parts.push_back(Trimmed(query.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        query.remove_prefix(comma + 1);
    }
    return parts;
}

// Common short names of two countries that match neither their atlas names
// nor their codes.
std::string_view CountryCodeAlias(std::string_view part) {
    if (FoldedEquals(part, "UK"))
        return "GB";
    if (FoldedEquals(part, "USA"))
        return "US";
    return {};
}

bool PartDescribes(const Place& p, std::string_view part) {
    if (FoldedContains(p.state, part) || FoldedContains(p.country, part))
        return true;
    if (FoldedEquals(p.countryCode, part))
        return true;
    const std::string_view alias = CountryCodeAlias(part);
    return !alias.empty() && alias == p.countryCode;
}

// "York" names York and "Washington" Washington D.C., not New York or Port
// Washington: the name is the city part, or begins with it as whole words.
bool NameBeginsWith(std::string_view name, std::string_view city) {
    const std::string n = FoldPlaceName(name);
    const std::string c = FoldPlaceName(city);
    if (c.empty() || n.size() < c.size() || !FoldedEquals(n.substr(0, c.size()), c))
        return false;
    return n.size() == c.size() || n[c.size()] == ' ';
}

void ByPopulation(std::vector<Place>& places) {
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.population > b.population; });
}

}  // namespace

std::string Place::Label() const {
    return name + ", " + state + ", " + country;
}

std::vector<Place> FindPlaces(std::string_view cityQuery, std::size_t limit) {
    const std::string query = Trimmed(cityQuery);
    std::vector<Place> places;
    if (query.empty())
        return places;
    CLocaleScope cLocale;
    guint count = 0;
    GError* error = nullptr;
    std::unique_ptr<gint, decltype(&g_free)> indices(
        geonames_query_cities_sync(query.c_str(), GEONAMES_QUERY_DEFAULT, &count, nullptr, &error),
        &g_free);
    if (error != nullptr) {
        g_error_free(error);
        return places;
    }
    if (!indices)
        return places;
    places.reserve(count);
    for (guint i = 0; i < count; ++i)
        places.push_back(ReadCity(indices.get()[i]));
    ByPopulation(places);
    if (limit != 0 && places.size() > limit)
        places.resize(limit);
    return places;
}

PlaceSearch SearchPlace(std::string_view query, std::size_t nearestCount) {
    PlaceSearch result;
    const std::vector<std::string> parts = SplitParts(query);
    const std::string& city = parts.front();
    std::vector<Place> candidates = FindPlaces(city);
    std::vector<Place> kept;
    for (const Place& p : candidates) {
        bool all = true;
        for (std::size_t i = 1; i < parts.size() && all; ++i) {
            all = parts[i].empty() || PartDescribes(p, parts[i]);
        }
        if (all)
            kept.push_back(p);
    }
    if (!kept.empty()) {
        // Already by population; a stable partition keeps that order.
        std::stable_partition(kept.begin(), kept.end(),
                              [&](const Place& p) { return NameBeginsWith(p.name, city); });
        result.place = kept.front();
        return result;
    }
    std::vector<Place> nearest = std::move(candidates);
    for (std::size_t length = city.size(); nearest.empty() && length > 2;) {
        // Back off by whole characters, never inside a UTF-8 sequence.
        length = PreviousCharacterStart(city, length);
        nearest = FindPlaces(std::string_view(city).substr(0, length));
    }
    if (nearest.size() > nearestCount)
        nearest.resize(nearestCount);
    result.nearest = std::move(nearest);
    return result;
}

}  // namespace vellamor::atlas
