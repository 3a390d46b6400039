// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_follower.h"

namespace vellamor::atlas {

ZoneDecision PlaceFollower::Pick(EntryForm& form, const Place& place) {
    place_ = place;
    zoneByHand_ = false;
    boxByHand_ = false;
    FilledForm filled = FillFormFromPlace(form, place);
    form = filled.form;
    return filled.zone;
}

std::optional<ZoneDecision> PlaceFollower::Follow(EntryForm& form) {
    if (!place_)
        return std::nullopt;
    ZoneConstraint fixed;
    if (zoneByHand_)
        fixed.row = form.zoneIndex;
    if (boxByHand_)
        fixed.daylightSaving = form.daylightSaving;
    return FollowZone(form, *place_, fixed);
}

std::optional<ZoneDecision> PlaceFollower::ZoneChosenByHand(EntryForm& form) {
    if (!place_)
        return std::nullopt;
    zoneByHand_ = true;
    return Follow(form);
}

std::optional<ZoneDecision> PlaceFollower::BoxSetByHand(EntryForm& form) {
    if (!place_)
        return std::nullopt;
    boxByHand_ = true;
    return Follow(form);
}

void PlaceFollower::Forget() {
    place_.reset();
    zoneByHand_ = false;
    boxByHand_ = false;
}

}  // namespace vellamor::atlas
