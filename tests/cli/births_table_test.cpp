// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/births_table.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/headless.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_opening.h"

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

    std::string Write(const std::string& text) {
        const std::string path = (m_dir / "births.csv").string();
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
    const std::string table = kHeader + kPune +                                // row 1, line 2
                              "\"Ann\nLee\",1980-03-05\n" +                    // row 2, lines 3-4
                              "Bad,1980-13-05,7:05,34,no,1:1N,1:1E,a,b,c\n" +  // row 3, line 5
                              ",1980-03-05,7:05,34,no,1:1N,1:1E,a,b,c\n" +     // row 4, line 6
                              kPune;                                           // row 5, line 7
    const std::string path = Write(table);
    const Outcome r = Run({"--json", "--births", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, path + ":3: the row has 2 of the 10 columns\n" + path +
                         ":5: date: the month must be 1 to 12 (got 13)\n" + path +
                         ":6: Please Enter Your Name\n");
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

TEST_F(BirthsTable, SeveralJobsKeepTheTablesOrder) {
    // Rows of every minute of a day, with a failing row now and then; the
    // table is longer than one read of the input.
    std::string table = "time,name,date,zone,lat,lon,city,state,country\n";
    int failing = 0;
    for (int i = 0; i < 1200; ++i) {
        failing += i % 97 == 5;
        table += std::to_string(i / 60 % 24) + ":" + std::to_string(i % 60) + "," +
                 (i % 97 == 5 ? "X1" : "Native") +
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

// A reference chart's form as a table row, every value written as its
// option takes it.
std::string RowOf(const EntryForm& f) {
    auto quoted = [](const std::string& s) {
        std::string q = "\"";
        for (char c : s)
            q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + "\"";
    };
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "%04d-%02d-%02d,%02d:%02d,%d,%s,", f.yearIndex + 1901,
                  f.monthIndex + 1, f.dayIndex + 1, f.hourIndex, f.minuteIndex, f.zoneIndex,
                  f.daylightSaving ? "yes" : "0");
    return quoted(f.name) + "," + numbers + f.latDegrees + ":" + f.latMinutes +
           (f.latitude == LatitudeOption::South ? "S," : "N,") + f.lonDegrees + ":" + f.lonMinutes +
           (f.longitude == LongitudeOption::West ? "W," : "E,") + quoted(f.city) + "," +
           quoted(f.state) + "," + quoted(f.country) + "\r\n";
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
            return Fail(UnknownPlace{std::string(query), {}});
        return PlaceFiller([](const EntryForm& form, const ExplicitPlaceFields& given) {
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
