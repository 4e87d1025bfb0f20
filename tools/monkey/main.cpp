// kvelnor-monkey: random play across seeds; prints the seed of any failure so it can be replayed.
#include "monkey/monkey.hpp"
#include "monkey/monkey_options.hpp"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const monkey::Options options = monkey::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
        std::cout << monkey::kUsage;
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << "kvelnor-monkey: " << options.error << "\n" << monkey::kUsage;
        return 2;
    }
    long total = 0;
    int deepest = 0;
    const std::uint64_t last = options.first + (options.seeds - 1);
    for (std::uint64_t n = 0; n < options.seeds; ++n) {
        const std::uint64_t seed = options.first + n;
        const monkey::Result r = monkey::play(seed, options.actions);
        total += r.actions;
        deepest = std::max(deepest, r.deepestStage);
        if (!r.failure.empty()) {
            std::cout << "seed " << seed << " failed after " << r.actions << " actions (" << total
                      << " actions in all): " << r.failure << "\nlast actions:\n" << r.lastActions;
            return 1;
        }
    }
    std::cout << "seeds " << options.first << ".." << last << ": " << total << " actions, no failure; deepest storyStage "
              << deepest << "\n";
    return 0;
}
