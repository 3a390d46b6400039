// SPDX-License-Identifier: GPL-3.0-or-later
// A streaming JSON writer in the command line's one style: members and
// elements separated by ", ", a key and its value by ": ", all on one line.
// It appends to a std::string; nesting is tracked and checked, and a key is
// only written inside an object.
//
// A chart's object is some hundred short pieces, and appending each to the
// string on its own cost as much as the astronomy: pieces are gathered in a
// block inside the writer, each copy checked against the room left, and the
// block goes to the string whole when full and whenever a value at the top
// level is finished (and at the latest when the writer goes).
//
// Strings are written with every escape the format requires and the C1
// controls (U+0080 to U+009F) escaped as well, so that the output is safe on
// a terminal: "\"", "\\", "\n", "\r", "\t", and "\u00xx" for the others.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vellamor {

class JsonWriter {
  public:
    // Nesting deeper than this is a fault of the caller; the writer throws
    // std::length_error rather than write past its record of the levels.
    static constexpr std::size_t kMaxDepth = 16;

    explicit JsonWriter(std::string& out) : m_out(out) {}
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // A member's name inside an object; the next value written is its value.
    void Key(std::string_view key);

    void String(std::string_view utf8);
    // Shortest text that reads back as the same double; null when not finite.
    void Number(double v);
    void Integer(std::int64_t v);
    void Bool(bool v);
    void Null();

    // Whether every object and array begun has been ended.
    bool complete() const { return m_depth == 0; }

  private:
    enum class Level : unsigned char { Object, Array };
    struct Open {
        Level level = Level::Object;
        bool hasMember = false;
    };

    void BeforeValue();
    [[gnu::always_inline]] void AfterValue() {
        if (m_depth == 0)
            Flush();
    }
    void Begin(Level level, char bracket);
    void End(Level level, char bracket);
    void Escaped(std::string_view utf8);
    void EscapedSlowly(std::string_view utf8);  // a text with a byte to escape

    [[gnu::always_inline]] void Put(char c) {
        if (m_used == m_block.size())
            Flush();
        m_block[m_used++] = c;
    }
    [[gnu::always_inline]] void Put(std::string_view s) {
        if (char* to = Room(s.size())) {
            CopySmall(to, s.data(), s.size());
            m_used += s.size();
        } else {
            m_out.append(s);
        }
    }
    // Room for n more bytes in the block, flushing it first when they do not
    // fit; null for a piece larger than the whole block, which goes to the
    // string directly. Every write into the block is of bytes counted here.
    [[gnu::always_inline]] char* Room(std::size_t n) {
        if (n > m_block.size() - m_used) {
            Flush();
            if (n > m_block.size())
                return nullptr;
        }
        return m_block.data() + m_used;
    }
    // Nearly every piece is a few bytes: copied in at most two moves of a
    // fixed size that overlap, all within the n bytes, rather than by a call.
    [[gnu::always_inline]] static void CopySmall(char* to, const char* from, std::size_t n) {
        if (n >= 8 && n <= 16) {
            Move<8>(to, from);
            Move<8>(to + n - 8, from + n - 8);
        } else if (n >= 4 && n < 8) {
            Move<4>(to, from);
            Move<4>(to + n - 4, from + n - 4);
        } else if (n < 4) {
            for (std::size_t i = 0; i < n; ++i)
                to[i] = from[i];
        } else {
            std::memcpy(to, from, n);
        }
    }
    template <std::size_t N>
    static void Move(char* to, const char* from) {
        char word[N];
        std::memcpy(word, from, N);
        std::memcpy(to, word, N);
    }
    void Flush() {
        m_out.append(m_block.data(), m_used);
        m_used = 0;
    }

    std::string& m_out;
    std::array<char, 4096> m_block;  // [0, m_used) is written, not yet in m_out
    std::size_t m_used = 0;
    std::array<Open, kMaxDepth> m_open{};
    std::size_t m_depth = 0;
    bool m_afterKey = false;
};

namespace json_detail {

// Bytes a string cannot hold as they are (controls, the quote, the
// backslash and DEL), and the lead byte 0xC2 of the two-byte C1 controls:
// where the escaping stops to look.
inline constexpr std::array<bool, 256> kJsonStops = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[static_cast<std::size_t>(c)] = true;
    table['"'] = table['\\'] = table[0x7F] = table[0xC2] = true;
    return table;
}();

