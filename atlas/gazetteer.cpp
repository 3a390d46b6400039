// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/gazetteer.h"

#include <QByteArray>
#include <QResource>
#include <algorithm>
#include <charconv>
#include <future>
#include <memory>

#include "atlas/place_names.h"

// Q_INIT_RESOURCE declares a function of the global namespace.
static void RegisterPlacesResource() {
    Q_INIT_RESOURCE(places);
}

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

Expected<Gazetteer, std::string> Gazetteer::FromText(std::string text) {
    Gazetteer g;
    g.m_text = std::make_unique<const std::string>(std::move(text));
    std::string_view rest = *g.m_text;
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
            g.m_dumpDate = std::string(f[1]);
        } else if (kind == "C" && f.size() == 4) {
            Country c{std::string(f[1]), std::string(f[2]), {}};
            c.keys.push_back(SearchKey(f[1]));
            c.keys.push_back(SearchKey(f[2]));
            for (std::string_view n : Split(f[3], '|')) {
                if (!n.empty())
                    c.keys.push_back(SearchKey(n));
            }
            g.m_countries.push_back(std::move(c));
        } else if (kind == "S" && f.size() == 4) {
            Division d;
            if (!ParseNumber(f[1], d.country) || d.country >= g.m_countries.size())
                return bad("no such country");
            d.name = std::string(f[2]);
            d.key = SearchKey(f[2]);
            d.iso = SearchKey(f[3]);
            g.m_divisions.push_back(std::move(d));
        } else if (kind == "Z" && f.size() == 2) {
            g.m_zones.emplace_back(f[1]);
        } else if (kind == "P" && f.size() == 8) {
            Entry e;
            e.name = f[1];
            if (e.name.empty() || !ParseNumber(f[2], e.latitude) ||
                !ParseNumber(f[3], e.longitude) || !ParseNumber(f[4], e.division) ||
                !ParseNumber(f[5], e.population) || !ParseNumber(f[6], e.zone))
                return bad("a place needs a name and numbers");
            if (e.division >= g.m_divisions.size() || e.zone >= g.m_zones.size())
                return bad("no such division or zone");
            e.firstAlternate = static_cast<std::uint32_t>(g.m_alternates.size());
            if (!f[7].empty()) {
                for (std::string_view a : Split(f[7], '|')) {
                    if (e.alternateCount < 0xFFFF) {
                        g.m_alternates.push_back(a);
                        ++e.alternateCount;
                    }
                }
            }
            g.m_places.push_back(e);
        } else {
            return bad("not a line of the gazetteer");
        }
    }
    if (g.m_places.empty())
        return Fail(std::string("the gazetteer has no places"));
    g.BuildIndex();
    return g;
}

void Gazetteer::BuildIndex() {
    m_index.reserve(m_places.size() * 4);
    m_keys.reserve(m_text->size() / 2);
    auto add = [this](std::uint32_t place, std::uint16_t name, std::string_view text) {
        const std::string key = SearchKey(text);
        if (key.empty() || key.size() > 0xFFFF)
            return;
        const auto offset = static_cast<std::uint32_t>(m_keys.size());
        m_keys += key;
        for (std::size_t at = 0; at < key.size(); ++at) {
            if (at == 0 || key[at - 1] == ' ') {
                m_index.push_back(Key{Head(std::string_view(key).substr(at)),
                                      static_cast<std::uint32_t>(offset + at), place,
                                      static_cast<std::uint16_t>(key.size() - at), name, at == 0});
            }
        }
    };
    for (std::uint32_t i = 0; i < m_places.size(); ++i) {
        const Entry& e = m_places[i];
        add(i, 0, e.name);
        for (std::uint16_t k = 0; k < e.alternateCount; ++k)
            add(i, static_cast<std::uint16_t>(k + 1), m_alternates[e.firstAlternate + k]);
    }
    std::sort(m_index.begin(), m_index.end(), [this](const Key& a, const Key& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const std::string_view ka = KeyText(a), kb = KeyText(b);
        return ka != kb ? ka < kb : a.place < b.place;
    });
}

