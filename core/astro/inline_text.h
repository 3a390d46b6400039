// SPDX-License-Identifier: GPL-3.0-or-later
// A text kept inside its owner up to Capacity bytes and on the heap beyond,
// so that it is never cut short, whatever is put in it.
//
// A chart holds some hundred short texts (position forms, labels, ring
// occupants, details). As std::string the many that are just past its
// inline room (a long position form is 16 bytes) each cost an allocation
// when made and when copied; sized for what the formatter writes, these
// stay inside the chart. Reads as a std::string_view and compares with one.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace vellamor {

template <std::size_t Capacity>
class InlineText {
    static_assert(Capacity > 0 && Capacity < 256, "the inline length is kept in one byte");

  public:
    InlineText() = default;
    InlineText(const InlineText& o) { *this = o; }
    InlineText(InlineText&&) noexcept = default;
    InlineText& operator=(const InlineText& o) {
        if (this != &o) {
            m_short = o.m_short;
            m_size = o.m_size;
            m_long = o.m_long ? std::make_unique<std::string>(*o.m_long) : nullptr;
        }
        return *this;
    }
    InlineText& operator=(InlineText&&) noexcept = default;
    InlineText(std::string_view s) {
        if (s.size() <= Capacity) {
            if (!s.empty())
                std::memcpy(m_short.data(), s.data(), s.size());
            m_size = static_cast<unsigned char>(s.size());
        } else {
            m_long = std::make_unique<std::string>(s);
        }
    }
    InlineText(const char* s) : InlineText(std::string_view(s)) {}
    InlineText& operator=(std::string_view s) {
        // `s` may view this very text: it is copied before what holds it
        // is let go.
        if (s.size() <= Capacity) {
            if (!s.empty())
                std::memmove(m_short.data(), s.data(), s.size());
            m_size = static_cast<unsigned char>(s.size());
            m_long.reset();
        } else {
            m_long = std::make_unique<std::string>(s);
        }
        return *this;
    }
    InlineText& operator=(const char* s) { return *this = std::string_view(s); }

    InlineText& append(std::string_view s) {
        if (!m_long && s.size() <= Capacity - m_size) {
            if (!s.empty())
                std::memcpy(m_short.data() + m_size, s.data(), s.size());
            m_size = static_cast<unsigned char>(m_size + s.size());
        } else {
            if (!m_long)
                m_long = std::make_unique<std::string>(ShortView());
            m_long->append(s);
        }
        return *this;
    }
    InlineText& operator+=(std::string_view s) { return append(s); }
    void push_back(char c) { append(std::string_view(&c, 1)); }

    // Whether the text lives on the heap (it outgrew its inline room).
    bool isLong() const { return m_long != nullptr; }

    std::string_view view() const { return m_long ? std::string_view(*m_long) : ShortView(); }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    const char* data() const { return view().data(); }
    std::size_t size() const { return view().size(); }
    bool empty() const { return view().empty(); }
    std::size_t find(std::string_view s, std::size_t from = 0) const {
        return view().find(s, from);
    }
    static constexpr std::size_t capacity() { return Capacity; }

    bool operator==(const InlineText& o) const { return view() == o.view(); }
    friend bool operator==(const InlineText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const InlineText& a, const char* b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& os, const InlineText& t) {
        return os << t.view();
    }

  private:
    std::string_view ShortView() const {
        return {reinterpret_cast<const char*>(m_short.data()), m_size};
    }

    // Bytes past m_size are left unset (a chart holds thousands of them) and
    // copied as they are, which unsigned bytes allow.
    std::array<unsigned char, Capacity> m_short;
    unsigned char m_size = 0;             // of the text in m_short while it is short
    std::unique_ptr<std::string> m_long;  // the whole text once it outgrew m_short
};

// Appends a whole number in plain decimal.
template <std::size_t Capacity>
void AppendDecimal(InlineText<Capacity>& text, long long v) {
    char digits[24];  // any long long, its sign included
    const char* end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    text += std::string_view(digits, static_cast<std::size_t>(end - digits));
}

}  // namespace vellamor
