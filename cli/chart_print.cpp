// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chart_print.h"

#include <array>
#include <cstdio>

#include "cli/chart_words.h"
#include "cli/terminal_text.h"
#include "cli/wording.h"
#include "core/astro/nakshatra.h"
#include "core/astro/utf8.h"
#include "core/chart/entry_form.h"

namespace vellamor {
namespace {

constexpr EnumArray<Ring, std::string_view> kRingTitles{
    {"Birth Chart (Lagna)", "Moon Chart (Chandra)", "Sun Chart (Surya)"}};

// Pads a UTF-8 text with blanks to a width in characters.
std::string Pad(std::string_view s, std::size_t width) {
    const std::size_t chars = CharacterCount(s);
    std::string out(s);
    if (chars < width)
        out.append(width - chars, ' ');
    return out;
}

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// "Rohini, pada 3, lord Moon"
std::string NakshatraText(const Nakshatra& n) {
    return std::string(n.name()) + ", pada " + std::to_string(n.pada) + ", lord " +
           std::string(kPlanetNames[static_cast<std::size_t>(BodyIndex(n.lord()))]);
}

}  // namespace

std::string ChartPrintout(const Chart& c) {
    const ChakraModel& m = c.chakra;
    std::string out;
    // Texts from a chart file go to a terminal: its controls are shown as
    // escapes, never obeyed.
    out += "Sudarshan Chakra of " + EscapeControls(TrimBlanks(c.birth.name)) + "\n\n";
    out += "Birth Details\n";
    const EnumArray<Detail, std::string> details = DetailTexts(c.birth);
    for (const Detail d : AllOf<Detail>()) {
        out += "  " + Pad(kDetailCaptions[static_cast<std::size_t>(d)], 15) +
               EscapeControls(details[d]) + "\n";
    }
    out += "  " + BoxAndHemispheresText(c.birth) + "\n";
    if (c.precise())
        out += "  " + CalculationLine(c) + "\n";
    if (const std::string offset = ExactOffsetLine(c); !offset.empty())
        out += "  " + offset + "\n";
    out += "\nPlanetary Positions\n";
    for (int i = 0; i < kBodyCount; ++i) {
        out += "  " + Pad(kPlanetNames[static_cast<std::size_t>(i)], 9) +
               Pad(c.planets.positionTexts[static_cast<std::size_t>(i)], 11) +
               Pad(c.planets.longTexts[static_cast<std::size_t>(i)], 17) +
               Pad(TrimRight(std::string(m.legendLabels[static_cast<std::size_t>(i)])), 8) +
               NakshatraText(NakshatraOf(c.planets.longitudes[static_cast<std::size_t>(i)])) + "\n";
    }
    for (const Ring r : AllOf<Ring>()) {
        out += "\n";
        out += kRingTitles[r];
        out += "\n";
        for (int h = 0; h < 12; ++h) {
            const House& house = m.house(r, h);
            char head[40];
            std::snprintf(head, sizeof head, "  House %2d  Sign %2d  %s  ", h + 1,
                          SignNumber(house.sign),
                          std::string(SignAbbreviation(house.sign)).c_str());
            out += TrimRight(head + OccupantsText(m.occupants(house.sign))) + "\n";
        }
    }
    return out;
}

namespace {

// "2026-12-07 12:00": the JSON's instant, easier on the eye.
std::string ClockWords(const CivilDateTime& t) {
    std::string s = ClockText(t);
    s[10] = ' ';
    return s;
}

}  // namespace

std::string ReadingPrintout(const Chart& chart, const ChartReading& reading) {
    const DashaProgression& p = reading.progression;
    const Transits& t = reading.transits;
    static constexpr std::array<std::string_view, kDashaLevelCount> kLevelNames{"Year of life",
                                                                                "Month", "Period"};
    char line[160];
    std::string out = "Dasha and transits\n";
    out += "  Reading        " + ClockWords(p.reading) + " (the birth's clock)\n";
    out += "  Years start    " + std::string(SudarshanYearWords(p.yearStart)) + "\n";
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = p.spans[static_cast<std::size_t>(l)];
        std::snprintf(line, sizeof line, "  %-13s %3d  House %2d  %s to %s\n",
                      std::string(kLevelNames[static_cast<std::size_t>(l)]).c_str(), s.number,
                      s.house, ClockWords(s.from).c_str(), ClockWords(s.to).c_str());
        out += line;
    }
    for (const Ring r : AllOf<Ring>()) {
        out += "\n  ";
        out += kRingTitles[r];
        out += "\n";
        for (int l = 0; l < kDashaLevelCount; ++l) {
            const House& h = p.house(r, static_cast<DashaLevel>(l));
            std::snprintf(line, sizeof line, "    %-13s House %2d  Sign %2d  %s  ",
                          std::string(kLevelNames[static_cast<std::size_t>(l)]).c_str(),
                          p.spans[static_cast<std::size_t>(l)].house, SignNumber(h.sign),
                          std::string(SignAbbreviation(h.sign)).c_str());
            out += TrimRight(line + OccupantsText(chart.chakra.occupants(h.sign))) + "\n";
        }
    }
    const auto cycle = DashaCycle(chart, p.span(DashaLevel::Year).number);
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
    out += "\n  Sign changes (the birth's clock)\n";
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const SignStay& stay = t.stays[static_cast<std::size_t>(i)];
        out += "    " + Pad(kPlanetNames[static_cast<std::size_t>(i)], 9) + "entered " +
               (stay.enters ? ClockWords(*stay.enters) : std::string("before 1901     ")) +
               "   leaves " + (stay.leaves ? ClockWords(*stay.leaves) : std::string("after 2050")) +
               "\n";
    }
    out +=
        "\n  Vimshottari dasha from the Moon (" + DashaYearWords(reading.vimshottari.year) + ")\n";
    const VimshottariBalance& balance = reading.vimshottari.balance;
    std::snprintf(
        line, sizeof line, "    %-16s %-8s %s\n", "Balance at birth",
        std::string(kPlanetNames[static_cast<std::size_t>(BodyIndex(balance.lord))]).c_str(),
        BalanceWords(balance).c_str());
    out += line;
    constexpr std::array<std::string_view, kVimshottariLevelCount> kVimshottariNames{
        "Mahadasha", "Antardasha", "Pratyantardasha"};
    for (int l = 0; l < kVimshottariLevelCount; ++l) {
        const VimshottariSpan& s = reading.vimshottari.spans[static_cast<std::size_t>(l)];
        std::snprintf(
            line, sizeof line, "    %-16s %-8s %s to %s\n",
            std::string(kVimshottariNames[static_cast<std::size_t>(l)]).c_str(),
            std::string(kPlanetNames[static_cast<std::size_t>(BodyIndex(s.lord))]).c_str(),
            ClockWords(s.from).c_str(), ClockWords(s.to).c_str());
        out += line;
    }
    return out;
}

