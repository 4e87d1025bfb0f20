// The saved positions' JSON reader: what it refuses, and that what it writes reads back the same.
#include "checkpoint/json_value.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using checkpoint::json::Value;

std::optional<Value> read(const std::string& text) {
    std::string error;
    return checkpoint::json::parse(text, error);
}

TEST(PositionJson, RefusesWhatNoSavedPositionHolds) {
    for (const char* bad : {"", "{", "[1,]", "{\"a\":1,}", "{\"a\":1 \"b\":2}", "01", "1.5", "1e3", "-", "+1",
                            "9223372036854775808", "\"\x01\"", "\"\\x\"", "\"\\ud800\"", "\"\\udc00x\"", "\"\xc3\"",
                            "\"\xc0\xaf\"", "\"\xed\xa0\x80\"", "\"\xf4\x90\x80\x80\"", "{\"a\":1,\"a\":2}", "nul",
                            "[1] 2", "{1:2}"})
        EXPECT_FALSE(read(bad)) << bad;
    EXPECT_FALSE(read(std::string(17, '[') + std::string(17, ']')));
    EXPECT_TRUE(read(std::string(16, '[') + std::string(16, ']')));
    EXPECT_EQ(read("-9223372036854775808")->integer, INT64_MIN);
}

TEST(PositionJson, WrittenValuesReadBackTheSame) {
    Value v = Value::object();
    v.set("text", Value::of("Služební průkaz \"a\"\\\n\t\x01 😀"));
    v.set("n", Value::of(std::int64_t{-42}));
    Value list = Value::array();
    list.items = {Value::of(true), Value::null(), Value::object(), Value::array()};
    v.set("list", list);
    for (const std::string& written : {checkpoint::json::compact(v), checkpoint::json::pretty(v)}) {
        const std::optional<Value> back = read(written);
        ASSERT_TRUE(back) << written;
        EXPECT_EQ(checkpoint::json::compact(*back), checkpoint::json::compact(v));
    }
    EXPECT_EQ(read("\"\\ud83d\\ude00\\u00e1\"")->text, "😀á");
}

}  // namespace
