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

void JsonWriter::EscapedSlowly(std::string_view s) {
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t at = json_detail::NextFiltered(s, i);
        if (at == n) {
            Put(s.substr(i));
            break;
        }
        const auto c = static_cast<unsigned char>(s[at]);
        // A byte from 0x80 to 0x9F is the second byte of a C1 control when
        // 0xC2 leads it, escaped like the other controls; otherwise it is
        // part of some other character and passes as it is. Such a 0xC2 is
        // always in the run: nothing escaped or passed here is 0xC2.
        const bool leadBefore = at > i && static_cast<unsigned char>(s[at - 1]) == 0xC2;
        if (c >= 0x80 && !leadBefore) {
            Put(s.substr(i, at + 1 - i));
            i = at + 1;
            continue;
        }
        Put(s.substr(i, at - i - (c >= 0x80 ? 1 : 0)));
        i = at + 1;
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
