// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer the atlas searches: about 141,000 places of the GeoNames
// dump (every place of 1,000 inhabitants or more and every seat of an
// administrative division), with the alternate and former names people
// type, first-level divisions with their ISO codes, and countries with the
// names they go by. The text is made by tools/gazetteer, the compact table
// from it by the build; GeoNames data is under CC BY 4.0.
//
// Names are matched folded to A to Z and blanks and ignoring case, with the
// abbreviations "St", "Ste", "Mt" and "Ft" read as the words they stand for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
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

// Why the program's atlas table could not be used. The front ends word it.
enum class GazetteerProblem : std::uint8_t {
    Missing,       // no table where the program looks for it
    Unreadable,    // there, but it cannot be opened or mapped
    NotATable,     // not an atlas table at all
    OtherVersion,  // an atlas table of another version or byte order
    Damaged,       // cut short, or parts pointing outside the file
};

struct GazetteerFault {
    GazetteerProblem problem = GazetteerProblem::Missing;
    std::string path;  // the file looked for or read
};

// The gazetteer is a compact, indexed, read-only table: place records,
// alternate names, divisions, countries and zones, and a sorted index of
// the search keys of every name and of every later word of it. The build
// makes it from atlas/data (tools/gazetteer's text) and installs it beside
// the program; the program maps it and reads it where it stands, so a look-up
// touches only the pages it needs and nothing is parsed at start.
class Gazetteer {
  public:
    // Reads the generator's table (see tools/gazetteer) and makes the
    // compact table from it in memory; an error names the first line that
    // does not fit.
    static Expected<Gazetteer, std::string> FromText(std::string text);

    // A compact table held in memory (as tableBytes() gives it), or mapped
    // from a file. Either is checked first: its header, version, byte
    // order, size and the bounds of every part; the small parts (countries,
    // divisions, zones) in full. The large ones are bounds-checked as they
    // are read, so a damaged byte there gives a wrong name, never a crash.
    static Expected<Gazetteer, GazetteerFault> FromTable(std::string bytes);
    static Expected<Gazetteer, GazetteerFault> OpenTable(const std::string& path);

    // Opens the table installed with the program (see BuiltInTablePath).
    static Expected<Gazetteer, GazetteerFault> ReadBuiltIn();

    std::size_t placeCount() const { return m_placeCount; }
    std::string_view dumpDate() const { return m_dumpDate; }
    // Set when this gazetteer is empty because the program's table could not
    // be read.
    const std::optional<GazetteerFault>& fault() const { return m_fault; }

    // The compact table itself, as FromTable and OpenTable read it.
    std::string_view tableBytes() const { return m_bytes; }

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
    static Expected<Gazetteer, GazetteerFault> Adopt(std::shared_ptr<const void> owner,
                                                     std::string_view bytes, std::string path);

    std::string_view Text(std::uint64_t ref) const;
    std::uint32_t DivisionOf(std::uint32_t place) const;
    bool NamesDivision(std::uint32_t division, std::string_view qualifierKey, bool codeLike) const;
    bool NamesCountry(std::uint32_t country, std::string_view qualifierKey, bool codeLike) const;

    // The table's bytes: a mapping or a buffer that `m_owner` keeps alive,
    // and which does not move when the gazetteer does.
    std::shared_ptr<const void> m_owner;
    std::string_view m_bytes;
    std::string_view m_strings;
    const unsigned char* m_countries = nullptr;
    const unsigned char* m_countryKeys = nullptr;
    const unsigned char* m_divisions = nullptr;
    const unsigned char* m_zones = nullptr;
    const unsigned char* m_places = nullptr;
    const unsigned char* m_alternates = nullptr;
    const unsigned char* m_index = nullptr;
    std::uint32_t m_countryCount = 0, m_countryKeyCount = 0, m_divisionCount = 0, m_zoneCount = 0,
                  m_placeCount = 0, m_alternateCount = 0, m_indexCount = 0;
    std::string_view m_dumpDate;
    std::optional<GazetteerFault> m_fault;
};

// Where the program's table is: share/vellamor/places.atlas beside the
// folder of the running program (/usr/bin/vellamor reads
// /usr/share/vellamor/places.atlas; a build's app/vellamor reads the one the
// build made), else where the build was told it would be installed.
std::string BuiltInTablePath();

// The program's table, opened once for whoever owns this object (the
// program's main function; a test) and lent out by reference. Opening maps
// the file and checks its header, well under a millisecond; the windows
// still do it on another thread as they open, and the command line on first
// use. An unreadable table gives an empty gazetteer (fault() says why).
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
