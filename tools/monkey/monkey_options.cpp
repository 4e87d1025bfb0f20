#include "monkey/monkey_options.hpp"

#include <charconv>
#include <limits>

namespace monkey {

namespace {

// The whole text as a number, no sign, no spaces, no overflow.
template <class Int>
bool parseWhole(const std::string& text, Int& out) {
    Int value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || text.empty() || text[0] == '-')
        return false;
    out = value;
    return true;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name != "--seed" && name != "--seeds" && name != "--actions") {
            options.error = "unknown argument " + name;
            return options;
        }
        if (i + 1 >= arguments.size()) {
            options.error = name + " needs a value";
            return options;
        }
        const std::string& value = arguments[++i];
        bool understood = false;
        if (name == "--seed") understood = parseWhole(value, options.first);
        else if (name == "--seeds") understood = parseWhole(value, options.seeds) && options.seeds >= 1;
        else understood = parseWhole(value, options.actions) && options.actions >= 1;
        if (!understood) {
            options.error = "bad value for " + name + ": " + value;
            return options;
        }
    }
    if (options.seeds - 1 > std::numeric_limits<std::uint64_t>::max() - options.first)
        options.error = "--seed " + std::to_string(options.first) + " with --seeds " + std::to_string(options.seeds) +
                        " passes the largest seed";
    return options;
}

}  // namespace monkey
