// SPDX-License-Identifier: GPL-3.0-or-later
// The zone row and daylight-saving box for a place at one local moment, as
// the system's time-zone database (through QTimeZone) knows its history, and
// the one-line note that tells the user what was decided.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "atlas/zone_choice.h"

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

struct ZoneDecision {
    bool decided = false;  // false: nothing known, the zone and box stay as they are
    ZoneFacts facts;
    ZoneChoice choice;
    std::string note;  // always set, also when nothing was decided
};

// `eastOfGreenwich` is the hemisphere the program will read from the entry
// window (East with degrees and minutes not both 0). `fixed` holds what the
// user chose by hand; `placeName` is what the note calls the place (the
// zone's own city when empty). A date that does not exist (31 February)
// decides nothing and leaves the note empty.
ZoneDecision DecideZone(std::string_view ianaZone, std::string_view countryCode,
                        const LocalMoment& when, bool eastOfGreenwich, ZoneConstraint fixed = {},
                        std::string_view placeName = {});

// The note for a decision, in sentences a user reads once: the row and the
// box chosen ("Zone: Eastern Standard Time (row 27) with the Daylight Saving
// box unticked"), the clock's state at the place ("On 15 January 1975 clocks
// in New York were on standard time, UTC−5"), a skipped or repeated reading
// and how to get the other, how far off the Ascendant, the Moon and the
// planets are when no pair is exact, and that a row named for another region
// (`rowNamedForPlace` false) was chosen for its offset.
std::string DecisionNote(std::string_view ianaZone, const LocalMoment& when, bool eastOfGreenwich,
                         const ZoneFacts& facts, const ZoneChoice& choice, ZoneConstraint fixed,
                         std::string_view placeName = {}, bool rowNamedForPlace = true);

// "Eastern Standard Time (row 27) with the Daylight Saving box unticked".
std::string RowAndBox(int row, bool daylightSaving);

// "UTC+5:30", "UTC−4" (with the minus sign proper), "UTC+0".
std::string UtcText(int seconds);

// "+5:30", "-4:00", "+5:21:10".
std::string FormatOffset(int seconds);

// A duration as the notes give it: "1 h", "15 min", "8 min 50 s".
std::string FormatDuration(int seconds);

}  // namespace vellamor::atlas
