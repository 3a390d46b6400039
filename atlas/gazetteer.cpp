// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/gazetteer.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <future>
#include <memory>

#include "atlas/place_names.h"

namespace vellamor::atlas {
namespace {

constexpr std::size_t kMaxQuery = 200;

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto at = s.find(separator);
        out.push_back(s.substr(0, at));
        if (at == std::string_view::npos)
            return out;
        s.remove_prefix(at + 1);
    }
}

template <typename T>
bool ParseNumber(std::string_view s, T& value) {
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size();
}

// Folding without Qt for the common case of a name already in A to Z.
std::string FoldFast(std::string_view utf8) {
    for (unsigned char c : utf8) {
        if (c >= 0x80)
            return FoldPlaceName(utf8);
    }
    std::string out;
    bool blank = false;
    for (char c : utf8) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            if (blank && !out.empty())
                out += ' ';
            blank = false;
            out += c;
        } else {
            blank = true;
        }
    }
    return out;
}

std::string KeyOfFolded(std::string_view folded) {
    std::string out;
    out.reserve(folded.size() + 8);
    for (std::string_view word : Split(folded, ' ')) {
        if (word.empty())
            continue;
        std::string w(word);
        for (char& c : w) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        }
        if (w == "st")
            w = "saint";
        else if (w == "ste")
            w = "sainte";
        else if (w == "mt")
            w = "mount";
        else if (w == "ft")
            w = "fort";
        if (!out.empty())
            out += ' ';
        out += w;
    }
    return out;
}

// The first eight bytes, big-endian, zero-padded: orders as the text does.
std::uint64_t Head(std::string_view key) {
    std::uint64_t h = 0;
    for (std::size_t i = 0; i < 8; ++i)
        h = (h << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return h;
}

// True when the words of `needle` occur together in `words`, whole.
bool HasWholeWords(std::string_view words, std::string_view needle) {
    if (needle.empty())
        return false;
    for (std::size_t at = words.find(needle); at != std::string_view::npos;
         at = words.find(needle, at + 1)) {
        const bool startOk = at == 0 || words[at - 1] == ' ';
        const std::size_t end = at + needle.size();
        if (startOk && (end == words.size() || words[end] == ' '))
            return true;
    }
    return false;
}

}  // namespace

std::string SearchKey(std::string_view utf8) {
    return KeyOfFolded(FoldFast(utf8.substr(0, kMaxQuery)));
}

Gazetteer::~Gazetteer() = default;

