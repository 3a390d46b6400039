// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace vellamor {

void JsonWriter::Misplaced(const char* what) {
    throw std::logic_error(what);
}

namespace {

// The bytes a string cannot hold as they are (controls, the quote, the
// backslash and DEL), and 0x80 to 0x9F, one of which is the second byte of
// every C1 control after its lead byte 0xC2 (which also leads harmless
// characters such as the degree sign).
constexpr std::array<bool, 256> kStops = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[static_cast<std::size_t>(c)] = true;
    table['"'] = table['\\'] = table[0x7F] = true;
    for (int c = 0x80; c < 0xA0; ++c)
        table[static_cast<std::size_t>(c)] = true;
    return table;
}();

// Whether any of eight bytes is one of kStops, found for all eight at once
// (the high bit of each byte of the result; no carry crosses a byte). The
// texts of a chart are some hundred short ones that nearly never hold one.
[[gnu::always_inline]] inline std::uint64_t StopsIn(std::uint64_t w) {
    constexpr std::uint64_t kOnes = 0x0101010101010101, kLow7 = kOnes * 0x7F;
    const auto nonZero = [](std::uint64_t v) { return ((v & kLow7) + kLow7) | v; };
    // Set where the low seven bits are 0x20 or more: clear for the controls
    // and for 0x80 to 0x9F alike.
    const std::uint64_t printable = (w & kLow7) + kOnes * 0x60;
    return ~(printable & nonZero(w ^ (kOnes * '"')) & nonZero(w ^ (kOnes * '\\')) &
             nonZero(w ^ kLow7)) &
           (kOnes * 0x80);
}

template <typename T>
std::uint64_t Load(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Whether no byte of `s` is one of kStops, as nearly no text of a chart
// has: eight bytes at a time, the last eight overlapping the ones before; a
// shorter text gathered into one word from two overlapping loads within it.
[[gnu::always_inline]] inline bool Clean(std::string_view s) {
    const char* p = s.data();
    const std::size_t n = s.size();
    if (n >= 8) {
        std::uint64_t stops = StopsIn(Load<std::uint64_t>(p + n - 8));
        for (std::size_t i = 0; i + 8 < n; i += 8)
            stops |= StopsIn(Load<std::uint64_t>(p + i));
        return stops == 0;
    }
    if (n >= 4)
        return StopsIn(Load<std::uint32_t>(p) | Load<std::uint32_t>(p + n - 4) << 32) == 0;
    if (n >= 2)
        return StopsIn((Load<std::uint16_t>(p) | Load<std::uint16_t>(p + n - 2) << 16) *
                       0x0000000100000001) == 0;
    return n == 0 || !kStops[static_cast<unsigned char>(p[0])];
}

// The escape of a byte that needs one, written into `buf`.
std::string_view EscapeOf(unsigned char c, char (&buf)[6]) {
    static constexpr char kHex[] = "0123456789abcdef";
    buf[0] = '\\';
    switch (c) {
        case '"':
        case '\\':
            buf[1] = static_cast<char>(c);
            return {buf, 2};
        case '\n':
            buf[1] = 'n';
            return {buf, 2};
        case '\r':
            buf[1] = 'r';
            return {buf, 2};
        case '\t':
            buf[1] = 't';
            return {buf, 2};
        default:
            buf[1] = 'u';
            buf[2] = buf[3] = '0';
            buf[4] = kHex[c >> 4];
            buf[5] = kHex[c & 15];
            return {buf, 6};
    }
}

}  // namespace

void JsonWriter::Escaped(std::string_view s) {
    if (Clean(s)) {
        Put(s);
        return;
    }
    std::size_t run = 0;  // where the bytes not yet written start
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        // 0x80..0x9F is a C1 control only after 0xC2, and is escaped in
        // place of both bytes; otherwise it is part of another character.
        const bool c1 = c >= 0x80 && i > 0 && static_cast<unsigned char>(s[i - 1]) == 0xC2;
        if (!kStops[c] || (c >= 0x80 && !c1))
            continue;
        Put(s.substr(run, (c1 ? i - 1 : i) - run));
        char escape[6];
        Put(EscapeOf(c, escape));
        run = i + 1;
    }
    Put(s.substr(run));
}

void JsonWriter::Number(double v) {
    if (!std::isfinite(v)) {
        Null();
        return;
    }
    BeforeValue();
    char buf[32];  // the shortest form of any double takes at most 24
    char* end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    Put(std::string_view(buf, static_cast<std::size_t>(end - buf)));
    AfterValue();
}

void JsonWriter::Integer(std::int64_t v) {
    BeforeValue();
    char buf[32];
    char* end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    Put(std::string_view(buf, static_cast<std::size_t>(end - buf)));
    AfterValue();
}

void JsonWriter::Bool(bool v) {
    BeforeValue();
    Put(v ? std::string_view("true") : std::string_view("false"));
    AfterValue();
}

void JsonWriter::Null() {
    BeforeValue();
    Put("null");
    AfterValue();
}

std::string JsonString(std::string_view utf8) {
    std::string out;
    JsonWriter w(out);
    w.String(utf8);
    return out;
}

}  // namespace vellamor
