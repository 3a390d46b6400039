// SPDX-License-Identifier: GPL-3.0-or-later
// The chart stability sentences of the result window in the user's
// language. In English they read exactly as the printout's
// (core/chart/stability_report.h); the windows translate them piece by piece.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/astro/bodies.h"
#include "core/chart/chart_stability.h"

namespace vellamor {

// "14 min", "1 h 52 min", "2 d 5 h"; truncated, never rounded.
QString DurationWording(double minutes);
// "Lagna changes sign if birth was 14 min earlier or 1 h 52 min later";
// `ascendant` picks the Lagna's words and search span, else the Moon's.
QString SignChangeWording(bool ascendant, const SignChangeWindow& window);
// "retrograde from 2,21,2000 to 3,14,2000" and its direct counterpart.
QString StationWording(const StationEvidence& evidence);
// The bodies near a sign boundary, or that there are none.
QString NearBoundaryWording(const std::vector<Body>& bodies);
// The time-zone check's note on a zone that does not fit the longitude
// (ZoneSanityNote), or nothing when it fits.
QString ZoneNoteWording(const std::optional<ZoneMisfit>& misfit);

// A body's name as the windows show it ("Sun", "Mercury", ...).
QString BodyName(Body body);

}  // namespace vellamor
