// Every text of the core the player can read, as Czech source texts: what a translation
// catalogue must translate, and nothing more.
#pragma once

#include <string>
#include <vector>

namespace app {

struct ShownText {
    std::string source;  // the Czech text as the game writes it
    std::string where;   // where the game shows it, for a translator and for messages
};

// Dialogue lines, remarks, location captions, item captions and hints, menus, buttons, boxes,
// the information windows and the language's name; each text once, in the order found.
std::vector<ShownText> allShownTexts();

}  // namespace app
