// The real game left alone at a pause point: processor time, timer events and repaints while
// nothing happens, and its resident memory.
#pragma once

#include <string>

namespace bench {

// Child side: starts the game in the current working directory (data.dat must hold 1), continues
// from the checkpoint, waits for the location caption to finish, then measures idleMs.
int runIdleAtPausePoint(int argc, char** argv, int idleMs);

struct IdleFigures {
    double idleMs = 0;        // the wall time measured
    double processorMs = 0;   // user and system time of the whole process meanwhile
    double timerEvents = 0;   // timer events delivered to any object
    double paintEvents = 0;   // paint events of any widget
    double residentKiB = 0;   // the game at the pause point
    double peakResidentKiB = 0;
    std::string error;
};

// Parent side: runs the child once.
IdleFigures measureIdle(const std::string& self, int idleMs);

}  // namespace bench
