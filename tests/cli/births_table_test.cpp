// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/births_table.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/batch.h"
#include "cli/checked_output.h"
#include "cli/csv_reader.h"
#include "cli/headless.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_opening.h"
#include "core/io/temporary_cleanup.h"

namespace vellamor {
namespace {

namespace fs = std::filesystem;

TEST(BirthHeader, NamesColumnsOrSaysWhatIsWrong) {
    const auto ok = ReadBirthHeader({" Date ", "NAME", "place"});
    ASSERT_TRUE(ok);
    EXPECT_EQ(*ok,
              (std::vector<BirthColumn>{BirthColumn::Date, BirthColumn::Name, BirthColumn::Place}));
    struct Case {
        std::vector<std::string> header;
        std::string error;  // its start
    };
    const Case bad[] = {
        {{"Ravi", "1980-03-05"}, "no header row naming the columns (name, date,"},
        {{"name", "birthday"}, "unknown column \"birthday\" (the columns are name,"},
        {{"name", "date", "Name"}, "column \"name\" is given twice"},
        {{"name", "bir\x1bth"}, "unknown column \"bir\\u001Bth\""},
    };
    for (const Case& c : bad) {
        const auto r = ReadBirthHeader(c.header);
        ASSERT_FALSE(r) << c.error;
        EXPECT_EQ(r.error().substr(0, c.error.size()), c.error);
    }
}

// ---- The whole command -----------------------------------------------------

class BirthsTable : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vellamor-births-XXXXXX").string();
        m_dir = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Write(const std::string& text, const std::string& name = "births.csv") {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    struct Outcome {
        int status;
        std::string out, err;
    };
    static Outcome Run(const std::vector<std::string>& args, const HeadlessServices& s = {}) {
        std::ostringstream out, err;
        const int status = RunHeadless(args, out, err, s);
        return {status, out.str(), err.str()};
    }

    fs::path m_dir;
};

const std::string kHeader = "name,date,time,zone,dst,lat,lon,city,state,country\n";
const std::string kPune =
    "Ravi Kumar,1980-03-05,7:05,34,false,18:31N,73:51E,Pune,Maharashtra,India\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(BirthsTable, FailingRowsAreNamedByLineAndTheOthersGoOn) {
    const std::string table = kHeader + kPune +                                  // row 1, line 2
                              "\"Ann\nLee\",1980-03-05\n" +                      // row 2, lines 3-4
                              "Bad,1980-13-05,7:05,34,no,1:01N,1:01E,a,b,c\n" +  // row 3, line 5
                              ",1980-03-05,7:05,34,no,1:01N,1:01E,a,b,c\n" +     // row 4, line 6
                              kPune +                                            // row 5, line 7
                              // Cells of 900 KB: quoted by their start, with their length.
                              "Big," + std::string(900'000, '7') +
                              ",7:05,34,no,1:01N,1:01E,a,b,c\n" + "Big,1980-03-05,7:05,34," +
                              std::string(900'000, 'y') + ",1:01N,1:01E,a,b,c\n";
    const std::string path = Write(table);
    const Outcome r = Run({"--json", "--births", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, path + ":3: the row has 2 of the 10 columns\n" + path +
                         ":5: date: the month must be 1 to 12 (got 13)\n" + path +
                         ":6: Please Enter Your Name\n" + path +
                         ":8: date: expected YYYY-MM-DD, got \"" + std::string(32, '7') +
                         "...\", 900000 bytes long\n" + path +
                         ":9: dst: expected true or false, got \"" + std::string(32, 'y') +
                         "...\", 900000 bytes long\n");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].ends_with(", \"row\": 1}"));
    EXPECT_TRUE(lines[1].ends_with(", \"row\": 5}"));

    // Standard input is named "-"; a wrong header stops before any row.
    std::istringstream in("name,when\n" + kPune);
    HeadlessServices s;
    s.standardInput = &in;
    const Outcome header = Run({"--json", "--births", "-"}, s);
    EXPECT_EQ(header.status, 2);
    EXPECT_TRUE(header.out.empty());
    EXPECT_EQ(header.err.rfind("vellamor: -:1: unknown column \"when\"", 0), 0u) << header.err;
}

// Rows refused before their chart (a month of 13) or while it is written
// (born after the reading) leave no trace between the printed charts.
TEST_F(BirthsTable, PrintedChartsStayOneBlankLineApartAroundFailingRows) {
    const std::string bad = "Bad,1980-13-05,7:05,34,no,1:01N,1:01E,a,b,c\n";
    const std::string later =
        "Later,2001-03-05,7:05,34,false,18:31N,73:51E,Pune,Maharashtra,India\n";
    auto print = [&](const std::string& rows) {
        return Run({"--print", "--reading", "2000-01-01T12:00", "--births",
                    Write(kHeader + rows, "print.csv")});
    };
    const Outcome one = print(kPune);
    ASSERT_EQ(one.status, 0) << one.err;
    for (const std::string& rows :
         {kPune + bad + kPune, kPune + later + kPune, bad + kPune + later + bad + kPune + later}) {
        const Outcome r = print(rows);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, one.out + "\n" + one.out) << rows;
    }
}

TEST(BirthsTableProgress, GroupsThousandsAndSaysTheTimeLeft) {
    const struct {
        std::uint64_t rows;
        double seconds;
        std::optional<std::uint64_t> totalBytes;
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {999, 1.0, std::nullopt, 0, "999 rows, 999 rows/s"},
        {1234, 2.0, std::nullopt, 0, "1,234 rows, 617 rows/s"},
        {1234567, 0.5, 4000, 1000, "1,234,567 rows, 2,469,134 rows/s, 0:01 left"},
        {123456, 60.0, 3000, 1000, "123,456 rows, 2,057 rows/s, 2:00 left"},
        {5, 1.0, 10, 20, "5 rows, 5 rows/s"},  // the file grew while it was read
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressText(c.rows, c.seconds, c.totalBytes, c.bytes), c.text);
}

TEST_F(BirthsTable, SeveralJobsKeepTheTablesOrder) {
    // Rows of every minute of a day, with a failing row now and then; the
    // table is longer than one read of the input.
    std::string table = "time,name,date,zone,lat,lon,city,state,country\n";
    int failing = 0;
    for (int i = 0; i < 1200; ++i) {
        failing += i % 97 == 5;
        char time[8];
        std::snprintf(time, sizeof time, "%d:%02d,", i / 60 % 24, i % 60);
        table += time + std::string(i % 97 == 5 ? "X1" : "Native") +
                 ",1990-06-15,34,18:31N,73:51E,Pune,Maharashtra,India\n";
    }
    ASSERT_GT(table.size(), std::size_t{1} << 16);
    const std::string path = Write(table);
    // Precise charts too: Swiss Ephemeris keeps its settings per thread.
    for (const std::vector<std::string>& calculation :
         {std::vector<std::string>{}, std::vector<std::string>{"--precise", "--node", "true"}}) {
        std::vector<std::string> args{"--json", "--births", path};
        args.insert(args.end(), calculation.begin(), calculation.end());
        std::vector<std::string> oneJob = args, threeJobs = args;
        oneJob.insert(oneJob.end(), {"--jobs", "1"});
        threeJobs.push_back("--jobs=3");
        const Outcome one = Run(oneJob);
        const Outcome three = Run(threeJobs);
        EXPECT_EQ(one.status, 1);
        EXPECT_EQ(three.status, 1);
        EXPECT_EQ(three.out, one.out);
        EXPECT_EQ(three.err, one.err);
        EXPECT_EQ(Lines(one.out).size(), static_cast<std::size_t>(1200 - failing));
        EXPECT_EQ(one.out.find("\"calculation\"") != std::string::npos, !calculation.empty());
    }
}

// A table not read to its end fails and says why, after the rows before
// the place where reading stopped; none of it is blamed on a row.
TEST_F(BirthsTable, ATableNotReadToItsEndSaysWhy) {
    // Gives its bytes, then ends or fails as a disk does (EIO).
    struct FailingBuffer : std::streambuf {
        FailingBuffer(std::string bytes, bool fails) : text(std::move(bytes)), fails(fails) {}
        std::streamsize xsgetn(char* s, std::streamsize n) override {
            if (at == text.size() && fails)
                throw std::ios_base::failure("EIO");
            const std::size_t got = text.copy(s, static_cast<std::size_t>(n), at);
            at += got;
            return static_cast<std::streamsize>(got);
        }
        std::string text;
        bool fails;
        std::size_t at = 0;
    };
    std::string rows;
    for (int i = 0; i < 2000; ++i)
        rows += kPune;
    const std::string path = Write(kHeader + "x,\"y\n" + rows);
    const std::string longLine =
        Write(kHeader + kPune + std::string(1 << 21, 'x') + "\n" + kPune, "long.csv");
    std::string rest;
    while (rest.size() <= kMaxCountedBytes)
        rest += std::string(1 << 20, 'z') + "\n";
    const std::string hugeRest =
        Write(kHeader + kPune + std::string(1 << 21, 'x') + "\n" + rest, "huge.csv");
    rest.clear();
    const std::string longLineLast =
        Write(kHeader + kPune + std::string(1 << 21, 'x') + "\n" + kPune + "Ravi", "last.csv");
    const std::string missing = (m_dir / "no\x1b.csv").string();
    struct Case {
        const char* what;
        std::string table;
        std::string input;  // standard input
        bool fails;         // at the end of `input`
        int status;
        std::string err;
        std::size_t rows;
    };
    const Case cases[] = {
        {"a folder", m_dir.string(), "", false, 2,
         "vellamor: " + m_dir.string() + ": is a folder, not a table\n", 0},
        {"a table that does not exist", missing, "", false, 2,
         "vellamor: " + (m_dir / "no\\u001B.csv").string() +
             ": cannot be opened: No such file or directory\n",
         0},
        {"a read that fails mid-record", "-", kHeader + kPune + kPune + "Ravi,19", true, 1,
         "vellamor: -: cannot be read from line 4 on: Input/output error\n", 2},
        {"a quote never closed", path, "", false, 1,
         path + ":2: a quoted field is not closed: the rest of the table, 2001 lines from this "
                "one, was not read\n",
         0},
        {"a line longer than the limit", "-", kHeader + kPune + std::string(1 << 21, 'x'), false, 1,
         "-:3: the record is longer than 1 MiB (1048576 bytes); the rest of the table, from this "
         "line on, was not read\n",
         1},
        {"... in a file, which says how much was lost", longLine, "", false, 1,
         longLine + ":3: the record is longer than 1 MiB (1048576 bytes); the rest of the table, "
                    "2 lines from this line on, was not read\n",
         1},
        {"... unless counting it would take more than a moment", hugeRest, "", false, 1,
         hugeRest + ":3: the record is longer than 1 MiB (1048576 bytes); the rest of the table, "
                    "from this line on, was not read\n",
         1},
        {"... counting a last line without its line end", longLineLast, "", false, 1,
         longLineLast + ":3: the record is longer than 1 MiB (1048576 bytes); the rest of the "
                        "table, 3 lines from this line on, was not read\n",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FailingBuffer buffer(c.input, c.fails);
        std::istream in(&buffer);
        HeadlessServices s;
        s.standardInput = &in;
        const Outcome r = Run({"--json", "--births", c.table}, s);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(Lines(r.out).size(), c.rows);
    }
}

// A --births run into a pipe with a slow reader, ended by SIGINT or
// SIGTERM part way: what reached the reader ends on a whole line, whether
// the lines are short (--print) or longer than a pipe takes at once (a
// chart's --json line, some 4.7 KB).
TEST_F(BirthsTable, OutputEndedByASignalEndsOnAWholeLine) {
    const struct {
        int signal;
        const char* mode;
    } cases[] = {
        {SIGINT, "--print"}, {SIGTERM, "--print"}, {SIGTERM, "--json"}, {SIGINT, "--json"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.signal));
        std::string table = kHeader;
        for (int i = 0; i < 3000; ++i)
            table += kPune;
        const std::string path = Write(table);
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        const pid_t run = ::fork();
        if (run == 0) {
            ::close(ends[0]);
            RemoveTemporaryFileOnSignals();
            CheckedOutput buffer(ends[1]);
            std::ostream out(&buffer);
            std::ostringstream err;
            const int ran = RunHeadless({c.mode, "--births", path}, out, err, {});
            out.flush();
            ::_exit(ran);
        }
        ::close(ends[1]);
        std::string got;
        char block[1000];
        for (ssize_t n; got.size() < 150'000 && (n = ::read(ends[0], block, sizeof block)) > 0;) {
            got.append(block, static_cast<std::size_t>(n));
            ::usleep(200);  // a slow reader: the pipe stays full
        }
        ::kill(run, c.signal);
        for (ssize_t n; (n = ::read(ends[0], block, sizeof block)) > 0;)
            got.append(block, static_cast<std::size_t>(n));
        ::close(ends[0]);
        int status = 0;
        ::waitpid(run, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status))
            << "the run ended before the signal: " << status << ", " << got.size() << " bytes";
        EXPECT_EQ(WTERMSIG(status), c.signal);
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back(), '\n')
            << "ends on: " << got.substr(got.size() - std::min<std::size_t>(got.size(), 80));
        if (std::string(c.mode) == "--json") {
            for (const std::string& line : Lines(got)) {
                ASSERT_TRUE(line.starts_with("{") && line.ends_with("}")) << line.substr(0, 80);
            }
        }
    }
}

