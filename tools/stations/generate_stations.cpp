// SPDX-License-Identifier: GPL-3.0-or-later
// Computes the retrograde station tables that the program carries as built-in
// data, and writes them as the CSV file the build compiles into the program.
//
// A station is the instant at which a planet's geocentric longitude, measured
// from the mean equinox of date, stops moving: its speed in longitude changes
// sign. The speed is sampled every half day and each change of sign is
// narrowed by bisection to well under a second, then rounded to the minute of
// universal time. Positions are geometric (no light time, aberration or
// deflection): that choice reproduces the rows the table must carry verbatim
// more closely than apparent positions or the true equinox (run with
// --compare to see the differences for any choice).
//
// The rows of the table that are fixed in advance (the first and last row of
// every planet and a few telling rows) replace the computed period they name,
// so the output carries them exactly; the run fails if any of them has no
// computed counterpart, or if a table's row count, order or period lengths
// come out wrong.
//
// Regenerate with (from a build directory configured where Swiss Ephemeris
// and its data files are installed):
//
//   cmake --build . --target update_station_table
//
// which builds this tool and runs it as
//
//   vellamor_stations -o <source>/core/retro/data/stations.csv
//
// Without -o the CSV goes to standard output. Nothing is written unless every
// check passes. Options: --moshier uses the built-in analytic ephemeris
// instead of the data files; --apparent and --true-equinox change the kind of
// position; --compare prints, instead of the CSV, how far each fixed row lies
// from the computed one.
#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A moment as the tables write it: universal time to the minute.
struct Stamp {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0;
};

struct Period {
    double retrogradeJd = 0;  // Julian day (UT) of the retrograde station
    double directJd = 0;
    Stamp retrograde;
    Stamp direct;
};

struct Planet {
    const char* name;
    int sweBody;
    int rows;     // rows the table must have
    int minDays;  // shortest and longest period in calendar days
    int maxDays;
};

constexpr std::array<Planet, 8> kPlanets{{
    {"Mercury", SE_MERCURY, 476, 19, 25},
    {"Venus", SE_VENUS, 95, 40, 44},
    {"Mars", SE_MARS, 71, 60, 81},
    {"Jupiter", SE_JUPITER, 139, 117, 124},
    {"Saturn", SE_SATURN, 146, 133, 142},
    {"Uranus", SE_URANUS, 150, 149, 155},
    {"Neptune", SE_NEPTUNE, 150, 156, 161},
    {"Pluto", SE_PLUTO, 151, 156, 165},
}};

// Rows the tables carry exactly as given. For every planet the earliest and
// the latest of its rows here are the first and last rows of its table. A row
// without a direct station fixes only the retrograde station of its period.
struct FixedRow {
    std::string_view planet;
    Stamp retrograde;
    std::optional<Stamp> direct;
};

const std::vector<FixedRow>& FixedRows() {
    static const std::vector<FixedRow> rows{
        {"Mercury", {3, 15, 1900, 13, 19}, Stamp{4, 7, 1900, 18, 42}},
        {"Mercury", {7, 18, 1900, 0, 53}, std::nullopt},
        {"Mercury", {11, 20, 1906, 1, 18}, Stamp{12, 9, 1906, 20, 28}},
        {"Mercury", {6, 2, 1909, 16, 7}, std::nullopt},
        {"Mercury", {2, 21, 2000, 0, 39}, Stamp{3, 14, 2000, 20, 28}},
        {"Mercury", {6, 23, 2000, 8, 32}, Stamp{7, 17, 2000, 13, 9}},
        {"Mercury", {10, 18, 2000, 13, 39}, Stamp{11, 8, 2000, 2, 32}},
        {"Mercury", {7, 2, 2039, 21, 48}, Stamp{7, 27, 2039, 3, 6}},
        {"Mercury", {12, 1, 2050, 17, 17}, Stamp{12, 21, 2050, 11, 33}},
        {"Venus", {6, 16, 1900, 22, 56}, Stamp{7, 30, 1900, 2, 44}},
        {"Venus", {9, 25, 2050, 22, 15}, Stamp{11, 6, 2050, 19, 4}},
        {"Mars", {1, 13, 1901, 6, 16}, Stamp{4, 4, 1901, 7, 21}},
        {"Mars", {1, 31, 2044, 23, 54}, Stamp{4, 21, 2044, 22, 44}},
        {"Mars", {7, 15, 2050, 5, 50}, Stamp{9, 13, 2050, 9, 41}},
        {"Jupiter", {3, 27, 1900, 20, 39}, Stamp{7, 29, 1900, 1, 35}},
        {"Jupiter", {12, 21, 2050, 13, 21}, Stamp{4, 21, 2051, 23, 46}},
        {"Saturn", {4, 14, 1900, 6, 2}, Stamp{9, 2, 1900, 14, 39}},
        {"Saturn", {5, 18, 2050, 13, 6}, Stamp{10, 6, 2050, 11, 5}},
        {"Uranus", {3, 17, 1900, 17, 36}, Stamp{8, 17, 1900, 15, 27}},
        {"Uranus", {12, 30, 2050, 15, 40}, Stamp{5, 29, 2051, 6, 22}},
        {"Neptune", {10, 2, 1900, 13, 58}, Stamp{3, 8, 1901, 0, 45}},
        {"Neptune", {8, 31, 2050, 13, 52}, Stamp{2, 4, 2051, 10, 41}},
        {"Pluto", {9, 16, 1899, 5, 48}, Stamp{2, 27, 1900, 7, 36}},
        {"Pluto", {6, 10, 2050, 3, 49}, Stamp{11, 21, 2050, 16, 16}},
    };
    return rows;
}

