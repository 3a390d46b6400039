// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chart_json.h"

#include <charconv>
#include <optional>
#include <utility>

#include "cli/chart_words.h"
#include "cli/wording.h"
#include "core/astro/nakshatra.h"
#include "core/chart/entry_form.h"
#include "core/reading/dasha.h"

namespace vellamor {
namespace {

// The member names that come from the core's tables, checked when the
// program is built like every other name written here.
template <std::size_t N, std::size_t... I>
consteval std::array<JsonKey, N> KeysOf(const std::array<std::string_view, N>& names,
                                        std::index_sequence<I...>) {
    return {JsonKey(names[I])...};
}
template <std::size_t N>
consteval std::array<JsonKey, N> KeysOf(const std::array<std::string_view, N>& names) {
    return KeysOf(names, std::make_index_sequence<N>());
}
constexpr auto kDetailKeys = KeysOf(kDetailCaptions);
constexpr auto kRingJsonKeys = KeysOf(kRingKeys);
constexpr auto kDashaLevelJsonKeys = KeysOf(kDashaLevelKeys);
constexpr std::array<JsonKey, kDashaLevelCount> kDashaFromKeys{"yearFrom", "monthFrom",
                                                               "periodFrom"};
constexpr std::array<JsonKey, kDashaLevelCount> kDashaToKeys{"yearTo", "monthTo", "periodTo"};
consteval bool NamedAfterLevels(const std::array<JsonKey, kDashaLevelCount>& keys,
                                std::string_view ending) {
    for (std::size_t l = 0; l < kDashaLevelCount; ++l)
        if (keys[l].name().substr(0, kDashaLevelKeys[l].size()) != kDashaLevelKeys[l] ||
            keys[l].name().substr(kDashaLevelKeys[l].size()) != ending)
            return false;
    return true;
}
static_assert(NamedAfterLevels(kDashaFromKeys, "From") && NamedAfterLevels(kDashaToKeys, "To"));
constexpr std::array<JsonKey, kVimshottariLevelCount> kVimshottariJsonKeys{
    "mahadasha", "antardasha", "pratyantardasha"};

// v in decimal; at least two digits when `twoDigits`, as the options write
// months, days, hours and minutes.
char* PutNumber(char* to, int v, bool twoDigits) {
    if (twoDigits && v >= 0 && v < 10)
        *to++ = '0';
    return std::to_chars(to, to + 11, v).ptr;
}

// An instant as the reading keys write it, "YYYY-MM-DDTHH:MM", with no
// formatting call: a reading writes some forty of them a row. A field out
// of its usual width goes the long way, to the same text.
class ClockJson {
  public:
    explicit ClockJson(const CivilDateTime& t) {
        if (t.year < 1000 || t.year > 9999 || !TwoDigits(t.month) || !TwoDigits(t.day) ||
            !TwoDigits(t.hour) || !TwoDigits(t.minute)) {
            m_long = ClockText(t);
            return;
        }
        char* to = PutNumber(m_buf, t.year, false);
        *to++ = '-';
        to = PutNumber(to, t.month, true);
        *to++ = '-';
        to = PutNumber(to, t.day, true);
        *to++ = 'T';
        to = PutNumber(to, t.hour, true);
        *to++ = ':';
        to = PutNumber(to, t.minute, true);
        m_size = static_cast<std::size_t>(to - m_buf);
    }
    std::string_view text() const {
        return m_long.empty() ? std::string_view(m_buf, m_size) : m_long;
    }