// A reference chart's form as a table row, every value written as its
// option takes it.
std::string RowOf(const EntryForm& f) {
    auto quoted = [](const std::string& s) {
        std::string q = "\"";
        for (char c : s)
            q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + "\"";
    };
    // The window keeps minutes as typed; a table writes them in two digits.
    auto minutes = [](const std::string& m) { return m.size() == 1 ? "0" + m : m; };
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "%04d-%02d-%02d,%02d:%02d,%d,%s,", f.yearIndex + 1901,
                  f.monthIndex + 1, f.dayIndex + 1, f.hourIndex, f.minuteIndex, f.zoneIndex,
                  f.daylightSaving ? "yes" : "0");
    return quoted(f.name) + "," + numbers + f.latDegrees + ":" + minutes(f.latMinutes) +
           (f.latitude == LatitudeOption::South ? "S," : "N,") + f.lonDegrees + ":" +
           minutes(f.lonMinutes) + (f.longitude == LongitudeOption::West ? "W," : "E,") +
           quoted(f.city) + "," + quoted(f.state) + "," + quoted(f.country) + "\r\n";
}

TEST_F(BirthsTable, EachRowPrintsWhatItsChartFilePrints) {
    std::vector<std::string> files;
    std::string table = "\xEF\xBB\xBF" + kHeader;
    for (const auto& entry : fs::directory_iterator(VELLAMOR_REFERENCE_CHARTS)) {
        if (entry.path().extension() != ".sud")
            continue;
        const ChartReadResult read = ReadChartFile(entry.path().string());
        ASSERT_TRUE(read) << entry.path();
        if (!OpenChartFile(entry.path().string()))
            continue;  // refused as a file, as its row is: nothing to compare
        files.push_back(entry.path().string());
        table += RowOf(ApplyChartFields(EntryForm{}, *read));
    }
    ASSERT_FALSE(files.empty());
    const std::string path = Write(table);
    for (const char* extra : {"--json", "--stability"}) {
        std::vector<std::string> args{"--json", "--births", path};
        std::vector<std::string> fileArgs{"--json"};
        if (std::string(extra) == "--stability") {
            args.push_back(extra);
            fileArgs.push_back(extra);
        }
        fileArgs.insert(fileArgs.end(), files.begin(), files.end());
        const Outcome rows = Run(args);
        const Outcome charts = Run(fileArgs);
        ASSERT_EQ(rows.status, 0) << rows.err;
        const auto rowLines = Lines(rows.out);
        const auto chartLines = Lines(charts.out);
        ASSERT_EQ(rowLines.size(), chartLines.size());
        for (std::size_t i = 0; i < rowLines.size(); ++i) {
            const std::string key = ", \"row\": " + std::to_string(i + 1) + "}";
            ASSERT_TRUE(rowLines[i].ends_with(key)) << rowLines[i];
            EXPECT_EQ(rowLines[i].substr(0, rowLines[i].size() - key.size()) + "}", chartLines[i])
                << files[i];
        }
    }
    const Outcome printed = Run({"--print", "--births", path});
    std::vector<std::string> printArgs{"--print"};
    printArgs.insert(printArgs.end(), files.begin(), files.end());
    EXPECT_EQ(printed.out, Run(printArgs).out);
}

