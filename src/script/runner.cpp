#include "script/runner.hpp"

#include "app/data_files.hpp"
#include "inventory/item_catalogue.hpp"
#include "script/action.hpp"
#include "script/session.hpp"
#include "script/state_json.hpp"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string_view>

namespace script {

namespace {

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// A line as quoted in a message: long lines are cut, the message stays readable.
std::string quoted(const std::string& text) {
    constexpr std::size_t kShown = 80;
    return text.size() <= kShown ? text : text.substr(0, kShown) + "...";
}

enum class ReadStatus { Line, End, TooLong, NulByte };

// Reads up to the next line end, never more than kMaxLineBytes; a NUL byte stops the read at
// once, so an endless stream of them (/dev/zero) is refused at its first byte.
ReadStatus readLine(std::streambuf& in, std::string& line) {
    line.clear();
    bool any = false;
    for (int c = in.sbumpc(); c != std::char_traits<char>::eof(); c = in.sbumpc()) {
        any = true;
        if (c == '\n') return ReadStatus::Line;
        if (c == '\0') return ReadStatus::NulByte;
        if (line.size() == kMaxLineBytes) return ReadStatus::TooLong;
        line.push_back(static_cast<char>(c));
    }
    return any ? ReadStatus::Line : ReadStatus::End;
}

// True when the brackets outside strings nest at most limit deep: the JSON parser, comparison
// and destructor each recurse once per level, and a deep enough value overflows the stack.
bool nestsWithin(std::string_view text, int limit) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) escaped = false;
            else if (c == '\\') escaped = true;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return false;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return true;
}

// Parses a value of a "#>" or "#!" line; false with the reason when it is no JSON or too deep.
bool parseValue(const std::string& text, Json& value, std::string& error) {
    if (!nestsWithin(text, kMaxValueDepth)) {
        error = "value nests deeper than " + std::to_string(kMaxValueDepth) + " brackets";
        return false;
    }
    try {
        value = Json::parse(text);
    } catch (const std::exception&) {
        error = "value is not JSON";
        return false;
    }
    return true;
}

// The caption of the item in the hand, or null when the hand is empty. The dump's heldFlags
// array starts at flag 1, so checks by caption cannot miscount; two flags at once (which the
// game never sets) give a list, so such a state can never pass for one item.
Json heldItem(const Json& dump, const ui::Catalogue& catalogue) {
    const Json& flags = dump["state"]["heldFlags"];
    Json captions = Json::array();
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i].get<int>() == 0) continue;
        const int flag = static_cast<int>(i) + 1;
        const inventory::CatalogueItem* item = inventory::itemByHeldFlag(flag);
        captions.push_back(item != nullptr ? catalogue.translate(item->caption) : "heldFlags[" + std::to_string(flag) + "]");
    }
    if (captions.empty()) return nullptr;
    if (captions.size() == 1) return captions[0];
    return captions;
}

// The value at a dotted path ("components.imgCur5.enabled", "state.heldFlags.0"); the
// pseudo path "@hotspots" lists the enabled hotspots and map spots in stacking order, and
// "@held" names the item in the hand.
const Json* lookup(const Json& dump, const std::string& path, Json& scratch, const ui::Catalogue& catalogue) {
    if (path == "@held") {
        scratch = heldItem(dump, catalogue);
        return &scratch;
    }
    if (path == "@hotspots") {
        scratch = Json::array();
        for (const auto& [name, c] : dump["components"].items())
            if ((startsWith(name, "imgCur") || startsWith(name, "imgMap")) && c["enabled"].get<bool>())
                scratch.push_back(name);
        return &scratch;
    }
    const Json* node = &dump;
    std::stringstream parts(path);
    std::string part;
    while (std::getline(parts, part, '.')) {
        if (node->is_object()) {
            if (!node->contains(part)) return nullptr;
            node = &(*node)[part];
        } else if (node->is_array()) {
            std::size_t index = 0;
            try {
                index = std::stoul(part);
            } catch (...) {
                return nullptr;
            }
            if (index >= node->size()) return nullptr;
            node = &(*node)[index];
        } else {
            return nullptr;
        }
    }
    return node;
}

// An expected value written in Czech, as the player reads it in the catalogue's language: every
// string that is a Czech source text is translated, so one scenario checks every language.
void translateStrings(Json& value, const ui::Catalogue& catalogue) {
    if (value.is_string()) {
        value = catalogue.translate(value.get<std::string>());
    } else if (value.is_structured()) {
        for (Json& element : value) translateStrings(element, catalogue);
    }
}

bool prepare(const std::string& directive, std::string& error) {
    std::stringstream words(directive);
    std::string file;
    words >> file;
    std::string rest;
    std::getline(words, rest);
    rest.erase(0, rest.find_first_not_of(' '));
    if (file != "data.dat") {
        error = "unknown preparation '" + file + "'";
        return false;
    }
    if (rest == "none") {
        std::remove("data.dat");
        return true;
    }
    Json content;
    if (!parseValue(rest, content, error)) return false;
    if (!content.is_string()) {
        error = "data.dat takes a JSON string or none";
        return false;
    }
    std::ofstream("data.dat", std::ios::binary) << content.get<std::string>();
    return true;
}

