// Runs a kvelnor-script file: actions in, one JSON line per dump out; in check mode the
// "#>" lines after a dump are verified against it. Lines are read and run one at a time, so
// a stream of any length runs in constant memory.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

namespace script {

constexpr int kExitOk = 0;
constexpr int kExitCheckFailed = 1;
constexpr int kExitMalformed = 2;

// Bounds on what one line may ask of the driver.
constexpr std::size_t kMaxLineBytes = 64 * 1024;
constexpr int kMaxValueDepth = 64;            // brackets in a "#>" or "#!" value
constexpr std::size_t kMaxQueuedAnswers = 64;  // answers waiting for a question box
// Sounds and messages kept for the next dump; older ones are dropped when no dump asks.
constexpr std::size_t kMaxUnreported = 1000;

struct RunOptions {
    bool check = false;        // verify "#> path value" lines, print a summary instead of dumps
    std::string name = "-";    // the file's name, for messages
    std::string language = "cs";  // the language the game is shown in from the start
};

// Lines "#! data.dat VALUE" before the first action prepare the working directory before the
// game starts: VALUE is a JSON string written as the file's content, or none to remove the file.
// A malformed line stops the run there with a message naming the file and line (exit 2).
int run(std::istream& in, std::ostream& out, std::ostream& err, const RunOptions& options);

}  // namespace script
