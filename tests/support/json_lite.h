// SPDX-License-Identifier: GPL-3.0-or-later
// A small JSON reader for tests: enough to compare the program's output with
// fixture files as parsed values.
#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace testjson {

struct Value {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    bool b = false;
    double n = 0;
    std::string s;
    std::vector<Value> a;
    std::map<std::string, Value> o;
    std::vector<std::string> keys;  // object keys in document order

    const Value& operator[](const std::string& k) const {
        auto it = o.find(k);
        if (it == o.end())
            throw std::runtime_error("missing key " + k);
        return it->second;
    }
    const Value& operator[](std::size_t i) const { return a.at(i); }
};

class Parser {
  public:
    explicit Parser(const std::string& text) : t_(text) {}
    Value Parse() {
        Value v = ParseValue();
        Skip();
        if (p_ != t_.size())
            throw std::runtime_error("trailing characters");
        return v;
    }

  private:
    void Skip() {
        while (p_ < t_.size() &&
               (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\r' || t_[p_] == '\t'))
            ++p_;
    }
    char Peek() {
        Skip();
        if (p_ >= t_.size())
            throw std::runtime_error("unexpected end");
        return t_[p_];
    }
    void Expect(char c) {
        if (Peek() != c)
            throw std::runtime_error(std::string("expected ") + c);
        ++p_;
    }
    static void AppendUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    std::string ParseString() {
        Expect('"');
        std::string out;
        while (true) {
            if (p_ >= t_.size())
                throw std::runtime_error("unterminated string");
            char c = t_[p_++];
            if (c == '"')
                break;
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            char e = t_[p_++];
            switch (e) {
                case 'n':
                    out.push_back('\n');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                case 'r':
                    out.push_back('\r');
                    break;
                case 'b':
                    out.push_back('\b');
                    break;
                case 'f':
                    out.push_back('\f');
                    break;
                case 'u': {
                    unsigned cp = static_cast<unsigned>(std::stoul(t_.substr(p_, 4), nullptr, 16));
                    p_ += 4;
                    AppendUtf8(out, cp);
                    break;
                }
                default:
                    out.push_back(e);
            }
        }
        return out;
    }
    Value ParseValue() {
        Value v;
        char c = Peek();
        if (c == '{') {
            v.kind = Value::Object;
            ++p_;
            if (Peek() == '}') {
                ++p_;
                return v;
            }
            while (true) {
                std::string k = ParseString();
                Expect(':');
                v.keys.push_back(k);
                v.o[k] = ParseValue();
                if (Peek() == ',') {
                    ++p_;
                    continue;
                }
                Expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.kind = Value::Array;
            ++p_;
            if (Peek() == ']') {
                ++p_;
                return v;
            }
            while (true) {
                v.a.push_back(ParseValue());
                if (Peek() == ',') {
                    ++p_;
                    continue;
                }
                Expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.kind = Value::String;
            v.s = ParseString();
            return v;
        }
        if (t_.compare(p_, 4, "true") == 0) {
            p_ += 4;
            v.kind = Value::Bool;
            v.b = true;
            return v;
        }
        if (t_.compare(p_, 5, "false") == 0) {
            p_ += 5;
            v.kind = Value::Bool;
            return v;
        }
        if (t_.compare(p_, 4, "null") == 0) {
            p_ += 4;
            return v;
        }
        char* end = nullptr;
        v.n = std::strtod(t_.c_str() + p_, &end);
        if (end == t_.c_str() + p_)
            throw std::runtime_error("bad value");
        p_ = static_cast<std::size_t>(end - t_.c_str());
        v.kind = Value::Number;
        return v;
    }
    const std::string& t_;
    std::size_t p_ = 0;
};

inline Value Parse(const std::string& text) {
    return Parser(text).Parse();
}

}  // namespace testjson
