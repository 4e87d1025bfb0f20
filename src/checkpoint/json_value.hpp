// A small JSON value with a strict reader and a writer, for the saved positions: whole numbers
// only, bounded nesting, valid UTF-8, no duplicate keys. The core links nothing but the
// standard library, and a reader of our own refuses hostile files without exceptions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace checkpoint::json {

struct Value {
    enum class Kind { Null, Bool, Integer, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::int64_t integer = 0;
    std::string text;
    std::vector<Value> items;                             // an array's elements
    std::vector<std::pair<std::string, Value>> members;  // an object's members in file order

    static Value null() { return {}; }
    static Value of(bool b) { return {.kind = Kind::Bool, .boolean = b}; }
    static Value of(std::int64_t n) { return {.kind = Kind::Integer, .integer = n}; }
    static Value of(int n) { return of(static_cast<std::int64_t>(n)); }
    static Value of(std::string s) { return {.kind = Kind::String, .text = std::move(s)}; }
    static Value of(const char* s) { return of(std::string(s)); }
    static Value array() { return {.kind = Kind::Array}; }
    static Value object() { return {.kind = Kind::Object}; }

    // Adds a member to an object (the writer keeps the order).
    Value& set(std::string key, Value value);
    // The member of that name, or nullptr (also when this is no object).
    [[nodiscard]] const Value* find(std::string_view key) const;
};

// Nesting deeper than this is refused: the reader recurses once per level.
inline constexpr int kMaxDepth = 16;

// Parses one JSON document; on failure the reason (English, for tests and logs) is in error.
std::optional<Value> parse(std::string_view text, std::string& error);

// Writes the value on one line without spaces: the form the checksum is taken over.
std::string compact(const Value& value);
// Writes the value indented by two spaces per level, for a player who opens the file.
std::string pretty(const Value& value);

}  // namespace checkpoint::json
