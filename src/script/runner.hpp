// Runs a kvelnor-script file: actions in, one JSON line per dump out; in check mode the
// "#>" lines after a dump are verified against it.
#pragma once

#include <iosfwd>
#include <string>

namespace script {

constexpr int kExitOk = 0;
constexpr int kExitCheckFailed = 1;
constexpr int kExitMalformed = 2;

struct RunOptions {
    bool check = false;        // verify "#> path value" lines, print a summary instead of dumps
    std::string name = "-";    // the file's name, for messages
};

// Lines "#! data.dat VALUE" at the top prepare the working directory before the game starts:
// VALUE is a JSON string written as the file's content, or none to remove the file.
int run(std::istream& in, std::ostream& out, std::ostream& err, const RunOptions& options);

}  // namespace script
