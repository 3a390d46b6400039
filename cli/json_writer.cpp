// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace vellamor {
void JsonWriter::Begin(Level level, char bracket) {
    BeforeValue();
    if (m_depth == kMaxDepth)
        throw std::length_error("JSON: nested too deep");
    m_open[m_depth++] = {level, false};
    Put(bracket);
}

void JsonWriter::End(Level level, char bracket) {
    if (m_depth == 0 || m_open[m_depth - 1].level != level || m_afterKey)
        throw std::logic_error("JSON: closing what is not open");
    --m_depth;
    Put(bracket);
    AfterValue();
}

void JsonWriter::BeginObject() {
    Begin(Level::Object, '{');
}
void JsonWriter::EndObject() {
    End(Level::Object, '}');
}
void JsonWriter::BeginArray() {
    Begin(Level::Array, '[');
}
void JsonWriter::EndArray() {
    End(Level::Array, ']');
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

void JsonWriter::Integer(std::int64_t v) {
    BeforeValue();
    char buf[24];
    const char* end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    Put(std::string_view(buf, static_cast<std::size_t>(end - buf)));
    AfterValue();
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
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t end = i;
        while (end < n && !json_detail::kJsonStops[static_cast<unsigned char>(s[end])])
            ++end;
        Put(s.substr(i, end - i));
        if (end == n)
            break;
        i = end;
        auto c = static_cast<unsigned char>(s[i++]);
        if (c == 0xC2) {
            // A C1 control is escaped like the others; other characters
            // that start with 0xC2 pass as they are.
            if (i == n || static_cast<unsigned char>(s[i]) < 0x80 ||
                static_cast<unsigned char>(s[i]) > 0x9F) {
                Put(static_cast<char>(c));
                continue;
            }
            c = static_cast<unsigned char>(s[i++]);
        }
        switch (c) {
            case '"':
                Put("\\\"");
                break;
            case '\\':
                Put("\\\\");
                break;
            case '\n':
                Put("\\n");
                break;
            case '\r':
                Put("\\r");
                break;
            case '\t':
                Put("\\t");
                break;
            default: {
                static constexpr char kHex[] = "0123456789abcdef";
                const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
                Put(std::string_view(escape, sizeof escape));
            }
        }
    }
}

std::string JsonString(std::string_view utf8) {
    std::string out;
    JsonWriter w(out);
    w.String(utf8);
    return out;
}

}  // namespace vellamor
