// One line of a kvelnor-script file, parsed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace script {

// The longest wait one action may ask for: a day of game time, so the clock cannot overflow.
constexpr std::int64_t kMaxWaitMs = 24LL * 60 * 60 * 1000;

enum class ActionKind {
    New, Continue, Quit, Answer, Speed, Settings, Sound, Controls, About,
    Move, ClickAt, ClickName, Select, DoubleClick, Button, Wait, Settle, Dump, Advance, Skip, Save, Load,
    Language,
};

struct Action {
    ActionKind kind = ActionKind::Dump;
    bool yes = true;                  // answer
    std::string word;                 // speed: high / medium / low; button and component names; language code
    int x = 0;                        // move, click
    int y = 0;
    std::int64_t ms = 0;              // wait
    int slot = 0;                     // save / load: 1 to 8, or 0 for the automatic slot
    std::optional<std::string> caption;  // select / dblclick by caption
    std::optional<int> position;         // select / dblclick by position; neither: the empty area
};

struct ParseResult {
    std::optional<Action> action;  // empty for blank and comment lines, and on error
    std::string error;             // why the line is malformed
};

ParseResult parseAction(std::string_view line);

}  // namespace script
