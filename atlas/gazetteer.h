// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer the atlas searches: about 141,000 places of the GeoNames
// dump (every place of 1,000 inhabitants or more and every seat of an
// administrative division), with the alternate and former names people
// type, first-level divisions with their ISO codes, and countries with the
// names they go by. The table is built by tools/gazetteer and carried in the
// program; GeoNames data is under CC BY 4.0.
//
// Names are matched folded to A to Z and blanks and ignoring case, with the
// abbreviations "St", "Ste", "Mt" and "Ft" read as the words they stand for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/place_search.h"
#include "core/astro/expected.h"

namespace vellamor::atlas {

// How well a place's name answers the city part of a query, best first.
enum class NameMatch : std::uint8_t {
    Exact,      // a name of the place is the query ("Bombay" for Mumbai)
    Beginning,  // a name begins with the query ("Lond" for London, "New" for New York)
    InnerWord,  // a later word of a name begins with it ("York" in "New York")
};

struct GazetteerMatch {
    std::uint32_t place = 0;  // index: the lower, the more populous
    NameMatch match = NameMatch::Exact;
    std::uint16_t name = 0;  // 0 the place's own name, k its k-th alternate
};

class Gazetteer {
  public:
    // Reads the generator's table (see tools/gazetteer); an error names the
    // first line that does not fit.
    static Expected<Gazetteer, std::string> FromText(std::string text);

    // Reads the table carried in the program afresh (BuiltInGazetteer keeps
    // one for its owner).
    static Expected<Gazetteer, std::string> ReadBuiltIn();

    std::size_t placeCount() const { return m_places.size(); }
    const std::string& dumpDate() const { return m_dumpDate; }
    const std::string& loadError() const { return m_loadError; }

    // The place at `index`, with the alternate `name` noted as typed.
    Place PlaceAt(std::uint32_t index, std::uint16_t name = 0) const;
    std::string_view CountryCodeOf(std::uint32_t index) const;

    // Places whose names answer `city` and whose division or country every
    // qualifier names (see QualifierNames), best match first, then the most
    // populous. `limit` 0 keeps them all. Queries are cut at 200 characters.
    std::vector<GazetteerMatch> Lookup(std::string_view city,
                                       const std::vector<std::string>& qualifiers,
                                       std::size_t limit = 0) const;

    // True when `qualifier` names the place's division or country: as whole
    // words of its name ("Maine", "South Korea", "Great Britain"), or as its
    // code ("ME", "MH", "US", "USA", "UK"). A qualifier of up to three
    // letters matches codes and whole names only, never one word of a
    // longer name.
    bool QualifierNames(std::uint32_t place, std::string_view qualifier) const;

    Gazetteer(const Gazetteer&) = delete;
    Gazetteer& operator=(const Gazetteer&) = delete;
    Gazetteer(Gazetteer&&) = default;
    Gazetteer& operator=(Gazetteer&&) = default;
    ~Gazetteer();

  private:
    friend class BuiltInGazetteer;
    Gazetteer() = default;
    struct Country {
        std::string code, name;
        std::vector<std::string> keys;  // search keys of every name and code
    };
    struct Division {
        std::uint16_t country = 0;
        std::string name, key, iso;
    };
    struct Entry {
        std::string_view name;
        double latitude = 0, longitude = 0;
        std::uint32_t population = 0;
        std::uint16_t division = 0, zone = 0;
        std::uint32_t firstAlternate = 0;
        std::uint16_t alternateCount = 0;
    };
    struct Key {
        std::uint64_t head = 0;    // the first eight characters, for a quick sort
        std::uint32_t offset = 0;  // into m_keys
        std::uint32_t place = 0;
        std::uint16_t length = 0;
        std::uint16_t name = 0;
        bool atStart = false;
    };

    std::string_view KeyText(const Key& k) const { return {m_keys.data() + k.offset, k.length}; }
    bool NamesDivision(const Division& d, std::string_view qualifierKey, bool codeLike) const;
    bool NamesCountry(const Country& c, std::string_view qualifierKey, bool codeLike) const;
    void BuildIndex();

    std::unique_ptr<const std::string> m_text;  // the table; names point into it
    std::string m_dumpDate, m_loadError;
    std::vector<Country> m_countries;
    std::vector<Division> m_divisions;
    std::vector<std::string> m_zones;
    std::vector<Entry> m_places;
    std::vector<std::string_view> m_alternates;
    std::string m_keys;
    std::vector<Key> m_index;
};

// The table carried in the program, read once for whoever owns this object
// (the program's main function; a test) and lent out by reference. Reading
// takes about a third of a second: the windows start it on another thread as
// they open, so the first place typed finds it ready; the command line reads
// it on first use, since most of its runs look no place up. An unreadable
// table gives an empty gazetteer (loadError() says why).
class BuiltInGazetteer {
  public:
    BuiltInGazetteer() = default;
    BuiltInGazetteer(const BuiltInGazetteer&) = delete;
    BuiltInGazetteer& operator=(const BuiltInGazetteer&) = delete;

    // Starts reading on another thread and returns at once; nothing when the
    // reading has begun already.
    void ReadInBackground();

    // The table: waits for the reading, or reads it now if none was started.
    const Gazetteer& Get() const;

  private:
    static Gazetteer Read();

    mutable std::once_flag m_started;
    mutable std::shared_future<Gazetteer> m_table;
};

// The text matched against the index: folded, lower case, "st" read as
// "saint" and so on.
std::string SearchKey(std::string_view utf8);

}  // namespace vellamor::atlas
