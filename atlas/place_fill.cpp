// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_fill.h"

#include "core/astro/utf8.h"

namespace vellamor::atlas {
namespace {

int DigitsOrZero(const std::string& s) {
    if (s.empty() || s.size() > 3)
        return 0;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return 0;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The exact offset a precise chart needs where no row gives the place's
// offset, and what the note then says.
void SetExactOffset(EntryForm& form, ZoneDecision& d, ZoneRule rule) {
    if (rule != ZoneRule::Signed)
        return;
    form.exactOffset = {};
    if (d.note.error != ZoneErrorNote::PreciseNoRow)
        return;
    // The database's local mean time is its reference city's (Kathmandu's
    // for all of Nepal); the birth place's own longitude gives its own.
    if (d.facts.abbreviation == "LMT") {
        form.exactOffset = ExactOffset::LocalMeanTime();
        d.note.error = ZoneErrorNote::PreciseLocalMeanTime;
        d.note.exactOffsetSeconds =
            LocalMeanTimeSeconds(DigitsOrZero(form.lonDegrees), DigitsOrZero(form.lonMinutes),
                                 form.longitude == LongitudeOption::East);
    } else {
        form.exactOffset = ExactOffset::Fixed(d.facts.offsetSeconds);
        d.note.error = ZoneErrorNote::PreciseExactOffset;
        d.note.exactOffsetSeconds = d.facts.offsetSeconds;
    }
}

}  // namespace

PlaceFields FieldsForPlace(const Place& place) {
    PlaceFields fields{FoldPlaceName(place.name), FoldPlaceName(place.state),
                       FoldPlaceName(place.country), ToDegreesMinutes(place.latitude),
                       ToDegreesMinutes(place.longitude)};
    // The window asks for a state, and a city-state (Singapore, Macau) has
    // no division above the city: it is its own state.
    if (fields.state.empty())
        fields.state = fields.country;
    return fields;
}

LocalMoment FormMoment(const EntryForm& form) {
    return LocalMoment{kFirstYear + form.yearIndex, form.monthIndex + 1, form.dayIndex + 1,
                       form.hourIndex, form.minuteIndex};
}

bool FormIsEastOfGreenwich(const EntryForm& form) {
    return form.longitude == LongitudeOption::East &&
           (DigitsOrZero(form.lonDegrees) != 0 || DigitsOrZero(form.lonMinutes) != 0);
}

ZoneDecision FollowZone(EntryForm& form, const Place& place, ZoneConstraint fixed, ZoneRule rule,
                        bool offsetByHand) {
    ZoneDecision d = DecideZone(place.timeZone, place.countryCode, FormMoment(form),
                                FormIsEastOfGreenwich(form), fixed, place.name, rule);
    if (d.decided) {
        form.zoneIndex = d.choice.row;
        form.daylightSaving = d.choice.daylightSaving;
        if (!offsetByHand)
            SetExactOffset(form, d, rule);
    }
    return d;
}

FilledForm FillFormFromPlace(const EntryForm& form, const Place& place,
                             const ExplicitPlaceFields& given, ZoneRule rule) {
    FilledForm out{form, {}};
    EntryForm& f = out.form;
    const PlaceFields fields = FieldsForPlace(place);
    if (!given.city && !fields.city.empty())
        f.city = fields.city;
    if (!given.state && !fields.state.empty())
        f.state = fields.state;
    if (!given.country && !fields.country.empty())
        f.country = fields.country;
    if (!given.latitude) {
        f.latDegrees = std::to_string(fields.latitude.degrees);
        f.latMinutes = std::to_string(fields.latitude.minutes);
        f.latitude = fields.latitude.negative ? LatitudeOption::South : LatitudeOption::North;
    }
    if (!given.longitude) {
        f.lonDegrees = std::to_string(fields.longitude.degrees);
        f.lonMinutes = std::to_string(fields.longitude.minutes);
        f.longitude = fields.longitude.negative ? LongitudeOption::West : LongitudeOption::East;
    }
    ZoneConstraint fixed;
    if (given.zone)
        fixed.row = form.zoneIndex;
    if (given.daylightSaving)
        fixed.daylightSaving = form.daylightSaving;
    out.zone = FollowZone(f, place, fixed, rule, given.exactOffset);
    return out;
}

Expected<FoundPlace, UnknownPlace> ResolvePlace(const Gazetteer& gazetteer, std::string_view query,
                                                const EntryForm& form,
                                                const ExplicitPlaceFields& given, ZoneRule rule) {
    if (query.size() > kMaxPlaceQuery) {
        // Not looked up: no place has such a name. The message quotes the
        // beginning only.
        const std::size_t cut = PreviousCharacterStart(query, kMaxPlaceQuery + 1);
        return Fail(UnknownPlace{std::string(query.substr(0, cut)) + "…", {}, {}});
    }
    const PlaceSearch search = SearchPlace(gazetteer, query);
    if (!search.place) {
        UnknownPlace unknown{std::string(query), {}, {}};
        for (const Place& p : search.nearest)
            unknown.nearest.push_back(p.Label());
        return Fail(std::move(unknown));
    }
    const FilledForm filled = FillFormFromPlace(form, *search.place, given, rule);
    return FoundPlace{filled.form, *search.place, filled.zone.note,
                      std::string(query.substr(0, query.find(','))), search.elsewhere};
}

}  // namespace vellamor::atlas
