// SPDX-License-Identifier: GPL-3.0-or-later
// A text of bounded length kept inside its owner: no heap, copied as plain
// bytes. A chart holds some hundred short texts (position forms, labels,
// ring occupants) whose lengths the formatter bounds; as std::string each
// one was a construction, often an allocation, and a destruction per chart.
//
// Reads as a std::string_view (str() makes a std::string) and compares with
// either. Text beyond the capacity is cut off at the last
// whole UTF-8 character that fits, which the types that use it rule out by
// their sizes.
#pragma once

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace vellamor {

template <std::size_t Capacity>
class FixedText {
    static_assert(Capacity > 0 && Capacity < 256, "the length is kept in one byte");

  public:
    static constexpr std::size_t npos = std::string_view::npos;

    // Only the terminator is written: a chart holds thousands of bytes of
    // these, and clearing them all cost more than filling them.
    FixedText() { m_data[0] = '\0'; }
    FixedText(std::string_view s) { assign(s); }
    FixedText(const char* s) { assign(s); }
    FixedText& operator=(std::string_view s) { return assign(s); }
    FixedText& operator=(const char* s) { return assign(s); }

    FixedText& assign(std::string_view s) {
        m_size = 0;
        return append(s);
    }
    FixedText& append(std::string_view s) {
        std::size_t n = s.size();
        if (m_size + n > Capacity) {
            n = Capacity - m_size;
            // Never end inside a multi-byte character.
            while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
                --n;
        }
        if (n > 0)
            std::memcpy(m_data + m_size, s.data(), n);
        m_size = static_cast<unsigned char>(m_size + n);
        m_data[m_size] = '\0';
        return *this;
    }
    FixedText& operator+=(std::string_view s) { return append(s); }
    // Lets a formatter write straight into the storage: `write` receives room
    // for Capacity bytes and returns the end of what it wrote.
    template <class Writer>
    FixedText& write(Writer&& write) {
        char* begin = reinterpret_cast<char*>(m_data);
        m_size = static_cast<unsigned char>(write(begin) - begin);
        m_data[m_size] = '\0';
        return *this;
    }
    void push_back(char c) {
        if (m_size < Capacity) {
            m_data[m_size++] = static_cast<unsigned char>(c);
            m_data[m_size] = '\0';
        }
    }
    void clear() {
        m_size = 0;
        m_data[0] = '\0';
    }

    std::string_view view() const { return {data(), m_size}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    const char* c_str() const { return data(); }
    const char* data() const { return reinterpret_cast<const char*>(m_data); }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    static constexpr std::size_t capacity() { return Capacity; }
    std::size_t find(std::string_view s, std::size_t from = 0) const {
        return view().find(s, from);
    }

    bool operator==(const FixedText& o) const { return view() == o.view(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const char* b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& os, const FixedText& t) { return os << t.view(); }

  private:
    unsigned char m_size = 0;
    // Bytes past the terminator are left as they are; unsigned so that
    // copying them is defined.
    unsigned char m_data[Capacity + 1];
};

// A text kept inside its owner up to Capacity bytes and on the heap beyond:
// for texts that are nearly always short but have no bound, such as a name
// as typed. Reads as a std::string_view.
template <std::size_t Capacity>
class InlineText {
  public:
    InlineText() = default;
    InlineText(std::string_view s) { assign(s); }
    InlineText(const char* s) { assign(s); }
    InlineText& operator=(std::string_view s) { return assign(s); }
    InlineText& operator=(const char* s) { return assign(s); }

    InlineText& assign(std::string_view s) {
        m_isLong = s.size() > Capacity;
        if (m_isLong) {
            m_long.assign(s);
        } else {
            m_short.assign(s);
            m_long.clear();
        }
        return *this;
    }
    // As FixedText::write; the text is then the short kind.
    template <class Writer>
    InlineText& write(Writer&& write) {
        m_short.write(std::forward<Writer>(write));
        m_long.clear();
        m_isLong = false;
        return *this;
    }

    std::string_view view() const { return m_isLong ? std::string_view(m_long) : m_short.view(); }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    const char* data() const { return view().data(); }
    std::size_t size() const { return view().size(); }
    bool empty() const { return view().empty(); }

    bool operator==(const InlineText& o) const { return view() == o.view(); }
    friend bool operator==(const InlineText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const InlineText& a, const char* b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& os, const InlineText& t) {
        return os << t.view();
    }

  private:
    FixedText<Capacity> m_short;
    std::string m_long;
    bool m_isLong = false;
};

}  // namespace vellamor
