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
// level is finished (and at the latest when the writer goes). Most of a
// chart's objects have a fixed shape of a few short members: such an object
// can be given whole (Object), and the room and the nesting are checked once
// for all its members.
//
// Strings are written with every escape the format requires and the C1
// controls (U+0080 to U+009F) escaped as well, so that the output is safe on
// a terminal: "\"", "\\", "\n", "\r", "\t", and "\u00xx" for the others.
#pragma once

#include <array>
#include <cassert>
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

namespace json_detail {

// The bytes where the escaping stops to look: those a string cannot hold as
// they are (controls, the quote, the backslash and DEL), and the bytes 0x80
// to 0x9F, one of which is the second byte of every C1 control (after the
// lead byte 0xC2, which also leads harmless characters such as the degree
// sign of every position text). A chart's JSON is some hundred short texts:
// runs without these bytes are copied whole.
inline constexpr std::array<bool, 256> kJsonFilter = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[static_cast<std::size_t>(c)] = true;
    table['"'] = table['\\'] = table[0x7F] = true;
    for (int c = 0x80; c < 0xA0; ++c)
        table[static_cast<std::size_t>(c)] = true;
    return table;
}();

// The bytes of kJsonFilter among eight, as the high bit of each byte of the
// result. Each byte is tested on its own, with no carry or borrow between
// bytes.
inline constexpr std::uint64_t kOnes = 0x0101010101010101;
inline constexpr std::uint64_t kLow7 = kOnes * 0x7F;
// High bit set where the byte is not zero.
[[gnu::always_inline]] inline std::uint64_t NonZeroBytes(std::uint64_t v) {
    return ((v & kLow7) + kLow7) | v;
}
[[gnu::always_inline]] inline std::uint64_t FilterBytes(std::uint64_t w) {
    // High bit set where the low seven bits are 0x20 or more: clear for the
    // controls and for 0x80 to 0x9F alike.
    const std::uint64_t printable = (w & kLow7) + kOnes * 0x60;
    return ~(printable & NonZeroBytes(w ^ (kOnes * '"')) & NonZeroBytes(w ^ (kOnes * '\\')) &
             NonZeroBytes(w ^ kLow7)) &
           (kOnes * 0x80);
}

template <typename T>
[[gnu::always_inline]] inline T Load(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Whether any byte of `s` is one of kJsonFilter. Most texts have none. A text
// of eight bytes or more is tested a word at a time, the last word
// overlapping the one before; a shorter one is gathered into one word from
// two overlapping loads that stay within it, so no text costs a byte loop.
[[gnu::always_inline]] inline bool MayNeedEscape(std::string_view s) {
    const std::size_t n = s.size();
    const char* p = s.data();
    if (n < 8) {
        std::uint64_t w;
        if (n >= 4) {
            w = Load<std::uint32_t>(p) | std::uint64_t{Load<std::uint32_t>(p + n - 4)} << 32;
        } else if (n >= 2) {
            const std::uint64_t half =
                Load<std::uint16_t>(p) | std::uint32_t{Load<std::uint16_t>(p + n - 2)} << 16;
            w = half | half << 32;
        } else if (n == 1) {
            w = kOnes * static_cast<unsigned char>(p[0]);
        } else {
            return false;
        }
        return FilterBytes(w) != 0;
    }
    std::uint64_t found = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        found |= FilterBytes(Load<std::uint64_t>(p + i));
    if (i < n)
        found |= FilterBytes(Load<std::uint64_t>(p + n - 8));
    return found != 0;
}

}  // namespace json_detail

// One whole value whose text is fixed once the program runs (a nakshatra's
// object, say, one of 108): made once by a writer, so checked as every value
// is, and copied whole wherever it goes.
class JsonFragment {
  public:
    template <typename Write>
    static JsonFragment Of(Write&& write);
    std::string_view text() const { return m_text; }

  private:
    explicit JsonFragment(std::string text) : m_text(std::move(text)) {}
    std::string m_text;
};

