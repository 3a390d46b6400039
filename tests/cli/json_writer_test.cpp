// SPDX-License-Identifier: GPL-3.0-or-later
// JSON string literals: what must be escaped, that everything else is copied
// unchanged (the JSON output is a contract other tools parse), and that no
// text or nesting can take the writer past its bounds.
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "cli/chart_json.h"
#include "json.h"

namespace vellamor {
namespace {

TEST(JsonWriter, EscapesOnlyWhatJsonAndATerminalRequireAtAnyLength) {
    struct Case {
        std::string in, out;
    };
    const std::string many(100000, '\x1b');
    std::string manyEscaped;
    for (std::size_t i = 0; i < many.size(); ++i)
        manyEscaped += "\\u001b";
    const std::vector<Case> cases = {
        {"", "\"\""},
        {"Asha Rao", "\"Asha Rao\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"\n\r\t", "\"\\n\\r\\t\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\\u007f\""},
        {std::string("x\0y", 3), "\"x\\u0000y\""},
        {"\xC2\x80[\xC2\x9B"
         "2J\xC2\x9F\xC2\xA0",
         "\"\\u0080[\\u009b2J\\u009f\xC2\xA0\""},
        {"Z\xC3\xBC"
         "rich \xC2\xA9",
         "\"Z\xC3\xBC"
         "rich \xC2\xA9\""},  // UTF-8 as it is
        {"\"\"", "\"\\\"\\\"\""},
        {"end\\", "\"end\\\\\""},
        {"\xC2", "\"\xC2\""},                      // a lead byte at the very end
        {"\xE2\x82\xAC 5", "\"\xE2\x82\xAC 5\""},  // 0x82, not after 0xC2
        {"\xC2\x85\x85", "\"\\u0085\x85\""},       // a control, then a stray byte
        {many, "\"" + manyEscaped + "\""},         // six bytes out for each byte in
    };
    Chart chart;  // the chart's object writes its texts the same way
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.substr(0, 20));
        EXPECT_EQ(JsonString(c.in), c.out);
        chart.birth.name = c.in;
        chart.birth.country = c.in;
        const std::string json = ChartJson(chart);
        EXPECT_EQ(json.rfind("{\"name\": " + c.out + ", \"details\": ", 0), 0u);
        EXPECT_NE(json.find("\"Country\": " + c.out + "}, \"bodies\": "), std::string::npos);
    }
}

// A byte to escape must be found wherever it stands: each of them, at every
// offset of texts of 1 to 40 bytes, and around byte 682 of texts of 600 to
// 800 bytes (where a writer that escapes in pieces would cut), reads back
// through a real parser as the text itself.
TEST(JsonWriter, EveryOffsetOfEveryLengthReadsBack) {
    const std::vector<std::string> specials = {"\"",   "\\",       "\x01",     "\x1f",
                                               "\x7f", "\xC2\x85", "\xC2\x9F", "\xC2\xB0"};
    struct Lengths {
        std::size_t shortest, longest, firstAt, lastAt;
    };
    for (const Lengths& span : {Lengths{1, 40, 0, 40}, Lengths{600, 800, 675, 690}})
        for (const std::string& special : specials) {
            for (std::size_t length = span.shortest; length <= span.longest; ++length) {
                for (std::size_t at = span.firstAt;
                     at + special.size() <= length && at <= span.lastAt; ++at) {
                    std::string text(length, 'a');
                    text.replace(at, special.size(), special);
                    const std::string json = JsonString(text);
                    SCOPED_TRACE(json);
                    EXPECT_EQ(testjson::Parse(json).get<std::string>(), text);
                    // The same text as a member.
                    std::string object;
                    {
                        JsonWriter w(object);
                        w.BeginObject();
                        w.String("k", text);
                        w.EndObject();
                    }
                    EXPECT_EQ(object, "{\"k\": " + json + "}");
                    // C1 controls and DEL never reach a terminal raw.
                    EXPECT_EQ(json.find("\xC2\x85"), std::string::npos);
                    EXPECT_EQ(json.find('\x7f'), std::string::npos);
                }
            }
        }
}

// Misuse is refused in every build, before a byte goes astray.
TEST(JsonWriter, RefusesWhatWouldNotBeJson) {
    std::string out;
    JsonWriter deep(out);
    for (std::size_t i = 0; i < JsonWriter::kMaxDepth; ++i)
        deep.BeginArray();
    EXPECT_THROW(deep.BeginArray(), std::length_error);

    JsonWriter w(out);
    EXPECT_THROW(w.Key("outside"), std::logic_error);
    EXPECT_THROW(w.EndObject(), std::logic_error);
    w.BeginObject();
    EXPECT_THROW(w.Integer(1), std::logic_error);  // a value without its key
    EXPECT_THROW(w.EndArray(), std::logic_error);
    w.Key("k");
    EXPECT_THROW(w.EndObject(), std::logic_error);  // a key without its value
    w.Null();
    w.Key(JsonKey::Checked("a \"b\"\n"));  // a name known only at run time
    w.Integer(-12345);
    w.EndObject();
    EXPECT_TRUE(w.complete());
    EXPECT_EQ(out, "{\"k\": null, \"a \\\"b\\\"\\n\": -12345}");
}

}  // namespace
}  // namespace vellamor
