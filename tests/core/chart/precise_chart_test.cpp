// SPDX-License-Identifier: GPL-3.0-or-later
// Precise charts against Swiss Ephemeris's own values, the universal time
// they are computed for, and charts computed on two threads at once.
#include <gtest/gtest.h>
#include <swephexp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "cli/chart_json.h"
#include "core/astro/swiss_ephemeris.h"
#include "core/chart/pipeline.h"

// The data folder Debian's swe-basic-data fills, unless the build found
// another.
#ifndef VELLAMOR_SWISSEPH_EPHE_DIR
#define VELLAMOR_SWISSEPH_EPHE_DIR "/usr/share/libswe/ephe"
#endif

namespace vellamor {
namespace {

BirthData Birth(int y, int mo, int d, int h, int mi, int zoneRow, bool dst, int latDeg, int latMin,
                bool south, int lonDeg, int lonMin, bool east) {
    BirthData b;
    b.name = "Native";
    b.year = y, b.month = mo, b.day = d, b.hour = h, b.minute = mi;
    b.zoneIndex = zoneRow;
    b.daylightSaving = dst;
    b.latDegrees = latDeg, b.latMinutes = latMin, b.southLatitude = south;
    b.lonDegrees = lonDeg, b.lonMinutes = lonMin, b.eastLongitude = east;
    return b;
}

struct Reference {
    const char* what;
    BirthData birth;
    CalculationChoice choice;
    // Sun..Pluto, Rahu, Ascendant, sidereal degrees; marks of Mercury..Pluto.
    std::array<double, 12> longitudes;
    const char* retrograde;
};

constexpr CalculationChoice Precise(Ayanamsa a, LunarNode n) {
    return {CalculationMethod::Precise, a, n};
}

// Computed once by a separate C program that calls swe_calc_ut for each body
// (SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED) and swe_houses_ex (Placidus,
// SEFLG_SIDEREAL) at the universal time written in each row, with the data
// files of swe-basic-data and Swiss Ephemeris 2.10.03.
const std::vector<Reference>& References() {
    static const std::vector<Reference> refs{
        {"Pune, 1980-03-05 07:05 IST = 01:35 UT, lahiri, mean node",
         Birth(1980, 3, 5, 7, 5, 34, false, 18, 31, false, 73, 51, true),
         Precise(Ayanamsa::Lahiri, LunarNode::Mean),
         {321.0596211, 175.6101516, 323.3925827, 4.4751614, 128.7708764, 130.4993495, 150.7802066,
          211.9816275, 238.9898738, 177.7467263, 124.9256530, 324.4228276},
         "R-RRRR-R"},
        {"Madrid, 1990-07-15 18:20 CET with the box = 16:20 UT, true-chitra, true node",
         Birth(1990, 7, 15, 18, 20, 20, true, 40, 25, false, 3, 42, false),
         Precise(Ayanamsa::TrueChitra, LunarNode::True),
         {89.2051934, 2.0830330, 103.3983711, 60.9146017, 8.3498020, 88.8764662, 268.2370214,
          253.2465510, 259.2031893, 201.2851928, 283.6457714, 223.1309088},
         "----RRRR"},
        {"New York, 1969-07-20 22:56 EST with the box = 07-21 02:56 UT, krishnamurti",
         Birth(1969, 7, 20, 22, 56, 27, true, 40, 43, false, 74, 0, false),
         Precise(Ayanamsa::Krishnamurti, LunarNode::Mean),
         {94.8396121, 168.0768253, 93.0985583, 52.0069165, 219.4844951, 157.4511403, 14.7769356,
          157.3644841, 212.6847245, 149.6781595, 330.6286283, 334.4119751},
         "------R-"},
        {"Sydney, 2001-01-01 00:10 AEST with the box = 2000-12-31 13:10 UT, raman, true node",
         Birth(2001, 1, 1, 0, 10, 8, true, 33, 52, true, 151, 13, true),
         Precise(Ayanamsa::Raman, LunarNode::True),
         {257.7529887, 320.8495396, 261.1194784, 304.0473326, 192.2534461, 39.8064540, 32.1904507,
          296.2078893, 282.8911081, 231.3318414, 83.0940132, 156.0155824},
         "---RR---"},
        {"Greenwich, 1950-06-01 12:00 GMT, fagan-bradley",
         Birth(1950, 6, 1, 12, 0, 29, false, 51, 29, false, 0, 0, true),
         Precise(Ayanamsa::FaganBradley, LunarNode::Mean),
         {46.3718032, 240.0797297, 25.3883682, 5.8424542, 152.5329515, 312.3790018, 138.7863876,
          69.6198650, 170.6904922, 111.9869285, 340.0429829, 141.4354254},
         "------R-"},
        {"Kolkata, 2035-11-21 01:45 IST = 11-20 20:15 UT, yukteshwar",
         Birth(2035, 11, 21, 1, 45, 34, false, 22, 34, false, 88, 22, true),
         Precise(Ayanamsa::Yukteshwar, LunarNode::Mean),
         {215.3480496, 107.5313575, 220.3755179, 241.8832564, 332.4692260, 20.9847456, 116.1852621,
          81.6949168, 359.3202473, 294.5919655, 127.9814311, 158.6790553},
         "---R-RR-"},
    };
    return refs;
}

TEST(PreciseChart, EqualsSwissEphemerisForTheSameInstantAndPlace) {
    constexpr double kTolerance = 1e-6;  // degrees; the table keeps seven decimals
    for (const Reference& r : References()) {
        SCOPED_TRACE(r.what);
        const Chart c = CalculateChart(r.birth, r.choice);
        ASSERT_TRUE(c.precise());
        EXPECT_EQ(c.precise()->source, EphemerisSource::DataFiles);
        const auto& l = c.planets.longitudes;
        for (int i = 0; i <= BodyIndex(Body::Rahu); ++i)
            EXPECT_NEAR(l[static_cast<std::size_t>(i)], r.longitudes[static_cast<std::size_t>(i)],
                        kTolerance)
                << kPlanetNames[static_cast<std::size_t>(i)];
        EXPECT_NEAR(l[BodyIndex(Body::Ketu)], std::fmod(r.longitudes[10] + 180.0, 360.0),
                    kTolerance);
        EXPECT_NEAR(l[BodyIndex(Body::Ascendant)], r.longitudes[11], kTolerance);
        for (std::size_t k = 0; k < kStationBodies.size(); ++k)
            EXPECT_EQ(c.retrogrades.retrograde[kStationBodies[k]], r.retrograde[k] == 'R')
                << kPlanetNames[static_cast<std::size_t>(kStationBodies[k])];
        // Everything after the positions is made as for a classic chart.
        EXPECT_EQ(SignNumber(c.ascendantSign()) - 1, SignIndexOf(l[BodyIndex(Body::Ascendant)]));
        // A precise chart carries no classic working values.
        EXPECT_FALSE(c.classic());
        // The classic default is the chart it always was.
        EXPECT_FALSE(CalculateChart(r.birth, CalculationChoice{}).precise());
        EXPECT_EQ(ChartJson(CalculateChart(r.birth, CalculationChoice{})),
                  ChartJson(CalculateChart(r.birth)));
    }
}

// Geometric positions leave out light-time and aberration: the Sun and the
// planets move by up to 50" (the Sun by its 20.5" of aberration, an outer
// planet whose light-time and aberration nearly cancel by 1" to 3"), the
// Moon, a light-second away, by under 1", the mean node and the Ascendant
// not at all; the sidereal zodiac is the same.
TEST(PreciseChart, GeometricPositionsDifferFromApparentOnesByLightTimeAndAberration) {
    for (const Reference& r : References()) {
        if (r.choice.node != LunarNode::Mean)
            continue;
        SCOPED_TRACE(r.what);
        CalculationChoice geometric = r.choice;
        geometric.positions = Positions::Geometric;
        const Chart a = CalculateChart(r.birth, r.choice);
        const Chart g = CalculateChart(r.birth, geometric);
        const auto arcseconds = [&](Body body) {
            const auto k = static_cast<std::size_t>(body);
            return std::fabs(
                       std::remainder(g.planets.longitudes[k] - a.planets.longitudes[k], 360.0)) *
                   3600;
        };
        for (const Body body : {Body::Sun, Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto}) {
            EXPECT_GT(arcseconds(body), 1.0) << kPlanetNames[static_cast<std::size_t>(body)];
            EXPECT_LT(arcseconds(body), 60.0) << kPlanetNames[static_cast<std::size_t>(body)];
        }
        EXPECT_GT(arcseconds(Body::Moon), 0.1);
        EXPECT_LT(arcseconds(Body::Moon), 1.0);
        EXPECT_EQ(arcseconds(Body::Rahu), 0.0);
        EXPECT_EQ(arcseconds(Body::Ascendant), 0.0);
        EXPECT_EQ(g.precise()->ayanamsaDegrees, a.precise()->ayanamsaDegrees);
    }
}

// The clock time minus the zone row's own offset (east of Greenwich
// positive), minus an hour for the box, whatever the longitude's hemisphere.
TEST(PreciseChart, UniversalTimeTakesTheZoneRowsOwnSignAndTheBox) {
    struct Case {
        const char* what;
        BirthData birth;
        CivilDateTime universal;
    };
    const Case cases[] = {
        // West of Greenwich in an eastern zone with the box ticked: the
        // classic Ascendant would add the zone instead.
        {"Madrid, CET, box",
         Birth(1990, 7, 15, 18, 20, 20, true, 40, 25, false, 3, 42, false),
         {1990, 7, 15, 16, 20}},
        {"Madrid, CET",
         Birth(1990, 1, 15, 0, 20, 20, false, 40, 25, false, 3, 42, false),
         {1990, 1, 14, 23, 20}},
        {"New York, EST, box",
         Birth(1969, 7, 20, 22, 56, 27, true, 40, 43, false, 74, 0, false),
         {1969, 7, 21, 2, 56}},
        {"Pune, IST",
         Birth(1980, 3, 1, 2, 5, 34, false, 18, 31, false, 73, 51, true),
         {1980, 2, 29, 20, 35}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SignedUniversalTime(c.birth), c.universal);
        const Chart chart = CalculateChart(c.birth, Precise(Ayanamsa::Lahiri, LunarNode::Mean));
        EXPECT_EQ(chart.precise()->universal, c.universal);
        EXPECT_EQ(chart.planets.universal, c.universal);
    }
}

// An exact offset, or local mean time of the longitude, stands for the row
// and the box: universal time = clock time - offset, to the second. The
// Julian day and the Moon are checked against the library's own swe_julday
// and swe_calc_ut for that universal time.
TEST(PreciseChart, ExactOffsetGivesTheUniversalTimeToTheSecond) {
    struct Case {
        const char* what;
        BirthData birth;
        ExactOffset offset;
        CivilDateTime universal;
        int second;
    };
    const Case cases[] = {
        {"Kathmandu 1990, +05:45",
         Birth(1990, 5, 4, 12, 0, 34, false, 27, 42, false, 85, 19, true),
         ExactOffset::Fixed(5 * 3600 + 45 * 60),
         {1990, 5, 4, 6, 15},
         0},
        {"Chennai 1903, Madras time",
         Birth(1903, 5, 1, 2, 30, 34, true, 13, 5, false, 80, 16, true),
         ExactOffset::Fixed(19270),
         {1903, 4, 30, 21, 8},
         50},
        {"Monrovia 1950, -00:44:30",
         Birth(1950, 5, 4, 23, 30, 67, false, 6, 18, false, 10, 47, false),
         ExactOffset::Fixed(-2670),
         {1950, 5, 5, 0, 14},
         30},
        {"Kathmandu 1910, LMT of 85:19E",
         Birth(1910, 5, 4, 12, 0, 34, false, 27, 42, false, 85, 19, true),
         ExactOffset::LocalMeanTime(),
         {1910, 5, 4, 6, 18},
         44},
        {"New York 1901, LMT of 74:00W",
         Birth(1901, 1, 1, 20, 10, 28, true, 40, 43, false, 74, 0, false),
         ExactOffset::LocalMeanTime(),
         {1901, 1, 2, 1, 6},
         0},
        {"+14:00 across the date line",
         Birth(1990, 1, 1, 0, 5, 46, false, 1, 52, false, 157, 24, false),
         ExactOffset::Fixed(14 * 3600),
         {1989, 12, 31, 10, 5},
         0},
    };
    const CalculationChoice lahiri = Precise(Ayanamsa::Lahiri, LunarNode::Mean);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BirthData b = c.birth;
        b.exactOffset = c.offset;
        EXPECT_EQ(SignedUniversalTime(b), c.universal);
        EXPECT_EQ(UniversalSecond(b), c.second);
        const Chart chart = CalculateChart(b, lahiri);
        ASSERT_TRUE(chart.precise());
        EXPECT_EQ(chart.precise()->universal, c.universal);
        EXPECT_EQ(chart.precise()->universalSecond, c.second);
        const double hours = c.universal.hour + c.universal.minute / 60.0 + c.second / 3600.0;
        const double jd =
            swe_julday(c.universal.year, c.universal.month, c.universal.day, hours, SE_GREG_CAL);
        EXPECT_NEAR(PreciseJulianDay(b), jd, 1e-9);
        // The chart set this thread's library up (files, ayanamsa).
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        double xx[6] = {};
        char error[AS_MAXCH] = {};
        ASSERT_GE(swe_calc_ut(jd, SE_MOON, SEFLG_SWIEPH | SEFLG_SIDEREAL, xx, error), 0) << error;
        EXPECT_NEAR(chart.planets.longitudes[BodyIndex(Body::Moon)], xx[0], 1e-7);
        // The classic formulas keep the row and the box.
        EXPECT_EQ(ChartJson(CalculateChart(b)), ChartJson(CalculateChart(c.birth)));
    }
    // Without an offset, nothing changes.
    EXPECT_EQ(UniversalSecond(cases[0].birth), 0);
    EXPECT_FALSE(ExactOffsetSecondsEast(cases[0].birth));
}

// The library's settings are per thread: two threads computing with
// different ayanamsas at once give what one thread gives alone.
TEST(PreciseChart, ThreadsDoNotDisturbOneAnother) {
    const auto& refs = References();
    std::vector<std::string> alone;
    for (const Reference& r : refs)
        alone.push_back(ChartJson(CalculateChart(r.birth, r.choice)));
    // Each thread takes every other reference, twenty times over.
    std::array<std::vector<std::pair<std::size_t, std::string>>, 2> together;
    auto work = [&](std::size_t t) {
        for (int round = 0; round < 20; ++round)
            for (std::size_t i = t; i < refs.size(); i += 2)
                together[t].emplace_back(i,
                                         ChartJson(CalculateChart(refs[i].birth, refs[i].choice)));
    };
    std::thread a(work, 0), b(work, 1);
    a.join();
    b.join();
    for (const auto& thread : together)
        for (const auto& [i, json] : thread)
            EXPECT_EQ(json, alone[i]) << refs[i].what;
}

// The program run on a data folder arranged for each fault: what it names
// as the ephemeris ("calculation" of --json, the line of --print), within a
// bounded time (a FIFO among the files once hung it for ever).
TEST(PreciseChart, TheDataFolderIsNamedAsTheLibraryUsedIt) {
    namespace fs = std::filesystem;
    const fs::path installed = VELLAMOR_SWISSEPH_EPHE_DIR;
    if (!fs::exists(installed / "semo_18.se1"))
        GTEST_SKIP() << "no Swiss Ephemeris data files in " << installed;
    struct Case {
        const char* what;
        std::vector<const char*> copied;
        std::function<void(const fs::path&)> arrange;
        const char* named;  // what the ephemeris text ends with
    };
    const std::vector<Case> cases{
        {"every file", {"sepl_18.se1", "semo_18.se1", "seas_18.se1"}, {}, "\""},
        {"the planets' file only",
         {"sepl_18.se1"},
         {},
         ", Moshier theory (data files not found)\""},
        {"a damaged Moon file",
         {"sepl_18.se1"},
         [](const fs::path& d) { std::ofstream(d / "semo_18.se1") << std::string(4096, 'x'); },
         ", Moshier theory (data files damaged)\""},
        {"a time-correction file",
         {"sepl_18.se1", "semo_18.se1"},
         [](const fs::path& d) {
             std::ofstream out(d / "sedeltat.txt");
             for (int year = 1620; year <= 2030; ++year)
                 out << year << " 86400\n";
         },
         ", time corrections from sedeltat.txt\""},
        {"a FIFO for the Moon's file",
         {"sepl_18.se1"},
         [](const fs::path& d) { ::mkfifo((d / "semo_18.se1").c_str(), 0600); },
         ", Moshier theory (data folder holds files that are not regular)\""},
    };
    for (const Case& c : cases) {
        const fs::path folder =
            fs::temp_directory_path() / ("vellamor-ephe-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* name : c.copied)
            fs::copy_file(installed / name, folder / name);
        if (c.arrange)
            c.arrange(folder);
        std::ofstream(folder / "births.csv")
            << "name,date,time,zone,dst,lat,lon,city,state,country\n"
               "Ravi Kumar,1980-03-05,7:05,34,false,18:31N,73:51E,Pune,Maharashtra,India\n";
        for (const char* mode : {"--json", "--births"}) {
            const std::string input = std::string(mode) == "--json"
                                          ? std::string(VELLAMOR_REFERENCE_CHARTS "/chart-01.sud")
                                          : "- < '" + (folder / "births.csv").string() + "'";
            const std::string command =
                "SE_EPHE_PATH='" + folder.string() +
                "' timeout 20 '" VELLAMOR_PROGRAM "' --precise " +
                (std::string(mode) == "--json" ? "--json " : "--print --births ") + input + " 2>&1";
            FILE* pipe = ::popen(command.c_str(), "r");
            ASSERT_NE(pipe, nullptr);
            std::string out;
            char buffer[4096];
            while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
                out.append(buffer, n);
            const int status = ::pclose(pipe);
            EXPECT_EQ(WEXITSTATUS(status), 0) << c.what << " " << mode << "\n" << out;
            const std::string expected =
                "Swiss Ephemeris " + std::string(SwissEphemerisVersion()) + c.named;
            if (std::string(mode) == "--json") {
                EXPECT_NE(out.find("\"ephemeris\": \"" + expected), std::string::npos)
                    << c.what << "\n"
                    << out.substr(0, 600);
            }
        }
        fs::remove_all(folder);
    }
}

}  // namespace
}  // namespace vellamor
