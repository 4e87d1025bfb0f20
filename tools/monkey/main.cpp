// kvelnor-monkey: random play across seeds; prints the seed of any failure so it can be replayed.
#include "monkey/monkey.hpp"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    std::uint64_t first = 1;
    std::uint64_t seeds = 10;
    long actions = 100000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--seed") first = std::strtoull(argv[i + 1], nullptr, 10);
        else if (arg == "--seeds") seeds = std::strtoull(argv[i + 1], nullptr, 10);
        else if (arg == "--actions") actions = std::strtol(argv[i + 1], nullptr, 10);
    }
    if (argc % 2 == 0) {
        std::cerr << "usage: kvelnor-monkey [--seed FIRST] [--seeds COUNT] [--actions PER_SEED]\n";
        return 2;
    }
    long total = 0;
    int deepest = 0;
    for (std::uint64_t seed = first; seed < first + seeds; ++seed) {
        const monkey::Result r = monkey::play(seed, actions);
        total += r.actions;
        deepest = std::max(deepest, r.deepestStage);
        if (!r.failure.empty()) {
            std::cout << "seed " << seed << " failed after " << r.actions << " actions: " << r.failure
                      << "\nlast actions:\n" << r.lastActions;
            return 1;
        }
    }
    std::cout << "seeds " << first << ".." << first + seeds - 1 << ": " << total << " actions, no failure; deepest storyStage "
              << deepest << "\n";
    return 0;
}
