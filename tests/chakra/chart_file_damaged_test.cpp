// Chart files that are cut short or hold something other than a list entry:
// opening one must keep the list selections it cannot read, never read an
// undefined value, and say what is wrong.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "chakra/chart_file.h"

namespace vellamor {
namespace {

// A form whose list selections all differ from the defaults.
EntryForm SelectedForm() {
    EntryForm f;
    f.monthIndex = 4;
    f.dayIndex = 9;
    f.yearIndex = 79;
    f.hourIndex = 7;
    f.minuteIndex = 5;
    f.zoneIndex = 34;
    return f;
}

struct ListLineCase {
    int line;  // index in ChartFields
    std::string text;
    bool selects;       // the text names an entry of the list
    int wantIndex = 0;  // the list position then
};

int ListIndex(const EntryForm& f, int line) {
    switch (line) {
        case 1:
            return f.monthIndex;
        case 2:
            return f.dayIndex;
        case 3:
            return f.yearIndex;
        case 4:
            return f.hourIndex;
        case 5:
            return f.minuteIndex;
        default:
            return f.zoneIndex;
    }
}

TEST(ChartFileDamaged, ListLinesSelectOnlyEntriesOfTheirList) {
    const std::vector<ListLineCase> cases = {
        {1, "", false},      {1, "0", false},      {1, "13", false},
        {1, "-1", false},    {1, "12", true, 11},  {1, "1", true, 0},
        {1, "x", false},     {1, " 3", false},     {2, "", false},
        {2, "32", false},    {2, "05", false},     {2, "31", true, 30},
        {3, "", false},      {3, "1900", false},   {3, "2051", false},
        {3, "01980", false}, {3, "1901", true, 0}, {3, "2050", true, 149},
        {4, "24", false},    {4, "0", true, 0},    {5, "60", false},
        {5, "59", true, 59}, {6, "", false},       {6, "71", false},
        {6, "-0", true, 0},  {6, "70", true, 70},  {6, "99999999999", false},
        {6, "1e1", false},
    };
    for (const ListLineCase& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line + 1) + " \"" + c.text + "\"");
        ChartFields fields;
        fields[static_cast<std::size_t>(c.line)] = c.text;
        const EntryForm before = SelectedForm();
        const EntryForm after = ApplyChartFields(before, fields);
        EXPECT_EQ(ListIndex(after, c.line), c.selects ? c.wantIndex : ListIndex(before, c.line));
    }
}

// Every list line missing, as in an empty or truncated file: nothing of the
// form's selections may change.
TEST(ChartFileDamaged, MissingLinesKeepEverySelection) {
    const EntryForm before = SelectedForm();
    const EntryForm after = ApplyChartFields(before, ChartFields{});
    for (int line = 1; line <= 6; ++line)
        EXPECT_EQ(ListIndex(after, line), ListIndex(before, line));
}

TEST(ChartFileDamaged, OpeningSaysWhatIsWrong) {
    auto encode = [](const std::vector<std::string>& lines) {
        std::string out;
        for (const std::string& l : lines)
            out += *EncodeChartField(l) + "\r\n";
        return out;
    };
    const std::vector<std::string> good = {
        "Asha Rao", "3",  "5",    "1980",  "7",     "5",    "34",          "77",   "13",
        "28",       "37", "True", "False", "False", "Pune", "Maharashtra", "India"};
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    };
    std::vector<std::string> february = good;
    february[1] = "2", february[2] = "30";
    const std::vector<Case> cases = {
        {"empty file", "", "Please Enter Your Name"},
        {"cut after the minute", encode({good.begin(), good.begin() + 6}),
         "Please Enter Degree of Latitude"},
        {"plain text, not shifted", "Asha Rao\r\n3\r\n", std::string(kCheckFileMessage)},
        {"30 February", encode(february), "Please Enter Correct Date Or Month!"},
    };
    const std::string path = ::testing::TempDir() + "damaged.sud";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            std::FILE* f = std::fopen(path.c_str(), "wb");
            ASSERT_NE(f, nullptr);
            std::fwrite(c.bytes.data(), 1, c.bytes.size(), f);
            std::fclose(f);
        }
        const OpenedChart opened = OpenChartFile(path);
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.error, c.message);
    }
    std::remove(path.c_str());
}

// Only a regular file of at most 64 KiB is read, and nothing that is not one
// may block or fill the memory.
TEST(ChartFileDamaged, ReadingRefusesWhatIsNotASmallRegularFile) {
    const std::string folder = ::testing::TempDir();
    // A good chart followed by empty lines up to the size.
    auto write = [](const std::string& path, std::size_t bytes) {
        std::string content;
        ASSERT_TRUE(SerializeChartFile(ChartFieldsFromBirthData(BirthData{}), content).ok);
        while (content.size() < bytes)
            content += "\r\n";
        content.resize(bytes);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    };
    const std::string atLimit = folder + "at-limit.sud";
    const std::string overLimit = folder + "over-limit.sud";
    const std::string fifo = folder + "fifo.sud";
    const std::string directory = folder + "folder.sud";
    write(atLimit, kMaxChartFileBytes);
    write(overLimit, kMaxChartFileBytes + 1);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(directory.c_str(), 0700), 0);

    EXPECT_TRUE(ReadChartFile(atLimit).ok());
    for (const std::string& path : {overLimit, fifo, directory, folder + "missing.sud"}) {
        SCOPED_TRACE(path);
        const ChartReadResult r = ReadChartFile(path);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error, kCheckFileMessage);
    }
    std::remove(atLimit.c_str());
    std::remove(overLimit.c_str());
    ::unlink(fifo.c_str());
    ::rmdir(directory.c_str());
}

}  // namespace
}  // namespace vellamor
