// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/place_follower.h"

#include <gtest/gtest.h>

#include "built_in_places.h"

namespace vellamor::atlas {
namespace {

Place NewYork() {
    const PlaceSearch s = SearchPlace(BuiltInPlaces(), "New York, New York");
    EXPECT_TRUE(s.place);
    return s.place.value_or(Place{});
}

EntryForm January1975() {
    EntryForm f;
    f.yearIndex = 1975 - kFirstYear;
    f.hourIndex = 12;
    return f;
}

TEST(PlaceFollower, ZoneAndBoxFollowUntilSetByHand) {
    PlaceFollower follower;
    EntryForm f = January1975();
    EXPECT_FALSE(follower.Follow(f)) << "nothing picked yet";

    follower.Pick(f, NewYork());
    EXPECT_EQ(f.city, "New York City");
    EXPECT_EQ(f.zoneIndex, 27);  // EST
    EXPECT_FALSE(f.daylightSaving);

    f.monthIndex = 6;  // July: daylight time
    ASSERT_TRUE(follower.Follow(f));
    EXPECT_EQ(f.zoneIndex, 24);  // EDT
    EXPECT_FALSE(f.daylightSaving);

    // EST picked by hand: the row stays, the box follows around it.
    f.zoneIndex = 27;
    const std::optional<ZoneDecision> d = follower.ZoneChosenByHand(f);
    ASSERT_TRUE(d);
    EXPECT_EQ(f.zoneIndex, 27);
    EXPECT_TRUE(f.daylightSaving);
    f.monthIndex = 0;  // back to January
    follower.Follow(f);
    EXPECT_EQ(f.zoneIndex, 27);
    EXPECT_FALSE(f.daylightSaving);

    // The box set by hand as well: nothing moves any more, the note tells.
    f.daylightSaving = true;
    const std::optional<ZoneDecision> both = follower.BoxSetByHand(f);
    ASSERT_TRUE(both);
    EXPECT_EQ(f.zoneIndex, 27);
    EXPECT_TRUE(f.daylightSaving);
    EXPECT_EQ(both->note.error, ZoneErrorNote::ByHandAscendant);

    // A new pick starts afresh.
    follower.Pick(f, NewYork());
    EXPECT_FALSE(follower.zoneByHand());
    EXPECT_EQ(f.zoneIndex, 27);
    EXPECT_FALSE(f.daylightSaving);
}

TEST(PlaceFollower, TheHemisphereOnTheFormCounts) {
    PlaceFollower follower;
    EntryForm f = January1975();
    f.monthIndex = 6;
    const Place london = SearchPlace(BuiltInPlaces(), "London, UK").place.value();
    follower.Pick(f, london);
    EXPECT_EQ(f.zoneIndex, 29);  // GMT with the box, West of Greenwich
    EXPECT_TRUE(f.daylightSaving);
    f.longitude = LongitudeOption::East;  // the user says East
    follower.Follow(f);
    EXPECT_EQ(f.zoneIndex, 16);  // BST, box unticked
    EXPECT_FALSE(f.daylightSaving);
}

TEST(PlaceFollower, ForgottenPlaceLeavesTheFormAlone) {
    PlaceFollower follower;
    EntryForm f = January1975();
    follower.Pick(f, NewYork());
    follower.Forget();
    f.monthIndex = 6;
    const EntryForm before = f;
    EXPECT_FALSE(follower.Follow(f));
    EXPECT_FALSE(follower.ZoneChosenByHand(f));
    EXPECT_EQ(f, before);
}

}  // namespace
}  // namespace vellamor::atlas
