// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/stability_report.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vellamor {
namespace {

std::string TwoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

// "15 August 1985, 01:30 UT"
std::string InstantText(const CivilDateTime& t) {
    const std::string month = t.month >= 1 && t.month <= 12
                                  ? std::string(kMonthNames[static_cast<std::size_t>(t.month - 1)])
                                  : std::string("?");
    return std::to_string(t.day) + " " + month + " " + std::to_string(t.year) + ", " +
           TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + " UT";
}

// "UTC+5:30", "UTC-3:30", "UTC"
std::string OffsetText(int eastMinutes) {
    if (eastMinutes == 0)
        return "UTC+0:00";
    const int m = std::abs(eastMinutes);
    return std::string("UTC") + (eastMinutes > 0 ? "+" : "-") + std::to_string(m / 60) + ":" +
           TwoDigits(m % 60);
}

}  // namespace

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

std::string StationDateText(const std::optional<CalendarDate>& date) {
    if (!date)
        return {};
    return std::to_string(date->month) + "," + std::to_string(date->day) + "," +
           std::to_string(date->year);
}

std::string ZoneSanityNote(const std::optional<ZoneMisfit>& misfit) {
    if (!misfit)
        return {};
    const ZoneMisfit& m = *misfit;
    std::string note = "Time zone check: \"" + m.zoneText + "\" is " +
                       OffsetText(m.zoneEastMinutes) + ", but the birth longitude " +
                       std::to_string(m.lonDegrees) + "\u00b0" + std::to_string(m.lonMinutes) +
                       "' " + (m.east ? "East" : "West") + " keeps a mean solar time of about " +
                       OffsetText(m.solarEastMinutes) + ".";
    if (m.otherSide) {
        note += " The zone lies on the other side of Greenwich from the longitude.";
    } else {
        note += " A zone more than 1 h 30 min away from it is often a data-entry error.";
    }
    note += " Vellamor takes the zone's direction from the longitude: it used " +
            FormatDuration(m.zoneMagnitudeMinutes) +
            (m.daylightSaving ? " (and the daylight-saving hour)" : "") + " " +
            (m.usedEast ? "East" : "West") +
            " of Greenwich and computed the Ascendant and the Moon for " +
            InstantText(m.ascendantInstant) +
            ", and the planets, from the zone's own offset, for " + InstantText(m.planetsInstant) +
            ". Please check the time zone.";
    return note;
}

std::string StationDateReadable(const std::optional<CalendarDate>& date) {
    if (!date || date->month < 1 || date->month > 12)
        return StationDateText(date);
    return std::to_string(date->day) + " " +
           std::string(kMonthNames[static_cast<std::size_t>(date->month - 1)]) + " " +
           std::to_string(date->year);
}

std::string StationEvidenceText(const StationEvidence& e) {
    const std::string before = StationDateReadable(e.before), after = StationDateReadable(e.after);
    std::string out = e.retrograde
                          ? "retrograde from " +
                                (before.empty() ? std::string("(before the tables)") : before) +
                                " to " + (after.empty() ? std::string("(after the tables)") : after)
                          : "direct; last direct station " +
                                (before.empty() ? std::string("(before the tables)") : before) +
                                ", next retrograde station " +
                                (after.empty() ? std::string("(after the tables)") : after);
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
    if (const std::string note = ZoneSanityNote(s.zoneMisfit); !note.empty())
        out += "  " + note + "\n";
    return out;
}

}  // namespace vellamor
