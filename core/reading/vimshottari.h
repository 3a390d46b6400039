// SPDX-License-Identifier: GPL-3.0-or-later
// The Vimshottari dasha from the Moon: a cycle of 120 years in which the nine
// lords of the nakshatras rule in turn (Ketu 7 years, Venus 20, the Sun 6,
// the Moon 10, Mars 7, Rahu 18, Jupiter 16, Saturn 19, Mercury 17). The
// period running at the birth is that of the lord of the Moon's nakshatra,
// of which the part the Moon has already travelled through the nakshatra has
// passed. Each mahadasha divides into nine antardashas, and each of those
// into nine pratyantardashas, in proportion to the lords' years and starting
// with the lord of the period they divide.
//
// A year is as many days as the chart's calculation chooses (365.25, the
// Julian year, unless asked otherwise). Instants are on the birth's clock,
// rounded to the nearest minute; spans are half-open, as the Sudarshan
// dasha's are.
#pragma once

#include <array>
#include <vector>

#include "core/astro/bodies.h"
#include "core/astro/civil_date.h"
#include "core/chart/pipeline.h"

namespace vellamor {

inline constexpr int kVimshottariCycleYears = 120;

// The lord's years in the cycle; 0 for a body that rules no period.
int VimshottariYears(Body lord);

struct VimshottariSpan {
    Body lord = Body::Ketu;
    CivilDateTime from;
    CivilDateTime to;  // the next span's start
};

// What is left at the birth of the mahadasha running then, as astrologers
// write it: whole years, whole months of a twelfth of the year, and the
// whole days left of the rest (a part of a day is dropped, as they drop it).
struct VimshottariBalance {
    Body lord = Body::Ketu;
    int years = 0;
    int months = 0;  // 0..11
    int days = 0;    // 0..30
    bool operator==(const VimshottariBalance&) const = default;
};
VimshottariBalance VimshottariBalanceAtBirth(const Chart& chart);

// The same from the lord's nakshatra and how far through it the Moon stands
// (0 up to 1), for a year of yearDays days.
VimshottariBalance VimshottariBalanceOf(Body lord, double fractionTravelled, double yearDays);

enum class VimshottariLevel { Mahadasha, Antardasha, Pratyantardasha };
inline constexpr int kVimshottariLevelCount = 3;

struct VimshottariReading {
    // The mahadasha, antardasha and pratyantardasha that hold the reading.
    std::array<VimshottariSpan, kVimshottariLevelCount> spans;
    VimshottariBalance balance;          // at the birth
    DashaYear year = DashaYear::Julian;  // the year the periods were counted in

    const VimshottariSpan& span(VimshottariLevel level) const {
        return spans[static_cast<std::size_t>(level)];
    }
};

// The mahadashas from the one running at the birth (which began before it)
// until the first that ends 120 years or more after the birth.
std::vector<VimshottariSpan> VimshottariMahadashas(const Chart& chart);

// The nine antardashas of a mahadasha, its own lord's first.
std::array<VimshottariSpan, 9> VimshottariAntardashas(const Chart& chart,
                                                      const VimshottariSpan& mahadasha);

// The periods at a reading on the birth's clock, which must not be before
// the birth (CheckReading).
VimshottariReading ComputeVimshottari(const Chart& chart, const CivilDateTime& reading);

}  // namespace vellamor
