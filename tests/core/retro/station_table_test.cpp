// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in station tables: the rows that must stand exactly as given,
// the shape of every station text, and the order and lengths of the periods.
#include "core/retro/station_table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/headless.h"

namespace vellamor {
namespace {

struct TableShape {
    std::string_view planet;
    std::size_t rows;
    int shortestDays;  // period length in calendar days
    int longestDays;
};

constexpr TableShape kShapes[] = {
    {"Mercury", 476, 19, 25},   {"Venus", 95, 40, 44},     {"Mars", 71, 60, 81},
    {"Jupiter", 139, 117, 124}, {"Saturn", 146, 133, 142}, {"Uranus", 150, 149, 155},
    {"Neptune", 150, 156, 161}, {"Pluto", 151, 156, 165},
};

// Independent of the program's own day arithmetic.
int DaysBetween(const Station& from, const Station& to) {
    using namespace std::chrono;
    const auto day = [](const Station& s) {
        return sys_days{year{s.year} / month{static_cast<unsigned>(s.month)} /
                        std::chrono::day{static_cast<unsigned>(s.day)}};
    };
    return static_cast<int>((day(to) - day(from)).count());
}

const StationTable& Table(std::string_view planet) {
    const StationTable* table = FindStationTable(planet);
    EXPECT_NE(table, nullptr) << planet;
    return *table;
}

TEST(StationTables, EightTablesInFlagOrderWithTheirRowCounts) {
    const auto& tables = StationTables();
    std::size_t total = 0;
    for (std::size_t k = 0; k < tables.size(); ++k) {
        EXPECT_EQ(tables[k].name, kShapes[k].planet);
        EXPECT_EQ(tables[k].name,
                  kPlanetNames[static_cast<std::size_t>(BodyIndex(tables[k].planet))]);
        EXPECT_EQ(tables[k].periods.size(), kShapes[k].rows) << tables[k].name;
        EXPECT_EQ(FindStationTable(tables[k].planet), &tables[k]);
        total += tables[k].periods.size();
    }
    EXPECT_EQ(total, 1378u);
}

TEST(StationTables, OnlyTheEightPlanetsHaveTables) {
    for (Body b : {Body::Sun, Body::Moon, Body::Rahu, Body::Ketu, Body::Ascendant}) {
        EXPECT_EQ(FindStationTable(b), nullptr) << BodyIndex(b);
    }
    for (std::string_view name : {"Sun", "mercury", "MERCURY", "Mercury ", "", "Asc"}) {
        EXPECT_EQ(FindStationTable(name), nullptr) << '"' << name << '"';
    }
}

// Rows fixed in advance, with their row number where it is fixed too
// (-1: the last row; -2: anywhere in the table).
struct FixedRow {
    std::string_view planet;
    int row;
    std::string_view retrograde;
    std::string_view direct;  // empty: only the retrograde station is fixed
};

constexpr int kLast = -1;
constexpr int kAnywhere = -2;

constexpr FixedRow kFixedRows[] = {
    {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
    {"Mercury", 1, "7,18,1900,0,53,", ""},
    {"Mercury", 29, "6,2,1909,16,7,", ""},
    {"Mercury", kAnywhere, "11,20,1906,1,18,", "12,9,1906,20,28,"},
    {"Mercury", kAnywhere, "7,2,2039,21,48,", "7,27,2039,3,6,"},
    {"Mercury", kAnywhere, "2,21,2000,0,39,", "3,14,2000,20,28,"},
    {"Mercury", kAnywhere, "6,23,2000,8,32,", "7,17,2000,13,9,"},
    {"Mercury", kAnywhere, "10,18,2000,13,39,", "11,8,2000,2,32,"},
    {"Mercury", kLast, "12,1,2050,17,17,", "12,21,2050,11,33,"},
    {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
    {"Venus", kLast, "9,25,2050,22,15,", "11,6,2050,19,4,"},
    {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
    {"Mars", kAnywhere, "1,31,2044,23,54,", "4,21,2044,22,44,"},
    {"Mars", kLast, "7,15,2050,5,50,", "9,13,2050,9,41,"},
    {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
    {"Jupiter", kLast, "12,21,2050,13,21,", "4,21,2051,23,46,"},
    {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
    {"Saturn", kLast, "5,18,2050,13,6,", "10,6,2050,11,5,"},
    {"Uranus", 0, "3,17,1900,17,36,", "8,17,1900,15,27,"},
    {"Uranus", kLast, "12,30,2050,15,40,", "5,29,2051,6,22,"},
    {"Neptune", 0, "10,2,1900,13,58,", "3,8,1901,0,45,"},
    {"Neptune", kLast, "8,31,2050,13,52,", "2,4,2051,10,41,"},
    {"Pluto", 0, "9,16,1899,5,48,", "2,27,1900,7,36,"},
    {"Pluto", kLast, "6,10,2050,3,49,", "11,21,2050,16,16,"},
};

TEST(StationTables, FixedRowsStandExactlyAsGiven) {
    for (const FixedRow& fixed : kFixedRows) {
        SCOPED_TRACE(std::string(fixed.planet) + " " + std::string(fixed.retrograde));
        const auto periods = Table(fixed.planet).periods;
        std::optional<std::size_t> row;
        if (fixed.row >= 0) {
            row = static_cast<std::size_t>(fixed.row);
        } else if (fixed.row == kLast) {
            row = periods.size() - 1;
        } else {
            for (std::size_t k = 0; k < periods.size(); ++k) {
                if (FormatStation(periods[k].retrograde) == fixed.retrograde)
                    row = k;
            }
        }
        ASSERT_TRUE(row.has_value());
        EXPECT_EQ(FormatStation(periods[*row].retrograde), fixed.retrograde);
        if (!fixed.direct.empty()) {
            EXPECT_EQ(FormatStation(periods[*row].direct), fixed.direct);
        }
    }
}

TEST(StationTables, TellingRowsAreTheExtremesTheyAreSaidToBe) {
    const auto lengths = [](std::string_view planet) {
        std::vector<int> days;
        for (const StationPeriod& p : Table(planet).periods) {
            days.push_back(DaysBetween(p.retrograde, p.direct));
        }
        return days;
    };
    const auto mercury = lengths("Mercury");
    EXPECT_EQ(*std::min_element(mercury.begin(), mercury.end()), 19);  // Nov 20 - Dec 9 1906
    EXPECT_EQ(*std::max_element(mercury.begin(), mercury.end()), 25);  // Jul 2 - Jul 27 2039
    const auto mars = lengths("Mars");
    EXPECT_EQ(*std::max_element(mars.begin(), mars.end()), 81);  // Jan 31 - Apr 21 2044

    // Mercury's three periods of 2000, and no other in that year.
    int in2000 = 0;
    for (const StationPeriod& p : Table("Mercury").periods)
        in2000 += p.retrograde.year == 2000;
    EXPECT_EQ(in2000, 3);

    EXPECT_EQ(Table("Pluto").periods.front().retrograde.year, 1899);
    for (std::string_view planet : {"Jupiter", "Uranus", "Neptune"}) {
        EXPECT_EQ(Table(planet).periods.back().direct.year, 2051) << planet;
    }
}

TEST(StationTables, EveryStationTextHasFiveNumbersEachFollowedByAComma) {
    static const std::regex shape(
        "(0|[1-9][0-9]?),(0|[1-9][0-9]?),([1-9][0-9]{3}),(0|[1-9][0-9]?),(0|[1-9][0-9]?),");
    for (const StationTable& table : StationTables()) {
        for (std::size_t k = 0; k < table.periods.size(); ++k) {
            for (const Station& s : {table.periods[k].retrograde, table.periods[k].direct}) {
                const std::string text = FormatStation(s);
                SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(k) + " " + text);
                std::smatch m;
                ASSERT_TRUE(std::regex_match(text, m, shape));
                EXPECT_GE(std::stoi(m[1]), 1);
                EXPECT_LE(std::stoi(m[1]), 12);
                EXPECT_GE(std::stoi(m[2]), 1);
                EXPECT_LE(std::stoi(m[4]), 23);
                EXPECT_LE(std::stoi(m[5]), 59);
                using namespace std::chrono;
                EXPECT_TRUE((year{s.year} / month{static_cast<unsigned>(s.month)} /
                             day{static_cast<unsigned>(s.day)})
                                .ok());
            }
        }
    }
}

TEST(StationTables, PeriodsAreInOrderNeverTouchAndLastAsLongAsThePlanetAllows) {
    for (std::size_t t = 0; t < StationTables().size(); ++t) {
        const StationTable& table = StationTables()[t];
        const TableShape& shape = kShapes[t];
        for (std::size_t k = 0; k < table.periods.size(); ++k) {
            const StationPeriod& p = table.periods[k];
            SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(k) + " " +
                         FormatStation(p.retrograde) + " " + FormatStation(p.direct));
            const int length = DaysBetween(p.retrograde, p.direct);
            EXPECT_GE(length, shape.shortestDays);
            EXPECT_LE(length, shape.longestDays);
            if (k > 0) {
                EXPECT_GT(DaysBetween(table.periods[k - 1].direct, p.retrograde), 0);
            }
            // The day numbers the lookup compares are those of the stations.
            EXPECT_EQ(p.directDay - p.retrogradeDay, length);
        }
    }
}

TEST(StationTablesCsv, ListsEveryPeriodAsTheDataFileDoes) {
    const std::string csv = StationTablesCsv();
    EXPECT_EQ(
        csv.rfind(
            "planet,row,retrograde,direct\nMercury,0,\"3,15,1900,13,19,\",\"4,7,1900,18,42,\"\n",
            0),
        0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1379);
    EXPECT_NE(csv.find("\nPluto,150,\"6,10,2050,3,49,\",\"11,21,2050,16,16,\"\n"),
              std::string::npos);

    // The compiled tables are the committed data, byte for byte.
    std::ifstream in(VELLAMOR_STATION_CSV, std::ios::binary);
    ASSERT_TRUE(in) << VELLAMOR_STATION_CSV;
    std::stringstream file;
    file << in.rdbuf();
    EXPECT_EQ(csv, file.str());
}

TEST(StationTablesCsv, IsWhatTheStationsOptionPrints) {
    std::ostringstream out, err;
    EXPECT_EQ(RunHeadless({"--stations"}, out, err), 0);
    EXPECT_EQ(out.str(), StationTablesCsv());
    EXPECT_EQ(err.str(), "");

    std::ostringstream out2, err2;
    EXPECT_EQ(RunHeadless({"--stations", "chart.sud"}, out2, err2), 2);
    EXPECT_EQ(out2.str(), "");
}

}  // namespace
}  // namespace vellamor
