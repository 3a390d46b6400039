// SPDX-License-Identifier: GPL-3.0-or-later
// Texts bound for a terminal. A chart file's texts are whatever its writer
// put there: printed raw, a control character would be obeyed.
#pragma once

#include <string>
#include <string_view>

namespace vellamor {

// The text with every control character (U+0000 to U+001F, U+007F to
// U+009F) written as an escape, "\u009B", and every byte that is not part
// of a UTF-8 character as "\xFF": safe on a terminal.
std::string EscapeControls(std::string_view utf8);

// A value in double quotes for a message, escaped as above; one longer than
// a few dozen bytes shows only its start and says how long it was:
// "1980-03-05 followed by a whole...", 921600 bytes long.
std::string QuotedExcerpt(std::string_view utf8);

}  // namespace vellamor
