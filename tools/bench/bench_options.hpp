// The command line of kvelnor-bench.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace bench {

inline constexpr const char* kUsage =
    "usage: kvelnor-bench [--data DIR] [--scenario FILE] [--runs N] [--core-runs N]\n"
    "                     [--startup-runs N] [--idle-seconds S] [--only PART,...] [--list-clicks]\n"
    "Prints medians over repeated runs of the headless core replaying the scenario, the desktop\n"
    "window's clicks from event to repainted frame at 1x and 2x the layout's size, start-up to the first painted frame, peak\n"
    "memory after the scenario and processor use idle at a pause point, each beside its floor.\n"
    "PART: core, clicks, startup, memory, idle. DIR defaults to data/ beside the program, FILE\n"
    "to the walkthrough. --list-clicks prints every click of the last run, slowest first.\n"
    "The window runs offscreen unless QT_QPA_PLATFORM says otherwise.\n";

inline const std::set<std::string> kAllParts{"core", "clicks", "startup", "memory", "idle"};

struct Options {
    std::string data;
    std::string scenario;
    int coreRuns = 20;
    int clickRuns = 5;
    int startupRuns = 11;
    int idleSeconds = 10;
    std::set<std::string> parts = kAllParts;
    bool listClicks = false;  // print every click of the last run, slowest first
    bool help = false;
    std::string error;  // the first bad argument; empty when all were understood
};

// Parses the arguments after the program name over the given defaults.
Options parseOptions(const std::vector<std::string>& arguments, Options defaults);

}  // namespace bench
