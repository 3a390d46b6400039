// SPDX-License-Identifier: GPL-3.0-or-later
// The entry window's memory of the place picked from the atlas: after the
// pick, the zone row and the daylight-saving box follow the date, the time
// and the longitude's hemisphere, until the user sets one of them by hand,
// which from then on wins (the other keeps following around it).
//
// Plain logic on EntryForm, so the window only forwards its events.
#pragma once

#include <optional>

#include "atlas/place_fill.h"
#include "core/chart/entry_form.h"

namespace vellamor::atlas {

class PlaceFollower {
  public:
    // A place picked from the list: names, coordinates, zone and box are
    // written into `form`; earlier choices by hand are forgotten.
    ZoneDecision Pick(EntryForm& form, const Place& place);

    // The date, time or longitude changed: zone and box follow. Nothing when
    // no place is picked.
    std::optional<ZoneDecision> Follow(EntryForm& form);

    // The user picked a zone row, or ticked or unticked the box; `form`
    // already holds the new choice.
    std::optional<ZoneDecision> ZoneChosenByHand(EntryForm& form);
    std::optional<ZoneDecision> BoxSetByHand(EntryForm& form);

    // The place no longer applies: the city was typed over, or a chart file
    // filled the window.
    void Forget();

    // The rule the chart will be calculated by (classic unless set); the
    // next Pick or Follow chooses by it.
    void SetRule(ZoneRule rule) { m_rule = rule; }

    const std::optional<Place>& place() const { return m_place; }
    bool zoneByHand() const { return m_zoneByHand; }
    bool boxByHand() const { return m_boxByHand; }

  private:
    std::optional<Place> m_place;
    bool m_zoneByHand = false;
    bool m_boxByHand = false;
    ZoneRule m_rule = ZoneRule::Classic;
};

}  // namespace vellamor::atlas