Place Gazetteer::PlaceAt(std::uint32_t index, std::uint16_t name) const {
    Place p;
    if (index >= m_places.size())
        return p;
    const Entry& e = m_places[index];
    const Division& d = m_divisions[e.division];
    const Country& c = m_countries[d.country];
    p.name = std::string(e.name);
    p.state = d.name;
    p.country = c.name;
    p.countryCode = c.code;
    p.timeZone = m_zones[e.zone];
    p.latitude = e.latitude;
    p.longitude = e.longitude;
    p.population = e.population;
    if (name > 0 && name <= e.alternateCount)
        p.typedName = std::string(m_alternates[e.firstAlternate + name - 1u]);
    return p;
}

std::string_view Gazetteer::CountryCodeOf(std::uint32_t index) const {
    if (index >= m_places.size())
        return {};
    return m_countries[m_divisions[m_places[index].division].country].code;
}

bool Gazetteer::NamesDivision(const Division& d, std::string_view q, bool codeLike) const {
    if (q == d.key || q == d.iso)
        return true;
    return !codeLike && HasWholeWords(d.key, q);
}

bool Gazetteer::NamesCountry(const Country& c, std::string_view q, bool codeLike) const {
    for (const std::string& key : c.keys) {
        if (q == key || (!codeLike && HasWholeWords(key, q)))
            return true;
    }
    return false;
}

bool Gazetteer::QualifierNames(std::uint32_t place, std::string_view qualifier) const {
    if (place >= m_places.size())
        return false;
    const std::string q = SearchKey(qualifier);
    if (q.empty())
        return true;
    const bool codeLike = q.size() <= 3 && q.find(' ') == std::string::npos;
    const Division& d = m_divisions[m_places[place].division];
    return NamesDivision(d, q, codeLike) || NamesCountry(m_countries[d.country], q, codeLike);
}

std::vector<GazetteerMatch> Gazetteer::Lookup(std::string_view city,
                                              const std::vector<std::string>& qualifiers,
                                              std::size_t limit) const {
    std::vector<GazetteerMatch> out;
    const std::string q = SearchKey(city);
    if (q.empty())
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
            divisionOk.assign(m_divisions.size(), 1);
        for (std::size_t i = 0; i < m_divisions.size(); ++i) {
            const Division& d = m_divisions[i];
            divisionOk[i] = divisionOk[i] && (NamesDivision(d, key, codeLike) ||
                                              NamesCountry(m_countries[d.country], key, codeLike));
        }
    }

    // Best (match, alternate?) per place: 2 * match + 1 for an alternate.
    constexpr std::uint8_t kNone = 0xFF;
    std::vector<std::uint8_t> best(m_places.size(), kNone);
    std::vector<std::uint16_t> bestName(m_places.size(), 0);
    std::vector<std::uint32_t> touched;
    auto from =
        std::lower_bound(m_index.begin(), m_index.end(), std::string_view(q),
                         [this](const Key& k, std::string_view v) { return KeyText(k) < v; });
    for (auto it = from; it != m_index.end(); ++it) {
        const std::string_view key = KeyText(*it);
        if (key.compare(0, q.size(), q) != 0)
            break;
        if (!divisionOk.empty() && !divisionOk[m_places[it->place].division])
            continue;
        NameMatch m = NameMatch::InnerWord;
        if (it->atStart)
            m = key.size() == q.size() ? NameMatch::Exact : NameMatch::Beginning;
        // An alternate counts in full only when typed whole: as a mere
        // beginning it ranks with inner words, below the places' own names
        // ("Lon" is London before "Lon nk Bits", a spelling of Long Beach).
        if (it->name != 0 && m != NameMatch::Exact)
            m = NameMatch::InnerWord;
        const auto code = static_cast<std::uint8_t>(2 * static_cast<int>(m) + (it->name ? 1 : 0));
        std::uint8_t& b = best[it->place];
        if (b == kNone)
            touched.push_back(it->place);
        if (code < b) {
            b = code;
            bestName[it->place] = it->name;
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

Expected<Gazetteer, std::string> Gazetteer::ReadBuiltIn() {
    RegisterPlacesResource();
    const QResource resource(QStringLiteral(":/atlas/places.bin"));
    const QByteArray text = qUncompress(resource.uncompressedData());
    if (text.isEmpty())
        return Fail(std::string("the built-in gazetteer is missing or damaged"));
    return FromText(text.toStdString());
}

Gazetteer BuiltInGazetteer::Read() {
    Expected<Gazetteer, std::string> g = Gazetteer::ReadBuiltIn();
    if (g)
        return std::move(*g);
    Gazetteer empty;
    empty.m_loadError = "the built-in gazetteer could not be read";
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
