// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace vellamor {
void JsonWriter::Misplaced(const char* what) {
    throw std::logic_error(what);
}

void JsonWriter::Number(double v) {
    if (!std::isfinite(v)) {
        Null();
        return;
    }
    BeforeValue();
    char buf[32];  // the shortest form of any double takes at most 24
    const char* end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    Put(std::string_view(buf, static_cast<std::size_t>(end - buf)));
    AfterValue();
}

void JsonWriter::Number(JsonKey key, double v) {
    // The shortest form of any double takes at most 24 bytes.
    if (char* to = std::isfinite(v) ? BeginMember(key, 32) : nullptr) {
        EndMember(std::to_chars(to, to + 32, v).ptr);
    } else {
        Key(key);
        Number(v);
    }
}

void JsonWriter::PlainSlowly(std::string_view text) {
    Put('"');
    Put(text);
    Put('"');
}

void JsonWriter::IntegerSlowly(std::int64_t v) {
    char buf[24];
    const char* end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    Put(std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

void JsonWriter::Bool(bool v) {
    BeforeValue();
    Put(v ? "true" : "false");
    AfterValue();
}

void JsonWriter::Null() {
    BeforeValue();
    Put("null");
    AfterValue();
}

void JsonWriter::EscapedSlowly(std::string_view s) {
    // No byte takes more than six: a piece of the text at a time is given
    // the room for that and written straight into it. A piece never ends on
    // a 0xC2 that leads more, so that a C1 control is never split.
    constexpr std::size_t kPiece = kBlockSize / 6;
    const std::size_t n = s.size();
    for (std::size_t from = 0; from < n;) {
        std::size_t length = std::min(kPiece, n - from);
        if (from + length < n && static_cast<unsigned char>(s[from + length - 1]) == 0xC2)
            --length;
        char* to = Room(6 * length);
        for (std::size_t i = from; i < from + length; ++i) {
            const auto c = static_cast<unsigned char>(s[i]);
            if (!json_detail::kJsonFilter[c]) {
                *to++ = static_cast<char>(c);
                continue;
            }
            if (c >= 0x80) {
                // The second byte of a C1 control when 0xC2 leads it,
                // escaped like the other controls in place of both bytes;
                // otherwise part of some other character, as it is.
                if (i == from || static_cast<unsigned char>(s[i - 1]) != 0xC2) {
                    *to++ = static_cast<char>(c);
                    continue;
                }
                --to;
            }
            *to++ = '\\';
            switch (c) {
                case '"':
                case '\\':
                    *to++ = static_cast<char>(c);
                    break;
                case '\n':
                    *to++ = 'n';
                    break;
                case '\r':
                    *to++ = 'r';
                    break;
                case '\t':
                    *to++ = 't';
                    break;
                default: {
                    static constexpr char kHex[] = "0123456789abcdef";
                    *to++ = 'u';
                    *to++ = '0';
                    *to++ = '0';
                    *to++ = kHex[c >> 4];
                    *to++ = kHex[c & 15];
                }
            }
        }
        m_used = static_cast<std::size_t>(to - m_block.data());
        from += length;
    }
}

std::string JsonString(std::string_view utf8) {
    std::string out;
    JsonWriter w(out);
    w.String(utf8);
    return out;
}

}  // namespace vellamor
