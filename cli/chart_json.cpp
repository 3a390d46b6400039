// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chart_json.h"

#include "cli/wording.h"
#include "core/chart/entry_form.h"
#include "core/reading/dasha.h"

namespace vellamor {
namespace {

// At least two digits, as the options write months, days, hours and minutes.
std::string TwoDigits(int v) {
    return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v);
}

// "18:31N", as --lat and --lon take it.
std::string Coordinate(int degrees, int minutes, char hemisphere) {
    return std::to_string(degrees) + ":" + TwoDigits(minutes) + hemisphere;
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
    w.String(ClockText(c.precise->universal));
    w.EndObject();
}

void WriteChartMembers(JsonWriter& w, const Chart& c) {
    const ChakraModel& m = c.chakra;
    w.Key("name");
    w.String(c.birth.name);
    w.Key("details");
    w.BeginObject();
    for (std::size_t i = 0; i < kDetailCount; ++i) {
        w.Key(kDetailCaptions[i]);
        w.String(m.details[i]);
    }
    w.EndObject();
    w.Key("bodies");
    w.BeginArray();
    for (int i = 0; i < kBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        const bool retrograde = i >= BodyIndex(Body::Mercury) && i <= BodyIndex(Body::Pluto) &&
                                c.retrogrades.flags[b - 2];
        w.BeginObject();
        w.Key("name");
        w.String(kPlanetNames[b]);
        w.Key("label");
        w.String(m.legendLabels[b]);
        w.Key("position");
        w.String(c.planets.positionTexts[b]);
        w.Key("longText");
        w.String(c.planets.longTexts[b]);
        w.Key("longitude");
        w.Number(c.planets.longitudes[b]);
        w.Key("retrograde");
        w.Bool(retrograde);
        w.EndObject();
    }
    w.EndArray();
    w.Key("rings");
    w.BeginObject();
    for (int r = 0; r < kRingCount; ++r) {
        w.Key(kRingKeys[static_cast<std::size_t>(r)]);
        w.BeginArray();
        for (int h = 0; h < 12; ++h) {
            const House& house = m.house(static_cast<Ring>(r), h);
            w.BeginObject();
            w.Key("sign");
            w.Integer(house.sign);
            w.Key("occupants");
            w.String(house.occupants);
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
    w.Key("date");
    w.String(std::to_string(b.year) + "-" + TwoDigits(b.month) + "-" + TwoDigits(b.day));
    w.Key("time");
    w.String(TwoDigits(b.hour) + ":" + TwoDigits(b.minute));
    w.Key("zone");
    w.Integer(b.zoneIndex);
    w.Key("dst");
    w.Bool(b.daylightSaving);
    w.Key("lat");
    w.String(Coordinate(b.latDegrees, b.latMinutes, b.southLatitude ? 'S' : 'N'));
    w.Key("lon");
    w.String(Coordinate(b.lonDegrees, b.lonMinutes, b.eastLongitude ? 'E' : 'W'));
    w.Key("city");
    w.String(b.city);
    w.Key("state");
    w.String(b.state);
    w.Key("country");
    w.String(b.country);
    w.EndObject();
}

void WriteReadingMembers(JsonWriter& w, const ChartReading& reading) {
    const DashaProgression& p = reading.progression;
    const Transits& t = reading.transits;
    w.Key("progression");
    w.BeginObject();
    w.Key("reading");
    w.String(ClockText(p.reading));
    w.Key("yearOfLife");
    w.Integer(p.span(DashaLevel::Year).number);
    w.Key("month");
    w.Integer(p.span(DashaLevel::Month).number);
    w.Key("period");
    w.Integer(p.span(DashaLevel::Period).number);
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = p.spans[static_cast<std::size_t>(l)];
        const std::string key(kDashaLevelKeys[static_cast<std::size_t>(l)]);
        w.Key(key + "From");
        w.String(ClockText(s.from));
        w.Key(key + "To");
        w.String(ClockText(s.to));
    }
    w.Key("houses");
    w.BeginObject();
    for (int l = 0; l < kDashaLevelCount; ++l) {
        w.Key(kDashaLevelKeys[static_cast<std::size_t>(l)]);
        w.Integer(p.spans[static_cast<std::size_t>(l)].house);
    }
    w.EndObject();
    w.Key("signs");
    w.BeginObject();
    for (int r = 0; r < kRingCount; ++r) {
        w.Key(kRingKeys[static_cast<std::size_t>(r)]);
        w.BeginObject();
        for (int l = 0; l < kDashaLevelCount; ++l) {
            w.Key(kDashaLevelKeys[static_cast<std::size_t>(l)]);
            w.Integer(p.house(static_cast<Ring>(r), static_cast<DashaLevel>(l)).sign);
        }
        w.EndObject();
    }
    w.EndObject();
    w.EndObject();

    w.Key("transits");
    w.BeginObject();
    w.Key("reading");
    w.String(ClockText(t.reading));
    w.Key("bodies");
    w.BeginArray();
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        w.BeginObject();
        w.Key("name");
        w.String(kPlanetNames[b]);
        w.Key("label");
        w.String(t.labels[b]);
        w.Key("position");
        w.String(t.positionTexts[b]);
        w.Key("longText");
        w.String(t.longTexts[b]);
        w.Key("longitude");
        w.Number(t.longitudes[b]);
        w.Key("retrograde");
        w.Bool(t.retrograde[b]);
        w.EndObject();
    }
    w.EndArray();
    w.Key("houses");
    w.BeginObject();
    for (int r = 0; r < kRingCount; ++r) {
        w.Key(kRingKeys[static_cast<std::size_t>(r)]);
        w.BeginArray();
        for (int i = 0; i < kTransitBodyCount; ++i)
            w.Integer(t.houses[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)]);
        w.EndArray();
    }
    w.EndObject();
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
        w.Key("planet");
        w.String(kPlanetNames[static_cast<std::size_t>(BodyIndex(e.planet))]);
        w.Key("before");
        w.String(StationDateText(e.before));
        w.Key("after");
        w.String(StationDateText(e.after));
        w.Key("dayDecided");
        w.Bool(e.dayDecided);
        w.EndObject();
    }
    w.EndArray();
    w.Key("zoneNote");
    w.String(ZoneSanityNote(s.zoneMisfit));
    w.EndObject();
}

std::string StabilityJson(const ChartStability& stability) {
    std::string out;
    JsonWriter w(out);
    WriteStability(w, stability);
    return out;
}

}  // namespace vellamor
