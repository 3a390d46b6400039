#include "cli/chart_report.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/astro/utf8.h"
#include "core/chart/entry_form.h"
#include "core/chart/stability_report.h"

namespace vellamor {

std::string JsonString(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 2);
    out.push_back('"');
    // Runs of characters that need no escape are copied in one piece.
    std::size_t run = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        // The C1 controls (U+0080 to U+009F, two bytes in UTF-8) are valid
        // JSON, but a terminal showing the output would obey them.
        const bool c1 = c == 0xC2 && i + 1 < s.size() &&
                        static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(s[i + 1]) <= 0x9F;
        if (c >= 0x20 && c != '"' && c != '\\' && c != 0x7F && !c1)
            continue;
        out.append(s.data() + run, i - run);
        if (c1)
            c = static_cast<unsigned char>(s[++i]);
        run = i + 1;
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default: {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            }
        }
    }
    out.append(s.data() + run, s.size() - run);
    out.push_back('"');
    return out;
}

std::string JsonNumber(double v) {
    if (!std::isfinite(v))
        return "null";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    return std::string(buf, end);
}

std::string ChartJson(const Chart& c) {
    const ChakraModel& m = c.chakra;
    std::string out;
    out.reserve(4096);
    out += "{\"name\": ";
    out += JsonString(c.birth.name);
    out += ", \"details\": {";
    for (int i = 0; i < kDetailCount; ++i) {
        if (i)
            out += ", ";
        out += JsonString(kDetailCaptions[static_cast<std::size_t>(i)]);
        out += ": ";
        out += JsonString(m.details[static_cast<std::size_t>(i)]);
    }
    out += "}, \"bodies\": [";
    for (int i = 0; i < kBodyCount; ++i) {
        if (i)
            out += ", ";
        const bool retrograde = i >= BodyIndex(Body::Mercury) && i <= BodyIndex(Body::Pluto) &&
                                c.retrogrades.flags[static_cast<std::size_t>(i - 2)];
        out += "{\"name\": ";
        out += JsonString(kPlanetNames[static_cast<std::size_t>(i)]);
        out += ", \"label\": ";
        out += JsonString(m.legendLabels[static_cast<std::size_t>(i)]);
        out += ", \"position\": ";
        out += JsonString(c.planets.positionTexts[static_cast<std::size_t>(i)]);
        out += ", \"longText\": ";
        out += JsonString(c.planets.longTexts[static_cast<std::size_t>(i)]);
        out += ", \"longitude\": ";
        out += JsonNumber(c.planets.longitudes[static_cast<std::size_t>(i)]);
        out += ", \"retrograde\": ";
        out += retrograde ? "true" : "false";
        out += "}";
    }
    out += "], \"rings\": {";
    for (int r = 0; r < kRingCount; ++r) {
        if (r)
            out += ", ";
        out += JsonString(kRingKeys[static_cast<std::size_t>(r)]);
        out += ": [";
        for (int h = 0; h < 12; ++h) {
            const House& house = m.house(static_cast<Ring>(r), h);
            if (h)
                out += ", ";
            out += "{\"sign\": ";
            out += std::to_string(house.sign);
            out += ", \"occupants\": ";
            out += JsonString(house.occupants);
            out += "}";
        }
        out += "]";
    }
    out += "}}";
    return out;
}

std::string EntryJson(const BirthData& b) {
    auto two = [](int v) { return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v); };
    std::string out = "{\"date\": \"" + std::to_string(b.year) + "-" + two(b.month) + "-" +
                      two(b.day) + "\", \"time\": \"" + two(b.hour) + ":" + two(b.minute) +
                      "\", \"zone\": " + std::to_string(b.zoneIndex) +
                      ", \"dst\": " + (b.daylightSaving ? "true" : "false");
    out += ", \"lat\": \"" + std::to_string(b.latDegrees) + ":" + two(b.latMinutes) +
           (b.southLatitude ? "S" : "N") + "\"";
    out += ", \"lon\": \"" + std::to_string(b.lonDegrees) + ":" + two(b.lonMinutes) +
           (b.eastLongitude ? "E" : "W") + "\"";
    out += ", \"city\": " + JsonString(b.city) + ", \"state\": " + JsonString(b.state) +
           ", \"country\": " + JsonString(b.country) + "}";
    return out;
}

