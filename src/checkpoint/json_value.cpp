#include "checkpoint/json_value.hpp"

#include <charconv>
#include <limits>

namespace checkpoint::json {

Value& Value::set(std::string key, Value value) {
    members.push_back({std::move(key), std::move(value)});
    return members.back().second;
}

const Value* Value::find(std::string_view key) const {
    if (kind != Kind::Object) return nullptr;
    for (const auto& [name, value] : members)
        if (name == key) return &value;
    return nullptr;
}

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Value> document(std::string& error) {
        Value v;
        bool ok = value(v, 0);
        skipSpace();
        if (ok && pos_ != text_.size()) ok = fail("text after the value");
        if (ok) return v;
        error = error_ + " at byte " + std::to_string(pos_);
        return std::nullopt;
    }

private:
    bool fail(const char* why) {
        if (error_.empty()) error_ = why;
        return false;
    }

    void skipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return fail("unknown word");
        pos_ += word.size();
        return true;
    }

    bool value(Value& out, int depth) {
        if (depth >= kMaxDepth) return fail("nested too deep");
        skipSpace();
        if (pos_ >= text_.size()) return fail("unexpected end");
        const char c = text_[pos_];
        if (c == '{') return object(out, depth);
        if (c == '[') return array(out, depth);
        if (c == '"') {
            out.kind = Value::Kind::String;
            return string(out.text);
        }
        if (c == 't' || c == 'f') {
            out = Value::of(c == 't');
            return literal(c == 't' ? "true" : "false");
        }
        if (c == 'n') {
            out = Value::null();
            return literal("null");
        }
        return number(out);
    }

    bool number(Value& out) {
        const std::size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        const std::size_t digits = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
        if (pos_ == digits) return fail("not a value");
        if (text_[digits] == '0' && pos_ - digits > 1) return fail("number with a leading zero");
        if (pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E'))
            return fail("not a whole number");
        std::int64_t n = 0;
        const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, n);
        if (ec != std::errc() || end != text_.data() + pos_) return fail("number too large");
        out = Value::of(n);
        return true;
    }

    bool hex4(std::uint32_t& out) {
        if (text_.size() - pos_ < 4) return fail("unexpected end");
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = text_[pos_++];
            out <<= 4;
            if (h >= '0' && h <= '9') out |= static_cast<std::uint32_t>(h - '0');
            else if (h >= 'a' && h <= 'f') out |= static_cast<std::uint32_t>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F') out |= static_cast<std::uint32_t>(h - 'A' + 10);
            else return fail("bad \\u escape");
        }
        return true;
    }

    static void appendUtf8(std::string& s, std::uint32_t cp) {
        if (cp < 0x80) {
            s.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            s.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            s.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            s.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            s.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }

    bool escape(std::string& out) {
        if (pos_ >= text_.size()) return fail("unexpected end");
        const char e = text_[pos_++];
        switch (e) {
            case '"': out.push_back('"'); return true;
            case '\\': out.push_back('\\'); return true;
            case '/': out.push_back('/'); return true;
            case 'b': out.push_back('\b'); return true;
            case 'f': out.push_back('\f'); return true;
            case 'n': out.push_back('\n'); return true;
            case 'r': out.push_back('\r'); return true;
            case 't': out.push_back('\t'); return true;
            case 'u': break;
            default: return fail("bad escape");
        }
        std::uint32_t cp = 0;
        if (!hex4(cp)) return false;
        if (cp >= 0xDC00 && cp <= 0xDFFF) return fail("lone low surrogate");
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            std::uint32_t low = 0;
            if (text_.substr(pos_, 2) != "\\u") return fail("lone high surrogate");
            pos_ += 2;
            if (!hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return fail("lone high surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, cp);
        return true;
    }

    // One UTF-8 sequence as it stands in the file: shortest form, no surrogates, at most U+10FFFF.
    bool rawUtf8(std::string& out) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text_[i]); };
        const unsigned char lead = byte(pos_);
        int length = 0;
        std::uint32_t cp = 0;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2, cp = lead & 0x1Fu;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3, cp = lead & 0x0Fu;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4, cp = lead & 0x07u;
        else return fail("invalid UTF-8");
        if (text_.size() - pos_ < static_cast<std::size_t>(length)) return fail("invalid UTF-8");
        for (int i = 1; i < length; ++i) {
            const unsigned char next = byte(pos_ + static_cast<std::size_t>(i));
            if ((next & 0xC0) != 0x80) return fail("invalid UTF-8");
            cp = (cp << 6) | (next & 0x3Fu);
        }
        const std::uint32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (cp < shortest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return fail("invalid UTF-8");
        out.append(text_.substr(pos_, static_cast<std::size_t>(length)));
        pos_ += static_cast<std::size_t>(length);
        return true;
    }

    bool string(std::string& out) {
        ++pos_;  // the opening quote
        while (true) {
            if (pos_ >= text_.size()) return fail("unterminated string");
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) return fail("control character in a string");
            if (c == '\\') {
                ++pos_;
                if (!escape(out)) return false;
            } else if (c < 0x80) {
                out.push_back(static_cast<char>(c));
                ++pos_;
            } else if (!rawUtf8(out)) {
                return false;
            }
        }
    }

    bool array(Value& out, int depth) {
        out = Value::array();
        ++pos_;
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == ']') {
            ++pos_;
            return true;
        }
        while (true) {
            Value item;
            if (!value(item, depth + 1)) return false;
            out.items.push_back(std::move(item));
            skipSpace();
            if (pos_ >= text_.size()) return fail("unexpected end");
            if (text_[pos_] == ']') {
                ++pos_;
                return true;
            }
            if (text_[pos_++] != ',') return fail("expected , or ]");
        }
    }

    bool object(Value& out, int depth) {
        out = Value::object();
        ++pos_;
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == '}') {
            ++pos_;
            return true;
        }
        while (true) {
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != '"') return fail("expected a key");
            std::string key;
            if (!string(key)) return false;
            if (out.find(key) != nullptr) return fail("duplicate key");
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_++] != ':') return fail("expected :");
            Value member;
            if (!value(member, depth + 1)) return false;
            out.members.push_back({std::move(key), std::move(member)});
            skipSpace();
            if (pos_ >= text_.size()) return fail("unexpected end");
            if (text_[pos_] == '}') {
                ++pos_;
                return true;
            }
            if (text_[pos_++] != ',') return fail("expected , or }");
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

