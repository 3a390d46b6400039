// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chart_words.h"

#include <cstdio>

#include "core/astro/time_zones.h"

namespace vellamor {
namespace {

std::string NumberPair(int a, std::string_view middle, int b, std::string_view end) {
    return std::to_string(a) + std::string(middle) + std::to_string(b) + std::string(end);
}

}  // namespace

EnumArray<Detail, std::string> DetailTexts(const BirthData& b) {
    EnumArray<Detail, std::string> d;
    d[Detail::Name] = b.name;
    d[Detail::Date] = std::string(MonthName(b.month)) + " " + std::to_string(b.day) + ", " +
                      std::to_string(b.year);
    d[Detail::Time] = NumberPair(b.hour, " HH ", b.minute, " MM");
    if (const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex))
        d[Detail::TimeZone] = zone->text;
    d[Detail::Latitude] = NumberPair(b.latDegrees, " Degree ", b.latMinutes, " Minute");
    d[Detail::Longitude] = NumberPair(b.lonDegrees, " Degree ", b.lonMinutes, " Minute");
    d[Detail::City] = b.city;
    d[Detail::State] = b.state;
    d[Detail::Country] = b.country;
    return d;
}

std::string OccupantsText(const Occupants& occupants) {
    std::string text;
    for (const Occupant& o : occupants) {
        if (!text.empty())
            text += ' ';
        text += kBaseLabels[static_cast<std::size_t>(o.body)];
        if (o.retrograde)
            text += kRetrogradeMark;
    }
    return text;
}

std::string ClockText(const CivilDateTime& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return buf;
}

}  // namespace vellamor