// The members of an object written whole by JsonWriter::Object, each a name
// and its value: most of a chart's objects have a fixed shape of a few short
// members, and are written with one check of the room and the nesting.
namespace json {
struct Plain {  // a text of the program's own that needs no escape, as JsonWriter::Plain
    JsonKey key;
    std::string_view text;
};
struct String {  // any text, escaped
    JsonKey key;
    std::string_view utf8;
};
struct Integer {
    JsonKey key;
    std::int64_t value;
};
struct Number {  // the shortest text that reads back as the same double
    JsonKey key;
    double value;
};
struct Bool {
    JsonKey key;
    bool value;
};
struct Fragment {
    JsonKey key;
    const JsonFragment& value;
};
}  // namespace json

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
    void Key(JsonKey key);

    void String(std::string_view utf8);
    // A text the program made from its own tables and digits (a chart's
    // labels, short forms, generated details), which needs no escape: it is
    // copied as it is, and only a debug build tests it.
    void Plain(std::string_view text);
    // Shortest text that reads back as the same double; null when not finite.
    void Number(double v);
    void Integer(std::int64_t v);
    void Bool(bool v);
    void Null();

    // A member whole, its name and its value: the same as Key then the value,
    // in one step (a chart's object is mostly such members).
    void String(JsonKey key, std::string_view utf8);
    void Plain(JsonKey key, std::string_view text);
    void Number(JsonKey key, double v);
    void Integer(JsonKey key, std::int64_t v);
    void Bool(JsonKey key, bool v);

    // An object of the given members, in their order (json::Plain and its
    // kin): the same as BeginObject, each member, EndObject.
    template <typename... M>
    void Object(const M&... members);

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
    char* BeginMember(JsonKey key, std::size_t most);
    void EndMember(char* end) { m_used = static_cast<std::size_t>(end - m_block.data()); }
    [[gnu::always_inline]] void AfterValue() {
        if (m_depth == 0) {
            ++m_values;
            Flush();
        }
    }
    char* BeginWhole(std::size_t most);

    // Each member's room, and its writing once the room is there.
    static constexpr std::size_t kNumberRoom = 32;  // the shortest double takes at most 24
    static constexpr std::size_t kIntegerRoom = 20;
    static std::size_t Most(const json::Plain& m) { return m.text.size() + 2; }
    static std::size_t Most(const json::String& m) { return 6 * m.utf8.size() + 2; }
    static std::size_t Most(const json::Integer&) { return kIntegerRoom; }
    static std::size_t Most(const json::Number&) { return kNumberRoom; }
    static std::size_t Most(const json::Bool&) { return 5; }
    static std::size_t Most(const json::Fragment& m) { return m.value.text().size(); }
    [[gnu::always_inline]] static char* PutName(char* to, JsonKey key) {
        to[0] = '"';
        CopySmall(to + 1, key.name().data(), key.name().size());
        to += key.name().size() + 1;
        to[0] = '"';
        to[1] = ':';
        to[2] = ' ';
        return to + 3;
    }
    [[gnu::always_inline]] static char* PutValue(char* to, const json::Plain& m) {
        assert(!json_detail::MayNeedEscape(m.text));
        to[0] = '"';
        CopySmall(to + 1, m.text.data(), m.text.size());
        to[m.text.size() + 1] = '"';
        return to + m.text.size() + 2;
    }
    static char* PutValue(char* to, const json::String& m);
    [[gnu::always_inline]] static char* PutValue(char* to, const json::Integer& m) {
        // Signs, houses, padas: one or two digits nearly always.
        const std::int64_t v = m.value;
        if (v < 0 || v >= 100)
            return PutIntegerSlowly(to, v);
        to[0] = static_cast<char>('0' + (v < 10 ? v : v / 10));
        to[1] = static_cast<char>('0' + v % 10);
        return to + (v < 10 ? 1 : 2);
    }
    static char* PutIntegerSlowly(char* to, std::int64_t v);
    static char* PutValue(char* to, const json::Number& m);
    [[gnu::always_inline]] static char* PutValue(char* to, const json::Bool& m) {
        std::memcpy(to, m.value ? "true" : "false", 5);
        return to + (m.value ? 4 : 5);
    }
    [[gnu::always_inline]] static char* PutValue(char* to, const json::Fragment& m) {
        std::memcpy(to, m.value.text().data(), m.value.text().size());
        return to + m.value.text().size();
    }
    template <typename First, typename... Rest>
    [[gnu::always_inline]] static char* PutMembers(char* to, const First& first,
                                                   const Rest&... rest) {
        to = PutValue(PutName(to, first.key), first);
        ((to[0] = ',', to[1] = ' ', to = PutValue(PutName(to + 2, rest.key), rest)), ...);
        return to;
    }
    // The same member through the piece-by-piece path.
    void Member(const json::Plain& m) { Plain(m.key, m.text); }
    void Member(const json::String& m) { String(m.key, m.utf8); }
    void Member(const json::Integer& m) { Integer(m.key, m.value); }
    void Member(const json::Number& m) { Number(m.key, m.value); }
    void Member(const json::Bool& m) { Bool(m.key, m.value); }
    void Member(const json::Fragment& m) {
        Key(m.key);
        BeforeValue();
        Put(m.value.text());
        AfterValue();
    }
    // `to` escaped from `s`, six bytes at most for each; the end.
    static char* EscapeInto(char* to, std::string_view s);
    void Begin(Level level, char bracket);
    void End(Level level, char bracket);
    // The faults of a caller, kept out of the inline paths.
    [[noreturn, gnu::cold]] static void Misplaced(const char* what);
    void Escaped(std::string_view utf8);
    void IntegerSlowly(std::int64_t v);
    void PlainSlowly(std::string_view text);    // a text larger than the block
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
    static constexpr std::size_t kBlockSize = 4096;
    std::array<char, kBlockSize> m_block;  // [0, m_used) is written, not yet in m_out
    std::size_t m_used = 0;
    std::array<Open, kMaxDepth> m_open{};
    std::size_t m_depth = 0;
    bool m_afterKey = false;
    std::size_t m_values = 0;
};

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

