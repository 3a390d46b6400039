// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed, varied set of births for the benchmarks, so that branch
// prediction and caches see realistic inputs rather than one instant.
#pragma once

#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

#include "core/astro/birth_data.h"
#include "core/astro/time_zones.h"

namespace vellamor::bench {

// Random whole-minute births from 1901 to 2050 at latitudes up to 66 degrees.
// With zoneRow given, every birth uses that row without daylight saving
// (one instant for every body); otherwise zone and daylight saving vary.
inline std::vector<BirthData> RandomBirths(std::size_t count, std::optional<int> zoneRow = {}) {
    std::mt19937 rng(20261207);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<BirthData> births;
    births.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        BirthData b;
        b.name = "Bench Native";
        b.year = pick(1901, 2050);
        b.month = pick(1, 12);
        b.day = pick(1, 28);
        b.hour = pick(0, 23);
        b.minute = pick(0, 59);
        b.zoneIndex = zoneRow ? *zoneRow : pick(0, kTimeZoneCount - 1);
        const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex);
        b.zoneHours = std::abs(zone->hours);
        b.zoneMinutes = std::abs(zone->minutes);
        b.lonDegrees = pick(0, 179);
        b.lonMinutes = pick(0, 59);
        b.latDegrees = pick(0, 66);
        b.latMinutes = pick(0, 59);
        b.eastLongitude = pick(0, 1);
        b.southLatitude = pick(0, 1);
        b.daylightSaving = !zoneRow && pick(0, 3) == 0;
        b.city = "Pune";
        b.state = "Maharashtra";
        b.country = "India";
        births.push_back(b);
    }
    return births;
}

}  // namespace vellamor::bench
