// SPDX-License-Identifier: GPL-3.0-or-later
// The two position-text forms.
//
// Long form (FormatSignPosition): degrees, minutes and truncated seconds
// within the sign and the sign's abbreviation, e.g. 5° 30' 0" Ari (UTF-8).
// Short form (ShortPositionText): two-digit degrees, abbreviation, two-digit
// minutes, e.g. "05 Ari 30"; the abbreviation always stands at characters 4
// to 6.
#pragma once

#include <string_view>

#include "core/astro/bodies.h"
#include "core/astro/inline_text.h"

namespace vellamor {

// The long form takes at most 16 bytes ("29° 59' 59\" Pis"), the short form
// 9; a chart keeps both inside itself.
using LongPositionText = InlineText<23>;
using ShortPositionForm = InlineText<15>;

// Longitude in degrees (its sign is ignored) to the long form. Degrees,
// minutes and seconds are truncated, never rounded.
LongPositionText FormatSignPosition(double longitudeDegrees);

// Long form to short form; the seconds are dropped.
ShortPositionForm ShortPositionText(std::string_view longText);

// Both forms of one longitude, exactly as ShortPositionText(FormatSignPosition(x))
// would give them.
struct PositionTexts {
    LongPositionText longText;
    ShortPositionForm shortText;
    Sign sign = Sign::Aries;  // the sign both texts name
};
PositionTexts FormatPositionTexts(double longitudeDegrees);

// The sign index (0 = Aries .. 11 = Pisces) that FormatSignPosition shows for
// a longitude.
int SignIndexOf(double longitudeDegrees);

}  // namespace vellamor