void writeString(std::string& out, const std::string& s) {
    out.push_back('"');
    for (const char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr const char* kHex = "0123456789abcdef";
                    out += "\\u00";
                    out.push_back(kHex[(c >> 4) & 0xF]);
                    out.push_back(kHex[c & 0xF]);
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

// indent < 0: compact. Arrays of scalars stay on one line in the pretty form.
void write(std::string& out, const Value& v, int indent) {
    const auto newline = [&](int level) {
        if (indent < 0) return;
        out.push_back('\n');
        out.append(static_cast<std::size_t>(level) * 2, ' ');
    };
    switch (v.kind) {
        case Value::Kind::Null: out += "null"; return;
        case Value::Kind::Bool: out += v.boolean ? "true" : "false"; return;
        case Value::Kind::Integer: out += std::to_string(v.integer); return;
        case Value::Kind::String: writeString(out, v.text); return;
        case Value::Kind::Array: {
            bool flat = true;
            for (const Value& item : v.items) flat = flat && item.kind != Value::Kind::Array && item.kind != Value::Kind::Object;
            out.push_back('[');
            for (std::size_t i = 0; i < v.items.size(); ++i) {
                if (i > 0) out += indent >= 0 && flat ? ", " : ",";
                if (!flat) newline(indent + 1);
                write(out, v.items[i], indent < 0 ? -1 : indent + 1);
            }
            if (!flat && !v.items.empty()) newline(indent);
            out.push_back(']');
            return;
        }
        case Value::Kind::Object: {
            out.push_back('{');
            for (std::size_t i = 0; i < v.members.size(); ++i) {
                if (i > 0) out.push_back(',');
                newline(indent + 1);
                writeString(out, v.members[i].first);
                out += indent >= 0 ? ": " : ":";
                write(out, v.members[i].second, indent < 0 ? -1 : indent + 1);
            }
            if (!v.members.empty()) newline(indent);
            out.push_back('}');
            return;
        }
    }
}

}  // namespace

std::optional<Value> parse(std::string_view text, std::string& error) { return Reader(text).document(error); }

std::string compact(const Value& value) {
    std::string out;
    write(out, value, -1);
    return out;
}

std::string pretty(const Value& value) {
    std::string out;
    write(out, value, 0);
    out.push_back('\n');
    return out;
}

}  // namespace checkpoint::json
