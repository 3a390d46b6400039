// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a CSV table of random but valid births for `vellamor --births`, for
// throughput and memory measurements of charts in bulk.
//
//   birth_table COUNT [SEED] > births.csv
//
// One header row and COUNT rows: every valid day from 1901 to 2050, all 71
// zones, daylight saving on and off, both hemispheres, names and places of
// letters and blanks (some quoted, as spreadsheets write them). The same
// seed always gives the same table.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/astro/time_zones.h"
#include "core/chart/entry_form.h"
#include "random_source.h"

namespace {

class Generator : public vellamor::tools::RandomSource {
  public:
    using RandomSource::RandomSource;

    std::string Row() {
        const int year = Pick(vellamor::kFirstYear, vellamor::kLastYear);
        const int month = Pick(1, 12);
        const int day = Day(year, month);
        char numbers[96];
        std::snprintf(
            numbers, sizeof numbers, "%04d-%02d-%02d,%02d:%02d,%d,%s,%02d:%02d%c,%03d:%02d%c", year,
            month, day, Pick(0, 23), Pick(0, 59), Pick(0, vellamor::kTimeZoneCount - 1),
            Pick(0, 3) == 0 ? "true" : "false", Pick(0, 66), Pick(0, 59),
            Pick(0, 3) == 0 ? 'S' : 'N', Pick(0, 179), Pick(0, 59), Pick(0, 1) ? 'E' : 'W');
        std::string name = Word(2, 12) + " " + Word(2, 14);
        if (Pick(0, 9) == 0)
            name = "\"" + name + "\"";
        return name + "," + numbers + "," + Word(3, 12) + "," + Word(3, 14) + "," +
               (Pick(0, 1) ? Word(3, 10) : Word(3, 8) + " " + Word(3, 8)) + "\n";
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: birth_table COUNT [SEED] > births.csv\n");
        return 2;
    }
    const long long count = std::strtoll(argv[1], nullptr, 10);
    const unsigned seed = argc == 3 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    if (count < 1 || count > 100000000) {
        std::fprintf(stderr, "birth_table: COUNT must be 1 to 100000000\n");
        return 2;
    }
    Generator gen(seed);
    std::string text = "name,date,time,zone,dst,lat,lon,city,state,country\n";
    for (long long i = 0; i < count; ++i) {
        text += gen.Row();
        if (text.size() > (1 << 20)) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::ferror(stdout) ? 1 : 0;
}
