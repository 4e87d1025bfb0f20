// Starting a program and timing it from the start of its process to the first line it writes.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct ChildRun {
    double firstLineMs = -1;  // from just before the process was started to its first complete line; -1 if none
    std::string output;       // everything it wrote to standard output
    int exitCode = -1;        // its exit status; -1 when it was killed or ended by a signal
    bool timedOut = false;    // it was still running after the time allowed and was killed
};

// Runs the program (a path) with its arguments in the current directory and the current
// environment, waiting at most timeoutMs for it to end; its standard error goes to ours.
ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments, int timeoutMs);

}  // namespace bench
