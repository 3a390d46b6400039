// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_text.h"

#include <cstdio>

namespace vellamor {

std::string EscapeControls(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        const bool c1 = c == 0xC2 && i + 1 < s.size() &&
                        static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(s[i + 1]) <= 0x9F;
        if (c >= 0x20 && c != 0x7F && !c1) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        if (c1)
            c = static_cast<unsigned char>(s[++i]);
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04X", c);
        out += buf;
    }
    return out;
}

}  // namespace vellamor