struct Options {
    int ephemeris = SEFLG_SWIEPH;
    bool apparent = false;
    bool trueEquinox = false;
    bool compare = false;
    std::string output;  // empty: standard output
};

int Flags(const Options& o) {
    int f = o.ephemeris | SEFLG_SPEED;
    if (!o.apparent)
        f |= SEFLG_TRUEPOS;
    if (!o.trueEquinox)
        f |= SEFLG_NONUT;
    return f;
}

double Speed(double jdUt, int body, int flags) {
    double xx[6];
    char error[AS_MAXCH] = "";
    const int used = swe_calc_ut(jdUt, body, flags, xx, error);
    if (used < 0) {
        std::fprintf(stderr, "vellamor_stations: %s\n", error);
        std::exit(1);
    }
    // Asking for the data files but being served the analytic ephemeris
    // (the library falls back when it cannot find them) would silently
    // change the tables.
    constexpr int kEphemerisBits = SEFLG_JPLEPH | SEFLG_SWIEPH | SEFLG_MOSEPH;
    if ((used & kEphemerisBits) != (flags & kEphemerisBits)) {
        std::fprintf(stderr, "vellamor_stations: ephemeris files not found: %s\n", error);
        std::exit(1);
    }
    return xx[3];
}

double JulianDay(const Stamp& s) {
    return swe_julday(s.year, s.month, s.day, s.hour + s.minute / 60.0, SE_GREG_CAL);
}

Stamp ToStamp(double jdUt) {
    // Whole minutes counted from a midnight, so that rounding can never
    // produce a 60th minute or a 24th hour.
    const long long minutes = std::llround((jdUt + 0.5) * 1440.0);
    const long long dayNumber = minutes / 1440;  // the Julian Day Number
    const int minuteOfDay = static_cast<int>(minutes % 1440);
    Stamp s;
    double hours = 0;
    swe_revjul(static_cast<double>(dayNumber), SE_GREG_CAL, &s.year, &s.month, &s.day, &hours);
    s.hour = minuteOfDay / 60;
    s.minute = minuteOfDay % 60;
    return s;
}

long CalendarDay(const Stamp& s) {
    return std::lround(swe_julday(s.year, s.month, s.day, 12.0, SE_GREG_CAL));
}

// Every complete retrograde period whose stations both fall in [from, to].
std::vector<Period> ComputePeriods(int body, int flags, double from, double to) {
    constexpr double kStep = 0.5;
    std::vector<Period> periods;
    bool retrogradeOpen = false;  // a retrograde station seen, its direct one not yet
    double openedAt = 0;
    double t = from;
    double v = Speed(t, body, flags);
    while (t < to) {
        const double t2 = t + kStep;
        const double v2 = Speed(t2, body, flags);
        if ((v > 0) != (v2 > 0)) {
            double lo = t, hi = t2;
            const bool turningRetrograde = v > 0;
            while (hi - lo > 1e-7) {
                const double mid = 0.5 * (lo + hi);
                if ((Speed(mid, body, flags) > 0) == turningRetrograde) {
                    lo = mid;
                } else {
                    hi = mid;
                }
            }
            const double station = 0.5 * (lo + hi);
            if (turningRetrograde) {
                retrogradeOpen = true;
                openedAt = station;
            } else if (retrogradeOpen) {
                Period p;
                p.retrogradeJd = openedAt;
                p.directJd = station;
                p.retrograde = ToStamp(p.retrogradeJd);
                p.direct = ToStamp(p.directJd);
                periods.push_back(p);
                retrogradeOpen = false;
            }
        }
        t = t2;
        v = v2;
    }
    return periods;
}