[[gnu::always_inline]] inline void JsonWriter::BeginObject() {
    Begin(Level::Object, '{');
}
[[gnu::always_inline]] inline void JsonWriter::EndObject() {
    End(Level::Object, '}');
}
[[gnu::always_inline]] inline void JsonWriter::BeginArray() {
    Begin(Level::Array, '[');
}
[[gnu::always_inline]] inline void JsonWriter::EndArray() {
    End(Level::Array, ']');
}

// The member's name written with what goes before it, and room made for at
// most `most` bytes of its value: where the value goes. Null for a name to
// escape or a member larger than the block, which the caller then writes
// piece by piece.
[[gnu::always_inline]] inline char* JsonWriter::BeginMember(JsonKey key, std::size_t most) {
    if (m_depth == 0 || m_open[m_depth - 1].level != Level::Object || m_afterKey)
        Misplaced("JSON: a key outside an object");
    const std::string_view name = key.name();
    char* to = key.plain() ? Room(name.size() + 6 + most) : nullptr;
    if (!to)
        return nullptr;
    Open& open = m_open[m_depth - 1];
    to[0] = ',';
    to[1] = ' ';
    to += open.hasMember ? 2 : 0;
    open.hasMember = true;
    to[0] = '"';
    CopySmall(to + 1, name.data(), name.size());
    to += name.size() + 1;
    to[0] = '"';
    to[1] = ':';
    to[2] = ' ';
    return to + 3;
}

[[gnu::always_inline]] inline void JsonWriter::Key(JsonKey key) {
    // The usual key, the program's own name, goes in with one check of the
    // room: ", " when needed, the quoted key and ": ".
    if (char* end = BeginMember(key, 0)) {
        EndMember(end);
        m_afterKey = true;
        return;
    }
    // A name to escape, or one larger than the block.
    Open& open = m_open[m_depth - 1];
    if (open.hasMember)
        Put(", ");
    open.hasMember = true;
    m_afterKey = true;
    Put('"');
    Escaped(key.name());
    Put("\": ");
}

[[gnu::always_inline]] inline void JsonWriter::Integer(std::int64_t v) {
    BeforeValue();
    // Signs, houses and years: one or two digits nearly always.
    if (v >= 0 && v < 100) {
        char* to = Room(2);
        to[0] = static_cast<char>('0' + (v < 10 ? v : v / 10));
        to[1] = static_cast<char>('0' + v % 10);
        m_used += v < 10 ? 1 : 2;
    } else {
        IntegerSlowly(v);
    }
    AfterValue();
}

[[gnu::always_inline]] inline void JsonWriter::Plain(std::string_view text) {
    assert(!json_detail::MayNeedEscape(text));
    BeforeValue();
    if (char* to = Room(text.size() + 2)) {
        to[0] = '"';
        CopySmall(to + 1, text.data(), text.size());
        to[text.size() + 1] = '"';
        m_used += text.size() + 2;
    } else {
        PlainSlowly(text);
    }
    AfterValue();
}

