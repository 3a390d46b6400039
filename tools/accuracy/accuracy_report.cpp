// SPDX-License-Identifier: GPL-3.0-or-later
// How far the program's sidereal positions lie from Swiss Ephemeris', as a
// Markdown document (docs/accuracy.md is this program's output).
//
//   accuracy_report [COUNT [SEED]]
//
// For COUNT random instants (whole minutes, 1901 to 2050) at random places,
// the program computes a chart for a birth in the zone of Greenwich Mean Time
// without daylight saving, where its Moon, Ascendant and planets all take the
// same universal time. Swiss Ephemeris (data files) gives the apparent
// tropical longitudes for that universal time; the program's own ayanamsa for
// each body (the lunar one for the Moon, the planets' one for the rest) makes
// them sidereal. So the ayanamsa cancels out and only the position formulas
// are compared. Rahu is compared with the mean node, Ketu with the point
// opposite, the Ascendant with Swiss Ephemeris' house routine. Precise charts
// are compared with the library's own sidereal calls for the same births.
#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/astro/bodies.h"
#include "core/astro/civil_date.h"
#include "core/astro/position_text.h"
#include "core/astro/time_zones.h"
#include "core/chart/pipeline.h"

namespace {

using vellamor::BirthData;
using vellamor::Body;
using vellamor::kBodyCount;

constexpr int kGreenwichRow = 29;  // "Greenwich Mean Time,GMT,0.0"
constexpr int kMaxLatitude = 60;   // the Ascendant is ill-defined near the polar circles

// The Swiss Ephemeris body for each of the program's bodies (Ketu and the
// Ascendant are derived).
constexpr std::array<int, kBodyCount> kSwissBody{
    SE_SUN,    SE_MOON,    SE_MERCURY, SE_VENUS,     SE_MARS,      SE_JUPITER, SE_SATURN,
    SE_URANUS, SE_NEPTUNE, SE_PLUTO,   SE_MEAN_NODE, SE_MEAN_NODE, -1};

double Normalized(double degrees) {
    double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// program - reference in (-180, 180] degrees.
double Difference(double program, double reference) {
    double d = Normalized(program - reference);
    return d > 180.0 ? d - 360.0 : d;
}

struct Sample {
    int year;
    double arcminutes;  // program - reference
    bool signDiffers;
};

BirthData RandomBirth(std::mt19937& rng) {
    auto pick = [&](long long lo, long long hi) {
        return std::uniform_int_distribution<long long>(lo, hi)(rng);
    };
    BirthData b;
    const vellamor::CalendarDate date = vellamor::DateOfDayNumber(static_cast<int>(pick(
        vellamor::CalendarDayNumber({1901, 1, 1}), vellamor::CalendarDayNumber({2050, 12, 31}))));
    b.year = date.year;
    b.month = date.month;
    b.day = date.day;
    b.hour = static_cast<int>(pick(0, 23));
    b.minute = static_cast<int>(pick(0, 59));
    b.zoneIndex = kGreenwichRow;  // magnitude 0:00
    b.daylightSaving = false;
    const long long latMinutes = pick(-kMaxLatitude * 60, kMaxLatitude * 60);
    const long long lonMinutes = pick(-180 * 60 + 1, 180 * 60 - 1);  // East positive here
    b.southLatitude = latMinutes < 0;
    b.latDegrees = static_cast<int>(std::llabs(latMinutes) / 60);
    b.latMinutes = static_cast<int>(std::llabs(latMinutes) % 60);
    b.eastLongitude = lonMinutes > 0;
    b.lonDegrees = static_cast<int>(std::llabs(lonMinutes) / 60);
    b.lonMinutes = static_cast<int>(std::llabs(lonMinutes) % 60);
    b.name = "Accuracy Sample";
    b.city = b.state = b.country = "Sample";
    return b;
}

struct Summary {
    double median = 0, p95 = 0, max = 0, mean = 0;
    double signDiffersPercent = 0;
    std::size_t count = 0, signDiffers = 0;
};

Summary Summarize(const std::vector<Sample>& samples, int fromYear, int toYear) {
    std::vector<double> magnitudes;
    double sum = 0;
    std::size_t differs = 0;
    for (const Sample& s : samples) {
        if (s.year < fromYear || s.year > toYear)
            continue;
        magnitudes.push_back(std::fabs(s.arcminutes));
        sum += s.arcminutes;
        differs += s.signDiffers;
    }
    Summary r;
    r.count = magnitudes.size();
    if (magnitudes.empty())
        return r;
    std::sort(magnitudes.begin(), magnitudes.end());
    const std::size_t n = magnitudes.size();
    r.median = n % 2 ? magnitudes[n / 2] : (magnitudes[n / 2 - 1] + magnitudes[n / 2]) / 2;
    // Nearest rank: the smallest value that at least 95 % of the samples do not exceed.
    r.p95 = magnitudes[static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(n))) - 1];
    r.max = magnitudes.back();
    r.mean = sum / static_cast<double>(n);
    r.signDiffers = differs;
    r.signDiffersPercent = 100.0 * static_cast<double>(differs) / static_cast<double>(n);
    return r;
}