std::string EscapeControls(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        const bool c1 = c == 0xC2 && i + 1 < s.size() &&
                        static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(s[i + 1]) <= 0x9F;
        if (c >= 0x20 && c != 0x7F && !c1) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        if (c1)
            c = static_cast<unsigned char>(s[++i]);
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04X", c);
        out += buf;
    }
    return out;
}

namespace {

// Pads a UTF-8 text with blanks to a width in characters.
std::string Pad(std::string_view s, std::size_t width) {
    const std::size_t chars = CharacterCount(s);
    std::string out(s);
    if (chars < width)
        out.append(width - chars, ' ');
    return out;
}

}  // namespace

std::string ChartPrintout(const Chart& c) {
    const ChakraModel& m = c.chakra;
    std::string out;
    // Texts from a chart file go to a terminal: its controls are shown as
    // escapes, never obeyed.
    out += "Sudarshan Chakra of " + EscapeControls(TrimBlanks(c.birth.name)) + "\n\n";
    out += "Birth Details\n";
    for (int i = 0; i < kDetailCount; ++i) {
        out += "  " + Pad(kDetailCaptions[static_cast<std::size_t>(i)], 15) +
               EscapeControls(m.details[static_cast<std::size_t>(i)]) + "\n";
    }
    out += "  " + BoxAndHemispheresText(c.birth) + "\n";
    out += "\nPlanetary Positions\n";
    for (int i = 0; i < kBodyCount; ++i) {
        out += "  " + Pad(kPlanetNames[static_cast<std::size_t>(i)], 9) +
               Pad(m.positionTexts[static_cast<std::size_t>(i)], 11) +
               Pad(c.planets.longTexts[static_cast<std::size_t>(i)], 17) +
               m.legendLabels[static_cast<std::size_t>(i)] + "\n";
    }
    static constexpr std::array<std::string_view, kRingCount> kRingTitles{
        "Birth Chart (Lagna)", "Moon Chart (Chandra)", "Sun Chart (Surya)"};
    for (int r = 0; r < kRingCount; ++r) {
        out += "\n";
        out += kRingTitles[static_cast<std::size_t>(r)];
        out += "\n";
        for (int h = 0; h < 12; ++h) {
            const House& house = m.house(static_cast<Ring>(r), h);
            char head[40];
            std::snprintf(
                head, sizeof head, "  House %2d  Sign %2d  %s  ", h + 1, house.sign,
                std::string(kSignAbbreviations[static_cast<std::size_t>(house.sign - 1)]).c_str());
            out += head;
            out += house.occupants;
            while (!out.empty() && out.back() == ' ')
                out.pop_back();
            out += "\n";
        }
    }
    return out;
}

std::string StabilityJson(const ChartStability& s) {
    auto minutes = [](const std::optional<double>& m) {
        return m ? JsonNumber(TruncateToTenth(*m)) : std::string("null");
    };
    auto window = [&](const SignChangeWindow& w) {
        return "{\"earlierMinutes\": " + minutes(w.earlierMinutes) +
               ", \"laterMinutes\": " + minutes(w.laterMinutes) + "}";
    };
    std::string out = "{\"ascendant\": " + window(s.ascendant) + ", \"moon\": " + window(s.moon) +
                      ", \"nearBoundary\": [";
    for (std::size_t i = 0; i < s.nearBoundary.size(); ++i) {
        if (i)
            out += ", ";
        out += JsonString(kPlanetNames[static_cast<std::size_t>(BodyIndex(s.nearBoundary[i]))]);
    }
    out += "], \"stations\": [";
    for (std::size_t i = 0; i < s.stations.size(); ++i) {
        const StationEvidence& e = s.stations[i];
        if (i)
            out += ", ";
        out += "{\"planet\": " +
               JsonString(kPlanetNames[static_cast<std::size_t>(BodyIndex(e.planet))]) +
               ", \"before\": " + JsonString(StationDateText(e.before)) +
               ", \"after\": " + JsonString(StationDateText(e.after)) +
               ", \"dayDecided\": " + (e.dayDecided ? "true" : "false") + "}";
    }
    out += "], \"zoneNote\": " + JsonString(ZoneSanityNote(s.zoneMisfit)) + "}";
    return out;
}

}  // namespace vellamor
