// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/astro/utf8.h"

namespace vellamor {

int NextCodePoint(std::string_view s, std::size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    std::size_t len = 0;
    int cp = 0, least = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F, least = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F, least = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07, least = 0x10000;
    } else {
        ++i;
        return -1;
    }
    if (i + len > s.size()) {
        i = s.size();
        return -1;
    }
    for (std::size_t k = 1; k < len; ++k) {
        if (!IsContinuationByte(s[i + k])) {
            i += k;
            return -1;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    i += len;
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    return cp;
}

void AppendUtf8(std::string& out, int cp) {
    auto put = [&out](int byte) { out.push_back(static_cast<char>(byte)); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

bool IsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        if (NextCodePoint(s, i) < 0)
            return false;
    }
    return true;
}

std::size_t CharacterCount(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        n += !IsContinuationByte(c);
    return n;
}

std::size_t PreviousCharacterStart(std::string_view s, std::size_t pos) {
    --pos;
    while (pos > 0 && IsContinuationByte(s[pos]))
        --pos;
    return pos;
}

std::string AsciiLowercase(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

}  // namespace vellamor
