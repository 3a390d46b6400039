// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8, the encoding of every text the core holds: one decoder, shared by
// the chart file, the entry form's checks and whatever counts characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vellamor {

// Decodes the code point that starts at byte `i` and moves `i` past it.
// Returns -1 for a malformed sequence (a stray continuation byte, a lead byte
// without its continuation bytes, an overlong form, a surrogate, a value past
// U+10FFFF); `i` then moves past the bytes examined, at least one.
int NextCodePoint(std::string_view s, std::size_t& i);

// Appends the UTF-8 form of a code point (0 to U+10FFFF, no surrogate).
void AppendUtf8(std::string& out, int codePoint);

// True when the whole text is well-formed UTF-8.
bool IsUtf8(std::string_view s);

// True for the bytes that continue a sequence (10xxxxxx): a character never
// starts there.
constexpr bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The number of characters: every byte that does not continue a sequence.
std::size_t CharacterCount(std::string_view s);

// The start of the character that ends before byte `pos` (pos > 0).
std::size_t PreviousCharacterStart(std::string_view s, std::size_t pos);

// The text with A to Z made a to z; every other byte as it is.
std::string AsciiLowercase(std::string_view s);

}  // namespace vellamor
