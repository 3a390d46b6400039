// SPDX-License-Identifier: GPL-3.0-or-later
// Every reference chart file must produce the JSON that was computed for it
// independently of this program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/chart_json.h"
#include "core/chart/chart_opening.h"
#include "json_lite.h"

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
        if (want.keys == std::vector<std::string>{"error"}) {
            ASSERT_FALSE(opened);
            EXPECT_EQ(opened.error().message, want["error"].s);
            continue;
        }
        ASSERT_TRUE(opened) << opened.error().message;
        const testjson::Value got = testjson::Parse(ChartJson(*opened));

        // Keys and their order are a contract.
        EXPECT_EQ(got.keys, want.keys);
        EXPECT_EQ(got["name"].s, want["name"].s);
        EXPECT_EQ(got["details"].keys, want["details"].keys);
        for (const std::string& k : want["details"].keys) {
            EXPECT_EQ(got["details"][k].s, want["details"][k].s) << k;
        }
        ASSERT_EQ(got["bodies"].a.size(), 13u);
        for (std::size_t i = 0; i < 13; ++i) {
            const auto& g = got["bodies"][i];
            const auto& w = want["bodies"][i];
            SCOPED_TRACE(w["name"].s);
            EXPECT_EQ(g.keys, w.keys);
            EXPECT_EQ(g["name"].s, w["name"].s);
            EXPECT_EQ(WithoutMark(g["label"].s), w["label"].s);
            EXPECT_EQ(g["position"].s, w["position"].s);
            EXPECT_EQ(g["longText"].s, w["longText"].s);
            EXPECT_NEAR(g["longitude"].n, w["longitude"].n, 1e-9);
            EXPECT_EQ(g["retrograde"].kind, testjson::Value::Bool);
        }
        for (const char* ring : {"birth", "moon", "sun"}) {
            ASSERT_EQ(got["rings"][ring].a.size(), 12u);
            for (std::size_t h = 0; h < 12; ++h) {
                EXPECT_EQ(got["rings"][ring][h]["sign"].n, want["rings"][ring][h]["sign"].n);
                EXPECT_EQ(WithoutMark(got["rings"][ring][h]["occupants"].s),
                          want["rings"][ring][h]["occupants"].s)
                    << ring << " house " << h + 1;
            }
        }
    }
}

}  // namespace
}  // namespace vellamor