  private:
    static bool TwoDigits(int v) { return v >= 0 && v < 100; }
    char m_buf[32];
    std::size_t m_size = 0;
    std::string m_long;
};

// "18:31N", as --lat and --lon take it.
std::string_view Coordinate(char (&buf)[32], int degrees, int minutes, char hemisphere) {
    char* to = PutNumber(buf, degrees, false);
    *to++ = ':';
    to = PutNumber(to, minutes, true);
    *to++ = hemisphere;
    return {buf, static_cast<std::size_t>(to - buf)};
}

// A body's nakshatra object, one of 27 x 4: the same text for every body in
// the same pada, so each is written once and copied.
const JsonFragment& NakshatraJson(const Nakshatra& n) {
    static const auto fragments = [] {
        std::array<std::array<std::optional<JsonFragment>, 4>, kNakshatraCount> all;
        for (int number = 1; number <= kNakshatraCount; ++number) {
            for (int pada = 1; pada <= 4; ++pada) {
                const Nakshatra at{number, pada};
                all[static_cast<std::size_t>(number - 1)][static_cast<std::size_t>(pada - 1)] =
                    JsonFragment::Of([&at](JsonWriter& w) {
                        w.Object(json::Integer{"number", at.number}, json::Plain{"name", at.name()},
                                 json::Integer{"pada", at.pada},
                                 json::Plain{
                                     "lord",
                                     kPlanetNames[static_cast<std::size_t>(BodyIndex(at.lord()))]});
                    });
            }
        }
        return all;
    }();
    // NakshatraOf keeps both in range; a fault there is thrown, never read past.
    return *fragments.at(static_cast<std::size_t>(n.number - 1))
                .at(static_cast<std::size_t>(n.pada - 1));
}

}  // namespace

void WriteCalculation(JsonWriter& w, const Chart& c) {
    if (!c.precise)
        return;
    w.BeginObject();
    w.Key("method");
    w.String("precise");
    w.Key("ephemeris");
    w.String(EphemerisText(*c.precise));
    w.Key("ayanamsa");
    w.String(AyanamsaKey(c.calculation.ayanamsa));
    w.Key("ayanamsaDegrees");
    w.Number(c.precise->ayanamsaDegrees);
    w.Key("node");
    w.String(LunarNodeKey(c.calculation.node));
    w.Key("universalTime");
    w.Plain(ClockJson(c.precise->universal).text());
    w.EndObject();
}

void WriteChartMembers(JsonWriter& w, const Chart& c) {
    const ChakraModel& m = c.chakra;
    w.String("name", c.birth.name);
    w.Key("details");
    // The name and the place's three texts are typed, and escaped; the other
    // details are made from numbers and the program's tables.
    static_assert(kDetailCount == 9);
    const EnumArray<Detail, std::string> d = DetailTexts(c.birth);
    const auto& v = d.values;
    w.Object(json::String{kDetailKeys[0], v[0]}, json::Plain{kDetailKeys[1], v[1]},
             json::Plain{kDetailKeys[2], v[2]}, json::Plain{kDetailKeys[3], v[3]},
             json::Plain{kDetailKeys[4], v[4]}, json::Plain{kDetailKeys[5], v[5]},
             json::String{kDetailKeys[6], v[6]}, json::String{kDetailKeys[7], v[7]},
             json::String{kDetailKeys[8], v[8]});
    w.Key("bodies");
    w.BeginArray();
    for (int i = 0; i < kBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        const bool retrograde = i >= BodyIndex(Body::Mercury) && i <= BodyIndex(Body::Pluto) &&
                                c.retrogrades.flags[b - 2];
        w.Object(json::Plain{"name", kPlanetNames[b]}, json::Plain{"label", m.legendLabels[b]},
                 json::Plain{"position", c.planets.positionTexts[b]},
                 json::String{"longText", c.planets.longTexts[b]},
                 json::Number{"longitude", c.planets.longitudes[b]},
                 json::Bool{"retrograde", retrograde},
                 json::Fragment{"nakshatra", NakshatraJson(NakshatraOf(c.planets.longitudes[b]))});
    }
    w.EndArray();
    // Each sign's occupants are worded once; every ring shows them.
    EnumArray<Sign, std::string> occupants;
    for (const Sign s : AllOf<Sign>())
        occupants[s] = OccupantsText(m.occupants(s));
    w.Key("rings");
    w.BeginObject();
    for (int r = 0; r < kRingCount; ++r) {
        w.Key(kRingJsonKeys[static_cast<std::size_t>(r)]);
        w.BeginArray();
        for (int h = 0; h < 12; ++h) {
            const House& house = m.house(static_cast<Ring>(r), h);
            w.Object(json::Integer{"sign", SignNumber(house.sign)},
                     json::Plain{"occupants", occupants[house.sign]});
        }
        w.EndArray();
    }
    w.EndObject();
}

std::string ChartJson(const Chart& chart) {
    std::string out;
    JsonWriter w(out);
    w.BeginObject();
    WriteChartMembers(w, chart);
    w.EndObject();
    return out;
}

void WriteEntry(JsonWriter& w, const BirthData& b) {
    char date[32];
    char* to = PutNumber(date, b.year, false);
    *to++ = '-';
    to = PutNumber(to, b.month, true);
    *to++ = '-';
    to = PutNumber(to, b.day, true);
    const std::string_view dateText(date, static_cast<std::size_t>(to - date));
    char time[32];
    to = PutNumber(time, b.hour, true);
    *to++ = ':';
    to = PutNumber(to, b.minute, true);
    const std::string_view timeText(time, static_cast<std::size_t>(to - time));
    char lat[32], lon[32];
    w.Object(json::Plain{"date", dateText}, json::Plain{"time", timeText},
             json::Integer{"zone", b.zoneIndex}, json::Bool{"dst", b.daylightSaving},
             json::Plain{"lat",
                         Coordinate(lat, b.latDegrees, b.latMinutes, b.southLatitude ? 'S' : 'N')},
             json::Plain{"lon",
                         Coordinate(lon, b.lonDegrees, b.lonMinutes, b.eastLongitude ? 'E' : 'W')},
             json::String{"city", b.city}, json::String{"state", b.state},
             json::String{"country", b.country});
}

void WriteReadingMembers(JsonWriter& w, const ChartReading& reading) {
    const DashaProgression& p = reading.progression;
    const Transits& t = reading.transits;
    w.Key("progression");
    w.BeginObject();
    w.Plain("reading", ClockJson(p.reading).text());
    w.Integer("yearOfLife", p.span(DashaLevel::Year).number);
    w.Integer("month", p.span(DashaLevel::Month).number);
    w.Integer("period", p.span(DashaLevel::Period).number);
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = p.spans[static_cast<std::size_t>(l)];
        w.Plain(kDashaFromKeys[static_cast<std::size_t>(l)], ClockJson(s.from).text());
        w.Plain(kDashaToKeys[static_cast<std::size_t>(l)], ClockJson(s.to).text());
    }
    w.Key("houses");
    w.BeginObject();
    for (int l = 0; l < kDashaLevelCount; ++l) {
        w.Integer(kDashaLevelJsonKeys[static_cast<std::size_t>(l)],
                  p.spans[static_cast<std::size_t>(l)].house);
    }
    w.EndObject();
    w.Key("signs");
    w.BeginObject();
    for (int r = 0; r < kRingCount; ++r) {
        w.Key(kRingJsonKeys[static_cast<std::size_t>(r)]);
        w.BeginObject();
        for (int l = 0; l < kDashaLevelCount; ++l) {
            w.Integer(kDashaLevelJsonKeys[static_cast<std::size_t>(l)],
                      SignNumber(p.house(static_cast<Ring>(r), static_cast<DashaLevel>(l)).sign));
        }
        w.EndObject();
    }
    w.EndObject();
    w.EndObject();

