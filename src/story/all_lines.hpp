// Every dialogue line the game can show in the text panel, for measuring and reading them.
#pragma once

#include <string>
#include <vector>

namespace story {

struct DialogueLine {
    std::string where;  // "ticks 22-31" for the script, "remark 6" for a remark
    std::string text;   // exactly as shown, line break included
};

// The script's lines in script order, then the four remarks; empty lines are left out.
std::vector<DialogueLine> allDialogueLines();

}  // namespace story
