// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/swiss_ephemeris.h"

#include <dirent.h>
#include <swephexp.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

// The folders the library will read, as it takes them: the environment's
// SE_EPHE_PATH before the folder it is given (the library's own rule), a
// list separated by ':' or ';'.
std::string EffectivePath() {
    const char* env = std::getenv("SE_EPHE_PATH");
    if (env != nullptr && *env != '\0' && std::strlen(env) <= AS_MAXCH - 1 - 13)
        return env;
    return VELLAMOR_SWISSEPH_EPHE_DIR;
}

std::vector<std::string> FoldersOf(const std::string& path) {
    std::vector<std::string> folders;
    std::string folder;
    for (const char c : path + ':') {
        if (c != ':' && c != ';') {
            folder += c;
        } else if (!folder.empty()) {
            folders.push_back(folder);
            folder.clear();
        }
    }
    return folders;
}

// The library's files of time corrections, in the order it looks for them.
constexpr std::array<const char*, 2> kTimeCorrectionFiles{"swe_deltat.txt", "sedeltat.txt"};

bool IsLibraryFile(std::string_view name) {
    return name.ends_with(".se1") || name == kTimeCorrectionFiles[0] ||
           name == kTimeCorrectionFiles[1];
}

// What the data folders hold, looked at once for the whole run.
struct DataFolders {
    // Only regular files under the names the library opens. The library
    // opens its files itself, blocking: a FIFO under such a name would hang
    // the calculation (and a --births run) for ever, so a folder holding
    // one is not used at all and the positions come from the Moshier theory.
    bool plain = true;
    std::string timeCorrectionFile;  // the one the library will read, if any
};