// The compact table, in the byte order of the machine that built it (the
// header says which, and a table of the other order is refused):
//
//   header   "VLMATLAS", u32 version, u32 0x01020304, u64 size of the file,
//            u32 number of parts, u32 0, then per part u64 offset, u64 count
//   parts    8-byte aligned, in this order:
//     strings       every text, UTF-8 (count: bytes)
//     countries     ref code, ref name, u32 first key, u32 key count
//     country keys  ref: search keys of each country's names and codes
//     divisions     ref name, ref key, ref ISO code, u32 country, u32 0
//     zones         ref: IANA names
//     places        f64 latitude, f64 longitude, ref name, u32 population,
//                   u32 first alternate, u16 division, u16 zone,
//                   u16 alternate count, u16 0; most populous first
//     alternates    ref
//     index         u32 key (into strings), u32 place (top bit: the key is
//                   a whole name), u16 key length, u16 name; sorted by key,
//                   then place
//     dump date     ref (count 1)
//
// A ref is a u64: the offset of a text in the strings, and its length in
// the high 32 bits.
namespace {

constexpr char kMagic[8] = {'V', 'L', 'M', 'A', 'T', 'L', 'A', 'S'};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kByteOrder = 0x01020304;
enum Part : std::uint32_t {
    kStrings,
    kCountries,
    kCountryKeys,
    kDivisions,
    kZones,
    kPlaces,
    kAlternates,
    kIndex,
    kDumpDate,
    kPartCount
};
constexpr std::size_t kPartSize[kPartCount] = {1, 24, 8, 32, 8, 40, 8, 12, 8};
constexpr std::size_t kHeaderSize = 32 + 16 * kPartCount;
constexpr std::uint32_t kWholeName = 0x80000000u;

template <typename T>
T Load(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

template <typename T>
void Store(std::string& out, T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

// The text of the generator's table, parsed, before it is laid out.
struct Source {
    struct Country {
        std::string_view code, name;
        std::vector<std::string> keys;
    };
    struct Division {
        std::uint16_t country = 0;
        std::string_view name;
        std::string key, iso;
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
        std::uint64_t head = 0;
        std::uint32_t offset = 0;  // into keys
        std::uint32_t place = 0;
        std::uint16_t length = 0;
        std::uint16_t name = 0;
        bool atStart = false;
    };
    std::string_view dumpDate;
    std::vector<Country> countries;
    std::vector<Division> divisions;
    std::vector<std::string_view> zones;
    std::vector<Entry> places;
    std::vector<std::string_view> alternates;
    std::string keys;
    std::vector<Key> index;

    std::string_view KeyText(const Key& k) const { return {keys.data() + k.offset, k.length}; }

    // Every name's key and every later word of it, sorted. The order of
    // equal keys of one place is std::sort's, as it has always been: it
    // decides which of two equal alternates a match reports.
    void BuildIndex() {
        index.reserve(places.size() * 4);
        auto add = [this](std::uint32_t place, std::uint16_t name, std::string_view text) {
            const std::string key = SearchKey(text);
            if (key.empty() || key.size() > 0xFFFF)
                return;
            const auto offset = static_cast<std::uint32_t>(keys.size());
            keys += key;
            for (std::size_t at = 0; at < key.size(); ++at) {
                if (at == 0 || key[at - 1] == ' ') {
                    index.push_back(Key{Head(std::string_view(key).substr(at)),
                                        static_cast<std::uint32_t>(offset + at), place,
                                        static_cast<std::uint16_t>(key.size() - at), name,
                                        at == 0});
                }
            }
        };
        for (std::uint32_t i = 0; i < places.size(); ++i) {
            const Entry& e = places[i];
            add(i, 0, e.name);
            for (std::uint16_t k = 0; k < e.alternateCount; ++k)
                add(i, static_cast<std::uint16_t>(k + 1), alternates[e.firstAlternate + k]);
        }
        std::sort(index.begin(), index.end(), [this](const Key& a, const Key& b) {
            if (a.head != b.head)
                return a.head < b.head;
            const std::string_view ka = KeyText(a), kb = KeyText(b);
            return ka != kb ? ka < kb : a.place < b.place;
        });
    }

    std::string Layout() const {
        std::string strings;
        auto ref = [&strings](std::string_view text) {
            const auto offset = static_cast<std::uint64_t>(strings.size());
            strings.append(text);
            return offset | (static_cast<std::uint64_t>(text.size()) << 32);
        };
        std::string part[kPartCount];
        std::uint64_t count[kPartCount] = {};
        for (const Country& c : countries) {
            std::uint64_t firstKey = count[kCountryKeys];
            for (const std::string& k : c.keys) {
                Store(part[kCountryKeys], ref(k));
                ++count[kCountryKeys];
            }
            Store(part[kCountries], ref(c.code));
            Store(part[kCountries], ref(c.name));
            Store(part[kCountries], static_cast<std::uint32_t>(firstKey));
            Store(part[kCountries], static_cast<std::uint32_t>(c.keys.size()));
            ++count[kCountries];
        }
        for (const Division& d : divisions) {
            Store(part[kDivisions], ref(d.name));
            Store(part[kDivisions], ref(d.key));
            Store(part[kDivisions], ref(d.iso));
            Store(part[kDivisions], static_cast<std::uint32_t>(d.country));
            Store(part[kDivisions], std::uint32_t{0});
            ++count[kDivisions];
        }
        for (std::string_view z : zones) {
            Store(part[kZones], ref(z));
            ++count[kZones];
        }
        for (const Entry& e : places) {
            Store(part[kPlaces], e.latitude);
            Store(part[kPlaces], e.longitude);
            Store(part[kPlaces], ref(e.name));
            Store(part[kPlaces], e.population);
            Store(part[kPlaces], e.firstAlternate);
            Store(part[kPlaces], e.division);
            Store(part[kPlaces], e.zone);
            Store(part[kPlaces], e.alternateCount);
            Store(part[kPlaces], std::uint16_t{0});
            ++count[kPlaces];
        }
        for (std::string_view a : alternates) {
            Store(part[kAlternates], ref(a));
            ++count[kAlternates];
        }
        const auto keysAt = static_cast<std::uint32_t>(strings.size());
        strings += keys;
        for (const Key& k : index) {
            Store(part[kIndex], keysAt + k.offset);
            Store(part[kIndex], k.place | (k.atStart ? kWholeName : 0u));
            Store(part[kIndex], k.length);
            Store(part[kIndex], k.name);
            ++count[kIndex];
        }
        Store(part[kDumpDate], ref(dumpDate));
        count[kDumpDate] = 1;
        part[kStrings] = std::move(strings);
        count[kStrings] = part[kStrings].size();

        std::uint64_t offset[kPartCount] = {};
        std::uint64_t size = kHeaderSize;
        for (std::uint32_t i = 0; i < kPartCount; ++i) {
            size = (size + 7) / 8 * 8;
            offset[i] = size;
            size += part[i].size();
        }
        std::string out;
        out.reserve(size);
        out.append(kMagic, sizeof kMagic);
        Store(out, kVersion);
        Store(out, kByteOrder);
        Store(out, size);
        Store(out, static_cast<std::uint32_t>(kPartCount));
        Store(out, std::uint32_t{0});
        for (std::uint32_t i = 0; i < kPartCount; ++i) {
            Store(out, offset[i]);
            Store(out, count[i]);
        }
        for (std::uint32_t i = 0; i < kPartCount; ++i) {
            out.resize(offset[i], '\0');
            out += part[i];
        }
        return out;
    }
};

}  // namespace

Expected<Gazetteer, std::string> Gazetteer::FromText(std::string text) {
    Source g;
    std::string_view rest = text;
    std::size_t lineNumber = 0;
    auto bad = [&lineNumber](const char* what) {
        return Fail("gazetteer line " + std::to_string(lineNumber) + ": " + what);
    };
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> f = Split(line, '\t');
        const std::string_view kind = f.front();
        if (kind == "D" && f.size() == 2) {
            g.dumpDate = f[1];
        } else if (kind == "C" && f.size() == 4) {
            Source::Country c{f[1], f[2], {}};
            c.keys.push_back(SearchKey(f[1]));
            c.keys.push_back(SearchKey(f[2]));
            for (std::string_view n : Split(f[3], '|')) {
                if (!n.empty())
                    c.keys.push_back(SearchKey(n));
            }
            g.countries.push_back(std::move(c));
        } else if (kind == "S" && f.size() == 4) {
            Source::Division d;
            if (!ParseNumber(f[1], d.country) || d.country >= g.countries.size())
                return bad("no such country");
            d.name = f[2];
            d.key = SearchKey(f[2]);
            d.iso = SearchKey(f[3]);
            g.divisions.push_back(std::move(d));
        } else if (kind == "Z" && f.size() == 2) {
            g.zones.push_back(f[1]);
        } else if (kind == "P" && f.size() == 8) {
            Source::Entry e;
            e.name = f[1];
            if (e.name.empty() || !ParseNumber(f[2], e.latitude) ||
                !ParseNumber(f[3], e.longitude) || !ParseNumber(f[4], e.division) ||
                !ParseNumber(f[5], e.population) || !ParseNumber(f[6], e.zone))
                return bad("a place needs a name and numbers");
            if (e.division >= g.divisions.size() || e.zone >= g.zones.size())
                return bad("no such division or zone");
            e.firstAlternate = static_cast<std::uint32_t>(g.alternates.size());
            if (!f[7].empty()) {
                for (std::string_view a : Split(f[7], '|')) {
                    if (e.alternateCount < 0xFFFF) {
                        g.alternates.push_back(a);
                        ++e.alternateCount;
                    }
                }
            }
            g.places.push_back(e);
        } else {
            return bad("not a line of the gazetteer");
        }
    }
    if (g.places.empty())
        return Fail(std::string("the gazetteer has no places"));
    if (g.places.size() >= kWholeName || text.size() >= 0xFFFFFFFFu / 2)
        return Fail(std::string("the gazetteer is too large"));
    g.BuildIndex();
    auto table = FromTable(g.Layout());
    if (!table)
        return Fail(std::string("the compact table does not read back"));
    return std::move(*table);
}

Expected<Gazetteer, GazetteerFault> Gazetteer::FromTable(std::string bytes) {
    auto owned = std::make_shared<const std::string>(std::move(bytes));
    const std::string_view view = *owned;
    return Adopt(std::move(owned), view, {});
}

Expected<Gazetteer, GazetteerFault> Gazetteer::OpenTable(const std::string& path) {
    auto fault = [&path](GazetteerProblem p) { return Fail(GazetteerFault{p, path}); };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fault(errno == ENOENT ? GazetteerProblem::Missing : GazetteerProblem::Unreadable);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fault(GazetteerProblem::Unreadable);
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size == 0) {
        ::close(fd);
        return fault(GazetteerProblem::NotATable);
    }
    void* at = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);  // the mapping holds the file
    if (at == MAP_FAILED)
        return fault(GazetteerProblem::Unreadable);
    // A look-up reads a few scattered pages: reading ahead would only fill
    // memory with pages no look-up asked for.
    ::madvise(at, size, MADV_RANDOM);
    std::shared_ptr<const void> mapping(
        at, [size](const void* p) { ::munmap(const_cast<void*>(p), size); });
    return Adopt(std::move(mapping), std::string_view(static_cast<const char*>(at), size), path);
}

