// SPDX-License-Identifier: GPL-3.0-or-later
// The zone row and daylight-saving box for a place at one local moment, as
// the system's time-zone database (through QTimeZone) knows its history, and
// what the note that tells the user what was decided says, as values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "atlas/zone_choice.h"
#include "core/astro/enum_array.h"
#include "core/astro/spans.h"

namespace vellamor::atlas {

// A reading of the local clock: the birth date and time as entered.
struct LocalMoment {
    int year = 1901;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};

// How the clock reading maps onto real instants.
enum class ClockReading {
    Normal,    // one instant
    Skipped,   // the clocks jumped over it; read with the offset before the jump
    Repeated,  // it happened twice; read as the first, the earlier instant
};

// What the database says about the moment.
struct ZoneFacts {
    int offsetSeconds = 0;     // ahead of universal time, as read for this moment
    int daylightSeconds = 0;   // the part of it that is daylight saving (0 when none)
    std::string abbreviation;  // the database's, e.g. "EDT", "BDST", "+0545"
    ClockReading reading = ClockReading::Normal;
    int secondOffsetSeconds = 0;  // Repeated: the offset of the second, later reading
};

// Nothing when the database does not know the zone or the date does not
// exist (31 April).
std::optional<ZoneFacts> ZoneFactsAt(std::string_view ianaZone, const LocalMoment& when);

// What the clocks were on, by the part of the offset that is daylight saving.
enum class ClockState {
    Standard,        // none
    DaylightSaving,  // an hour
    DoubleSummer,    // two hours
    OtherSaving,     // any other amount, stated with it
};
ClockState ClockStateOf(int daylightSeconds);

// How far off the chart is left, as the note says it.
enum class ZoneErrorNote {
    None,             // the Ascendant, the Moon and the planets are right
    ByHandBoth,       // as set by hand: the Ascendant and the Moon off, the planets off
    ByHandAscendant,  // as set by hand: the Ascendant and the Moon off, the planets right
    ByHandPlanets,    // as set by hand: the Ascendant and the Moon right, the planets off
    NoRow,            // no row gives the Ascendant and the Moon the place's offset
    PlanetsOnly,      // the planets, which take the row's own offset, are off
    // A precise chart: every body takes the row's own offset and the box's
    // hour, so there is one error, the whole chart's.
    PreciseExact,   // the chart is exact
    PreciseByHand,  // as set by hand, the chart is off
    PreciseNoRow,   // no row gives the place's offset: with the closest the chart is off
};

// Which hemisphere's rule kept a row with the place's offset from the
// Ascendant and the Moon (Madrid, west of Greenwich on East time).
enum class BlockingHemisphere { None, East, West };

// An angle as the notes state it: to a tenth below 10°, whole above.
struct StatedDegrees {
    double degrees = 0;
    int decimals = 1;
};
StatedDegrees StateDegrees(double degrees);

// How far off the chart is left, in time and in degrees.
struct ZoneErrorFacts {
    SecondSpan ascendant;  // the Ascendant and the Moon (a precise chart: every body)
    SecondSpan planets;
    StatedDegrees ascendantDegrees;
    std::optional<StatedDegrees> moonDegrees;  // empty: under 0.1°
    bool planetsOff = false;
};

enum class ZoneNoteKind {
    Silent,       // a date that does not exist (31 February): nothing to say
    UnknownZone,  // the database has no such zone: zone and box left as they were
    Decided,
};

// What the note under the zone list tells the user, as values: the row and
// the box chosen, the clock's state at the place, a skipped or repeated
// reading and how to get the other, how far off the chart is when no pair is
// exact, and that a row named for another region was chosen for its offset.
// Each front end words it.
struct ZoneNote {
    ZoneNoteKind kind = ZoneNoteKind::Silent;
    std::string ianaZone;  // the zone looked up
    std::string place;     // what the note calls the place
    LocalMoment when;
    ZoneFacts facts;
    ZoneChoice choice;
    ZoneChoice second;  // Repeated: the row and box for the second, later reading
    ClockState clock = ClockState::Standard;
    ClockOffset offset;        // the place's offset, as read for the moment
    ClockOffset secondOffset;  // Repeated: the second reading's
    SecondSpan daylight;       // the part of the offset that is daylight saving
    ZoneErrorNote error = ZoneErrorNote::None;
    ZoneErrorFacts off;
    // NoRow: the hemisphere whose rule stands in the way (Madrid), if it does.
    BlockingHemisphere blocking = BlockingHemisphere::None;
    bool rowNamedElsewhere = false;  // no row is named for the place's time
};

struct ZoneDecision {
    bool decided = false;  // false: nothing known, the zone and box stay as they are
    ZoneFacts facts;
    ZoneChoice choice;
    ZoneNote note;  // Silent only when the date does not exist
};

// `eastOfGreenwich` is the hemisphere the program will read from the entry
// window (East with degrees and minutes not both 0). `fixed` holds what the
// user chose by hand; `placeName` is what the note calls the place (the
// zone's own city when empty). A date that does not exist (31 February)
// decides nothing and leaves the note silent.
ZoneDecision DecideZone(std::string_view ianaZone, std::string_view countryCode,
                        const LocalMoment& when, bool eastOfGreenwich, ZoneConstraint fixed = {},
                        std::string_view placeName = {}, ZoneRule rule = ZoneRule::Classic);

// The note for a decision; `rowNamedForPlace` false says that the row was
// named for another region.
ZoneNote DecisionNote(std::string_view ianaZone, const LocalMoment& when, bool eastOfGreenwich,
                      const ZoneFacts& facts, const ZoneChoice& choice, ZoneConstraint fixed,
                      std::string_view placeName = {}, bool rowNamedForPlace = true,
                      ZoneRule rule = ZoneRule::Classic);

// How far a wrong instant moves the Ascendant (a sign in about two hours, a
// degree in four minutes) and the Moon (about half a degree an hour), in
// degrees.
double AscendantDegreesOff(int seconds);
double MoonDegreesOff(int seconds);

}  // namespace vellamor::atlas

namespace vellamor {
template <>
inline constexpr int kEnumCount<atlas::ClockReading> = 3;
template <>
inline constexpr int kEnumCount<atlas::ClockState> = 4;
template <>
inline constexpr int kEnumCount<atlas::ZoneErrorNote> = 9;
template <>
inline constexpr int kEnumCount<atlas::BlockingHemisphere> = 3;
template <>
inline constexpr int kEnumCount<atlas::ZoneNoteKind> = 3;
}  // namespace vellamor
