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
#include "core/chart/chart_opening.h"
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
    // Byte for byte: a field of n characters takes n + 2 bytes; without an
    // exact offset there is no eighteenth line.
    const std::string bytes = ReadBytes(path);
    std::size_t expected = 0;
    for (int line = 0; line < kChartFieldCount; ++line)
        expected += want[static_cast<std::size_t>(line)].size() + 2;
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
        {"/etc/passwd/x.sud", P::NoSuchFile, 0, "no such file"},
        {"empty.sud", P::EmptyFile, 0, "the file is empty"},
        {"values-no-list-holds.sud", P::UnacceptableValue, 2, "line 2: month 13 is not 1 to 12"},
        {"short-six-lines.sud", P::EndsEarly, 6, "the file ends after line 6"},
        {"extra-lines.sud", P::TrailingBytes, 17, "the file goes on after line 17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartReadResult r = ReadChartFile(c.name[0] == '/' ? c.name : Fixture(c.name));
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

TEST(ChartFile, TolerantReadingOfWhatTheProgramCouldHaveWritten) {
    const ChartReadResult good = ReadChartFile(Fixture("good.sud"));
    ASSERT_TRUE(good);
    const ChartReadResult lfOnly = ReadChartFile(Fixture("good-lf-only.sud"));
    ASSERT_TRUE(lfOnly);
    EXPECT_EQ(*lfOnly, *good);
    const ChartReadResult latin = ReadChartFile(Fixture("latin1-name.sud"));
    ASSERT_TRUE(latin);
    EXPECT_EQ((*latin)[0], "Jos\u00aa Mar\u00a9a");
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

// Exactly 64 KiB is read (and then refused for what follows the chart, not
// for its size); a FIFO under a chart's name is refused at once instead of
// waiting for a writer.
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
    const ChartReadResult full = ReadChartFile(atLimit.string());
    ASSERT_FALSE(full);
    EXPECT_EQ(full.error().problem, ChartFileProblem::TrailingBytes);

    const fs::path fifo = dir / "fifo.sud";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ChartReadResult r = ReadChartFile(fifo.string());
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().problem, ChartFileProblem::NotRegularFile);
}

}  // namespace
}  // namespace vellamor
