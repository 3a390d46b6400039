// SPDX-License-Identifier: GPL-3.0-or-later
// Output text built in one piece and written out whole. Unlike a growing
// std::string, room asked for ahead of writing is not cleared first: a
// chart's JSON asks for twice the room it takes, and clearing that cost as
// much as writing it. The storage only grows, so a buffer used again for the
// next batch of charts allocates nothing.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vellamor {

class TextBuffer {
  public:
    // Room for `most` bytes after the text; write them, then Commit the end.
    char* Grow(std::size_t most) {
        if (m_storage.size() - m_size < most)
            m_storage.resize(std::max(2 * m_storage.size(), m_size + most));
        return m_storage.data() + m_size;
    }
    void Commit(const char* end) { m_size = static_cast<std::size_t>(end - m_storage.data()); }

    void Append(std::string_view s) {
        char* p = Grow(s.size());
        if (!s.empty())
            std::memcpy(p, s.data(), s.size());
        m_size += s.size();
    }
    TextBuffer& operator+=(std::string_view s) {
        Append(s);
        return *this;
    }
    void PushBack(char c) { *Grow(1) = c, ++m_size; }
    void PopBack() { --m_size; }
    void Truncate(std::size_t size) { m_size = std::min(size, m_size); }
    void Clear() { m_size = 0; }
    // Storage for about `bytes` of text without growing on the way.
    void Reserve(std::size_t bytes) {
        if (m_storage.size() < bytes)
            m_storage.resize(bytes);
    }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const char* data() const { return m_storage.data(); }
    std::string_view view() const { return {m_storage.data(), m_size}; }
    std::string str() const { return std::string(view()); }

  private:
    std::string m_storage;  // its size is the room; [0, m_size) is the text
    std::size_t m_size = 0;
};

}  // namespace vellamor
