// The command line of kvelnor-monkey.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace monkey {

inline constexpr const char* kUsage =
    "usage: kvelnor-monkey [--seed FIRST] [--seeds COUNT] [--actions PER_SEED]\n"
    "Plays PER_SEED random actions (default 100000) from a fresh start for each of COUNT seeds\n"
    "(default 10) from FIRST (default 1), checking the game's invariants after every action.\n";

struct Options {
    std::uint64_t first = 1;
    std::uint64_t seeds = 10;
    long actions = 100000;
    bool help = false;
    std::string error;  // the first bad argument; empty when all were understood
};

// Parses the arguments after the program name. Counts are whole numbers from 1; the last seed,
// FIRST + COUNT - 1, must be a seed too.
Options parseOptions(const std::vector<std::string>& arguments);

}  // namespace monkey
