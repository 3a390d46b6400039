// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the entry window's place, coordinates, zone and daylight-saving box
// from a place name ("City[, State][, Country]").
//
// The atlas that knows the places needs the system's time-zone database and
// lives outside the core; the command line reaches it through this seam, and
// a build without the atlas simply has no resolver.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/astro/calculation.h"
#include "core/astro/expected.h"
#include "core/chart/entry_form.h"

namespace vellamor {

// Controls the user set explicitly: the atlas leaves them as they are (and
// chooses the zone or box around a zone or box given by hand).
struct ExplicitPlaceFields {
    bool city = false;
    bool state = false;
    bool country = false;
    bool latitude = false;   // degrees, minutes and North/South
    bool longitude = false;  // degrees, minutes and East/West
    bool zone = false;
    bool daylightSaving = false;
    bool exactOffset = false;  // an exact offset or local mean time
};

// An exact offset given by hand picks the zone row nearest it, unless a row
// is given too, and unticks the box unless the box is given too: the row and
// box then bring the classic formulas, and a reader of charts that knows no
// exact offset, as near the birth as a row can.
inline void FitZoneToGivenOffset(EntryForm& form, const ExplicitPlaceFields& given) {
    if (!given.exactOffset || !form.exactOffset.isSet())
        return;
    if (!given.zone)
        SelectNearestZoneRow(form);
    if (!given.zone && !given.daylightSaving)
        form.daylightSaving = false;
}

struct ResolvedPlace {
    EntryForm form;    // the form with the place filled in
    std::string note;  // what was decided about the zone
};

// A place the atlas does not know, with the nearest it does.
struct UnknownPlace {
    std::string query;
    std::vector<std::string> nearest;  // labels ("City, State, Country"), nearest first
    // Why the atlas could not look at all (its table is missing or damaged),
    // as the front end that found out words it; empty when it looked.
    std::string atlasFault;
};

using PlaceResolution = Expected<ResolvedPlace, UnknownPlace>;

// Looks the place up and fills `form` for its date and time, choosing the
// zone row and box by the rule the chart will be calculated by.
using PlaceResolver = std::function<PlaceResolution(std::string_view query, const EntryForm& form,
                                                    const ExplicitPlaceFields& given,
                                                    const CalculationChoice& calculation)>;

// A place looked up once, filling any number of forms, each for its own date
// and time (the zone and box depend on them) and by the rule the chart will
// be calculated by.
using PlaceFiller = std::function<ResolvedPlace(
    const EntryForm& form, const ExplicitPlaceFields& given, const CalculationChoice& calculation)>;
// Looks a place up: its filler, or the nearest places when it is unknown.
using PlaceFinder = std::function<Expected<PlaceFiller, UnknownPlace>(std::string_view query)>;

// The fields set by command-line options, from the options' names as given
// ("--city", "--lat", "--dst", ...); other names are ignored.
template <typename Names>
ExplicitPlaceFields ExplicitPlaceFieldsFromOptions(const Names& optionNames) {
    ExplicitPlaceFields given;
    for (const auto& name : optionNames) {
        const std::string_view n = name;
        given.city |= n == "--city";
        given.state |= n == "--state";
        given.country |= n == "--country";
        given.latitude |= n == "--lat";
        given.longitude |= n == "--lon";
        given.zone |= n == "--zone";
        given.daylightSaving |= n == "--dst";
        given.exactOffset |= n == "--offset" || n == "--lmt";
    }
    return given;
}

}  // namespace vellamor
