// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <algorithm>
#include <bit>
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

namespace {

// Bytes in memory order: which of the bytes FilterBytes marked comes first,
// and the marks with the first `n` bytes' taken away.
std::size_t FirstMarked(std::uint64_t found) {
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<std::size_t>(std::countr_zero(found) / 8);
    else
        return static_cast<std::size_t>(std::countl_zero(found) / 8);
}
std::uint64_t DropFirstBytes(std::uint64_t found, std::size_t n) {
    if constexpr (std::endian::native == std::endian::little)
        return found >> (8 * n);
    else
        return found << (8 * n);
}

}  // namespace

char* JsonWriter::EscapeInto(char* to, std::string_view s) {
    const char* const begin = s.data();
    const char* const end = begin + s.size();
    const char* p = begin;
    while (p < end) {
        // The bytes up to the next one to escape. A text of eight bytes or
        // more is read a word at a time, its last few bytes from its last
        // word; a whole clean word is stored as it is (the room of six bytes
        // a byte holds a word wherever eight bytes are left).
        const auto left = static_cast<std::size_t>(end - p);
        std::size_t run = 0;
        if (left >= 8) {
            const auto word = json_detail::Load<std::uint64_t>(p);
            const std::uint64_t found = json_detail::FilterBytes(word);
            std::memcpy(to, &word, 8);
            if (found == 0) {
                p += 8;
                to += 8;
                continue;
            }
            run = FirstMarked(found);
        } else {
            if (s.size() >= 8) {
                const std::uint64_t found = DropFirstBytes(
                    json_detail::FilterBytes(json_detail::Load<std::uint64_t>(end - 8)), 8 - left);
                run = found == 0 ? left : FirstMarked(found);
            } else {
                while (run < left && !json_detail::kJsonFilter[static_cast<unsigned char>(p[run])])
                    ++run;
            }
            CopySmall(to, p, run);
        }
        p += run;
        to += run;
        if (p == end)
            break;
        const auto c = static_cast<unsigned char>(*p++);
        if (c >= 0x80) {
            // The second byte of a C1 control when 0xC2 leads it, escaped
            // like the other controls in place of both bytes; otherwise part
            // of some other character, as it is.
            if (p - 1 == begin || static_cast<unsigned char>(p[-2]) != 0xC2) {
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
    return to;
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
        char* to = EscapeInto(Room(6 * length), s.substr(from, length));
        m_used = static_cast<std::size_t>(to - m_block.data());
        from += length;
    }
}

char* JsonWriter::PutValue(char* to, const json::String& m) {
    *to++ = '"';
    to = EscapeInto(to, m.utf8);
    *to++ = '"';
    return to;
}

char* JsonWriter::PutIntegerSlowly(char* to, std::int64_t v) {
    return std::to_chars(to, to + kIntegerRoom, v).ptr;
}

char* JsonWriter::PutValue(char* to, const json::Number& m) {
    if (!std::isfinite(m.value)) {
        std::memcpy(to, "null", 4);
        return to + 4;
    }
    return std::to_chars(to, to + kNumberRoom, m.value).ptr;
}

std::string JsonString(std::string_view utf8) {
    std::string out;
    JsonWriter w(out);
    w.String(utf8);
    return out;
}

}  // namespace vellamor