Expected<Gazetteer, GazetteerFault> Gazetteer::Adopt(std::shared_ptr<const void> owner,
                                                     std::string_view bytes, std::string path) {
    auto fault = [&path](GazetteerProblem p) { return Fail(GazetteerFault{p, path}); };
    const auto* base = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() < sizeof kMagic || std::memcmp(base, kMagic, sizeof kMagic) != 0)
        return fault(GazetteerProblem::NotATable);
    if (bytes.size() < kHeaderSize)
        return fault(GazetteerProblem::Damaged);
    if (Load<std::uint32_t>(base + 8) != kVersion || Load<std::uint32_t>(base + 12) != kByteOrder)
        return fault(GazetteerProblem::OtherVersion);
    if (Load<std::uint64_t>(base + 16) != bytes.size() ||
        Load<std::uint32_t>(base + 24) != kPartCount)
        return fault(GazetteerProblem::Damaged);

    Gazetteer g;
    const unsigned char* part[kPartCount] = {};
    std::uint32_t count[kPartCount] = {};
    for (std::uint32_t i = 0; i < kPartCount; ++i) {
        const auto offset = Load<std::uint64_t>(base + 32 + 16 * i);
        const auto n = Load<std::uint64_t>(base + 40 + 16 * i);
        if (offset < kHeaderSize || offset > bytes.size() || n > 0xFFFFFFFFu ||
            n > (bytes.size() - offset) / kPartSize[i])
            return fault(GazetteerProblem::Damaged);
        part[i] = base + offset;
        count[i] = static_cast<std::uint32_t>(n);
    }
    g.m_strings = std::string_view(reinterpret_cast<const char*>(part[kStrings]), count[kStrings]);
    g.m_countries = part[kCountries];
    g.m_countryKeys = part[kCountryKeys];
    g.m_divisions = part[kDivisions];
    g.m_zones = part[kZones];
    g.m_places = part[kPlaces];
    g.m_alternates = part[kAlternates];
    g.m_index = part[kIndex];
    g.m_countryCount = count[kCountries];
    g.m_countryKeyCount = count[kCountryKeys];
    g.m_divisionCount = count[kDivisions];
    g.m_zoneCount = count[kZones];
    g.m_placeCount = count[kPlaces];
    g.m_alternateCount = count[kAlternates];
    g.m_indexCount = count[kIndex];

    // The small parts are read whole at every look-up with a qualifier:
    // checked here once. The large ones are checked as they are read.
    auto fits = [&g](std::uint64_t ref) {
        return (ref & 0xFFFFFFFFu) + (ref >> 32) <= g.m_strings.size();
    };
    if (count[kDumpDate] != 1 || !fits(Load<std::uint64_t>(part[kDumpDate])))
        return fault(GazetteerProblem::Damaged);
    g.m_dumpDate = g.Text(Load<std::uint64_t>(part[kDumpDate]));
    for (std::uint32_t i = 0; i < g.m_countryCount; ++i) {
        const unsigned char* c = g.m_countries + 24 * i;
        const auto first = Load<std::uint32_t>(c + 16), n = Load<std::uint32_t>(c + 20);
        if (!fits(Load<std::uint64_t>(c)) || !fits(Load<std::uint64_t>(c + 8)) ||
            first > g.m_countryKeyCount || n > g.m_countryKeyCount - first)
            return fault(GazetteerProblem::Damaged);
    }
    for (std::uint32_t i = 0; i < g.m_countryKeyCount; ++i) {
        if (!fits(Load<std::uint64_t>(g.m_countryKeys + 8 * i)))
            return fault(GazetteerProblem::Damaged);
    }
    for (std::uint32_t i = 0; i < g.m_divisionCount; ++i) {
        const unsigned char* d = g.m_divisions + 32 * i;
        if (!fits(Load<std::uint64_t>(d)) || !fits(Load<std::uint64_t>(d + 8)) ||
            !fits(Load<std::uint64_t>(d + 16)) || Load<std::uint32_t>(d + 24) >= g.m_countryCount)
            return fault(GazetteerProblem::Damaged);
    }
    for (std::uint32_t i = 0; i < g.m_zoneCount; ++i) {
        if (!fits(Load<std::uint64_t>(g.m_zones + 8 * i)))
            return fault(GazetteerProblem::Damaged);
    }
    if (g.m_placeCount == 0 || g.m_placeCount >= kWholeName)
        return fault(GazetteerProblem::Damaged);
    g.m_owner = std::move(owner);
    g.m_bytes = bytes;
    return g;
}