TEST_F(BirthsTable, EachPlaceIsLookedUpOnceAndFollowsEachRowsDate) {
    int lookups = 0;
    HeadlessServices s;
    s.findPlace = [&lookups](std::string_view query) -> Expected<PlaceFiller, UnknownPlace> {
        ++lookups;
        if (query != "Pune")
            return Fail(UnknownPlace{std::string(query), {}, {}});
        return PlaceFiller(
            [](const EntryForm& form, const ExplicitPlaceFields& given, const CalculationChoice&) {
                ResolvedPlace r;
                r.form = form;
                r.form.city = given.city ? form.city : "Pune";
                r.form.state = "Maharashtra";
                r.form.country = "India";
                r.form.latDegrees = "18";
                r.form.latMinutes = "31";
                r.form.lonDegrees = "73";
                r.form.lonMinutes = "51";
                r.form.zoneIndex = 34;
                r.note = "Pune: Indian Time";
                return r;
            });
    };
    const std::string path = Write(
        "name,date,place,city\nA,1980-03-05,Pune,\nB,1990-01-01,Atlantis,\nC,2001-07-04,Pune,"
        "Poona\n"
        "D,2001-07-04,Atlantis,\n");
    const Outcome r = Run({"--json", "--births", path}, s);
    EXPECT_EQ(lookups, 2);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, path + ":2: Pune: Indian Time\n" + path +
                         ":3: no place \"Atlantis\" in the atlas\n" + path +
                         ":5: no place \"Atlantis\" in the atlas\n");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("\"City\": \"Pune\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"City\": \"Poona\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"Date of Birth\": \"July 4, 2001\""), std::string::npos);

    // Without an atlas the column is a usage error before any row.
    EXPECT_EQ(Run({"--json", "--births", path}).status, 2);
}

}  // namespace
}  // namespace vellamor