    w.Key("transits");
    w.BeginObject();
    w.Plain("reading", ClockJson(t.reading).text());
    // A sign change beyond the program's years is null.
    const auto instant = [&w](JsonKey key, const std::optional<CivilDateTime>& when) {
        if (when) {
            w.Plain(key, ClockJson(*when).text());
        } else {
            w.Key(key);
            w.Null();
        }
    };
    w.Key("bodies");
    w.BeginArray();
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        w.BeginObject();
        w.Plain("name", kPlanetNames[b]);
        w.Plain("label", t.labels[b]);
        w.Plain("position", t.positionTexts[b]);
        w.String("longText", t.longTexts[b]);
        w.Number("longitude", t.longitudes[b]);
        w.Bool("retrograde", t.retrograde[b]);
        instant("enters", t.stays[b].enters);
        instant("leaves", t.stays[b].leaves);
        w.EndObject();
    }
    w.EndArray();
    const auto houses = [&w](JsonKey key, const auto& byRing) {
        w.Key(key);
        w.BeginObject();
        for (int r = 0; r < kRingCount; ++r) {
            w.Key(kRingJsonKeys[static_cast<std::size_t>(r)]);
            w.BeginArray();
            for (const int house : byRing[static_cast<std::size_t>(r)])
                w.Integer(house);
            w.EndArray();
        }
        w.EndObject();
    };
    houses("houses", t.houses);
    houses("fromYear", reading.housesFromYear);
    w.EndObject();

    w.Key("vimshottari");
    w.BeginObject();
    for (int l = 0; l < kVimshottariLevelCount; ++l) {
        const VimshottariSpan& s = reading.vimshottari.spans[static_cast<std::size_t>(l)];
        w.Key(kVimshottariJsonKeys[static_cast<std::size_t>(l)]);
        w.BeginObject();
        w.Plain("lord", kPlanetNames[static_cast<std::size_t>(BodyIndex(s.lord))]);
        w.Plain("from", ClockJson(s.from).text());
        w.Plain("to", ClockJson(s.to).text());
        w.EndObject();
    }
    w.EndObject();
}

void WriteStability(JsonWriter& w, const ChartStability& s) {
    auto window = [&w](const SignChangeWindow& sw) {
        auto minutes = [&w](const std::optional<double>& m) {
            if (m)
                w.Number(TruncateToTenth(*m));
            else
                w.Null();
        };
        w.BeginObject();
        w.Key("earlierMinutes");
        minutes(sw.earlierMinutes);
        w.Key("laterMinutes");
        minutes(sw.laterMinutes);
        w.EndObject();
    };
    w.BeginObject();
    w.Key("ascendant");
    window(s.ascendant);
    w.Key("moon");
    window(s.moon);
    w.Key("nearBoundary");
    w.BeginArray();
    for (const Body body : s.nearBoundary)
        w.String(kPlanetNames[static_cast<std::size_t>(BodyIndex(body))]);
    w.EndArray();
    w.Key("stations");
    w.BeginArray();
    for (const StationEvidence& e : s.stations) {
        w.BeginObject();
        w.String("planet", kPlanetNames[static_cast<std::size_t>(BodyIndex(e.planet))]);
        w.String("before", StationDateText(e.before));
        w.String("after", StationDateText(e.after));
        w.Bool("dayDecided", e.dayDecided);
        w.EndObject();
    }
    w.EndArray();
    w.String("zoneNote", ZoneSanityNote(s.zoneMisfit));
    w.EndObject();
}

std::string StabilityJson(const ChartStability& stability) {
    std::string out;
    JsonWriter w(out);
    WriteStability(w, stability);
    return out;
}

}  // namespace vellamor
