// SPDX-License-Identifier: GPL-3.0-or-later
// --place through the resolver seam, with a stand-in for the atlas.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/headless.h"

namespace vellamor {
namespace {

const std::string kChart = std::string(VELLAMOR_REFERENCE_CHARTS) + "/chart-03.sud";

struct FakeAtlas {
    std::vector<std::string> queries;
    std::vector<EntryForm> forms;
    std::vector<ExplicitPlaceFields> given;

    PlaceResolution operator()(std::string_view query, const EntryForm& form,
                               const ExplicitPlaceFields& byHand, const CalculationChoice&) {
        queries.emplace_back(query);
        forms.push_back(form);
        given.push_back(byHand);
        if (query == "Nowhere")
            return Fail(UnknownPlace{"Nowhere", {}, {}});
        ResolvedPlace r{form, "decided"};
        r.form.city = "Fake Town";
        r.form.zoneIndex = 29;
        return r;
    }
};

TEST(CommandLinePlace, ResolverFillsEachChartBeforeValidation) {
    FakeAtlas atlas;
    std::ostringstream out, err;
    const int status = RunHeadless({"--json", "--place", "Somewhere, Else", kChart, kChart}, out,
                                   err, HeadlessServices{std::ref(atlas)});
    EXPECT_EQ(status, 0) << err.str();
    // Once to check the place, then once per chart with that chart's form.
    ASSERT_EQ(atlas.queries.size(), 3u);
    EXPECT_EQ(atlas.queries[1], "Somewhere, Else");
    EXPECT_EQ(atlas.forms[1].yearIndex, 1993 - kFirstYear);
    EXPECT_EQ(atlas.forms[1].monthIndex, 5);  // June
    const std::string json = out.str();
    EXPECT_NE(json.find("\"City\": \"Fake Town\""), std::string::npos) << json;
    EXPECT_NE(json.find("Greenwich Mean Time,GMT,0.0"), std::string::npos) << json;
    // The note goes to standard error, so the JSON lines stay clean.
    EXPECT_EQ(err.str(), kChart + ": decided\n" + kChart + ": decided\n");
}

// With chart options the atlas sees the options' form and which fields were
// typed, once; what it fills is validated and written like any chart.
TEST(CommandLinePlace, ChartOptionsGoThroughTheAtlasOnce) {
    FakeAtlas atlas;
    std::ostringstream out, err;
    const int status =
        RunHeadless({"--json", "--name", "Ravi", "--date", "1980-03-05", "--lat", "18:31N", "--lon",
                     "73:51E", "--state", "Maharashtra", "--country", "India", "--place", "Pune"},
                    out, err, HeadlessServices{std::ref(atlas)});
    EXPECT_EQ(status, 0) << err.str();
    ASSERT_EQ(atlas.queries.size(), 1u);
    EXPECT_EQ(atlas.forms[0].name, "Ravi");
    EXPECT_EQ(atlas.forms[0].yearIndex, 1980 - kFirstYear);
    EXPECT_TRUE(atlas.given[0].latitude && atlas.given[0].longitude);
    EXPECT_TRUE(atlas.given[0].state && atlas.given[0].country);
    EXPECT_FALSE(atlas.given[0].city || atlas.given[0].zone || atlas.given[0].daylightSaving);
    EXPECT_NE(out.str().find("\"City\": \"Fake Town\""), std::string::npos) << out.str();
    EXPECT_EQ(err.str(), "vellamor: decided\n");

    // The window's checks still run on what the atlas left.
    FakeAtlas again;
    std::ostringstream out2, err2;
    EXPECT_EQ(RunHeadless({"--print", "--name", "Ravi", "--place", "Pune"}, out2, err2,
                          HeadlessServices{std::ref(again)}),
              1);
    EXPECT_EQ(err2.str(), "vellamor: decided\nvellamor: Please Enter Degree of Latitude\n");
}

TEST(CommandLinePlace, OptionsGivenByHandNameTheirFields) {
    const ExplicitPlaceFields given =
        ExplicitPlaceFieldsFromOptions(std::vector<std::string>{"--name", "--lon", "--dst"});
    EXPECT_TRUE(given.longitude);
    EXPECT_TRUE(given.daylightSaving);
    EXPECT_FALSE(given.latitude);
    EXPECT_FALSE(given.zone);
    EXPECT_FALSE(given.city);
}

TEST(CommandLinePlace, Errors) {
    const struct {
        std::vector<std::string> args;
        bool withAtlas;
        const char* message;
    } cases[] = {
        {{"--json", "--place", "Nowhere", kChart}, true, "vellamor: no place \"Nowhere\""},
        {{"--json", "--place", "Paris", kChart}, false, "needs the atlas"},
        {{"--json", kChart, "--place"}, true, "--place needs a value"},
    };
    for (const auto& c : cases) {
        FakeAtlas atlas;
        std::ostringstream out, err;
        const int status = c.withAtlas
                               ? RunHeadless(c.args, out, err, HeadlessServices{std::ref(atlas)})
                               : RunHeadless(c.args, out, err);
        EXPECT_EQ(status, 2) << c.message;
        EXPECT_TRUE(out.str().empty()) << c.message;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
}

}  // namespace
}  // namespace vellamor
