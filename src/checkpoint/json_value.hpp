// A small JSON value with a strict reader and a writer, for the saved positions: whole numbers
// only, bounded nesting, valid UTF-8, no duplicate keys. The core links nothing but the
// standard library, and a reader of our own refuses hostile files without exceptions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace checkpoint::json {

struct Member;

struct Value {
    enum class Kind { Null, Bool, Integer, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::int64_t integer = 0;
    std::string text;
    std::vector<Value> items;                             // an array's elements
    std::vector<Member> members;  // an object's members in file order

    // (Defined below the struct: its members' types must be complete first.)
    static Value null();
    static Value of(bool b);
    static Value of(std::int64_t n);
    static Value of(int n);
    static Value of(std::string s);
    static Value of(const char* s);
    static Value array();
    static Value object();

    // Adds a member to an object (the writer keeps the order).
    Value& set(std::string key, Value value);
    // The member of that name, or nullptr (also when this is no object).
    [[nodiscard]] const Value* find(std::string_view key) const;
};

// One member of an object: its key and its value.
struct Member {
    std::string first;
    Value second;
};

inline Value Value::null() { return Value{}; }
inline Value Value::of(bool b) {
    Value v;
    v.kind = Kind::Bool;
    v.boolean = b;
    return v;
}
inline Value Value::of(std::int64_t n) {
    Value v;
    v.kind = Kind::Integer;
    v.integer = n;
    return v;
}
inline Value Value::of(int n) { return of(static_cast<std::int64_t>(n)); }
inline Value Value::of(std::string s) {
    Value v;
    v.kind = Kind::String;
    v.text = std::move(s);
    return v;
}
inline Value Value::of(const char* s) { return of(std::string(s)); }
inline Value Value::array() {
    Value v;
    v.kind = Kind::Array;
    return v;
}
inline Value Value::object() {
    Value v;
    v.kind = Kind::Object;
    return v;
}

// Nesting deeper than this is refused: the reader recurses once per level.
inline constexpr int kMaxDepth = 16;

// Parses one JSON document; on failure the reason (English, for tests and logs) is in error.
std::optional<Value> parse(std::string_view text, std::string& error);

// Writes the value on one line without spaces: the form the checksum is taken over.
std::string compact(const Value& value);
// Writes the value indented by two spaces per level, for a player who opens the file.
std::string pretty(const Value& value);

}  // namespace checkpoint::json
