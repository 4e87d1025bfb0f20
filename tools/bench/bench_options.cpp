#include "bench/bench_options.hpp"

#include <charconv>
#include <sstream>

namespace bench {

namespace {

bool parseCount(const std::string& text, int& out) {
    int value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || value < 1) return false;
    out = value;
    return true;
}

bool parseParts(const std::string& text, std::set<std::string>& out) {
    std::set<std::string> parts;
    std::istringstream words(text);
    std::string part;
    while (std::getline(words, part, ',')) {
        if (!kAllParts.contains(part)) return false;
        parts.insert(part);
    }
    if (parts.empty()) return false;
    out = parts;
    return true;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments, Options defaults) {
    Options options = std::move(defaults);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--list-clicks") {
            options.listClicks = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            options.error = name.starts_with("--") ? name + " needs a value" : "unknown argument " + name;
            return options;
        }
        const std::string& value = arguments[++i];
        bool understood = true;
        if (name == "--data") options.data = value;
        else if (name == "--scenario") options.scenario = value;
        else if (name == "--runs") understood = parseCount(value, options.clickRuns);
        else if (name == "--core-runs") understood = parseCount(value, options.coreRuns);
        else if (name == "--startup-runs") understood = parseCount(value, options.startupRuns);
        else if (name == "--idle-seconds") understood = parseCount(value, options.idleSeconds);
        else if (name == "--only") understood = parseParts(value, options.parts);
        else {
            options.error = "unknown argument " + name;
            return options;
        }
        if (!understood) {
            options.error = "bad value for " + name + ": " + value;
            return options;
        }
    }
    return options;
}

}  // namespace bench