std::string_view Gazetteer::Text(std::uint64_t ref) const {
    const std::uint64_t offset = ref & 0xFFFFFFFFu, length = ref >> 32;
    if (offset + length > m_strings.size())
        return {};
    return m_strings.substr(offset, length);
}

// An index past the end when the record is damaged.
std::uint32_t Gazetteer::DivisionOf(std::uint32_t place) const {
    if (place >= m_placeCount)
        return m_divisionCount;
    const std::uint16_t d = Load<std::uint16_t>(m_places + 40 * std::size_t{place} + 32);
    return d < m_divisionCount ? d : m_divisionCount;
}

Place Gazetteer::PlaceAt(std::uint32_t index, std::uint16_t name) const {
    Place p;
    if (index >= m_placeCount)
        return p;
    const unsigned char* e = m_places + 40 * std::size_t{index};
    p.name = std::string(Text(Load<std::uint64_t>(e + 16)));
    p.latitude = Load<double>(e);
    p.longitude = Load<double>(e + 8);
    p.population = Load<std::uint32_t>(e + 24);
    const std::uint32_t division = DivisionOf(index);
    if (division < m_divisionCount) {
        const unsigned char* d = m_divisions + 32 * std::size_t{division};
        const unsigned char* c = m_countries + 24 * std::size_t{Load<std::uint32_t>(d + 24)};
        p.state = std::string(Text(Load<std::uint64_t>(d)));
        p.country = std::string(Text(Load<std::uint64_t>(c + 8)));
        p.countryCode = std::string(Text(Load<std::uint64_t>(c)));
    }
    if (const std::uint16_t zone = Load<std::uint16_t>(e + 34); zone < m_zoneCount)
        p.timeZone = std::string(Text(Load<std::uint64_t>(m_zones + 8 * std::size_t{zone})));
    const auto first = Load<std::uint32_t>(e + 28);
    const auto alternates = Load<std::uint16_t>(e + 36);
    const std::uint64_t alternate = std::uint64_t{first} + name - 1u;
    if (name > 0 && name <= alternates && alternate < m_alternateCount)
        p.typedName = std::string(Text(Load<std::uint64_t>(m_alternates + 8 * alternate)));
    return p;
}

