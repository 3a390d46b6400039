// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/swiss_ephemeris.h"

#include <swephexp.h>

#include <cmath>
#include <string>

// The data folder Debian's swe-basic-data fills; the build names the one it
// found. The library lets the environment variable SE_EPHE_PATH override it.
#ifndef VELLAMOR_SWISSEPH_EPHE_DIR
#define VELLAMOR_SWISSEPH_EPHE_DIR "/usr/share/libswe/ephe"
#endif

namespace vellamor {
namespace {

constexpr std::array<int32, kAyanamsaCount> kSiderealModes{
    SE_SIDM_LAHIRI,     SE_SIDM_RAMAN,         SE_SIDM_KRISHNAMURTI,
    SE_SIDM_YUKTESHWAR, SE_SIDM_FAGAN_BRADLEY, SE_SIDM_TRUE_CITRA};

// Swiss Ephemeris body numbers for Sun..Pluto in body order.
constexpr std::array<int32, 10> kPlanets{SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS,   SE_MARS,
                                         SE_JUPITER, SE_SATURN, SE_URANUS,  SE_NEPTUNE, SE_PLUTO};
static_assert(BodyIndex(Body::Pluto) + 1 == static_cast<int>(kPlanets.size()));

// The library's settings live in thread-local storage in Debian's build
// (and any build with its TLS support): the data folder is set once per
// thread, since setting it closes the open files; the sidereal mode is set on
// every call, since it is cheap and other code on the thread may change it.
// When a thread that used the library ends (a --births job, say), its open
// files and buffers are given back: the library keeps them per thread and
// frees them only in swe_close.
struct ThreadEphemeris {
    ThreadEphemeris() { swe_set_ephe_path(VELLAMOR_SWISSEPH_EPHE_DIR); }
    ~ThreadEphemeris() { swe_close(); }
    ThreadEphemeris(const ThreadEphemeris&) = delete;
    ThreadEphemeris& operator=(const ThreadEphemeris&) = delete;
};

void PrepareThread(Ayanamsa ayanamsa) {
    thread_local ThreadEphemeris ephemeris;
    swe_set_sid_mode(kSiderealModes[static_cast<std::size_t>(ayanamsa)], 0, 0);
}

constexpr int32 kSidereal = SEFLG_SIDEREAL | SEFLG_SPEED;

int32 NodeNumber(LunarNode node) {
    return node == LunarNode::Mean ? SE_MEAN_NODE : SE_TRUE_NODE;
}

// Ketu stands opposite Rahu.
double KetuOf(double rahu) {
    return std::fmod(rahu + 180.0, 360.0);
}

// One body; falls back to the built-in theory when the data files are
// missing (the library does so itself and says so in the returned flags),
// and keeps the flag of the theory it used in `ephemerisFlag`.
void CalculateBody(double jd, int32 body, int32& ephemerisFlag, double out[6]) {
    char error[AS_MAXCH];
    int32 used = swe_calc_ut(jd, body, ephemerisFlag | kSidereal, out, error);
    if (used < 0 && ephemerisFlag != SEFLG_MOSEPH) {
        ephemerisFlag = SEFLG_MOSEPH;
        used = swe_calc_ut(jd, body, ephemerisFlag | kSidereal, out, error);
    }
    if (used >= 0 && (used & SEFLG_MOSEPH))
        ephemerisFlag = SEFLG_MOSEPH;
    // Within the years a chart accepts the Moshier theory never fails; a
    // failure anyway leaves a zero position rather than garbage.
    if (used < 0)
        out[0] = out[3] = 0;
}

double AscendantWith(double jd, double latitudeNorth, double longitudeEast, int32 ephemerisFlag) {
    double cusps[13];
    double angles[10];
    // Equal houses: the Ascendant does not depend on the house system, and
    // this one has no latitude it fails at.
    swe_houses_ex(jd, ephemerisFlag | SEFLG_SIDEREAL, latitudeNorth, longitudeEast, 'E', cusps,
                  angles);
    return angles[SE_ASC];
}

}  // namespace

PreciseMoment ComputePreciseMoment(double jd, double latitudeNorth, double longitudeEast,
                                   Ayanamsa ayanamsa, LunarNode node) {
    PrepareThread(ayanamsa);
    PreciseMoment m;
    int32 ephemerisFlag = SEFLG_SWIEPH;
    double x[6];
    for (std::size_t i = 0; i < kPlanets.size(); ++i) {
        CalculateBody(jd, kPlanets[i], ephemerisFlag, x);
        m.longitudes[i] = x[0];
        m.speeds[i] = x[3];
    }
    const auto rahu = static_cast<std::size_t>(BodyIndex(Body::Rahu));
    CalculateBody(jd, NodeNumber(node), ephemerisFlag, x);
    m.longitudes[rahu] = x[0];
    m.speeds[rahu] = x[3];
    m.longitudes[static_cast<std::size_t>(BodyIndex(Body::Ketu))] = KetuOf(x[0]);
    m.longitudes[static_cast<std::size_t>(BodyIndex(Body::Ascendant))] =
        AscendantWith(jd, latitudeNorth, longitudeEast, ephemerisFlag);
    char error[AS_MAXCH];
    double ayanamsaDegrees = 0;
    if (swe_get_ayanamsa_ex_ut(jd, ephemerisFlag, &ayanamsaDegrees, error) >= 0)
        m.ayanamsaDegrees = ayanamsaDegrees;
    m.source =
        ephemerisFlag == SEFLG_MOSEPH ? EphemerisSource::Moshier : EphemerisSource::DataFiles;
    return m;
}

double PreciseAscendant(double jd, double latitudeNorth, double longitudeEast, Ayanamsa ayanamsa) {
    PrepareThread(ayanamsa);
    return AscendantWith(jd, latitudeNorth, longitudeEast, SEFLG_SWIEPH);
}

double PreciseMoonLongitude(double jd, Ayanamsa ayanamsa) {
    PrepareThread(ayanamsa);
    int32 ephemerisFlag = SEFLG_SWIEPH;
    double x[6];
    CalculateBody(jd, SE_MOON, ephemerisFlag, x);
    return x[0];
}

PreciseMotion PreciseBodyMotion(Body body, double jd, Ayanamsa ayanamsa, LunarNode node) {
    PrepareThread(ayanamsa);
    int32 ephemerisFlag = SEFLG_SWIEPH;
    double x[6];
    const bool isNode = body == Body::Rahu || body == Body::Ketu;
    const int32 number =
        isNode ? NodeNumber(node) : kPlanets[static_cast<std::size_t>(BodyIndex(body))];
    CalculateBody(jd, number, ephemerisFlag, x);
    if (body == Body::Ketu)
        return {KetuOf(x[0]), x[3]};
    return {x[0], x[3]};
}

double JulianDayUniversal(int year, int month, int day, double hours) {
    return swe_julday(year, month, day, hours, SE_GREG_CAL);
}

std::string_view SwissEphemerisVersion() {
    static const std::string version = [] {
        char text[AS_MAXCH] = {};
        swe_version(text);
        return std::string(text);
    }();
    return version;
}

}  // namespace vellamor
