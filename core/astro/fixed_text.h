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

namespace vellamor {

template <std::size_t Capacity>
class FixedText {
    static_assert(Capacity > 0 && Capacity < 256, "the length is kept in one byte");

  public:
    static constexpr std::size_t npos = std::string_view::npos;

    FixedText() = default;
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
        std::memcpy(m_data + m_size, s.data(), n);
        m_size = static_cast<unsigned char>(m_size + n);
        m_data[m_size] = '\0';
        return *this;
    }
    FixedText& operator+=(std::string_view s) { return append(s); }
    void push_back(char c) {
        if (m_size < Capacity) {
            m_data[m_size++] = c;
            m_data[m_size] = '\0';
        }
    }
    void clear() {
        m_size = 0;
        m_data[0] = '\0';
    }

    std::string_view view() const { return {m_data, m_size}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    const char* c_str() const { return m_data; }
    const char* data() const { return m_data; }
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
    char m_data[Capacity + 1] = {};
};

}  // namespace vellamor