std::string Text(const Stamp& s) {
    return std::to_string(s.month) + "," + std::to_string(s.day) + "," + std::to_string(s.year) +
           "," + std::to_string(s.hour) + "," + std::to_string(s.minute) + ",";
}

// Index of the computed period a fixed row names: the one whose retrograde
// station lies within two days of the fixed one.
std::optional<std::size_t> Match(const std::vector<Period>& periods, const FixedRow& row) {
    const double jd = JulianDay(row.retrograde);
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (std::abs(periods[i].retrogradeJd - jd) < 2.0)
            return i;
    }
    return std::nullopt;
}

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "vellamor_stations: %s\n", message.c_str());
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--moshier") {
            o.ephemeris = SEFLG_MOSEPH;
        } else if (a == "--apparent") {
            o.apparent = true;
        } else if (a == "--true-equinox") {
            o.trueEquinox = true;
        } else if (a == "--compare") {
            o.compare = true;
        } else if (a == "-o" && i + 1 < argc) {
            o.output = argv[++i];
        } else {
            std::fprintf(stderr,
                         "usage: vellamor_stations [--moshier] [--apparent] [--true-equinox] "
                         "[--compare] [-o stations.csv]\n");
            return 2;
        }
    }
    const int flags = Flags(o);
    // A margin of a year on either side lets the first and last periods of
    // every table (1899 to 2051) close inside the search.
    const double from = swe_julday(1898, 1, 1, 0.0, SE_GREG_CAL);
    const double to = swe_julday(2053, 1, 1, 0.0, SE_GREG_CAL);

    std::string csv = "planet,row,retrograde,direct\n";
    double worst = 0;
    for (const Planet& planet : kPlanets) {
        std::vector<Period> periods = ComputePeriods(planet.sweBody, flags, from, to);
        std::optional<std::size_t> first, last;
        for (const FixedRow& row : FixedRows()) {
            if (row.planet != planet.name)
                continue;
            const auto i = Match(periods, row);
            if (!i)
                Fail(std::string(planet.name) + ": no computed period near " +
                     Text(row.retrograde));
            Period& p = periods[*i];
            if (o.compare) {
                const double dr = (JulianDay(row.retrograde) - p.retrogradeJd) * 1440.0;
                std::printf("%-8s %-18s computed %-18s %+8.1f min", planet.name,
                            Text(row.retrograde).c_str(), Text(p.retrograde).c_str(), dr);
                worst = std::max(worst, std::abs(dr));
                if (row.direct) {
                    const double dd = (JulianDay(*row.direct) - p.directJd) * 1440.0;
                    std::printf("   %-18s computed %-18s %+8.1f min", Text(*row.direct).c_str(),
                                Text(p.direct).c_str(), dd);
                    worst = std::max(worst, std::abs(dd));
                }
                std::printf("\n");
            }
            p.retrograde = row.retrograde;
            if (row.direct)
                p.direct = *row.direct;
            if (!first || *i < *first)
                first = i;
            if (!last || *i > *last)
                last = i;
        }
        if (!first)
            Fail(std::string(planet.name) + ": no fixed rows");
        const std::vector<Period> table(periods.begin() + static_cast<long>(*first),
                                        periods.begin() + static_cast<long>(*last) + 1);
        if (static_cast<int>(table.size()) != planet.rows) {
            Fail(std::string(planet.name) + ": " + std::to_string(table.size()) +
                 " rows, expected " + std::to_string(planet.rows));
        }
        for (std::size_t k = 0; k < table.size(); ++k) {
            const long days = CalendarDay(table[k].direct) - CalendarDay(table[k].retrograde);
            if (days < planet.minDays || days > planet.maxDays) {
                Fail(std::string(planet.name) + " row " + std::to_string(k) + ": " +
                     std::to_string(days) + " days");
            }
            if (k > 0 && CalendarDay(table[k].retrograde) <= CalendarDay(table[k - 1].direct)) {
                Fail(std::string(planet.name) + " row " + std::to_string(k) +
                     " touches the previous row");
            }
            csv += std::string(planet.name) + "," + std::to_string(k) + ",\"" +
                   Text(table[k].retrograde) + "\",\"" + Text(table[k].direct) + "\"\n";
        }
    }
    swe_close();
    if (o.compare) {
        std::printf("largest difference: %.1f min\n", worst);
        return 0;
    }
    if (o.output.empty()) {
        std::fputs(csv.c_str(), stdout);
        return 0;
    }
    std::ofstream file(o.output, std::ios::binary | std::ios::trunc);
    file << csv;
    file.close();
    if (!file)
        Fail("cannot write " + o.output);
    return 0;
}