std::string VargaTableText(const VargaTable& vargas) {
    std::string out = "Vargas (each body's sign in the sixteen divisional charts)\n";
    out += "  " + Pad("", 9);
    for (const Varga v : AllOf<Varga>())
        out += Pad(kVargaKeys[v], 4);
    out = TrimRight(out) + "\n";
    for (const Body b : AllOf<Body>()) {
        std::string line = "  " + Pad(kPlanetNames[static_cast<std::size_t>(b)], 9);
        for (const Varga v : AllOf<Varga>())
            line += Pad(vellamor::SignAbbreviation(vargas[v][b]), 4);
        out += TrimRight(line) + "\n";
    }
    return out;
}

std::string VargaSensitivityText(const VargaSensitivity& s) {
    // A side where the search found no change says how far it looked.
    const auto side = [](const SignChangeFacts::Side& f) {
        return (f.found ? "" : "over ") + SpanText(f.span);
    };
    const auto window = [&](SignChanger of, const SignChangeWindow& w) {
        const SignChangeFacts f = SignChangeFactsOf(of, w);
        return side(f.earlier) + " / " + side(f.later);
    };
    std::string out =
        "Birth-time sensitivity of the vargas (how much earlier / later the birth\n"
        "would have to be for the varga sign to change)\n";
    out += "  " + Pad("Varga", 20) + Pad("Lagna", 28) + "Moon\n";
    for (const Varga v : AllOf<Varga>()) {
        out += "  " + Pad(kVargaKeys[v], 5) + Pad(kVargaNames[v], 15) +
               Pad(window(SignChanger::Ascendant, s.ascendant(v)), 28) +
               window(SignChanger::Moon, s.moon(v)) + "\n";
    }
    return out;
}

std::string VargaRingsHeading(Varga varga) {
    return "Varga " + std::string(kVargaKeys[varga]) + " (" + std::string(kVargaNames[varga]) +
           "): the three rings are counted in its signs";
}

std::string SheetChartCaption(Varga varga, ChartStyle style) {
    std::string caption = std::string(kVargaKeys[varga]) + " " + std::string(kVargaNames[varga]);
    switch (style) {
        case ChartStyle::Sudarshan:
            return caption + ", Sudarshan Chakra";
        case ChartStyle::North:
            return caption + ", north Indian chart";
        case ChartStyle::South:
            return caption + ", south Indian chart";
    }
    return caption;
}

}  // namespace vellamor
