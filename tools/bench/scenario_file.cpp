#include "bench/scenario_file.hpp"

#include <fstream>

namespace bench {

Scenario readScenario(const std::string& path) {
    Scenario scenario;
    std::ifstream in(path);
    if (!in) {
        scenario.error = "cannot read " + path;
        return scenario;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const script::ParseResult parsed = script::parseAction(line);
        if (!parsed.error.empty()) {
            scenario.error = path + ":" + std::to_string(number) + ": " + parsed.error;
            scenario.actions.clear();
            return scenario;
        }
        if (parsed.action) scenario.actions.push_back(*parsed.action);
    }
    return scenario;
}

bool isPlayerClick(const script::Action& action) {
    switch (action.kind) {
        case script::ActionKind::ClickAt:
        case script::ActionKind::ClickName:
        case script::ActionKind::Select:
        case script::ActionKind::DoubleClick:
        case script::ActionKind::Button: return true;
        default: return false;
    }
}

}  // namespace bench
