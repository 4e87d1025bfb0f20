// Gathering every dialogue line from the script tables and the remarks.
#include "story/all_lines.hpp"

#include "sequences/remarks.hpp"
#include "story/script.hpp"

namespace story {

std::vector<DialogueLine> allDialogueLines() {
    std::vector<DialogueLine> lines;
    for (const ScriptEntry& entry : gameScript())
        for (const Step& step : entry.steps)
            if (step.kind == Step::Kind::Line && !step.text.empty())
                lines.push_back({.where = "ticks " + std::to_string(entry.from) + "-" + std::to_string(entry.to),
                                 .text = step.text});
    for (const sequences::Remark& remark : sequences::remarks())
        lines.push_back({.where = "remark " + std::to_string(remark.startFrame), .text = remark.text});
    return lines;
}

}  // namespace story
