// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/wording.h"
#include "core/chart/entry_form.h"
#include "unprivileged.h"

namespace vellamor {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    return std::string(VELLAMOR_TEST_DATA) + "/charts/" + name;
}

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class TempDir {
  public:
    TempDir() {
        std::string tmpl = (fs::temp_directory_path() / "vellamor-test-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TempDir() { fs::remove_all(path_); }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

BirthData SampleBirth() {
    BirthData b;
    b.name = "  Asha Rao ";
    b.day = 29, b.month = 2, b.year = 2000, b.hour = 23, b.minute = 59;
    b.zoneIndex = 54, b.zoneHours = 8;
    b.lonDegrees = 122, b.lonMinutes = 25, b.latDegrees = 37, b.latMinutes = 46;
    b.eastLongitude = false, b.southLatitude = true, b.daylightSaving = true;
    b.city = "San Francisco", b.state = "California", b.country = "USA";
    return b;
}

TEST(ChartFile, EncodingShiftsEveryCharacterByEightyFive) {
    EXPECT_EQ(*EncodeChartField("abc"), "\xB6\xB7\xB8");
    EXPECT_EQ(*EncodeChartField("True"), "\xA9\xC7\xCA\xBA");
    EXPECT_EQ(*EncodeChartField("0 9"), "\x85\x75\x8E");
    EXPECT_EQ(*DecodeChartField("\xB6\xB7\xB8"), "abc");
    // Codes 128..170 are Latin-1 code points; above that nothing is carried.
    EXPECT_EQ(*EncodeChartField("\u00aa"), "\xFF");
    EXPECT_EQ(*DecodeChartField("\xFF"), "\u00aa");
    EXPECT_FALSE(EncodeChartField("\u00e9"));
    EXPECT_FALSE(EncodeChartField("\xC3"));  // broken UTF-8
    EXPECT_FALSE(DecodeChartField("\x74"));  // decodes to 31
    EXPECT_TRUE(HasChartExtension("a/b.sud"));
    EXPECT_FALSE(HasChartExtension("a/b.SUD"));
    EXPECT_FALSE(HasChartExtension("ud"));
}

TEST(ChartFile, WriteThenReadGivesTheSameSeventeenFields) {
    TempDir dir;
    const std::string path = (dir / "asha.sud").string();
    const BirthData b = SampleBirth();
    ASSERT_TRUE(WriteChartFile(path, b));
    const ChartReadResult r = ReadChartFile(path);
    ASSERT_TRUE(r);
    const ChartFields want{"Asha Rao",      "2",          "29", "2000", "23",    "59",   "54",
                           "122",           "25",         "37", "46",   "False", "True", "True",
                           "San Francisco", "California", "USA"};
    EXPECT_EQ(*r, want);
    // Byte for byte: a field of n characters takes n + 2 bytes.
    const std::string bytes = ReadBytes(path);
    std::size_t expected = 0;
    for (const auto& f : want)
        expected += f.size() + 2;
    EXPECT_EQ(bytes.size(), expected);
    EXPECT_EQ(bytes.substr(0, 10), "\x96\xC8\xBD\xB6\x75\xA7\xB6\xC4\x0D\x0A");
    // Restoring gives back the form that computes the same birth data (the
    // name is saved trimmed).
    const EntryForm form = ApplyChartFields(EntryForm{}, *r);
    BirthData again = CopyFormToBirthData(form);
    BirthData trimmed = b;
    trimmed.name = "Asha Rao";
    EXPECT_EQ(again, trimmed);
}

// Every refusal keeps its reason and line, and says why in words the user
// can act on, under the program's one message.
TEST(ChartFile, DamagedFilesAreRefusedWithTheirReason) {
    using P = ChartFileProblem;
    struct Case {
        const char* name;
        ChartFileProblem problem;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"control-byte.sud", P::UndecodableLine, 1, "line 1 cannot be decoded"},
        {"letters-in-longitude.sud", P::UnacceptableValue, 8,
         "line 8: degrees of longitude \"7a\" are not one to three digits"},
        {"four-digit-latitude.sud", P::UnacceptableValue, 10,
         "line 10: degrees of latitude 1234 are not one to three digits"},
        {"line-too-long.sud", P::LineTooLong, 1, "line 1 is too long"},
        {"name-too-long.sud", P::UnacceptableValue, 1,
         "line 1: the name is longer than 200 characters"},
        {"larger-than-64k.sud", P::TooLarge, 0, "larger than 64 KiB"},
        {"capital-extension.SUD", P::NotAChartName, 0, "the name does not end in \"sud\""},
        {"wrong-extension.txt", P::NotAChartName, 0, "the name does not end in \"sud\""},
        {"does-not-exist.sud", P::NoSuchFile, 0, "no such file"},
        {"empty.sud", P::EmptyFile, 0, "the file is empty"},
        {"values-no-list-holds.sud", P::UnacceptableValue, 2, "line 2: month 13 is not 1 to 12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartReadResult r = ReadChartFile(Fixture(c.name));
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().problem, c.problem);
        EXPECT_EQ(r.error().line, c.line);
        EXPECT_EQ(ChartFileReasonText(r.error()), c.reason);
    }
    TempDir dir;
    fs::create_directory(dir / "folder.sud");
    const ChartReadResult folder = ReadChartFile((dir / "folder.sud").string());
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().problem, P::NotRegularFile);
    EXPECT_EQ(ChartFileReasonText(folder.error()), "not a regular file");
    // As an ordinary user: a file nobody may read.
    EXPECT_TRUE(test::RunUnprivileged([](const fs::path& scratch) -> std::string {
        const fs::path locked = scratch / "locked.sud";
        std::ofstream(locked) << "x\r\n";
        fs::permissions(locked, fs::perms::none);
        const ChartReadResult denied = ReadChartFile(locked.string());
        if (denied)
            return "read";
        const std::string reason = ChartFileReasonText(denied.error());
        return reason == "permission denied" ? "" : "reason \"" + reason + "\"";
    }));
}

// A chart file is read whole or refused whole: one value that no control can
// take, or a line cut off, refuses the file with its line.
TEST(ChartFile, AValueTheFormCannotTakeRefusesTheWholeFile) {
    struct Case {
        int line;
        std::string text;
        std::string reason;  // empty: read
    };
    const std::vector<Case> cases{
        {2, "13", "line 2: month 13 is not 1 to 12"},
        {2, "0", "line 2: month 0 is not 1 to 12"},
        {2, "", "line 2: month is not 1 to 12"},
        {3, "32", "line 3: day 32 is not 1 to 31"},
        {3, "05", "line 3: day \"05\" is not 1 to 31"},
        {4, "1900", "line 4: year 1900 is not 1901 to 2050"},
        {5, "24", "line 5: hour 24 is not 0 to 23"},
        {6, "x", "line 6: minute \"x\" is not 0 to 59"},
        {7, "71", "line 7: time zone row 71 is not 0 to 70"},
        {7, "-1", "line 7: time zone row -1 is not 0 to 70"},
        {12, "maybe", "line 12: East/West \"maybe\" is neither True nor False"},
        {13, "nan", "line 13: North/South \"nan\" is neither True nor False"},
        {14, "inf", "line 14: Daylight Saving Time \"inf\" is neither True nor False"},
        {14, "1e999", "line 14: Daylight Saving Time \"1e999\" is neither True nor False"},
        {14, "0.5", "line 14: Daylight Saving Time \"0.5\" is neither True nor False"},
        {12, "tRUE", ""},
        {13, "-1", ""},
        {14, "0", ""},
        {7, "70", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line) + " \"" + c.text + "\"");
        ChartFields fields = ChartFieldsFromBirthData(SampleBirth());
        fields[static_cast<std::size_t>(c.line - 1)] = c.text;
        const auto bytes = SerializeChartFile(fields);
        ASSERT_TRUE(bytes);
        const ChartReadResult r = ParseChartFile(*bytes);
        EXPECT_EQ(r.has_value(), c.reason.empty());
        EXPECT_EQ(r ? std::string() : ChartFileReasonText(r.error()), c.reason);
    }
    // Cut short in the middle of a line, at any line.
    const auto whole = SerializeChartFile(ChartFieldsFromBirthData(SampleBirth()));
    ASSERT_TRUE(whole);
    auto reason = [](std::string_view bytes) {
        const ChartReadResult r = ParseChartFile(bytes);
        return r ? std::string("read") : ChartFileReasonText(r.error());
    };
    EXPECT_EQ(reason(whole->substr(0, whole->size() - 3)), "line 17 is cut short");
    EXPECT_EQ(reason(whole->substr(0, 5)), "line 1 is cut short");
    // Fewer than 17 whole lines: the missing fields are empty.
    std::size_t sixLines = 0;
    for (int i = 0; i < 6; ++i)
        sixLines = whole->find("\r\n", sixLines) + 2;
    EXPECT_EQ(reason(whole->substr(0, sixLines)), "read");
}

