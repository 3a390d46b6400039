// SPDX-License-Identifier: GPL-3.0-or-later
// Writes random but valid chart files, for batch timings, memory checks and
// comparisons of the program's output before and after a change.
//
//   sample_charts FOLDER COUNT [SEED]
//
// Files are named chart-000001.sud and up. The births cover 1901 to 2050 with
// every valid day, all 71 zones, daylight saving on and off, both hemispheres,
// and coordinates mostly of inhabited latitudes with some at the poles, the
// equator, the date line and Greenwich. The same seed always gives the same
// files.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "cli/wording.h"
#include "core/astro/birth_data.h"
#include "core/astro/time_zones.h"
#include "core/chart/chart_format.h"
#include "core/chart/entry_form.h"
#include "random_source.h"

namespace {

using vellamor::BirthData;

class Generator : public vellamor::tools::RandomSource {
  public:
    using RandomSource::RandomSource;

    BirthData Birth() {
        BirthData b;
        b.name = Word(2, 12) + " " + Word(2, 14);
        b.year = Pick(vellamor::kFirstYear, vellamor::kLastYear);
        b.month = Pick(1, 12);
        b.day = Day(b.year, b.month);
        b.hour = Pick(0, 23);
        b.minute = Pick(0, 59);
        b.zoneIndex = Pick(0, vellamor::kTimeZoneCount - 1);
        const auto* zone = vellamor::TimeZoneAt(b.zoneIndex);
        b.zoneHours = std::abs(zone->hours);
        b.zoneMinutes = std::abs(zone->minutes);
        // One in twenty at an edge of the Earth: a pole, the equator, the
        // date line or Greenwich.
        const bool edge = Pick(0, 19) == 0;
        b.lonDegrees = edge ? 180 * Pick(0, 1) : Pick(0, 179);
        b.lonMinutes = edge ? 0 : Pick(0, 59);
        b.latDegrees = edge ? 90 * Pick(0, 1) : Pick(0, 66);
        b.latMinutes = edge ? 0 : Pick(0, 59);
        b.eastLongitude = Pick(0, 1) == 1;
        b.southLatitude = Pick(0, 3) == 0;
        b.daylightSaving = Pick(0, 3) == 0;
        b.city = Word(3, 12);
        b.state = Word(3, 14);
        b.country = Pick(0, 1) ? Word(3, 10) : Word(3, 8) + " " + Word(3, 8);
        return b;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: sample_charts FOLDER COUNT [SEED]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const long count = std::strtol(argv[2], nullptr, 10);
    const unsigned seed = argc == 4 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1;
    if (count < 1 || count > 999999) {
        std::fprintf(stderr, "sample_charts: COUNT must be 1 to 999999\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    Generator gen(seed);
    for (long i = 1; i <= count; ++i) {
        const auto result =
            vellamor::SerializeChartFile(vellamor::ChartFieldsFromBirthData(gen.Birth()));
        if (!result) {
            std::fprintf(stderr, "sample_charts: %s\n",
                         vellamor::ChartWriteText(result.error()).c_str());
            return 1;
        }
        const std::string& content = *result;
        char name[32];
        std::snprintf(name, sizeof name, "chart-%06ld.sud", i);
        std::ofstream out(folder / name, std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) {
            std::fprintf(stderr, "sample_charts: cannot write %s\n", (folder / name).c_str());
            return 1;
        }
    }
    return 0;
}
