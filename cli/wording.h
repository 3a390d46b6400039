// SPDX-License-Identifier: GPL-3.0-or-later
// Every sentence the command line writes about the core's and the atlas's
// results, in English. The core and the atlas hand over kinds and numbers;
// each function here switches over its kind with no default, so that a kind
// added later cannot be left without words. The windows word the same kinds
// through their translations (gui/wording.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/astro/birth_data.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_opening.h"
#include "core/chart/chart_stability.h"
#include "core/chart/entry_form.h"
#include "core/io/file_replace.h"
#include "core/reading/dasha.h"
#include "core/reading/vimshottari.h"
#include "render/sheet_export_error.h"

#ifdef VELLAMOR_HAVE_ATLAS
#include <vector>

#include "atlas/gazetteer.h"
#include "atlas/place_search.h"
#include "atlas/zone_decision.h"
#endif

namespace vellamor {

// The entry form's checks, as the entry window has always said them.
std::string_view FormCheckText(FormCheck check);
inline constexpr std::string_view kLettersOnlyText = "Please enter only letters";
inline constexpr std::string_view kNumbersOnlyText = "Please enter only numbers";

// What is said for every refused chart file.
inline constexpr std::string_view kCheckFileText = "Please Check The File.";
// Why, so that the user can act: "no such file", "line 2: month 13 is not 1
// to 12"; written after the sentence in brackets.
std::string ChartFileReasonText(const ChartFileError& error);
// The sentence for a chart that could not be opened: the file's, or the
// failed check's.
std::string OpeningErrorText(const OpeningError& error);
// Why a file could not be replaced: the system's words for its error
// ("No space left on device"), or the replacement's own refusal.
std::string FileReplaceText(const FileReplaceError& error);

// A note on a file whose in-place save had been cut off; empty for None.
std::string_view InterruptedRewriteText(InterruptedRewrite what);
// The sentence for a failed save; "PATH: reason" when the file could not be
// written.
std::string ChartWriteText(const ChartWriteError& error);
// "PATH: reason" for a sheet that could not be exported.
std::string SheetExportText(const SheetExportError& error);

// "The reading is before the birth."
std::string_view ReadingErrorText(ReadingError error);

// "14 min", "1 h 52 min", "2 d 5 h".
std::string SpanText(const MinuteSpan& span);
// "Lagna changes sign if birth was 14 min earlier or 1 h 52 min later".
std::string SignChangeSentence(const SignChangeFacts& facts);
// A station's date as the tables write it, "M,D,YYYY"; empty for none.
std::string StationDateText(const std::optional<CalendarDate>& date);
// The same date as a person reads it, "26 February 1980"; empty for none.
std::string StationDateReadable(const std::optional<CalendarDate>& date);
// "retrograde from 21 February 2000 to 14 March 2000".
std::string StationEvidenceText(const StationEvidence& evidence);
// What a zone that does not fit the longitude means for the chart; empty
// when it fits.
std::string ZoneSanityNote(const std::optional<ZoneMisfit>& misfit);
// What the printout's nine details leave out, on a line of its own under
// them: "Daylight Saving box ticked; North latitude, East longitude".
std::string BoxAndHemispheresText(const BirthData& birth);
// The printout's chart stability lines.
std::string StabilityText(const ChartStability& stability);

// A precise chart's source of positions: "Swiss Ephemeris 2.10.03", with
// the fall-back named when the data files were missing.
std::string EphemerisText(const PreciseCalculation& precise);
// "Lahiri", "Fagan-Bradley", "True Chitra".
std::string_view AyanamsaWords(Ayanamsa ayanamsa);
// The printout's line under the details for a precise chart: "Calculation:
// precise, Swiss Ephemeris 2.10.03, Lahiri ayanamsa 23°38'47", mean node,
// apparent positions, for 5 March 1980, 01:35 UT". Empty for a classic
// chart.
std::string CalculationLine(const Chart& chart);
// The printout's line for a birth with an exact offset, under the details:
// which calculation takes it. Empty without one.
std::string ExactOffsetLine(const Chart& chart);
// A precise chart's universal time as "calculation" writes it:
// "1990-05-04T06:15", with ":SS" when an exact offset leaves seconds.
std::string UniversalClockText(const PreciseCalculation& precise);

// The conventions a reading was made with: "years of 365.25 days",
// "sidereal years of 365.256363 days"; "at each birthday", "at each solar
// return"; "12 years, 4 months, 17 days".
std::string DashaYearWords(DashaYear year);
std::string_view SudarshanYearWords(SudarshanYear start);
std::string BalanceWords(const VimshottariBalance& balance);

#ifdef VELLAMOR_HAVE_ATLAS
// A duration as the zone notes give it: "1 h", "15 min", "8 min 50 s".
std::string SpanText(const SecondSpan& span);
// "UTC+5:30", "UTC−4" (with the minus sign proper), "UTC+0".
std::string UtcText(const ClockOffset& offset);
// "Eastern Standard Time (row 27) with the Daylight Saving box unticked".
std::string RowAndBoxText(int row, bool daylightSaving);
// The atlas's note on a zone decision, in sentences a user reads once;
// empty when it is silent.
std::string ZoneNoteText(const atlas::ZoneNote& note);
// The line that tells which of several places of one name was taken:
// "St Petersburg: taken Saint Petersburg, Russia (population 5,028,000);
// also St. Petersburg, Florida, United States (population 244,769): add the
// country to choose". Empty when no other place has the name.
std::string AmbiguityText(std::string_view typedCity, const atlas::Place& taken,
                          const std::vector<atlas::Place>& elsewhere);
// Why the atlas cannot look places up: "the atlas table
// /usr/share/vellamor/places.atlas is missing".
std::string GazetteerFaultText(const atlas::GazetteerFault& fault);
#endif

}  // namespace vellamor
