// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chart_report.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "cli/wording.h"
#include "core/astro/utf8.h"
#include "core/chart/entry_form.h"

namespace vellamor {
std::string JsonNumber(double v) {
    std::string out;
    AppendJsonNumber(out, v);
    return out;
}

void AppendJsonNumber(std::string& out, double v) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    out.append(buf, end);
}

std::string ChartJson(const Chart& c) {
    TextBuffer out;
    AppendChartJson(out, c);
    return out.str();
}

void AppendChartJson(std::string& out, const Chart& c) {
    TextBuffer text;
    AppendChartJson(text, c);
    out.append(text.view());
}

namespace {

// Bytes JsonWriter::String must look at: those a JSON string cannot hold as
// they are (controls, the quote, the backslash and DEL), and the lead byte
// 0xC2 of the two-byte C1 controls.
constexpr std::array<bool, 256> kStringStops = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[static_cast<std::size_t>(c)] = true;
    table['"'] = table['\\'] = table[0x7F] = table[0xC2] = true;
    return table;
}();

// Writes JSON straight into a buffer: room for the longest text a value can
// give is made once, every piece is then copied without a check, and the
// buffer is cut to what was written. A chart's object is some hundred
// pieces; appended one by one, their checks and copies cost as much as the
// astronomy.
class JsonWriter {
  public:
    JsonWriter(TextBuffer& out, std::size_t most) : m_out(out), m_p(out.Grow(most)) {}
    ~JsonWriter() { m_out.Commit(m_p); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    template <std::size_t N>
    void Raw(const char (&s)[N]) {
        std::memcpy(m_p, s, N - 1);
        m_p += N - 1;
    }
    void Raw(std::string_view s) {
        // Most pieces are a few bytes: copied inline in at most two
        // overlapping moves rather than by a call.
        const char* from = s.data();
        const std::size_t n = s.size();
        if (n >= 8 && n <= 16) {
            Move<8>(m_p, from);
            Move<8>(m_p + n - 8, from + n - 8);
        } else if (n >= 4 && n < 8) {
            Move<4>(m_p, from);
            Move<4>(m_p + n - 4, from + n - 4);
        } else if (n < 4) {
            for (std::size_t i = 0; i < n; ++i)
                m_p[i] = from[i];
        } else {
            std::memcpy(m_p, from, n);
        }
        m_p += n;
    }
    // A text known to need no escape: keys, and the chart's own labels,
    // short forms and the details made from numbers and tables.
    void Plain(std::string_view s) {
        assert(!MayNeedEscape(s));
        *m_p++ = '"';
        Raw(s);
        *m_p++ = '"';
    }
    // At most six bytes for each byte of `s`, and the quotes.
    void String(std::string_view s) {
        *m_p++ = '"';
        if (MayNeedEscape(s))
            Escaped(s);
        else
            Raw(s);
        *m_p++ = '"';
    }
    // At most 32 bytes.
    void Number(double v) {
        if (!std::isfinite(v)) {
            Raw("null");
            return;
        }
        m_p = std::to_chars(m_p, m_p + 32, v).ptr;
    }
    // At most 11 bytes.
    void Whole(int v) { m_p = std::to_chars(m_p, m_p + 11, v).ptr; }
    // At least two digits, as the options write hours and minutes.
    void TwoDigits(int v) {
        if (v >= 0 && v < 10)
            *m_p++ = '0';
        Whole(v);
    }
    void Small(int v) {  // 0..99
        if (v >= 10)
            *m_p++ = static_cast<char>('0' + v / 10);
        *m_p++ = static_cast<char>('0' + v % 10);
    }

  private:
    template <std::size_t N>
    static void Move(char* to, const char* from) {
        char word[N];
        std::memcpy(word, from, N);
        std::memcpy(to, word, N);
    }

    // Whether any byte of `s` may need an escape: a control, the quote, the
    // backslash, DEL or the lead byte of a C1 control. Most texts have none;
    // eight bytes are tested at once, with the word tests for a zero byte
    // and for a byte below a bound (exact for whether one exists).
    static bool MayNeedEscape(std::string_view s) {
        constexpr std::uint64_t kOnes = 0x0101010101010101;
        constexpr std::uint64_t kHigh = 0x8080808080808080;
        auto zeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
        auto stops = [&](std::uint64_t w) {
            return ((w - kOnes * 0x20) & ~w & kHigh) | zeroByte(w ^ (kOnes * '"')) |
                   zeroByte(w ^ (kOnes * '\\')) | zeroByte(w ^ (kOnes * 0x7F)) |
                   zeroByte(w ^ (kOnes * 0xC2));
        };
        const std::size_t n = s.size();
        if (n < 8) {
            bool any = false;
            for (const char c : s)
                any |= kStringStops[static_cast<unsigned char>(c)];
            return any;
        }
        auto word = [&s](std::size_t at) {
            std::uint64_t w;
            std::memcpy(&w, s.data() + at, 8);
            return w;
        };
        std::uint64_t found = 0;
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8)
            found |= stops(word(i));
        if (i < n)
            found |= stops(word(n - 8));  // the last eight, overlapping some already seen
        return found != 0;
    }

