// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/vimshottari.h"

#include <cmath>

#include "core/astro/nakshatra.h"

namespace vellamor {
namespace {

constexpr std::array<int, 9> kYears{7, 20, 6, 10, 7, 18, 16, 19, 17};  // in kNakshatraLords' order

double MinutesPerYear(const Chart& chart) {
    return DashaYearDays(chart.calculation.dashaYear) * 24 * 60;
}

// A period in minutes from the birth, not yet rounded; its lord as an index
// into kNakshatraLords.
struct Period {
    int lord = 0;
    double start = 0, end = 0;
};

CivilDateTime BirthClock(const BirthData& b) {
    return {b.year, b.month, b.day, b.hour, b.minute};
}

VimshottariSpan SpanOf(const CivilDateTime& birth, const Period& p) {
    return {kNakshatraLords[static_cast<std::size_t>(p.lord)],
            AddMinutes(birth, std::llround(p.start)), AddMinutes(birth, std::llround(p.end))};
}

// The mahadasha running at the birth: it began as long before the birth as
// the Moon had already travelled through its nakshatra.
Period FirstMahadasha(const Chart& chart) {
    const Nakshatra n = NakshatraOf(chart.planets.longitudes[BodyIndex(Body::Moon)]);
    const int lord = (n.number - 1) % 9;
    const double length = kYears[static_cast<std::size_t>(lord)] * MinutesPerYear(chart);
    const double start = -n.degreesIn / kNakshatraDegrees * length;
    return {lord, start, start + length};
}

Period NextMahadasha(const Chart& chart, const Period& p) {
    const int lord = (p.lord + 1) % 9;
    return {lord, p.end, p.end + kYears[static_cast<std::size_t>(lord)] * MinutesPerYear(chart)};
}

// The nine parts of a period in proportion to the lords' years, its own lord
// first; the last ends exactly where the period does.
std::array<Period, 9> Parts(const Period& p) {
    std::array<Period, 9> parts;
    const double length = p.end - p.start;
    int years = 0;
    for (int i = 0; i < 9; ++i) {
        const int lord = (p.lord + i) % 9;
        Period& part = parts[static_cast<std::size_t>(i)];
        part.lord = lord;
        part.start = p.start + length * years / kVimshottariCycleYears;
        years += kYears[static_cast<std::size_t>(lord)];
        part.end = i == 8 ? p.end : p.start + length * years / kVimshottariCycleYears;
    }
    return parts;
}

// The part that holds minute `at`, judged by the rounded instants it is
// written with, so that a reading on a written boundary falls in the later
// part.
Period PartAt(const std::array<Period, 9>& parts, long long at) {
    for (const Period& p : parts)
        if (std::llround(p.end) > at)
            return p;
    return parts.back();
}

}  // namespace

int VimshottariYears(Body lord) {
    for (std::size_t i = 0; i < kNakshatraLords.size(); ++i)
        if (kNakshatraLords[i] == lord)
            return kYears[i];
    return 0;
}

VimshottariBalance VimshottariBalanceOf(Body lord, double fractionTravelled, double yearDays) {
    // Years and months are fractions of the lord's years, whatever the
    // year's length; only the days count it. A hair under a whole month
    // left by rounding is written as that month.
    const double left = VimshottariYears(lord) * (1 - fractionTravelled);
    const double totalMonths = left * 12;
    auto months = static_cast<long long>(std::floor(totalMonths));
    double days = (totalMonths - static_cast<double>(months)) * yearDays / 12;
    if (days > yearDays / 12 - 1e-6) {
        ++months;
        days = 0;
    }
    return {lord, static_cast<int>(months / 12), static_cast<int>(months % 12),
            static_cast<int>(std::floor(days + 1e-6))};
}

VimshottariBalance VimshottariBalanceAtBirth(const Chart& chart) {
    const Nakshatra n = NakshatraOf(chart.planets.longitudes[BodyIndex(Body::Moon)]);
    return VimshottariBalanceOf(n.lord(), n.degreesIn / kNakshatraDegrees,
                                DashaYearDays(chart.calculation.dashaYear));
}

std::vector<VimshottariSpan> VimshottariMahadashas(const Chart& chart) {
    const CivilDateTime birth = BirthClock(chart.birth);
    std::vector<VimshottariSpan> spans;
    Period p = FirstMahadasha(chart);
    spans.push_back(SpanOf(birth, p));
    while (p.end < kVimshottariCycleYears * MinutesPerYear(chart)) {
        p = NextMahadasha(chart, p);
        spans.push_back(SpanOf(birth, p));
    }
    return spans;
}

std::array<VimshottariSpan, 9> VimshottariAntardashas(const Chart& chart,
                                                      const VimshottariSpan& mahadasha) {
    const CivilDateTime birth = BirthClock(chart.birth);
    // Find the mahadasha again unrounded, so its parts match the reading's.
    const long long from = MinutesSince1970(mahadasha.from) - MinutesSince1970(birth);
    Period p = FirstMahadasha(chart);
    while (std::llround(p.end) <= from)
        p = NextMahadasha(chart, p);
    std::array<VimshottariSpan, 9> spans;
    const std::array<Period, 9> parts = Parts(p);
    for (std::size_t i = 0; i < parts.size(); ++i)
        spans[i] = SpanOf(birth, parts[i]);
    return spans;
}

VimshottariReading ComputeVimshottari(const Chart& chart, const CivilDateTime& reading) {
    const CivilDateTime birth = BirthClock(chart.birth);
    const long long at = MinutesSince1970(reading) - MinutesSince1970(birth);
    Period maha = FirstMahadasha(chart);
    while (std::llround(maha.end) <= at)
        maha = NextMahadasha(chart, maha);
    const Period antar = PartAt(Parts(maha), at);
    const Period pratyantar = PartAt(Parts(antar), at);
    VimshottariReading r;
    r.spans = {SpanOf(birth, maha), SpanOf(birth, antar), SpanOf(birth, pratyantar)};
    r.balance = VimshottariBalanceAtBirth(chart);
    r.year = chart.calculation.dashaYear;
    return r;
}

}  // namespace vellamor
