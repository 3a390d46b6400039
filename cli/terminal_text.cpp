// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_text.h"

#include <algorithm>
#include <cstdio>

namespace vellamor {

namespace {

// The length of the UTF-8 character at the start of `s`, 0 when the bytes
// there are not one (a stray continuation byte, a sequence cut short, an
// overlong form, a surrogate, beyond U+10FFFF).
std::size_t Utf8Length(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = byte(0);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (s.size() < n || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return n;
}

// Values up to this long are quoted whole; longer ones by their start.
constexpr std::size_t kWholeQuoteBytes = 48;
constexpr std::size_t kExcerptBytes = 32;

}  // namespace

std::string EscapeControls(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            const std::size_t n = Utf8Length(s.substr(i));
            const bool c1 = c == 0xC2 && n == 2 && static_cast<unsigned char>(s[i + 1]) <= 0x9F;
            if (n == 0) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02X", c);
                out += buf;
                continue;
            }
            if (!c1) {
                out.append(s.substr(i, n));
                i += n - 1;
                continue;
            }
        }
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

namespace vellamor {

std::string QuotedExcerpt(std::string_view s) {
    if (s.size() <= kWholeQuoteBytes)
        return "\"" + EscapeControls(s) + "\"";
    std::size_t cut = 0;
    while (cut < kExcerptBytes) {
        const std::size_t n = std::max<std::size_t>(Utf8Length(s.substr(cut)), 1);
        if (cut + n > kExcerptBytes)
            break;
        cut += n;
    }
    return "\"" + EscapeControls(s.substr(0, cut)) + "...\", " + std::to_string(s.size()) +
           " bytes long";
}

}  // namespace vellamor
