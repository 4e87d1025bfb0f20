#include "script/runner.hpp"

#include "script/action.hpp"
#include "script/session.hpp"
#include "script/state_json.hpp"

#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

namespace script {

namespace {

struct Line {
    int number;
    std::string text;
};

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The value at a dotted path ("components.imgCur5.enabled", "state.heldFlags.0"); the
// pseudo path "@hotspots" lists the enabled hotspots and map spots in stacking order.
const Json* lookup(const Json& dump, const std::string& path, Json& scratch) {
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
    try {
        content = Json::parse(rest);
    } catch (const std::exception&) {
        content = nullptr;
    }
    if (!content.is_string()) {
        error = "data.dat takes a JSON string or none";
        return false;
    }
    std::ofstream("data.dat", std::ios::binary) << content.get<std::string>();
    return true;
}

}  // namespace

int run(std::istream& in, std::ostream& out, std::ostream& err, const RunOptions& options) {
    std::vector<Line> lines;
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) lines.push_back({n, text});

    // Preparations and parsing first, so a malformed line stops the run before it starts.
    std::vector<std::pair<Line, Action>> actions;
    for (const Line& l : lines) {
        std::string error;
        if (startsWith(l.text, "#!")) {
            if (!prepare(l.text.substr(2), error)) {
                err << options.name << ":" << l.number << ": " << error << "\n";
                return kExitMalformed;
            }
            continue;
        }
        const ParseResult parsed = parseAction(l.text);
        if (!parsed.error.empty()) {
            err << options.name << ":" << l.number << ": " << parsed.error << ": " << l.text << "\n";
            return kExitMalformed;
        }
        if (parsed.action) actions.emplace_back(l, *parsed.action);
    }

    Session session;
    Json last;
    bool dumped = false;
    int checks = 0;
    int failures = 0;
    std::size_t next = 0;
    for (const Line& l : lines) {
        if (next < actions.size() && actions[next].first.number == l.number) {
            const Action& a = actions[next++].second;
            session.execute(a);
            if (a.kind == ActionKind::Dump) {
                last = dumpState(session);
                dumped = true;
                if (!options.check) out << last.dump() << "\n";
            }
            continue;
        }
        if (!options.check || !startsWith(l.text, "#>")) continue;
        std::stringstream words(l.text.substr(2));
        std::string path;
        words >> path;
        std::string expectedText;
        std::getline(words, expectedText);
        Json expected;
        try {
            expected = Json::parse(expectedText);
        } catch (const std::exception&) {
            err << options.name << ":" << l.number << ": expected value is not JSON: " << l.text << "\n";
            return kExitMalformed;
        }
        ++checks;
        Json scratch;
        const Json* actual = dumped ? lookup(last, path, scratch) : nullptr;
        if (actual == nullptr || *actual != expected) {
            ++failures;
            err << options.name << ":" << l.number << ": " << path << ": expected " << expected.dump() << ", got "
                << (actual != nullptr ? actual->dump() : std::string(dumped ? "nothing" : "no dump yet")) << "\n";
        }
    }
    if (options.check) out << options.name << ": " << (checks - failures) << " passed, " << failures << " failed\n";
    return failures == 0 ? kExitOk : kExitCheckFailed;
}

}  // namespace script
