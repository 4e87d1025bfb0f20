// kvelnor-explore: tries every action a player has in every reachable state and lists the
// states from which the end titles can no longer be reached.
#include "app/data_files.hpp"
#include "explore/explorer.hpp"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

// The most memory the process has held at once, in bytes.
std::size_t peakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}

void printCosts(const explore::Report& report) {
    const explore::Costs& c = report.costs;
    const double states = report.states == 0 ? 1.0 : static_cast<double>(report.states);
    const auto perState = [&](std::size_t bytes) { return static_cast<double>(bytes) / states; };
    std::printf("threads: %u\n", c.threads);
    std::printf("search: %.1f s, %.0f states/s, %.0f actions/s\n", c.searchSeconds,
                static_cast<double>(report.states) / c.searchSeconds,
                static_cast<double>(report.actions) / c.searchSeconds);
    std::printf("backward reachability: %.2f s\n", c.reachabilitySeconds);
    std::printf("replay of dead ends: %.2f s\n", c.replaySeconds);
    std::printf("bytes per state: %.0f (keys and index %.0f, parents %.0f, actions between states %.0f)\n",
                perState(c.keyBytes + c.stateBytes + c.edgeBytes), perState(c.keyBytes), perState(c.stateBytes),
                perState(c.edgeBytes));
    std::printf("states waiting to be expanded: at most %.1f MB of looks\n", static_cast<double>(c.peakLookBytes) / 1e6);
    std::printf("peak memory: %.0f MB\n", static_cast<double>(peakMemory()) / 1e6);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    explore::Options options;
    options.deadEndPaths = 100;
    bool census = false;
    bool stats = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--continue") {
            options.start = explore::Start::Continue;
        } else if (arg == "--census") {
            census = true;
        } else if (arg == "--stats") {
            stats = true;
        } else if (arg == "--max-states" && i + 1 < argc) {
            options.maxStates = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg == "--dead-end-paths" && i + 1 < argc) {
            options.deadEndPaths = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg == "--language" && i + 1 < argc) {
            std::string error;
            std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(argv[++i], error, app::kCatalogueDirectory);
            if (!catalogue) {
                std::cerr << "kvelnor-explore: " << error << "\n";
                return 2;
            }
            options.catalogue = std::make_shared<const ui::Catalogue>(std::move(*catalogue));
        } else if (arg == "--threads" && i + 1 < argc) {
            options.threads = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            std::cerr << "usage: kvelnor-explore [--continue] [--max-states N] [--census] [--stats] [--threads N]\n"
                         "                       [--dead-end-paths N] [--language CODE]\n"
                         "Starts after \"Nová\" (or \"Nahrát\" with --continue) and explores every state;\n"
                         "with --max-states it stops expanding after N states (states left over count\n"
                         "as able to reach the end). --census counts the states of each storyStage,\n"
                         "--stats prints the time of each phase, states per second, bytes per state and\n"
                         "the peak memory; --threads sets how many games play side by side (default:\n"
                         "one per processor); --dead-end-paths N prints the paths of the N nearest dead\n"
                         "ends (default 100; 0: every one); --language plays in the language of\n"
                         "data/lang/CODE.mo (the counts must be those of Czech).\n";
            return 2;
        }
    }
    const explore::Report report = explore::explore(options);
    for (const explore::DeadEnd& dead : report.deadEnds) {
        std::cout << "dead end: " << dead.description << "\n";
        for (const std::string& step : dead.path) std::cout << "  " << step << "\n";
    }
    if (report.deadEndCount > report.deadEnds.size())
        std::cout << (report.deadEndCount - report.deadEnds.size())
                  << " more dead ends, further from the start (--dead-end-paths 0 prints every one)\n";
    if (census)
        for (std::size_t stage = 0; stage < report.statesPerStage.size(); ++stage)
            std::cout << "storyStage " << stage << ": " << report.statesPerStage[stage] << " states\n";
    std::cout << std::flush;
    if (stats) printCosts(report);
    std::cout << "end titles reached in " << report.goals << " states";
    if (report.unexpanded != 0) std::cout << "; limit reached, " << report.unexpanded << " states not expanded";
    std::cout << "\nstates: " << report.states << ", actions: " << report.actions
              << ", dead ends: " << report.deadEndCount << "\n";
    return report.deadEndCount == 0 ? 0 : 1;
}