// Keeps only the newest entries a dump has not shown yet.
void keepUnreported(std::vector<std::string>& all, std::size_t& reported) {
    all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(reported));
    reported = 0;
    if (all.size() > kMaxUnreported) all.erase(all.begin(), all.end() - static_cast<std::ptrdiff_t>(kMaxUnreported));
}

class Runner {
public:
    Runner(std::ostream& out, std::ostream& err, const RunOptions& options) : out_(out), err_(err), options_(options) {}

    // Runs one line; false when the run must stop (the exit code is then in stopCode).
    bool line(std::int64_t number, const std::string& text) {
        number_ = number;
        if (startsWith(text, "#!")) return prepareLine(text);
        const ParseResult parsed = parseAction(text);
        if (!parsed.error.empty()) return malformed(parsed.error + ": " + quoted(text));
        if (parsed.action) return action(*parsed.action);
        if (options_.check && startsWith(text, "#>")) return checkLine(text);
        return true;
    }

    // A line that could not even be read whole.
    void unreadable(std::int64_t number, const std::string& why) {
        number_ = number;
        malformed(why);
    }

    int finish() {
        if (options_.check)
            out_ << options_.name << ": " << (checks_ - failures_) << " passed, " << failures_ << " failed\n";
        return failures_ == 0 ? kExitOk : kExitCheckFailed;
    }

    int stopCode = kExitOk;

private:
    bool malformed(const std::string& why) {
        err_ << options_.name << ":" << number_ << ": " << why << "\n";
        stopCode = kExitMalformed;
        return false;
    }

    bool prepareLine(const std::string& text) {
        if (session_) return malformed("preparations come before the first action");
        std::string error;
        return prepare(text.substr(2), error) || malformed(error);
    }

    bool action(const Action& a) {
        // The game starts with the first action, after the preparations.
        if (!session_) {
            std::string error;
            std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(options_.language, error, app::kCatalogueDirectory);
            if (!catalogue) return malformed(error);
            session_ = std::make_unique<Session>(std::move(*catalogue));
        }
        Session& s = *session_;
        if (a.kind == ActionKind::Language) {
            std::string error;
            return s.setLanguage(a.word, error) || malformed(error);
        }
        if (a.kind == ActionKind::ClickName && s.form->stack.find(a.word) == nullptr)
            return malformed("no component named '" + a.word + "' in the picture stack");
        if (a.kind == ActionKind::Answer && s.platform.answers.size() >= kMaxQueuedAnswers)
            return malformed("more than " + std::to_string(kMaxQueuedAnswers) + " answers wait for a question");
        s.execute(a);
        if (a.kind == ActionKind::Dump) {
            last_ = dumpState(s);
            dumped_ = true;
            if (!options_.check) out_ << last_.dump() << "\n";
        }
        // What no dump will print is not kept: a stream of any length runs in constant memory.
        keepUnreported(s.platform.sounds, s.soundsReported);
        keepUnreported(s.platform.messages, s.messagesReported);
        s.platform.questions.clear();
        s.platform.windowsShown.clear();
        return true;
    }

    bool checkLine(const std::string& text) {
        std::stringstream words(text.substr(2));
        std::string path;
        words >> path;
        std::string expectedText;
        std::getline(words, expectedText);
        Json expected;
        std::string error;
        if (!parseValue(expectedText, expected, error)) return malformed("expected " + error + ": " + quoted(text));
        ++checks_;
        static const ui::Catalogue kCzech;
        const ui::Catalogue& catalogue = session_ ? session_->form->catalogue() : kCzech;
        translateStrings(expected, catalogue);
        Json scratch;
        const Json* actual = dumped_ ? lookup(last_, path, scratch, catalogue) : nullptr;
        if (actual == nullptr || *actual != expected) {
            ++failures_;
            err_ << options_.name << ":" << number_ << ": " << path << ": expected " << expected.dump() << ", got "
                 << (actual != nullptr ? actual->dump() : std::string(dumped_ ? "nothing" : "no dump yet")) << "\n";
        }
        return true;
    }

    std::ostream& out_;
    std::ostream& err_;
    const RunOptions& options_;
    std::unique_ptr<Session> session_;
    Json last_;
    bool dumped_ = false;
    std::int64_t number_ = 0;
    std::int64_t checks_ = 0;
    std::int64_t failures_ = 0;
};

}  // namespace

int run(std::istream& in, std::ostream& out, std::ostream& err, const RunOptions& options) {
    Runner runner(out, err, options);
    std::string text;
    for (std::int64_t number = 1;; ++number) {
        const ReadStatus status = in.rdbuf() != nullptr ? readLine(*in.rdbuf(), text) : ReadStatus::End;
        if (status == ReadStatus::End) break;
        if (status != ReadStatus::Line) {
            runner.unreadable(number, status == ReadStatus::NulByte
                                          ? "NUL byte in the line"
                                          : "line longer than " + std::to_string(kMaxLineBytes) + " bytes");
            return runner.stopCode;
        }
        if (!runner.line(number, text)) return runner.stopCode;
    }
    return runner.finish();
}

}  // namespace script
