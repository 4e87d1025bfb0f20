#include "explore/explorer.hpp"

#include "explore/reachability.hpp"
#include "explore/replay.hpp"
#include "explore/search.hpp"

#include <chrono>

namespace explore {

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

Report explore(const Options& options) {
    Report report;
    auto phase = std::chrono::steady_clock::now();
    SearchResult found = search(options);
    report.costs.searchSeconds = secondsSince(phase);
    report.costs.threads = found.threads;
    report.costs.keyBytes = found.store.bytes() + found.strings->looks.bytes() + found.strings->captions.bytes();
    report.costs.stateBytes = found.nodes.bytes();
    report.costs.edgeBytes = found.edges.bytes() + found.edgeStart.bytes();
    report.costs.peakLookBytes = found.peakLookBytes;

    phase = std::chrono::steady_clock::now();
    const std::vector<bool> hopeful = hopefulStates(found);
    found.edges = {};
    found.edgeStart = {};
    report.costs.reachabilitySeconds = secondsSince(phase);

    phase = std::chrono::steady_clock::now();
    Replayer replayer(found, options);
    for (std::size_t s = 0; s < found.nodes.size(); ++s) {
        if (found.nodes[s].goal) ++report.goals;
        if (!found.nodes[s].expanded) ++report.unexpanded;
        if (hopeful[s]) continue;
        // States are numbered breadth first, so the first dead ends have the shortest paths.
        ++report.deadEndCount;
        if (options.deadEndPaths == 0 || report.deadEnds.size() < options.deadEndPaths)
            report.deadEnds.push_back(replayer.replay(static_cast<std::uint32_t>(s)));
    }
    report.costs.replaySeconds = secondsSince(phase);

    report.states = found.nodes.size();
    report.actions = found.actions;
    report.statesPerStage = std::move(found.statesPerStage);
    return report;
}

}  // namespace explore
