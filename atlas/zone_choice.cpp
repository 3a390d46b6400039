// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_choice.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <limits>

#include "core/astro/time_zones.h"

namespace vellamor::atlas {
namespace {

constexpr int kHour = 3600;

struct NamedRows {
    std::string_view key;
    std::initializer_list<int> rows;
};

// Zone database abbreviations that the table spells differently, or names
// that describe a zone the table knows under another name.
const std::array<NamedRows, 23> kAbbreviationAliases{{
    {"CEST", {19, 40}},  // Central European Daylight, Middle European Daylight
    {"MEST", {40, 19}},
    {"EEST", {25}},
    {"WET", {29}},
    {"WEST", {16}},
    {"UTC", {61, 29}},
    {"AKST", {69}},  // Yukon Standard Time, the old name of the same offset
    {"AKDT", {68}},
    {"NZST", {47}},  // the database's standard time is the table's "NZT"
    {"NZDT", {46}},
    {"NZMT", {49}},
    {"EPT", {24}},  // the peace time of 1945 kept the war
                    // time's offset
    {"CPT", {18}},
    {"MPT", {43}},
    {"PPT", {53}},
    {"HPT", {31}},
    {"ADT", {4}},
    {"HKT", {23}},
    {"KST", {38}},
    {"WAT", {20}},  // West Africa's +1; the table's "WAT" row
                    // is -1
    {"CAT", {26}},
    {"EAT", {12}},
    {"SAST", {26}},  // South Africa's +2; the table's "SAST" is South Australia
}};

// Rows named for a country (two-letter code) or for one zone (IANA name).
const std::array<NamedRows, 31> kRegionRows{{
    {"GB", {29, 16, 15, 17}},
    {"IE", {29, 16, 15, 17}},
    {"IM", {29, 16, 15, 17}},
    {"JE", {29, 16, 15, 17}},
    {"GG", {29, 16, 15, 17}},
    {"IN", {34}},
    {"CN", {23}},
    {"HK", {23}},
    {"MO", {23}},
    {"TW", {23}},
    {"JP", {38}},
    {"KR", {38}},
    {"KP", {38}},
    {"IR", {37}},
    {"IQ", {12}},
    {"SA", {12}},
    {"KW", {12}},
    {"BH", {12}},
    {"QA", {12}},
    {"YE", {12}},
    {"RU", {63, 64, 65, 66, 62}},
    {"BR", {14}},
    {"GU", {30}},
    {"MP", {30}},
    {"NZ", {47, 46, 48, 49}},
    {"Atlantic/Azores", {11}},
    {"Pacific/Honolulu", {32, 31, 33, 1, 0}},
    {"Asia/Jakarta", {60, 39}},
    {"Asia/Pontianak", {60, 39}},
    {"Asia/Kuala_Lumpur", {39}},
    {"Asia/Singapore", {39}},
}};

// Rows for clocks put forward: daylight, summer and war time.
bool IsDaylightRow(int row) {
    const std::string_view text = LoadTimeZoneTable()[static_cast<std::size_t>(row)].text;
    const std::string_view name = text.substr(0, text.find(','));
    for (std::string_view word : {"Daylight", "Summer", "War"}) {
        if (name.find(word) != std::string_view::npos)
            return true;
    }
    return false;
}

void AppendUnique(std::vector<int>& rows, int row) {
    if (std::find(rows.begin(), rows.end(), row) == rows.end())
        rows.push_back(row);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

}  // namespace

std::string_view ZoneRowAbbreviation(int row) {
    const TimeZoneRow* zone = TimeZoneAt(row);
    if (zone == nullptr)
        return {};
    std::string_view text = zone->text;
    const auto first = text.find(',');
    if (first == std::string_view::npos)
        return {};
    text.remove_prefix(first + 1);
    text = text.substr(0, text.find(','));
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

int AscendantOffsetSeconds(int row, bool daylightSaving, bool eastOfGreenwich) {
    const TimeZoneRow* zone = TimeZoneAt(row);
    if (zone == nullptr)
        return 0;
    const int magnitude = std::abs(zone->hours) * kHour + std::abs(zone->minutes) * 60;
    return (eastOfGreenwich ? magnitude : -magnitude) + (daylightSaving ? kHour : 0);
}

int PlanetOffsetSeconds(int row) {
    const TimeZoneRow* zone = TimeZoneAt(row);
    if (zone == nullptr)
        return 0;
    return -(zone->hours * kHour + zone->minutes * 60);
}

int SignedOffsetSeconds(int row, bool daylightSaving) {
    return PlanetOffsetSeconds(row) + (daylightSaving && TimeZoneAt(row) ? kHour : 0);
}

ZoneChoice ChooseZoneRow(int trueOffsetSeconds, bool eastOfGreenwich,
                         const std::vector<int>& preferredRows, ZoneConstraint fixed,
                         ZoneRule rule) {
    // Plain values: -1 when free.
    const int onlyRow = fixed.row && TimeZoneAt(*fixed.row) != nullptr ? *fixed.row : -1;
    const int onlyBox = fixed.daylightSaving ? (*fixed.daylightSaving ? 1 : 0) : -1;
    auto preference = [&](int row) {
        const auto it = std::find(preferredRows.begin(), preferredRows.end(), row);
        return it == preferredRows.end() ? std::numeric_limits<int>::max()
                                         : static_cast<int>(it - preferredRows.begin());
    };
    ZoneChoice best;
    int bestPreference = 0;
    bool found = false;
    // Rows ascend and the unticked box comes first, so "lowest row" is the
    // order of the loops themselves.
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (onlyRow >= 0 && onlyRow != row)
            continue;
        for (bool box : {false, true}) {
            if (onlyBox >= 0 && onlyBox != static_cast<int>(box))
                continue;
            ZoneChoice c;
            c.row = row;
            c.daylightSaving = box;
            switch (rule) {
                case ZoneRule::Classic:
                    c.ascendantErrorSeconds = std::abs(
                        AscendantOffsetSeconds(row, box, eastOfGreenwich) - trueOffsetSeconds);
                    c.planetErrorSeconds = std::abs(PlanetOffsetSeconds(row) - trueOffsetSeconds);
                    break;
                case ZoneRule::Signed:
                    c.ascendantErrorSeconds = c.planetErrorSeconds =
                        std::abs(SignedOffsetSeconds(row, box) - trueOffsetSeconds);
                    break;
            }
            const int p = preference(row);
            const bool better =
                !found || c.ascendantErrorSeconds < best.ascendantErrorSeconds ||
                (c.ascendantErrorSeconds == best.ascendantErrorSeconds &&
                 (c.planetErrorSeconds < best.planetErrorSeconds ||
                  (c.planetErrorSeconds == best.planetErrorSeconds && p < bestPreference)));
            if (better) {
                best = c;
                bestPreference = p;
                found = true;
            }
        }
    }
    return best;
}

std::vector<int> RowsNamedForZone(std::string_view ianaZone, std::string_view countryCode,
                                  std::string_view abbreviation) {
    std::vector<int> rows;
    if (!abbreviation.empty()) {
        for (int row = 0; row < kTimeZoneCount; ++row) {
            if (EqualsIgnoringCase(ZoneRowAbbreviation(row), abbreviation))
                AppendUnique(rows, row);
        }
        for (const NamedRows& alias : kAbbreviationAliases) {
            if (EqualsIgnoringCase(alias.key, abbreviation)) {
                for (int row : alias.rows)
                    AppendUnique(rows, row);
            }
        }
    }
    for (const NamedRows& region : kRegionRows) {
        if (region.key == ianaZone || EqualsIgnoringCase(region.key, countryCode)) {
            for (int row : region.rows)
                AppendUnique(rows, row);
        }
    }
    return rows;
}

std::vector<int> PreferredZoneRows(std::string_view ianaZone, std::string_view countryCode,
                                   std::string_view abbreviation, bool daylightInForce) {
    std::vector<int> rows = RowsNamedForZone(ianaZone, countryCode, abbreviation);
    // Then any row of the right kind: Bogota's -5 all year reads better as
    // Eastern Standard than as Central Daylight Time.
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (IsDaylightRow(row) == daylightInForce)
            AppendUnique(rows, row);
    }
    return rows;
}

}  // namespace vellamor::atlas