using SampleSets = std::array<std::vector<Sample>, kBodyCount>;

struct Period {
    int from, to;
};
constexpr std::array<Period, 3> kPeriods{{{1901, 1950}, {1951, 2000}, {2001, 2050}}};

std::string BodyName(int i) {
    return std::string(vellamor::kPlanetNames[static_cast<std::size_t>(i)]);
}

// Least-squares slope of the difference against the year, arc minutes a year.
double SlopePerYear(const std::vector<Sample>& samples) {
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double n = static_cast<double>(samples.size());
    for (const Sample& s : samples) {
        const double x = s.year - 2000.0;
        sx += x, sy += s.arcminutes, sxx += x * x, sxy += x * s.arcminutes;
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

// Figures beyond the table: how far the nodes lie from the true node, and the
// Ascendant of a birth in Madrid entered in the Central European row.
struct Cautions {
    double trueNodeMaxDegrees = 0;
    double madridAscendantMeanDegrees = 0;
    double madridAscendantMaxDegrees = 0;
    // Precise charts (lahiri, mean node) against the library's own sidereal
    // calls; births where a classic body stands in another sign than the
    // precise one; the precise Madrid Ascendant against the reference.
    double preciseMaxArcseconds = 0;
    long preciseSignMoved = 0;
    double preciseMadridMaxArcseconds = 0;
};

void WriteReport(const SampleSets& samples, long count, const char* version,
                 const Cautions& cautions) {
    const int sun = vellamor::BodyIndex(Body::Sun), moon = vellamor::BodyIndex(Body::Moon);
    const int pluto = vellamor::BodyIndex(Body::Pluto), rahu = vellamor::BodyIndex(Body::Rahu);
    const int asc = vellamor::BodyIndex(Body::Ascendant);
    std::array<Summary, kBodyCount> all;
    for (int i = 0; i < kBodyCount; ++i)
        all[static_cast<std::size_t>(i)] =
            Summarize(samples[static_cast<std::size_t>(i)], 1901, 2050);
    auto at = [&](int i) -> const Summary& { return all[static_cast<std::size_t>(i)]; };

    std::printf("# Accuracy of the positions\n\n");
    std::printf(
        "Vellamor computes its positions with short formulas of its own: a lunar series of 25 "
        "terms, mean Keplerian elements for the Sun and the planets, a linear mean node for Rahu "
        "and a classical formula for the Ascendant. This page says how far they lie from Swiss "
        "Ephemeris %s with its data files, a high-precision ephemeris widely used by astrology "
        "software.\n\n",
        version);
    std::printf(
        "**Method.** %ld births at random whole minutes from 1901 to 2050 and at random places "
        "between %d degrees South and North, entered in the zone \"Greenwich Mean Time\" without "
        "daylight saving, so that the Moon, the planets and the Ascendant are computed for the "
        "same universal time. Swiss Ephemeris gives the apparent tropical longitude of each body "
        "for that universal time (its mean node for Rahu and the point opposite for Ketu, its "
        "house routine for the Ascendant at the same place); Vellamor's own ayanamsa for that "
        "body (the lunar formula for the Moon, the planets' formula for the others) is "
        "subtracted from it. The ayanamsa therefore cancels out: the figures measure the "
        "position formulas alone, not the choice of ayanamsa. The difference is Vellamor minus "
        "Swiss Ephemeris in minutes of arc (60 to a degree); \"sign differs\" is the share of "
        "births for which the two positions fall in different signs, and so in different "
        "houses of all three rings.\n\n",
        count, kMaxLatitude);

    std::printf("| Body | Median | 95th percentile | Maximum | Mean (signed) | Sign differs |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (int i = 0; i < kBodyCount; ++i) {
        const Summary& s = at(i);
        std::printf("| %s | %.1f' | %.1f' | %.1f' | %+.1f' | %.1f %% |\n", BodyName(i).c_str(),
                    s.median, s.p95, s.max, s.mean, s.signDiffersPercent);
    }

    double planetsMax = 0, leastShare = 100, mostShare = 0;
    for (int i = sun; i <= pluto; ++i) {
        if (i == moon)
            continue;
        planetsMax = std::max(planetsMax, at(i).max);
        leastShare = std::min(leastShare, at(i).signDiffersPercent);
        mostShare = std::max(mostShare, at(i).signDiffersPercent);
    }
    const Summary sunEarly = Summarize(samples[static_cast<std::size_t>(sun)], 1901, 1950);
    const Summary sunLate = Summarize(samples[static_cast<std::size_t>(sun)], 2001, 2050);
    std::printf(
        "\n**What this means.** The Moon and the Ascendant, which number the Chandra ring and "
        "the birth ring, agree with Swiss Ephemeris to within %.1f' and %.1f' in every sample; "
        "their signs differed for %zu and %zu of the %ld births, where a position lay that "
        "close to the boundary of a sign. That holds only for a birth entered as the program "
        "reads it: the Ascendant and the Moon take the size of the zone row and its direction "
        "from the longitude's hemisphere, and one hour more when \"Daylight Saving Time\" is "
        "ticked. So the zone row's sign must agree with the longitude's hemisphere and the box "
        "must be left clear: a birth in Madrid (west of Greenwich) entered in the row "
        "\"Central European Time\" gives an Ascendant %.0f degrees off on average, and up "
        "to %.0f degrees.\n\n"
        "The error of the Sun and the planets is systematic, not random. They are computed for "
        "the fixed equinox of the year 2000 while their ayanamsa is that of the birth date, so "
        "they are shifted by the precession between the two, about %.2f' for each year away "
        "from 2000: ahead of the true position for births before 2000 (%.0f' on average in "
        "1901 to 1950) and behind it after 2000 (%.0f' on average in 2001 to 2050), at most "
        "%.0f'. For %.1f to %.1f %% of the births a planet lies close enough to the boundary of "
        "a sign to be shown in the neighbouring sign, and so in the neighbouring house of all "
        "three rings.\n\n"
        "Rahu and Ketu lie %.1f' behind the mean node throughout. Most of it is the one degree "
        "that the formula subtracts; the formula's node itself stands about %.1f' ahead, "
        "because its constant belongs to a day count 1.5 days from the one the program uses. "
        "They are the mean node: against a chart that uses the true node, Rahu and Ketu differ "
        "by up to about %.1f degrees.\n\n"
        "So the signs and houses of the Moon and the Ascendant can be trusted when the zone row "
        "matches the longitude's hemisphere and no daylight saving is ticked; for the Sun, the "
        "planets and the nodes, a position within %.1f degrees of the boundary of a sign may "
        "belong to the neighbouring sign.\n",
        at(moon).max, at(asc).max, at(moon).signDiffers, at(asc).signDiffers, count,
        cautions.madridAscendantMeanDegrees, cautions.madridAscendantMaxDegrees,
        std::fabs(SlopePerYear(samples[static_cast<std::size_t>(sun)])), sunEarly.mean,
        std::fabs(sunLate.mean), planetsMax, leastShare, mostShare, std::fabs(at(rahu).mean),
        60.0 - std::fabs(at(rahu).mean), cautions.trueNodeMaxDegrees,
        std::ceil(std::max(planetsMax, std::fabs(at(rahu).max)) / 6.0) / 10.0);

    std::printf(
        "\nBy period of birth: the 95th percentile of the difference, and in brackets how often "
        "the sign differs.\n\n");
    std::printf("| Body |");
    for (const Period& p : kPeriods)
        std::printf(" %d to %d |", p.from, p.to);
    std::printf("\n|---|");
    for (std::size_t k = 0; k < kPeriods.size(); ++k)
        std::printf("---:|");
    std::printf("\n");
    for (int i = 0; i < kBodyCount; ++i) {
        std::printf("| %s |", BodyName(i).c_str());
        for (const Period& p : kPeriods) {
            const Summary s = Summarize(samples[static_cast<std::size_t>(i)], p.from, p.to);
            std::printf(" %.1f' (%.1f %%) |", s.p95, s.signDiffersPercent);
        }
        std::printf("\n");
    }
    std::printf(
        "\n## Precise charts\n\n"
        "With the precise calculation (the Calculation menu, or `--precise` on the command "
        "line) Vellamor takes every position from Swiss Ephemeris itself: the Sun, the Moon, "
        "Mercury to Pluto and the mean or true node with the library's sidereal mode and the "
        "chosen ayanamsa, the Ascendant from its house routine, all for one universal time. "
        "They equal Swiss Ephemeris by construction: for the same %ld births (Lahiri, mean "
        "node) no body of a precise chart lay more than %.2f\" from the library's own "
        "sidereal call. In %.1f %% of those births at least one body of the classic chart "
        "stands in another sign than in the precise chart.\n\n"
        "The universal time is the clock time minus the zone row's own signed offset, and an "
        "hour less when the Daylight Saving box is ticked, whatever the longitude's "
        "hemisphere: the Madrid birth above, entered in \"Central European Time\", gives a "
        "precise Ascendant within %.2f\" of the library's. What remains is the input: the "
        "clock time is whole minutes (the Moon moves about half an arcminute a minute, the "
        "Ascendant a quarter of a degree), and a zone row must give the true offset. The rows "
        "are whole or half hours, so an offset like Nepal's +5:45, or local mean time before "
        "standard time, cannot be entered exactly; the atlas says by how many minutes it "
        "misses.\n",
        count, cautions.preciseMaxArcseconds,
        100.0 * static_cast<double>(cautions.preciseSignMoved) / static_cast<double>(count),
        cautions.preciseMadridMaxArcseconds);
    std::fputs(
        "\n## Other schools' conventions\n\nOther Vedic programs compute with other conventions, "
        "and a chart can be made their way. Apparent positions (the default) are where a body is "
        "seen: its light left it minutes or hours ago, and the Earth's motion shifts it by up to "
        "20.5\" (aberration). Geometric positions (`--positions geometric` with `--precise`, Swis"
        "s Ephemeris's SEFLG_TRUEPOS) are where the body is at the instant, as several Vedic prog"
        "rams take them. The Sun and the planets then stand up to 50\" away from their apparent "
        "places (an outer planet whose light-time and aberration nearly cancel, 1\" to 3\")"
        ", so their sign changes come some 8 minutes (the Sun) to about 90 minutes (Saturn)"
        " apart; the Moon moves by under 1\", the mean node and the Ascendant not at all.\n\nThe "
        "Vimshottari year is 365.25 days (the Julian year) unless `--dasha-year` chooses the side"
        "real year (365.256363 days), the tropical year (365.24219) or the savana year of 360 day"
        "s. A period that starts 50 years after the birth starts 7.6 hours later in sidereal year"
        "s than in Julian ones, 9.4 hours earlier in tropical ones and 262.5 days earlier in sava"
        "na ones; for comparison, one arcsecond of the Moon moves every period by about three hou"
        "rs.\n\nThe Sudarshan dasha's years start at the birthday on the birth's clock, or with `"
        "--sudarshan-year solar-return` at the first minute the Sun is back at its sidereal longi"
        "tude at the birth. The sidereal year outruns the calendar's by 20 minutes a year, and th"
        "e calendar's leap days add a quarter of a day back and forth, so the two starts lie from"
        " hours to a day or two apart, the solar return later as life goes on.\n",
        stdout);
    std::printf(
        "\nThis page is the output of `scripts/accuracy-report.sh`, which builds the report "
        "tool (it needs Swiss Ephemeris and its data files) and rewrites it.\n");
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    if (count < 20 || count > 10000000) {
        std::fprintf(stderr, "usage: accuracy_report [COUNT (20 or more) [SEED]]\n");
        return 2;
    }
    swe_set_ephe_path(VELLAMOR_SWISSEPH_EPHE_DIR);

    std::mt19937 rng(seed);
    std::array<std::vector<Sample>, kBodyCount> samples;
    Cautions cautions;
    std::vector<double> madrid;  // |Ascendant - reference| in degrees
    int centralEuropeanRow = -1;
    const auto& zones = vellamor::LoadTimeZoneTable();
    for (int row = 0; row < vellamor::kTimeZoneCount; ++row)
        if (zones[static_cast<std::size_t>(row)].text.rfind("Central European Time,", 0) == 0)
            centralEuropeanRow = row;
    char error[AS_MAXCH];
    for (long n = 0; n < count; ++n) {
        const BirthData b = RandomBirth(rng);
        const vellamor::Chart chart = vellamor::CalculateChart(b);
        const double jdUt =
            swe_julday(b.year, b.month, b.day, b.hour + b.minute / 60.0, SE_GREG_CAL);

        // All three of the program's time bases must name this instant.
        const double moonJd = chart.classic()->moon.state.centuries2000 * 36525.0 + 2451545.0;
        const double ascJd = chart.classic()->ascendant.centuries1900 * 36525.0 + 2415020.0;
        const double planetsJd = chart.planets.dayNumber + 2451545.0;
        for (double jd : {moonJd, ascJd, planetsJd}) {
            if (std::fabs(jd - jdUt) > 1e-6) {
                std::fprintf(stderr,
                             "accuracy_report: time bases differ for %d-%02d-%02d %02d:%02d\n",
                             b.year, b.month, b.day, b.hour, b.minute);
                return 1;
            }
        }

        const double latitude = (b.latDegrees + b.latMinutes / 60.0) * (b.southLatitude ? -1 : 1);
        const double longitudeEast =
            (b.lonDegrees + b.lonMinutes / 60.0) * (b.eastLongitude ? 1 : -1);
        for (int i = 0; i < kBodyCount; ++i) {
            double tropical = 0;
            if (i == vellamor::BodyIndex(Body::Ascendant)) {
                double cusps[13], ascmc[10];
                swe_houses_ex(jdUt, SEFLG_SWIEPH, latitude, longitudeEast, 'E', cusps, ascmc);
                tropical = ascmc[0];
            } else {
                double xx[6];
                const int32 flags = swe_calc_ut(jdUt, kSwissBody[static_cast<std::size_t>(i)],
                                                SEFLG_SWIEPH, xx, error);
                if (flags < 0 || !(flags & SEFLG_SWIEPH)) {
                    std::fprintf(stderr,
                                 "accuracy_report: Swiss Ephemeris data files are not used (%s); "
                                 "set SE_EPHE_PATH\n",
                                 error);
                    return 1;
                }
                tropical = xx[0];
                if (i == vellamor::BodyIndex(Body::Ketu))
                    tropical += 180.0;
            }
            const double ayanamsaOffset = i == vellamor::BodyIndex(Body::Moon)
                                              ? chart.classic()->moon.state.ayanamsaOffset
                                              : chart.classic()->ascendant.ayanamsaOffset;
            const double reference = Normalized(tropical + ayanamsaOffset);
            const double program = chart.planets.longitudes[static_cast<std::size_t>(i)];
            const int programSign = vellamor::SignIndexOf(program);
            const int referenceSign = static_cast<int>(std::floor(reference / 30.0)) % 12;
            samples[static_cast<std::size_t>(i)].push_back(
                {b.year, Difference(program, reference) * 60.0, programSign != referenceSign});
        }

        // The precise chart against the library's own sidereal calls.
        const vellamor::CalculationChoice precise{vellamor::CalculationMethod::Precise};
        const vellamor::Chart preciseChart = vellamor::CalculateChart(b, precise);
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        bool moved = false;
        for (int i = 0; i < kBodyCount; ++i) {
            double reference = 0;
            if (i == vellamor::BodyIndex(Body::Ascendant)) {
                double cusps[13], ascmc[10];
                swe_houses_ex(jdUt, SEFLG_SWIEPH | SEFLG_SIDEREAL, latitude, longitudeEast, 'E',
                              cusps, ascmc);
                reference = ascmc[0];
            } else {
                double xx[6];
                swe_calc_ut(jdUt, kSwissBody[static_cast<std::size_t>(i)],
                            SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED, xx, error);
                reference = Normalized(xx[0] + (i == vellamor::BodyIndex(Body::Ketu) ? 180 : 0));
            }
            const auto k = static_cast<std::size_t>(i);
            cautions.preciseMaxArcseconds = std::max(
                cautions.preciseMaxArcseconds,
                std::fabs(Difference(preciseChart.planets.longitudes[k], reference)) * 3600);
            moved = moved || preciseChart.planets.signs[k] != chart.planets.signs[k];
        }
        cautions.preciseSignMoved += moved;

        // Rahu against the true node.
        double node[6];
        swe_calc_ut(jdUt, SE_TRUE_NODE, SEFLG_SWIEPH, node, error);
        const double trueRahu = Normalized(node[0] + chart.classic()->ascendant.ayanamsaOffset);
        cautions.trueNodeMaxDegrees = std::max(
            cautions.trueNodeMaxDegrees,
            std::fabs(Difference(
                chart.planets.longitudes[static_cast<std::size_t>(vellamor::BodyIndex(Body::Rahu))],
                trueRahu)));

        // The same local clock time in Madrid (40 25 N, 3 42 W), in the
        // Central European row: one hour ahead of universal time.
        BirthData m = b;
        m.latDegrees = 40, m.latMinutes = 25, m.southLatitude = false;
        m.lonDegrees = 3, m.lonMinutes = 42, m.eastLongitude = false;
        m.zoneIndex = centralEuropeanRow, m.zoneHours = 1, m.zoneMinutes = 0;
        const vellamor::Chart madridChart = vellamor::CalculateChart(m);
        double cusps[13], ascmc[10];
        swe_houses_ex(jdUt - 1.0 / 24.0, SEFLG_SWIEPH, 40 + 25 / 60.0, -(3 + 42 / 60.0), 'E', cusps,
                      ascmc);
        const double madridReference =
            Normalized(ascmc[0] + madridChart.classic()->ascendant.ayanamsaOffset);
        madrid.push_back(std::fabs(Difference(
            madridChart.planets
                .longitudes[static_cast<std::size_t>(vellamor::BodyIndex(Body::Ascendant))],
            madridReference)));
        const vellamor::Chart madridPrecise = vellamor::CalculateChart(m, precise);
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        swe_houses_ex(jdUt - 1.0 / 24.0, SEFLG_SWIEPH | SEFLG_SIDEREAL, 40 + 25 / 60.0,
                      -(3 + 42 / 60.0), 'E', cusps, ascmc);
        cautions.preciseMadridMaxArcseconds =
            std::max(cautions.preciseMadridMaxArcseconds,
                     std::fabs(Difference(madridPrecise.planets.longitudes[static_cast<std::size_t>(
                                              vellamor::BodyIndex(Body::Ascendant))],
                                          ascmc[0])) *
                         3600);
    }
    for (double d : madrid)
        cautions.madridAscendantMeanDegrees += d / static_cast<double>(madrid.size());
    cautions.madridAscendantMaxDegrees = *std::max_element(madrid.begin(), madrid.end());
    char version[AS_MAXCH];
    swe_version(version);
    swe_close();
    WriteReport(samples, count, version, cautions);
    return 0;
}