    // The bytes of `s` with every escape the format or a terminal needs.
    void Escaped(std::string_view s) {
        const auto* b = reinterpret_cast<const unsigned char*>(s.data());
        const std::size_t n = s.size();
        std::size_t i = 0;
        for (;;) {
            // The run up to the next byte that may need an escape, in one piece.
            std::size_t end = i;
            while (end < n && !kStringStops[b[end]])
                ++end;
            std::memcpy(m_p, b + i, end - i);
            m_p += end - i;
            i = end;
            if (i == n)
                break;
            unsigned char c = b[i++];
            if (c == 0xC2) {
                // The C1 controls (U+0080 to U+009F) are escaped like the
                // others, as JsonString does; other characters pass.
                if (i == n || b[i] < 0x80 || b[i] > 0x9F) {
                    *m_p++ = static_cast<char>(c);
                    continue;
                }
                c = b[i++];
            }
            *m_p++ = '\\';
            switch (c) {
                case '"':
                case '\\':
                    *m_p++ = static_cast<char>(c);
                    break;
                case '\n':
                    *m_p++ = 'n';
                    break;
                case '\r':
                    *m_p++ = 'r';
                    break;
                case '\t':
                    *m_p++ = 't';
                    break;
                default: {
                    static constexpr char kHex[] = "0123456789abcdef";
                    *m_p++ = 'u';
                    *m_p++ = '0';
                    *m_p++ = '0';
                    *m_p++ = kHex[c >> 4];
                    *m_p++ = kHex[c & 15];
                }
            }
        }
    }

    TextBuffer& m_out;
    char* m_p;
};

// The name and the place's three texts are typed; the other details are made
// from numbers and the zone table.
bool IsTypedDetail(int i) {
    return i == 0 || i >= 6;
}

// The room a chart's object can take: its keys and numbers, and the
// chart's own texts, are within 8 KiB (thirteen bodies' texts of at most 24
// bytes, 36 houses of at most 70); each typed text may grow six times by
// escapes.
std::size_t MostJsonBytes(const Chart& c) {
    static_assert(HouseOccupants::capacity() <= 70 && LongPositionText::capacity() <= 24 &&
                  ShortPositionForm::capacity() <= 24 && ChartLabel::capacity() <= 24);
    const ChakraModel& m = c.chakra;
    std::size_t typed = c.birth.name.size();
    for (int i = 0; i < kDetailCount; ++i)
        typed += m.details[static_cast<std::size_t>(i)].size();
    return 8192 + 6 * typed;
}

}  // namespace

std::string JsonString(std::string_view s) {
    std::string out;
    AppendJsonString(out, s);
    return out;
}

void AppendJsonString(std::string& out, std::string_view s) {
    TextBuffer text;
    {
        JsonWriter w(text, 6 * s.size() + 2);
        w.String(s);
    }
    out.append(text.view());
}

void AppendChartJson(TextBuffer& out, const Chart& c) {
    const ChakraModel& m = c.chakra;
    JsonWriter w(out, MostJsonBytes(c));
    w.Raw("{\"name\": ");
    w.String(c.birth.name);
    w.Raw(", \"details\": {");
    for (int i = 0; i < kDetailCount; ++i) {
        if (i)
            w.Raw(", ");
        w.Plain(kDetailCaptions[static_cast<std::size_t>(i)]);
        w.Raw(": ");
        if (IsTypedDetail(i))
            w.String(m.details[static_cast<std::size_t>(i)]);
        else
            w.Plain(m.details[static_cast<std::size_t>(i)]);
    }
    w.Raw("}, \"bodies\": [");
    for (int i = 0; i < kBodyCount; ++i) {
        if (i)
            w.Raw(", ");
        const bool retrograde = i >= BodyIndex(Body::Mercury) && i <= BodyIndex(Body::Pluto) &&
                                c.retrogrades.flags[static_cast<std::size_t>(i - 2)];
        w.Raw("{\"name\": ");
        w.Plain(kPlanetNames[static_cast<std::size_t>(i)]);
        w.Raw(", \"label\": ");
        w.Plain(m.legendLabels[static_cast<std::size_t>(i)]);
        w.Raw(", \"position\": ");
        w.Plain(c.planets.positionTexts[static_cast<std::size_t>(i)]);
        w.Raw(", \"longText\": ");
        w.String(c.planets.longTexts[static_cast<std::size_t>(i)]);
        w.Raw(", \"longitude\": ");
        w.Number(c.planets.longitudes[static_cast<std::size_t>(i)]);
        if (retrograde)
            w.Raw(", \"retrograde\": true}");
        else
            w.Raw(", \"retrograde\": false}");
    }
    w.Raw("], \"rings\": {");
    for (int r = 0; r < kRingCount; ++r) {
        if (r)
            w.Raw(", ");
        w.Plain(kRingKeys[static_cast<std::size_t>(r)]);
        w.Raw(": [");
        for (int h = 0; h < 12; ++h) {
            const House& house = m.house(static_cast<Ring>(r), h);
            if (h)
                w.Raw(", ");
            w.Raw("{\"sign\": ");
            w.Small(house.sign);
            w.Raw(", \"occupants\": ");
            w.Plain(house.occupants);
            w.Raw("}");
        }
        w.Raw("]");
    }
    w.Raw("}}");
}