DataFolders LookAtDataFolders(const std::string& path) {
    DataFolders found;
    const std::vector<std::string> folders = FoldersOf(path);
    for (const std::string& folder : folders) {
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr)
            continue;
        while (const dirent* entry = ::readdir(dir)) {
            struct stat st {};
            if (IsLibraryFile(entry->d_name) &&
                ::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0 && !S_ISREG(st.st_mode))
                found.plain = false;
        }
        ::closedir(dir);
    }
    if (!found.plain)
        return found;
    for (const char* name : kTimeCorrectionFiles) {
        for (const std::string& folder : folders) {
            struct stat st {};
            if (::stat((folder + '/' + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
                found.timeCorrectionFile = name;
                return found;
            }
        }
    }
    return found;
}

// A folder that cannot exist: the library finds no file there.
constexpr const char* kNoFolder = "/dev/null/no-data-files";

const DataFolders& Data() {
    static const DataFolders data = [] {
        DataFolders d = LookAtDataFolders(EffectivePath());
        // The library prefers the environment's folder to the one it is
        // given, so a folder it must not read is withdrawn there too, once,
        // before any thread has used the library.
        if (!d.plain && std::getenv("SE_EPHE_PATH") != nullptr)
            ::setenv("SE_EPHE_PATH", kNoFolder, 1);
        return d;
    }();
    return data;
}

int32 DataFlag() {
    return Data().plain ? SEFLG_SWIEPH : SEFLG_MOSEPH;
}

// The library's settings live in thread-local storage in Debian's build
// (and any build with its TLS support): the data folder is set once per
// thread, since setting it closes the open files; the sidereal mode is set on
// every call, since it is cheap and other code on the thread may change it.
// When a thread that used the library ends (a --births job, say), its open
// files and buffers are given back: the library keeps them per thread and
// frees them only in swe_close.
struct ThreadEphemeris {
    ThreadEphemeris() { swe_set_ephe_path(Data().plain ? VELLAMOR_SWISSEPH_EPHE_DIR : kNoFolder); }
    ~ThreadEphemeris() { swe_close(); }
    ThreadEphemeris(const ThreadEphemeris&) = delete;
    ThreadEphemeris& operator=(const ThreadEphemeris&) = delete;
};

void PrepareThread(Ayanamsa ayanamsa) {
    thread_local ThreadEphemeris ephemeris;
    swe_set_sid_mode(kSiderealModes[static_cast<std::size_t>(ayanamsa)], 0, 0);
}

constexpr int32 kSidereal = SEFLG_SIDEREAL | SEFLG_SPEED;

int32 PositionsFlag(Positions positions) {
    return positions == Positions::Geometric ? SEFLG_TRUEPOS : 0;
}

int32 NodeNumber(LunarNode node) {
    return node == LunarNode::Mean ? SE_MEAN_NODE : SE_TRUE_NODE;
}

// Ketu stands opposite Rahu.
double KetuOf(double rahu) {
    return std::fmod(rahu + 180.0, 360.0);
}

// Whether, and why, the built-in theory stood in for any body so far.
struct Fallback {
    bool used = false;
    MoshierReason reason = MoshierReason::FilesMissing;
    void note(MoshierReason why) {
        // Damage outweighs a missing file: it is the one to mend.
        if (!used || why != MoshierReason::FilesMissing)
            reason = why;
        used = true;
    }
};

// One body. The library falls back to its built-in theory by itself when a
// data file is missing, but does not always say so in the returned flags
// (the Moon without its file keeps the data-file flag): its error text,
// read for every body, tells. A refused file (damaged) is retried with the
// built-in theory here.
void CalculateBody(double jd, int32 body, int32 ephemerisFlag, Positions positions, double out[6],
                   Fallback& fallback) {
    char error[AS_MAXCH] = {};
    const int32 flags = kSidereal | PositionsFlag(positions);
    int32 used = swe_calc_ut(jd, body, ephemerisFlag | flags, out, error);
    const bool damaged = std::strstr(error, "damaged") != nullptr;
    const MoshierReason why = ephemerisFlag == SEFLG_MOSEPH ? MoshierReason::FolderNotPlain
                              : damaged                     ? MoshierReason::FilesDamaged
                                                            : MoshierReason::FilesMissing;
    if (used < 0 && ephemerisFlag != SEFLG_MOSEPH) {
        fallback.note(why);
        error[0] = '\0';
        used = swe_calc_ut(jd, body, SEFLG_MOSEPH | flags, out, error);
    } else if (used >= 0 && ((used & SEFLG_MOSEPH) || std::strstr(error, "Moshier") != nullptr)) {
        fallback.note(why);
    }
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
                                   Ayanamsa ayanamsa, LunarNode node, Positions positions) {
    PrepareThread(ayanamsa);
    PreciseMoment m;
    const int32 dataFlag = DataFlag();
    Fallback fallback;
    double x[6];
    for (std::size_t i = 0; i < kPlanets.size(); ++i) {
        CalculateBody(jd, kPlanets[i], dataFlag, positions, x, fallback);
        m.longitudes[i] = x[0];
        m.speeds[i] = x[3];
    }
    const auto rahu = static_cast<std::size_t>(BodyIndex(Body::Rahu));
    CalculateBody(jd, NodeNumber(node), dataFlag, positions, x, fallback);
    m.longitudes[rahu] = x[0];
    m.speeds[rahu] = x[3];
    m.longitudes[static_cast<std::size_t>(BodyIndex(Body::Ketu))] = KetuOf(x[0]);
    const int32 ephemerisFlag = fallback.used ? SEFLG_MOSEPH : dataFlag;
    m.longitudes[static_cast<std::size_t>(BodyIndex(Body::Ascendant))] =
        AscendantWith(jd, latitudeNorth, longitudeEast, ephemerisFlag);
    char error[AS_MAXCH];
    double ayanamsaDegrees = 0;
    if (swe_get_ayanamsa_ex_ut(jd, ephemerisFlag, &ayanamsaDegrees, error) >= 0)
        m.ayanamsaDegrees = ayanamsaDegrees;
    if (dataFlag == SEFLG_MOSEPH)
        fallback.note(MoshierReason::FolderNotPlain);
    m.source = fallback.used ? EphemerisSource::Moshier : EphemerisSource::DataFiles;
    m.moshierReason = fallback.reason;
    m.timeCorrectionFile = Data().timeCorrectionFile;
    return m;
}

double PreciseAscendant(double jd, double latitudeNorth, double longitudeEast, Ayanamsa ayanamsa) {
    PrepareThread(ayanamsa);
    return AscendantWith(jd, latitudeNorth, longitudeEast, DataFlag());
}

double PreciseMoonLongitude(double jd, Ayanamsa ayanamsa, Positions positions) {
    PrepareThread(ayanamsa);
    Fallback fallback;
    double x[6];
    CalculateBody(jd, SE_MOON, DataFlag(), positions, x, fallback);
    return x[0];
}

PreciseMotion PreciseBodyMotion(Body body, double jd, Ayanamsa ayanamsa, LunarNode node,
                                Positions positions) {
    PrepareThread(ayanamsa);
    Fallback fallback;
    double x[6];
    const bool isNode = body == Body::Rahu || body == Body::Ketu;
    const int32 number =
        isNode ? NodeNumber(node) : kPlanets[static_cast<std::size_t>(BodyIndex(body))];
    CalculateBody(jd, number, DataFlag(), positions, x, fallback);
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