TEST(ChartFile, TolerantReadingOfWhatTheProgramCouldHaveWritten) {
    const ChartReadResult good = ReadChartFile(Fixture("good.sud"));
    ASSERT_TRUE(good);
    for (const char* name : {"good-lf-only.sud", "extra-lines.sud"}) {
        const ChartReadResult r = ReadChartFile(Fixture(name));
        ASSERT_TRUE(r) << name;
        EXPECT_EQ(*r, *good) << name;
    }
    const ChartReadResult latin = ReadChartFile(Fixture("latin1-name.sud"));
    ASSERT_TRUE(latin);
    EXPECT_EQ((*latin)[0], "Jos\u00aa Mar\u00a9a");

    // Fewer lines: the missing fields are empty, and validation speaks.
    const ChartReadResult shortFile = ReadChartFile(Fixture("short-six-lines.sud"));
    ASSERT_TRUE(shortFile);
    EXPECT_EQ((*shortFile)[5], "5");
    EXPECT_EQ((*shortFile)[6], "");
    const EntryForm f = ApplyChartFields(EntryForm{}, *shortFile);
    EXPECT_EQ(ValidateInput(f).error(), FormCheck::LatDegrees);
}

TEST(ChartFile, FlagsReadInAnyCaseOrAsIntegers) {
    EntryForm before;
    before.longitude = LongitudeOption::West, before.latitude = LatitudeOption::North;
    before.daylightSaving = true;
    const ChartReadResult flags = ReadChartFile(Fixture("flags-any-case-and-numbers.sud"));
    ASSERT_TRUE(flags);
    const EntryForm g = ApplyChartFields(before, *flags);
    EXPECT_EQ(g.longitude, LongitudeOption::East);  // "tRUE"
    EXPECT_EQ(g.latitude, LatitudeOption::South);   // "1"
    EXPECT_FALSE(g.daylightSaving);                 // "0"
}