std::string_view Gazetteer::CountryCodeOf(std::uint32_t index) const {
    const std::uint32_t division = DivisionOf(index);
    if (division >= m_divisionCount)
        return {};
    const auto country = Load<std::uint32_t>(m_divisions + 32 * std::size_t{division} + 24);
    return Text(Load<std::uint64_t>(m_countries + 24 * std::size_t{country}));
}

bool Gazetteer::NamesDivision(std::uint32_t division, std::string_view q, bool codeLike) const {
    const unsigned char* d = m_divisions + 32 * std::size_t{division};
    const std::string_view key = Text(Load<std::uint64_t>(d + 8));
    if (q == key || q == Text(Load<std::uint64_t>(d + 16)))
        return true;
    return !codeLike && HasWholeWords(key, q);
}

bool Gazetteer::NamesCountry(std::uint32_t country, std::string_view q, bool codeLike) const {
    const unsigned char* c = m_countries + 24 * std::size_t{country};
    const auto first = Load<std::uint32_t>(c + 16), n = Load<std::uint32_t>(c + 20);
    for (std::uint32_t k = first; k < first + n; ++k) {
        const std::string_view key = Text(Load<std::uint64_t>(m_countryKeys + 8 * std::size_t{k}));
        if (q == key || (!codeLike && HasWholeWords(key, q)))
            return true;
    }
    return false;
}