void AppendEntryJson(TextBuffer& out, const BirthData& b) {
    // Numbers of at most 11 bytes, texts six times over, and the keys.
    JsonWriter w(out, 256 + 6 * (b.city.size() + b.state.size() + b.country.size()));
    w.Raw("{\"date\": \"");
    w.Whole(b.year);
    w.Raw("-");
    w.TwoDigits(b.month);
    w.Raw("-");
    w.TwoDigits(b.day);
    w.Raw("\", \"time\": \"");
    w.TwoDigits(b.hour);
    w.Raw(":");
    w.TwoDigits(b.minute);
    w.Raw("\", \"zone\": ");
    w.Whole(b.zoneIndex);
    w.Raw(b.daylightSaving ? ", \"dst\": true" : ", \"dst\": false");
    // "18:31N", as --lat and --lon take it.
    auto coordinate = [&w](std::string_view key, int degrees, int minutes, char hemisphere) {
        w.Raw(key);
        w.Whole(degrees);
        w.Raw(":");
        w.TwoDigits(minutes);
        const char end[] = {hemisphere, '"', '\0'};
        w.Raw(end);
    };
    coordinate(", \"lat\": \"", b.latDegrees, b.latMinutes, b.southLatitude ? 'S' : 'N');
    coordinate(", \"lon\": \"", b.lonDegrees, b.lonMinutes, b.eastLongitude ? 'E' : 'W');
    for (const auto& [key, text] :
         {std::pair<std::string_view, std::string_view>{", \"city\": ", b.city},
          {", \"state\": ", b.state},
          {", \"country\": ", b.country}}) {
        w.Raw(key);
        w.String(text);
    }
    w.Raw("}");
}

std::string EntryJson(const BirthData& b) {
    TextBuffer out;
    AppendEntryJson(out, b);
    return out.str();
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
               m.legendLabels[static_cast<std::size_t>(i)].str() + "\n";
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

std::string ReadingJson(const ChartReading& reading) {
    const DashaProgression& p = reading.progression;
    const Transits& t = reading.transits;
    auto clock = [](const CivilDateTime& c) { return JsonString(ClockText(c)); };
    auto level = [&](DashaLevel l) { return p.span(l); };
    std::string out = "\"progression\": {\"reading\": " + clock(p.reading) +
                      ", \"yearOfLife\": " + std::to_string(level(DashaLevel::Year).number) +
                      ", \"month\": " + std::to_string(level(DashaLevel::Month).number) +
                      ", \"period\": " + std::to_string(level(DashaLevel::Period).number);
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = p.spans[static_cast<std::size_t>(l)];
        const std::string key(kDashaLevelKeys[static_cast<std::size_t>(l)]);
        out += ", \"" + key + "From\": " + clock(s.from) + ", \"" + key + "To\": " + clock(s.to);
    }
    out += ", \"houses\": {";
    for (int l = 0; l < kDashaLevelCount; ++l) {
        if (l)
            out += ", ";
        out += JsonString(kDashaLevelKeys[static_cast<std::size_t>(l)]) + ": " +
               std::to_string(p.spans[static_cast<std::size_t>(l)].house);
    }
    out += "}, \"signs\": {";
    for (int r = 0; r < kRingCount; ++r) {
        if (r)
            out += ", ";
        out += JsonString(kRingKeys[static_cast<std::size_t>(r)]) + ": {";
        for (int l = 0; l < kDashaLevelCount; ++l) {
            if (l)
                out += ", ";
            out += JsonString(kDashaLevelKeys[static_cast<std::size_t>(l)]) + ": " +
                   std::to_string(p.house(static_cast<Ring>(r), static_cast<DashaLevel>(l)).sign);
        }
        out += "}";
    }
    out += "}}, \"transits\": {\"reading\": " + clock(t.reading) + ", \"bodies\": [";
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        if (i)
            out += ", ";
        out += "{\"name\": " + JsonString(kPlanetNames[b]) +
               ", \"label\": " + JsonString(t.labels[b]) +
               ", \"position\": " + JsonString(t.positionTexts[b]) +
               ", \"longText\": " + JsonString(t.longTexts[b]) +
               ", \"longitude\": " + JsonNumber(t.longitudes[b]) +
               ", \"retrograde\": " + (t.retrograde[b] ? "true" : "false") + "}";
    }
    out += "], \"houses\": {";
    for (int r = 0; r < kRingCount; ++r) {
        if (r)
            out += ", ";
        out += JsonString(kRingKeys[static_cast<std::size_t>(r)]) + ": [";
        for (int i = 0; i < kTransitBodyCount; ++i) {
            if (i)
                out += ", ";
            out +=
                std::to_string(t.houses[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)]);
        }
        out += "]";
    }
    out += "}}";
    return out;
}

