// SPDX-License-Identifier: GPL-3.0-or-later
// A streaming JSON writer in the command line's one style: members and
// elements separated by ", ", a key and its value by ": ", all on one line.
// It appends to a std::string; nesting is tracked and checked, and a key is
// only written inside an object. Misuse throws std::logic_error (nesting
// deeper than kMaxDepth: std::length_error) in every build.
//
// A chart's object is some hundred short pieces, and appending each to the
// string on its own cost as much as the astronomy: the writer gathers them
// in a block of its own and hands the block to the string whole when it is
// full, when a value at the top level is finished, and when the writer goes.
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

// A member's name. Names the program writes are known when it is built and
// checked then, so that writing one is a copy; a name only known at run time
// (JsonKey::Checked) is escaped as a string is.
class JsonKey {
  public:
    template <std::size_t N>
    consteval JsonKey(const char (&name)[N]) : JsonKey(std::string_view(name, N - 1)) {}
    consteval JsonKey(std::string_view name) : m_name(name), m_plain(true) {
        for (const char c : name)
            if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\' ||
                static_cast<unsigned char>(c) >= 0x7F)
                throw "a member name written by the program must need no escape";
    }
    static JsonKey Checked(std::string_view name) { return JsonKey(name, false); }

    constexpr std::string_view name() const { return m_name; }
    constexpr bool plain() const { return m_plain; }

  private:
    constexpr JsonKey(std::string_view name, bool plain) : m_name(name), m_plain(plain) {}
    std::string_view m_name;
    bool m_plain;
};

class JsonWriter {
  public:
    static constexpr std::size_t kMaxDepth = 16;

    explicit JsonWriter(std::string& out) : m_out(out) {}
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject() { Begin(Level::Object, '{'); }
    void EndObject() { End(Level::Object, '}'); }
    void BeginArray() { Begin(Level::Array, '['); }
    void EndArray() { End(Level::Array, ']'); }
    // A member's name inside an object; the next value written is its value.
    void Key(JsonKey key);

    void String(std::string_view utf8);
    // Shortest text that reads back as the same double; null when not finite.
    void Number(double v);
    void Integer(std::int64_t v);
    void Bool(bool v);
    void Null();

    // A member whole: its name, then its value.
    [[gnu::always_inline]] void String(JsonKey key, std::string_view utf8) {
        Key(key), String(utf8);
    }
    void Number(JsonKey key, double v) { Key(key), Number(v); }
    void Integer(JsonKey key, std::int64_t v) { Key(key), Integer(v); }
    void Bool(JsonKey key, bool v) { Key(key), Bool(v); }

    // Whether every object and array begun has been ended.
    bool complete() const { return m_depth == 0; }
    // Values finished at the top level.
    std::size_t values() const { return m_values; }

  private:
    enum class Level : unsigned char { Object, Array };
    struct Open {
        Level level = Level::Object;
        bool hasMember = false;
    };

    void BeforeValue();
    [[gnu::always_inline]] void AfterValue() {
        if (m_depth == 0) {
            ++m_values;
            Flush();
        }
    }
    void Begin(Level level, char bracket);
    void End(Level level, char bracket);
    void Escaped(std::string_view utf8);
    [[noreturn, gnu::cold]] static void Misplaced(const char* what);

    [[gnu::always_inline]] void Put(char c) {
        if (m_used == m_block.size())
            Flush();
        m_block[m_used++] = c;
    }
    [[gnu::always_inline]] void Put(std::string_view s) {
        if (s.size() > m_block.size() - m_used) {
            Flush();
            if (s.size() > m_block.size()) {
                m_out.append(s);
                return;
            }
        }
        CopySmall(m_block.data() + m_used, s.data(), s.size());
        m_used += s.size();
    }
    // Nearly every piece is a few bytes: copied in two moves of a fixed size
    // that overlap, all within the n bytes, rather than by a call.
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
    [[gnu::always_inline]] static void Move(char* to, const char* from) {
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
    std::size_t m_values = 0;
};

// The steps every value takes, inline: a chart's object is some hundred.
[[gnu::always_inline]] inline void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_depth == 0)
        return;
    Open& open = m_open[m_depth - 1];
    if (open.level == Level::Object)
        Misplaced("JSON: a value inside an object needs a key");
    if (open.hasMember)
        Put(", ");
    open.hasMember = true;
}

[[gnu::always_inline]] inline void JsonWriter::Begin(Level level, char bracket) {
    BeforeValue();
    if (m_depth == kMaxDepth)
        throw std::length_error("JSON: nested too deep");
    m_open[m_depth++] = {level, false};
    Put(bracket);
}

[[gnu::always_inline]] inline void JsonWriter::End(Level level, char bracket) {
    if (m_depth == 0 || m_open[m_depth - 1].level != level || m_afterKey)
        Misplaced("JSON: closing what is not open");
    --m_depth;
    Put(bracket);
    AfterValue();
}

[[gnu::always_inline]] inline void JsonWriter::Key(JsonKey key) {
    if (m_depth == 0 || m_open[m_depth - 1].level != Level::Object || m_afterKey)
        Misplaced("JSON: a key outside an object");
    Open& open = m_open[m_depth - 1];
    if (open.hasMember)
        Put(", ");
    open.hasMember = true;
    m_afterKey = true;
    Put('"');
    if (key.plain())
        Put(key.name());
    else
        Escaped(key.name());
    Put("\": ");
}

[[gnu::always_inline]] inline void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    Put('"');
    Escaped(utf8);
    Put('"');
    AfterValue();
}

// A JSON string literal with its quotes, escaped as JsonWriter::String does.
std::string JsonString(std::string_view utf8);

}  // namespace vellamor
