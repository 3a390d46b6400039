// SPDX-License-Identifier: GPL-3.0-or-later
// Every sentence the windows show about the core's and the atlas's results,
// in the user's language. The core and the atlas hand over kinds and
// numbers; each function switches over its kind with no default, so that a
// kind added later cannot be left without words. The command line words the
// same kinds in English (cli/wording.h); the entry form's checks are worded
// with their focus and icon in gui/form_problems.h.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/astro/bodies.h"
#include "core/chart/chart_file.h"
#include "core/chart/chart_stability.h"
#include "core/io/file_replace.h"
#include "core/reading/dasha.h"
#include "render/sheet_export_error.h"

#ifdef VELLAMOR_HAVE_ATLAS
#include "atlas/gazetteer.h"
#include "atlas/zone_decision.h"
#endif

namespace vellamor {

// A month's name, 1 to 12, in the window's language: the windows' only
// table of them.
QString MonthWording(int month);
// "14 min", "1 h 52 min", "2 d 5 h".
QString SpanWording(const MinuteSpan& span);
// "Lagna changes sign if birth was 14 min earlier or 1 h 52 min later".
QString SignChangeWording(const SignChangeFacts& facts);
// "retrograde from 2,21,2000 to 3,14,2000" and its direct counterpart.
QString StationWording(const StationEvidence& evidence);
// The bodies near a sign boundary, or that there are none.
QString NearBoundaryWording(const std::vector<Body>& bodies);
// The time-zone check's note on a zone that does not fit the longitude
// (ZoneSanityNote), or nothing when it fits.
QString ZoneNoteWording(const std::optional<ZoneMisfit>& misfit);

// A body's name as the windows show it ("Sun", "Mercury", ...).
QString BodyName(Body body);

// "The reading is before the birth."
QString ReadingErrorWording(ReadingError error);

// What the window says for every refused chart file.
QString CheckFileWording();
// Why the file was refused, under that sentence; a failure to read in the
// system's own words.
QString ChartFileReasonWording(const ChartFileError& error);
// Why a file could not be replaced: the system's own words for its error,
// or the replacement's own refusal.
QString FileReplaceWording(const FileReplaceError& error);
// A note on a chart whose in-place save had been cut off; empty for None.
QString InterruptedRewriteWording(InterruptedRewrite what);
// The sentence for a failed save; "PATH: reason" when the file could not be
// written.
QString SaveFailureWording(const ChartWriteError& error);
// "PATH: reason" for a sheet that could not be exported.
QString SheetExportWording(const SheetExportError& error);

#ifdef VELLAMOR_HAVE_ATLAS
// "1 h", "15 min", "8 min 50 s".
QString SpanWording(const SecondSpan& span);
// The atlas's note on a zone decision; empty when it is silent.
QString ZoneDecisionWording(const atlas::ZoneNote& note);
// The note for a city the atlas does not know.
QString UnknownPlaceWording(const QString& typedCity);
// The note for a place typed while the atlas's table cannot be read.
QString GazetteerFaultWording(const atlas::GazetteerFault& fault);
#endif

}  // namespace vellamor
