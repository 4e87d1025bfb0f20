// kvelnor-explore: tries every action a player has in every reachable state and lists the
// states from which the end titles can no longer be reached.
#include "explore/explorer.hpp"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    explore::Options options;
    bool census = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--continue") {
            options.start = explore::Start::Continue;
        } else if (arg == "--census") {
            census = true;
        } else if (arg == "--max-states" && i + 1 < argc) {
            options.maxStates = std::strtoul(argv[++i], nullptr, 10);
        } else {
            std::cerr << "usage: kvelnor-explore [--continue] [--max-states N] [--census]\n"
                         "Starts after \"Nová\" (or \"Nahrát\" with --continue) and explores every state;\n"
                         "with --max-states it stops expanding after N states (states left over count\n"
                         "as able to reach the end).\n";
            return 2;
        }
    }
    const explore::Report report = explore::explore(options);
    for (const explore::DeadEnd& dead : report.deadEnds) {
        std::cout << "dead end: " << dead.description << "\n";
        for (const std::string& step : dead.path) std::cout << "  " << step << "\n";
    }
    if (census)
        for (std::size_t stage = 0; stage < report.statesPerStage.size(); ++stage)
            std::cout << "storyStage " << stage << ": " << report.statesPerStage[stage] << " states\n";
    std::cout << "end titles reached in " << report.goals << " states";
    if (report.unexpanded != 0) std::cout << "; limit reached, " << report.unexpanded << " states not expanded";
    std::cout << "\nstates: " << report.states << ", actions: " << report.actions
              << ", dead ends: " << report.deadEnds.size() << "\n";
    return report.deadEnds.empty() ? 0 : 1;
}
