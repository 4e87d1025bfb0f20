// Peak resident memory of the game's window after the whole walkthrough, in a fresh process.
#pragma once

#include <string>

namespace bench {

// Child side: plays the scenario in the desktop window (as the click benchmark does) and reports
// this process's resident memory at the end and at its peak.
int runWalkthroughForMemory(int argc, char** argv, const std::string& scenario);

struct WalkthroughMemory {
    double residentKiB = 0;
    double peakResidentKiB = 0;
    double clicks = 0;
    std::string error;
};

WalkthroughMemory measureWalkthroughMemory(const std::string& self, const std::string& scenario);

}  // namespace bench
