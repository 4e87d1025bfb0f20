// Start-up measured from outside: child processes that end as soon as their main window has
// painted its first frame, the game's and the floor's, timed by the parent.
#pragma once

#include <string>

namespace bench {

// The line a child writes when its first frame is painted.
inline constexpr const char* kFirstFrameLine = "first-frame";

// Child side: the game built as the program builds it, in the current working directory.
int runGameToFirstFrame(int argc, char** argv);
// Child side: the floor, a bare QMainWindow of the game window's size painting the intro picture.
int runBareWindowToFirstFrame(int argc, char** argv);

struct StartupFigures {
    double gameMs = 0;   // median, process start to the first painted frame
    double floorMs = 0;  // median of the bare window
    int runs = 0;
    std::string error;   // a child that failed; empty when all ran
};

// Parent side: starts both children in turn, runs times each after one unmeasured round.
StartupFigures measureStartup(const std::string& self, int runs);

}  // namespace bench