// Nothing checks the 200-character limit on the way out and in but this: a
// text of exactly 200 characters is saved and opened again unchanged.
TEST(ChartFile, TextsOfTwoHundredCharactersRoundTrip) {
    TempDir dir;
    BirthData b = SampleBirth();
    b.name = std::string(100, 'N') + std::string(100, 'm');
    b.city = std::string(200, 'C');
    b.state = std::string(199, 'S') + "\u00a9";  // 200 characters, 201 bytes of UTF-8
    b.country = std::string(200, 'y');
    const std::string path = (dir / "long.sud").string();
    ASSERT_TRUE(WriteChartFile(path, b));
    const ChartReadResult r = ReadChartFile(path);
    ASSERT_TRUE(r) << ChartFileReasonText(r.error());
    EXPECT_EQ((*r)[0], b.name);
    EXPECT_EQ((*r)[14], b.city);
    EXPECT_EQ((*r)[15], b.state);
    EXPECT_EQ((*r)[16], b.country);
}

TEST(ChartFile, AFailedSaveSaysSoAndLeavesTheOldFileIntact) {
    TempDir dir;
    const std::string path = (dir / "keep.sud").string();
    BirthData b = SampleBirth();
    ASSERT_TRUE(WriteChartFile(path, b));
    const std::string before = ReadBytes(path);

    // A character the encoding cannot carry is refused, not written wrong.
    BirthData accented = b;
    accented.city = "S\u00e3o Paulo";
    auto r = WriteChartFile(path, accented);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().problem, ChartWriteProblem::UncarriableCharacter);
    EXPECT_EQ(r.error().character, "\u00e3");
    EXPECT_EQ(ChartWriteText(r.error()),
              "The chart cannot be saved: the City holds the character \"\u00e3\", which a "
              "chart file cannot carry.");
    EXPECT_EQ(ReadBytes(path), before);

    // A text the reader would refuse is never written.
    BirthData longName = b;
    longName.name = std::string(201, 'A');
    r = WriteChartFile(path, longName);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().problem, ChartWriteProblem::TextTooLong);
    EXPECT_EQ(r.error().line, 1);
    EXPECT_EQ(ReadBytes(path), before);

    // A folder that cannot be written: failure reported with the path and
    // the system's reason, nothing left behind.
    EXPECT_TRUE(test::RunUnprivileged([&b](const fs::path& scratch) -> std::string {
        fs::permissions(scratch, fs::perms::owner_read | fs::perms::owner_exec);
        const std::string target = (scratch / "x.sud").string();
        const auto denied = WriteChartFile(target, b);
        fs::permissions(scratch, fs::perms::owner_all);
        if (denied)
            return "written";
        if (ChartWriteText(denied.error()) != target + ": Permission denied")
            return "message \"" + ChartWriteText(denied.error()) + "\"";
        return fs::is_empty(scratch) ? "" : "something was left behind";
    }));
    const std::string missing = (dir / "missing-folder" / "x.sud").string();
    r = WriteChartFile(missing, b);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().problem, ChartWriteProblem::NotReplaced);
    EXPECT_EQ(ChartWriteText(r.error()), missing + ": No such file or directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

// List lines against the boundaries of their lists: only an entry's own text
// selects it, anything else (or nothing, as in a cut-off file) keeps the
// selection. Each line alone, from a form whose selections are all set.
TEST(ChartFile, ListLinesSelectOnlyEntriesOfTheirList) {
    struct Case {
        int line;  // index in ChartFields: 1 month .. 5 minute, 6 zone
        std::string text;
        int want;  // list position after reading; -1 when the selection stays
    };
    const std::vector<Case> cases = {
        {1, "", -1},     {1, "0", -1},     {1, "13", -1},  {1, "-1", -1},
        {1, "1", 0},     {1, "12", 11},    {1, " 3", -1},  {2, "", -1},
        {2, "32", -1},   {2, "31", 30},    {3, "", -1},    {3, "1900", -1},
        {3, "2051", -1}, {3, "01980", -1}, {3, "1901", 0}, {3, "2050", 149},
        {4, "", -1},     {4, "24", -1},    {4, "0", 0},    {5, "", -1},
        {5, "60", -1},   {5, "59", 59},    {6, "", -1},    {6, "71", -1},
        {6, "70", 70},   {6, "-0", 0},     {6, "1e1", -1}, {6, "99999999999", -1},
    };
    EntryForm before;
    before.monthIndex = 4, before.dayIndex = 9, before.yearIndex = 79, before.hourIndex = 7;
    before.minuteIndex = 5, before.zoneIndex = 34;
    auto index = [](const EntryForm& f, int line) {
        const int indices[] = {0,           f.monthIndex,  f.dayIndex, f.yearIndex,
                               f.hourIndex, f.minuteIndex, f.zoneIndex};
        return indices[line];
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line + 1) + " \"" + c.text + "\"");
        ChartFields fields;
        fields[static_cast<std::size_t>(c.line)] = c.text;
        const EntryForm after = ApplyChartFields(before, fields);
        EXPECT_EQ(index(after, c.line), c.want >= 0 ? c.want : index(before, c.line));
    }
}

// Exactly 64 KiB is read; a FIFO under a chart's name is refused at once
// instead of waiting for a writer.
TEST(ChartFile, ReadsUpToTheLimitAndNeverWaitsOnAFifo) {
    TempDir dir;
    const auto serialized = SerializeChartFile(ChartFieldsFromBirthData(SampleBirth()));
    ASSERT_TRUE(serialized);
    std::string content = *serialized;
    while (content.size() < kMaxChartFileBytes)
        content += "\r\n";
    content.resize(kMaxChartFileBytes);
    const fs::path atLimit = dir / "at-limit.sud";
    std::ofstream(atLimit, std::ios::binary) << content;
    EXPECT_TRUE(ReadChartFile(atLimit.string()));

    const fs::path fifo = dir / "fifo.sud";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ChartReadResult r = ReadChartFile(fifo.string());
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().problem, ChartFileProblem::NotRegularFile);
}

}  // namespace
}  // namespace vellamor
