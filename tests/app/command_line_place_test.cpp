// --place through the resolver seam, with a stand-in for the atlas.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace vellamor {
namespace {

const std::string kChart = std::string(VELLAMOR_REFERENCE_CHARTS) + "/chart-03.sud";

struct FakeAtlas {
    std::vector<std::string> queries;
    std::vector<EntryForm> forms;

    PlaceResolution operator()(std::string_view query, const EntryForm& form,
                               const ExplicitPlaceFields&) {
        queries.emplace_back(query);
        forms.push_back(form);
        PlaceResolution r;
        if (query == "Nowhere") {
            r.error = "no place \"Nowhere\" in the atlas";
            return r;
        }
        r.ok = true;
        r.form = form;
        r.form.city = "Fake Town";
        r.form.zoneIndex = 29;
        r.note = "decided";
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
        {{"--json", kChart, "--place"}, true, "--place needs a place"},
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
