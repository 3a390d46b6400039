#include "core/chart/chart_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/chart/entry_form.h"

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

// Every refusal keeps its reason and line; the user is shown the program's
// one message.
TEST(ChartFile, DamagedFilesAreRefusedWithTheirReason) {
    using P = ChartFileProblem;
    struct Case {
        const char* name;
        ChartFileProblem problem;
        int line;
    };
    const Case cases[] = {
        {"control-byte.sud", P::UndecodableLine, 1},
        {"letters-in-longitude.sud", P::UnacceptableValue, 8},
        {"four-digit-latitude.sud", P::UnacceptableValue, 10},
        {"line-too-long.sud", P::LineTooLong, 1},
        {"name-too-long.sud", P::UnacceptableValue, 1},
        {"larger-than-64k.sud", P::TooLarge, 0},
        {"capital-extension.SUD", P::NotAChartName, 0},
        {"wrong-extension.txt", P::NotAChartName, 0},
        {"does-not-exist.sud", P::NoSuchFile, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartReadResult r = ReadChartFile(Fixture(c.name));
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().problem, c.problem);
        EXPECT_EQ(r.error().line, c.line);
        EXPECT_EQ(ChartFileMessage(r.error()), "Please Check The File.");
    }
    TempDir dir;
    fs::create_directory(dir / "folder.sud");
    const ChartReadResult folder = ReadChartFile((dir / "folder.sud").string());
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().problem, P::NotRegularFile);
    if (::geteuid() != 0) {
        const fs::path locked = dir / "locked.sud";
        std::ofstream(locked) << "";
        fs::permissions(locked, fs::perms::none);
        const ChartReadResult denied = ReadChartFile(locked.string());
        ASSERT_FALSE(denied);
        EXPECT_EQ(denied.error().problem, P::PermissionDenied);
    }
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
    EXPECT_EQ(ValidateInput(f).error().message, "Please Enter Degree of Latitude");
    const ChartReadResult empty = ReadChartFile(Fixture("empty.sud"));
    ASSERT_TRUE(empty);
    EXPECT_EQ(ValidateInput(ApplyChartFields(EntryForm{}, *empty)).error().message,
              "Please Enter Your Name");
}

TEST(ChartFile, ValuesNoListHoldsKeepTheControlsAsTheyWere) {
    EntryForm before;
    before.monthIndex = 4, before.dayIndex = 9, before.yearIndex = 99, before.hourIndex = 5;
    before.minuteIndex = 6, before.zoneIndex = 12;
    before.longitude = LongitudeOption::West, before.latitude = LatitudeOption::South;
    before.daylightSaving = true;
    const ChartReadResult r = ReadChartFile(Fixture("values-no-list-holds.sud"));
    ASSERT_TRUE(r);
    const EntryForm after = ApplyChartFields(before, *r);
    EXPECT_EQ(after.monthIndex, 4);                     // "13"
    EXPECT_EQ(after.dayIndex, 9);                       // "05" is not an entry of the list
    EXPECT_EQ(after.yearIndex, 99);                     // "1850"
    EXPECT_EQ(after.hourIndex, 5);                      // "24"
    EXPECT_EQ(after.minuteIndex, 6);                    // "x"
    EXPECT_EQ(after.zoneIndex, 12);                     // "71"
    EXPECT_EQ(after.longitude, LongitudeOption::West);  // "maybe"
    EXPECT_EQ(after.latitude, LatitudeOption::South);   // ""
    EXPECT_TRUE(after.daylightSaving);                  // "yes"
    EXPECT_EQ(after.name, "Asha Rao");

    const ChartReadResult flags = ReadChartFile(Fixture("flags-any-case-and-numbers.sud"));
    ASSERT_TRUE(flags);
    const EntryForm g = ApplyChartFields(before, *flags);
    EXPECT_EQ(g.longitude, LongitudeOption::East);  // "tRUE"
    EXPECT_EQ(g.latitude, LatitudeOption::South);   // "1"
    EXPECT_FALSE(g.daylightSaving);                 // "0"
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
    EXPECT_EQ(ChartWriteMessage(r.error()),
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

    // A folder that cannot be written: failure reported, nothing left behind.
    if (::geteuid() != 0) {
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        r = WriteChartFile(path, b);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().problem, ChartWriteProblem::FolderNotWritable);
        fs::permissions(dir.path(), fs::perms::owner_all);
    }
    r = WriteChartFile((dir / "missing-folder" / "x.sud").string(), b);
    ASSERT_FALSE(r);
    EXPECT_NE(ChartWriteMessage(r.error()).find("the folder cannot be written"), std::string::npos);
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
