#include "explore/reachability.hpp"

#include <deque>

namespace explore {

std::vector<bool> hopefulStates(const SearchResult& found) {
    const std::size_t n = found.nodes.size();
    // The actions turned around, as one array of sources per target.
    std::vector<std::uint32_t> sourceStart(n + 1, 0);
    for (std::size_t e = 0; e < found.edges.size(); ++e) ++sourceStart[found.edges[e] + 1];
    for (std::size_t s = 0; s < n; ++s) sourceStart[s + 1] += sourceStart[s];
    std::vector<std::uint32_t> sources(found.edges.size());
    {
        std::vector<std::uint32_t> filled(sourceStart.begin(), sourceStart.end() - 1);
        for (std::size_t s = 0; s < n; ++s)
            for (std::uint32_t e = found.edgeStart[s]; e < found.edgeStart[s + 1]; ++e)
                sources[filled[found.edges[e]]++] = static_cast<std::uint32_t>(s);
    }

    std::vector<bool> hopeful(n, false);
    std::deque<std::uint32_t> work;
    for (std::size_t s = 0; s < n; ++s)
        if (found.nodes[s].goal || !found.nodes[s].expanded) {
            hopeful[s] = true;
            work.push_back(static_cast<std::uint32_t>(s));
        }
    while (!work.empty()) {
        const std::uint32_t s = work.front();
        work.pop_front();
        for (std::uint32_t e = sourceStart[s]; e < sourceStart[s + 1]; ++e)
            if (!hopeful[sources[e]]) {
                hopeful[sources[e]] = true;
                work.push_back(sources[e]);
            }
    }
    return hopeful;
}

}  // namespace explore