namespace {

// "2026-12-07 12:00": the JSON's instant, easier on the eye.
std::string ClockWords(const CivilDateTime& t) {
    std::string s = ClockText(t);
    s[10] = ' ';
    return s;
}

std::string SignAbbreviation(int sign) {
    return sign >= 1 && sign <= 12
               ? std::string(kSignAbbreviations[static_cast<std::size_t>(sign - 1)])
               : std::string("?");
}

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

}  // namespace

std::string ReadingPrintout(const Chart& chart, const ChartReading& reading) {
    const DashaProgression& p = reading.progression;
    const Transits& t = reading.transits;
    static constexpr std::array<std::string_view, kDashaLevelCount> kLevelNames{"Year of life",
                                                                                "Month", "Period"};
    static constexpr std::array<std::string_view, kRingCount> kRingTitles{
        "Birth Chart (Lagna)", "Moon Chart (Chandra)", "Sun Chart (Surya)"};
    char line[160];
    std::string out = "Dasha and transits\n";
    out += "  Reading        " + ClockWords(p.reading) + " (the birth's clock)\n";
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = p.spans[static_cast<std::size_t>(l)];
        std::snprintf(line, sizeof line, "  %-13s %3d  House %2d  %s to %s\n",
                      std::string(kLevelNames[static_cast<std::size_t>(l)]).c_str(), s.number,
                      s.house, ClockWords(s.from).c_str(), ClockWords(s.to).c_str());
        out += line;
    }
    for (int r = 0; r < kRingCount; ++r) {
        out += "\n  ";
        out += kRingTitles[static_cast<std::size_t>(r)];
        out += "\n";
        for (int l = 0; l < kDashaLevelCount; ++l) {
            const House& h = p.house(static_cast<Ring>(r), static_cast<DashaLevel>(l));
            std::snprintf(line, sizeof line, "    %-13s House %2d  Sign %2d  %s  ",
                          std::string(kLevelNames[static_cast<std::size_t>(l)]).c_str(),
                          p.spans[static_cast<std::size_t>(l)].house, h.sign,
                          SignAbbreviation(h.sign).c_str());
            out += TrimRight(line + h.occupants.str()) + "\n";
        }
    }
    const auto cycle = DashaCycle(chart.birth, p.span(DashaLevel::Year).number);
    std::snprintf(line, sizeof line, "\n  Years %d to %d\n", cycle.front().number,
                  cycle.back().number);
    out += line;
    for (const DashaSpan& y : cycle) {
        const bool running = y.number == p.span(DashaLevel::Year).number;
        std::snprintf(line, sizeof line, "  %s Year %3d  House %2d  %s to %s\n",
                      running ? ">" : " ", y.number, y.house, ClockWords(y.from).c_str(),
                      ClockWords(y.to).c_str());
        out += line;
    }
    out += "\n  Transits                                    Houses: Birth Moon Sun\n";
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        out += "    " + Pad(kPlanetNames[b], 9) + Pad(t.positionTexts[b], 11) +
               Pad(t.longTexts[b], 17) + Pad(TrimRight(t.labels[b]), 7);
        std::snprintf(line, sizeof line, "   %2d   %2d   %2d\n", t.houses[0][b], t.houses[1][b],
                      t.houses[2][b]);
        out += line;
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
