// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data of one native, as the entry window hands it to every
// computation. Texts are UTF-8. Written only by the calculation driver
// (CopyFormToBirthData); everything else reads it.
#pragma once

#include <string>

#include "core/astro/exact_offset.h"

namespace vellamor {

struct BirthData {
    std::string name;     // exactly as typed, not trimmed
    int day = 0;          // 1..31
    int month = 0;        // 1..12
    int year = 0;         // 1901..2050
    int hour = 0;         // 0..23, local clock
    int minute = 0;       // 0..59
    int zoneHours = 0;    // |hours| of the zone row: the direction is not kept here
    int zoneMinutes = 0;  // |minutes| of the zone row: 0 or 30
    int lonDegrees = 0;   // 0..999 as typed
    int lonMinutes = 0;   // 0..999 as typed
    int latDegrees = 0;   // 0..999 as typed
    int latMinutes = 0;   // 0..999 as typed
    bool eastLongitude = false;
    bool southLatitude = false;
    bool daylightSaving = false;
    std::string city;     // trimmed
    std::string state;    // trimmed
    std::string country;  // trimmed
    int zoneIndex = 0;    // row of the time-zone table, 0..70
    // For precise charts: the clock's exact offset, which then stands for the
    // row and the box (the classic formulas keep the row and the box).
    ExactOffset exactOffset;

    bool operator==(const BirthData&) const = default;
};

}  // namespace vellamor
