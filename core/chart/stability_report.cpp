#include "core/chart/stability_report.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace vellamor {

std::string FormatDuration(double minutes) {
    if (minutes < 1.0)
        return "under 1 min";
    const long long m = static_cast<long long>(std::floor(minutes));
    if (m < 60)
        return std::to_string(m) + " min";
    if (m < 24 * 60) {
        const long long h = m / 60, rest = m % 60;
        return std::to_string(h) + " h" + (rest ? " " + std::to_string(rest) + " min" : "");
    }
    const long long d = m / (24 * 60), h = (m % (24 * 60)) / 60;
    return std::to_string(d) + " d" + (h ? " " + std::to_string(h) + " h" : "");
}

std::string SignChangeSentence(const std::string& what, const SignChangeWindow& w) {
    auto part = [](const std::optional<double>& m, const char* side, double limitHours) {
        if (!m)
            return "not within " + FormatDuration(limitHours * 60) + " " + side;
        return FormatDuration(*m) + " " + side;
    };
    const double limit = what == "Lagna" ? kAscendantSearchHours : kMoonSearchHours;
    return what + " changes sign if birth was " + part(w.earlierMinutes, "earlier", limit) +
           " or " + part(w.laterMinutes, "later", limit);
}

std::string StationDateText(const std::string& raw) {
    static constexpr std::array<std::string_view, 12> kMonths{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    int month = 0, day = 0, year = 0, used = 0;
    if (std::sscanf(raw.c_str(), "%d,%d,%d%n", &month, &day, &year, &used) != 3 ||
        used != static_cast<int>(raw.size()) || month < 1 || month > 12 || day < 1 || day > 31)
        return raw;
    return std::to_string(day) + " " + std::string(kMonths[static_cast<std::size_t>(month - 1)]) +
           " " + std::to_string(year);
}

std::string StationEvidenceText(const StationEvidence& e) {
    const std::string before =
        e.before.empty() ? std::string("(before the tables)") : StationDateText(e.before);
    const std::string after =
        e.after.empty() ? std::string("(after the tables)") : StationDateText(e.after);
    std::string out = e.retrograde ? "retrograde from " + before + " to " + after
                                   : "direct; last direct station " + before +
                                         ", next retrograde station " + after;
    if (e.dayDecided)
        out += "; the birth day is at a station, so the calendar day decides the mark";
    return out;
}

std::string StabilityText(const ChartStability& s) {
    std::string out = "Chart Stability\n";
    out += "  " + SignChangeSentence("Lagna", s.ascendant) + "\n";
    out += "  " + SignChangeSentence("Moon", s.moon) + "\n";
    if (s.nearBoundary.empty()) {
        out += "  No body stands within one arcminute of a sign boundary\n";
    } else {
        out += "  Within one arcminute of a sign boundary:";
        for (Body b : s.nearBoundary) {
            out += " ";
            out += kPlanetNames[static_cast<std::size_t>(BodyIndex(b))];
        }
        out += "\n";
    }
    for (const StationEvidence& e : s.stations) {
        out += "  " + std::string(kPlanetNames[static_cast<std::size_t>(BodyIndex(e.planet))]) +
               ": " + StationEvidenceText(e) + "\n";
    }
    if (!s.zoneNote.empty())
        out += "  " + s.zoneNote + "\n";
    return out;
}

}  // namespace vellamor
