// Every action a player has in a settled state: a click on each clickable hotspot and map spot,
// each list entry clicked and double-clicked, the empty list area, and the enabled buttons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {
class TfrmHlavni;
}

namespace explore {

struct Action {
    enum class Kind : std::uint8_t { Click, Select, DoubleClick, SelectNone, Button };
    Kind kind = Kind::Click;
    std::int16_t index = 0;  // the clicked component in the stack, the list entry, or the button
    std::int16_t x = 0;      // where a click goes
    std::int16_t y = 0;
};

// Lists the actions of one form, always in the same order; the form's stack never changes.
class ActionLister {
public:
    explicit ActionLister(const app::TfrmHlavni& form);

    void list(const app::TfrmHlavni& form, std::vector<Action>& out) const;

private:
    std::vector<std::int16_t> spots_;  // stack indices of the hotspots and map spots
};

// Hotspots and map spots are what a player clicks in the scene.
bool isSpot(const std::string& componentName);

void perform(app::TfrmHlavni& form, const Action& action);

// The action as kvelnor-script lines: a comment naming the component or entry it reaches,
// then the action.
std::string scriptLines(const app::TfrmHlavni& form, const Action& action);

}  // namespace explore