// The bytes whose presence sends a text to the escaping: those of kJsonStops
// except 0xC2, which also leads harmless characters such as the degree sign
// of every position text, and instead the bytes 0x80 to 0x9F, one of which
// is the second byte of every C1 control. A chart's JSON is some hundred
// short texts: runs without these bytes are appended whole.
inline constexpr std::array<bool, 256> kJsonFilter = [] {
    std::array<bool, 256> table = kJsonStops;
    table[0xC2] = false;
    for (int c = 0x80; c < 0xA0; ++c)
        table[static_cast<std::size_t>(c)] = true;
    return table;
}();

// Whether any byte of `s` is one of kJsonFilter. Most texts have none: eight
// bytes are tested at once, with the word tests for a zero byte and for a
// byte below a bound (exact for whether one exists).
[[gnu::always_inline]] inline bool MayNeedEscape(std::string_view s) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    const auto zeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
    const auto below20 = [](std::uint64_t v) { return (v - kOnes * 0x20) & ~v & kHigh; };
    const auto stops = [&](std::uint64_t w) {
        return below20(w) | below20(w ^ (kOnes * 0x80)) | zeroByte(w ^ (kOnes * '"')) |
               zeroByte(w ^ (kOnes * '\\')) | zeroByte(w ^ (kOnes * 0x7F));
    };
    const std::size_t n = s.size();
    if (n < 8) {
        bool any = false;
        for (const char c : s)
            any |= kJsonFilter[static_cast<unsigned char>(c)];
        return any;
    }
    const auto word = [&s](std::size_t at) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + at, 8);
        return w;
    };
    std::uint64_t found = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        found |= stops(word(i));
    if (i < n)
        found |= stops(word(n - 8));  // the last eight, overlapping some already seen
    return found != 0;
}

}  // namespace json_detail

[[gnu::always_inline]] inline void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_depth == 0)
        return;
    Open& open = m_open[m_depth - 1];
    if (open.level == Level::Object)
        throw std::logic_error("JSON: a value inside an object needs a key");
    if (open.hasMember)
        Put(", ");
    open.hasMember = true;
}

[[gnu::always_inline]] inline void JsonWriter::Key(std::string_view key) {
    if (m_depth == 0 || m_open[m_depth - 1].level != Level::Object || m_afterKey)
        throw std::logic_error("JSON: a key outside an object");
    Open& open = m_open[m_depth - 1];
    const bool separate = open.hasMember;
    open.hasMember = true;
    m_afterKey = true;
    // The usual key, the program's own name, goes in with one check of the
    // room: ", " when needed, the quoted key and ": ".
    char* to = json_detail::MayNeedEscape(key) ? nullptr : Room(key.size() + 6);
    if (!to) {
        if (separate)
            Put(", ");
        Put('"');
        Escaped(key);
        Put("\": ");
        return;
    }
    char* const start = to;
    if (separate) {
        *to++ = ',';
        *to++ = ' ';
    }
    *to++ = '"';
    CopySmall(to, key.data(), key.size());
    to += key.size();
    *to++ = '"';
    *to++ = ':';
    *to++ = ' ';
    m_used += static_cast<std::size_t>(to - start);
}

[[gnu::always_inline]] inline void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    // A text with nothing to escape goes in with its quotes and one check of
    // the room.
    if (char* to = json_detail::MayNeedEscape(utf8) ? nullptr : Room(utf8.size() + 2)) {
        to[0] = '"';
        CopySmall(to + 1, utf8.data(), utf8.size());
        to[utf8.size() + 1] = '"';
        m_used += utf8.size() + 2;
    } else {
        Put('"');
        Escaped(utf8);
        Put('"');
    }
    AfterValue();
}

[[gnu::always_inline]] inline void JsonWriter::Escaped(std::string_view s) {
    if (json_detail::MayNeedEscape(s))
        EscapedSlowly(s);
    else
        Put(s);
}

// A JSON string literal with its quotes, escaped as JsonWriter::String does.
std::string JsonString(std::string_view utf8);

}  // namespace vellamor
