// SPDX-License-Identifier: GPL-3.0-or-later
// Every reference chart file must produce the JSON that was computed for it
// independently of this program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/chart_json.h"
#include "cli/wording.h"
#include "core/chart/chart_opening.h"
#include "json.h"

namespace vellamor {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The fixtures were computed without station tables: compare labels without
// the retrograde mark.
std::string WithoutMark(std::string s) {
    for (std::size_t p; (p = s.find(" (R) ")) != std::string::npos;)
        s.erase(p, 5);
    return s;
}

std::vector<fs::path> ReferenceFiles() {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(VELLAMOR_REFERENCE_CHARTS)) {
        if (e.path().extension() == ".sud")
            files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(ReferenceCharts, EveryChartMatchesItsIndependentJson) {
    const auto files = ReferenceFiles();
    ASSERT_GE(files.size(), 20u);
    for (const fs::path& sud : files) {
        SCOPED_TRACE(sud.filename().string());
        const auto opened = OpenChartFile(sud.string());
        fs::path jsonPath = sud;
        jsonPath.replace_extension(".json");
        const testjson::Value want = testjson::Parse(ReadAll(jsonPath));
        // A chart the program refuses (a place off the Earth) expects its
        // message instead.
        if (testjson::Keys(want) == std::vector<std::string>{"error"}) {
            ASSERT_FALSE(opened);
            EXPECT_EQ(OpeningErrorText(opened.error()), want.at("error").get<std::string>());
            continue;
        }
        ASSERT_TRUE(opened) << OpeningErrorText(opened.error());
        const testjson::Value got = testjson::Parse(ChartJson(*opened));

        // Keys and their order are a contract.
        EXPECT_EQ(testjson::Keys(got), testjson::Keys(want));
        EXPECT_EQ(got.at("name").get<std::string>(), want.at("name").get<std::string>());
        EXPECT_EQ(testjson::Keys(got.at("details")), testjson::Keys(want.at("details")));
        for (const std::string& k : testjson::Keys(want.at("details"))) {
            EXPECT_EQ(got.at("details").at(k).get<std::string>(),
                      want.at("details").at(k).get<std::string>())
                << k;
        }
        ASSERT_EQ(got.at("bodies").size(), 13u);
        for (std::size_t i = 0; i < 13; ++i) {
            const auto& g = got.at("bodies").at(i);
            const auto& w = want.at("bodies").at(i);
            SCOPED_TRACE(w.at("name").get<std::string>());
            EXPECT_EQ(testjson::Keys(g), testjson::Keys(w));
            EXPECT_EQ(g.at("name").get<std::string>(), w.at("name").get<std::string>());
            EXPECT_EQ(WithoutMark(g.at("label").get<std::string>()),
                      w.at("label").get<std::string>());
            EXPECT_EQ(g.at("position").get<std::string>(), w.at("position").get<std::string>());
            EXPECT_EQ(g.at("longText").get<std::string>(), w.at("longText").get<std::string>());
            EXPECT_NEAR(g.at("longitude").get<double>(), w.at("longitude").get<double>(), 1e-9);
            EXPECT_EQ(g.at("retrograde").is_boolean(), true);
            EXPECT_EQ(g.at("nakshatra"), w.at("nakshatra"));
        }
        for (const char* ring : {"birth", "moon", "sun"}) {
            ASSERT_EQ(got.at("rings").at(ring).size(), 12u);
            for (std::size_t h = 0; h < 12; ++h) {
                EXPECT_EQ(got.at("rings").at(ring).at(h).at("sign").get<double>(),
                          want.at("rings").at(ring).at(h).at("sign").get<double>());
                EXPECT_EQ(
                    WithoutMark(got.at("rings").at(ring).at(h).at("occupants").get<std::string>()),
                    want.at("rings").at(ring).at(h).at("occupants").get<std::string>())
                    << ring << " house " << h + 1;
            }
        }
    }
}

}  // namespace
}  // namespace vellamor