bool Gazetteer::QualifierNames(std::uint32_t place, std::string_view qualifier) const {
    const std::uint32_t division = DivisionOf(place);
    if (division >= m_divisionCount)
        return false;
    const std::string q = SearchKey(qualifier);
    if (q.empty())
        return true;
    const bool codeLike = q.size() <= 3 && q.find(' ') == std::string::npos;
    return NamesDivision(division, q, codeLike) ||
           NamesCountry(Load<std::uint32_t>(m_divisions + 32 * std::size_t{division} + 24), q,
                        codeLike);
}

std::vector<GazetteerMatch> Gazetteer::Lookup(std::string_view city,
                                              const std::vector<std::string>& qualifiers,
                                              std::size_t limit) const {
    std::vector<GazetteerMatch> out;
    const std::string q = SearchKey(city);
    if (q.empty() || m_indexCount == 0)
        return out;

    // The qualifiers, decided once per division (a place is named by its
    // division or its country).
    std::vector<char> divisionOk;
    for (const std::string& part : qualifiers) {
        const std::string key = SearchKey(part);
        if (key.empty())
            continue;
        const bool codeLike = key.size() <= 3 && key.find(' ') == std::string::npos;
        if (divisionOk.empty())
            divisionOk.assign(m_divisionCount + std::size_t{1}, 1);
        for (std::uint32_t i = 0; i < m_divisionCount; ++i) {
            const auto country = Load<std::uint32_t>(m_divisions + 32 * std::size_t{i} + 24);
            divisionOk[i] = divisionOk[i] && (NamesDivision(i, key, codeLike) ||
                                              NamesCountry(country, key, codeLike));
        }
        divisionOk[m_divisionCount] = 0;  // a damaged record names nothing
    }

    // The keys that begin with the query are one run of the sorted index:
    // two binary searches find it, and the run itself is read without its
    // texts (a key as long as the query is the query).
    auto keyAt = [this](std::size_t i) {
        const unsigned char* k = m_index + 12 * i;
        const std::uint64_t offset = Load<std::uint32_t>(k);
        const std::uint64_t length = Load<std::uint16_t>(k + 8);
        return offset + length <= m_strings.size() ? m_strings.substr(offset, length)
                                                   : std::string_view();
    };
    std::size_t from = 0, count = m_indexCount;
    while (count > 0) {  // the first key not below the query
        const std::size_t half = count / 2;
        if (keyAt(from + half) < q) {
            from += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    std::size_t to = from;
    count = m_indexCount - from;
    while (count > 0) {  // the first key that does not begin with it
        const std::size_t half = count / 2;
        if (keyAt(to + half).substr(0, q.size()) == q) {
            to += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }

    // Best (match, alternate?) per place: 2 * match + 1 for an alternate.
    constexpr std::uint8_t kNone = 0xFF;
    std::vector<std::uint8_t> best(m_placeCount, kNone);
    std::vector<std::uint16_t> bestName(m_placeCount, 0);
    std::vector<std::uint32_t> touched;
    for (std::size_t i = from; i < to; ++i) {
        const unsigned char* k = m_index + 12 * i;
        const auto placeWord = Load<std::uint32_t>(k + 4);
        const std::uint32_t place = placeWord & ~kWholeName;
        const auto length = Load<std::uint16_t>(k + 8);
        const auto name = Load<std::uint16_t>(k + 10);
        if (place >= m_placeCount)
            continue;
        if (!divisionOk.empty() && !divisionOk[DivisionOf(place)])
            continue;
        NameMatch m = NameMatch::InnerWord;
        if (placeWord & kWholeName)
            m = length == q.size() ? NameMatch::Exact : NameMatch::Beginning;
        // An alternate counts in full only when typed whole: as a mere
        // beginning it ranks with inner words, below the places' own names
        // ("Lon" is London before "Lon nk Bits", a spelling of Long Beach).
        if (name != 0 && m != NameMatch::Exact)
            m = NameMatch::InnerWord;
        const auto code = static_cast<std::uint8_t>(2 * static_cast<int>(m) + (name ? 1 : 0));
        std::uint8_t& b = best[place];
        if (b == kNone)
            touched.push_back(place);
        if (code < b) {
            b = code;
            bestName[place] = name;
        }
    }
    out.reserve(touched.size());
    for (std::uint32_t p : touched)
        out.push_back(GazetteerMatch{p, static_cast<NameMatch>(best[p] / 2), bestName[p]});
    auto better = [](const GazetteerMatch& a, const GazetteerMatch& b) {
        return a.match != b.match ? a.match < b.match : a.place < b.place;
    };
    if (limit != 0 && out.size() > limit) {
        std::partial_sort(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(limit), out.end(),
                          better);
        out.resize(limit);
    } else {
        std::sort(out.begin(), out.end(), better);
    }
    return out;
}

std::string BuiltInTablePath() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    const fs::path beside =
        error ? fs::path()
              : (self.parent_path() / ".." / "share" / "vellamor" / "places.atlas")
                    .lexically_normal();
#ifdef VELLAMOR_ATLAS_INSTALLED_TABLE
    const fs::path installed = VELLAMOR_ATLAS_INSTALLED_TABLE;
    if ((beside.empty() || !fs::exists(beside, error)) && fs::exists(installed, error))
        return installed.string();
    if (beside.empty())
        return installed.string();
#endif
    return beside.string();
}

Expected<Gazetteer, GazetteerFault> Gazetteer::ReadBuiltIn() {
    return OpenTable(BuiltInTablePath());
}

Gazetteer BuiltInGazetteer::Read() {
    Expected<Gazetteer, GazetteerFault> g = Gazetteer::ReadBuiltIn();
    if (g)
        return std::move(*g);
    Gazetteer empty;
    empty.m_fault = std::move(g.error());
    return empty;
}

void BuiltInGazetteer::ReadInBackground() {
    std::call_once(m_started, [this] { m_table = std::async(std::launch::async, Read).share(); });
}

const Gazetteer& BuiltInGazetteer::Get() const {
    std::call_once(m_started,
                   [this] { m_table = std::async(std::launch::deferred, Read).share(); });
    return m_table.get();
}

}  // namespace vellamor::atlas
