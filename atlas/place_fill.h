// SPDX-License-Identifier: GPL-3.0-or-later
// What picking a place writes into the entry window, shared by the window
// and the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "atlas/place_names.h"
#include "atlas/place_search.h"
#include "atlas/zone_decision.h"
#include "core/chart/entry_form.h"
#include "core/chart/place_option.h"

namespace vellamor::atlas {

// The place as the letter and digit fields accept it. The state is the
// first-level division, or the country's own name where the place has none
// (a city-state) or its division's name keeps no Latin letter.
struct PlaceFields {
    std::string city, state, country;  // folded; empty when nothing is left
    DegreesMinutes latitude;           // negative: South
    DegreesMinutes longitude;          // negative: West

    bool operator==(const PlaceFields&) const = default;
};

PlaceFields FieldsForPlace(const Place& place);

// The local moment the form's lists hold.
LocalMoment FormMoment(const EntryForm& form);

// The hemisphere the program will read from the form: East with degrees and
// minutes not both 0 (a longitude of exactly 0 counts as West).
bool FormIsEastOfGreenwich(const EntryForm& form);

// Chooses the zone row and box for the form's date, time and hemisphere and
// writes them into `form`; a zone or box in `fixed` stays as it is. When the
// database knows nothing, the form is left alone and the note says so.
// `rule` is the one the chart will be calculated by. For a precise chart
// where no row gives the place's offset, it also sets the form's exact
// offset (local mean time of the form's longitude where the database says
// the place kept local mean time), and clears one where a row fits, unless
// `offsetByHand`. A classic chart's exact offset is left as it is.
ZoneDecision FollowZone(EntryForm& form, const Place& place, ZoneConstraint fixed = {},
                        ZoneRule rule = ZoneRule::Classic, bool offsetByHand = false);

struct FilledForm {
    EntryForm form;
    ZoneDecision zone;
};

// Names, coordinates with their options, zone and box, except what `given`
// marks as set by the user. Folded names that come out empty (a name in a
// script without Latin letters) leave their field alone.
FilledForm FillFormFromPlace(const EntryForm& form, const Place& place,
                             const ExplicitPlaceFields& given = {},
                             ZoneRule rule = ZoneRule::Classic);

// A place found for the command line, with what the front end tells the
// user about it.
struct FoundPlace {
    EntryForm form;                // the form with the place filled in
    Place place;                   // the place taken
    ZoneNote zone;                 // what was decided about the zone
    std::string typedCity;         // the query's city part, as typed
    std::vector<Place> elsewhere;  // places of the same name that were not taken
};

// The command line's resolver: SearchPlace, then FillFormFromPlace. An
// unknown place is an error that lists the nearest candidates.
Expected<FoundPlace, UnknownPlace> ResolvePlace(const Gazetteer& gazetteer, std::string_view query,
                                                const EntryForm& form,
                                                const ExplicitPlaceFields& given,
                                                ZoneRule rule = ZoneRule::Classic);

}  // namespace vellamor::atlas
