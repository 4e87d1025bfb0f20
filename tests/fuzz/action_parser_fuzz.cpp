// Fuzzes the kvelnor-script line parser: every line is an action, ignored, or an error with a reason.
#include "script/action.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const script::ParseResult r = script::parseAction(line);
    if (r.action && !r.error.empty()) __builtin_trap();
    if (r.action && r.action->kind == script::ActionKind::Wait &&
        (r.action->ms < 0 || r.action->ms > script::kMaxWaitMs))
        __builtin_trap();
    if (r.action && r.action->position && *r.action->position < 0) __builtin_trap();
    return 0;
}
