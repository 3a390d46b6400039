// SPDX-License-Identifier: GPL-3.0-or-later
// The two position-text forms.
//
// Long form (FormatSignPosition): degrees, minutes and truncated seconds
// within the sign and the sign's abbreviation, e.g. 5° 30' 0" Ari (UTF-8).
// Short form (ShortPositionText): two-digit degrees, abbreviation, two-digit
// minutes, e.g. "05 Ari 30"; the abbreviation always stands at characters 4
// to 6.
#pragma once

#include <string>
#include <string_view>

#include "core/astro/fixed_text.h"

namespace vellamor {

// A chart's copies of the two forms: the long form is at most 16 bytes
// ("29° 59' 59\" Pis"), the short form 9.
using LongPositionText = FixedText<23>;
using ShortPositionForm = FixedText<15>;

// Longitude in degrees (its sign is ignored) to the long form. Degrees,
// minutes and seconds are truncated, never rounded.
std::string FormatSignPosition(double longitudeDegrees);
void FormatSignPosition(double longitudeDegrees, LongPositionText& longText);

// Long form to short form; the seconds are dropped.
std::string ShortPositionText(std::string_view longText);

// Both forms at once, exactly as ShortPositionText(FormatSignPosition(x))
// would give them, without reading the long text back. The pipeline formats
// thirteen positions per chart this way.
void FormatPositionTexts(double longitudeDegrees, std::string& longText, std::string& shortText);
void FormatPositionTexts(double longitudeDegrees, LongPositionText& longText,
                         ShortPositionForm& shortText);

// The sign index (0 = Aries .. 11 = Pisces) that FormatSignPosition shows for
// a longitude.
int SignIndexOf(double longitudeDegrees);

}  // namespace vellamor
