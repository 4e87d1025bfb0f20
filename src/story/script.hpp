// The cutscene script as data: entries keyed by story ticks, each an ordered list of steps.
#pragma once

#include "app/game_state.hpp"

#include <functional>
#include <string>
#include <vector>

namespace app {
class TfrmHlavni;
}

namespace story {

// One step of an entry, run in the order written.
struct Step {
    enum class Kind { Picture, Line, Sound, Action };
    Kind kind = Kind::Action;
    std::string text;                              // picture path, dialogue line or sound path
    std::int32_t app::GameState::*guard = nullptr;  // a sound's once-only guard, if it has one
    std::function<void(app::TfrmHlavni&)> action;  // state, component, timer and routine steps
};

// Loads a picture into the scene picture imgHlavni.
Step picture(std::string path);
// Sets the text panel's line; an empty text clears it.
Step line(std::string text);
// Plays a sound while sounds are on; with a guard only while the guard is 0, setting it.
Step sound(std::string path, std::int32_t app::GameState::*guard = nullptr);
// Any other step: a state change, a component change, a timer step or a routine.
Step act(std::function<void(app::TfrmHlavni&)> action);

// A dialogue line: the speaker, a colon and the text with no space around the colon.
std::string say(const std::string& speaker, const std::string& text);

struct ScriptEntry {
    int from = 0;  // first tick, inclusive
    int to = 0;    // last tick, inclusive
    std::vector<Step> steps;
    // Further conditions, evaluated when the pass reaches the entry.
    std::function<bool(const app::TfrmHlavni&)> when = nullptr;
};

using Script = std::vector<ScriptEntry>;

// The three chapters, each in script order.
const Script& arrivalChapter();    // ticks 1 to 153
const Script& firstDayChapter();   // ticks 154 to 412
const Script& secondDayChapter();  // ticks 413 to 740

// The whole script: the three chapters one after the other.
const Script& gameScript();

// Runs the steps of every entry whose ticks hold the tick, in script order.
void runTick(app::TfrmHlavni& form, const Script& script, int tick);

}  // namespace story