[[gnu::always_inline]] inline void JsonWriter::String(std::string_view utf8) {
    // A text with nothing to escape goes in as a plain one.
    if (!json_detail::MayNeedEscape(utf8)) {
        Plain(utf8);
        return;
    }
    BeforeValue();
    Put('"');
    EscapedSlowly(utf8);
    Put('"');
    AfterValue();
}

[[gnu::always_inline]] inline void JsonWriter::Escaped(std::string_view s) {
    if (json_detail::MayNeedEscape(s))
        EscapedSlowly(s);
    else
        Put(s);
}

[[gnu::always_inline]] inline void JsonWriter::Plain(JsonKey key, std::string_view text) {
    assert(!json_detail::MayNeedEscape(text));
    if (char* to = BeginMember(key, text.size() + 2)) {
        to[0] = '"';
        CopySmall(to + 1, text.data(), text.size());
        to[text.size() + 1] = '"';
        EndMember(to + text.size() + 2);
    } else {
        Key(key);
        Plain(text);
    }
}

[[gnu::always_inline]] inline void JsonWriter::String(JsonKey key, std::string_view utf8) {
    if (json_detail::MayNeedEscape(utf8)) {
        Key(key);
        String(utf8);
    } else {
        Plain(key, utf8);
    }
}

[[gnu::always_inline]] inline void JsonWriter::Integer(JsonKey key, std::int64_t v) {
    char* to = v >= 0 && v < 100 ? BeginMember(key, 2) : nullptr;
    if (!to) {
        Key(key);
        Integer(v);
        return;
    }
    to[0] = static_cast<char>('0' + (v < 10 ? v : v / 10));
    to[1] = static_cast<char>('0' + v % 10);
    EndMember(to + (v < 10 ? 1 : 2));
}

[[gnu::always_inline]] inline void JsonWriter::Bool(JsonKey key, bool v) {
    if (char* to = BeginMember(key, 5)) {
        std::memcpy(to, v ? "true" : "false", 5);
        EndMember(to + (v ? 4 : 5));
    } else {
        Key(key);
        Bool(v);
    }
}

// Room for the whole of a value at most `most` bytes long, with the
// separator before it written: where the value goes. Null when it is larger
// than the block, for the caller to write piece by piece.
[[gnu::always_inline]] inline char* JsonWriter::BeginWhole(std::size_t most) {
    bool separate = false;
    if (m_afterKey) {
        // The key is written; the value follows it.
    } else if (m_depth > 0) {
        Open& open = m_open[m_depth - 1];
        if (open.level == Level::Object)
            Misplaced("JSON: a value inside an object needs a key");
        separate = open.hasMember;
    }
    if (m_depth == kMaxDepth)
        throw std::length_error("JSON: nested too deep");
    char* to = Room(most + 2);
    if (!to)
        return nullptr;
    if (m_afterKey)
        m_afterKey = false;
    else if (m_depth > 0)
        m_open[m_depth - 1].hasMember = true;
    to[0] = ',';
    to[1] = ' ';
    return to + (separate ? 2 : 0);
}

template <typename... M>
[[gnu::always_inline]] inline void JsonWriter::Object(const M&... members) {
    static_assert(sizeof...(M) > 0);
    // Braces, and each member's separator, quotes, name and ": ".
    const std::size_t most = (2 + ... + (members.key.name().size() + 6 + Most(members)));
    char* to = (members.key.plain() && ...) ? BeginWhole(most) : nullptr;
    if (!to) {
        // A name to escape, or an object larger than the block.
        BeginObject();
        (Member(members), ...);
        EndObject();
        return;
    }
    *to++ = '{';
    to = PutMembers(to, members...);
    *to++ = '}';
    EndMember(to);
    AfterValue();
}

template <typename Write>
JsonFragment JsonFragment::Of(Write&& write) {
    std::string text;
    {
        JsonWriter w(text);
        write(w);
        if (!w.complete() || w.values() != 1)
            throw std::logic_error("JSON: a fragment is one whole value");
    }
    return JsonFragment(std::move(text));
}

// A JSON string literal with its quotes, escaped as JsonWriter::String does.
std::string JsonString(std::string_view utf8);

}  // namespace vellamor
