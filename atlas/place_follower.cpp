// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_follower.h"

namespace vellamor::atlas {

ZoneDecision PlaceFollower::Pick(EntryForm& form, const Place& place) {
    m_place = place;
    m_zoneByHand = false;
    m_boxByHand = false;
    FilledForm filled = FillFormFromPlace(form, place, {}, m_rule);
    form = filled.form;
    return filled.zone;
}

std::optional<ZoneDecision> PlaceFollower::Follow(EntryForm& form) {
    if (!m_place)
        return std::nullopt;
    ZoneConstraint fixed;
    if (m_zoneByHand)
        fixed.row = form.zoneIndex;
    if (m_boxByHand)
        fixed.daylightSaving = form.daylightSaving;
    return FollowZone(form, *m_place, fixed, m_rule);
}

std::optional<ZoneDecision> PlaceFollower::ZoneChosenByHand(EntryForm& form) {
    if (!m_place)
        return std::nullopt;
    m_zoneByHand = true;
    return Follow(form);
}

std::optional<ZoneDecision> PlaceFollower::BoxSetByHand(EntryForm& form) {
    if (!m_place)
        return std::nullopt;
    m_boxByHand = true;
    return Follow(form);
}

void PlaceFollower::Forget() {
    m_place.reset();
    m_zoneByHand = false;
    m_boxByHand = false;
}

}  // namespace vellamor::atlas
