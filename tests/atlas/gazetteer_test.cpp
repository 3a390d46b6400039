// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/gazetteer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "built_in_places.h"

namespace vellamor::atlas {
namespace {

const char kText[] =
    "D\t2023-03-05\n"
    "C\tXX\tNowhere\tNo Land|NWL\n"
    "C\tYY\tElsewhere\t\n"
    "S\t0\tEast\tEA\n"
    "S\t1\tWest\tWE\n"
    "Z\tUTC\nZ\tAsia/Kolkata\n"
    "P\tAbc\t1.5\t-2\t0\t500\t0\tOld Abc|Abcville\n"
    "P\tSão Abc\t-10.25\t77.125\t1\t40\t1\t\n";

std::string TableBytes() {
    const auto g = Gazetteer::FromText(kText);
    return g ? std::string(g->tableBytes()) : std::string();
}

std::uint64_t U64At(const std::string& bytes, std::size_t at) {
    std::uint64_t v = 0;
    std::memcpy(&v, bytes.data() + at, sizeof v);
    return v;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The table read from its bytes and from a file answers as the text it was
// made from; the program's own table opens.
TEST(GazetteerTable, ReadsBackWhatItWasMadeFrom) {
    const std::string bytes = TableBytes();
    ASSERT_FALSE(bytes.empty());
    QTemporaryDir dir;
    const std::string path = dir.filePath("places.atlas").toStdString();
    WriteFile(path, bytes);
    auto fromBytes = Gazetteer::FromTable(bytes);
    auto fromFile = Gazetteer::OpenTable(path);
    ASSERT_TRUE(fromBytes);
    ASSERT_TRUE(fromFile);
    for (const Gazetteer* g : {&*fromBytes, &*fromFile}) {
        EXPECT_EQ(g->placeCount(), 2u);
        EXPECT_EQ(g->dumpDate(), "2023-03-05");
        EXPECT_EQ(g->PlaceAt(1), (Place{"São Abc", "West", "Elsewhere", "YY", "Asia/Kolkata",
                                        -10.25, 77.125, 40, ""}));
        EXPECT_EQ(g->PlaceAt(0, 2).typedName, "Abcville");
        EXPECT_EQ(g->PlaceAt(7).name, "");
        const auto matches = g->Lookup("abc", {});
        ASSERT_EQ(matches.size(), 2u);
        EXPECT_EQ(matches[0].place, 0u);  // an exact name, then an inner word
        EXPECT_EQ(matches[1].match, NameMatch::InnerWord);
        EXPECT_EQ(g->Lookup("abc", {"WE"}).size(), 1u);
    }
    EXPECT_FALSE(BuiltInPlaces().fault());
    EXPECT_GT(BuiltInPlaces().placeCount(), 100000u);
}

// A table that is missing, cut short, of another version or pointing
// outside itself is refused with the kind of fault, never read.
TEST(GazetteerTable, RefusesADamagedTable) {
    const std::string good = TableBytes();
    ASSERT_GT(good.size(), 200u);
    const std::uint64_t divisions = U64At(good, 32 + 16 * 3);
    const struct {
        const char* what;
        std::function<void(std::string&)> damage;
        GazetteerProblem problem;
    } cases[] = {
        {"empty", [](std::string& b) { b.clear(); }, GazetteerProblem::NotATable},
        {"text", [](std::string& b) { b = kText; }, GazetteerProblem::NotATable},
        {"cut short", [](std::string& b) { b.resize(b.size() - 1); }, GazetteerProblem::Damaged},
        {"header only", [](std::string& b) { b.resize(60); }, GazetteerProblem::Damaged},
        {"version", [](std::string& b) { b[8] = 9; }, GazetteerProblem::OtherVersion},
        {"byte order", [](std::string& b) { std::swap(b[12], b[15]); },
         GazetteerProblem::OtherVersion},
        {"part past the end", [](std::string& b) { b[32 + 16 * 5 + 6] = 0x7F; },
         GazetteerProblem::Damaged},
        {"count past the end", [](std::string& b) { b[40 + 16 * 7 + 3] = 0x7F; },
         GazetteerProblem::Damaged},
        {"no such country", [divisions](std::string& b) { b[divisions + 24] = 5; },
         GazetteerProblem::Damaged},
        {"name outside the strings", [divisions](std::string& b) { b[divisions + 7] = 0x7F; },
         GazetteerProblem::Damaged},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        std::string bytes = good;
        c.damage(bytes);
        const auto fromBytes = Gazetteer::FromTable(bytes);
        ASSERT_FALSE(fromBytes) << c.what;
        EXPECT_EQ(fromBytes.error().problem, c.problem) << c.what;
        const std::string path = dir.filePath("damaged.atlas").toStdString();
        WriteFile(path, bytes);
        const auto fromFile = Gazetteer::OpenTable(path);
        ASSERT_FALSE(fromFile) << c.what;
        EXPECT_EQ(fromFile.error().problem, c.problem) << c.what;
        EXPECT_EQ(fromFile.error().path, path);
    }
    const auto missing = Gazetteer::OpenTable(dir.filePath("none.atlas").toStdString());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().problem, GazetteerProblem::Missing);
}

}  // namespace
}  // namespace vellamor::atlas
