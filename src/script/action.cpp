#include "script/action.hpp"

#include <algorithm>

#include <charconv>
#include <vector>

namespace script {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Splits on spaces, keeping a double-quoted caption (without its quotes) as one word.
bool split(std::string_view s, std::vector<std::string>& words, std::string& error) {
    while (true) {
        s = trim(s);
        if (s.empty()) return true;
        if (s.front() == '"') {
            const std::size_t end = s.find('"', 1);
            if (end == std::string_view::npos) {
                error = "unterminated quoted caption";
                return false;
            }
            words.emplace_back("\"" + std::string(s.substr(1, end - 1)));
            s.remove_prefix(end + 1);
            if (!s.empty() && s.front() != ' ' && s.front() != '\t') {
                error = "text after a quoted caption";
                return false;
            }
            continue;
        }
        const std::size_t end = s.find_first_of(" \t");
        words.emplace_back(s.substr(0, end));
        if (end == std::string_view::npos) return true;
        s.remove_prefix(end);
    }
}

template <class Int>
bool number(const std::string& word, Int& out) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, out);
    return ec == std::errc() && ptr == end;
}

ParseResult fail(std::string error) { return {std::nullopt, std::move(error)}; }

ParseResult ok(Action a) { return {std::move(a), {}}; }

bool isQuoted(const std::string& word) { return !word.empty() && word.front() == '"'; }

// "Caption", #N or (for select) none.
ParseResult listTarget(ActionKind kind, const std::vector<std::string>& w) {
    Action a{.kind = kind};
    if (w.size() != 2) return fail("expected one entry: \"Caption\", #N" + std::string(kind == ActionKind::Select ? " or none" : ""));
    if (isQuoted(w[1])) {
        a.caption = w[1].substr(1);
        return ok(a);
    }
    if (w[1].size() > 1 && w[1][0] == '#') {
        int p = 0;
        if (!number(w[1].substr(1), p) || p < 0) return fail("bad entry position " + w[1]);
        a.position = p;
        return ok(a);
    }
    if (kind == ActionKind::Select && w[1] == "none") return ok(a);
    return fail("bad list entry " + w[1]);
}

}  // namespace

ParseResult parseAction(std::string_view line) {
    // A NUL byte is no text a script could mean; it would end the line early for a C reader.
    if (line.find('\0') != std::string_view::npos) return fail("NUL byte in the line");
    line = trim(line);
    if (line.empty() || line.front() == '#') return {};
    std::vector<std::string> w;
    std::string error;
    if (!split(line, w, error)) return fail(error);
    const std::string& verb = w[0];
    const auto bare = [&](ActionKind kind) { return w.size() == 1 ? ok({.kind = kind}) : fail(verb + " takes no argument"); };

    if (verb == "new") return bare(ActionKind::New);
    if (verb == "continue") return bare(ActionKind::Continue);
    if (verb == "quit") return bare(ActionKind::Quit);
    if (verb == "settings") return bare(ActionKind::Settings);
    if (verb == "sound") return bare(ActionKind::Sound);
    if (verb == "controls") return bare(ActionKind::Controls);
    if (verb == "about") return bare(ActionKind::About);
    if (verb == "settle") return bare(ActionKind::Settle);
    if (verb == "dump") return bare(ActionKind::Dump);
    if (verb == "advance") return bare(ActionKind::Advance);
    if (verb == "skip") return bare(ActionKind::Skip);
    if (verb == "answer") {
        if (w.size() == 2 && (w[1] == "yes" || w[1] == "no")) return ok({.kind = ActionKind::Answer, .yes = w[1] == "yes"});
        return fail("answer takes yes or no");
    }
    if (verb == "speed") {
        if (w.size() == 2 && (w[1] == "high" || w[1] == "medium" || w[1] == "low"))
            return ok({.kind = ActionKind::Speed, .word = w[1]});
        return fail("speed takes high, medium or low");
    }
    if (verb == "move" || verb == "click") {
        Action a{.kind = verb == "move" ? ActionKind::Move : ActionKind::ClickAt};
        if (w.size() == 3 && number(w[1], a.x) && number(w[2], a.y)) return ok(a);
        if (verb == "click" && w.size() == 2 && !isQuoted(w[1]))
            return ok({.kind = ActionKind::ClickName, .word = w[1]});
        return fail(verb + (verb == "click" ? " takes X Y or a component name" : " takes X Y"));
    }
    if (verb == "select") return listTarget(ActionKind::Select, w);
    if (verb == "dblclick") return listTarget(ActionKind::DoubleClick, w);
    if (verb == "button") {
        if (w.size() == 2 && (w[1] == "Zpět" || w[1] == "Průzkum" || w[1] == "Spojit"))
            return ok({.kind = ActionKind::Button, .word = w[1]});
        return fail("button takes Zpět, Průzkum or Spojit");
    }
    if (verb == "wait") {
        Action a{.kind = ActionKind::Wait};
        if (w.size() == 2 && number(w[1], a.ms) && a.ms >= 0 && a.ms <= kMaxWaitMs) return ok(a);
        return fail("wait takes a number of milliseconds up to " + std::to_string(kMaxWaitMs) + " (a day)");
    }
    if (verb == "save" || verb == "load") {
        Action a{.kind = verb == "save" ? ActionKind::Save : ActionKind::Load};
        if (w.size() == 2 && w[1] == "auto") return ok(a);
        if (w.size() == 2 && w[1].size() == 1 && w[1][0] >= '1' && w[1][0] <= '8') {
            a.slot = w[1][0] - '0';
            return ok(a);
        }
        return fail(verb + " takes a slot: 1 to 8 or auto");
    }
    if (verb == "language") {
        const auto letters = [](const std::string& code) {
            return !code.empty() && code.size() <= 8 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        };
        if (w.size() == 2 && letters(w[1])) return ok({.kind = ActionKind::Language, .word = w[1]});
        return fail("language takes a language code: cs, en");
    }
    return fail("unknown action '" + verb + "'");
}

}  // namespace script
