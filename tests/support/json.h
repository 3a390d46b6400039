// SPDX-License-Identifier: GPL-3.0-or-later
// The program's JSON read back by a real parser, so that the tests compare
// values and not the writer's own idea of the syntax. Objects keep their keys
// in document order: the order is part of the output's contract.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace testjson {

using Value = nlohmann::ordered_json;

// Throws nlohmann::json::parse_error on anything that is not one JSON value,
// trailing characters included.
inline Value Parse(const std::string& text) {
    return Value::parse(text);
}

inline std::vector<std::string> Keys(const Value& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items())
        keys.push_back(item.key());
    return keys;
}

}  // namespace testjson
