// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/coordinates_search.h"

#include <gtest/gtest.h>

namespace vellamor {
namespace {

EntryForm Place(std::string city, std::string state, std::string country) {
    EntryForm f;  // everything else as on a fresh window: the search needs no name
    f.city = std::move(city);
    f.state = std::move(state);
    f.country = std::move(country);
    return f;
}

TEST(CoordinatesSearchTest, ReportsTheFirstEmptyPlaceNameAsANotice) {
    struct Case {
        EntryForm form;
        const char* message;
        FormField focus;
    };
    const Case cases[] = {
        {Place("", "", ""), "Please Enter City", FormField::City},
        {Place("", "Maharashtra", "India"), "Please Enter City", FormField::City},
        {Place("Pune", "", ""), "Please Enter State", FormField::State},
        {Place("Pune", "", "India"), "Please Enter State", FormField::State},
        {Place("Pune", "Maharashtra", ""), "Please Enter Country", FormField::Country},
    };
    for (const Case& c : cases) {
        const auto problem = CheckCoordinatesSearch(c.form);
        ASSERT_TRUE(problem) << c.message;
        EXPECT_EQ(problem->message.toStdString(), c.message);
        EXPECT_EQ(problem->icon, DialogIcon::Information);
        EXPECT_EQ(problem->focus, c.focus);
    }
}

TEST(CoordinatesSearchTest, BlankNamesAreFilledAndTheTextKeepsThem) {
    EXPECT_FALSE(CheckCoordinatesSearch(Place("Pune", "Maharashtra", "India")));
    EXPECT_EQ(CoordinatesSearchText(Place("Pune", "Maharashtra", "India")),
              "Pune Maharashtra India Latitude Longitude");
    EXPECT_FALSE(CheckCoordinatesSearch(Place(" ", " ", " ")));
    EXPECT_EQ(CoordinatesSearchText(Place(" New York ", "NY", "USA")),
              " New York  NY USA Latitude Longitude");
}

}  // namespace
}  // namespace vellamor
