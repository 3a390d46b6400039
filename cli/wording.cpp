// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/wording.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/chart_words.h"
#include "cli/terminal_text.h"
#include "core/astro/bodies.h"
#include "core/astro/utf8.h"

#ifdef VELLAMOR_HAVE_ATLAS
#include "core/astro/time_zones.h"
#endif

namespace vellamor {
namespace {

std::string TwoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string MonthOf(int month) {
    const std::string_view name = MonthName(month);
    return name.empty() ? std::string("?") : std::string(name);
}

// ":SS" put into a time text `fromEnd` characters before its end ("01:30"
// and " UT"), when the seconds are not zero.
std::string SecondsInserted(std::string text, int seconds, std::size_t fromEnd) {
    if (seconds != 0)
        text.insert(text.size() - fromEnd, ":" + TwoDigits(seconds));
    return text;
}

// "15 August 1985, 01:30 UT"
std::string InstantText(const CivilDateTime& t) {
    return std::to_string(t.day) + " " + MonthOf(t.month) + " " + std::to_string(t.year) + ", " +
           TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + " UT";
}

// "UTC+5:30", "UTC-3:30", "UTC+0:00"
std::string OffsetText(int eastMinutes) {
    const ClockOffset o = OffsetOfSeconds(eastMinutes * 60);
    return std::string("UTC") + (o.behind ? "-" : "+") + std::to_string(o.hours) + ":" +
           TwoDigits(o.minutes);
}

// The chart file's fields as the form labels them, line 1 first.
std::string_view FieldName(int line) {
    return line >= 1 && line <= kChartLineCount
               ? kChartFieldNames[static_cast<std::size_t>(line - 1)]
               : std::string_view("chart");
}

// The value in a reason: shown as it is when short and plain, so that
// nothing from the file reaches a terminal raw; otherwise left out.
std::string Shown(std::string_view value) {
    switch (QuotingOf(value)) {
        case ValueQuoting::Omitted:
            return {};
        case ValueQuoting::Bare:
            return " " + std::string(value);
        case ValueQuoting::Quoted:
            return " \"" + std::string(value) + "\"";
    }
    return {};
}

// Why the value of `line` was refused: "month 13 is not 1 to 12".
std::string RefusedValueText(int line, const RefusedValue& v) {
    const std::string field(FieldName(line));
    switch (v.check) {
        case ValueCheck::Range: {
            const std::string noun =
                line == chart_line::kZoneLine + 1 ? "time zone row" : AsciiLowercase(field);
            return noun + Shown(v.text) + " is not " + std::to_string(v.first) + " to " +
                   std::to_string(v.last);
        }
        case ValueCheck::Flag:
            return field + Shown(v.text) + " is neither True nor False";
        case ValueCheck::Coordinate:
            return std::string(line == chart_line::kLonDegLine + 1 ||
                                       line == chart_line::kLatDegLine + 1
                                   ? "degrees of "
                                   : "minutes of ") +
                   AsciiLowercase(field) + Shown(v.text) + " are not one to three digits";
        case ValueCheck::TextLength:
            return "the " + AsciiLowercase(field) + " is longer than 200 characters";
        case ValueCheck::Offset:
            return AsciiLowercase(field) + Shown(v.text) +
                   " is neither +H:MM[:SS] within 14:00 nor LMT";
    }
    return {};
}

}  // namespace

std::string_view FormCheckText(FormCheck check) {
    switch (check) {
        case FormCheck::Name:
            return "Please Enter Your Name";
        case FormCheck::LatDegrees:
            return "Please Enter Degree of Latitude";
        case FormCheck::LatMinutes:
            return "Please Enter Minutes of Latitude";
        case FormCheck::LonDegrees:
            return "Please Enter Degree of Longitude";
        case FormCheck::LonMinutes:
            return "Please Enter Minute of Longitude";
        case FormCheck::City:
            return "Please Enter Your City name";
        case FormCheck::State:
            return "Please Enter Your State name";
        case FormCheck::Country:
            return "Please Enter Your Country name";
        case FormCheck::LatitudeOption:
            return "Please Select Direction For The Latitude";
        case FormCheck::LongitudeOption:
            return "Please Select Direction For The Longitude";
        case FormCheck::FebruaryDay:
            return "Please Enter Correct Date Or Month!";
        case FormCheck::ThirtyDayMonth:
            return "Please Enter Correct Date Or Month !";
        case FormCheck::LatitudeRange:
            return "Latitude Must Be At Most 90 Degrees";
        case FormCheck::LatitudeMinutesRange:
            return "Minutes of Latitude Must Be Less Than 60";
        case FormCheck::LongitudeRange:
            return "Longitude Must Be At Most 180 Degrees";
        case FormCheck::LongitudeMinutesRange:
            return "Minutes of Longitude Must Be Less Than 60";
    }
    return {};
}

std::string ChartFileReasonText(const ChartFileError& e) {
    const std::string line = "line " + std::to_string(e.line);
    switch (e.problem) {
        case ChartFileProblem::NotAChartName:
            return "the name does not end in \"sud\"";
        case ChartFileProblem::NoSuchFile:
            return "no such file";
        case ChartFileProblem::PermissionDenied:
            return "permission denied";
        case ChartFileProblem::NotRegularFile:
            return "not a regular file";
        case ChartFileProblem::Unreadable:
            return e.systemError ? AsciiLowercase(std::strerror(e.systemError))
                                 : "it cannot be read";
        case ChartFileProblem::TooLarge:
            return "larger than 64 KiB";
        case ChartFileProblem::LineTooLong:
            return line + " is too long";
        case ChartFileProblem::UndecodableLine:
            return line + " cannot be decoded";
        case ChartFileProblem::CutShort:
            return line + " is cut short";
        case ChartFileProblem::EndsEarly:
            return "the file ends after " + line;
        case ChartFileProblem::TrailingBytes:
            return "the file goes on after " + line;
        case ChartFileProblem::EmptyFile:
            return "the file is empty";
        case ChartFileProblem::UnacceptableValue:
            return line + ": " + RefusedValueText(e.line, e.value);
    }
    return "it cannot be read";
}

std::string OpeningErrorText(const OpeningError& e) {
    if (e.check)
        return std::string(FormCheckText(*e.check));
    return std::string(kCheckFileText);
}

std::string_view InterruptedRewriteText(InterruptedRewrite what) {
    switch (what) {
        case InterruptedRewrite::None:
            return {};
        case InterruptedRewrite::Finished:
            return "an earlier save into this file was cut off after its last byte; it is now "
                   "complete";
        case InterruptedRewrite::Undone:
            return "an earlier save into this file was cut off part way; the chart it held "
                   "before that save is back";
    }
    return {};
}

std::string FileReplaceText(const FileReplaceError& e) {
    switch (e.kind) {
        case FileReplaceError::Kind::SharedFolderLink:
            return "will not follow a symbolic link in a shared folder";
        case FileReplaceError::Kind::DanglingLink:
            return "the symbolic link leads to no file";
        case FileReplaceError::Kind::NotRegularFile:
            return "not a regular file";
        case FileReplaceError::Kind::ReadOnly:
            return "the file is read-only";
        case FileReplaceError::Kind::LinkedAndLarge:
            return "the file has other names (hard links) and is too large to rewrite in place";
        case FileReplaceError::Kind::System:
            break;
    }
    return std::strerror(e.systemError);
}

std::string ChartWriteText(const ChartWriteError& e) {
    const std::string name(FieldName(e.line));
    switch (e.problem) {
        case ChartWriteProblem::UncarriableCharacter:
            return "The chart cannot be saved: the " + name + " holds the character \"" +
                   e.character + "\", which a chart file cannot carry.";
        case ChartWriteProblem::TextTooLong:
            return "The chart cannot be saved: the " + name + " is longer than 200 characters.";
        case ChartWriteProblem::NotReplaced:
            break;
    }
    return EscapeControls(e.path) + ": " + FileReplaceText(e.replace);
}

std::string SheetExportText(const SheetExportError& e) {
    switch (e.kind) {
        case SheetExportError::Kind::UnknownFormat:
            return EscapeControls(e.path) + ": the name must end in .png, .svg or .pdf";
        case SheetExportError::Kind::NotDrawn:
            return EscapeControls(e.path) + ": the sheet could not be drawn";
        case SheetExportError::Kind::NoFont:
            return EscapeControls(e.path) + ": not written: no installed font has \"" +
                   EscapeControls(e.missing) + "\", which the sheet needs; install its font (" +
                   e.fonts + ")";
        case SheetExportError::Kind::NotReplaced:
            break;
    }
    return EscapeControls(e.path) + ": " + FileReplaceText(e.replace);
}

std::string_view ReadingErrorText(ReadingError error) {
    switch (error) {
        case ReadingError::NotADate:
            return "The reading is not a date of the calendar.";
        case ReadingError::BeforeBirth:
            return "The reading is before the birth.";
        case ReadingError::OutOfRange:
            return "The reading must lie between 1901 and 2050.";
    }
    return {};
}

std::string SpanText(const MinuteSpan& span) {
    auto pair = [&span](const char* unit, const char* restUnit) {
        return std::to_string(span.whole) + unit +
               (span.rest ? " " + std::to_string(span.rest) + restUnit : "");
    };
    switch (span.unit) {
        case SpanUnit::UnderAMinute:
            return "under 1 min";
        case SpanUnit::Minutes:
            return std::to_string(span.whole) + " min";
        case SpanUnit::Hours:
            return pair(" h", " min");
        case SpanUnit::Days:
            return pair(" d", " h");
    }
    return {};
}

std::string SignChangeSentence(const SignChangeFacts& f) {
    auto part = [](const SignChangeFacts::Side& side, const char* direction) {
        return (side.found ? "" : "not within ") + SpanText(side.span) + " " + direction;
    };
    std::string what;
    switch (f.of) {
        case SignChanger::Ascendant:
            what = "Lagna";
            break;
        case SignChanger::Moon:
            what = "Moon";
            break;
    }
    return what + " changes sign if birth was " + part(f.earlier, "earlier") + " or " +
           part(f.later, "later");
}

std::string StationDateText(const std::optional<CalendarDate>& date) {
    if (!date)
        return {};
    return std::to_string(date->month) + "," + std::to_string(date->day) + "," +
           std::to_string(date->year);
}

std::string StationDateReadable(const std::optional<CalendarDate>& date) {
    if (!date || date->month < 1 || date->month > 12)
        return StationDateText(date);
    return std::to_string(date->day) + " " + MonthOf(date->month) + " " +
           std::to_string(date->year);
}

std::string StationEvidenceText(const StationEvidence& e) {
    const std::string before = StationDateReadable(e.before), after = StationDateReadable(e.after);
    std::string out = e.retrograde
                          ? "retrograde from " +
                                (before.empty() ? std::string("(before the tables)") : before) +
                                " to " + (after.empty() ? std::string("(after the tables)") : after)
                          : "direct; last direct station " +
                                (before.empty() ? std::string("(before the tables)") : before) +
                                ", next retrograde station " +
                                (after.empty() ? std::string("(after the tables)") : after);
    if (e.dayDecided)
        out += "; the birth day is at a station, so the calendar day decides the mark";
    return out;
}

std::string ZoneSanityNote(const std::optional<ZoneMisfit>& misfit) {
    if (!misfit)
        return {};
    const ZoneMisfit& m = *misfit;
    std::string note = "Time zone check: \"" + m.zoneText + "\" is " +
                       OffsetText(m.zoneEastMinutes) + ", but the birth longitude " +
                       std::to_string(m.lonDegrees) + "\u00b0" + std::to_string(m.lonMinutes) +
                       "' " + (m.east ? "East" : "West") + " keeps a mean solar time of about " +
                       OffsetText(m.solarEastMinutes) + ".";
    switch (m.reason) {
        case MisfitReason::OtherSide:
            note += " The zone lies on the other side of Greenwich from the longitude.";
            break;
        case MisfitReason::Far:
            note += " A zone more than 1 h 30 min away from it is often a data-entry error.";
            break;
    }
    switch (m.rule) {
        case MisfitRule::Precise:
            return note + " The precise calculation takes the zone's own offset" +
                   (m.daylightSaving ? " and the daylight-saving hour" : "") +
                   ": it computed the chart for " + InstantText(m.planetsInstant) +
                   ". Please check the time zone.";
        case MisfitRule::Classic:
            break;
    }
    return note + " Vellamor takes the zone's direction from the longitude: it used " +
           SpanText(m.zoneMagnitude) + (m.daylightSaving ? " (and the daylight-saving hour)" : "") +
           " " + (m.usedEast ? "East" : "West") +
           " of Greenwich and computed the Ascendant and the Moon for " +
           InstantText(m.ascendantInstant) + ", and the planets, from the zone's own offset, for " +
           InstantText(m.planetsInstant) + ". Please check the time zone.";
}

std::string EphemerisText(const PreciseCalculation& precise) {
    const std::string library = "Swiss Ephemeris " + std::string(SwissEphemerisVersion());
    std::string text = library;
    switch (precise.source) {
        case EphemerisSource::DataFiles:
            break;
        case EphemerisSource::Moshier:
            switch (precise.moshierReason) {
                case MoshierReason::FilesMissing:
                    text += ", Moshier theory (data files not found)";
                    break;
                case MoshierReason::FilesDamaged:
                    text += ", Moshier theory (data files damaged)";
                    break;
                case MoshierReason::FolderNotPlain:
                    text += ", Moshier theory (data folder holds files that are not regular)";
                    break;
            }
            break;
    }
    if (!precise.timeCorrectionFile.empty())
        text += ", time corrections from " + precise.timeCorrectionFile;
    return text;
}

std::string_view AyanamsaWords(Ayanamsa ayanamsa) {
    switch (ayanamsa) {
        case Ayanamsa::Lahiri:
            return "Lahiri";
        case Ayanamsa::Raman:
            return "Raman";
        case Ayanamsa::Krishnamurti:
            return "Krishnamurti";
        case Ayanamsa::Yukteshwar:
            return "Yukteshwar";
        case Ayanamsa::FaganBradley:
            return "Fagan-Bradley";
        case Ayanamsa::TrueChitra:
            return "True Chitra";
    }
    return "?";
}

std::string CalculationLine(const Chart& chart) {
    if (!chart.precise())
        return {};
    const double seconds = std::floor(chart.precise()->ayanamsaDegrees * 3600.0);
    const auto s = static_cast<long long>(seconds);
    const std::string ayanamsa = std::to_string(s / 3600) + "\u00b0" +
                                 TwoDigits(static_cast<int>(s / 60 % 60)) + "'" +
                                 TwoDigits(static_cast<int>(s % 60)) + "\"";
    return "Calculation: precise, " + EphemerisText(*chart.precise()) + ", " +
           std::string(AyanamsaWords(chart.calculation.ayanamsa)) + " ayanamsa " + ayanamsa + ", " +
           std::string(LunarNodeKey(chart.calculation.node)) + " node, " +
           std::string(PositionsKey(chart.calculation.positions)) + " positions, for " +
           SecondsInserted(InstantText(chart.precise()->universal),
                           chart.precise()->universalSecond, 3);
}

std::string ExactOffsetLine(const Chart& chart) {
    const auto east = ExactOffsetSecondsEast(chart.birth);
    if (!east)
        return {};
    std::string offset = ExactOffsetText(ExactOffset::Fixed(*east));
    if (chart.birth.exactOffset.kind == ExactOffsetKind::LocalMeanTime)
        offset = "local mean time of the longitude, " + offset;
    return "Exact offset " + offset +
           (chart.precise() ? ": the precise calculation takes it for the zone row and the box"
                            : ": it applies to precise charts; the classic formulas take the "
                              "zone row and the box");
}

std::string UniversalClockText(const PreciseCalculation& precise) {
    return SecondsInserted(ClockText(precise.universal), precise.universalSecond, 0);
}

std::string DashaYearWords(DashaYear year) {
    std::string_view kind;
    switch (year) {
        case DashaYear::Julian:
            kind = "";  // the years everyone means
            break;
        case DashaYear::Sidereal:
            kind = "sidereal ";
            break;
        case DashaYear::Tropical:
            kind = "tropical ";
            break;
        case DashaYear::Savana:
            kind = "savana ";
            break;
    }
    char days[32];
    std::snprintf(days, sizeof days, "%.10g", DashaYearDays(year));
    return std::string(kind) + "years of " + days + " days";
}

std::string_view SudarshanYearWords(SudarshanYear start) {
    switch (start) {
        case SudarshanYear::Birthday:
            return "at each birthday";
        case SudarshanYear::SolarReturn:
            return "at each solar return";
    }
    return {};
}

std::string BalanceWords(const VimshottariBalance& b) {
    const auto count = [](int n, std::string_view unit) {
        return std::to_string(n) + " " + std::string(unit) + (n == 1 ? "" : "s");
    };
    return count(b.years, "year") + ", " + count(b.months, "month") + ", " + count(b.days, "day");
}

std::string BoxAndHemispheresText(const BirthData& b) {
    return std::string("Daylight Saving box ") + (b.daylightSaving ? "ticked" : "unticked") + "; " +
           (b.southLatitude ? "South" : "North") + " latitude, " +
           (b.eastLongitude ? "East" : "West") + " longitude";
}

std::string StabilityText(const ChartStability& s) {
    std::string out = "Chart Stability\n";
    out += "  " + SignChangeSentence(SignChangeFactsOf(SignChanger::Ascendant, s.ascendant)) + "\n";
    out += "  " + SignChangeSentence(SignChangeFactsOf(SignChanger::Moon, s.moon)) + "\n";
    if (s.nearBoundary.empty()) {
        out += "  No body stands within one arcminute of a sign boundary\n";
    } else {
        out += "  Within one arcminute of a sign boundary:";
        for (Body b : s.nearBoundary) {
            out += " ";
            out += kPlanetNames[static_cast<std::size_t>(BodyIndex(b))];
        }
        out += "\n";
    }
    for (const StationEvidence& e : s.stations) {
        out += "  " + std::string(kPlanetNames[static_cast<std::size_t>(BodyIndex(e.planet))]) +
               ": " + StationEvidenceText(e) + "\n";
    }
    if (const std::string note = ZoneSanityNote(s.zoneMisfit); !note.empty())
        out += "  " + note + "\n";
    return out;
}

#ifdef VELLAMOR_HAVE_ATLAS

std::string SpanText(const SecondSpan& span) {
    std::string out;
    auto part = [&out](int value, const char* unit) {
        out += (out.empty() ? "" : " ") + std::to_string(value) + unit;
    };
    if (span.showsHours())
        part(span.hours, " h");
    if (span.showsMinutes())
        part(span.minutes, " min");
    if (span.showsSeconds())
        part(span.seconds, " s");
    return out;
}

std::string UtcText(const ClockOffset& o) {
    // The minus sign proper, as clocks are written.
    std::string s = std::string("UTC") + (o.behind ? "\u2212" : "+") + std::to_string(o.hours);
    if (o.minutes != 0 || o.seconds != 0) {
        s += ":" + TwoDigits(o.minutes);
        if (o.seconds != 0)
            s += ":" + TwoDigits(o.seconds);
    }
    return s;
}

namespace {

// The row's name as the zone list shows it: what stands before the first
// comma of the table's text.
std::string ZoneRowName(int row) {
    const TimeZoneRow* zone = TimeZoneAt(row);
    if (zone == nullptr)
        return "row " + std::to_string(row);
    const std::string_view text = zone->text;
    return std::string(text.substr(0, text.find(',')));
}

// What the clocks were on.
std::string ClockStateText(const atlas::ZoneNote& n) {
    switch (n.clock) {
        case atlas::ClockState::Standard:
            return "standard time";
        case atlas::ClockState::DaylightSaving:
            return "daylight saving time";
        case atlas::ClockState::DoubleSummer:
            return "double summer time";
        case atlas::ClockState::OtherSaving:
            break;
    }
    return "daylight saving time, " + SpanText(n.daylight) + " ahead of standard time";
}

std::string DegreesText(const atlas::StatedDegrees& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", d.decimals, d.degrees);
    return std::string(text) + "\u00b0";
}

std::string ErrorInDegrees(const atlas::ZoneErrorFacts& f) {
    return "about " + DegreesText(f.ascendantDegrees) + " for the Ascendant and " +
           (f.moonDegrees ? DegreesText(*f.moonDegrees) : std::string("under 0.1\u00b0")) +
           " for the Moon";
}

std::string ErrorSentence(const atlas::ZoneNote& n, const std::string& utc) {
    const atlas::ZoneErrorFacts& f = n.off;
    const std::string asc = SpanText(f.ascendant), planets = SpanText(f.planets);
    switch (n.error) {
        case atlas::ZoneErrorNote::None:
            return {};
        case atlas::ZoneErrorNote::ByHandBoth:
            return "As set by hand: the Ascendant and the Moon " + asc + " off (" +
                   ErrorInDegrees(f) + "), the planets " + planets + " off.";
        case atlas::ZoneErrorNote::ByHandAscendant:
            return "As set by hand: the Ascendant and the Moon " + asc + " off (" +
                   ErrorInDegrees(f) + "), the planets right.";
        case atlas::ZoneErrorNote::ByHandPlanets:
            return "As set by hand: the Ascendant and the Moon right, the planets " + planets +
                   " off.";
        case atlas::ZoneErrorNote::NoRow: {
            std::string side;
            switch (n.blocking) {
                case atlas::BlockingHemisphere::None:
                    break;
                case atlas::BlockingHemisphere::East:
                    side = " east of Greenwich";
                    break;
                case atlas::BlockingHemisphere::West:
                    side = " west of Greenwich";
                    break;
            }
            return "No row gives the Ascendant and the Moon " + utc + side +
                   ": with the closest they are " + asc + " off, " + ErrorInDegrees(f) +
                   (f.planetsOff ? "; the planets " + planets + " off." : std::string("."));
        }
        case atlas::ZoneErrorNote::PlanetsOnly:
            return "The planets, which take the row's own offset, are " + planets + " off.";
        case atlas::ZoneErrorNote::PreciseExact:
            return "The precise chart takes the row's own offset and the box's hour: it is exact.";
        case atlas::ZoneErrorNote::PreciseByHand:
            return "As set by hand: the precise chart is " + asc + " off (" + ErrorInDegrees(f) +
                   ").";
        case atlas::ZoneErrorNote::PreciseNoRow:
            return "No row gives " + utc + ": with the closest the precise chart is " + asc +
                   " off (" + ErrorInDegrees(f) + ").";
        case atlas::ZoneErrorNote::PreciseExactOffset:
            return "No row gives " + utc + ": the precise chart takes the exact offset " +
                   ExactOffsetText(ExactOffset::Fixed(n.exactOffsetSeconds)) + " and is exact.";
        case atlas::ZoneErrorNote::PreciseLocalMeanTime:
            return n.place + " kept local mean time then (the database's " + utc +
                   " is its reference city's): the precise chart takes that of the place's own "
                   "longitude, " +
                   ExactOffsetText(ExactOffset::Fixed(n.exactOffsetSeconds)) + ", and is exact.";
    }
    return {};
}

}  // namespace

std::string RowAndBoxText(int row, bool box) {
    return ZoneRowName(row) + " (row " + std::to_string(row) + ") with the Daylight Saving box " +
           (box ? "ticked" : "unticked");
}

std::string ZoneNoteText(const atlas::ZoneNote& n) {
    switch (n.kind) {
        case atlas::ZoneNoteKind::Silent:
            return {};
        case atlas::ZoneNoteKind::UnknownZone:
            return "The time-zone database has no " + n.ianaZone +
                   ": zone and daylight saving left as they were";
        case atlas::ZoneNoteKind::Decided:
            break;
    }
    const std::string clock = std::to_string(n.when.hour) + ":" + TwoDigits(n.when.minute);
    const std::string date = std::to_string(n.when.day) + " " + MonthOf(n.when.month) + " " +
                             std::to_string(n.when.year);
    const std::string utc = UtcText(n.offset);
    std::string note = "Zone: " + RowAndBoxText(n.choice.row, n.choice.daylightSaving) + ".";
    switch (n.facts.reading) {
        case atlas::ClockReading::Skipped:
            note += " " + clock + " on " + date + " did not exist on the clocks in " + n.place +
                    ": they were put forward over it. Read with the time before the change, " +
                    ClockStateText(n) + ", " + utc + ".";
            break;
        case atlas::ClockReading::Normal:
        case atlas::ClockReading::Repeated:
            note += " On " + date + " clocks in " + n.place + " were on " + ClockStateText(n) +
                    ", " + utc + ".";
            break;
    }
    if (n.facts.reading == atlas::ClockReading::Repeated) {
        note += " " + clock +
                " came twice that night: taken as the first, before the clocks went back; for "
                "the second (" +
                UtcText(n.secondOffset) + ") choose " +
                RowAndBoxText(n.second.row, n.second.daylightSaving) + ".";
    }
    if (const std::string error = ErrorSentence(n, utc); !error.empty())
        note += " " + error;
    if (n.rowNamedElsewhere) {
        note += " The row's name belongs to another region: no row is named for the time in " +
                n.place + ", so this one was chosen for its offset; the chart is right as it is.";
    }
    return note;
}

std::string AmbiguityText(std::string_view typedCity, const atlas::Place& taken,
                          const std::vector<atlas::Place>& elsewhere) {
    if (elsewhere.empty())
        return {};
    auto described = [](const atlas::Place& p) {
        std::string digits = std::to_string(p.population);
        for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), ",");
        return p.Label() + " (population " + digits + ")";
    };
    while (!typedCity.empty() && (typedCity.front() == ' ' || typedCity.front() == '\t'))
        typedCity.remove_prefix(1);
    while (!typedCity.empty() && (typedCity.back() == ' ' || typedCity.back() == '\t'))
        typedCity.remove_suffix(1);
    std::string note = std::string(typedCity) + ": taken " + described(taken);
    for (std::size_t i = 0; i < elsewhere.size(); ++i)
        note += (i == 0 ? "; also " : ", ") + described(elsewhere[i]);
    return note + ": add the country to choose";
}

std::string GazetteerFaultText(const atlas::GazetteerFault& fault) {
    const std::string table = "the atlas table " + EscapeControls(fault.path);
    switch (fault.problem) {
        case atlas::GazetteerProblem::Missing:
            return table + " is missing (reinstall the program)";
        case atlas::GazetteerProblem::Unreadable:
            return table + " cannot be read";
        case atlas::GazetteerProblem::NotATable:
            return EscapeControls(fault.path) + " is not an atlas table (reinstall the program)";
        case atlas::GazetteerProblem::OtherVersion:
            return table + " is of another version of the program (reinstall it)";
        case atlas::GazetteerProblem::Damaged:
            return table + " is damaged (reinstall the program)";
    }
    return table + " cannot be used";
}

#endif

}  // namespace vellamor
