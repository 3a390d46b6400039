// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chart_json.h"

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
constexpr auto kVargaJsonKeys = KeysOf(kVargaKeys.values);
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

// At least two digits, as the options write months, days, hours and minutes.
std::string TwoDigits(int v) {
    return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v);
}

// "18:31N", as --lat and --lon take it.
std::string Coordinate(int degrees, int minutes, char hemisphere) {
    return std::to_string(degrees) + ":" + TwoDigits(minutes) + hemisphere;
}

std::string_view NameOf(Body body) {
    return kPlanetNames[static_cast<std::size_t>(body)];
}

}  // namespace

void WriteCalculation(JsonWriter& w, const Chart& c) {
    const PreciseCalculation* precise = c.precise();
    if (!precise)
        return;
    w.BeginObject();
    w.String("method", "precise");
    w.String("ephemeris", EphemerisText(*precise));
    w.String("ayanamsa", AyanamsaKey(c.calculation.ayanamsa));
    w.Number("ayanamsaDegrees", precise->ayanamsaDegrees);
    w.String("node", LunarNodeKey(c.calculation.node));
    w.String("universalTime", UniversalClockText(*precise));
    w.String("positions", PositionsKey(c.calculation.positions));
    w.EndObject();
}

void WriteChartMembers(JsonWriter& w, const Chart& c) {
    const ChakraModel& m = c.chakra;
    w.String("name", c.birth.name);
    w.Key("details");
    // The name and the place's three texts are typed, the other details made
    // from numbers and the program's tables; all go through the one escaping path.
    const EnumArray<Detail, std::string> details = DetailTexts(c.birth);
    w.BeginObject();
    for (const Detail d : AllOf<Detail>())
        w.String(kDetailKeys[static_cast<std::size_t>(d)], details[d]);
    w.EndObject();
    w.Key("bodies");
    w.BeginArray();
    for (const Body body : AllOf<Body>()) {
        const auto b = static_cast<std::size_t>(body);
        w.BeginObject();
        w.String("name", NameOf(body));
        w.String("label", m.legendLabels[b]);
        w.String("position", c.planets.positionTexts[b]);
        w.String("longText", c.planets.longTexts[b]);
        w.Number("longitude", c.planets.longitudes[b]);
        w.Bool("retrograde", c.retrogrades.retrograde[body]);
        const Nakshatra n = NakshatraOf(c.planets.longitudes[b]);
        w.Key("nakshatra");
        w.BeginObject();
        w.Integer("number", n.number);
        w.String("name", n.name());
        w.Integer("pada", n.pada);
        w.String("lord", NameOf(n.lord()));
        w.EndObject();
        w.EndObject();
    }
    w.EndArray();
    // Each sign's occupants are worded once; every ring shows them.
    EnumArray<Sign, std::string> occupants;
    for (const Sign s : AllOf<Sign>())
        occupants[s] = OccupantsText(m.occupants(s));
    w.Key("rings");
    w.BeginObject();
    for (const Ring ring : AllOf<Ring>()) {
        w.Key(kRingJsonKeys[static_cast<std::size_t>(ring)]);
        w.BeginArray();
        for (int h = 0; h < 12; ++h) {
            const House& house = m.house(ring, h);
            w.BeginObject();
            w.Integer("sign", SignNumber(house.sign));
            w.String("occupants", occupants[house.sign]);
            w.EndObject();
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
    w.BeginObject();
    w.String("date", std::to_string(b.year) + "-" + TwoDigits(b.month) + "-" + TwoDigits(b.day));
    w.String("time", TwoDigits(b.hour) + ":" + TwoDigits(b.minute));
    w.Integer("zone", b.zoneIndex);
    w.Bool("dst", b.daylightSaving);
    w.String("lat", Coordinate(b.latDegrees, b.latMinutes, b.southLatitude ? 'S' : 'N'));
    w.String("lon", Coordinate(b.lonDegrees, b.lonMinutes, b.eastLongitude ? 'E' : 'W'));
    w.String("city", b.city);
    w.String("state", b.state);
    w.String("country", b.country);
    if (b.exactOffset.isSet())
        w.String("offset", ExactOffsetText(b.exactOffset));
    w.EndObject();
}

void WriteReadingMembers(JsonWriter& w, const ChartReading& reading) {
    const DashaProgression& p = reading.progression;
    const Transits& t = reading.transits;
    w.Key("progression");
    w.BeginObject();
    w.String("reading", ClockText(p.reading));
    w.Integer("yearOfLife", p.span(DashaLevel::Year).number);
    w.Integer("month", p.span(DashaLevel::Month).number);
    w.Integer("period", p.span(DashaLevel::Period).number);
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = p.spans[static_cast<std::size_t>(l)];
        w.String(kDashaFromKeys[static_cast<std::size_t>(l)], ClockText(s.from));
        w.String(kDashaToKeys[static_cast<std::size_t>(l)], ClockText(s.to));
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
    for (const Ring ring : AllOf<Ring>()) {
        w.Key(kRingJsonKeys[static_cast<std::size_t>(ring)]);
        w.BeginObject();
        for (int l = 0; l < kDashaLevelCount; ++l) {
            w.Integer(kDashaLevelJsonKeys[static_cast<std::size_t>(l)],
                      SignNumber(p.house(ring, static_cast<DashaLevel>(l)).sign));
        }
        w.EndObject();
    }
    w.EndObject();
    w.String("yearStart", SudarshanYearKey(p.yearStart));
    w.EndObject();

    w.Key("transits");
    w.BeginObject();
    w.String("reading", ClockText(t.reading));
    // A sign change beyond the program's years is null.
    const auto instant = [&w](JsonKey key, const std::optional<CivilDateTime>& when) {
        if (when) {
            w.String(key, ClockText(*when));
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
        w.String("name", NameOf(static_cast<Body>(i)));
        w.String("label", t.labels[b]);
        w.String("position", t.positionTexts[b]);
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
        w.String("lord", NameOf(s.lord));
        w.String("from", ClockText(s.from));
        w.String("to", ClockText(s.to));
        w.EndObject();
    }
    const VimshottariBalance& balance = reading.vimshottari.balance;
    w.Key("balance");
    w.BeginObject();
    w.String("lord", NameOf(balance.lord));
    w.Integer("years", balance.years);
    w.Integer("months", balance.months);
    w.Integer("days", balance.days);
    w.EndObject();
    w.String("year", DashaYearKey(reading.vimshottari.year));
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
        w.String(NameOf(body));
    w.EndArray();
    w.Key("stations");
    w.BeginArray();
    for (const StationEvidence& e : s.stations) {
        w.BeginObject();
        w.String("planet", NameOf(e.planet));
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

void WriteVargas(JsonWriter& w, const VargaTable& vargas) {
    w.BeginObject();
    for (const Varga v : AllOf<Varga>()) {
        w.Key(kVargaJsonKeys[static_cast<std::size_t>(v)]);
        w.BeginArray();
        for (const Sign sign : vargas[v])
            w.Integer(SignNumber(sign));
        w.EndArray();
    }
    w.EndObject();
}

}  // namespace vellamor
